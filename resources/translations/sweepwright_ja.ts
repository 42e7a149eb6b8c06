<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja" sourcelanguage="en">
<context>
    <name>AddLoginItemDialog</name>
    <message>
        <source>Add an Application</source>
        <translation>アプリケーションの追加</translation>
    </message>
    <message>
        <source>Start an application when you log in</source>
        <translation>ログイン時に起動するアプリケーション</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>検索</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>追加</translation>
    </message>
</context>
<context>
    <name>AdminPass</name>
    <message>
        <source>the administrator removal did not understand the request; left in place</source>
        <translation>管理者権限での削除処理が要求を解釈できませんでした。削除せずに残しました</translation>
    </message>
    <message>
        <source>lies outside the places the administrator removal covers; left in place</source>
        <translation>管理者権限で削除できる場所の外にあります。削除せずに残しました</translation>
    </message>
    <message>
        <source>its folder changed while the password was asked for; left in place</source>
        <translation>パスワードの入力中に、この項目のあるフォルダーが変更されました。削除せずに残しました</translation>
    </message>
    <message>
        <source>is or lies in a protected folder; left in place</source>
        <translation>保護されたフォルダーであるか、その中にあります。削除せずに残しました</translation>
    </message>
    <message>
        <source>it changed while the password was asked for; left in place</source>
        <translation>パスワードの入力中に変更されました。削除せずに残しました</translation>
    </message>
    <message>
        <source>cannot be reached without following a link or entering another file system; left in place</source>
        <translation>リンクをたどるか別のファイルシステムに入らなければ到達できません。削除せずに残しました</translation>
    </message>
    <message>
        <source>cannot be reached below its folder; left in place</source>
        <translation>フォルダーの下から到達できません。削除せずに残しました</translation>
    </message>
    <message>
        <source>the administrator helper sweepwright-privileged is not installed; left in place</source>
        <translation>管理者用ヘルパー sweepwright-privileged がインストールされていません。削除せずに残しました</translation>
    </message>
    <message>
        <source>%1; left in place</source>
        <translation>%1。削除せずに残しました</translation>
    </message>
    <message>
        <source>the administrator removal gave no answer for it; left in place</source>
        <translation>管理者権限での削除処理から応答がありませんでした。削除せずに残しました</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <comment>why the administrator removal refused, and what it met</comment>
        <translation>%1 (%2)</translation>
    </message>
</context>
<context>
    <name>AppDelegate</name>
    <message>
        <source>Sweepwright is running as root. It never needs to: run it as the user whose files it cleans.</source>
        <translation>Sweepwright が root として実行されています。root で実行する必要はありません。クリーンアップするファイルを所有するユーザーとして実行してください。</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Open a Saved Result</source>
        <translation>保存済みの結果を開く</translation>
    </message>
    <message>
        <source>%1 was not opened: Duplicates is busy with another result. Start over there, then open it from the folder page.</source>
        <translation>%1 を開けませんでした: 重複ファイルは別の結果を表示中です。そこで「最初からやり直す」を選んでから、フォルダーのページで開いてください。</translation>
    </message>
</context>
<context>
    <name>AppRemoval</name>
    <message>
        <source>it is still installed</source>
        <translation>まだインストールされています</translation>
    </message>
    <message>
        <source>left in place: the application itself was not removed (%1)</source>
        <translation>削除せずに残しました: アプリケーション本体が削除されませんでした (%1)</translation>
    </message>
    <message>
        <source>left in place: %1, which also uses it, was not removed (%2)</source>
        <translation>削除せずに残しました: これを使用している %1 が削除されませんでした (%2)</translation>
    </message>
    <message>
        <source>left in place: the application itself is not being removed</source>
        <translation>削除せずに残しました: アプリケーション本体は削除の対象ではありません</translation>
    </message>
    <message>
        <source>left in place: %1, which also uses it, is not being removed</source>
        <translation>削除せずに残しました: これを使用している %1 は削除の対象ではありません</translation>
    </message>
    <message>
        <source>flatpak left it installed</source>
        <translation>flatpak を実行しましたが、インストールされたままです</translation>
    </message>
    <message>
        <source>PackageKit left it installed</source>
        <translation>PackageKit を実行しましたが、インストールされたままです</translation>
    </message>
    <message>
        <source>apt-get left it installed</source>
        <translation>apt-get を実行しましたが、インストールされたままです</translation>
    </message>
</context>
<context>
    <name>AppsCommand</name>
    <message numerus="yes">
        <source>&quot;%1&quot; names %n applications; give one of their identifiers or paths:</source>
        <translation>
            <numerusform>「%1」に該当するアプリケーションが %n 個あります。いずれかの識別子またはパスを指定してください:</numerusform>
        </translation>
    </message>
    <message>
        <source>found no application &quot;%1&quot;</source>
        <translation>アプリケーション「%1」が見つかりません</translation>
    </message>
    <message numerus="yes">
        <source>Found %n application(s), %1 in total.
</source>
        <translation>
            <numerusform>%n 個のアプリケーションが見つかりました (合計 %1)。
</numerusform>
        </translation>
    </message>
    <message>
        <source>app</source>
        <comment>an application&apos;s own files</comment>
        <translation>アプリケーション</translation>
    </message>
    <message>
        <source>cache</source>
        <comment>an application&apos;s cache</comment>
        <translation>キャッシュ</translation>
    </message>
    <message>
        <source>settings</source>
        <comment>an application&apos;s settings</comment>
        <translation>設定</translation>
    </message>
    <message>
        <source>data</source>
        <comment>the user&apos;s data of an application</comment>
        <translation>ユーザーデータ</translation>
    </message>
    <message>
        <source>bundle</source>
        <comment>an application installed as a bundle</comment>
        <translation>バンドル</translation>
    </message>
    <message>
        <source>appimage</source>
        <comment>an application installed as an AppImage</comment>
        <translation>AppImage</translation>
    </message>
    <message>
        <source>home</source>
        <comment>an application installed in the home folder</comment>
        <translation>ホーム</translation>
    </message>
    <message>
        <source>flatpak</source>
        <comment>an application installed as a Flatpak</comment>
        <translation>Flatpak</translation>
    </message>
    <message>
        <source>package</source>
        <comment>an application installed as a system package</comment>
        <translation>パッケージ</translation>
    </message>
    <message>
        <source>--with-data goes with --remove</source>
        <translation>--with-data は --remove と一緒に指定してください</translation>
    </message>
    <message>
        <source>Usage: sweepwright-cli apps [--layout L] [--root R] [--home H] [--json]
                            [--remove APP... [--with-data] [--yes | --dry-run]]
Lists the installed applications, each with its own files and what it left in the
home that is its alone, by kind (app, cache, settings, and the user&apos;s data: what
lies in XDG_DATA_HOME, ~/.var/app/ID/data or a dot folder such as ~/.thunderbird),
and their sizes; [x] (&quot;isDel&quot; in JSON) marks what removing the application takes
(with --remove: what this run takes).
With --remove the application APP is removed with its ticked items: all but the
user&apos;s data, unless --with-data is given. What the user owns goes to the Trash,
where it can be restored. It asks first on a terminal, or goes with --yes;
otherwise the plan is printed and nothing is removed (exit status 2). APP is the name as listed, or, where several applications
share a name, one of its identifiers: the desktop-file id, the Flatpak id, the
package name or its path; a shared name removes nothing and lists the candidates
(exit status 2). The application goes first (packages by their package manager,
files only an administrator may remove after one password prompt); its leftovers
only once it is gone, else they stay and the report says why. Ctrl-C stops the
scan, or the removal after the current item (exit status 130).

  --json         print one JSON object instead of a list
  --remove APP   remove the application APP and its leftovers (repeatable)
  --with-data    with --remove, take the user&apos;s data of APP too
  --yes          remove without asking
  --dry-run      show what --remove would remove, and remove nothing
  --help         show this text
  -V, --version  show the version
</source>
        <translation>使用法: sweepwright-cli apps [--layout L] [--root R] [--home H] [--json]
                             [--remove APP... [--with-data] [--yes | --dry-run]]
インストールされているアプリケーションを、本体のファイルと、ホームフォルダーに残した
そのアプリケーション専用のものとともに、種類別 (アプリケーション、キャッシュ、設定、
ユーザーデータ: XDG_DATA_HOME、~/.var/app/ID/data、~/.thunderbird などのドットフォルダー)
にサイズ付きで一覧表示します。[x] (JSON では &quot;isDel&quot;) は、アプリケーションの削除で
削除されるもの (--remove 指定時は今回の実行で削除されるもの) を示します。
--remove を指定すると、アプリケーション APP をチェックされた項目 (--with-data を指定
しない限り、ユーザーデータ以外のすべて) とともに削除します。ユーザーが所有するものは
ゴミ箱に移動し、そこから元に戻せます。端末ではまず確認し、--yes を指定すると確認しません。
それ以外は実行予定を表示し、何も削除しません (終了ステータス 2)。APP は一覧の名前か、同じ名前のアプリケーションが複数ある場合は
その識別子のいずれか (desktop ファイル ID、Flatpak ID、
パッケージ名、またはパス) です。共有されている名前では何も削除せず、候補を表示します
(終了ステータス 2)。まずアプリケーションを削除し (パッケージはパッケージマネージャーで、
管理者のみが削除できるファイルは 1 回のパスワード入力の後で)、残りファイルはアプリケーション
が削除されてから削除します。削除されなかった場合は残し、理由を報告します。Ctrl-C で
スキャンを中止します。削除中は現在の項目の後で中止します (終了ステータス 130)。

  --json         一覧の代わりに JSON オブジェクトを 1 つ出力します
  --remove APP   アプリケーション APP とその残りファイルを削除します (複数指定可)
  --with-data    --remove と併用し、APP のユーザーデータも削除します
  --yes          確認せずに削除します
  --dry-run      --remove で削除されるものを表示し、何も削除しません
  --help         このテキストを表示します
  -V, --version  バージョンを表示します
</translation>
    </message>
</context>
<context>
    <name>CategoryRoots</name>
    <message>
        <source>it vanished</source>
        <translation>存在しなくなりました</translation>
    </message>
    <message>
        <source>it is a link in %1, a folder others can write</source>
        <translation>ほかのユーザーが書き込めるフォルダー %1 内のリンクです</translation>
    </message>
    <message>
        <source>it belongs to another user and lies in %1, a folder others can write</source>
        <translation>ほかのユーザーが所有しており、ほかのユーザーが書き込めるフォルダー %1 内にあります</translation>
    </message>
    <message>
        <source>it belongs to another user and anyone can write it</source>
        <translation>ほかのユーザーが所有しており、誰でも書き込めます</translation>
    </message>
    <message>
        <source>Leaving %1 alone: %2</source>
        <translation>%1 は処理しません: %2</translation>
    </message>
    <message>
        <source>it belongs to another user</source>
        <translation>ほかのユーザーが所有しています</translation>
    </message>
    <message>
        <source>not an absolute path</source>
        <translation>絶対パスではありません</translation>
    </message>
</context>
<context>
    <name>CleanSchedule</name>
    <message>
        <source>The command-line program is not installed beside this one (%1).</source>
        <translation>コマンドラインプログラムがこのプログラムと同じ場所にインストールされていません（%1）。</translation>
    </message>
    <message>
        <source>The program&apos;s path cannot be written in a unit file: %1</source>
        <translation>プログラムのパスをユニットファイルに書き込めません: %1</translation>
    </message>
    <message>
        <source>Could not write the timer into %1.</source>
        <translation>タイマーを %1 に書き込めませんでした。</translation>
    </message>
    <message>
        <source>Could not remove %1.</source>
        <translation>%1 を削除できませんでした。</translation>
    </message>
</context>
<context>
    <name>CliCommand</name>
    <message>
        <source>cancelled</source>
        <translation>キャンセルされました</translation>
    </message>
    <message>
        <source>could not write the report: %1</source>
        <translation>レポートを書き込めませんでした: %1</translation>
    </message>
    <message>
        <source>Try &apos;sweepwright-cli %1 --help&apos;.</source>
        <translation>詳しくは &apos;sweepwright-cli %1 --help&apos; を実行してください。</translation>
    </message>
    <message>
        <source>unexpected argument %1</source>
        <translation>予期しない引数 %1</translation>
    </message>
    <message>
        <source>no file given</source>
        <translation>ファイルが指定されていません</translation>
    </message>
    <message>
        <source>more than one file given</source>
        <translation>ファイルが複数指定されています</translation>
    </message>
    <message>
        <source>running as root is never needed; protected system folders stay untouched.</source>
        <translation>root として実行する必要はありません。保護されたシステムフォルダーには手を付けません。</translation>
    </message>
</context>
<context>
    <name>CliMain</name>
    <message>
        <source>scan for junk files and list them, or remove them with --clean</source>
        <translation>不要ファイルをスキャンして一覧表示するか、--clean で削除します</translation>
    </message>
    <message>
        <source>list the files of 32 MB and more in folders, or move them to the Trash</source>
        <translation>フォルダー内の 32 MB 以上のファイルを一覧表示するか、ゴミ箱に移動します</translation>
    </message>
    <message>
        <source>list duplicate files in folders, or move all copies but one to the Trash</source>
        <translation>フォルダー内の重複ファイルを一覧表示するか、1 個を除くすべてのコピーをゴミ箱に移動します</translation>
    </message>
    <message>
        <source>list the installed applications and their leftovers, or remove some with --remove</source>
        <translation>インストールされているアプリケーションと残りファイルを一覧表示するか、--remove で削除します</translation>
    </message>
    <message>
        <source>list the add-ons by category, or remove some with --remove</source>
        <translation>アドオンをカテゴリー別に一覧表示するか、--remove で削除します</translation>
    </message>
    <message>
        <source>list the applications started at login, or switch one with --on or --off</source>
        <translation>ログイン時に起動するアプリケーションを一覧表示するか、--on または --off で切り替えます</translation>
    </message>
    <message>
        <source>show memory and disk use, or release memory with --release</source>
        <translation>メモリとディスクの使用状況を表示するか、--release でメモリを解放します</translation>
    </message>
    <message>
        <source>extract an archive or a winmail.dat file, or list what it holds</source>
        <translation>アーカイブまたは winmail.dat ファイルを展開するか、その内容を一覧表示します</translation>
    </message>
    <message>
        <source>make a smaller copy of a PDF document</source>
        <translation>PDF ドキュメントのサイズを小さくしたコピーを作成します</translation>
    </message>
    <message>
        <source>remove files and folders whole, optionally overwriting their contents first</source>
        <translation>ファイルやフォルダーを丸ごと削除します (先に内容を上書きすることもできます)</translation>
    </message>
    <message>
        <source>write the attachments and message bodies of a winmail.dat file into a folder</source>
        <translation>winmail.dat ファイルの添付ファイルとメッセージ本文をフォルダーに書き出します</translation>
    </message>
    <message>
        <source>Usage: sweepwright-cli COMMAND [options]
       sweepwright-cli COMMAND --help
       sweepwright-cli -V | --version

Commands:
</source>
        <translation>使用法: sweepwright-cli COMMAND [オプション]
        sweepwright-cli COMMAND --help
        sweepwright-cli -V | --version

コマンド:
</translation>
    </message>
    <message>
        <source>Layout options (commands that look at the disk):</source>
        <translation>フォルダー構成のオプション (ディスクを調べるコマンド用):</translation>
    </message>
    <message>
        <source>The variables SWEEPWRIGHT_LAYOUT, SWEEPWRIGHT_ROOT and SWEEPWRIGHT_HOME set the same;
the options win.

Commands that remove or move files act only with --yes or after a question on a
terminal; otherwise they print the plan and exit 2. --dry-run prints the plan and
touches nothing. Ctrl-C stops a scan, or a removal after the current item (exit 130).
&quot;--&quot; ends the options: what follows is a path even when it starts with &quot;-&quot;. A
FOLDER or PATH of &quot;-&quot; (large, dups, shred) reads the paths from standard input,
one a line or separated by NUL bytes.
</source>
        <translation>環境変数 SWEEPWRIGHT_LAYOUT、SWEEPWRIGHT_ROOT、SWEEPWRIGHT_HOME でも同じ設定ができます。
オプションが優先されます。

ファイルを削除または移動するコマンドは、--yes の指定時か、端末での確認に応答したとき
だけ実行し、それ以外は実行予定を表示して 2 で終了します。--dry-run は実行予定を表示
するだけです。Ctrl-C はスキャンを中止し、削除は現在の項目の後で中止します (130 で終了)。
&quot;--&quot; はオプションの終わりを示し、その後は &quot;-&quot; で始まっていてもパスとして扱います。
FOLDER または PATH に &quot;-&quot; を指定すると (large、dups、shred)、パスを標準入力から読み込みます
(1 行に 1 つ、または NUL バイト区切り)。
</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;</source>
        <translation>不明なコマンド「%1」</translation>
    </message>
    <message>
        <source>Try &apos;sweepwright-cli --help&apos;.</source>
        <translation>詳しくは &apos;sweepwright-cli --help&apos; を実行してください。</translation>
    </message>
    <message>
        <source>tell or set how often junk is cleaned automatically</source>
        <translation>不要ファイルを自動でクリーンアップする頻度を表示または設定します</translation>
    </message>
    <message>
        <source>list what every tool removed, or put back what a run moved to the Trash</source>
        <translation>各ツールが削除したものを一覧表示するか、実行でゴミ箱に移動したものを元に戻します</translation>
    </message>
</context>
<context>
    <name>CliOptions</name>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 には値が必要です</translation>
    </message>
    <message>
        <source>%1 takes no value</source>
        <translation>%1 には値を指定できません</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>不明なオプション %1</translation>
    </message>
</context>
<context>
    <name>CliPassword</name>
    <message>
        <source>cannot read the password file %1: %2</source>
        <translation>パスワードファイル %1 を読み込めません: %2</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Show this help and exit.</source>
        <translation>このヘルプを表示して終了します。</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>バージョンを表示して終了します。</translation>
    </message>
    <message>
        <source>Where to look: freedesktop or macos.</source>
        <translation>検索するフォルダー構成: freedesktop または macos。</translation>
    </message>
    <message>
        <source>The root the system folders are under.</source>
        <translation>システムフォルダーが置かれているルートフォルダー。</translation>
    </message>
    <message>
        <source>The home folder to look in.</source>
        <translation>検索するホームフォルダー。</translation>
    </message>
    <message>
        <source>Sweepwright, the desktop maintenance utility.</source>
        <translation>Sweepwright: デスクトップのメンテナンスユーティリティ。</translation>
    </message>
    <message>
        <source>Open a duplicate result saved as JSON, checked against the disk first.</source>
        <translation>JSON で保存した重複ファイルの結果を開きます。先にディスクと照合します。</translation>
    </message>
</context>
<context>
    <name>DupCopyCheck</name>
    <message>
        <source>The copy kept is no longer there</source>
        <translation>残すコピーが見つかりません</translation>
    </message>
    <message>
        <source>Changed since the scan: no longer the same as the copy kept</source>
        <translation>スキャン後に変更されています: 残すコピーと同じではなくなりました</translation>
    </message>
</context>
<context>
    <name>DupExport</name>
    <message>
        <source>Export the Result</source>
        <translation>結果を書き出す</translation>
    </message>
    <message>
        <source>Table for spreadsheets (*.csv)</source>
        <translation>表計算用の表 (*.csv)</translation>
    </message>
    <message>
        <source>Saved result to open again (*.json)</source>
        <translation>再度開ける保存済みの結果 (*.json)</translation>
    </message>
    <message>
        <source>The result could not be saved: %1</source>
        <translation>結果を保存できませんでした: %1</translation>
    </message>
</context>
<context>
    <name>DupKinds</name>
    <message>
        <source>Documents</source>
        <translation>ドキュメント</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>画像</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>音楽</translation>
    </message>
    <message>
        <source>Videos</source>
        <translation>ビデオ</translation>
    </message>
    <message>
        <source>Packages</source>
        <translation>パッケージ</translation>
    </message>
    <message>
        <source>Others</source>
        <translation>その他</translation>
    </message>
</context>
<context>
    <name>DupResultJson</name>
    <message>
        <source>%1: not an absolute path without &quot;.&quot; or &quot;..&quot;</source>
        <translation>%1: 「.」や「..」を含まない絶対パスではありません</translation>
    </message>
    <message>
        <source>%1: no size</source>
        <translation>%1: サイズがありません</translation>
    </message>
    <message>
        <source>%1: no modification time</source>
        <translation>%1: 変更日時がありません</translation>
    </message>
    <message>
        <source>The file is too large to be a saved result.</source>
        <translation>ファイルが大きすぎるため、保存済みの結果ではありません。</translation>
    </message>
    <message>
        <source>The file is not valid JSON (%1 at byte %2).</source>
        <translation>ファイルは有効な JSON ではありません（%2 バイト目で %1）。</translation>
    </message>
    <message>
        <source>The file holds no list of duplicates.</source>
        <translation>ファイルに重複ファイルの一覧がありません。</translation>
    </message>
</context>
<context>
    <name>DupSavedResult</name>
    <message>
        <source>%1: no longer a regular file</source>
        <translation>%1: 通常のファイルではなくなりました</translation>
    </message>
    <message>
        <source>%1: its size changed</source>
        <translation>%1: サイズが変わりました</translation>
    </message>
    <message>
        <source>%1: it was modified</source>
        <translation>%1: 変更されました</translation>
    </message>
    <message>
        <source>%1: reached through a symbolic link</source>
        <translation>%1: シンボリックリンクを経由しています</translation>
    </message>
    <message>
        <source>%1: not yours to move</source>
        <translation>%1: 移動する権限がありません</translation>
    </message>
    <message>
        <source>“%1” cannot be read.</source>
        <translation>「%1」を読み込めません。</translation>
    </message>
    <message>
        <source>%1: no longer there</source>
        <translation>%1: もう存在しません</translation>
    </message>
    <message>
        <source>%1: not the size of its set</source>
        <translation>%1: グループのサイズと一致しません</translation>
    </message>
    <message>
        <source>%1: its contents differ from the other copies</source>
        <translation>%1: 内容がほかのコピーと異なります</translation>
    </message>
</context>
<context>
    <name>DupsCommand</name>
    <message numerus="yes">
        <source>%1  %n copies of %2
</source>
        <translation>
            <numerusform>%1  %n 個のコピー (各 %2)
</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Found %n set(s) of duplicates, %1 in all copies.
</source>
        <translation>
            <numerusform>重複ファイルのグループが %n 個見つかりました (全コピーの合計 %1)。
</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 needs a rule: %2</source>
        <translation>%1 にはルールが必要です: %2</translation>
    </message>
    <message>
        <source>--keep takes %1, not &quot;%2&quot;</source>
        <translation>--keep には %1 のいずれかを指定してください (「%2」は指定できません)</translation>
    </message>
    <message>
        <source>Usage: sweepwright-cli dups [FOLDER...] [--layout L] [--root R] [--home H] [--json] [--quick]
                            [--keep RULE] [--reference DIR]...
                            [--trash-all-but-first [--yes | --dry-run]]
Lists the sets of duplicate files and packages larger than 16 KiB in the folders
(default: the layout&apos;s default folders, below), largest first. Candidates of equal
size and sampled digest are compared byte by byte; hard links to one file count once.
A FOLDER of &quot;-&quot; reads the folders from standard input, one a line or separated by
NUL bytes. The system&apos;s protected folders are left out and named on stderr.

  --json                 print one JSON object instead of a list
  --quick                for files, trust equal size and sampled digest (up to three
                         4 KiB blocks: at the start and spread over the file) without
                         comparing whole contents: faster, but files that differ
                         elsewhere are reported as duplicates. Packages are always
                         compared by content: their digest holds only item names
  --keep RULE            which copy of each set stays: original (the copy outside
                         Downloads, the Trash and temporary folders, then one whose
                         name has no copy mark such as &quot;(1)&quot; or &quot;Copy of&quot;, then the
                         oldest, then the one in the deepest folder, then the first
                         found), oldest (earliest modification time, then the shortest
                         path), newest, shortest-path or first (the first found);
                         default: %1 in this layout
  --reference DIR        a folder of originals, scanned too (may be repeated): its
                         copies are marked [reference] (&quot;isReference&quot; in JSON) and
                         never moved; a set whose copies all lie in reference folders
                         is not listed; in a set with a reference copy, every other
                         copy is moved
  --trash-all-but-first  move every copy of each set but the one --keep keeps to the
                         Trash (after a question on a terminal, or with --yes), then
                         report what was moved and what was not (with the reason);
                         without either, the plan is printed and nothing moves
  --yes                  move without asking
  --dry-run              show what --trash-all-but-first would move, and move nothing
  --help                 show this text
  -V, --version          show the version
Sent to a file or a pipe, a run that moves nothing prints each set as it is found.
Exits 1 when an item could not be moved, 2 for a usage error or a folder that does not
exist or cannot be read, 130 after Ctrl-C (a removal stops after the current item).
</source>
        <translation>使用法: sweepwright-cli dups [FOLDER...] [--layout L] [--root R] [--home H] [--json] [--quick]
                             [--keep RULE] [--reference DIR]...
                             [--trash-all-but-first [--yes | --dry-run]]
フォルダー内の 16 KiB より大きい重複ファイルとパッケージのグループを、大きい順に一覧
表示します (既定: フォルダー構成の既定のフォルダー、下記を参照)。サイズとサンプルの
ダイジェストが同じ候補はバイト単位で比較し、同じファイルへのハードリンクは 1 つと数えます。
FOLDER に &quot;-&quot; を指定すると、フォルダーを標準入力から読み込みます (1 行に 1 つ、または
NUL バイト区切り)。システムの保護されたフォルダーは除外し、標準エラー出力に表示します。

  --json                 一覧の代わりに JSON オブジェクトを 1 つ出力します
  --quick                ファイルは、サイズとサンプルのダイジェスト (先頭とファイル
                         全体に分散した最大 3 個の 4 KiB ブロック) が同じなら、内容
                         全体を比較せずに同一とみなします。高速ですが、ほかの部分が
                         異なるファイルも重複ファイルとして表示されます。パッケージは
                         常に内容で比較します (ダイジェストには項目名しか含まれないため)
  --keep RULE            各グループで残すコピー: original (ダウンロード、ゴミ箱、
                         一時フォルダーの外にあるコピー、次に名前に「(1)」や「Copy of」
                         のようなコピーの印がないもの、次に最も古いもの、次に最も
                         深いフォルダーにあるもの、次に最初に見つかったもの)、oldest
                         (変更日時が最も古いもの、次にパスが最も短いもの)、newest、
                         shortest-path、first (最初に見つかったもの) のいずれか。
                         既定: このフォルダー構成では %1
  --reference DIR        オリジナルを置くフォルダー（これもスキャンされます。複数指定可）：
                         その中のコピーは [参照] と表示され（JSON では &quot;isReference&quot;）、移動されません。
                         すべてのコピーが参照フォルダーにあるグループは表示されません。参照コピーを
                         含むグループでは、ほかのコピーがすべて移動されます
  --trash-all-but-first  各グループで --keep が残すもの以外のすべてのコピーをゴミ箱に
                         移動し (端末で確認した後、または --yes の指定時)、移動した
                         ものと移動しなかったもの (理由付き) を報告します。どちらも
                         ない場合は実行予定を表示し、何も移動しません
  --yes                  確認せずに移動します
  --dry-run              --trash-all-but-first で移動されるものを表示し、何も移動しません
  --help                 このテキストを表示します
  -V, --version          バージョンを表示します
出力先がファイルかパイプで、何も移動しない場合は、各グループを見つけた時点で表示します。
終了ステータスは、移動できなかった項目がある場合は 1、使い方の誤り、または存在しないか
読み込めないフォルダーの場合は 2、Ctrl-C の後は 130 です (削除は現在の項目の後で中止)。
</translation>
    </message>
    <message>
        <source>reference</source>
        <extracomment>Marks a copy in a folder of originals in the list of a set&apos;s copies</extracomment>
        <translation>参照</translation>
    </message>
    <message>
        <source>Also:
  --csv                  print the sets as CSV (RFC 4180, UTF-8): set, size, path,
                         modification time, kept (yes for the copy that stays)
  --empty                list empty files, empty folders (holding only empty folders,
                         named at their top) and broken symbolic links instead of
                         duplicates; with --yes all of them go to the Trash, with
                         --dry-run the plan is shown
</source>
        <translation>そのほか:
  --csv                  グループを CSV (RFC 4180, UTF-8) で出力: グループ、サイズ、パス、
                         変更日時、保持（残すコピーは yes）
  --empty                重複ファイルの代わりに、空のファイル、空のフォルダー（空の
                         フォルダーだけを含むもの。最上位で表示）、壊れたシンボリック
                         リンクを一覧表示。--yes ですべてゴミ箱に移動し、--dry-run で
                         計画を表示
</translation>
    </message>
    <message>
        <source>--csv and --json do not go together</source>
        <translation>--csv と --json は同時に使えません</translation>
    </message>
    <message numerus="yes">
        <source>%1  %n item(s), %2
</source>
        <translation>
            <numerusform>%1  %n 項目、%2
</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Found %n kind(s) of empty or broken items, %1 in all.
</source>
        <translation>
            <numerusform>空または壊れた項目が %n 種類見つかりました。合計 %1。
</numerusform>
        </translation>
    </message>
    <message>
        <source>Digests of files that did not change since an earlier scan are kept in %1
and not read again (copies are still compared byte by byte before they go):
  --no-cache             read every file, and keep nothing for the next scan
  --clear-cache          forget the digests kept, scan nothing
</source>
        <translation>前回のスキャン以降に変更されていないファイルのダイジェストは %1 に保存され、
再度読み込まれません (コピーは削除する前に必ずバイト単位で比較します):
  --no-cache             すべてのファイルを読み込み、次回のスキャン用に何も保存しない
  --clear-cache          保存したダイジェストを消去し、スキャンしない
</translation>
    </message>
    <message>
        <source>could not remove %1: %2</source>
        <translation>%1 を削除できませんでした: %2</translation>
    </message>
    <message>
        <source>Forgot the digests kept in %1.
</source>
        <translation>%1 に保存したダイジェストを消去しました。
</translation>
    </message>
    <message>
        <source>  --link KIND            instead of the Trash: replace every copy of each set but the
                         one --keep keeps by a link to that copy: hard (one file
                         system only), reflink (the copy keeps its own file and shares
                         the kept copy&apos;s data, where the file system can) or
                         symbolic. Each copy is compared byte by byte first; one that
                         changed since the scan is skipped. --yes and --dry-run work
                         as for --trash-all-but-first. Reports the space freed
</source>
        <translation>  --link KIND            ゴミ箱に移動する代わりに、各グループで --keep が残すコピー以外
                         の各コピーを、そのコピーへのリンクに置き換えます: hard (同じ
                         ファイルシステムのみ)、reflink (ファイルシステムが対応していれ
                         ば、コピーは独立したファイルのまま残すコピーとデータを共有)、
                         symbolic。各コピーはまずバイト単位で比較され、スキャン後に変更
                         されたものはスキップされます。--yes と --dry-run は
                         --trash-all-but-first と同じです。解放された容量を報告します
</translation>
    </message>
    <message>
        <source>%1 needs a kind: %2</source>
        <translation>%1 には種類が必要です: %2</translation>
    </message>
    <message>
        <source>--link takes %1, not &quot;%2&quot;</source>
        <translation>--link に指定できるのは %1 です (「%2」ではありません)</translation>
    </message>
    <message>
        <source>--link and --trash-all-but-first cannot be given together</source>
        <translation>--link と --trash-all-but-first は同時に指定できません</translation>
    </message>
    <message>
        <source>--link and --empty cannot be given together</source>
        <translation>--link と --empty は同時に指定できません</translation>
    </message>
    <message>
        <source>                         (in a set, newer copies stay and are marked [recent];
                         a set is listed only when one of its copies may go)
</source>
        <translation>                         （セット内の新しいコピーは残り、[新しい] と表示されます。
                         削除できるコピーがあるセットだけが一覧に出ます）
</translation>
    </message>
    <message>
        <source>recent</source>
        <extracomment>Marks a copy modified within --older-than DAYS, which stays, in the list of a set&apos;s copies</extracomment>
        <translation>新しい</translation>
    </message>
</context>
<context>
    <name>EmptyFinder</name>
    <message>
        <source>Empty files</source>
        <translation>空のファイル</translation>
    </message>
    <message>
        <source>Empty folders</source>
        <translation>空のフォルダー</translation>
    </message>
    <message>
        <source>Broken links</source>
        <translation>壊れたリンク</translation>
    </message>
    <message>
        <source>its target exists now</source>
        <translation>リンク先が存在するようになりました</translation>
    </message>
    <message>
        <source>it is no longer empty</source>
        <translation>空ではなくなりました</translation>
    </message>
    <message>
        <source>it is no longer what was found</source>
        <translation>見つかったときとは別のものになりました</translation>
    </message>
    <message>
        <source>it holds more than empty folders now</source>
        <translation>空のフォルダー以外のものが入りました</translation>
    </message>
</context>
<context>
    <name>ExtensionsCommand</name>
    <message>
        <source>Usage: sweepwright-cli extensions [--layout L] [--root R] [--home H] [--json]
                                  [--remove PATH... [--yes | --dry-run]]
Lists the add-ons of the layout (browser extensions, plug-ins, preview and search
add-ons and the like), by category, with their sizes, each with the browser or
desktop it belongs to and its browser profile (JSON: itemOwner, itemProfile), and
whether it is enabled where the browser&apos;s own files tell (itemEnabled; left out
otherwise). With --remove the items of
those paths (as listed) are removed, after a question on a terminal or with --yes;
otherwise the plan is printed and nothing is removed (exit status 2). Items only an
administrator may remove go last, after one password prompt. Ctrl-C stops the scan,
or the removal after the current item (exit status 130).

  --json         print one JSON object instead of a list
  --remove PATH  remove the add-on at PATH (repeatable)
  --yes          remove without asking
  --dry-run      show what --remove would remove, and remove nothing
  --help         show this text
  -V, --version  show the version
</source>
        <translation>使用法: sweepwright-cli extensions [--layout L] [--root R] [--home H] [--json]
                                   [--remove PATH... [--yes | --dry-run]]
フォルダー構成のアドオン (ブラウザー拡張機能、プラグイン、プレビューや検索のアドオン
など) を、カテゴリー別にサイズ付きで一覧表示します。各アドオンには、所属するブラウザー
またはデスクトップとブラウザーのプロファイル (JSON: itemOwner、itemProfile) のほか、
ブラウザー自身のファイルからわかる場合は有効かどうか (itemEnabled。わからない場合は
省略) を表示します。--remove を指定すると、
指定したパス (一覧の表示どおり) の項目を、端末での確認後か --yes の指定時に削除します。
それ以外の場合は実行予定を表示し、何も削除しません (終了ステータス 2)。管理者のみが
削除できる項目は最後に、1 回のパスワード入力の後で削除します。Ctrl-C でスキャンを中止し、
削除中は現在の項目の後で中止します (終了ステータス 130)。

  --json         一覧の代わりに JSON オブジェクトを 1 つ出力します
  --remove PATH  PATH にあるアドオンを削除します (複数指定可)
  --yes          確認せずに削除します
  --dry-run      --remove で削除されるものを表示し、何も削除しません
  --help         このテキストを表示します
  -V, --version  バージョンを表示します
</translation>
    </message>
    <message>
        <source>found no add-on %1</source>
        <translation>アドオン %1 が見つかりません</translation>
    </message>
    <message>
        <source>enabled</source>
        <comment>an add-on</comment>
        <translation>有効</translation>
    </message>
    <message>
        <source>disabled</source>
        <comment>an add-on</comment>
        <translation>無効</translation>
    </message>
    <message numerus="yes">
        <source>Found %n add-on(s), %1 in total.
</source>
        <translation>
            <numerusform>%n 個のアドオンが見つかりました (合計 %1)。
</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ExtractCommand</name>
    <message>
        <source>Usage: sweepwright-cli extract FILE [-C DIR] [options]
Extracts an archive (zip, 7z, rar, tar and its compressed forms, iso, cab, lzh...)
or a winmail.dat file. Without -C it goes into a folder named after FILE in a
new private folder in the temporary folder, as on the Archives page; the
destination is printed.

  -C DIR               write the entries into DIR exactly as the archive names
                       them; DIR is made when its parent exists, and a link to
                       a folder is followed
  --password-file F    the password is the first line of F
  --password-stdin     the password is the first line of standard input
                       Without either it is asked for on the terminal, if there
                       is one (three times at most); only an archive that needs
                       one asks.
  --encoding NAME      decode names that are not UTF-8 with NAME, an ICU
                       converter name or alias (Shift_JIS, GBK, windows-1252...);
                       &quot;auto&quot; lets the detector decide; &quot;list&quot; prints the common
                       ones.
                       Default: the application&apos;s setting
  --list               write nothing; print the type, size and path of each entry
                       (size ? when the archive does not say)
  --json               print the result as a JSON object (on failure too, with
                       its &quot;error&quot;); nothing else goes to standard output
  --help               show this text
  -V, --version        show the version

Entries that would land outside the destination (absolute paths, &quot;..&quot;, links
leading out, special files) are skipped and reported; control characters in
names are shown escaped (\n, \x1b, \\). A file is written under a hidden
name and gets its own only once complete. An extraction that fails leaves no
folder of its own behind. Exit status: 0 done; 1 the file is missing, damaged,
cut short or in a format not read, the password is wrong or missing, TMPDIR
is not usable, or the disk ran short; 2 a usage error; 130 Ctrl-C.
</source>
        <translation>使用法: sweepwright-cli extract FILE [-C DIR] [オプション]
アーカイブ (zip、7z、rar、tar とその圧縮形式、iso、cab、lzh など) または winmail.dat
ファイルを展開します。-C を指定しない場合は、一時フォルダー内に新しく作成する専用の
フォルダーの中に、FILE の名前を付けたフォルダーを作って展開します (アーカイブのページと
同じ)。展開先を出力します。

  -C DIR               エントリーをアーカイブ内の名前どおりに DIR に書き出します。
                       DIR は親フォルダーが存在すれば作成し、フォルダーへのリンク
                       はたどります
  --password-file F    F の 1 行目をパスワードとして使用します
  --password-stdin     標準入力の 1 行目をパスワードとして使用します
                       どちらも指定しない場合は、端末があれば端末で入力を求めます
                       (最大 3 回)。入力を求めるのは、パスワードが必要なアーカイブ
                       の場合だけです。
  --encoding NAME      UTF-8 でない名前を NAME でデコードします。NAME は ICU の
                       コンバーター名または別名です (Shift_JIS、GBK、windows-1252 など)。
                       &quot;auto&quot; は自動検出に任せます。&quot;list&quot; はよく使われるものを表示
                       します。
                       既定: アプリケーションの設定
  --list               何も書き出さず、各エントリーの種類、サイズ、パスを表示します
                       (アーカイブにサイズの情報がない場合は ?)
  --json               結果を JSON オブジェクトとして出力します (失敗時も &quot;error&quot; を
                       付けて出力)。標準出力にはほかに何も出力しません
  --help               このテキストを表示します
  -V, --version        バージョンを表示します

展開先の外に書き出されることになるエントリー (絶対パス、&quot;..&quot;、外部を指すリンク、
特殊ファイル) はスキップして報告します。名前に含まれる制御文字はエスケープして
表示します (\n、\x1b、\\)。ファイルは隠しファイルの名前で書き込み、完了してから
本来の名前を付けます。展開に失敗した場合、展開用に作成したフォルダーは残しません。
終了ステータス: 0 は完了。1 はファイルが存在しない、破損している、途中で切れている、
読み込めない形式である、パスワードが違うか指定されていない、TMPDIR が使用できない、
またはディスクの容量が足りない場合。2 は使い方の誤り。130 は Ctrl-C。
</translation>
    </message>
    <message>
        <source>%1 needs a folder</source>
        <translation>%1 にはフォルダーが必要です</translation>
    </message>
    <message>
        <source>%1 needs a file</source>
        <translation>%1 にはファイルが必要です</translation>
    </message>
    <message>
        <source>%1 needs an encoding name</source>
        <translation>%1 にはエンコーディング名が必要です</translation>
    </message>
    <message>
        <source>unknown encoding &quot;%1&quot; (--encoding list prints the names)</source>
        <translation>不明なエンコーディング「%1」(--encoding list で名前を表示できます)</translation>
    </message>
    <message>
        <source>--password-file and --password-stdin exclude each other</source>
        <translation>--password-file と --password-stdin は同時に指定できません</translation>
    </message>
    <message>
        <source>-C: %1 is a link that leads nowhere</source>
        <translation>-C: %1 はリンク先が存在しないリンクです</translation>
    </message>
    <message>
        <source>-C: the folder %1 does not exist</source>
        <translation>-C: フォルダー %1 が存在しません</translation>
    </message>
    <message>
        <source>-C: cannot make the folder %1</source>
        <translation>-C: フォルダー %1 を作成できません</translation>
    </message>
    <message>
        <source>-C: %1 is not a folder</source>
        <translation>-C: %1 はフォルダーではありません</translation>
    </message>
    <message>
        <source>not a file</source>
        <translation>ファイルではありません</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>キャンセルされました</translation>
    </message>
    <message>
        <source>what was written stays in %1</source>
        <translation>書き出したものは %1 に残っています</translation>
    </message>
    <message>
        <source>Listing</source>
        <translation>一覧を取得中</translation>
    </message>
    <message>
        <source>Extracting</source>
        <translation>展開中</translation>
    </message>
    <message>
        <source>Password for %1: </source>
        <translation>%1 のパスワード: </translation>
    </message>
    <message>
        <source>Password required</source>
        <translation>パスワードが必要です</translation>
    </message>
    <message>
        <source>This archive format is not supported</source>
        <translation>このアーカイブ形式には対応していません</translation>
    </message>
    <message>
        <source>the file could not be extracted</source>
        <translation>ファイルを展開できませんでした</translation>
    </message>
</context>
<context>
    <name>ExtractReport</name>
    <message numerus="yes">
        <source>%n item(s) written before the error stay in %1</source>
        <translation>
            <numerusform>エラーの前に書き出された %n 個の項目は %1 に残っています</numerusform>
        </translation>
    </message>
    <message>
        <source>dir</source>
        <comment>an archive entry that is a folder</comment>
        <translation>フォルダー</translation>
    </message>
    <message>
        <source>link</source>
        <comment>an archive entry that is a symbolic link</comment>
        <translation>リンク</translation>
    </message>
    <message>
        <source>file</source>
        <comment>an archive entry that is a file</comment>
        <translation>ファイル</translation>
    </message>
    <message>
        <source>special file</source>
        <translation>特殊ファイル</translation>
    </message>
    <message>
        <source>skipped %1: %2</source>
        <translation>%1 をスキップしました: %2</translation>
    </message>
</context>
<context>
    <name>ExtractToStatus</name>
    <message>
        <source>Open Folder</source>
        <translation>フォルダーを開く</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Extracting to %1…</source>
        <translation>%1 に展開しています…</translation>
    </message>
    <message>
        <source>Extracting to %1… %2%</source>
        <translation>%1 に展開しています… %2%</translation>
    </message>
    <message>
        <source>Extracted to %1</source>
        <translation>%1 に展開しました</translation>
    </message>
    <message numerus="yes">
        <source>Extracted to %1; %n item(s) left out</source>
        <translation>
            <numerusform>%1 に展開しました (%n 個の項目は除外しました)</numerusform>
        </translation>
    </message>
    <message>
        <source>Extraction to %1 stopped</source>
        <translation>%1 への展開を中止しました</translation>
    </message>
    <message>
        <source>Could not extract to %1: %2</source>
        <translation>%1 に展開できませんでした: %2</translation>
    </message>
</context>
<context>
    <name>FileTreeModel</name>
    <message>
        <source>Directory</source>
        <translation>フォルダー</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>種類</translation>
    </message>
    <message>
        <source>Created</source>
        <translation>作成日時</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>サイズ</translation>
    </message>
</context>
<context>
    <name>FinderCommand</name>
    <message>
        <source>%1: no such folder</source>
        <translation>%1: フォルダーが存在しません</translation>
    </message>
    <message>
        <source>%1: not a folder</source>
        <translation>%1: フォルダーではありません</translation>
    </message>
    <message>
        <source>%1: cannot be read</source>
        <translation>%1: 読み込めません</translation>
    </message>
    <message>
        <source>Default folders in the %1 layout: %2
</source>
        <translation>フォルダー構成 %1 の既定のフォルダー: %2
</translation>
    </message>
</context>
<context>
    <name>FolderTree</name>
    <message>
        <source>changed while it was being removed</source>
        <translation>削除中に変更されました</translation>
    </message>
    <message>
        <source>stopped before the end; the rest stays</source>
        <translation>途中で中止しました。残りはそのままです</translation>
    </message>
    <message>
        <source>another file system is mounted here; left alone</source>
        <translation>ここに別のファイルシステムがマウントされています。処理しませんでした</translation>
    </message>
    <message>
        <source>a folder was moved while it was being walked; stopped</source>
        <translation>走査中にフォルダーが移動されました。中止しました</translation>
    </message>
    <message>
        <source>%1; it is left as %2</source>
        <translation>%1。%2 という名前で残っています</translation>
    </message>
</context>
<context>
    <name>FolderZip</name>
    <message>
        <source>Cannot write the zip file</source>
        <translation>zip ファイルを書き込めません</translation>
    </message>
    <message>
        <source>Not a folder: %1</source>
        <translation>フォルダーではありません: %1</translation>
    </message>
</context>
<context>
    <name>GeneralPrefViewController</name>
    <message>
        <source>Start Sweepwright when you log in</source>
        <translation>ログイン時に Sweepwright を起動する</translation>
    </message>
    <message>
        <source>Release memory automatically when its use exceeds</source>
        <translation>メモリ使用率が次の値を超えたら自動的に解放する</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1%</translation>
    </message>
    <message>
        <source>Memory use is checked every 30 seconds while Sweepwright runs.</source>
        <translation>Sweepwright の実行中は、メモリ使用率を 30 秒ごとに確認します。</translation>
    </message>
    <message>
        <source>General</source>
        <translation>一般</translation>
    </message>
    <message>
        <source>Remember file digests between duplicate scans</source>
        <translation>重複スキャンの間でファイルのダイジェストを記憶する</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>消去</translation>
    </message>
    <message>
        <source>Unchanged files are not read again; copies are still compared byte by byte before they go.</source>
        <translation>変更されていないファイルは再度読み込みません。コピーは削除する前に必ずバイト単位で比較します。</translation>
    </message>
    <message>
        <source>Clear the remembered digests</source>
        <translation>記憶したダイジェストを消去</translation>
    </message>
    <message>
        <source>The remembered digests are cleared.</source>
        <translation>記憶したダイジェストを消去しました。</translation>
    </message>
    <message>
        <source>Could not clear %1.</source>
        <translation>%1 を消去できませんでした。</translation>
    </message>
</context>
<context>
    <name>GhostscriptRun</name>
    <message>
        <source>Ghostscript cannot be given a password with a backslash before a quote or at its end</source>
        <translation>引用符の直前または末尾にバックスラッシュを含むパスワードは Ghostscript に渡せません</translation>
    </message>
    <message>
        <source>the password could not be handed to Ghostscript</source>
        <translation>パスワードを Ghostscript に渡せませんでした</translation>
    </message>
    <message>
        <source>Ghostscript (gs) is not installed</source>
        <translation>Ghostscript (gs) がインストールされていません</translation>
    </message>
    <message>
        <source>Ghostscript could not be started: %1</source>
        <translation>Ghostscript を起動できませんでした: %1</translation>
    </message>
    <message numerus="yes">
        <source>Ghostscript finished no page for %n second(s)</source>
        <translation>
            <numerusform>Ghostscript が %n 秒間 1 ページも処理を完了しませんでした</numerusform>
        </translation>
    </message>
    <message>
        <source>Ghostscript was stopped</source>
        <translation>Ghostscript が停止されました</translation>
    </message>
    <message>
        <source>Ghostscript reached its memory limit of %1</source>
        <translation>Ghostscript がメモリの上限 (%1) に達しました</translation>
    </message>
    <message>
        <source>Ghostscript stopped unexpectedly (it crashed or was killed)</source>
        <translation>Ghostscript が予期せず停止しました (クラッシュしたか、強制終了されました)</translation>
    </message>
    <message>
        <source>Ghostscript ended with status %1</source>
        <translation>Ghostscript がステータス %1 で終了しました</translation>
    </message>
    <message>
        <source>Ghostscript ended with status %1: %2</source>
        <translation>Ghostscript がステータス %1 で終了しました: %2</translation>
    </message>
</context>
<context>
    <name>HelperProgram</name>
    <message>
        <source>this command&apos;s program %1 is missing (looked for %2 and %3)</source>
        <translation>このコマンドのプログラム %1 が見つかりません (%2 と %3 を探しました)</translation>
    </message>
    <message>
        <source>this command&apos;s program %1 is missing</source>
        <translation>このコマンドのプログラム %1 が見つかりません</translation>
    </message>
    <message>
        <source>cannot run %1: %2</source>
        <translation>%1 を実行できません: %2</translation>
    </message>
</context>
<context>
    <name>HistoryCommand</name>
    <message>
        <source>Usage: sweepwright-cli history [--home H] [--json]
       sweepwright-cli history --put-back ID [--yes | --dry-run] [--json]
Lists what every tool removed, in the window and here, newest first: each run
with its id, time, tool and what became of its items (moved to the Trash,
deleted for good, not done). The record is kept in
$XDG_STATE_HOME/sweepwright/history.jsonl for a year, at most 10 MB.
--put-back ID puts what that run moved to the Trash back where it was; an
item is never put over something that is there now, and what cannot come
back is named with the reason. Items deleted for good cannot come back.

  --json          print one JSON object instead of text
  --put-back ID   put back the items run ID moved to the Trash
  --yes           put back without asking
  --dry-run       show what would be put back, touching nothing
  --help          show this text
  -V, --version   show the version
</source>
        <translation>使用法: sweepwright-cli history [--home H] [--json]
        sweepwright-cli history --put-back ID [--yes | --dry-run] [--json]
各ツールが（ウィンドウとここで）削除したものを新しい順に一覧表示します。
実行ごとに ID、日時、ツール、項目がどうなったか（ゴミ箱に移動、完全に削除、
未完了）を示します。記録は $XDG_STATE_HOME/sweepwright/history.jsonl に
1 年間、最大 10 MB まで保存されます。
--put-back ID はその実行でゴミ箱に移動した項目を元の場所に戻します。現在そこ
にあるものを上書きすることはなく、戻せなかったものは理由とともに示します。
完全に削除した項目は戻せません。

  --json          テキストの代わりに JSON オブジェクトを出力する
  --put-back ID   実行 ID でゴミ箱に移動した項目を元に戻す
  --yes           確認せずに元に戻す
  --dry-run       元に戻す内容を表示するだけで、何も変更しない
  --help          このテキストを表示する
  -V, --version   バージョンを表示する
</translation>
    </message>
    <message>
        <source>%1 needs the id of a run</source>
        <translation>%1 には実行の ID が必要です</translation>
    </message>
    <message>
        <source>--yes and --dry-run go with --put-back</source>
        <translation>--yes と --dry-run は --put-back と一緒に使います</translation>
    </message>
    <message>
        <source>Nothing has been removed yet.</source>
        <translation>まだ何も削除していません。</translation>
    </message>
    <message>
        <source>(of %1)</source>
        <translation>（%1 の取り消し）</translation>
    </message>
    <message>
        <source>no run &quot;%1&quot; in the history (see sweepwright-cli history)</source>
        <translation>履歴に実行「%1」はありません（sweepwright-cli history を参照）</translation>
    </message>
    <message>
        <source>run %1 moved nothing to the Trash: nothing to put back</source>
        <translation>実行 %1 はゴミ箱に何も移動していません: 元に戻すものはありません</translation>
    </message>
    <message numerus="yes">
        <source>Put back %n item(s) (%1)?</source>
        <translation>
            <numerusform>%n 個の項目（%1）を元に戻しますか?</numerusform>
        </translation>
    </message>
    <message>
        <source>could not record the put back: %1</source>
        <translation>元に戻した記録を書き込めませんでした: %1</translation>
    </message>
    <message>
        <source>Would put back: %1</source>
        <translation>元に戻す予定: %1</translation>
    </message>
    <message>
        <source>Deleted for good, cannot be put back: %1</source>
        <translation>完全に削除済みのため元に戻せません: %1</translation>
    </message>
    <message>
        <source>Put back: %1</source>
        <translation>元に戻しました: %1</translation>
    </message>
    <message>
        <source>Could not put back %1: %2</source>
        <translation>%1 を元に戻せませんでした: %2</translation>
    </message>
</context>
<context>
    <name>HistoryWording</name>
    <message>
        <source>Put Back</source>
        <translation>元に戻す</translation>
    </message>
    <message>
        <source>Moved to the Trash</source>
        <translation>ゴミ箱に移動</translation>
    </message>
    <message>
        <source>Deleted for good</source>
        <translation>完全に削除</translation>
    </message>
    <message>
        <source>Replaced with a link</source>
        <translation>リンクに置き換え</translation>
    </message>
    <message>
        <source>Not done: %1</source>
        <translation>未完了: %1</translation>
    </message>
    <message>
        <source>Refused: %1</source>
        <translation>拒否: %1</translation>
    </message>
    <message>
        <source>Put back</source>
        <translation>元に戻しました</translation>
    </message>
    <message>
        <source>%1 put back</source>
        <translation>%1 個を元に戻しました</translation>
    </message>
    <message>
        <source>%1 to the Trash</source>
        <translation>%1 個をゴミ箱へ</translation>
    </message>
    <message>
        <source>%1 deleted for good</source>
        <translation>%1 個を完全に削除</translation>
    </message>
    <message>
        <source>%1 replaced with links</source>
        <translation>%1 個をリンクに置き換え</translation>
    </message>
    <message>
        <source>%1 not done</source>
        <translation>%1 個が未完了</translation>
    </message>
    <message>
        <source>%1 refused</source>
        <translation>%1 個を拒否</translation>
    </message>
    <message>
        <source>Nothing was removed</source>
        <translation>何も削除していません</translation>
    </message>
    <message numerus="yes">
        <source>%n item(s): %1</source>
        <translation>
            <numerusform>%n 個の項目: %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>InputPaths</name>
    <message>
        <source>standard input (-) names no path</source>
        <translation>標準入力 (-) にパスが 1 つも含まれていません</translation>
    </message>
    <message>
        <source>cannot read standard input (-): %1</source>
        <translation>標準入力 (-) を読み込めません: %1</translation>
    </message>
    <message>
        <source>standard input (-) holds more than %1 MiB of paths</source>
        <translation>標準入力 (-) のパスが %1 MiB を超えています</translation>
    </message>
</context>
<context>
    <name>InstalledApp</name>
    <message>
        <source>application bundle</source>
        <translation>アプリケーションバンドル</translation>
    </message>
    <message>
        <source>AppImage</source>
        <translation>AppImage</translation>
    </message>
    <message>
        <source>application in the home</source>
        <translation>ホームフォルダー内のアプリケーション</translation>
    </message>
    <message>
        <source>Flatpak</source>
        <translation>Flatpak</translation>
    </message>
    <message>
        <source>Debian package</source>
        <translation>Debian パッケージ</translation>
    </message>
</context>
<context>
    <name>ItemCopy</name>
    <message>
        <source>Special file, not copied</source>
        <translation>特殊ファイルのため、コピーしませんでした</translation>
    </message>
    <message>
        <source>The copy would replace the original</source>
        <translation>コピーがオリジナルを置き換えてしまいます</translation>
    </message>
    <message>
        <source>A folder cannot be copied into itself</source>
        <translation>フォルダーをそれ自身の中にコピーすることはできません</translation>
    </message>
</context>
<context>
    <name>ItemMailer</name>
    <message>
        <source>Mail</source>
        <translation>メール</translation>
    </message>
    <message>
        <source>The attachment will not be protected</source>
        <translation>添付ファイルは保護されません</translation>
    </message>
    <message>
        <source>These files come from an archive protected by a password. Attached as they are, anyone who gets the message can read them. Attach the archive instead to keep them protected: whoever gets it needs the password.</source>
        <translation>これらのファイルは、パスワードで保護されたアーカイブから取り出したものです。このまま添付すると、メッセージを受け取った人は誰でも読めてしまいます。保護したままにするには、代わりにアーカイブを添付してください。受け取った人が開くにはパスワードが必要になります。</translation>
    </message>
    <message>
        <source>Attach the Archive</source>
        <translation>アーカイブを添付</translation>
    </message>
    <message>
        <source>Attach Unprotected</source>
        <translation>保護せずに添付</translation>
    </message>
    <message>
        <source>The folder could not be packed for mail.</source>
        <translation>メールに添付するためにフォルダーをまとめることができませんでした。</translation>
    </message>
    <message>
        <source>The file could not be copied for mail.</source>
        <translation>メールに添付するためにファイルをコピーできませんでした。</translation>
    </message>
    <message>
        <source>No mail program could be started.</source>
        <translation>メールプログラムを起動できませんでした。</translation>
    </message>
    <message>
        <source>Install xdg-utils and set up a mail program, or attach the file yourself: %1</source>
        <translation>xdg-utils をインストールしてメールプログラムを設定するか、ファイルを手動で添付してください: %1</translation>
    </message>
</context>
<context>
    <name>JunkCommand</name>
    <message>
        <source>no category %1 in the %2 layout</source>
        <translation>フォルダー構成 %2 にカテゴリー %1 はありません</translation>
    </message>
    <message>
        <source>Skipped, needs administrator rights (use --admin): %1</source>
        <translation>管理者権限が必要なためスキップしました (--admin を使用してください): %1</translation>
    </message>
    <message>
        <source>no profile &quot;%1&quot; (there is &quot;scheduled&quot;)</source>
        <translation>プロファイル「%1」はありません（あるのは「scheduled」です）</translation>
    </message>
    <message>
        <source>--profile takes its categories from the settings; it cannot go with %1</source>
        <translation>--profile はカテゴリを設定から読み込むため、%1 と一緒には使えません</translation>
    </message>
</context>
<context>
    <name>JunkHelp</name>
    <message>
        <source>empties the folders in ~/Library/Caches, ~/Library/Logs, the Caches and Logs of each app
container and the per-user cache folder; removes the files there</source>
        <translation>~/Library/Caches、~/Library/Logs、各アプリコンテナーの Caches と Logs、ユーザーごとの
キャッシュフォルダー内のフォルダーを空にし、そこにあるファイルを削除します</translation>
    </message>
    <message>
        <source>entries of ~/Library/Preferences, /Library/LaunchAgents, ~/Library/Saved Application
State, ~/Library/Parallels and ~/.cleverfiles that belong to no installed application</source>
        <translation>~/Library/Preferences、/Library/LaunchAgents、~/Library/Saved Application State、
~/Library/Parallels、~/.cleverfiles 内の、インストール済みのアプリに属さないエントリー</translation>
    </message>
    <message>
        <source>empties the folders and removes the files in /Library/Caches and /System/Library/Caches</source>
        <translation>/Library/Caches と /System/Library/Caches 内のフォルダーを空にし、ファイルを削除します</translation>
    </message>
    <message>
        <source>empties the folders and removes the files in /Library/Logs and /var/log/asl</source>
        <translation>/Library/Logs と /var/log/asl 内のフォルダーを空にし、ファイルを削除します</translation>
    </message>
    <message>
        <source>Mail Downloads, and image and text attachments below ~/Library/Mail</source>
        <translation>Mail Downloads と、~/Library/Mail 以下にある画像とテキストの添付ファイル</translation>
    </message>
    <message>
        <source>iOS software updates (*.ipsw in ~/Library/iTunes/iPhone and iPad Software Updates) and
iOS apps (*.ipa in ~/Music/iTunes/iTunes Media/Mobile Applications)</source>
        <translation>iOS ソフトウェアアップデート (~/Library/iTunes/iPhone and iPad Software Updates の *.ipsw) と
iOS アプリ (~/Music/iTunes/iTunes Media/Mobile Applications の *.ipa)</translation>
    </message>
    <message>
        <source>the device backups in ~/Library/Application Support/MobileSync/Backup</source>
        <translation>~/Library/Application Support/MobileSync/Backup 内のデバイスのバックアップ</translation>
    </message>
    <message>
        <source>the *.ipsw files that category 9 removes too</source>
        <translation>カテゴリー 9 でも削除される *.ipsw ファイル</translation>
    </message>
    <message>
        <source>everything in ~/.Trash</source>
        <translation>~/.Trash 内のすべて</translation>
    </message>
    <message>
        <source>everything in ~/Downloads</source>
        <translation>~/Downloads 内のすべて</translation>
    </message>
    <message>
        <source>empties the folders in ~/Library/Developer/Xcode/DerivedData</source>
        <translation>~/Library/Developer/Xcode/DerivedData 内のフォルダーを空にします</translation>
    </message>
    <message>
        <source>empties Safari&apos;s and Chrome&apos;s history, cache, cookie and local-storage folders</source>
        <translation>Safari と Chrome の履歴、キャッシュ、Cookie、ローカルストレージのフォルダーを空にします</translation>
    </message>
    <message>
        <source>empties the folders in the cache folder (~/.cache or XDG_CACHE_HOME) and in each Flatpak
app&apos;s ~/.var/app/ID/cache; removes the files there</source>
        <translation>キャッシュフォルダー (~/.cache または XDG_CACHE_HOME) と各 Flatpak アプリの
~/.var/app/ID/cache 内のフォルダーを空にし、そこにあるファイルを削除します</translation>
    </message>
    <message>
        <source>desktop and autostart entries whose program is gone, and ~/.var/app data of Flatpak
apps installed nowhere</source>
        <translation>プログラムがなくなったデスクトップエントリーと自動起動エントリー、およびどこにも
インストールされていない Flatpak アプリの ~/.var/app のデータ</translation>
    </message>
    <message>
        <source>empties the folders and removes the files in /var/cache (debconf&apos;s excepted); what only
root may remove is left unless --admin is given</source>
        <translation>/var/cache (debconf のものを除く) 内のフォルダーを空にし、ファイルを削除します。root のみが
削除できるものは、--admin を指定しない限り残します</translation>
    </message>
    <message>
        <source>empties the folders and removes the files in /var/log; what only root may remove is left
unless --admin is given</source>
        <translation>/var/log 内のフォルダーを空にし、ファイルを削除します。root のみが削除できるものは、
--admin を指定しない限り残します</translation>
    </message>
    <message>
        <source>what mail and browser programs left in /tmp/mozilla_USER0 (only when it is your own folder)</source>
        <translation>メールやブラウザーが /tmp/mozilla_USER0 に残したもの (ユーザー自身のフォルダーの場合のみ)</translation>
    </message>
    <message>
        <source>everything in the Trash, and info files whose item is gone</source>
        <translation>ゴミ箱内のすべてと、対応する項目がなくなった info ファイル</translation>
    </message>
    <message>
        <source>everything in the Downloads folder (XDG_DOWNLOAD_DIR)</source>
        <translation>ダウンロードフォルダー (XDG_DOWNLOAD_DIR) 内のすべて</translation>
    </message>
    <message>
        <source>empties the npm, Gradle, Cargo and Go package caches</source>
        <translation>npm、Gradle、Cargo、Go のパッケージキャッシュを空にします</translation>
    </message>
    <message>
        <source>empties Firefox&apos;s cache2 folders; removes Chrome&apos;s and Chromium&apos;s History, Cookies and
Local Storage of the Default profile</source>
        <translation>Firefox の cache2 フォルダーを空にし、Chrome と Chromium の Default プロファイルの History、
Cookies、Local Storage を削除します</translation>
    </message>
    <message>
        <source>Usage: sweepwright-cli junk [--layout L] [--root R] [--home H] [--json] [--category ID]... [--all]
                            [--clean [--yes | --dry-run] [--admin]]
Scans the junk categories and lists what they found. With --clean it then removes what is
marked: the items of the categories scanned, except those of the categories that start
unmarked (marked &quot;unmarked&quot; below; they are taken when named with --category), a browser&apos;s
history and cookies, and what only an administrator may remove (taken with --admin).
It asks first on a terminal; elsewhere it needs --yes,
and without it prints the plan, removes nothing and exits 2. It reports what was removed
and what could not be (with the reason) and exits 1 when anything could not be removed.
Ctrl-C stops the scan, or the removal after the current item (exit status 130).
Nothing is written to the settings; login items are not touched.

  --json         print one JSON object instead of a table
  --clean        remove the marked items after the scan
  --yes          remove without asking
  --dry-run      show what --clean would remove, and remove nothing
  --admin        also remove what only an administrator may, with one password prompt
  --category ID  scan this category (repeatable) instead of the default ones
  --all          scan every category of the layout
  --help         show this text
  -V, --version  show the version
</source>
        <translation>使用法: sweepwright-cli junk [--layout L] [--root R] [--home H] [--json] [--category ID]... [--all]
                             [--clean [--yes | --dry-run] [--admin]]
不要ファイルのカテゴリーをスキャンし、見つかったものを一覧表示します。--clean を指定すると、
続けてチェックされたものを削除します。スキャンしたカテゴリーの項目が対象ですが、最初は
チェックなしのカテゴリー (下の一覧の「(チェックなし)」。--category で指定すれば対象)、
ブラウザーの閲覧履歴と Cookie、管理者のみが削除できるもの (--admin で対象) は除きます。
端末ではまず確認します。端末以外では --yes が必要で、
指定しない場合は実行予定を表示し、何も削除せずに 2 で終了します。削除したものと
削除できなかったもの (理由付き) を報告し、削除できなかったものがあれば 1 で終了します。
Ctrl-C でスキャンを中止します。削除中は現在の項目の後で中止します (終了ステータス 130)。
設定には何も書き込みません。ログイン項目には手を付けません。

  --json         表の代わりに JSON オブジェクトを 1 つ出力します
  --clean        スキャン後、チェックされた項目を削除します
  --yes          確認せずに削除します
  --dry-run      --clean で削除されるものを表示し、何も削除しません
  --admin        管理者のみが削除できるものも、1 回のパスワード入力で削除します
  --category ID  既定のカテゴリーの代わりに、このカテゴリーをスキャンします (複数指定可)
  --all          フォルダー構成のすべてのカテゴリーをスキャンします
  --help         このテキストを表示します
  -V, --version  バージョンを表示します
</translation>
    </message>
    <message>
        <source>Categories of the %1 layout (* scanned by default) and what --clean removes:</source>
        <translation>フォルダー構成 %1 のカテゴリー (* は既定でスキャン) と --clean で削除されるもの:</translation>
    </message>
    <message>
        <source>(unmarked)</source>
        <translation>(チェックなし)</translation>
    </message>
    <message>
        <source>  --profile scheduled
                 the run of the cleaning schedule (sweepwright-cli schedule): clean the
                 categories chosen for it in the preferences, leave what needs a password
                 and say what went in a desktop notification
</source>
        <translation>  --profile scheduled
                 スケジュールによる実行（sweepwright-cli schedule）: 設定で選んだカテゴリを
                 クリーンアップし、パスワードが必要なものは残し、削除した内容をデスクトップ通知で
                 知らせます
</translation>
    </message>
</context>
<context>
    <name>JunkReport</name>
    <message numerus="yes">
        <source>Found %1 in %n item(s); %2 marked for removal.
</source>
        <translation>
            <numerusform>%n 個の項目 (%1) が見つかりました。削除の対象は %2 です。
</numerusform>
        </translation>
    </message>
    <message>
        <source>nothing found</source>
        <translation>見つかりません</translation>
    </message>
    <message>
        <source>all marked</source>
        <translation>すべてチェック</translation>
    </message>
    <message>
        <source>some marked</source>
        <translation>一部チェック</translation>
    </message>
    <message>
        <source>none marked</source>
        <translation>チェックなし</translation>
    </message>
    <message>
        <source>(needs administrator rights)</source>
        <translation>(管理者権限が必要)</translation>
    </message>
    <message>
        <source>No junk category is enabled.</source>
        <translation>有効な不要ファイルのカテゴリーはありません。</translation>
    </message>
    <message numerus="yes">
        <source>only items older than %n day(s)</source>
        <translation>
            <numerusform>%n 日より古い項目のみ</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>KeepList</name>
    <message>
        <source>it holds items that match your Never touch list</source>
        <translation>「触らない」リストに一致する項目を含んでいます</translation>
    </message>
    <message>
        <source>it matches %1 on your Never touch list</source>
        <translation>「触らない」リストの %1 に一致します</translation>
    </message>
    <message>
        <source>it lies in %1, which matches %2 on your Never touch list</source>
        <translation>%1 の中にあります。これは「触らない」リストの %2 に一致します</translation>
    </message>
</context>
<context>
    <name>KeepPathOption</name>
    <message>
        <source>%1 needs a path</source>
        <translation>%1 にはパスが必要です</translation>
    </message>
    <message>
        <source>  --keep-path PATH  leave PATH (and what lies in it) alone in this run, as the Never
                    touch list of the settings does; repeatable
</source>
        <translation>  --keep-path PATH  この実行では PATH（とその中身）に触れません。設定の「触らない」
                    リストと同じ働きです。繰り返し指定できます
</translation>
    </message>
</context>
<context>
    <name>KeepPrefViewController</name>
    <message>
        <source>Add &amp;Folder…</source>
        <translation>フォルダーを追加(&amp;F)…</translation>
    </message>
    <message>
        <source>Add a folder to keep</source>
        <translation>触らないフォルダーを追加</translation>
    </message>
    <message>
        <source>Add F&amp;ile…</source>
        <translation>ファイルを追加(&amp;I)…</translation>
    </message>
    <message>
        <source>Add a file to keep</source>
        <translation>触らないファイルを追加</translation>
    </message>
    <message>
        <source>Add &amp;Pattern</source>
        <translation>パターンを追加(&amp;P)</translation>
    </message>
    <message>
        <source>Add the pattern to keep</source>
        <translation>触らないパターンを追加</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>削除(&amp;R)</translation>
    </message>
    <message>
        <source>Remove the chosen entries</source>
        <translation>選んだ項目をリストから削除</translation>
    </message>
    <message>
        <source>Never touch list</source>
        <translation>「触らない」リスト</translation>
    </message>
    <message>
        <source>Pattern to keep</source>
        <translation>触らないパターン</translation>
    </message>
    <message>
        <source>A pattern, such as ~/Downloads/*.iso</source>
        <translation>パターン（例: ~/Downloads/*.iso）</translation>
    </message>
    <message>
        <source>No tool lists, removes or shreds these folders and files, what lies in the folders, or what matches the patterns.</source>
        <translation>これらのフォルダーとファイル、フォルダーの中身、パターンに一致するものは、どのツールも一覧に表示せず、削除もシュレッダーにもかけません。</translation>
    </message>
    <message>
        <source>Choose a Folder to Keep</source>
        <translation>触らないフォルダーを選択</translation>
    </message>
    <message>
        <source>Choose Files to Keep</source>
        <translation>触らないファイルを選択</translation>
    </message>
    <message>
        <source>Never Touch</source>
        <translation>触らない</translation>
    </message>
</context>
<context>
    <name>LargeCommand</name>
    <message numerus="yes">
        <source>Found %1 in %n item(s) of %2 or more.
</source>
        <translation>
            <numerusform>%2 以上の項目が %n 個 (合計 %1) 見つかりました。
</numerusform>
        </translation>
    </message>
    <message>
        <source>Usage: sweepwright-cli large [FOLDER...] [--layout L] [--root R] [--home H] [--json]
                             [--trash [--yes | --dry-run]]
Lists the files and packages of 32 MB and more in the folders (default: the layout&apos;s
default folders, below), in five size bands. A FOLDER of &quot;-&quot; reads the folders from
standard input, one a line or separated by NUL bytes. Hidden folders and docsets are
not entered; source, build and database files are left out, and so are the system&apos;s
protected folders, which are named on stderr. With --trash every listed item
is moved to the Trash (restorable from the desktop&apos;s Trash), after a question on a
terminal or with --yes; otherwise the plan is printed and nothing moves (exit status 2).
Ctrl-C stops the scan, or the moving after the current item (exit status 130).

  --json         print one JSON object instead of a table
  --trash        move every listed item to the Trash, then report what was moved
  --yes          move without asking
  --dry-run      show what --trash would move, and move nothing
  --help         show this text
  -V, --version  show the version
</source>
        <translation>使用法: sweepwright-cli large [FOLDER...] [--layout L] [--root R] [--home H] [--json]
                              [--trash [--yes | --dry-run]]
フォルダー内の 32 MB 以上のファイルとパッケージを、5 つのサイズ帯に分けて一覧表示します
(既定: フォルダー構成の既定のフォルダー、下記を参照)。FOLDER に &quot;-&quot; を指定すると、
フォルダーを標準入力から読み込みます (1 行に 1 つ、または NUL バイト区切り)。隠し
フォルダーと docset の中は調べません。ソース、ビルド、データベースのファイルは除外し、
システムの保護されたフォルダーも除外して標準エラー出力に表示します。--trash を指定すると、
一覧のすべての項目をゴミ箱に移動します (デスクトップのゴミ箱から元に戻せます)。端末での
確認後か --yes の指定時に移動し、それ以外は実行予定を表示して何も移動しません (2 で終了)。
Ctrl-C でスキャンを中止します。移動中は現在の項目の後で中止します (終了ステータス 130)。

  --json         表の代わりに JSON オブジェクトを 1 つ出力します
  --trash        一覧のすべての項目をゴミ箱に移動し、移動したものを報告します
  --yes          確認せずに移動します
  --dry-run      --trash で移動されるものを表示し、何も移動しません
  --help         このテキストを表示します
  -V, --version  バージョンを表示します
</translation>
    </message>
</context>
<context>
    <name>LeftOutFolders</name>
    <message>
        <source>left out %1: %2</source>
        <translation>%1 を除外しました: %2</translation>
    </message>
</context>
<context>
    <name>LoginCommand</name>
    <message>
        <source>on</source>
        <comment>starts at login</comment>
        <translation>オン</translation>
    </message>
    <message>
        <source>off</source>
        <comment>does not start at login</comment>
        <translation>オフ</translation>
    </message>
    <message>
        <source>application</source>
        <comment>a login item that is a menu application</comment>
        <translation>アプリケーション</translation>
    </message>
    <message>
        <source>autostart</source>
        <comment>a login item that is an autostart entry</comment>
        <translation>自動起動</translation>
    </message>
    <message>
        <source>(part of the desktop)</source>
        <translation>(デスクトップの一部)</translation>
    </message>
    <message numerus="yes">
        <source>%n item(s) start at login.</source>
        <translation>
            <numerusform>ログイン時に %n 個の項目が起動します。</numerusform>
        </translation>
    </message>
    <message>
        <source>Usage: sweepwright-cli login [--layout L] [--root R] [--home H] [--json] [--all]
                             [--on ID] [--off ID]
Lists what starts when you log in (on), then the autostart entries switched off
(off), each with its description; entries the desktop starts for itself are
marked &quot;part of the desktop&quot; and listed last. --all lists the other menu
applications after them, which --on can add. --on writes the user&apos;s autostart
entry ID.desktop; --off removes the user&apos;s entries of the application, and
hides a system-wide entry with a user entry that says Hidden=true. ID is the
desktop-file id without &quot;.desktop&quot; (the bundle name in the macos layout).

  --json          print one JSON object instead of a list
  --all           list the applications that do not start at login too
  --on ID         switch ID on at login (repeatable)
  --off ID        switch ID off at login (repeatable)
  --help          show this text
  -V, --version   show the version
</source>
        <translation>使用法: sweepwright-cli login [--layout L] [--root R] [--home H] [--json] [--all]
                              [--on ID] [--off ID]
ログイン時に起動するもの (オン) と、続いてオフになっている自動起動エントリー
(オフ) を、それぞれの説明とともに一覧表示します。デスクトップ自身が起動するエントリー
は「デスクトップの一部」と示し、最後に並べます。--all を指定すると、メニューにある
ほかのアプリケーション (--on で追加できるもの) もその後に表示します。--on はユーザーの
自動起動エントリー ID.desktop を書き込みます。--off はそのアプリケーションのユーザー
エントリーを削除し、システム全体のエントリーは Hidden=true のユーザーエントリーで隠します。
ID は &quot;.desktop&quot; を除いた desktop ファイル ID です (macos フォルダー構成ではバンドル名)。

  --json          一覧の代わりに JSON オブジェクトを 1 つ出力します
  --all           ログイン時に起動しないアプリケーションも一覧表示します
  --on ID         ログイン時に ID を起動するようにします (複数指定可)
  --off ID        ログイン時に ID を起動しないようにします (複数指定可)
  --help          このテキストを表示します
  -V, --version   バージョンを表示します
</translation>
    </message>
    <message>
        <source>%1 needs an id</source>
        <translation>%1 には ID が必要です</translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot;</source>
        <translation>予期しない引数「%1」</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is both in --on and --off</source>
        <translation>「%1」が --on と --off の両方に指定されています</translation>
    </message>
    <message>
        <source>no login item &quot;%1&quot; (see the list without --on and --off)</source>
        <translation>ログイン項目「%1」はありません (--on と --off を付けずに実行して一覧を確認してください)</translation>
    </message>
    <message>
        <source>could not switch &quot;%1&quot; on</source>
        <translation>「%1」をオンにできませんでした</translation>
    </message>
    <message>
        <source>could not switch &quot;%1&quot; off</source>
        <translation>「%1」をオフにできませんでした</translation>
    </message>
</context>
<context>
    <name>LoginItemRow</name>
    <message>
        <source>Part of the desktop</source>
        <translation>デスクトップの一部</translation>
    </message>
</context>
<context>
    <name>MASPreferencesWindowController</name>
    <message>
        <source>Panes</source>
        <translation>パネル</translation>
    </message>
</context>
<context>
    <name>MLoginItemsPage</name>
    <message>
        <source>Add an application…</source>
        <translation>アプリケーションを追加…</translation>
    </message>
    <message>
        <source>%1: starts at login</source>
        <translation>%1: ログイン時に起動します</translation>
    </message>
    <message>
        <source>%1: does not start at login</source>
        <translation>%1: ログイン時に起動しません</translation>
    </message>
    <message>
        <source>Switch off “%1”?</source>
        <translation>「%1」をオフにしますか?</translation>
    </message>
    <message>
        <source>It is part of the desktop: the desktop starts it for itself when you log in. Switched off, what it does stops from the next login until you switch it on again.</source>
        <translation>これはデスクトップの一部で、ログイン時にデスクトップ自身が起動します。オフにすると、次回のログインから、再びオンにするまでその機能は停止します。</translation>
    </message>
    <message>
        <source>Switch Off</source>
        <translation>オフにする</translation>
    </message>
    <message>
        <source>No applications start at login</source>
        <translation>ログイン時に起動するアプリケーションはありません</translation>
    </message>
    <message>
        <source>Add an application to start it each time you log in.</source>
        <translation>アプリケーションを追加すると、ログインするたびに起動します。</translation>
    </message>
    <message>
        <source>Switching one off keeps it from starting the next time you log in.</source>
        <translation>オフにすると、次回のログインから起動しなくなります。</translation>
    </message>
    <message numerus="yes">
        <source>%n application(s) start at login</source>
        <translation>
            <numerusform>ログイン時に %n 個のアプリケーションが起動します</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Switching one off keeps it from starting the next time you log in. %n part(s) of the desktop start too; they are listed last.</source>
        <translation>
            <numerusform>オフにすると、次回のログインから起動しなくなります。デスクトップの構成要素も %n 個起動します。一覧の最後に表示しています。</numerusform>
        </translation>
    </message>
    <message>
        <source>Login items</source>
        <translation>ログイン項目</translation>
    </message>
</context>
<context>
    <name>MarkedRemoval</name>
    <message>
        <source>needs administrator rights; skipped</source>
        <translation>管理者権限が必要です。スキップしました</translation>
    </message>
</context>
<context>
    <name>MemoryCommand</name>
    <message>
        <source>Memory (%L1 % in use)</source>
        <translation>メモリ (使用率 %L1%)</translation>
    </message>
    <message>
        <source>Memory (usage unavailable: the figures contradict each other)</source>
        <translation>メモリ (使用率は取得できません: 数値が互いに矛盾しています)</translation>
    </message>
    <message>
        <source>  used        %1
  cached      %2
  buffers     %3
  free        %4
  active      %5
  inactive    %6
  swap used   %7 of %8
  available   %9
  total       %10
Disk of %11
  used        %12
  free        %13
  total       %14
</source>
        <translation>  使用量          %1
  キャッシュ      %2
  バッファー      %3
  空き            %4
  アクティブ      %5
  非アクティブ    %6
  スワップ使用量  %8 中 %7
  利用可能        %9
  合計            %10
%11 のあるディスク
  使用量          %12
  空き            %13
  合計            %14
</translation>
    </message>
    <message>
        <source>Usage: sweepwright-cli memory [--layout L] [--home H] [--json] [--release]
Prints the memory figures (from /proc/meminfo, or SWEEPWRIGHT_PROC/meminfo) and the
used and free space of the volume that holds the Documents folder.
With --release it first releases memory: it touches free and inactive memory 64 MiB
at a time, so the kernel takes back inactive pages and file cache, and stops early
before available memory falls below max(10 %, 512 MiB), when the system starts to
swap or when memory pressure rises. The released amount is the change of free
memory; it is negative when other programs took memory meanwhile.

A release stops after %1 GiB of such work or %2 seconds at the most. Figures that
contradict each other (more free memory than installed) are shown kept to the
installed size, with the usage unavailable (null in JSON), and release nothing.

  --json         print one JSON object (with --release also &quot;releasedMemory&quot;,
                 &quot;touchedMemory&quot; and &quot;releaseEnd&quot;)
  --release      release memory first
  --help         show this text
  -V, --version  show the version
</source>
        <translation>使用法: sweepwright-cli memory [--layout L] [--home H] [--json] [--release]
メモリの数値 (/proc/meminfo または SWEEPWRIGHT_PROC/meminfo から取得) と、ドキュメント
フォルダーのあるボリュームの使用量と空き容量を表示します。
--release を指定すると、まずメモリを解放します。空きメモリと非アクティブなメモリに
64 MiB ずつアクセスし、カーネルに非アクティブなページとファイルキャッシュを回収させます。
利用可能なメモリが max(10 %, 512 MiB) を下回る前、システムがスワップを始めたとき、
またはメモリ圧迫が高まったときは、早めに停止します。解放量は空きメモリの変化量で、
その間にほかのプログラムがメモリを使用した場合は負の値になります。

解放は最大で、この処理 %1 GiB 分または %2 秒で停止します。互いに矛盾する数値
(搭載量より多い空きメモリなど) は搭載量に収めて表示し、使用率は取得できないもの
とし (JSON では null)、メモリは解放しません。

  --json         JSON オブジェクトを 1 つ出力します (--release 指定時は &quot;releasedMemory&quot;、
                 &quot;touchedMemory&quot;、&quot;releaseEnd&quot; も含めます)
  --release      先にメモリを解放します
  --help         このテキストを表示します
  -V, --version  バージョンを表示します
</translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot;</source>
        <translation>予期しない引数「%1」</translation>
    </message>
    <message>
        <source>cannot read the memory figures from %1/meminfo</source>
        <translation>%1/meminfo からメモリの数値を読み込めません</translation>
    </message>
    <message>
        <source>Released Memory: %1 (%2 touched; %3)</source>
        <translation>解放したメモリ: %1 (アクセスした量 %2、%3)</translation>
    </message>
</context>
<context>
    <name>MemoryRelease</name>
    <message>
        <source>done</source>
        <translation>完了</translation>
    </message>
    <message>
        <source>stopped: available memory near its floor</source>
        <translation>中止: 利用可能なメモリが下限に近づきました</translation>
    </message>
    <message>
        <source>stopped: the system began to swap</source>
        <translation>中止: システムがスワップを始めました</translation>
    </message>
    <message>
        <source>stopped: memory pressure</source>
        <translation>中止: メモリ圧迫</translation>
    </message>
    <message>
        <source>stopped: memory figures unreadable</source>
        <translation>中止: メモリの数値を読み込めません</translation>
    </message>
    <message>
        <source>stopped: memory figures inconsistent</source>
        <translation>中止: メモリの数値に矛盾があります</translation>
    </message>
    <message>
        <source>stopped: the most one release may do was done</source>
        <translation>中止: 1 回の解放で行える上限に達しました</translation>
    </message>
</context>
<context>
    <name>ORBigDataCollection</name>
    <message>
        <source>32 MB to 128 MB</source>
        <translation>32 MB～128 MB</translation>
    </message>
    <message>
        <source>Files of 32 MB and more, below 128 MB</source>
        <translation>32 MB 以上 128 MB 未満のファイル</translation>
    </message>
    <message>
        <source>128 MB to 256 MB</source>
        <translation>128 MB～256 MB</translation>
    </message>
    <message>
        <source>Files of 128 MB and more, below 256 MB</source>
        <translation>128 MB 以上 256 MB 未満のファイル</translation>
    </message>
    <message>
        <source>256 MB to 512 MB</source>
        <translation>256 MB～512 MB</translation>
    </message>
    <message>
        <source>Files of 256 MB and more, below 512 MB</source>
        <translation>256 MB 以上 512 MB 未満のファイル</translation>
    </message>
    <message>
        <source>512 MB to 1 GB</source>
        <translation>512 MB～1 GB</translation>
    </message>
    <message>
        <source>Files of 512 MB and more, below 1 GB</source>
        <translation>512 MB 以上 1 GB 未満のファイル</translation>
    </message>
    <message>
        <source>1 GB and more</source>
        <translation>1 GB 以上</translation>
    </message>
    <message>
        <source>Files of 1 GB and more</source>
        <translation>1 GB 以上のファイル</translation>
    </message>
</context>
<context>
    <name>ORBigNoVeiwCter</name>
    <message>
        <source>Large Files</source>
        <translation>大きなファイル</translation>
    </message>
    <message>
        <source>No large files were found in these folders.</source>
        <translation>これらのフォルダーに大きなファイルは見つかりませんでした。</translation>
    </message>
</context>
<context>
    <name>ORBigResultViewCter</name>
    <message numerus="yes">
        <source>%n file(s)</source>
        <translation>
            <numerusform>%n 個のファイル</numerusform>
        </translation>
    </message>
    <message>
        <source>File Sizes</source>
        <translation>ファイルサイズ</translation>
    </message>
</context>
<context>
    <name>ORBigViewCter</name>
    <message>
        <source>Large Files</source>
        <translation>大きなファイル</translation>
    </message>
    <message>
        <source>Find the files of 32 MB and more in these folders and move the ones you no longer need to the Trash.</source>
        <translation>これらのフォルダーから 32 MB 以上のファイルを探し、不要になったものをゴミ箱に移動します。</translation>
    </message>
</context>
<context>
    <name>ORDupDataCollection</name>
    <message>
        <source>In a reference folder: originals are never removed</source>
        <translation>参照フォルダー内のため、オリジナルは削除されません</translation>
    </message>
    <message numerus="yes">
        <source>Modified in the last %n day(s): only older copies go</source>
        <translation>
            <numerusform>最近 %n 日以内に変更されています: 古いコピーだけが削除されます</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ORDupNoViewCter</name>
    <message>
        <source>Duplicates</source>
        <translation>重複ファイル</translation>
    </message>
    <message>
        <source>No duplicates were found in these folders.</source>
        <translation>これらのフォルダーに重複ファイルは見つかりませんでした。</translation>
    </message>
</context>
<context>
    <name>ORDupResultItemObject</name>
    <message>
        <source>No duplicates here</source>
        <translation>重複ファイルはありません</translation>
    </message>
    <message>
        <source>Choose another kind, or search for another name.</source>
        <translation>別の種類を選ぶか、別の名前で検索してください。</translation>
    </message>
    <message numerus="yes">
        <source>%n copies of %1 each; one copy is always kept.</source>
        <translation>
            <numerusform>それぞれ %1 のコピーが %n 個あります。1 個は必ず残します。</numerusform>
        </translation>
    </message>
    <message>
        <source>1 copy of %1 is listed; the others lie in protected places.</source>
        <translation>%1 のコピーを 1 個表示しています。ほかのコピーは保護された場所にあります。</translation>
    </message>
    <message numerus="yes">
        <source>%n item(s), %1 in all; each may go to the Trash.</source>
        <translation>
            <numerusform>%n 項目、合計 %1。どれもゴミ箱に移動できます。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ORDupResultViewCter</name>
    <message>
        <source>Select every copy but one of each group listed, or clear them</source>
        <translation>表示中の各グループで 1 個を除くすべてのコピーを選択するか、選択を解除します</translation>
    </message>
    <message>
        <source>All</source>
        <translation>すべて</translation>
    </message>
    <message>
        <source>List</source>
        <translation>リスト</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>プレビュー</translation>
    </message>
    <message>
        <source>Search by name</source>
        <translation>名前で検索</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>サイズ</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>Copies</source>
        <translation>コピー数</translation>
    </message>
    <message>
        <source>Sort the groups</source>
        <translation>グループを並べ替え</translation>
    </message>
    <message>
        <source>Which copy of each group Select keeps. Best original keeps the copy outside Downloads, the Trash and temporary folders, without a copy mark such as &quot;(1)&quot; in its name, the oldest, in the deepest folder.</source>
        <translation>「選択」で各グループのどのコピーを残すかを決めます。「最適なオリジナル」は、ダウンロード、ゴミ箱、一時フォルダーの外にあり、名前に「(1)」のようなコピーの印がなく、最も古く、最も深いフォルダーにあるコピーを残します。</translation>
    </message>
    <message>
        <source>All duplicates</source>
        <translation>すべての重複ファイル</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n set(s), %2</source>
        <extracomment>The kind listed (&quot;All duplicates&quot;, &quot;Documents&quot;, ...), the number of sets and their size</extracomment>
        <translation>
            <numerusform>%1: %n グループ、%2</numerusform>
        </translation>
    </message>
    <message>
        <source>Each set holds copies of one file. Select keeps one copy of each set.</source>
        <translation>各グループには同じファイルのコピーがまとめられています。「選択」では各グループのコピーを 1 個残します。</translation>
    </message>
    <message>
        <source>Groups of duplicates</source>
        <translation>重複ファイルのグループ</translation>
    </message>
    <message>
        <source>Kind of files</source>
        <translation>ファイルの種類</translation>
    </message>
    <message>
        <source>Show as</source>
        <translation>表示方法</translation>
    </message>
    <message>
        <source>Search the duplicates by name</source>
        <translation>重複ファイルを名前で検索</translation>
    </message>
    <message>
        <source>The copy Select keeps</source>
        <translation>「選択」で残すコピー</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>書き出す…</translation>
    </message>
    <message>
        <source>Export the result</source>
        <translation>結果を書き出す</translation>
    </message>
    <message>
        <source>Save the groups as a CSV table, or as JSON to open again later</source>
        <translation>グループを CSV の表として、またはあとで開けるよう JSON として保存します</translation>
    </message>
    <message numerus="yes">
        <source>Empty and broken: %n item(s), %1</source>
        <translation>
            <numerusform>空と壊れたもの: %n 項目、%1</numerusform>
        </translation>
    </message>
    <message>
        <source>Empty files, folders that hold only empty folders, and links whose target is missing.</source>
        <translation>空のファイル、空のフォルダーだけを含むフォルダー、リンク先がないリンクです。</translation>
    </message>
</context>
<context>
    <name>ORDupViewCter</name>
    <message>
        <source>Duplicates</source>
        <translation>重複ファイル</translation>
    </message>
    <message>
        <source>Quick scan: compare samples only, not whole files</source>
        <translation>クイックスキャン: ファイル全体ではなく一部だけを比較する</translation>
    </message>
    <message>
        <source>Faster, but files that agree only in the parts compared are reported as duplicates too.</source>
        <translation>高速ですが、比較した部分だけが一致するファイルも重複ファイルとして表示されます。</translation>
    </message>
    <message>
        <source>Files of %1 and less are not compared.</source>
        <translation>%1 以下のファイルは比較しません。</translation>
    </message>
    <message numerus="yes">
        <source>Found %n set(s) of duplicates, %1</source>
        <translation>
            <numerusform>重複ファイルのグループが %n 個見つかりました (%1)</numerusform>
        </translation>
    </message>
    <message>
        <source>Empty and broken</source>
        <translation>空と壊れたもの</translation>
    </message>
    <message>
        <source>What to find</source>
        <translation>検索対象</translation>
    </message>
    <message>
        <source>Copies of the same file, or empty files, empty folders and broken links</source>
        <translation>同じファイルのコピー、または空のファイル、空のフォルダー、壊れたリンク</translation>
    </message>
    <message>
        <source>Open a Saved Result…</source>
        <translation>保存済みの結果を開く…</translation>
    </message>
    <message>
        <source>Open a saved result</source>
        <translation>保存済みの結果を開く</translation>
    </message>
    <message>
        <source>Open a result exported as JSON; it is checked against the disk first</source>
        <translation>JSON で書き出した結果を開きます。先にディスクと照合します</translation>
    </message>
    <message>
        <source>Open a Saved Result</source>
        <translation>保存済みの結果を開く</translation>
    </message>
    <message>
        <source>Saved results (*.json)</source>
        <translation>保存済みの結果 (*.json)</translation>
    </message>
    <message numerus="yes">
        <source>%n item(s) of the saved result were left out: they changed since it was saved, or cannot be acted on.</source>
        <translation>
            <numerusform>保存済みの結果のうち %n 項目を除外しました: 保存後に変更されたか、処理できません。</numerusform>
        </translation>
    </message>
    <message>
        <source>Find the files that are stored more than once in these folders and move the extra copies to the Trash or replace them with links.</source>
        <translation>これらのフォルダー内で重複して保存されているファイルを探し、余分なコピーをゴミ箱に移動するか、リンクに置き換えます。</translation>
    </message>
</context>
<context>
    <name>ORExtDataCollection</name>
    <message>
        <source>Extensions</source>
        <translation>拡張機能</translation>
    </message>
    <message>
        <source>Kernel extensions: drivers and system features that applications added.</source>
        <translation>カーネル拡張機能: アプリケーションが追加したドライバーやシステム機能です。</translation>
    </message>
    <message>
        <source>Kernel</source>
        <translation>カーネル</translation>
    </message>
    <message>
        <source>Browser Extensions</source>
        <translation>ブラウザー拡張機能</translation>
    </message>
    <message>
        <source>Add-ons installed in the profiles of your web browsers. A removed extension is gone once the browser has been restarted.</source>
        <translation>Web ブラウザーのプロファイルにインストールされたアドオンです。削除した拡張機能は、ブラウザーを再起動すると消えます。</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>ブラウザー</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>環境設定パネル</translation>
    </message>
    <message>
        <source>Preference panes that applications added to System Preferences.</source>
        <translation>アプリケーションがシステム環境設定に追加した環境設定パネルです。</translation>
    </message>
    <message>
        <source>System Preferences</source>
        <translation>システム環境設定</translation>
    </message>
    <message>
        <source>Desktop Extensions</source>
        <translation>デスクトップ拡張機能</translation>
    </message>
    <message>
        <source>Shell extensions, widgets and applets you added to your desktop. A removed one is gone once the desktop shell has been restarted or you have logged in again.</source>
        <translation>デスクトップに追加したシェル拡張機能、ウィジェット、アプレットです。削除したものは、デスクトップシェルを再起動するか、ログインし直すと消えます。</translation>
    </message>
    <message>
        <source>Desktop</source>
        <translation>デスクトップ</translation>
    </message>
    <message>
        <source>Internet Plug-Ins</source>
        <translation>インターネットプラグイン</translation>
    </message>
    <message>
        <source>Plug-ins that browsers and other programs load to show web content.</source>
        <translation>ブラウザーなどのプログラムが Web コンテンツを表示するために読み込むプラグインです。</translation>
    </message>
    <message>
        <source>Browsers</source>
        <translation>ブラウザー</translation>
    </message>
    <message>
        <source>Browser Plug-Ins</source>
        <translation>ブラウザープラグイン</translation>
    </message>
    <message>
        <source>Plug-in libraries the browsers load from your home folder. A removed plug-in is gone once the browser has been restarted.</source>
        <translation>ブラウザーがホームフォルダーから読み込むプラグインライブラリです。削除したプラグインは、ブラウザーを再起動すると消えます。</translation>
    </message>
    <message>
        <source>Mozilla</source>
        <translation>Mozilla</translation>
    </message>
    <message>
        <source>QuickLook Plug-Ins</source>
        <translation>Quick Look プラグイン</translation>
    </message>
    <message>
        <source>Plug-ins that let Quick Look preview more kinds of files.</source>
        <translation>Quick Look でプレビューできるファイルの種類を増やすプラグインです。</translation>
    </message>
    <message>
        <source>Quick Look</source>
        <translation>Quick Look</translation>
    </message>
    <message>
        <source>Thumbnailers</source>
        <translation>サムネイル生成プログラム</translation>
    </message>
    <message>
        <source>Programs that draw the previews of files in your file manager. Previews drawn already stay until the file manager has been restarted and the thumbnail cache cleaned.</source>
        <translation>ファイルマネージャーでファイルのプレビューを描画するプログラムです。描画済みのプレビューは、ファイルマネージャーを再起動してサムネイルのキャッシュを消去するまで残ります。</translation>
    </message>
    <message>
        <source>File manager</source>
        <translation>ファイルマネージャー</translation>
    </message>
    <message>
        <source>Spotlight Plug-Ins</source>
        <translation>Spotlight プラグイン</translation>
    </message>
    <message>
        <source>Plug-ins that let Spotlight search more kinds of files.</source>
        <translation>Spotlight で検索できるファイルの種類を増やすプラグインです。</translation>
    </message>
    <message>
        <source>Spotlight</source>
        <translation>Spotlight</translation>
    </message>
    <message>
        <source>Search Providers</source>
        <translation>検索プロバイダー</translation>
    </message>
    <message>
        <source>Applications that add their results to the desktop&apos;s search. A removed provider is gone once the desktop shell has been restarted.</source>
        <translation>デスクトップの検索に結果を表示するアプリケーションです。削除したプロバイダーは、デスクトップシェルを再起動すると消えます。</translation>
    </message>
    <message>
        <source>Desktop search</source>
        <translation>デスクトップ検索</translation>
    </message>
</context>
<context>
    <name>ORExtensionResultViewCter</name>
    <message>
        <source>Enabled</source>
        <translation>有効</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>無効</translation>
    </message>
    <message>
        <source>Extensions</source>
        <translation>拡張機能</translation>
    </message>
    <message>
        <source>Nothing of this kind is installed.</source>
        <translation>この種類のものはインストールされていません。</translation>
    </message>
</context>
<context>
    <name>ORExtensionViewCter</name>
    <message>
        <source>Extensions</source>
        <translation>拡張機能</translation>
    </message>
    <message>
        <source>See the add-ons installed in your browsers and your desktop, and remove the ones you no longer use.</source>
        <translation>ブラウザーやデスクトップにインストールされたアドオンを確認し、使わなくなったものを削除します。</translation>
    </message>
</context>
<context>
    <name>ORFileConvertViewCter</name>
    <message>
        <source>Icons</source>
        <translation>アイコン</translation>
    </message>
    <message>
        <source>List</source>
        <translation>リスト</translation>
    </message>
    <message>
        <source>In %1. These files are a temporary copy, removed when you leave this page: save them or extract them to keep them.</source>
        <translation>場所: %1。これらのファイルは一時的なコピーで、このページを離れると削除されます。残すには、保存するか展開してください。</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message numerus="yes">
        <source>%n item(s) could not be saved.</source>
        <translation>
            <numerusform>%n 個の項目を保存できませんでした。</numerusform>
        </translation>
    </message>
    <message>
        <source>Extract To</source>
        <translation>展開先</translation>
    </message>
    <message>
        <source>Extract</source>
        <translation>展開</translation>
    </message>
    <message>
        <source>The folder %1 could not be made</source>
        <translation>フォルダー %1 を作成できませんでした</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 はフォルダーではありません</translation>
    </message>
    <message>
        <source>Show as</source>
        <translation>表示方法</translation>
    </message>
    <message>
        <source>Extracted files</source>
        <translation>展開したファイル</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>戻る(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>保存(&amp;S)…</translation>
    </message>
    <message>
        <source>&amp;Extract to...</source>
        <translation>展開先を指定(&amp;E)…</translation>
    </message>
    <message>
        <source>&amp;Mail</source>
        <translation>メールで送信(&amp;M)</translation>
    </message>
</context>
<context>
    <name>ORFileDataCollection</name>
    <message>
        <source>A winmail file is listed only by decoding it</source>
        <translation>winmail ファイルは、デコードしないと一覧表示できません</translation>
    </message>
    <message>
        <source>Cannot create the folder</source>
        <translation>フォルダーを作成できません</translation>
    </message>
    <message>
        <source>Not a winmail.dat file, or a damaged one</source>
        <translation>winmail.dat ファイルではないか、破損しています</translation>
    </message>
    <message>
        <source>Cannot read the file</source>
        <translation>ファイルを読み込めません</translation>
    </message>
    <message>
        <source>Cannot create the folder %1</source>
        <translation>フォルダー %1 を作成できません</translation>
    </message>
</context>
<context>
    <name>ORFileDropView</name>
    <message>
        <source>Drop an archive or a winmail.dat file here</source>
        <translation>アーカイブまたは winmail.dat ファイルをここにドロップ</translation>
    </message>
    <message>
        <source>or</source>
        <translation>または</translation>
    </message>
    <message>
        <source>Choose a File...</source>
        <translation>ファイルを選択…</translation>
    </message>
    <message>
        <source>Choose an Archive</source>
        <translation>アーカイブを選択</translation>
    </message>
    <message>
        <source>Archives (%1)</source>
        <translation>アーカイブ (%1)</translation>
    </message>
</context>
<context>
    <name>ORFileIntroViewCter</name>
    <message>
        <source>Unarchive error or password error, try again!</source>
        <translation>展開できませんでした。パスワードが間違っている可能性があります。もう一度お試しください。</translation>
    </message>
    <message>
        <source>This archive format is not supported</source>
        <translation>このアーカイブ形式には対応していません</translation>
    </message>
    <message>
        <source>Not enough free space</source>
        <translation>空き容量が足りません</translation>
    </message>
    <message>
        <source>Archives</source>
        <translation>アーカイブ</translation>
    </message>
    <message>
        <source>Open zip, rar, 7z, tar and many other archives, and the attachments in winmail.dat files: see what is inside, then open, save or mail it.</source>
        <translation>zip、rar、7z、tar など多くのアーカイブや、winmail.dat ファイル内の添付ファイルを開きます。中身を確認して、開いたり、保存したり、メールで送信したりできます。</translation>
    </message>
    <message>
        <source>File name encoding:</source>
        <translation>ファイル名のエンコーディング:</translation>
    </message>
    <message>
        <source>zip, rar, 7z, tar, gz, bz2, xz, iso, cab, lzh, arj, cpio, deb, rpm, winmail.dat and more</source>
        <translation>zip、rar、7z、tar、gz、bz2、xz、iso、cab、lzh、arj、cpio、deb、rpm、winmail.dat など</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Extracting...</source>
        <translation>展開しています…</translation>
    </message>
</context>
<context>
    <name>ORFolderTableCellView</name>
    <message>
        <source>Remove from the List</source>
        <translation>一覧から削除</translation>
    </message>
    <message>
        <source>Reference Folder</source>
        <translation>参照フォルダー</translation>
    </message>
    <message>
        <source>Reference folder: the originals live here and its copies are never selected. Click to make it an ordinary folder.</source>
        <translation>参照フォルダー：オリジナルがここにあり、この中のコピーは選択されません。クリックすると通常のフォルダーに戻ります。</translation>
    </message>
    <message>
        <source>Make this a reference folder: the originals live here and its copies are never selected.</source>
        <translation>参照フォルダーにする：オリジナルがここにあり、この中のコピーは選択されません。</translation>
    </message>
</context>
<context>
    <name>ORItemTableCellView</name>
    <message>
        <source>Show in the File Manager</source>
        <translation>ファイルマネージャーで表示</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>プレビュー</translation>
    </message>
</context>
<context>
    <name>ORJunkFilesCollection</name>
    <message>
        <source>Application Junk Files</source>
        <translation>アプリケーションの不要ファイル</translation>
    </message>
    <message>
        <source>Caches and logs that applications keep to start and work faster. An application makes them again when it needs them.</source>
        <translation>アプリケーションが起動や動作を速くするために保存しているキャッシュとログです。必要になれば、アプリケーションが再び作成します。</translation>
    </message>
    <message>
        <source>Leftover Files</source>
        <translation>残りファイル</translation>
    </message>
    <message>
        <source>Settings, saved window states and launch agents of applications other than the system&apos;s own.</source>
        <translation>システム標準以外のアプリケーションの設定、保存されたウィンドウの状態、起動エージェントです。</translation>
    </message>
    <message>
        <source>Menu and login entries whose program is no longer installed, and the data of Flatpak applications that were removed.</source>
        <translation>プログラムがすでにインストールされていないメニュー項目やログイン項目と、削除された Flatpak アプリケーションのデータです。</translation>
    </message>
    <message>
        <source>System Cache Files</source>
        <translation>システムのキャッシュファイル</translation>
    </message>
    <message>
        <source>Caches of the system&apos;s own programs and services. They are made again when needed.</source>
        <translation>システム標準のプログラムやサービスのキャッシュです。必要になれば再び作成されます。</translation>
    </message>
    <message>
        <source>Caches of the system&apos;s programs in /var/cache, such as packages the package manager downloaded. They are made again when needed.</source>
        <translation>パッケージマネージャーがダウンロードしたパッケージなど、/var/cache にあるシステムのプログラムのキャッシュです。必要になれば再び作成されます。</translation>
    </message>
    <message>
        <source>System Log Files</source>
        <translation>システムのログファイル</translation>
    </message>
    <message>
        <source>Records of what the system and its services did. They help to find the cause of a fault; nothing needs them to run.</source>
        <translation>システムとそのサービスの動作の記録です。障害の原因を調べるのに役立ちますが、動作には必要ありません。</translation>
    </message>
    <message>
        <source>Mail Attachments</source>
        <translation>メールの添付ファイル</translation>
    </message>
    <message>
        <source>Copies of attachments saved when you opened them. The messages keep their own copy.</source>
        <translation>添付ファイルを開いたときに保存されたコピーです。メッセージには元の添付ファイルが残っています。</translation>
    </message>
    <message>
        <source>iTunes Junk Files</source>
        <translation>iTunes の不要ファイル</translation>
    </message>
    <message>
        <source>iPhone and iPad software updates and copies of their applications that iTunes downloaded.</source>
        <translation>iTunes がダウンロードした iPhone と iPad のソフトウェアアップデートやアプリケーションのコピーです。</translation>
    </message>
    <message>
        <source>iOS Backups</source>
        <translation>iOS のバックアップ</translation>
    </message>
    <message>
        <source>Backups of iPhones and iPads made on this computer.</source>
        <translation>このコンピューターで作成された iPhone と iPad のバックアップです。</translation>
    </message>
    <message>
        <source>iOS Software Updates</source>
        <translation>iOS のソフトウェアアップデート</translation>
    </message>
    <message>
        <source>Software updates for iPhones and iPads that were downloaded.</source>
        <translation>ダウンロード済みの iPhone と iPad 用のソフトウェアアップデートです。</translation>
    </message>
    <message>
        <source>Trash</source>
        <translation>ゴミ箱</translation>
    </message>
    <message>
        <source>Everything you moved to the Trash and did not empty yet.</source>
        <translation>ゴミ箱に移動して、まだ空にしていないすべてのものです。</translation>
    </message>
    <message>
        <source>Downloads</source>
        <translation>ダウンロード</translation>
    </message>
    <message>
        <source>Everything in your Downloads folder, which may hold files you keep.</source>
        <translation>ダウンロードフォルダー内のすべてのものです。残しておきたいファイルが含まれている場合があります。</translation>
    </message>
    <message>
        <source>Xcode DerivedData</source>
        <translation>Xcode DerivedData</translation>
    </message>
    <message>
        <source>Build products and indexes that Xcode makes again when a project is built.</source>
        <translation>プロジェクトのビルド時に Xcode が再び作成するビルド成果物とインデックスです。</translation>
    </message>
    <message>
        <source>Developer Build Caches</source>
        <translation>開発用のビルドキャッシュ</translation>
    </message>
    <message>
        <source>Package and build caches of npm, Gradle, Cargo and Go, which are downloaded again when a build needs them.</source>
        <translation>npm、Gradle、Cargo、Go のパッケージキャッシュとビルドキャッシュです。ビルドで必要になれば再びダウンロードされます。</translation>
    </message>
    <message>
        <source>Browser Junk Files</source>
        <translation>ブラウザーの不要ファイル</translation>
    </message>
    <message>
        <source>Pages and images your browsers keep to show sites faster, their history and their cookies. Without cookies you are signed out of websites.</source>
        <translation>サイトを速く表示するためにブラウザーが保存しているページや画像と、閲覧履歴、Cookie です。Cookie を削除すると Web サイトからサインアウトされます。</translation>
    </message>
    <message>
        <source>Pages and images your browsers keep to show sites faster, and their history and cookies, which start unticked: without cookies you are signed out of websites.</source>
        <translation>サイトを速く表示するためにブラウザーが保存しているページや画像と、閲覧履歴、Cookie です。Cookie を削除すると Web サイトからサインアウトされるため、閲覧履歴と Cookie は最初はチェックが外れています。</translation>
    </message>
    <message numerus="yes">
        <source>Only items older than %n day(s) are listed.</source>
        <translation>
            <numerusform>%n 日より古い項目だけを表示しています。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ORJunkViewCter</name>
    <message>
        <source>Junk Clean</source>
        <translation>不要ファイル</translation>
    </message>
    <message>
        <source>Find caches, logs, leftovers of removed applications, the Trash and other files you no longer need, and free up space safely.</source>
        <translation>キャッシュ、ログ、削除したアプリケーションの残りファイル、ゴミ箱など、不要になったファイルを探して、安全に空き容量を増やします。</translation>
    </message>
</context>
<context>
    <name>ORJunksResultViewCter</name>
    <message>
        <source>Categories</source>
        <translation>カテゴリー</translation>
    </message>
    <message>
        <source>Nothing to clean in this category.</source>
        <translation>このカテゴリーにはクリーンアップするものはありません。</translation>
    </message>
</context>
<context>
    <name>ORLayout</name>
    <message>
        <source>unknown layout &quot;%1&quot; (use freedesktop or macos)</source>
        <translation>不明なフォルダー構成「%1」(freedesktop または macos を指定してください)</translation>
    </message>
    <message>
        <source>no home folder: user %1 has no password entry and $HOME is not set (give --home)</source>
        <translation>ホームフォルダーがありません: ユーザー %1 のパスワードエントリーがなく、$HOME も設定されていません (--home を指定してください)</translation>
    </message>
    <message>
        <source>  --layout L    where to look: freedesktop (default) or macos
  --root R      the file-system root the layout&apos;s system folders are under (default /)
  --home H      the home folder to look in (default: the real user&apos;s home)
</source>
        <translation>  --layout L    検索するフォルダー構成: freedesktop (既定) または macos
  --root R      フォルダー構成のシステムフォルダーがあるファイルシステムのルート (既定 /)
  --home H      検索するホームフォルダー (既定: 実際のユーザーのホームフォルダー)
</translation>
    </message>
</context>
<context>
    <name>ORMainWinController</name>
    <message>
        <source>Open Sweepwright</source>
        <translation>Sweepwright を開く</translation>
    </message>
    <message>
        <source>Release Memory</source>
        <translation>メモリを解放</translation>
    </message>
    <message>
        <source>Preferences…</source>
        <translation>設定…</translation>
    </message>
    <message>
        <source>Quit Sweepwright</source>
        <translation>Sweepwright を終了</translation>
    </message>
    <message>
        <source>Junk Clean</source>
        <translation>不要ファイル</translation>
    </message>
    <message>
        <source>Archives</source>
        <translation>アーカイブ</translation>
    </message>
    <message>
        <source>Login Items</source>
        <translation>ログイン項目</translation>
    </message>
    <message>
        <source>Duplicates</source>
        <translation>重複ファイル</translation>
    </message>
    <message>
        <source>Large Files</source>
        <translation>大きなファイル</translation>
    </message>
    <message>
        <source>Uninstaller</source>
        <translation>アプリ削除</translation>
    </message>
    <message>
        <source>Shredder</source>
        <translation>シュレッダー</translation>
    </message>
    <message>
        <source>Memory</source>
        <translation>メモリ</translation>
    </message>
    <message>
        <source>Toolbox</source>
        <translation>ツール</translation>
    </message>
    <message>
        <source>Extensions</source>
        <translation>拡張機能</translation>
    </message>
    <message>
        <source>History</source>
        <translation>履歴</translation>
    </message>
</context>
<context>
    <name>ORMemViewCter</name>
    <message>
        <source>Memory</source>
        <translation>メモリ</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>ディスク</translation>
    </message>
    <message>
        <source>Used</source>
        <translation>使用量</translation>
    </message>
    <message>
        <source>Available</source>
        <translation>利用可能</translation>
    </message>
    <message>
        <source>Cached</source>
        <translation>キャッシュ</translation>
    </message>
    <message>
        <source>Buffers</source>
        <translation>バッファー</translation>
    </message>
    <message>
        <source>Free</source>
        <translation>空き</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>合計</translation>
    </message>
    <message>
        <source>Swap</source>
        <translation>スワップ</translation>
    </message>
    <message>
        <source>Release Memory asks the kernel to give back the memory it holds as cache. Programs read those files from the disk again when they need them, so the computer does not get faster.</source>
        <translation>「メモリを解放」は、カーネルがキャッシュとして保持しているメモリを解放するよう要求します。プログラムは必要なときにそのファイルをディスクから読み直すため、コンピューターが速くなるわけではありません。</translation>
    </message>
    <message>
        <source>Released Memory</source>
        <translation>解放したメモリ</translation>
    </message>
    <message>
        <source>%1 of %2 in use</source>
        <translation>%2 中 %1 を使用中</translation>
    </message>
    <message>
        <source>None</source>
        <translation>なし</translation>
    </message>
    <message>
        <source>Unavailable</source>
        <translation>取得できません</translation>
    </message>
    <message>
        <source>Memory in use</source>
        <translation>使用中のメモリ</translation>
    </message>
    <message>
        <source>Disk space in use</source>
        <translation>使用中のディスク容量</translation>
    </message>
    <message>
        <source>&amp;Release Memory</source>
        <translation>メモリを解放(&amp;R)</translation>
    </message>
</context>
<context>
    <name>ORNoJunkViewCter</name>
    <message>
        <source>No category was scanned</source>
        <translation>スキャンしたカテゴリーはありません</translation>
    </message>
    <message>
        <source>Choose the kinds of junk to look for in Preferences, under Junk Clean.</source>
        <translation>探す不要ファイルの種類は、設定の「不要ファイル」で選択してください。</translation>
    </message>
</context>
<context>
    <name>ORPdfCompressViewCter</name>
    <message>
        <source>Page %1 of %2</source>
        <translation>%1 / %2 ページ</translation>
    </message>
    <message>
        <source>PDF Compressor</source>
        <translation>PDF 圧縮</translation>
    </message>
    <message>
        <source>Makes a smaller copy of a PDF document; the document itself is left as it is.</source>
        <translation>PDF ドキュメントのサイズを小さくしたコピーを作成します。元のドキュメントはそのまま残ります。</translation>
    </message>
    <message>
        <source>Drop a PDF document here</source>
        <translation>PDF ドキュメントをここにドロップ</translation>
    </message>
    <message>
        <source>Choose a PDF…</source>
        <translation>PDF を選択…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Save…</source>
        <translation>保存…</translation>
    </message>
    <message>
        <source>Mail</source>
        <translation>メールで送信</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>戻る</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>ページ数</translation>
    </message>
    <message>
        <source>Before</source>
        <translation>圧縮前</translation>
    </message>
    <message>
        <source>After</source>
        <translation>圧縮後</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>品質</translation>
    </message>
    <message>
        <source>Smallest file (images at 50 ppi)</source>
        <translation>最小サイズ (画像 50 ppi)</translation>
    </message>
    <message>
        <source>Medium (images at 150 ppi)</source>
        <translation>中 (画像 150 ppi)</translation>
    </message>
    <message>
        <source>Best quality (images at 300 ppi)</source>
        <translation>最高品質 (画像 300 ppi)</translation>
    </message>
    <message>
        <source>Choose a PDF document</source>
        <translation>PDF ドキュメントを選択</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf *.PDF)</source>
        <translation>PDF ドキュメント (*.pdf *.PDF)</translation>
    </message>
    <message>
        <source>“%1” is not a PDF document that can be read.</source>
        <translation>「%1」は読み込める PDF ドキュメントではありません。</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>情報</translation>
    </message>
    <message>
        <source>Please enter the password</source>
        <translation>パスワードを入力してください</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Compressor</source>
        <translation>圧縮中</translation>
    </message>
    <message>
        <source>Already compact: no smaller copy could be made</source>
        <translation>すでに十分に圧縮されています。これより小さいコピーは作成できませんでした</translation>
    </message>
    <message>
        <source>This copy is not password protected</source>
        <translation>このコピーはパスワードで保護されていません</translation>
    </message>
    <message>
        <source>Save the compressed PDF</source>
        <translation>圧縮した PDF を保存</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>PDF ドキュメント (*.pdf)</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>“%1” already exists. Do you want to replace it?</source>
        <translation>「%1」はすでに存在します。置き換えますか?</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>置き換え</translation>
    </message>
    <message>
        <source>The copy could not be saved as “%1”.</source>
        <translation>コピーを「%1」として保存できませんでした。</translation>
    </message>
</context>
<context>
    <name>ORPdfWindowCter</name>
    <message>
        <source>PDF Compressor</source>
        <translation>PDF 圧縮</translation>
    </message>
</context>
<context>
    <name>ORShredViewCter</name>
    <message>
        <source>Shredder</source>
        <translation>シュレッダー</translation>
    </message>
    <message>
        <source>Files and folders shredded here are removed at once, not moved to the Trash.</source>
        <translation>ここで完全削除したファイルやフォルダーは、ゴミ箱に移動されず、ただちに削除されます。</translation>
    </message>
    <message>
        <source>To shred</source>
        <translation>完全削除する項目</translation>
    </message>
    <message>
        <source>Drop files and folders here</source>
        <translation>ファイルやフォルダーをここにドロップ</translation>
    </message>
    <message>
        <source>Overwrite contents before removing</source>
        <translation>削除する前に内容を上書きする</translation>
    </message>
    <message>
        <source>On SSDs and copy-on-write file systems, overwriting cannot guarantee that the old data is gone.</source>
        <translation>SSD やコピーオンライト方式のファイルシステムでは、上書きしても元のデータが確実に消えるとは限りません。</translation>
    </message>
    <message>
        <source>&amp;Shred</source>
        <translation>完全削除(&amp;S)</translation>
    </message>
</context>
<context>
    <name>ORToolViewCter</name>
    <message>
        <source>Toolbox</source>
        <translation>ツール</translation>
    </message>
    <message>
        <source>Make PDF files smaller, or open the desktop&apos;s own tools for this computer, its disks and its extensions.</source>
        <translation>PDF ファイルを小さくしたり、このコンピューター、ディスク、拡張機能を管理するデスクトップ標準のツールを開いたりします。</translation>
    </message>
    <message>
        <source>PDF Compressor</source>
        <translation>PDF 圧縮</translation>
    </message>
    <message>
        <source>System Information</source>
        <translation>システム情報</translation>
    </message>
    <message>
        <source>Disk Utility</source>
        <translation>ディスクユーティリティ</translation>
    </message>
    <message>
        <source>Extensions</source>
        <translation>拡張機能</translation>
    </message>
    <message>
        <source>Open the Extensions page</source>
        <translation>拡張機能のページを開く</translation>
    </message>
    <message>
        <source>Not installed</source>
        <translation>インストールされていません</translation>
    </message>
    <message>
        <source>The PDF compressor cannot be opened: its plugin is missing or broken.

%1</source>
        <translation>PDF 圧縮を開けません。プラグインが見つからないか、壊れています。

%1</translation>
    </message>
    <message>
        <source>%1 could not be opened.</source>
        <translation>%1 を開けませんでした。</translation>
    </message>
</context>
<context>
    <name>ORUninstDelViewCter</name>
    <message>
        <source>Open Trash</source>
        <translation>ゴミ箱を開く</translation>
    </message>
    <message>
        <source>What went to the Trash can be restored from there</source>
        <translation>ゴミ箱に移動したものは、ゴミ箱から元に戻せます</translation>
    </message>
</context>
<context>
    <name>ORUninstResultViewCter</name>
    <message>
        <source>Application</source>
        <translation>アプリケーション</translation>
    </message>
    <message>
        <source>AppImage</source>
        <translation>AppImage</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>ホーム</translation>
    </message>
    <message>
        <source>Flatpak</source>
        <translation>Flatpak</translation>
    </message>
    <message>
        <source>Package</source>
        <translation>パッケージ</translation>
    </message>
    <message numerus="yes">
        <source>%n item(s)</source>
        <translation>
            <numerusform>%n 個の項目</numerusform>
        </translation>
    </message>
    <message>
        <source>Caches</source>
        <translation>キャッシュ</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Your data</source>
        <translation>ユーザーデータ</translation>
    </message>
    <message>
        <source>Removed only with the application: tick the application first</source>
        <translation>アプリケーションと一緒にのみ削除できます。先にアプリケーションをチェックしてください</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>検索</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>サイズ</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>Sort the applications</source>
        <translation>アプリケーションを並べ替え</translation>
    </message>
    <message>
        <source>Last Modified: %1</source>
        <translation>最終更新日: %1</translation>
    </message>
    <message>
        <source>Applications</source>
        <translation>アプリケーション</translation>
    </message>
    <message>
        <source>Search the applications</source>
        <translation>アプリケーションを検索</translation>
    </message>
</context>
<context>
    <name>ORUninstViewCter</name>
    <message>
        <source>Uninstaller</source>
        <translation>アンインストール</translation>
    </message>
    <message>
        <source>See every installed application with the caches, settings and data it leaves behind, and remove an application completely or just its leftovers. What you remove goes to the Trash; your own data stays unless you tick it.</source>
        <translation>インストールされているすべてのアプリケーションと、それが残すキャッシュ、設定、データを確認し、アプリケーションを完全に削除するか、残りファイルだけを削除します。削除したものはゴミ箱に移動します。ユーザーデータは、チェックしない限り残ります。</translation>
    </message>
    <message>
        <source>See every installed application with the caches, settings and data it keeps, and remove an application together with them. Files of yours go to the Trash; your own data stays unless you tick it.</source>
        <translation>インストールされているすべてのアプリケーションと、そのキャッシュ、設定、データを確認し、アプリケーションをそれらとまとめて削除します。ユーザーが所有するファイルはゴミ箱に移動します。ユーザーデータは、チェックしない限り残ります。</translation>
    </message>
    <message>
        <source>Scanning the installed applications…</source>
        <translation>インストールされているアプリケーションをスキャンしています…</translation>
    </message>
    <message>
        <source>Collecting...</source>
        <translation>収集しています…</translation>
    </message>
    <message>
        <source>Fewer than two applications were found: there is nothing to uninstall.</source>
        <translation>見つかったアプリケーションが 2 個未満のため、アンインストールできるものはありません。</translation>
    </message>
</context>
<context>
    <name>ORUtility</name>
    <message>
        <source>today</source>
        <translation>今日</translation>
    </message>
</context>
<context>
    <name>OlderThanOption</name>
    <message>
        <source>%1 needs a number of days</source>
        <translation>%1 には日数が必要です</translation>
    </message>
    <message>
        <source>--older-than takes a whole number of days from 0 to %1, not &quot;%2&quot;</source>
        <translation>--older-than には 0 から %1 までの整数の日数を指定します（&quot;%2&quot; は使えません）</translation>
    </message>
    <message>
        <source>  --older-than DAYS      only files last modified more than DAYS days ago (0: all)
</source>
        <translation>  --older-than DAYS      最後の変更が DAYS 日より前のファイルのみ（0: すべて）
</translation>
    </message>
    <message>
        <source>  --older-than DAYS  only items older than DAYS days (0: all), in every category, in place
        of the ages set in Preferences &gt; Junk Clean (which apply otherwise, --clean
        included): by the newest modification time inside an item, and in the Trash by
        the date it was deleted; a Trash item without a readable date counts as new
</source>
        <translation>  --older-than DAYS  すべてのカテゴリで DAYS 日より古い項目のみ（0: すべて）。設定 &gt; 不要ファイル
        で決めた日数の代わりに使われます（指定しないときは --clean も含めその日数）。
        項目の中で最も新しい変更日時で判断し、ゴミ箱では削除した日付で判断します。
        読める日付のないゴミ箱の項目は新しいものとして扱います
</translation>
    </message>
</context>
<context>
    <name>OutputPlacement</name>
    <message>
        <source>%1 cannot be opened: %2</source>
        <translation>%1 を開けません: %2</translation>
    </message>
    <message>
        <source>%1 is a folder</source>
        <translation>%1 はフォルダーです</translation>
    </message>
    <message>
        <source>%1 already exists</source>
        <translation>%1 はすでに存在します</translation>
    </message>
    <message>
        <source>no file can be made in %1: %2</source>
        <translation>%1 にファイルを作成できません: %2</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>キャンセルされました</translation>
    </message>
</context>
<context>
    <name>PackageCommands</name>
    <message>
        <source>%1 could not be run: %2</source>
        <translation>%1 を実行できませんでした: %2</translation>
    </message>
    <message>
        <source>%1 failed (exit status %2): %3</source>
        <translation>%1 が失敗しました (終了ステータス %2): %3</translation>
    </message>
    <message>
        <source>%1; left in place</source>
        <translation>%1。削除せずに残しました</translation>
    </message>
    <message>
        <source>%1 failed with administrator rights (exit status %2)</source>
        <translation>管理者権限での %1 の実行に失敗しました (終了ステータス %2)</translation>
    </message>
    <message>
        <source>flatpak is not installed; left in place</source>
        <translation>flatpak がインストールされていません。削除せずに残しました</translation>
    </message>
    <message>
        <source>%1 would not remove it; left in place</source>
        <translation>%1 が削除を受け付けませんでした。削除せずに残しました</translation>
    </message>
    <message>
        <source>removing it would also remove %1; left in place</source>
        <translation>削除すると %1 も削除されてしまいます。削除せずに残しました</translation>
    </message>
    <message>
        <source>apt-get is not installed; left in place</source>
        <translation>apt-get がインストールされていません。削除せずに残しました</translation>
    </message>
</context>
<context>
    <name>PackageKitRemoval</name>
    <message>
        <source>cancelled; left in place</source>
        <translation>キャンセルされました。削除せずに残しました</translation>
    </message>
    <message>
        <source>PackageKit is not running; left in place</source>
        <translation>PackageKit が実行されていません。削除せずに残しました</translation>
    </message>
    <message>
        <source>PackageKit could not plan the removal: %1; left in place</source>
        <translation>PackageKit が削除の手順を決められませんでした: %1。削除せずに残しました</translation>
    </message>
    <message>
        <source>%1; left in place</source>
        <translation>%1。削除せずに残しました</translation>
    </message>
    <message>
        <source>PackageKit could not remove it: %1; left in place</source>
        <translation>PackageKit が削除できませんでした: %1。削除せずに残しました</translation>
    </message>
</context>
<context>
    <name>PageStyle</name>
    <message>
        <source>or</source>
        <translation>または</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>開始(&amp;S)</translation>
    </message>
</context>
<context>
    <name>PasswordPanel</name>
    <message>
        <source>Password</source>
        <translation>パスワード</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is protected by a password</source>
        <translation>「%1」はパスワードで保護されています</translation>
    </message>
    <message>
        <source>Enter the password to extract its files.</source>
        <translation>ファイルを展開するには、パスワードを入力してください。</translation>
    </message>
    <message>
        <source>Trying the password…</source>
        <translation>パスワードを確認しています…</translation>
    </message>
</context>
<context>
    <name>PdfCommand</name>
    <message>
        <source>Usage: sweepwright-cli pdf FILE [--quality 0|1|2] [-o OUT] [--password-stdin] [--json]
Makes a smaller copy of a PDF document: its images are brought down to 50 ppi
(quality 0, the default), 150 ppi (1) or 300 ppi (2). When no smaller copy can
be made the copy is the document itself. A password-protected document gives
a copy without protection.

  --quality N        0, 1 or 2
  -o OUT             put the copy at OUT (a file name, or a folder to put it in)
                     instead of leaving it in the compressor&apos;s temporary folder
  --yes              replace OUT when it exists, without asking
  --dry-run          show what would be done, make nothing
  --password-stdin   read the password from the first line of standard input
                     (otherwise it is asked for on the terminal when needed)
  --json             print the result as JSON
  --help             show this text
  -V, --version      show the version
</source>
        <translation>使用法: sweepwright-cli pdf FILE [--quality 0|1|2] [-o OUT] [--password-stdin] [--json]
PDF ドキュメントのサイズを小さくしたコピーを作成します。画像は 50 ppi (品質 0、既定)、
150 ppi (1) または 300 ppi (2) に下げます。これより小さいコピーを作成できない場合
は、ドキュメントそのものがコピーになります。パスワードで保護されたドキュメントからは
保護のないコピーが作成されます。

  --quality N        0、1、2 のいずれか
  -o OUT             コピーを OUT (ファイル名、または保存先のフォルダー) に置きます。
                     指定しない場合は、圧縮用の一時フォルダーに残します
  --yes              OUT が存在する場合、確認せずに置き換えます
  --dry-run          実行内容を表示し、何も作成しません
  --password-stdin   標準入力の 1 行目からパスワードを読み込みます
                     (指定しない場合は、必要なときに端末で入力を求めます)
  --json             結果を JSON で出力します
  --help             このテキストを表示します
  -V, --version      バージョンを表示します
</translation>
    </message>
    <message>
        <source>%1 needs 0, 1 or 2</source>
        <translation>%1 には 0、1、2 のいずれかが必要です</translation>
    </message>
    <message>
        <source>%1 needs a file or a folder</source>
        <translation>%1 にはファイルまたはフォルダーが必要です</translation>
    </message>
    <message>
        <source>--quality takes 0, 1 or 2</source>
        <translation>--quality には 0、1、2 のいずれかを指定してください</translation>
    </message>
    <message>
        <source>%1: not a PDF document that can be read</source>
        <translation>%1: 読み込める PDF ドキュメントではありません</translation>
    </message>
    <message>
        <source>Password for %1: </source>
        <translation>%1 のパスワード: </translation>
    </message>
    <message>
        <source>%1 needs a password: give it with --password-stdin</source>
        <translation>%1 にはパスワードが必要です: --password-stdin で指定してください</translation>
    </message>
    <message>
        <source>%1: wrong password</source>
        <translation>%1: パスワードが違います</translation>
    </message>
    <message>
        <source>Replace %1?</source>
        <translation>%1 を置き換えますか?</translation>
    </message>
    <message>
        <source>Compressing</source>
        <translation>圧縮中</translation>
    </message>
    <message>
        <source>the copy stays at %1: %2</source>
        <translation>コピーは %1 に残っています: %2</translation>
    </message>
    <message numerus="yes">
        <source>Would compress %1 (%n page(s), %2) at quality %3 into %4 (replacing it)</source>
        <translation>
            <numerusform>%1 (%n ページ、%2) を品質 %3 で %4 に圧縮する予定です (既存のファイルを置き換えます)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Would compress %1 (%n page(s), %2) at quality %3 into %4</source>
        <translation>
            <numerusform>%1 (%n ページ、%2) を品質 %3 で %4 に圧縮する予定です</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %n page(s), %2 -&gt; %3</source>
        <translation>
            <numerusform>%1: %n ページ、%2 -&gt; %3</numerusform>
        </translation>
    </message>
    <message>
        <source>Already compact: no smaller copy could be made</source>
        <translation>すでに十分に圧縮されています。これより小さいコピーは作成できませんでした</translation>
    </message>
    <message>
        <source>This copy is not password protected</source>
        <translation>このコピーはパスワードで保護されていません</translation>
    </message>
    <message>
        <source>Written to %1</source>
        <translation>%1 に書き出しました</translation>
    </message>
</context>
<context>
    <name>PdfCompressor</name>
    <message>
        <source>Compression failed: %1</source>
        <translation>圧縮に失敗しました: %1</translation>
    </message>
    <message>
        <source>Ghostscript left no readable PDF</source>
        <translation>Ghostscript は読み込める PDF を出力しませんでした</translation>
    </message>
    <message>
        <source>the copy has %1 of the %2 pages</source>
        <translation>コピーには %2 ページ中 %1 ページしかありません</translation>
    </message>
    <message>
        <source>%1 is not a PDF document that can be read</source>
        <translation>%1 は読み込める PDF ドキュメントではありません</translation>
    </message>
    <message>
        <source>the copy could not be written in %1</source>
        <translation>%1 にコピーを書き込めませんでした</translation>
    </message>
</context>
<context>
    <name>PdfPasswordPanel</name>
    <message>
        <source>Password</source>
        <translation>パスワード</translation>
    </message>
    <message>
        <source>Enter the document&apos;s password:</source>
        <translation>ドキュメントのパスワードを入力してください:</translation>
    </message>
    <message>
        <source>Wrong password</source>
        <translation>パスワードが違います</translation>
    </message>
</context>
<context>
    <name>PdfWorkFolder</name>
    <message>
        <source>%1 is not a private folder of yours</source>
        <translation>%1 は現在のユーザー専用のフォルダーではありません</translation>
    </message>
    <message>
        <source>%1 cannot be locked</source>
        <translation>%1 をロックできません</translation>
    </message>
    <message>
        <source>no folder can be made in %1</source>
        <translation>%1 にフォルダーを作成できません</translation>
    </message>
</context>
<context>
    <name>ProgressLine</name>
    <message numerus="yes">
        <source>%Ln item(s)</source>
        <translation>
            <numerusform>%Ln 個の項目</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RefusedPlaces</name>
    <message>
        <source>where it lies could not be checked</source>
        <translation>場所を確認できませんでした</translation>
    </message>
    <message>
        <source>it is the home folder or holds it (%1)</source>
        <translation>ホームフォルダーであるか、ホームフォルダーを含んでいます (%1)</translation>
    </message>
    <message>
        <source>it holds the root folder %1</source>
        <translation>ルートフォルダー %1 を含んでいます</translation>
    </message>
    <message>
        <source>it is the root folder</source>
        <translation>ルートフォルダーです</translation>
    </message>
    <message>
        <source>it is a protected system folder</source>
        <translation>保護されたシステムフォルダーです</translation>
    </message>
    <message>
        <source>it lies in the protected system folder %1</source>
        <translation>保護されたシステムフォルダー %1 内にあります</translation>
    </message>
    <message>
        <source>it is or lies in your folder %1</source>
        <translation>ユーザーのフォルダー %1 であるか、その中にあります</translation>
    </message>
    <message>
        <source>it holds %1, which is on your Never touch list</source>
        <translation>%1 を含んでいます。これは「触らない」リストにあります</translation>
    </message>
    <message>
        <source>it is on your Never touch list</source>
        <translation>「触らない」リストにあります</translation>
    </message>
    <message>
        <source>it lies in %1, which is on your Never touch list</source>
        <translation>%1 の中にあります。これは「触らない」リストにあります</translation>
    </message>
</context>
<context>
    <name>RemovalRun</name>
    <message>
        <source>a link lies on its way: it changed since the scan</source>
        <translation>経路上にリンクがあります。スキャン後に変更されました</translation>
    </message>
    <message>
        <source>it lies on another file system mounted below its folder</source>
        <translation>フォルダーの下にマウントされた別のファイルシステム上にあります</translation>
    </message>
    <message>
        <source>more entries could not be removed</source>
        <translation>ほかにも削除できなかった項目があります</translation>
    </message>
    <message>
        <source>not inside %1</source>
        <translation>%1 の中にありません</translation>
    </message>
    <message>
        <source>another file system is mounted here; left alone</source>
        <translation>ここに別のファイルシステムがマウントされています。処理しませんでした</translation>
    </message>
    <message>
        <source>it changed since the scan</source>
        <translation>スキャン後に変更されました</translation>
    </message>
    <message>
        <source>its folder %1 is missing or was left alone</source>
        <translation>フォルダー %1 が存在しないか、処理の対象外です</translation>
    </message>
    <message>
        <source>a top folder is never removed whole</source>
        <translation>最上位のフォルダーを丸ごと削除することはありません</translation>
    </message>
    <message>
        <source>its folder %1 is missing or cannot be opened</source>
        <translation>フォルダー %1 が存在しないか、開けません</translation>
    </message>
    <message>
        <source>its folder now leads to %1: a link on its way changed since it was chosen</source>
        <translation>フォルダーの参照先が %1 に変わっています。選択後に経路上のリンクが変更されました</translation>
    </message>
    <message>
        <source>not a plain path below %1</source>
        <translation>%1 以下の通常のパスではありません</translation>
    </message>
    <message>
        <source>it is no longer the item that was listed</source>
        <translation>一覧に表示された項目ではなくなっています</translation>
    </message>
    <message>
        <source>a top folder is never moved whole</source>
        <translation>最上位のフォルダーを丸ごと移動することはありません</translation>
    </message>
</context>
<context>
    <name>STPrivilegedTask</name>
    <message>
        <source>administrator authorisation was cancelled</source>
        <translation>管理者の認証がキャンセルされました</translation>
    </message>
    <message>
        <source>No password prompt could be shown: no authentication agent is running</source>
        <translation>パスワードの入力画面を表示できませんでした: 認証エージェントが実行されていません</translation>
    </message>
    <message>
        <source>No password prompt could be shown: pkexec is not installed</source>
        <translation>パスワードの入力画面を表示できませんでした: pkexec がインストールされていません</translation>
    </message>
    <message>
        <source>the password prompt could not be started</source>
        <translation>パスワードの入力画面を起動できませんでした</translation>
    </message>
    <message>
        <source>administrator rights were not granted</source>
        <translation>管理者権限が許可されませんでした</translation>
    </message>
</context>
<context>
    <name>ScheduleCommand</name>
    <message>
        <source>every day</source>
        <translation>毎日</translation>
    </message>
    <message>
        <source>every week</source>
        <translation>毎週</translation>
    </message>
    <message>
        <source>every month</source>
        <translation>毎月</translation>
    </message>
    <message>
        <source>never</source>
        <translation>しない</translation>
    </message>
    <message>
        <source>Junk is cleaned automatically: %1</source>
        <translation>不要ファイルの自動クリーンアップ: %1</translation>
    </message>
    <message>
        <source>(but the timer is not enabled)</source>
        <translation>（ただしタイマーは有効になっていません）</translation>
    </message>
    <message>
        <source>Categories:</source>
        <translation>カテゴリ:</translation>
    </message>
    <message>
        <source>Usage: sweepwright-cli schedule [--daily | --weekly | --monthly | --off] [--json]
Tells whether junk is cleaned automatically, how often and which categories, or
changes it. A schedule is a systemd user timer and service in
$XDG_CONFIG_HOME/systemd/user (sweepwright-clean.timer and .service), enabled with
systemctl --user; the service runs &quot;sweepwright-cli junk --clean --yes --profile
scheduled&quot; at low priority, which never asks for a password and ends with a desktop
notification. The categories are chosen in the preferences of the window program.
--off disables the timer and removes both files. Exits 1 when the change failed
(no systemd user session, for one).

  --daily        clean every day
  --weekly       clean every week
  --monthly      clean every month
  --off          clean no more
  --json         print one JSON object instead of text
  --help         show this text
  -V, --version  show the version
</source>
        <translation>使い方: sweepwright-cli schedule [--daily | --weekly | --monthly | --off] [--json]
不要ファイルを自動でクリーンアップするかどうか、その頻度とカテゴリを表示するか、
変更します。スケジュールは $XDG_CONFIG_HOME/systemd/user にある systemd のユーザー
タイマーとサービス（sweepwright-clean.timer と .service）で、systemctl --user で
有効にします。サービスは &quot;sweepwright-cli junk --clean --yes --profile scheduled&quot; を
低い優先度で実行し、パスワードは求めず、最後にデスクトップ通知を出します。カテゴリは
ウィンドウ版プログラムの設定で選びます。--off はタイマーを無効にして両方のファイルを
削除します。変更に失敗したとき（systemd のユーザーセッションがないときなど）は 1 で
終了します。

  --daily        毎日クリーンアップします
  --weekly       毎週クリーンアップします
  --monthly      毎月クリーンアップします
  --off          クリーンアップをやめます
  --json         テキストの代わりに JSON オブジェクトを出力します
  --help         このテキストを表示します
  -V, --version  バージョンを表示します
</translation>
    </message>
    <message>
        <source>choose one of %1</source>
        <translation>%1 のうち一つを選んでください</translation>
    </message>
</context>
<context>
    <name>SchedulePrefViewController</name>
    <message>
        <source>Never</source>
        <translation>しない</translation>
    </message>
    <message>
        <source>Every day</source>
        <translation>毎日</translation>
    </message>
    <message>
        <source>Every week</source>
        <translation>毎週</translation>
    </message>
    <message>
        <source>Every month</source>
        <translation>毎月</translation>
    </message>
    <message>
        <source>Clean &amp;automatically:</source>
        <translation>自動クリーンアップ(&amp;A):</translation>
    </message>
    <message>
        <source>Clean automatically</source>
        <translation>自動クリーンアップ</translation>
    </message>
    <message>
        <source>The cleaning runs in the background at low priority, even when Sweepwright is not open. It never asks for a password: what needs one is left. A notification tells what was removed.</source>
        <translation>クリーンアップは Sweepwright を開いていなくても、低い優先度でバックグラウンドで実行されます。パスワードは求めません。パスワードが必要なものは残します。削除した内容は通知でお知らせします。</translation>
    </message>
    <message>
        <source>Clean these kinds of junk:</source>
        <translation>クリーンアップする不要ファイルの種類:</translation>
    </message>
    <message>
        <source>Not available here: %1</source>
        <translation>ここでは利用できません: %1</translation>
    </message>
    <message>
        <source>The schedule could not be changed: %1</source>
        <translation>スケジュールを変更できませんでした: %1</translation>
    </message>
    <message>
        <source>Schedule</source>
        <translation>スケジュール</translation>
    </message>
</context>
<context>
    <name>ScheduledRunNotice</name>
    <message numerus="yes">
        <source>Removed %n item(s), %1.</source>
        <translation>
            <numerusform>%n 項目を削除しました（%1）。</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing needed removing.</source>
        <translation>削除するものはありませんでした。</translation>
    </message>
    <message numerus="yes">
        <source>%n item(s) could not be removed.</source>
        <translation>
            <numerusform>%n 項目を削除できませんでした。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n item(s) left: they need administrator rights.</source>
        <translation>
            <numerusform>%n 項目を残しました: 管理者権限が必要です。</numerusform>
        </translation>
    </message>
    <message>
        <source>Junk files cleaned</source>
        <translation>不要ファイルをクリーンアップしました</translation>
    </message>
</context>
<context>
    <name>SevenZip</name>
    <message>
        <source>link leads outside the destination</source>
        <translation>リンクが展開先の外を指しています</translation>
    </message>
</context>
<context>
    <name>SevenZipProcess</name>
    <message>
        <source>7zz is not installed</source>
        <translation>7zz がインストールされていません</translation>
    </message>
    <message>
        <source>7zz made no progress for %1 ms</source>
        <translation>7zz の処理が %1 ミリ秒間進んでいません</translation>
    </message>
</context>
<context>
    <name>ShredCommand</name>
    <message>
        <source>refused %1: %2</source>
        <translation>%1 を拒否しました: %2</translation>
    </message>
    <message>
        <source>Usage: sweepwright-cli shred PATH... [--overwrite] [--yes | --dry-run] [--json]
                             [--layout L] [--root R] [--home H]
Removes the files and folders named, each whole, with your own rights. A PATH of
&quot;-&quot; reads the paths from standard input, one a line or separated by NUL bytes
(find -print0); nothing can then be asked, so they go only with --yes. A link is
removed as a link; nothing is removed on another file system mounted inside a
folder. The root folder, the home, a folder that holds it and the system&apos;s own
folders (and what lies in them) are never removed, by whatever name they are
given: they are reported on stderr as refused, with the reason. Asks on a terminal
first; without --yes and without a terminal nothing is removed (exit status 2).
Ctrl-C stops after the current entry (exit status 130); exit status 1 when a path
stays.

  --overwrite    overwrite each file once with random bytes before removing it
                 (files with one name that you may write, and only once they are
                 certain to go; on SSDs and copy-on-write file systems the old
                 data may survive anyway)
  --yes          remove without asking
  --dry-run      show what would be removed, and remove nothing
  --json         print {&quot;shredSize&quot;, &quot;removed&quot;, &quot;failed&quot;} as one JSON object
  --help         show this text
  -V, --version  show the version
</source>
        <translation>使用法: sweepwright-cli shred PATH... [--overwrite] [--yes | --dry-run] [--json]
                              [--layout L] [--root R] [--home H]
指定したファイルとフォルダーを、それぞれ丸ごと、ユーザー自身の権限で削除します。PATH に
&quot;-&quot; を指定すると、パスを標準入力から読み込みます (1 行に 1 つ、または NUL バイト区切り。
find -print0)。この場合は確認できないため、--yes の指定時にだけ削除します。リンクは
リンクとして削除します。フォルダー内にマウントされた別のファイルシステム上のものは
削除しません。ルートフォルダー、ホームフォルダー、それを含むフォルダー、システム自身の
フォルダー (とその中にあるもの) は、どのような名前で指定されても削除せず、拒否した
ものとして理由とともに標準エラー出力に表示します。端末では先に確認します。
--yes の指定も端末もない場合は何も削除しません (終了ステータス 2)。
Ctrl-C で現在のエントリーの後で中止します (終了ステータス 130)。残ったパスがある場合の
終了ステータスは 1 です。

  --overwrite    削除する前に各ファイルをランダムなバイトで 1 回上書きします
                 (名前が 1 つだけで書き込み可能なファイルが対象で、確実に削除される
                 ことが決まってから上書きします。SSD やコピーオンライト方式のファイル
                 システムでは、それでも元のデータが残る場合があります)
  --yes          確認せずに削除します
  --dry-run      削除されるものを表示し、何も削除しません
  --json         {&quot;shredSize&quot;, &quot;removed&quot;, &quot;failed&quot;} を JSON オブジェクト 1 つで出力します
  --help         このテキストを表示します
  -V, --version  バージョンを表示します
</translation>
    </message>
    <message>
        <source>no path given</source>
        <translation>パスが指定されていません</translation>
    </message>
    <message>
        <source>Measuring</source>
        <translation>サイズを計測中</translation>
    </message>
    <message>
        <source>Shredding</source>
        <translation>完全削除中</translation>
    </message>
    <message numerus="yes">
        <source>Refused %n path(s) (named on stderr).</source>
        <translation>
            <numerusform>%n 個のパスを拒否しました (標準エラー出力に表示)。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ShredOverwrite</name>
    <message>
        <source>%1; it was kept</source>
        <translation>%1。ファイルはそのまま残しました</translation>
    </message>
    <message>
        <source>%1; it was kept as %2</source>
        <translation>%1。%2 という名前で残しました</translation>
    </message>
    <message>
        <source>it cannot be removed from its folder (%1); nothing was overwritten</source>
        <translation>フォルダーから削除できません (%1)。何も上書きしていません</translation>
    </message>
    <message>
        <source>it changed since it was examined</source>
        <translation>確認後に変更されました</translation>
    </message>
    <message>
        <source>its contents could not be overwritten (%1)</source>
        <translation>内容を上書きできませんでした (%1)</translation>
    </message>
</context>
<context>
    <name>SmartCleanPrefViewController</name>
    <message>
        <source>Look for these kinds of junk:</source>
        <translation>次の種類の不要ファイルを探す:</translation>
    </message>
    <message>
        <source>Junk Clean</source>
        <translation>不要ファイル</translation>
    </message>
    <message>
        <source>Only items older than</source>
        <translation>次より古いもののみ</translation>
    </message>
    <message>
        <source>%1: only items older than a number of days</source>
        <translation>%1: 指定した日数より古い項目のみ</translation>
    </message>
</context>
<context>
    <name>StagingFolder</name>
    <message>
        <source>device node, FIFO or socket</source>
        <translation>デバイスノード、FIFO、またはソケットです</translation>
    </message>
    <message>
        <source>folder too deep</source>
        <translation>フォルダーの階層が深すぎます</translation>
    </message>
    <message>
        <source>link leads outside the destination</source>
        <translation>リンクが展開先の外を指しています</translation>
    </message>
    <message>
        <source>file linked from outside</source>
        <translation>外部からリンクされているファイルです</translation>
    </message>
</context>
<context>
    <name>SystemTools</name>
    <message>
        <source>%1 has no program to start.</source>
        <translation>%1 には起動するプログラムがありません。</translation>
    </message>
    <message>
        <source>%1 could not be started: its program %2 was not found.</source>
        <translation>%1 を起動できませんでした: プログラム %2 が見つかりません。</translation>
    </message>
    <message>
        <source>%1 could not be started: %2</source>
        <translation>%1 を起動できませんでした: %2</translation>
    </message>
</context>
<context>
    <name>TUEncodingPopUp</name>
    <message>
        <source>Western (ASCII)</source>
        <translation>西欧 (ASCII)</translation>
    </message>
    <message>
        <source>Japanese (EUC)</source>
        <translation>日本語 (EUC)</translation>
    </message>
    <message>
        <source>Unicode (UTF-8)</source>
        <translation>Unicode (UTF-8)</translation>
    </message>
    <message>
        <source>Western (ISO Latin 1)</source>
        <translation>西欧 (ISO Latin 1)</translation>
    </message>
    <message>
        <source>Japanese (Shift JIS)</source>
        <translation>日本語 (Shift JIS)</translation>
    </message>
    <message>
        <source>Central European (ISO Latin 2)</source>
        <translation>中欧 (ISO Latin 2)</translation>
    </message>
    <message>
        <source>Cyrillic (Windows)</source>
        <translation>キリル (Windows)</translation>
    </message>
    <message>
        <source>Western (Windows Latin 1)</source>
        <translation>西欧 (Windows Latin 1)</translation>
    </message>
    <message>
        <source>Greek (Windows)</source>
        <translation>ギリシャ語 (Windows)</translation>
    </message>
    <message>
        <source>Turkish (Windows Latin 5)</source>
        <translation>トルコ語 (Windows Latin 5)</translation>
    </message>
    <message>
        <source>Central European (Windows Latin 2)</source>
        <translation>中欧 (Windows Latin 2)</translation>
    </message>
    <message>
        <source>Japanese (ISO 2022-JP)</source>
        <translation>日本語 (ISO 2022-JP)</translation>
    </message>
    <message>
        <source>Western (Mac OS Roman)</source>
        <translation>西欧 (Mac OS Roman)</translation>
    </message>
    <message>
        <source>Greek (Mac OS)</source>
        <translation>ギリシャ語 (Mac OS)</translation>
    </message>
    <message>
        <source>Cyrillic (Mac OS)</source>
        <translation>キリル (Mac OS)</translation>
    </message>
    <message>
        <source>Central European (Mac OS)</source>
        <translation>中欧 (Mac OS)</translation>
    </message>
    <message>
        <source>Turkish (Mac OS)</source>
        <translation>トルコ語 (Mac OS)</translation>
    </message>
    <message>
        <source>Cyrillic (ISO 8859-5)</source>
        <translation>キリル (ISO 8859-5)</translation>
    </message>
    <message>
        <source>Arabic (ISO 8859-6)</source>
        <translation>アラビア語 (ISO 8859-6)</translation>
    </message>
    <message>
        <source>Greek (ISO 8859-7)</source>
        <translation>ギリシャ語 (ISO 8859-7)</translation>
    </message>
    <message>
        <source>Hebrew (ISO 8859-8)</source>
        <translation>ヘブライ語 (ISO 8859-8)</translation>
    </message>
    <message>
        <source>Turkish (ISO Latin 5)</source>
        <translation>トルコ語 (ISO Latin 5)</translation>
    </message>
    <message>
        <source>Nordic (ISO Latin 6)</source>
        <translation>北欧 (ISO Latin 6)</translation>
    </message>
    <message>
        <source>Thai (ISO 8859-11)</source>
        <translation>タイ語 (ISO 8859-11)</translation>
    </message>
    <message>
        <source>Baltic (ISO Latin 7)</source>
        <translation>バルト (ISO Latin 7)</translation>
    </message>
    <message>
        <source>Celtic (ISO Latin 8)</source>
        <translation>ケルト (ISO Latin 8)</translation>
    </message>
    <message>
        <source>Western (ISO Latin 9)</source>
        <translation>西欧 (ISO Latin 9)</translation>
    </message>
    <message>
        <source>Romanian (ISO Latin 10)</source>
        <translation>ルーマニア語 (ISO Latin 10)</translation>
    </message>
    <message>
        <source>Latin-US (DOS)</source>
        <translation>ラテン US (DOS)</translation>
    </message>
    <message>
        <source>Greek (DOS)</source>
        <translation>ギリシャ語 (DOS)</translation>
    </message>
    <message>
        <source>Baltic (DOS)</source>
        <translation>バルト (DOS)</translation>
    </message>
    <message>
        <source>Western (DOS Latin 1)</source>
        <translation>西欧 (DOS Latin 1)</translation>
    </message>
    <message>
        <source>Central European (DOS Latin 2)</source>
        <translation>中欧 (DOS Latin 2)</translation>
    </message>
    <message>
        <source>Cyrillic (DOS)</source>
        <translation>キリル (DOS)</translation>
    </message>
    <message>
        <source>Turkish (DOS)</source>
        <translation>トルコ語 (DOS)</translation>
    </message>
    <message>
        <source>Portuguese (DOS)</source>
        <translation>ポルトガル語 (DOS)</translation>
    </message>
    <message>
        <source>Icelandic (DOS)</source>
        <translation>アイスランド語 (DOS)</translation>
    </message>
    <message>
        <source>Hebrew (DOS)</source>
        <translation>ヘブライ語 (DOS)</translation>
    </message>
    <message>
        <source>Canadian French (DOS)</source>
        <translation>カナダフランス語 (DOS)</translation>
    </message>
    <message>
        <source>Arabic (DOS)</source>
        <translation>アラビア語 (DOS)</translation>
    </message>
    <message>
        <source>Nordic (DOS)</source>
        <translation>北欧 (DOS)</translation>
    </message>
    <message>
        <source>Russian (DOS)</source>
        <translation>ロシア語 (DOS)</translation>
    </message>
    <message>
        <source>Greek (DOS Greek 2)</source>
        <translation>ギリシャ語 (DOS Greek 2)</translation>
    </message>
    <message>
        <source>Thai (Windows, DOS)</source>
        <translation>タイ語 (Windows, DOS)</translation>
    </message>
    <message>
        <source>Korean (Windows, DOS)</source>
        <translation>韓国語 (Windows, DOS)</translation>
    </message>
    <message>
        <source>Hebrew (Windows)</source>
        <translation>ヘブライ語 (Windows)</translation>
    </message>
    <message>
        <source>Arabic (Windows)</source>
        <translation>アラビア語 (Windows)</translation>
    </message>
    <message>
        <source>Baltic (Windows)</source>
        <translation>バルト (Windows)</translation>
    </message>
    <message>
        <source>Vietnamese (Windows)</source>
        <translation>ベトナム語 (Windows)</translation>
    </message>
    <message>
        <source>Simplified Chinese (GBK)</source>
        <translation>簡体字中国語 (GBK)</translation>
    </message>
    <message>
        <source>Simplified Chinese (GB 18030)</source>
        <translation>簡体字中国語 (GB 18030)</translation>
    </message>
    <message>
        <source>Japanese (ISO 2022-JP-2)</source>
        <translation>日本語 (ISO 2022-JP-2)</translation>
    </message>
    <message>
        <source>Japanese (ISO 2022-JP-1)</source>
        <translation>日本語 (ISO 2022-JP-1)</translation>
    </message>
    <message>
        <source>Chinese (ISO 2022-CN)</source>
        <translation>中国語 (ISO 2022-CN)</translation>
    </message>
    <message>
        <source>Chinese (ISO 2022-CN-EXT)</source>
        <translation>中国語 (ISO 2022-CN-EXT)</translation>
    </message>
    <message>
        <source>Korean (ISO 2022-KR)</source>
        <translation>韓国語 (ISO 2022-KR)</translation>
    </message>
    <message>
        <source>Simplified Chinese (GB 2312)</source>
        <translation>簡体字中国語 (GB 2312)</translation>
    </message>
    <message>
        <source>Traditional Chinese (EUC)</source>
        <translation>繁体字中国語 (EUC)</translation>
    </message>
    <message>
        <source>Korean (EUC)</source>
        <translation>韓国語 (EUC)</translation>
    </message>
    <message>
        <source>Cyrillic (KOI8-R)</source>
        <translation>キリル (KOI8-R)</translation>
    </message>
    <message>
        <source>Traditional Chinese (Big 5)</source>
        <translation>繁体字中国語 (Big 5)</translation>
    </message>
    <message>
        <source>Simplified Chinese (HZ GB 2312)</source>
        <translation>簡体字中国語 (HZ GB 2312)</translation>
    </message>
    <message>
        <source>Traditional Chinese (Big 5 HKSCS)</source>
        <translation>繁体字中国語 (Big 5 HKSCS)</translation>
    </message>
    <message>
        <source>Vietnamese (VISCII)</source>
        <translation>ベトナム語 (VISCII)</translation>
    </message>
    <message>
        <source>Ukrainian (KOI8-U)</source>
        <translation>ウクライナ語 (KOI8-U)</translation>
    </message>
    <message>
        <source>Western (EBCDIC Latin 1)</source>
        <translation>西欧 (EBCDIC Latin 1)</translation>
    </message>
    <message>
        <source>Unicode (UTF-7)</source>
        <translation>Unicode (UTF-7)</translation>
    </message>
    <message>
        <source>Unicode (UTF-32)</source>
        <translation>Unicode (UTF-32)</translation>
    </message>
    <message>
        <source>Unicode (UTF-16BE)</source>
        <translation>Unicode (UTF-16BE)</translation>
    </message>
    <message>
        <source>Unicode (UTF-16LE)</source>
        <translation>Unicode (UTF-16LE)</translation>
    </message>
    <message>
        <source>Unicode (UTF-32BE)</source>
        <translation>Unicode (UTF-32BE)</translation>
    </message>
    <message>
        <source>Unicode (UTF-32LE)</source>
        <translation>Unicode (UTF-32LE)</translation>
    </message>
    <message>
        <source>Detect automatically</source>
        <translation>自動検出</translation>
    </message>
    <message>
        <source>South European (ISO Latin 3)</source>
        <translation>南欧 (ISO Latin 3)</translation>
    </message>
    <message>
        <source>North European (ISO Latin 4)</source>
        <translation>北欧 (ISO Latin 4)</translation>
    </message>
</context>
<context>
    <name>TemporaryBase</name>
    <message>
        <source>TMPDIR (%1) is not an absolute path</source>
        <translation>TMPDIR (%1) は絶対パスではありません</translation>
    </message>
    <message>
        <source>TMPDIR (%1) is not an existing folder</source>
        <translation>TMPDIR (%1) は既存のフォルダーではありません</translation>
    </message>
    <message>
        <source>TMPDIR (%1) belongs to another user and is not a shared temporary folder</source>
        <translation>TMPDIR (%1) はほかのユーザーが所有しており、共有の一時フォルダーでもありません</translation>
    </message>
</context>
<context>
    <name>TemporaryFolder</name>
    <message>
        <source>no free name</source>
        <translation>使用できる名前がありません</translation>
    </message>
</context>
<context>
    <name>TnefCommand</name>
    <message>
        <source>Usage: sweepwright-cli tnef FILE [-C DIR] [options]
Writes the attachments and message bodies of a winmail.dat (TNEF) file into DIR
(default: the current folder). FILE &quot;-&quot; reads standard input.
Without any of the options below it saves every body as MailBody.rtf, .html and .txt.

  -C DIR               write into DIR (created when missing)
  --verbose            print a line per file and the warnings
  --debug              dump every attribute and property
  --list               write nothing, list what would be written
  --use-paths          keep the folders of Windows paths (never above DIR)
  --absolute-paths     with --use-paths, keep a leading folder separator (still inside DIR)
  --overwrite          overwrite existing files
  --interactive        ask before writing each file
  --number-backups     write NAME.1, NAME.2 ... instead of skipping an existing NAME
  --save-body[=PREF]   save the bodies; PREF is &quot;all&quot; (default) or up to three of r, h, t
                       (RTF, HTML, text): the first kind present is saved
  --body-name NAME     base name of the body files (default MailBody)
  --mime               also list the MIME type and content ID
  --ignore-checksum    warn about a wrong checksum instead of stopping
  --tolerate-props     drop a damaged property block instead of stopping
  --tolerate-trailer   accept a trailing carriage return and line feed quietly
  --unix-safe          also escape non-ASCII bytes and shell characters in names
  --maxsize N          refuse any single allocation above N bytes
  --dry-run            the same as --list
  --help               show this text
  -V, --version        show the version
</source>
        <translation>使用法: sweepwright-cli tnef FILE [-C DIR] [オプション]
winmail.dat (TNEF) ファイルの添付ファイルとメッセージ本文を DIR に書き出します
(既定: 現在のフォルダー)。FILE に &quot;-&quot; を指定すると標準入力から読み込みます。
オプションを指定しない場合は、すべての本文を MailBody.rtf、.html、.txt として保存します。

  -C DIR               DIR に書き出します (存在しない場合は作成します)
  --verbose            ファイルごとに 1 行と、警告を表示します
  --debug              すべての属性とプロパティをダンプします
  --list               何も書き出さず、書き出されるものを一覧表示します
  --use-paths          Windows パスのフォルダーを保持します (DIR より上には出ません)
  --absolute-paths     --use-paths と併用し、先頭のフォルダー区切りを残します (DIR 内のまま)
  --overwrite          既存のファイルを上書きします
  --interactive        各ファイルを書き出す前に確認します
  --number-backups     既存の NAME をスキップせず、NAME.1、NAME.2 ... として書き出します
  --save-body[=PREF]   本文を保存します。PREF は &quot;all&quot; (既定) か、r、h、t のうち 3 つまで
                       (RTF、HTML、テキスト)。指定順で最初に存在する種類を保存します
  --body-name NAME     本文ファイルのベース名 (既定 MailBody)
  --mime               MIME タイプとコンテンツ ID も一覧表示します
  --ignore-checksum    チェックサムが違っていても中止せず、警告します
  --tolerate-props     破損したプロパティブロックを、中止せずに破棄します
  --tolerate-trailer   末尾の復帰文字と改行文字を黙って受け入れます
  --unix-safe          名前に含まれる非 ASCII バイトとシェルの特殊文字もエスケープします
  --maxsize N          N バイトを超える 1 回の割り当てを拒否します
  --dry-run            --list と同じです
  --help               このテキストを表示します
  -V, --version        バージョンを表示します
</translation>
    </message>
    <message>
        <source>%1 needs a folder</source>
        <translation>%1 にはフォルダーが必要です</translation>
    </message>
    <message>
        <source>%1 needs a name</source>
        <translation>%1 には名前が必要です</translation>
    </message>
    <message>
        <source>%1 needs a number of bytes</source>
        <translation>%1 にはバイト数が必要です</translation>
    </message>
    <message>
        <source>--save-body takes &quot;all&quot; or up to three of r, h, t</source>
        <translation>--save-body には &quot;all&quot;、または r、h、t のうち 3 つまでを指定してください</translation>
    </message>
</context>
<context>
    <name>ToolCommand</name>
    <message>
        <source>Scanning</source>
        <translation>スキャン中</translation>
    </message>
    <message>
        <source>Removing</source>
        <translation>削除中</translation>
    </message>
</context>
<context>
    <name>Trash</name>
    <message>
        <source>no free name in the trash</source>
        <translation>ゴミ箱内に使用できる名前がありません</translation>
    </message>
    <message>
        <source>no trash on its file system (%1)</source>
        <translation>このファイルシステムにはゴミ箱がありません (%1)</translation>
    </message>
    <message>
        <source>not an absolute path of an item</source>
        <translation>項目の絶対パスではありません</translation>
    </message>
</context>
<context>
    <name>TrashRestore</name>
    <message>
        <source>its record in the Trash is missing</source>
        <translation>ゴミ箱内の記録がありません</translation>
    </message>
    <message>
        <source>not an item of a Trash</source>
        <translation>ゴミ箱の項目ではありません</translation>
    </message>
    <message>
        <source>it is no longer in the Trash</source>
        <translation>もうゴミ箱にありません</translation>
    </message>
    <message>
        <source>its folder %1 is no longer there</source>
        <translation>フォルダー %1 がもうありません</translation>
    </message>
    <message>
        <source>the Trash&apos;s record names another place: %1</source>
        <translation>ゴミ箱の記録が別の場所を示しています: %1</translation>
    </message>
    <message>
        <source>something of that name is there now</source>
        <translation>同じ名前のものが現在そこにあります</translation>
    </message>
</context>
<context>
    <name>UserSystemctl</name>
    <message>
        <source>systemctl did not answer in time</source>
        <translation>systemctl が時間内に応答しませんでした</translation>
    </message>
    <message>
        <source>systemd is not installed here (no systemctl).</source>
        <translation>ここには systemd がインストールされていません（systemctl がありません）。</translation>
    </message>
    <message>
        <source>No systemd user session is running (systemctl --user says: %1).</source>
        <translation>systemd のユーザーセッションが動いていません（systemctl --user の応答: %1）。</translation>
    </message>
    <message>
        <source>nothing</source>
        <translation>応答なし</translation>
    </message>
    <message>
        <source>systemctl could not be started</source>
        <translation>systemctl を起動できませんでした</translation>
    </message>
    <message>
        <source>%1 failed</source>
        <translation>%1 に失敗しました</translation>
    </message>
    <message>
        <source>%1 failed: %2</source>
        <translation>%1 に失敗しました: %2</translation>
    </message>
</context>
<context>
    <name>XADSimpleUnarchiver</name>
    <message>
        <source>Password required</source>
        <translation>パスワードが必要です</translation>
    </message>
    <message>
        <source>Wrong password</source>
        <translation>パスワードが違います</translation>
    </message>
    <message>
        <source>Not enough free space</source>
        <translation>空き容量が足りません</translation>
    </message>
    <message>
        <source>This archive format is not supported</source>
        <translation>このアーカイブ形式には対応していません</translation>
    </message>
    <message>
        <source>the entry was cut short</source>
        <translation>エントリーが途中で切れています</translation>
    </message>
    <message>
        <source>%1 came out with %2 of its %3 bytes</source>
        <translation>%1 は %3 バイト中 %2 バイトしか展開されませんでした</translation>
    </message>
    <message>
        <source>The extracted items could not be checked</source>
        <translation>展開した項目を確認できませんでした</translation>
    </message>
    <message>
        <source>Cannot create the folder %1</source>
        <translation>フォルダー %1 を作成できません</translation>
    </message>
    <message>
        <source>the name leads outside the destination</source>
        <translation>名前が展開先の外を指しています</translation>
    </message>
    <message>
        <source>the name is empty</source>
        <translation>名前が空です</translation>
    </message>
    <message>
        <source>special files (devices, FIFOs, sockets) are not extracted</source>
        <translation>特殊ファイル (デバイス、FIFO、ソケット) は展開しません</translation>
    </message>
</context>
<context>
    <name>centered_textfield</name>
    <message>
        <source>Copy</source>
        <translation>コピー</translation>
    </message>
</context>
<context>
    <name>clirun</name>
    <message>
        <source>Would remove: %1</source>
        <translation>削除予定: %1</translation>
    </message>
    <message>
        <source>Removed: %1</source>
        <translation>削除しました: %1</translation>
    </message>
    <message>
        <source>Removed %1 in total.</source>
        <translation>合計 %1 を削除しました。</translation>
    </message>
    <message numerus="yes">
        <source>Removed %1 in total; %n item(s) could not be removed (%2).</source>
        <translation>
            <numerusform>合計 %1 を削除しました。%n 個の項目 (%2) を削除できませんでした。</numerusform>
        </translation>
    </message>
    <message>
        <source>Would move to the Trash: %1</source>
        <translation>ゴミ箱に移動予定: %1</translation>
    </message>
    <message>
        <source>Moved to the Trash: %1</source>
        <translation>ゴミ箱に移動しました: %1</translation>
    </message>
    <message>
        <source>Moved to the Trash %1 in total.</source>
        <translation>合計 %1 をゴミ箱に移動しました。</translation>
    </message>
    <message numerus="yes">
        <source>Moved to the Trash %1 in total; %n item(s) could not be removed (%2).</source>
        <translation>
            <numerusform>合計 %1 をゴミ箱に移動しました。%n 個の項目 (%2) をゴミ箱に移動できませんでした。</numerusform>
        </translation>
    </message>
    <message>
        <source>Would shred: %1</source>
        <translation>完全削除予定: %1</translation>
    </message>
    <message>
        <source>Shredded: %1</source>
        <translation>完全削除しました: %1</translation>
    </message>
    <message>
        <source>Shredded %1 in total.</source>
        <translation>合計 %1 を完全削除しました。</translation>
    </message>
    <message numerus="yes">
        <source>Shredded %1 in total; %n item(s) could not be removed (%2).</source>
        <translation>
            <numerusform>合計 %1 を完全削除しました。%n 個の項目 (%2) を削除できませんでした。</numerusform>
        </translation>
    </message>
    <message>
        <source>y</source>
        <comment>the short answer yes to a [y/N] question</comment>
        <translation>ｙ</translation>
    </message>
    <message>
        <source>yes</source>
        <comment>the answer to a [y/N] question</comment>
        <translation>はい</translation>
    </message>
    <message>
        <source>%1?</source>
        <comment>a removal asked for: &quot;Delete 12 items (3.40 MB)&quot;</comment>
        <translation>%1: よろしいですか?</translation>
    </message>
    <message>
        <source>nothing removed: confirm with --yes (or answer on a terminal); --dry-run shows what would go</source>
        <translation>何も削除しませんでした: --yes で確定するか、端末で応答してください。--dry-run で削除されるものを表示できます</translation>
    </message>
    <message>
        <source>%1 [y/N] </source>
        <translation>%1 [y/N] </translation>
    </message>
    <message>
        <source>Could not remove %1: %2</source>
        <translation>%1 を削除できませんでした: %2</translation>
    </message>
    <message>
        <source>Nothing was removed (--dry-run).</source>
        <translation>何も削除しませんでした (--dry-run)。</translation>
    </message>
    <message>
        <source>Would replace with a link: %1</source>
        <translation>リンクに置き換える予定: %1</translation>
    </message>
    <message>
        <source>Replaced with a link: %1</source>
        <translation>リンクに置き換えました: %1</translation>
    </message>
    <message>
        <source>Freed %1 in total.</source>
        <translation>合計 %1 を解放しました。</translation>
    </message>
    <message numerus="yes">
        <source>Freed %1 in total; %n copy(s) could not be replaced (%2).</source>
        <translation>
            <numerusform>合計 %1 を解放しました。%n 個のコピーを置き換えられませんでした (%2)。</numerusform>
        </translation>
    </message>
    <message>
        <source>Could not replace %1: %2</source>
        <translation>%1 を置き換えられませんでした: %2</translation>
    </message>
</context>
<context>
    <name>sw::AboutDialog</name>
    <message>
        <source>About Sweepwright</source>
        <translation>Sweepwright について</translation>
    </message>
    <message>
        <source>Licence: GNU General Public License, version 3 or later (GPL-3.0-or-later)</source>
        <translation>ライセンス: GNU General Public License バージョン 3 以降 (GPL-3.0-or-later)</translation>
    </message>
    <message>
        <source>Libraries in use</source>
        <translation>使用しているライブラリ</translation>
    </message>
    <message>
        <source>Read the README</source>
        <translation>README を読む</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>バージョン %1</translation>
    </message>
    <message>
        <source>Finds what takes room on a Linux desktop and removes what you choose.</source>
        <translation>Linux デスクトップで容量を占めているものを見つけ、選んだものを削除します。</translation>
    </message>
    <message>
        <source>asking…</source>
        <translation>確認中…</translation>
    </message>
    <message>
        <source>%1 version</source>
        <translation>%1 のバージョン</translation>
    </message>
</context>
<context>
    <name>sw::AccessibleControls</name>
    <message>
        <source>Clear</source>
        <translation>クリア</translation>
    </message>
</context>
<context>
    <name>sw::AgeLimitControl</name>
    <message>
        <source>%1: days</source>
        <translation>%1: 日数</translation>
    </message>
    <message numerus="yes">
        <source>day(s)</source>
        <extracomment>After the number of an age limit: &quot;Only files older than [30] days&quot;</extracomment>
        <translation>
            <numerusform>日</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>sw::ArchiveReader</name>
    <message numerus="yes">
        <source>Damaged archive: no progress for %n seconds</source>
        <translation>
            <numerusform>破損したアーカイブ: %n 秒間処理が進みません</numerusform>
        </translation>
    </message>
    <message>
        <source>Damaged archive: the reader ended on it</source>
        <translation>破損したアーカイブ: 読み込み処理が途中で終了しました</translation>
    </message>
    <message>
        <source>Damaged archive: the same entry header came twice</source>
        <translation>破損したアーカイブ: 同じエントリーヘッダーが 2 回現れました</translation>
    </message>
</context>
<context>
    <name>sw::DesktopNotifier</name>
    <message>
        <source>Show</source>
        <translation>表示</translation>
    </message>
</context>
<context>
    <name>sw::DupItemModel</name>
    <message>
        <source>%1
One copy of every file is always kept.</source>
        <translation>%1
各ファイルのコピーは必ず 1 個残ります。</translation>
    </message>
    <message>
        <source>%1
In a reference folder: this copy is an original and is never selected.</source>
        <translation>%1
参照フォルダー内：このコピーはオリジナルのため、選択されません。</translation>
    </message>
    <message>
        <source>Reference</source>
        <extracomment>Beside a copy in a folder of originals; short</extracomment>
        <translation>参照</translation>
    </message>
    <message>
        <source>%1
Modified more recently than the scan&apos;s age limit: this copy stays and is never selected.</source>
        <translation>%1
スキャンの日数制限より新しく変更されています。このコピーは残り、選択されることはありません。</translation>
    </message>
</context>
<context>
    <name>sw::DupKeepRule</name>
    <message>
        <source>Best original</source>
        <translation>最適なオリジナル</translation>
    </message>
    <message>
        <source>Oldest</source>
        <translation>最も古いもの</translation>
    </message>
    <message>
        <source>Newest</source>
        <translation>最も新しいもの</translation>
    </message>
    <message>
        <source>Shortest path</source>
        <translation>最も短いパス</translation>
    </message>
    <message>
        <source>First found</source>
        <translation>最初に見つかったもの</translation>
    </message>
</context>
<context>
    <name>sw::DupLinkButton</name>
    <message>
        <source>Replace with Links</source>
        <translation>リンクに置き換え</translation>
    </message>
    <message>
        <source>Each selected copy becomes a link to the copy its group keeps</source>
        <translation>選択した各コピーを、そのグループで残すコピーへのリンクにします</translation>
    </message>
    <message>
        <source>Replace with Links: each selected copy becomes a link to the copy its group keeps</source>
        <translation>リンクに置き換え: 選択した各コピーを、そのグループで残すコピーへのリンクにします</translation>
    </message>
    <message>
        <source>Kind of link</source>
        <translation>リンクの種類</translation>
    </message>
    <message>
        <source>Hard Links</source>
        <translation>ハードリンク</translation>
    </message>
    <message>
        <source>Reflinks</source>
        <translation>reflink</translation>
    </message>
    <message>
        <source>Symbolic Links</source>
        <translation>シンボリックリンク</translation>
    </message>
    <message>
        <source>Hard links: each copy&apos;s name leads to the kept file; copies on another file system stay.</source>
        <translation>ハードリンク: 各コピーの名前が残すファイルを指します。別のファイルシステムにあるコピーはそのままです。</translation>
    </message>
    <message>
        <source>Reflinks: each copy stays a file of its own that shares the kept file&apos;s data, where the file system can.</source>
        <translation>reflink: ファイルシステムが対応していれば、各コピーは独立したファイルのまま、残すファイルとデータを共有します。</translation>
    </message>
    <message>
        <source>Symbolic links: each copy becomes a link to the kept file&apos;s path.</source>
        <translation>シンボリックリンク: 各コピーを残すファイルのパスへのリンクにします。</translation>
    </message>
</context>
<context>
    <name>sw::EntryWriter</name>
    <message>
        <source>a folder of its path is a link or a file</source>
        <translation>パスの途中のフォルダーがリンクまたはファイルです</translation>
    </message>
    <message>
        <source>an item of that name exists</source>
        <translation>同じ名前の項目が存在します</translation>
    </message>
    <message>
        <source>the name is too long</source>
        <translation>名前が長すぎます</translation>
    </message>
    <message>
        <source>Not enough free space</source>
        <translation>空き容量が足りません</translation>
    </message>
    <message>
        <source>hard link to an item that was not extracted</source>
        <translation>展開されなかった項目へのハードリンクです</translation>
    </message>
    <message>
        <source>link leads outside the destination</source>
        <translation>リンクが展開先の外を指しています</translation>
    </message>
</context>
<context>
    <name>sw::FileLink</name>
    <message>
        <source>it changed since the scan</source>
        <translation>スキャン後に変更されています</translation>
    </message>
    <message>
        <source>it is not below the folder it was found in</source>
        <translation>見つかったフォルダーの下にありません</translation>
    </message>
    <message>
        <source>it belongs to another user</source>
        <translation>別のユーザーのファイルです</translation>
    </message>
    <message>
        <source>the kept copy is on another file system: a hard link cannot reach it</source>
        <translation>残すコピーが別のファイルシステムにあります: ハードリンクでは参照できません</translation>
    </message>
    <message>
        <source>the file system cannot share data between files (reflink)</source>
        <translation>このファイルシステムはファイル間でデータを共有できません (reflink)</translation>
    </message>
    <message>
        <source>the link is in place, but the old copy stays as %1: %2</source>
        <translation>リンクは作成されましたが、古いコピーが %1 として残っています: %2</translation>
    </message>
    <message>
        <source>it is the kept copy itself</source>
        <translation>残すコピーそのものです</translation>
    </message>
    <message>
        <source>the kept copy is on another file system: a reflink cannot reach it</source>
        <translation>残すコピーが別のファイルシステムにあります: reflink では参照できません</translation>
    </message>
</context>
<context>
    <name>sw::FolderListModel</name>
    <message>
        <source>%1
Reference folder: its copies are the originals and are never selected.</source>
        <translation>%1
参照フォルダー：この中のコピーはオリジナルで、選択されません。</translation>
    </message>
    <message>
        <source>Reference folder</source>
        <translation>参照フォルダー</translation>
    </message>
</context>
<context>
    <name>sw::FolderListPanel</name>
    <message>
        <source>Folders to scan</source>
        <translation>スキャンするフォルダー</translation>
    </message>
    <message>
        <source>Drop folders here</source>
        <translation>フォルダーをここにドロップ</translation>
    </message>
    <message>
        <source>Add Files…</source>
        <translation>ファイルを追加…</translation>
    </message>
    <message>
        <source>Add Folders…</source>
        <translation>フォルダーを追加…</translation>
    </message>
    <message>
        <source>Add Folder…</source>
        <translation>フォルダーを追加…</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>追加</translation>
    </message>
    <message>
        <source>Choose Folders</source>
        <translation>フォルダーを選択</translation>
    </message>
    <message>
        <source>Choose Files</source>
        <translation>ファイルを選択</translation>
    </message>
</context>
<context>
    <name>sw::FolderScanPage</name>
    <message>
        <source>&amp;Scan</source>
        <translation>検索(&amp;S)</translation>
    </message>
    <message>
        <source>Only files older than</source>
        <translation>次より古いファイルのみ</translation>
    </message>
    <message>
        <source>Only files older than a number of days</source>
        <translation>指定した日数より古いファイルのみ</translation>
    </message>
    <message>
        <source>Leave out files modified more recently; among duplicates, newer copies stay.</source>
        <translation>最近変更したファイルを除きます。重複ファイルでは新しいコピーが残ります。</translation>
    </message>
</context>
<context>
    <name>sw::GhostscriptVersion</name>
    <message>
        <source>did not answer</source>
        <translation>応答がありません</translation>
    </message>
    <message>
        <source>could not be run</source>
        <translation>実行できませんでした</translation>
    </message>
    <message>
        <source>could not tell its version</source>
        <translation>バージョンを取得できませんでした</translation>
    </message>
    <message>
        <source>not found</source>
        <translation>見つかりません</translation>
    </message>
</context>
<context>
    <name>sw::GroupItemModel</name>
    <message>
        <source>Needs administrator rights</source>
        <translation>管理者権限が必要です</translation>
    </message>
</context>
<context>
    <name>sw::HistoryPage</name>
    <message>
        <source>History</source>
        <translation>履歴</translation>
    </message>
    <message>
        <source>What each tool removed, newest first. What went to the Trash can be put back where it was.</source>
        <translation>各ツールが削除したものを新しい順に表示します。ゴミ箱に移動したものは元の場所に戻せます。</translation>
    </message>
    <message>
        <source>When</source>
        <translation>日時</translation>
    </message>
    <message>
        <source>Tool</source>
        <translation>ツール</translation>
    </message>
    <message>
        <source>What became of it</source>
        <translation>結果</translation>
    </message>
    <message>
        <source>Removals</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>項目</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>サイズ</translation>
    </message>
    <message>
        <source>Items of the chosen removal</source>
        <translation>選択した削除の項目</translation>
    </message>
    <message>
        <source>Nothing has been removed yet.</source>
        <translation>まだ何も削除していません。</translation>
    </message>
    <message>
        <source>&amp;Put Back</source>
        <translation>元に戻す(&amp;P)</translation>
    </message>
    <message>
        <source>Returns what this removal moved to the Trash to where it was</source>
        <translation>この削除でゴミ箱に移動したものを元の場所に戻します</translation>
    </message>
    <message>
        <source>Nothing of this removal is in the Trash: it cannot be put back.</source>
        <translation>この削除のものはゴミ箱にありません: 元に戻せません。</translation>
    </message>
    <message numerus="yes">
        <source>%n item(s) put back.</source>
        <translation>
            <numerusform>%n 個の項目を元に戻しました。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n item(s) could not be put back; the list says why.</source>
        <translation>
            <numerusform>%n 個の項目を元に戻せませんでした。理由は一覧に示しています。</numerusform>
        </translation>
    </message>
    <message>
        <source>The history could not be written: %1</source>
        <translation>履歴を書き込めませんでした: %1</translation>
    </message>
</context>
<context>
    <name>sw::ImagePreview</name>
    <message>
        <source>This image cannot be shown.</source>
        <translation>この画像は表示できません。</translation>
    </message>
</context>
<context>
    <name>sw::LibraryVersions</name>
    <message>
        <source>%1 (built with)</source>
        <translation>%1 (ビルド時)</translation>
    </message>
</context>
<context>
    <name>sw::MediaPreview</name>
    <message>
        <source>This file cannot be played.</source>
        <translation>このファイルは再生できません。</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>一時停止</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>再生</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>再生位置</translation>
    </message>
</context>
<context>
    <name>sw::NothingFoundPage</name>
    <message>
        <source>&amp;Back</source>
        <translation>戻る(&amp;B)</translation>
    </message>
</context>
<context>
    <name>sw::PackageKitTransaction</name>
    <message>
        <source>cancelled</source>
        <translation>キャンセルされました</translation>
    </message>
    <message>
        <source>PackageKit ended the transaction with exit code %1</source>
        <translation>PackageKit がトランザクションを終了コード %1 で終了しました</translation>
    </message>
    <message>
        <source>PackageKit gave no transaction</source>
        <translation>PackageKit からトランザクションが返されませんでした</translation>
    </message>
    <message>
        <source>PackageKit left the bus</source>
        <translation>PackageKit がバスから切断されました</translation>
    </message>
    <message>
        <source>PackageKit did not take the request</source>
        <translation>PackageKit が要求を受け付けませんでした</translation>
    </message>
    <message>
        <source>PackageKit stopped answering</source>
        <translation>PackageKit が応答しなくなりました</translation>
    </message>
    <message>
        <source>PackageKit dropped the transaction before it finished</source>
        <translation>PackageKit が完了前にトランザクションを破棄しました</translation>
    </message>
</context>
<context>
    <name>sw::PdfPreview</name>
    <message>
        <source>This PDF document cannot be opened.</source>
        <translation>この PDF ドキュメントは開けません。</translation>
    </message>
    <message>
        <source>This PDF document is locked.</source>
        <translation>この PDF ドキュメントはロックされています。</translation>
    </message>
    <message>
        <source>This PDF document has no pages.</source>
        <translation>この PDF ドキュメントにはページがありません。</translation>
    </message>
    <message>
        <source>This PDF document cannot be shown.</source>
        <translation>この PDF ドキュメントは表示できません。</translation>
    </message>
    <message numerus="yes">
        <source>Showing the first %1 of %n pages.</source>
        <translation>
            <numerusform>全 %n ページのうち、最初の %1 ページを表示しています。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>sw::PreviewDialog</name>
    <message>
        <source>Open</source>
        <translation>開く</translation>
    </message>
</context>
<context>
    <name>sw::PreviewPane</name>
    <message>
        <source>This file cannot be shown: the viewers plugin is missing or broken.</source>
        <translation>このファイルは表示できません。ビューアーのプラグインが見つからないか、壊れています。</translation>
    </message>
</context>
<context>
    <name>sw::RemovalDetailsDialog</name>
    <message>
        <source>Details</source>
        <translation>詳細</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>項目</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>結果</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>コピー</translation>
    </message>
</context>
<context>
    <name>sw::RemovalPage</name>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>詳細</translation>
    </message>
    <message>
        <source>Cancelling…</source>
        <translation>キャンセルしています…</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>items done, their size</comment>
        <translation>%1、%2</translation>
    </message>
    <message>
        <source>Stopped: the rest was left as it was</source>
        <translation>中止しました: 残りはそのままです</translation>
    </message>
    <message>
        <source>Refused: %1</source>
        <translation>拒否しました: %1</translation>
    </message>
    <message>
        <source>Went with its folder, counted there</source>
        <translation>フォルダーごと処理済み (フォルダー側で集計)</translation>
    </message>
    <message>
        <source>&amp;Done</source>
        <translation>完了(&amp;D)</translation>
    </message>
</context>
<context>
    <name>sw::RemovalWording</name>
    <message numerus="yes">
        <source>Delete %Ln item(s) (%1)</source>
        <translation>
            <numerusform>%Ln 個の項目を削除 (%1)</numerusform>
        </translation>
    </message>
    <message>
        <source>Deleted items do not go to the Trash.</source>
        <translation>削除した項目はゴミ箱に移動されません。</translation>
    </message>
    <message numerus="yes">
        <source>Move %Ln item(s) to the Trash (%1)</source>
        <translation>
            <numerusform>%Ln 個の項目をゴミ箱に移動 (%1)</numerusform>
        </translation>
    </message>
    <message>
        <source>Items moved to the Trash can be restored from there.</source>
        <translation>ゴミ箱に移動した項目は、ゴミ箱から元に戻せます。</translation>
    </message>
    <message numerus="yes">
        <source>Remove %Ln item(s) (%1)</source>
        <translation>
            <numerusform>%Ln 個の項目を削除 (%1)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Uninstall %Ln application(s) (%1)</source>
        <translation>
            <numerusform>%Ln 個のアプリケーションをアンインストール (%1)</numerusform>
        </translation>
    </message>
    <message>
        <source>Their files are deleted, not moved to the Trash.</source>
        <translation>ファイルはゴミ箱に移動されず、削除されます。</translation>
    </message>
    <message>
        <source>Packages are removed by the package manager; files of yours go to the Trash, where you can restore them.</source>
        <translation>パッケージはパッケージマネージャーによって削除されます。ユーザーが所有するファイルはゴミ箱に移動し、そこから元に戻せます。</translation>
    </message>
    <message numerus="yes">
        <source>Shred %Ln item(s) (%1)</source>
        <translation>
            <numerusform>%Ln 個の項目を完全削除 (%1)</numerusform>
        </translation>
    </message>
    <message>
        <source>Shredded items are removed at once and cannot be restored.</source>
        <translation>完全削除した項目はただちに削除され、元に戻すことはできません。</translation>
    </message>
    <message>
        <source>Deleting</source>
        <translation>削除しています</translation>
    </message>
    <message numerus="yes">
        <source>%Ln item(s) deleted</source>
        <translation>
            <numerusform>%Ln 個の項目を削除しました</numerusform>
        </translation>
    </message>
    <message>
        <source>Some items could not be deleted</source>
        <translation>一部の項目を削除できませんでした</translation>
    </message>
    <message>
        <source>Nothing was deleted</source>
        <translation>何も削除されませんでした</translation>
    </message>
    <message numerus="yes">
        <source>%Ln item(s) could not be deleted (%1)</source>
        <translation>
            <numerusform>%Ln 個の項目を削除できませんでした (%1)</numerusform>
        </translation>
    </message>
    <message>
        <source>Deleted (%1)</source>
        <translation>削除済み (%1)</translation>
    </message>
    <message>
        <source>Moving to the Trash</source>
        <translation>ゴミ箱に移動しています</translation>
    </message>
    <message numerus="yes">
        <source>%Ln item(s) moved to the Trash</source>
        <translation>
            <numerusform>%Ln 個の項目をゴミ箱に移動しました</numerusform>
        </translation>
    </message>
    <message>
        <source>Some items could not be moved to the Trash</source>
        <translation>一部の項目をゴミ箱に移動できませんでした</translation>
    </message>
    <message>
        <source>Nothing was moved to the Trash</source>
        <translation>何もゴミ箱に移動されませんでした</translation>
    </message>
    <message numerus="yes">
        <source>%Ln item(s) could not be moved to the Trash (%1)</source>
        <translation>
            <numerusform>%Ln 個の項目をゴミ箱に移動できませんでした (%1)</numerusform>
        </translation>
    </message>
    <message>
        <source>Moved to the Trash (%1)</source>
        <translation>ゴミ箱に移動済み (%1)</translation>
    </message>
    <message>
        <source>Removing</source>
        <translation>削除しています</translation>
    </message>
    <message numerus="yes">
        <source>%Ln item(s) removed</source>
        <translation>
            <numerusform>%Ln 個の項目を削除しました</numerusform>
        </translation>
    </message>
    <message>
        <source>Some items could not be removed</source>
        <translation>一部の項目を削除できませんでした</translation>
    </message>
    <message>
        <source>Nothing was removed</source>
        <translation>何も削除されませんでした</translation>
    </message>
    <message numerus="yes">
        <source>%Ln item(s) could not be removed (%1)</source>
        <translation>
            <numerusform>%Ln 個の項目を削除できませんでした (%1)</numerusform>
        </translation>
    </message>
    <message>
        <source>Removed (%1)</source>
        <translation>削除済み (%1)</translation>
    </message>
    <message>
        <source>Shredding</source>
        <translation>完全削除しています</translation>
    </message>
    <message numerus="yes">
        <source>%Ln item(s) shredded</source>
        <translation>
            <numerusform>%Ln 個の項目を完全削除しました</numerusform>
        </translation>
    </message>
    <message>
        <source>Some items could not be shredded</source>
        <translation>一部の項目を完全削除できませんでした</translation>
    </message>
    <message>
        <source>Nothing was shredded</source>
        <translation>何も完全削除されませんでした</translation>
    </message>
    <message numerus="yes">
        <source>%Ln item(s) could not be shredded (%1)</source>
        <translation>
            <numerusform>%Ln 個の項目を完全削除できませんでした (%1)</numerusform>
        </translation>
    </message>
    <message>
        <source>Shredded (%1)</source>
        <translation>完全削除済み (%1)</translation>
    </message>
    <message>
        <source>Delete junk files?</source>
        <translation>不要ファイルを削除しますか?</translation>
    </message>
    <message>
        <source>Move junk files to the Trash?</source>
        <translation>不要ファイルをゴミ箱に移動しますか?</translation>
    </message>
    <message>
        <source>Junk files deleted</source>
        <translation>不要ファイルを削除しました</translation>
    </message>
    <message>
        <source>Junk files moved to the Trash</source>
        <translation>不要ファイルをゴミ箱に移動しました</translation>
    </message>
    <message>
        <source>Delete large files?</source>
        <translation>大きなファイルを削除しますか?</translation>
    </message>
    <message>
        <source>Move large files to the Trash?</source>
        <translation>大きなファイルをゴミ箱に移動しますか?</translation>
    </message>
    <message>
        <source>Large files deleted</source>
        <translation>大きなファイルを削除しました</translation>
    </message>
    <message>
        <source>Large files moved to the Trash</source>
        <translation>大きなファイルをゴミ箱に移動しました</translation>
    </message>
    <message>
        <source>Delete duplicates?</source>
        <translation>重複ファイルを削除しますか?</translation>
    </message>
    <message>
        <source>Move duplicates to the Trash?</source>
        <translation>重複ファイルをゴミ箱に移動しますか?</translation>
    </message>
    <message>
        <source>Duplicates deleted</source>
        <translation>重複ファイルを削除しました</translation>
    </message>
    <message>
        <source>Duplicates moved to the Trash</source>
        <translation>重複ファイルをゴミ箱に移動しました</translation>
    </message>
    <message numerus="yes">
        <source>Uninstall %Ln application(s)?</source>
        <translation>
            <numerusform>%Ln 個のアプリケーションをアンインストールしますか?</numerusform>
        </translation>
    </message>
    <message>
        <source>Applications uninstalled</source>
        <translation>アプリケーションをアンインストールしました</translation>
    </message>
    <message numerus="yes">
        <source>Remove %Ln extension(s)?</source>
        <translation>
            <numerusform>%Ln 個の拡張機能を削除しますか?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Move %Ln extension(s) to the Trash?</source>
        <translation>
            <numerusform>%Ln 個の拡張機能をゴミ箱に移動しますか?</numerusform>
        </translation>
    </message>
    <message>
        <source>Extensions removed</source>
        <translation>拡張機能を削除しました</translation>
    </message>
    <message>
        <source>Extensions moved to the Trash</source>
        <translation>拡張機能をゴミ箱に移動しました</translation>
    </message>
    <message numerus="yes">
        <source>Shred %Ln item(s)?</source>
        <translation>
            <numerusform>%Ln 個の項目を完全削除しますか?</numerusform>
        </translation>
    </message>
    <message>
        <source>Items shredded</source>
        <translation>項目を完全削除しました</translation>
    </message>
    <message numerus="yes">
        <source>%Ln item(s) were refused</source>
        <translation>
            <numerusform>%Ln 個の項目を拒否しました</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>削除(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Move to the Trash</source>
        <translation>ゴミ箱に移動(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>削除(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Uninstall</source>
        <translation>アンインストール(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Shred</source>
        <translation>完全削除(&amp;S)</translation>
    </message>
    <message>
        <source>Replace with &amp;Links</source>
        <translation>リンクに置き換え(&amp;L)</translation>
    </message>
    <message numerus="yes">
        <source>Replace %Ln copy(s) with links (%1)</source>
        <translation>
            <numerusform>%Ln 個のコピーをリンクに置き換え (%1)</numerusform>
        </translation>
    </message>
    <message>
        <source>Each copy is compared again and becomes a link to the copy kept, which stays as it is.</source>
        <translation>各コピーをもう一度比較し、残すコピーへのリンクにします。残すコピーはそのままです。</translation>
    </message>
    <message>
        <source>Replacing with links</source>
        <translation>リンクに置き換え中</translation>
    </message>
    <message numerus="yes">
        <source>%Ln copy(s) replaced with links</source>
        <translation>
            <numerusform>%Ln 個のコピーをリンクに置き換えました</numerusform>
        </translation>
    </message>
    <message>
        <source>Some copies could not be replaced</source>
        <translation>一部のコピーを置き換えられませんでした</translation>
    </message>
    <message>
        <source>No copy was replaced</source>
        <translation>置き換えたコピーはありません</translation>
    </message>
    <message numerus="yes">
        <source>%Ln copy(s) could not be replaced (%1)</source>
        <translation>
            <numerusform>%Ln 個のコピーを置き換えられませんでした (%1)</numerusform>
        </translation>
    </message>
    <message>
        <source>Replaced with a link (%1 freed)</source>
        <translation>リンクに置き換えました (%1 解放)</translation>
    </message>
    <message>
        <source>Replace duplicates with links?</source>
        <translation>重複ファイルをリンクに置き換えますか?</translation>
    </message>
    <message>
        <source>Duplicates replaced with links</source>
        <translation>重複ファイルをリンクに置き換えました</translation>
    </message>
    <message>
        <source>Delete empty and broken items?</source>
        <translation>空の項目と壊れた項目を削除しますか?</translation>
    </message>
    <message>
        <source>Move empty and broken items to the Trash?</source>
        <translation>空の項目と壊れた項目をゴミ箱に移動しますか?</translation>
    </message>
    <message>
        <source>Empty and broken items deleted</source>
        <translation>空の項目と壊れた項目を削除しました</translation>
    </message>
    <message>
        <source>Empty and broken items moved to the Trash</source>
        <translation>空の項目と壊れた項目をゴミ箱に移動しました</translation>
    </message>
</context>
<context>
    <name>sw::ResultBottomBar</name>
    <message>
        <source>Deselect</source>
        <translation>選択解除</translation>
    </message>
    <message>
        <source>Selected:</source>
        <translation>選択済み:</translation>
    </message>
    <message>
        <source>Total:</source>
        <translation>合計:</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>選択</translation>
    </message>
    <message>
        <source>Start &amp;Over</source>
        <translation>最初からやり直す(&amp;O)</translation>
    </message>
</context>
<context>
    <name>sw::ResultItemList</name>
    <message>
        <source>Search</source>
        <translation>検索</translation>
    </message>
    <message>
        <source>Sort by Size</source>
        <translation>サイズ順に並べ替え</translation>
    </message>
    <message>
        <source>Sort by Name</source>
        <translation>名前順に並べ替え</translation>
    </message>
    <message>
        <source>Search the items</source>
        <translation>項目を検索</translation>
    </message>
    <message>
        <source>Sort the items</source>
        <translation>項目を並べ替え</translation>
    </message>
    <message>
        <source>Items</source>
        <translation>項目</translation>
    </message>
    <message>
        <source>Item menu</source>
        <translation>項目メニュー</translation>
    </message>
    <message>
        <source>Never Touch This</source>
        <translation>今後触らない</translation>
    </message>
</context>
<context>
    <name>sw::ScanPage</name>
    <message>
        <source>%1 found %2</source>
        <comment>tool, size found</comment>
        <translation>%1: %2 見つかりました</translation>
    </message>
    <message>
        <source>Review the result and choose what to remove.</source>
        <translation>結果を確認して、削除するものを選択してください。</translation>
    </message>
    <message>
        <source>%1 found nothing</source>
        <comment>tool</comment>
        <translation>%1: 何も見つかりませんでした</translation>
    </message>
</context>
<context>
    <name>sw::ScanProgressPanel</name>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Scanning…</source>
        <translation>スキャンしています…</translation>
    </message>
    <message>
        <source>Nothing is removed until you confirm.</source>
        <translation>確認するまで何も削除されません。</translation>
    </message>
    <message>
        <source>Scanning</source>
        <translation>スキャン中</translation>
    </message>
    <message numerus="yes">
        <source>%Ln item(s) looked at</source>
        <translation>
            <numerusform>%Ln 個の項目を確認済み</numerusform>
        </translation>
    </message>
    <message>
        <source>Cancelling…</source>
        <translation>キャンセルしています…</translation>
    </message>
    <message>
        <source>Found %1</source>
        <translation>検出: %1</translation>
    </message>
</context>
<context>
    <name>sw::TextPreview</name>
    <message>
        <source>Only the beginning of this file is shown.</source>
        <translation>このファイルは先頭部分のみを表示しています。</translation>
    </message>
</context>
<context>
    <name>sw::ViewerFactory</name>
    <message>
        <source>%1 was not found in %2.</source>
        <translation>%2 に %1 が見つかりません。</translation>
    </message>
</context>
</TS>
