<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
<context>
    <name>AddLoginItemDialog</name>
    <message>
        <source>Add an Application</source>
        <translation>添加应用程序</translation>
    </message>
    <message>
        <source>Start an application when you log in</source>
        <translation>登录时启动一个应用程序</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>搜索</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>添加</translation>
    </message>
</context>
<context>
    <name>AdminPass</name>
    <message>
        <source>the administrator removal did not understand the request; left in place</source>
        <translation>管理员移除程序无法理解该请求；未移除</translation>
    </message>
    <message>
        <source>lies outside the places the administrator removal covers; left in place</source>
        <translation>不在管理员移除程序负责的位置之内；未移除</translation>
    </message>
    <message>
        <source>its folder changed while the password was asked for; left in place</source>
        <translation>在询问密码期间，其所在文件夹发生了变化；未移除</translation>
    </message>
    <message>
        <source>is or lies in a protected folder; left in place</source>
        <translation>是受保护的文件夹或位于其中；未移除</translation>
    </message>
    <message>
        <source>it changed while the password was asked for; left in place</source>
        <translation>在询问密码期间，它发生了变化；未移除</translation>
    </message>
    <message>
        <source>cannot be reached without following a link or entering another file system; left in place</source>
        <translation>必须经由链接或进入另一个文件系统才能访问；未移除</translation>
    </message>
    <message>
        <source>cannot be reached below its folder; left in place</source>
        <translation>无法在其所在文件夹下访问到；未移除</translation>
    </message>
    <message>
        <source>the administrator helper sweepwright-privileged is not installed; left in place</source>
        <translation>未安装管理员辅助程序 sweepwright-privileged；未移除</translation>
    </message>
    <message>
        <source>%1; left in place</source>
        <translation>%1；未移除</translation>
    </message>
    <message>
        <source>the administrator removal gave no answer for it; left in place</source>
        <translation>管理员移除程序未就此项作出答复；未移除</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <comment>why the administrator removal refused, and what it met</comment>
        <translation>%1（%2）</translation>
    </message>
</context>
<context>
    <name>AppDelegate</name>
    <message>
        <source>Sweepwright is running as root. It never needs to: run it as the user whose files it cleans.</source>
        <translation>Sweepwright 正以 root 身份运行。它从不需要这样做：请以要清理其文件的用户身份运行。</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>首选项</translation>
    </message>
    <message>
        <source>Open a Saved Result</source>
        <translation>打开已保存的结果</translation>
    </message>
    <message>
        <source>%1 was not opened: Duplicates is busy with another result. Start over there, then open it from the folder page.</source>
        <translation>未打开 %1：“重复文件”正在处理另一个结果。请先在那里重新开始，然后从文件夹页面打开它。</translation>
    </message>
</context>
<context>
    <name>AppRemoval</name>
    <message>
        <source>it is still installed</source>
        <translation>它仍处于已安装状态</translation>
    </message>
    <message>
        <source>left in place: the application itself was not removed (%1)</source>
        <translation>未移除：应用程序本身未能移除（%1）</translation>
    </message>
    <message>
        <source>left in place: %1, which also uses it, was not removed (%2)</source>
        <translation>未移除：同样使用它的 %1 未能移除（%2）</translation>
    </message>
    <message>
        <source>left in place: the application itself is not being removed</source>
        <translation>未移除：应用程序本身不在移除之列</translation>
    </message>
    <message>
        <source>left in place: %1, which also uses it, is not being removed</source>
        <translation>未移除：同样使用它的 %1 不在移除之列</translation>
    </message>
    <message>
        <source>flatpak left it installed</source>
        <translation>flatpak 未将其卸载</translation>
    </message>
    <message>
        <source>PackageKit left it installed</source>
        <translation>PackageKit 未将其卸载</translation>
    </message>
    <message>
        <source>apt-get left it installed</source>
        <translation>apt-get 未将其卸载</translation>
    </message>
</context>
<context>
    <name>AppsCommand</name>
    <message numerus="yes">
        <source>&quot;%1&quot; names %n applications; give one of their identifiers or paths:</source>
        <translation>
            <numerusform>“%1”对应 %n 个应用程序；请给出其中一个的标识符或路径：</numerusform>
        </translation>
    </message>
    <message>
        <source>found no application &quot;%1&quot;</source>
        <translation>未找到应用程序“%1”</translation>
    </message>
    <message numerus="yes">
        <source>Found %n application(s), %1 in total.
</source>
        <translation>
            <numerusform>找到 %n 个应用程序，共 %1。
</numerusform>
        </translation>
    </message>
    <message>
        <source>app</source>
        <comment>an application&apos;s own files</comment>
        <translation>应用程序</translation>
    </message>
    <message>
        <source>cache</source>
        <comment>an application&apos;s cache</comment>
        <translation>缓存</translation>
    </message>
    <message>
        <source>settings</source>
        <comment>an application&apos;s settings</comment>
        <translation>首选项</translation>
    </message>
    <message>
        <source>data</source>
        <comment>the user&apos;s data of an application</comment>
        <translation>用户数据</translation>
    </message>
    <message>
        <source>bundle</source>
        <comment>an application installed as a bundle</comment>
        <translation>应用程序包</translation>
    </message>
    <message>
        <source>appimage</source>
        <comment>an application installed as an AppImage</comment>
        <translation>AppImage</translation>
    </message>
    <message>
        <source>home</source>
        <comment>an application installed in the home folder</comment>
        <translation>主文件夹</translation>
    </message>
    <message>
        <source>flatpak</source>
        <comment>an application installed as a Flatpak</comment>
        <translation>Flatpak</translation>
    </message>
    <message>
        <source>package</source>
        <comment>an application installed as a system package</comment>
        <translation>软件包</translation>
    </message>
    <message>
        <source>--with-data goes with --remove</source>
        <translation>--with-data 需与 --remove 一起使用</translation>
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
        <translation>用法：sweepwright-cli apps [--layout L] [--root R] [--home H] [--json]
                           [--remove APP... [--with-data] [--yes | --dry-run]]
列出已安装的应用程序，以及每个应用程序自身的文件和它在主文件夹中留下的专属内容，
按类型（应用程序、缓存、首选项和用户数据：用户数据即位于 XDG_DATA_HOME、
~/.var/app/ID/data 或 ~/.thunderbird 之类点文件夹中的内容）分别列出，
并显示大小；[x]（JSON 中为 &quot;isDel&quot;）标记移除该应用程序时会一并移除的内容
（使用 --remove 时：本次运行会移除的内容）。
使用 --remove 时，应用程序 APP 会连同其勾选的项一起移除：未指定 --with-data 时，
勾选的项为除用户数据外的全部项。属于用户的内容会移到回收站，
可从那里恢复。在终端中会先询问，指定 --yes 则直接进行；
否则只输出执行计划，不移除任何内容（退出状态 2）。APP 为列表中显示的名称；若多个应用程序
同名，则为其标识符之一：desktop 文件 ID、Flatpak ID、
软件包名称或其路径；给出多个应用程序共用的名称时不会移除任何内容，而是列出候选项
（退出状态 2）。先移除应用程序（软件包由其软件包管理器移除，
只有管理员才能移除的文件在一次密码提示后移除）；其残留文件
仅在应用程序移除后才会移除，否则保留并在报告中说明原因。Ctrl-C 会停止
扫描；移除时则在当前项完成后停止（退出状态 130）。

  --json         输出一个 JSON 对象而非列表
  --remove APP   移除应用程序 APP 及其残留文件（可重复）
  --with-data    与 --remove 一起使用时，同时移除 APP 的用户数据
  --yes          不询问直接移除
  --dry-run      显示 --remove 会移除的内容，但不移除任何内容
  --help         显示此帮助文本
  -V, --version  显示版本
</translation>
    </message>
</context>
<context>
    <name>CategoryRoots</name>
    <message>
        <source>it vanished</source>
        <translation>它已不存在</translation>
    </message>
    <message>
        <source>it is a link in %1, a folder others can write</source>
        <translation>它是位于 %1 中的链接，而其他人可以写入该文件夹</translation>
    </message>
    <message>
        <source>it belongs to another user and lies in %1, a folder others can write</source>
        <translation>它属于其他用户，且位于其他人可以写入的文件夹 %1 中</translation>
    </message>
    <message>
        <source>it belongs to another user and anyone can write it</source>
        <translation>它属于其他用户，且任何人都可以写入</translation>
    </message>
    <message>
        <source>Leaving %1 alone: %2</source>
        <translation>不处理 %1：%2</translation>
    </message>
    <message>
        <source>it belongs to another user</source>
        <translation>它属于其他用户</translation>
    </message>
    <message>
        <source>not an absolute path</source>
        <translation>不是绝对路径</translation>
    </message>
</context>
<context>
    <name>CleanSchedule</name>
    <message>
        <source>The command-line program is not installed beside this one (%1).</source>
        <translation>命令行程序未安装在本程序旁边（%1）。</translation>
    </message>
    <message>
        <source>The program&apos;s path cannot be written in a unit file: %1</source>
        <translation>程序路径无法写入单元文件：%1</translation>
    </message>
    <message>
        <source>Could not write the timer into %1.</source>
        <translation>无法将定时器写入 %1。</translation>
    </message>
    <message>
        <source>Could not remove %1.</source>
        <translation>无法移除 %1。</translation>
    </message>
</context>
<context>
    <name>CliCommand</name>
    <message>
        <source>cancelled</source>
        <translation>已取消</translation>
    </message>
    <message>
        <source>could not write the report: %1</source>
        <translation>无法写入报告：%1</translation>
    </message>
    <message>
        <source>Try &apos;sweepwright-cli %1 --help&apos;.</source>
        <translation>请尝试运行 &apos;sweepwright-cli %1 --help&apos;。</translation>
    </message>
    <message>
        <source>unexpected argument %1</source>
        <translation>意外的参数 %1</translation>
    </message>
    <message>
        <source>no file given</source>
        <translation>未指定文件</translation>
    </message>
    <message>
        <source>more than one file given</source>
        <translation>指定了多个文件</translation>
    </message>
    <message>
        <source>running as root is never needed; protected system folders stay untouched.</source>
        <translation>无需以 root 身份运行；受保护的系统文件夹不会被改动。</translation>
    </message>
</context>
<context>
    <name>CliMain</name>
    <message>
        <source>scan for junk files and list them, or remove them with --clean</source>
        <translation>扫描并列出垃圾文件，或用 --clean 移除它们</translation>
    </message>
    <message>
        <source>list the files of 32 MB and more in folders, or move them to the Trash</source>
        <translation>列出文件夹中 32 MB 及以上的文件，或将它们移到回收站</translation>
    </message>
    <message>
        <source>list duplicate files in folders, or move all copies but one to the Trash</source>
        <translation>列出文件夹中的重复文件，或将除一份外的所有副本移到回收站</translation>
    </message>
    <message>
        <source>list the installed applications and their leftovers, or remove some with --remove</source>
        <translation>列出已安装的应用程序及其残留文件，或用 --remove 移除其中一些</translation>
    </message>
    <message>
        <source>list the add-ons by category, or remove some with --remove</source>
        <translation>按类别列出附加组件，或用 --remove 移除其中一些</translation>
    </message>
    <message>
        <source>list the applications started at login, or switch one with --on or --off</source>
        <translation>列出登录时启动的应用程序，或用 --on 或 --off 切换其中一个</translation>
    </message>
    <message>
        <source>show memory and disk use, or release memory with --release</source>
        <translation>显示内存和磁盘使用情况，或用 --release 释放内存</translation>
    </message>
    <message>
        <source>extract an archive or a winmail.dat file, or list what it holds</source>
        <translation>解压压缩文件或 winmail.dat 文件，或列出其中的内容</translation>
    </message>
    <message>
        <source>make a smaller copy of a PDF document</source>
        <translation>生成 PDF 文档的较小副本</translation>
    </message>
    <message>
        <source>remove files and folders whole, optionally overwriting their contents first</source>
        <translation>整个移除文件和文件夹，可选择先覆写其内容</translation>
    </message>
    <message>
        <source>write the attachments and message bodies of a winmail.dat file into a folder</source>
        <translation>将 winmail.dat 文件中的附件和邮件正文写入文件夹</translation>
    </message>
    <message>
        <source>Usage: sweepwright-cli COMMAND [options]
       sweepwright-cli COMMAND --help
       sweepwright-cli -V | --version

Commands:
</source>
        <translation>用法：sweepwright-cli COMMAND [选项]
      sweepwright-cli COMMAND --help
      sweepwright-cli -V | --version

命令：
</translation>
    </message>
    <message>
        <source>Layout options (commands that look at the disk):</source>
        <translation>布局选项（适用于查看磁盘的命令）：</translation>
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
        <translation>环境变量 SWEEPWRIGHT_LAYOUT、SWEEPWRIGHT_ROOT 和 SWEEPWRIGHT_HOME 可进行相同的设置；
选项优先。

移除或移动文件的命令只有在指定 --yes 或在终端中回答确认问题后才会执行；
否则它们会输出执行计划并以状态 2 退出。--dry-run 只输出执行计划，
不做任何改动。Ctrl-C 会停止扫描；移除时则在当前项完成后停止（退出状态 130）。
&quot;--&quot; 表示选项结束：其后的内容即使以 &quot;-&quot; 开头也视为路径。
将 FOLDER 或 PATH 指定为 &quot;-&quot;（large、dups、shred）时，会从标准输入读取路径，
每行一个或以 NUL 字节分隔。
</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;</source>
        <translation>未知命令“%1”</translation>
    </message>
    <message>
        <source>Try &apos;sweepwright-cli --help&apos;.</source>
        <translation>请尝试运行 &apos;sweepwright-cli --help&apos;。</translation>
    </message>
    <message>
        <source>tell or set how often junk is cleaned automatically</source>
        <translation>显示或设置自动清理垃圾文件的频率</translation>
    </message>
    <message>
        <source>list what every tool removed, or put back what a run moved to the Trash</source>
        <translation>列出各工具删除过的内容，或放回某次运行移到回收站的内容</translation>
    </message>
</context>
<context>
    <name>CliOptions</name>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 需要一个值</translation>
    </message>
    <message>
        <source>%1 takes no value</source>
        <translation>%1 不接受值</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>未知选项 %1</translation>
    </message>
</context>
<context>
    <name>CliPassword</name>
    <message>
        <source>cannot read the password file %1: %2</source>
        <translation>无法读取密码文件 %1：%2</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Show this help and exit.</source>
        <translation>显示此帮助并退出。</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>显示版本并退出。</translation>
    </message>
    <message>
        <source>Where to look: freedesktop or macos.</source>
        <translation>按哪种布局查找：freedesktop 或 macos。</translation>
    </message>
    <message>
        <source>The root the system folders are under.</source>
        <translation>系统文件夹所在的根文件夹。</translation>
    </message>
    <message>
        <source>The home folder to look in.</source>
        <translation>要查找的主文件夹。</translation>
    </message>
    <message>
        <source>Sweepwright, the desktop maintenance utility.</source>
        <translation>Sweepwright，桌面维护工具。</translation>
    </message>
    <message>
        <source>Open a duplicate result saved as JSON, checked against the disk first.</source>
        <translation>打开以 JSON 保存的重复文件结果，先与磁盘核对。</translation>
    </message>
</context>
<context>
    <name>DupCopyCheck</name>
    <message>
        <source>The copy kept is no longer there</source>
        <translation>保留的副本已不存在</translation>
    </message>
    <message>
        <source>Changed since the scan: no longer the same as the copy kept</source>
        <translation>扫描后已更改：不再与保留的副本相同</translation>
    </message>
</context>
<context>
    <name>DupExport</name>
    <message>
        <source>Export the Result</source>
        <translation>导出结果</translation>
    </message>
    <message>
        <source>Table for spreadsheets (*.csv)</source>
        <translation>电子表格用的表格 (*.csv)</translation>
    </message>
    <message>
        <source>Saved result to open again (*.json)</source>
        <translation>可再次打开的已保存结果 (*.json)</translation>
    </message>
    <message>
        <source>The result could not be saved: %1</source>
        <translation>无法保存结果：%1</translation>
    </message>
</context>
<context>
    <name>DupKinds</name>
    <message>
        <source>Documents</source>
        <translation>文档</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>图片</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>音乐</translation>
    </message>
    <message>
        <source>Videos</source>
        <translation>视频</translation>
    </message>
    <message>
        <source>Packages</source>
        <translation>软件包</translation>
    </message>
    <message>
        <source>Others</source>
        <translation>其他</translation>
    </message>
</context>
<context>
    <name>DupResultJson</name>
    <message>
        <source>%1: not an absolute path without &quot;.&quot; or &quot;..&quot;</source>
        <translation>%1：不是不含“.”或“..”的绝对路径</translation>
    </message>
    <message>
        <source>%1: no size</source>
        <translation>%1：没有大小</translation>
    </message>
    <message>
        <source>%1: no modification time</source>
        <translation>%1：没有修改时间</translation>
    </message>
    <message>
        <source>The file is too large to be a saved result.</source>
        <translation>该文件太大，不是已保存的结果。</translation>
    </message>
    <message>
        <source>The file is not valid JSON (%1 at byte %2).</source>
        <translation>该文件不是有效的 JSON（%1，位于第 %2 字节）。</translation>
    </message>
    <message>
        <source>The file holds no list of duplicates.</source>
        <translation>该文件不含重复文件列表。</translation>
    </message>
</context>
<context>
    <name>DupSavedResult</name>
    <message>
        <source>%1: no longer a regular file</source>
        <translation>%1：已不再是普通文件</translation>
    </message>
    <message>
        <source>%1: its size changed</source>
        <translation>%1：大小已改变</translation>
    </message>
    <message>
        <source>%1: it was modified</source>
        <translation>%1：已被修改</translation>
    </message>
    <message>
        <source>%1: reached through a symbolic link</source>
        <translation>%1：经由符号链接到达</translation>
    </message>
    <message>
        <source>%1: not yours to move</source>
        <translation>%1：您无权移动</translation>
    </message>
    <message>
        <source>“%1” cannot be read.</source>
        <translation>无法读取“%1”。</translation>
    </message>
    <message>
        <source>%1: no longer there</source>
        <translation>%1：已不存在</translation>
    </message>
    <message>
        <source>%1: not the size of its set</source>
        <translation>%1：与其所在组的大小不同</translation>
    </message>
    <message>
        <source>%1: its contents differ from the other copies</source>
        <translation>%1：内容与其他副本不同</translation>
    </message>
</context>
<context>
    <name>DupsCommand</name>
    <message numerus="yes">
        <source>%1  %n copies of %2
</source>
        <translation>
            <numerusform>%1  %n 份副本，每份 %2
</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Found %n set(s) of duplicates, %1 in all copies.
</source>
        <translation>
            <numerusform>找到 %n 组重复文件，所有副本共 %1。
</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 needs a rule: %2</source>
        <translation>%1 需要一个规则：%2</translation>
    </message>
    <message>
        <source>--keep takes %1, not &quot;%2&quot;</source>
        <translation>--keep 的取值应为 %1 之一，而不是“%2”</translation>
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
        <translation>用法：sweepwright-cli dups [FOLDER...] [--layout L] [--root R] [--home H] [--json] [--quick]
                           [--keep RULE] [--reference DIR]...
                           [--trash-all-but-first [--yes | --dry-run]]
列出文件夹中大于 16 KiB 的重复文件和软件包的组（默认：布局的默认文件夹，见下文），
从大到小排列。大小和抽样摘要相同的候选项会逐字节比较；
指向同一文件的硬链接只计一次。
将 FOLDER 指定为 &quot;-&quot; 时，会从标准输入读取文件夹，每行一个或以
NUL 字节分隔。系统的受保护文件夹会被略过，并在标准错误输出中列出。

  --json                 输出一个 JSON 对象而非列表
  --quick                对于文件，只要大小和抽样摘要（最多三个 4 KiB 块，
                         位于文件开头并分布于整个文件）相同即视为相同，
                         不比较全部内容：速度更快，但其他部分不同的文件
                         也会被报告为重复文件。软件包始终按内容比较：
                         其摘要仅包含项的名称
  --keep RULE            每组保留哪一份副本：original（不在“下载”、回收站和
                         临时文件夹中的副本，其次是名称中没有“(1)”或“Copy of”
                         之类副本标记的副本，其次是最早的副本，其次是位于最深
                         文件夹中的副本，最后是最先找到的副本）、oldest（修改
                         时间最早的副本，其次是路径最短的副本）、newest、
                         shortest-path 或 first（最先找到的副本）；
                         默认：此布局中为 %1
  --reference DIR        存放原件的文件夹，也会被扫描（可重复指定）：其中的副本标记为
                         [参考]（JSON 中为 &quot;isReference&quot;），永不移动；副本全部位于参考文件夹中的组不会列出；
                         含有参考副本的组中，其他所有副本都会被移动
  --trash-all-but-first  将每组中除 --keep 保留的副本外的所有副本移到回收站
                         （在终端中确认后，或指定 --yes 时），然后报告已移动
                         和未移动的内容（附原因）；
                         两者皆无时，只输出执行计划，不移动任何内容
  --yes                  不询问直接移动
  --dry-run              显示 --trash-all-but-first 会移动的内容，但不移动任何内容
  --help                 显示此帮助文本
  -V, --version          显示版本
输出到文件或管道且不移动任何内容时，每找到一组即输出该组。
有项无法移动时以状态 1 退出；用法错误或文件夹不存在
或无法读取时以状态 2 退出；按 Ctrl-C 后以状态 130 退出（移除会在当前项完成后停止）。
</translation>
    </message>
    <message>
        <source>reference</source>
        <extracomment>Marks a copy in a folder of originals in the list of a set&apos;s copies</extracomment>
        <translation>参考</translation>
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
        <translation>另外:
  --csv                  以 CSV 输出各组 (RFC 4180, UTF-8)：组、大小、路径、修改时间、
                         保留（留下的副本为 yes）
  --empty                列出空文件、空文件夹（只含空文件夹，以最上层列出）和失效的
                         符号链接，而不是重复文件；加 --yes 时全部移到回收站，
                         加 --dry-run 时显示计划
</translation>
    </message>
    <message>
        <source>--csv and --json do not go together</source>
        <translation>--csv 和 --json 不能同时使用</translation>
    </message>
    <message numerus="yes">
        <source>%1  %n item(s), %2
</source>
        <translation>
            <numerusform>%1  %n 项，%2
</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Found %n kind(s) of empty or broken items, %1 in all.
</source>
        <translation>
            <numerusform>找到 %n 类空项或失效项，共 %1。
</numerusform>
        </translation>
    </message>
    <message>
        <source>Digests of files that did not change since an earlier scan are kept in %1
and not read again (copies are still compared byte by byte before they go):
  --no-cache             read every file, and keep nothing for the next scan
  --clear-cache          forget the digests kept, scan nothing
</source>
        <translation>自上次扫描以来未更改的文件，其摘要保存在 %1 中，
不会再次读取（删除副本前仍会逐字节比较）：
  --no-cache             读取每个文件，且不为下次扫描保存任何内容
  --clear-cache          清除已保存的摘要，不进行扫描
</translation>
    </message>
    <message>
        <source>could not remove %1: %2</source>
        <translation>无法删除 %1：%2</translation>
    </message>
    <message>
        <source>Forgot the digests kept in %1.
</source>
        <translation>已清除保存在 %1 中的摘要。
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
        <translation>  --link KIND            不移到回收站，而是将每组中除 --keep 保留的副本外的每个副本
                         替换为指向该副本的链接：hard（仅限同一文件系统）、reflink
                         （在文件系统支持时，副本仍是独立文件并与保留的副本共享数据）
                         或 symbolic。每个副本会先逐字节比较；扫描后已更改的副本会
                         被跳过。--yes 和 --dry-run 的作用与 --trash-all-but-first
                         相同。报告释放的空间
</translation>
    </message>
    <message>
        <source>%1 needs a kind: %2</source>
        <translation>%1 需要一种类型：%2</translation>
    </message>
    <message>
        <source>--link takes %1, not &quot;%2&quot;</source>
        <translation>--link 接受 %1，而不是“%2”</translation>
    </message>
    <message>
        <source>--link and --trash-all-but-first cannot be given together</source>
        <translation>--link 和 --trash-all-but-first 不能同时使用</translation>
    </message>
    <message>
        <source>--link and --empty cannot be given together</source>
        <translation>--link 和 --empty 不能同时使用</translation>
    </message>
    <message>
        <source>                         (in a set, newer copies stay and are marked [recent];
                         a set is listed only when one of its copies may go)
</source>
        <translation>                         （同一组中较新的副本保留，并标记为 [较新]；
                         只有当组中至少一个副本可以移除时才列出该组）
</translation>
    </message>
    <message>
        <source>recent</source>
        <extracomment>Marks a copy modified within --older-than DAYS, which stays, in the list of a set&apos;s copies</extracomment>
        <translation>较新</translation>
    </message>
</context>
<context>
    <name>EmptyFinder</name>
    <message>
        <source>Empty files</source>
        <translation>空文件</translation>
    </message>
    <message>
        <source>Empty folders</source>
        <translation>空文件夹</translation>
    </message>
    <message>
        <source>Broken links</source>
        <translation>失效链接</translation>
    </message>
    <message>
        <source>its target exists now</source>
        <translation>其目标现在已存在</translation>
    </message>
    <message>
        <source>it is no longer empty</source>
        <translation>它已不再为空</translation>
    </message>
    <message>
        <source>it is no longer what was found</source>
        <translation>它已不是当初找到的项</translation>
    </message>
    <message>
        <source>it holds more than empty folders now</source>
        <translation>它现在包含的不只是空文件夹</translation>
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
        <translation>用法：sweepwright-cli extensions [--layout L] [--root R] [--home H] [--json]
                                 [--remove PATH... [--yes | --dry-run]]
按类别列出布局中的附加组件（浏览器扩展、插件、预览和搜索附加组件
等）及其大小，每项附带所属的浏览器或桌面
及其浏览器配置文件（JSON：itemOwner、itemProfile），以及在浏览器自身
文件能表明时是否已启用（itemEnabled；无法表明时
省略）。使用 --remove 时，
这些路径（按列出的形式）上的项会在终端中确认后或指定 --yes 时被移除；
否则只输出执行计划，不移除任何内容（退出状态 2）。只有
管理员才能移除的项最后处理，需经一次密码提示。Ctrl-C 会停止扫描；
移除时则在当前项完成后停止（退出状态 130）。

  --json         输出一个 JSON 对象而非列表
  --remove PATH  移除位于 PATH 的附加组件（可重复）
  --yes          不询问直接移除
  --dry-run      显示 --remove 会移除的内容，但不移除任何内容
  --help         显示此帮助文本
  -V, --version  显示版本
</translation>
    </message>
    <message>
        <source>found no add-on %1</source>
        <translation>未找到附加组件 %1</translation>
    </message>
    <message>
        <source>enabled</source>
        <comment>an add-on</comment>
        <translation>已启用</translation>
    </message>
    <message>
        <source>disabled</source>
        <comment>an add-on</comment>
        <translation>已禁用</translation>
    </message>
    <message numerus="yes">
        <source>Found %n add-on(s), %1 in total.
</source>
        <translation>
            <numerusform>找到 %n 个附加组件，共 %1。
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
        <translation>用法：sweepwright-cli extract FILE [-C DIR] [选项]
解压压缩文件（zip、7z、rar、tar 及其压缩形式、iso、cab、lzh 等）
或 winmail.dat 文件。未指定 -C 时，会在临时文件夹中新建一个私有文件夹，
并解压到其中以 FILE 命名的文件夹里，与“压缩文件”页面相同；
并输出目标文件夹。

  -C DIR               按压缩文件中的名称将条目原样写入 DIR；
                       父文件夹存在时会创建 DIR，指向文件夹的链接
                       会被跟随
  --password-file F    密码为 F 的第一行
  --password-stdin     密码为标准输入的第一行
                       两者均未指定时，如有终端则在终端中询问密码
                       （最多三次）；只有需要密码的压缩文件才会
                       询问。
  --encoding NAME      用 NAME 解码非 UTF-8 的名称，NAME 为 ICU
                       转换器名称或别名（Shift_JIS、GBK、windows-1252 等）；
                       &quot;auto&quot; 表示由检测器决定；&quot;list&quot; 列出常用的
                       编码。
                       默认：应用程序的设置
  --list               不写入任何内容；输出每个条目的类型、大小和路径
                       （压缩文件未注明大小时显示 ?）
  --json               以 JSON 对象输出结果（失败时也会输出，并附带
                       &quot;error&quot;）；标准输出中不会有其他内容
  --help               显示此帮助文本
  -V, --version        显示版本

会落在目标文件夹之外的条目（绝对路径、&quot;..&quot;、指向外部的
链接、特殊文件）会被跳过并报告；名称中的控制字符
会以转义形式显示（\n、\x1b、\\）。文件先以隐藏的名称写入，
完成后才改为其本身的名称。解压失败时不会留下它自己创建的
文件夹。退出状态：0 完成；1 文件不存在、已损坏、
被截断或格式无法读取，密码错误或缺失，TMPDIR
不可用，或磁盘空间不足；2 用法错误；130 Ctrl-C。
</translation>
    </message>
    <message>
        <source>%1 needs a folder</source>
        <translation>%1 需要一个文件夹</translation>
    </message>
    <message>
        <source>%1 needs a file</source>
        <translation>%1 需要一个文件</translation>
    </message>
    <message>
        <source>%1 needs an encoding name</source>
        <translation>%1 需要一个编码名称</translation>
    </message>
    <message>
        <source>unknown encoding &quot;%1&quot; (--encoding list prints the names)</source>
        <translation>未知编码“%1”（--encoding list 可列出编码名称）</translation>
    </message>
    <message>
        <source>--password-file and --password-stdin exclude each other</source>
        <translation>--password-file 和 --password-stdin 不能同时使用</translation>
    </message>
    <message>
        <source>-C: %1 is a link that leads nowhere</source>
        <translation>-C：%1 是指向不存在目标的链接</translation>
    </message>
    <message>
        <source>-C: the folder %1 does not exist</source>
        <translation>-C：文件夹 %1 不存在</translation>
    </message>
    <message>
        <source>-C: cannot make the folder %1</source>
        <translation>-C：无法创建文件夹 %1</translation>
    </message>
    <message>
        <source>-C: %1 is not a folder</source>
        <translation>-C：%1 不是文件夹</translation>
    </message>
    <message>
        <source>not a file</source>
        <translation>不是文件</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>已取消</translation>
    </message>
    <message>
        <source>what was written stays in %1</source>
        <translation>已写入的内容保留在 %1 中</translation>
    </message>
    <message>
        <source>Listing</source>
        <translation>正在列出</translation>
    </message>
    <message>
        <source>Extracting</source>
        <translation>正在解压</translation>
    </message>
    <message>
        <source>Password for %1: </source>
        <translation>%1 的密码：</translation>
    </message>
    <message>
        <source>Password required</source>
        <translation>需要密码</translation>
    </message>
    <message>
        <source>This archive format is not supported</source>
        <translation>不支持此压缩文件格式</translation>
    </message>
    <message>
        <source>the file could not be extracted</source>
        <translation>无法解压该文件</translation>
    </message>
</context>
<context>
    <name>ExtractReport</name>
    <message numerus="yes">
        <source>%n item(s) written before the error stay in %1</source>
        <translation>
            <numerusform>出错前已写入的 %n 项保留在 %1 中</numerusform>
        </translation>
    </message>
    <message>
        <source>dir</source>
        <comment>an archive entry that is a folder</comment>
        <translation>文件夹</translation>
    </message>
    <message>
        <source>link</source>
        <comment>an archive entry that is a symbolic link</comment>
        <translation>链接</translation>
    </message>
    <message>
        <source>file</source>
        <comment>an archive entry that is a file</comment>
        <translation>文件</translation>
    </message>
    <message>
        <source>special file</source>
        <translation>特殊文件</translation>
    </message>
    <message>
        <source>skipped %1: %2</source>
        <translation>已跳过 %1：%2</translation>
    </message>
</context>
<context>
    <name>ExtractToStatus</name>
    <message>
        <source>Open Folder</source>
        <translation>打开文件夹</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Extracting to %1…</source>
        <translation>正在解压到 %1…</translation>
    </message>
    <message>
        <source>Extracting to %1… %2%</source>
        <translation>正在解压到 %1… %2%</translation>
    </message>
    <message>
        <source>Extracted to %1</source>
        <translation>已解压到 %1</translation>
    </message>
    <message numerus="yes">
        <source>Extracted to %1; %n item(s) left out</source>
        <translation>
            <numerusform>已解压到 %1；略过了 %n 项</numerusform>
        </translation>
    </message>
    <message>
        <source>Extraction to %1 stopped</source>
        <translation>解压到 %1 已停止</translation>
    </message>
    <message>
        <source>Could not extract to %1: %2</source>
        <translation>无法解压到 %1：%2</translation>
    </message>
</context>
<context>
    <name>FileTreeModel</name>
    <message>
        <source>Directory</source>
        <translation>文件夹</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>类型</translation>
    </message>
    <message>
        <source>Created</source>
        <translation>创建时间</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>大小</translation>
    </message>
</context>
<context>
    <name>FinderCommand</name>
    <message>
        <source>%1: no such folder</source>
        <translation>%1：文件夹不存在</translation>
    </message>
    <message>
        <source>%1: not a folder</source>
        <translation>%1：不是文件夹</translation>
    </message>
    <message>
        <source>%1: cannot be read</source>
        <translation>%1：无法读取</translation>
    </message>
    <message>
        <source>Default folders in the %1 layout: %2
</source>
        <translation>%1 布局的默认文件夹：%2
</translation>
    </message>
</context>
<context>
    <name>FolderTree</name>
    <message>
        <source>changed while it was being removed</source>
        <translation>在移除过程中发生了变化</translation>
    </message>
    <message>
        <source>stopped before the end; the rest stays</source>
        <translation>未完成即停止；其余部分保留</translation>
    </message>
    <message>
        <source>another file system is mounted here; left alone</source>
        <translation>此处挂载了另一个文件系统；已跳过</translation>
    </message>
    <message>
        <source>a folder was moved while it was being walked; stopped</source>
        <translation>遍历期间有文件夹被移动；已停止</translation>
    </message>
    <message>
        <source>%1; it is left as %2</source>
        <translation>%1；已保留为 %2</translation>
    </message>
</context>
<context>
    <name>FolderZip</name>
    <message>
        <source>Cannot write the zip file</source>
        <translation>无法写入 zip 文件</translation>
    </message>
    <message>
        <source>Not a folder: %1</source>
        <translation>不是文件夹：%1</translation>
    </message>
</context>
<context>
    <name>GeneralPrefViewController</name>
    <message>
        <source>Start Sweepwright when you log in</source>
        <translation>登录时启动 Sweepwright</translation>
    </message>
    <message>
        <source>Release memory automatically when its use exceeds</source>
        <translation>内存使用率超过此值时自动释放内存</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1%</translation>
    </message>
    <message>
        <source>Memory use is checked every 30 seconds while Sweepwright runs.</source>
        <translation>Sweepwright 运行期间，每 30 秒检查一次内存使用情况。</translation>
    </message>
    <message>
        <source>General</source>
        <translation>常规</translation>
    </message>
    <message>
        <source>Remember file digests between duplicate scans</source>
        <translation>在两次重复文件扫描之间记住文件摘要</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>清除</translation>
    </message>
    <message>
        <source>Unchanged files are not read again; copies are still compared byte by byte before they go.</source>
        <translation>未更改的文件不会再次读取；删除副本前仍会逐字节比较。</translation>
    </message>
    <message>
        <source>Clear the remembered digests</source>
        <translation>清除记住的摘要</translation>
    </message>
    <message>
        <source>The remembered digests are cleared.</source>
        <translation>已清除记住的摘要。</translation>
    </message>
    <message>
        <source>Could not clear %1.</source>
        <translation>无法清除 %1。</translation>
    </message>
</context>
<context>
    <name>GhostscriptRun</name>
    <message>
        <source>Ghostscript cannot be given a password with a backslash before a quote or at its end</source>
        <translation>无法向 Ghostscript 传递在引号前或末尾带有反斜杠的密码</translation>
    </message>
    <message>
        <source>the password could not be handed to Ghostscript</source>
        <translation>无法将密码传递给 Ghostscript</translation>
    </message>
    <message>
        <source>Ghostscript (gs) is not installed</source>
        <translation>未安装 Ghostscript（gs）</translation>
    </message>
    <message>
        <source>Ghostscript could not be started: %1</source>
        <translation>无法启动 Ghostscript：%1</translation>
    </message>
    <message numerus="yes">
        <source>Ghostscript finished no page for %n second(s)</source>
        <translation>
            <numerusform>Ghostscript 已有 %n 秒未完成任何页面</numerusform>
        </translation>
    </message>
    <message>
        <source>Ghostscript was stopped</source>
        <translation>Ghostscript 已被停止</translation>
    </message>
    <message>
        <source>Ghostscript reached its memory limit of %1</source>
        <translation>Ghostscript 达到了 %1 的内存上限</translation>
    </message>
    <message>
        <source>Ghostscript stopped unexpectedly (it crashed or was killed)</source>
        <translation>Ghostscript 意外停止（崩溃或被终止）</translation>
    </message>
    <message>
        <source>Ghostscript ended with status %1</source>
        <translation>Ghostscript 已退出，状态码为 %1</translation>
    </message>
    <message>
        <source>Ghostscript ended with status %1: %2</source>
        <translation>Ghostscript 已退出，状态码为 %1：%2</translation>
    </message>
</context>
<context>
    <name>HelperProgram</name>
    <message>
        <source>this command&apos;s program %1 is missing (looked for %2 and %3)</source>
        <translation>缺少此命令的程序 %1（已查找 %2 和 %3）</translation>
    </message>
    <message>
        <source>this command&apos;s program %1 is missing</source>
        <translation>缺少此命令的程序 %1</translation>
    </message>
    <message>
        <source>cannot run %1: %2</source>
        <translation>无法运行 %1：%2</translation>
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
        <translation>用法：sweepwright-cli history [--home H] [--json]
      sweepwright-cli history --put-back ID [--yes | --dry-run] [--json]
列出各工具（在窗口中和此处）删除过的内容，最新的在前：每次运行的 ID、时间、
工具及其项目的去向（已移到回收站、已永久删除、未完成）。记录保存在
$XDG_STATE_HOME/sweepwright/history.jsonl 中，保留一年，最多 10 MB。
--put-back ID 将该次运行移到回收站的内容放回原处；项目绝不会覆盖原处现有的
内容，无法放回的项目会注明原因。已永久删除的项目无法放回。

  --json          输出一个 JSON 对象而不是文本
  --put-back ID   放回运行 ID 移到回收站的项目
  --yes           不询问直接放回
  --dry-run       显示将放回的内容，不做任何更改
  --help          显示此文本
  -V, --version   显示版本
</translation>
    </message>
    <message>
        <source>%1 needs the id of a run</source>
        <translation>%1 需要一次运行的 ID</translation>
    </message>
    <message>
        <source>--yes and --dry-run go with --put-back</source>
        <translation>--yes 和 --dry-run 需与 --put-back 一起使用</translation>
    </message>
    <message>
        <source>Nothing has been removed yet.</source>
        <translation>尚未删除任何内容。</translation>
    </message>
    <message>
        <source>(of %1)</source>
        <translation>（对应 %1）</translation>
    </message>
    <message>
        <source>no run &quot;%1&quot; in the history (see sweepwright-cli history)</source>
        <translation>历史记录中没有运行“%1”（请参阅 sweepwright-cli history）</translation>
    </message>
    <message>
        <source>run %1 moved nothing to the Trash: nothing to put back</source>
        <translation>运行 %1 未将任何内容移到回收站：没有可放回的内容</translation>
    </message>
    <message numerus="yes">
        <source>Put back %n item(s) (%1)?</source>
        <translation>
            <numerusform>放回 %n 项（%1）？</numerusform>
        </translation>
    </message>
    <message>
        <source>could not record the put back: %1</source>
        <translation>无法记录放回操作：%1</translation>
    </message>
    <message>
        <source>Would put back: %1</source>
        <translation>将放回：%1</translation>
    </message>
    <message>
        <source>Deleted for good, cannot be put back: %1</source>
        <translation>已永久删除，无法放回：%1</translation>
    </message>
    <message>
        <source>Put back: %1</source>
        <translation>已放回：%1</translation>
    </message>
    <message>
        <source>Could not put back %1: %2</source>
        <translation>无法放回 %1：%2</translation>
    </message>
</context>
<context>
    <name>HistoryWording</name>
    <message>
        <source>Put Back</source>
        <translation>放回</translation>
    </message>
    <message>
        <source>Moved to the Trash</source>
        <translation>已移到回收站</translation>
    </message>
    <message>
        <source>Deleted for good</source>
        <translation>已永久删除</translation>
    </message>
    <message>
        <source>Replaced with a link</source>
        <translation>已替换为链接</translation>
    </message>
    <message>
        <source>Not done: %1</source>
        <translation>未完成：%1</translation>
    </message>
    <message>
        <source>Refused: %1</source>
        <translation>已拒绝：%1</translation>
    </message>
    <message>
        <source>Put back</source>
        <translation>已放回</translation>
    </message>
    <message>
        <source>%1 put back</source>
        <translation>已放回 %1 项</translation>
    </message>
    <message>
        <source>%1 to the Trash</source>
        <translation>%1 项移到回收站</translation>
    </message>
    <message>
        <source>%1 deleted for good</source>
        <translation>已永久删除 %1 项</translation>
    </message>
    <message>
        <source>%1 replaced with links</source>
        <translation>%1 项替换为链接</translation>
    </message>
    <message>
        <source>%1 not done</source>
        <translation>%1 项未完成</translation>
    </message>
    <message>
        <source>%1 refused</source>
        <translation>已拒绝 %1 项</translation>
    </message>
    <message>
        <source>Nothing was removed</source>
        <translation>未删除任何内容</translation>
    </message>
    <message numerus="yes">
        <source>%n item(s): %1</source>
        <translation>
            <numerusform>%n 项：%1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>InputPaths</name>
    <message>
        <source>standard input (-) names no path</source>
        <translation>标准输入（-）未给出任何路径</translation>
    </message>
    <message>
        <source>cannot read standard input (-): %1</source>
        <translation>无法读取标准输入（-）：%1</translation>
    </message>
    <message>
        <source>standard input (-) holds more than %1 MiB of paths</source>
        <translation>标准输入（-）中的路径超过了 %1 MiB</translation>
    </message>
</context>
<context>
    <name>InstalledApp</name>
    <message>
        <source>application bundle</source>
        <translation>应用程序包</translation>
    </message>
    <message>
        <source>AppImage</source>
        <translation>AppImage</translation>
    </message>
    <message>
        <source>application in the home</source>
        <translation>主文件夹中的应用程序</translation>
    </message>
    <message>
        <source>Flatpak</source>
        <translation>Flatpak</translation>
    </message>
    <message>
        <source>Debian package</source>
        <translation>Debian 软件包</translation>
    </message>
</context>
<context>
    <name>ItemCopy</name>
    <message>
        <source>Special file, not copied</source>
        <translation>特殊文件，未复制</translation>
    </message>
    <message>
        <source>The copy would replace the original</source>
        <translation>副本会替换原件</translation>
    </message>
    <message>
        <source>A folder cannot be copied into itself</source>
        <translation>文件夹不能复制到其自身中</translation>
    </message>
</context>
<context>
    <name>ItemMailer</name>
    <message>
        <source>Mail</source>
        <translation>邮件</translation>
    </message>
    <message>
        <source>The attachment will not be protected</source>
        <translation>附件将不受保护</translation>
    </message>
    <message>
        <source>These files come from an archive protected by a password. Attached as they are, anyone who gets the message can read them. Attach the archive instead to keep them protected: whoever gets it needs the password.</source>
        <translation>这些文件来自受密码保护的压缩文件。如果直接附加，任何收到邮件的人都能读取它们。若要继续受保护，请改为附加压缩文件：收件人需要密码才能打开。</translation>
    </message>
    <message>
        <source>Attach the Archive</source>
        <translation>附加压缩文件</translation>
    </message>
    <message>
        <source>Attach Unprotected</source>
        <translation>直接附加</translation>
    </message>
    <message>
        <source>The folder could not be packed for mail.</source>
        <translation>无法打包文件夹以通过邮件发送。</translation>
    </message>
    <message>
        <source>The file could not be copied for mail.</source>
        <translation>无法复制文件以通过邮件发送。</translation>
    </message>
    <message>
        <source>No mail program could be started.</source>
        <translation>无法启动任何邮件程序。</translation>
    </message>
    <message>
        <source>Install xdg-utils and set up a mail program, or attach the file yourself: %1</source>
        <translation>请安装 xdg-utils 并设置邮件程序，或手动附加此文件：%1</translation>
    </message>
</context>
<context>
    <name>JunkCommand</name>
    <message>
        <source>no category %1 in the %2 layout</source>
        <translation>%2 布局中没有类别 %1</translation>
    </message>
    <message>
        <source>Skipped, needs administrator rights (use --admin): %1</source>
        <translation>已跳过，需要管理员权限（请使用 --admin）：%1</translation>
    </message>
    <message>
        <source>no profile &quot;%1&quot; (there is &quot;scheduled&quot;)</source>
        <translation>没有配置“%1”（只有“scheduled”）</translation>
    </message>
    <message>
        <source>--profile takes its categories from the settings; it cannot go with %1</source>
        <translation>--profile 从首选项读取类别，不能与 %1 一起使用</translation>
    </message>
</context>
<context>
    <name>JunkHelp</name>
    <message>
        <source>empties the folders in ~/Library/Caches, ~/Library/Logs, the Caches and Logs of each app
container and the per-user cache folder; removes the files there</source>
        <translation>清空 ~/Library/Caches、~/Library/Logs、每个应用程序容器的 Caches 和 Logs 以及
用户专属缓存文件夹中的文件夹；移除其中的文件</translation>
    </message>
    <message>
        <source>entries of ~/Library/Preferences, /Library/LaunchAgents, ~/Library/Saved Application
State, ~/Library/Parallels and ~/.cleverfiles that belong to no installed application</source>
        <translation>~/Library/Preferences、/Library/LaunchAgents、~/Library/Saved Application State、
~/Library/Parallels 和 ~/.cleverfiles 中不属于任何已安装应用程序的条目</translation>
    </message>
    <message>
        <source>empties the folders and removes the files in /Library/Caches and /System/Library/Caches</source>
        <translation>清空 /Library/Caches 和 /System/Library/Caches 中的文件夹并移除其中的文件</translation>
    </message>
    <message>
        <source>empties the folders and removes the files in /Library/Logs and /var/log/asl</source>
        <translation>清空 /Library/Logs 和 /var/log/asl 中的文件夹并移除其中的文件</translation>
    </message>
    <message>
        <source>Mail Downloads, and image and text attachments below ~/Library/Mail</source>
        <translation>Mail Downloads，以及 ~/Library/Mail 下的图片和文本附件</translation>
    </message>
    <message>
        <source>iOS software updates (*.ipsw in ~/Library/iTunes/iPhone and iPad Software Updates) and
iOS apps (*.ipa in ~/Music/iTunes/iTunes Media/Mobile Applications)</source>
        <translation>iOS 软件更新（~/Library/iTunes/iPhone and iPad Software Updates 中的 *.ipsw）和
iOS 应用（~/Music/iTunes/iTunes Media/Mobile Applications 中的 *.ipa）</translation>
    </message>
    <message>
        <source>the device backups in ~/Library/Application Support/MobileSync/Backup</source>
        <translation>~/Library/Application Support/MobileSync/Backup 中的设备备份</translation>
    </message>
    <message>
        <source>the *.ipsw files that category 9 removes too</source>
        <translation>类别 9 也会移除的 *.ipsw 文件</translation>
    </message>
    <message>
        <source>everything in ~/.Trash</source>
        <translation>~/.Trash 中的所有内容</translation>
    </message>
    <message>
        <source>everything in ~/Downloads</source>
        <translation>~/Downloads 中的所有内容</translation>
    </message>
    <message>
        <source>empties the folders in ~/Library/Developer/Xcode/DerivedData</source>
        <translation>清空 ~/Library/Developer/Xcode/DerivedData 中的文件夹</translation>
    </message>
    <message>
        <source>empties Safari&apos;s and Chrome&apos;s history, cache, cookie and local-storage folders</source>
        <translation>清空 Safari 和 Chrome 的历史记录、缓存、Cookie 和本地存储文件夹</translation>
    </message>
    <message>
        <source>empties the folders in the cache folder (~/.cache or XDG_CACHE_HOME) and in each Flatpak
app&apos;s ~/.var/app/ID/cache; removes the files there</source>
        <translation>清空缓存文件夹（~/.cache 或 XDG_CACHE_HOME）和每个 Flatpak 应用程序的
~/.var/app/ID/cache 中的文件夹；移除其中的文件</translation>
    </message>
    <message>
        <source>desktop and autostart entries whose program is gone, and ~/.var/app data of Flatpak
apps installed nowhere</source>
        <translation>对应程序已不存在的桌面条目和自动启动条目，以及未在任何地方安装的 Flatpak
应用程序的 ~/.var/app 数据</translation>
    </message>
    <message>
        <source>empties the folders and removes the files in /var/cache (debconf&apos;s excepted); what only
root may remove is left unless --admin is given</source>
        <translation>清空 /var/cache（debconf 的除外）中的文件夹并移除其中的文件；只有
root 才能移除的内容会保留，除非指定 --admin</translation>
    </message>
    <message>
        <source>empties the folders and removes the files in /var/log; what only root may remove is left
unless --admin is given</source>
        <translation>清空 /var/log 中的文件夹并移除其中的文件；只有 root 才能移除的内容会保留，
除非指定 --admin</translation>
    </message>
    <message>
        <source>what mail and browser programs left in /tmp/mozilla_USER0 (only when it is your own folder)</source>
        <translation>邮件程序和浏览器在 /tmp/mozilla_USER0 中留下的内容（仅当该文件夹属于当前用户时）</translation>
    </message>
    <message>
        <source>everything in the Trash, and info files whose item is gone</source>
        <translation>回收站中的所有内容，以及对应项已不存在的 info 文件</translation>
    </message>
    <message>
        <source>everything in the Downloads folder (XDG_DOWNLOAD_DIR)</source>
        <translation>“下载”文件夹（XDG_DOWNLOAD_DIR）中的所有内容</translation>
    </message>
    <message>
        <source>empties the npm, Gradle, Cargo and Go package caches</source>
        <translation>清空 npm、Gradle、Cargo 和 Go 的软件包缓存</translation>
    </message>
    <message>
        <source>empties Firefox&apos;s cache2 folders; removes Chrome&apos;s and Chromium&apos;s History, Cookies and
Local Storage of the Default profile</source>
        <translation>清空 Firefox 的 cache2 文件夹；移除 Chrome 和 Chromium 的 Default 配置文件中的 History、
Cookies 和 Local Storage</translation>
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
        <translation>用法：sweepwright-cli junk [--layout L] [--root R] [--home H] [--json] [--category ID]... [--all]
                           [--clean [--yes | --dry-run] [--admin]]
扫描垃圾文件类别并列出找到的内容。使用 --clean 时，随后会移除
已勾选的内容：即所扫描类别中的项，但不包括默认不勾选的类别中的项
（下文标为“默认不勾选”；用 --category 指定时会包括在内）、浏览器的
历史记录和 Cookie，以及只有管理员才能移除的内容（使用 --admin 时包括在内）。
在终端中会先询问；在其他环境中需要 --yes，
未指定时只输出执行计划，不移除任何内容并以状态 2 退出。它会报告已移除的内容
和无法移除的内容（附原因），有任何内容无法移除时以状态 1 退出。
Ctrl-C 会停止扫描；移除时则在当前项完成后停止（退出状态 130）。
不会向首选项写入任何内容；不会改动登录项。

  --json         输出一个 JSON 对象而非表格
  --clean        扫描后移除已勾选的项
  --yes          不询问直接移除
  --dry-run      显示 --clean 会移除的内容，但不移除任何内容
  --admin        经一次密码提示，同时移除只有管理员才能移除的内容
  --category ID  扫描此类别而非默认类别（可重复）
  --all          扫描布局中的所有类别
  --help         显示此帮助文本
  -V, --version  显示版本
</translation>
    </message>
    <message>
        <source>Categories of the %1 layout (* scanned by default) and what --clean removes:</source>
        <translation>%1 布局的类别（* 表示默认扫描）以及 --clean 会移除的内容：</translation>
    </message>
    <message>
        <source>(unmarked)</source>
        <translation>（默认不勾选）</translation>
    </message>
    <message>
        <source>  --profile scheduled
                 the run of the cleaning schedule (sweepwright-cli schedule): clean the
                 categories chosen for it in the preferences, leave what needs a password
                 and say what went in a desktop notification
</source>
        <translation>  --profile scheduled
                 计划运行（sweepwright-cli schedule）：清理在首选项中为其选择的类别，
                 保留需要密码的内容，并在桌面通知中说明移除了什么
</translation>
    </message>
</context>
<context>
    <name>JunkReport</name>
    <message numerus="yes">
        <source>Found %1 in %n item(s); %2 marked for removal.
</source>
        <translation>
            <numerusform>找到 %n 项，共 %1；其中 %2 已标记为待移除。
</numerusform>
        </translation>
    </message>
    <message>
        <source>nothing found</source>
        <translation>未找到任何内容</translation>
    </message>
    <message>
        <source>all marked</source>
        <translation>全部勾选</translation>
    </message>
    <message>
        <source>some marked</source>
        <translation>部分勾选</translation>
    </message>
    <message>
        <source>none marked</source>
        <translation>未勾选</translation>
    </message>
    <message>
        <source>(needs administrator rights)</source>
        <translation>（需要管理员权限）</translation>
    </message>
    <message>
        <source>No junk category is enabled.</source>
        <translation>未启用任何垃圾文件类别。</translation>
    </message>
    <message numerus="yes">
        <source>only items older than %n day(s)</source>
        <translation>
            <numerusform>仅限超过 %n 天的项目</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>KeepList</name>
    <message>
        <source>it holds items that match your Never touch list</source>
        <translation>其中包含与您的“永不触碰”列表匹配的项</translation>
    </message>
    <message>
        <source>it matches %1 on your Never touch list</source>
        <translation>它与您的“永不触碰”列表中的 %1 匹配</translation>
    </message>
    <message>
        <source>it lies in %1, which matches %2 on your Never touch list</source>
        <translation>它位于 %1 中，而该位置与您的“永不触碰”列表中的 %2 匹配</translation>
    </message>
</context>
<context>
    <name>KeepPathOption</name>
    <message>
        <source>%1 needs a path</source>
        <translation>%1 需要一个路径</translation>
    </message>
    <message>
        <source>  --keep-path PATH  leave PATH (and what lies in it) alone in this run, as the Never
                    touch list of the settings does; repeatable
</source>
        <translation>  --keep-path 路径  本次运行不触碰该路径（及其中的内容），与设置中的“永不触碰”
                    列表作用相同；可重复使用
</translation>
    </message>
</context>
<context>
    <name>KeepPrefViewController</name>
    <message>
        <source>Add &amp;Folder…</source>
        <translation>添加文件夹(&amp;F)…</translation>
    </message>
    <message>
        <source>Add a folder to keep</source>
        <translation>添加要保留的文件夹</translation>
    </message>
    <message>
        <source>Add F&amp;ile…</source>
        <translation>添加文件(&amp;I)…</translation>
    </message>
    <message>
        <source>Add a file to keep</source>
        <translation>添加要保留的文件</translation>
    </message>
    <message>
        <source>Add &amp;Pattern</source>
        <translation>添加模式(&amp;P)</translation>
    </message>
    <message>
        <source>Add the pattern to keep</source>
        <translation>添加要保留的模式</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>移除(&amp;R)</translation>
    </message>
    <message>
        <source>Remove the chosen entries</source>
        <translation>移除所选条目</translation>
    </message>
    <message>
        <source>Never touch list</source>
        <translation>“永不触碰”列表</translation>
    </message>
    <message>
        <source>Pattern to keep</source>
        <translation>要保留的模式</translation>
    </message>
    <message>
        <source>A pattern, such as ~/Downloads/*.iso</source>
        <translation>模式，例如 ~/Downloads/*.iso</translation>
    </message>
    <message>
        <source>No tool lists, removes or shreds these folders and files, what lies in the folders, or what matches the patterns.</source>
        <translation>任何工具都不会列出、删除或粉碎这些文件夹和文件、文件夹中的内容以及与模式匹配的项。</translation>
    </message>
    <message>
        <source>Choose a Folder to Keep</source>
        <translation>选择要保留的文件夹</translation>
    </message>
    <message>
        <source>Choose Files to Keep</source>
        <translation>选择要保留的文件</translation>
    </message>
    <message>
        <source>Never Touch</source>
        <translation>永不触碰</translation>
    </message>
</context>
<context>
    <name>LargeCommand</name>
    <message numerus="yes">
        <source>Found %1 in %n item(s) of %2 or more.
</source>
        <translation>
            <numerusform>找到 %n 个不小于 %2 的项，共 %1。
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
        <translation>用法：sweepwright-cli large [FOLDER...] [--layout L] [--root R] [--home H] [--json]
                            [--trash [--yes | --dry-run]]
按五个大小区间列出文件夹中 32 MB 及以上的文件和软件包（默认：布局的
默认文件夹，见下文）。将 FOLDER 指定为 &quot;-&quot; 时，会从
标准输入读取文件夹，每行一个或以 NUL 字节分隔。不会进入隐藏文件夹和 docset；
源代码、构建和数据库文件会被略过，系统的
受保护文件夹也会被略过，并在标准错误输出中列出。使用 --trash 时，所有列出的项
都会移到回收站（可从桌面的回收站恢复），需在终端中
确认或指定 --yes；否则只输出执行计划，不移动任何内容（退出状态 2）。
Ctrl-C 会停止扫描；移动时则在当前项完成后停止（退出状态 130）。

  --json         输出一个 JSON 对象而非表格
  --trash        将所有列出的项移到回收站，然后报告已移动的内容
  --yes          不询问直接移动
  --dry-run      显示 --trash 会移动的内容，但不移动任何内容
  --help         显示此帮助文本
  -V, --version  显示版本
</translation>
    </message>
</context>
<context>
    <name>LeftOutFolders</name>
    <message>
        <source>left out %1: %2</source>
        <translation>已略过 %1：%2</translation>
    </message>
</context>
<context>
    <name>LoginCommand</name>
    <message>
        <source>on</source>
        <comment>starts at login</comment>
        <translation>开启</translation>
    </message>
    <message>
        <source>off</source>
        <comment>does not start at login</comment>
        <translation>关闭</translation>
    </message>
    <message>
        <source>application</source>
        <comment>a login item that is a menu application</comment>
        <translation>应用程序</translation>
    </message>
    <message>
        <source>autostart</source>
        <comment>a login item that is an autostart entry</comment>
        <translation>自动启动</translation>
    </message>
    <message>
        <source>(part of the desktop)</source>
        <translation>（桌面组件）</translation>
    </message>
    <message numerus="yes">
        <source>%n item(s) start at login.</source>
        <translation>
            <numerusform>%n 项在登录时启动。</numerusform>
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
        <translation>用法：sweepwright-cli login [--layout L] [--root R] [--home H] [--json] [--all]
                            [--on ID] [--off ID]
列出登录时启动的内容（开启），然后列出已关闭的自动启动条目
（关闭），每项附带其说明；由桌面自行启动的条目会标为
“桌面组件”并列在最后。--all 会在其后列出其他菜单
应用程序，可用 --on 添加它们。--on 会写入用户的自动启动
条目 ID.desktop；--off 会移除该应用程序的用户条目，并用一个
写有 Hidden=true 的用户条目隐藏系统范围的条目。ID 为
不带 &quot;.desktop&quot; 的 desktop 文件 ID（macos 布局中为应用程序包名称）。

  --json          输出一个 JSON 对象而非列表
  --all           同时列出登录时不启动的应用程序
  --on ID         设为登录时启动 ID（可重复）
  --off ID        设为登录时不启动 ID（可重复）
  --help          显示此帮助文本
  -V, --version   显示版本
</translation>
    </message>
    <message>
        <source>%1 needs an id</source>
        <translation>%1 需要一个 ID</translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot;</source>
        <translation>意外的参数“%1”</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is both in --on and --off</source>
        <translation>“%1”同时出现在 --on 和 --off 中</translation>
    </message>
    <message>
        <source>no login item &quot;%1&quot; (see the list without --on and --off)</source>
        <translation>没有登录项“%1”（请查看不带 --on 和 --off 时的列表）</translation>
    </message>
    <message>
        <source>could not switch &quot;%1&quot; on</source>
        <translation>无法开启“%1”</translation>
    </message>
    <message>
        <source>could not switch &quot;%1&quot; off</source>
        <translation>无法关闭“%1”</translation>
    </message>
</context>
<context>
    <name>LoginItemRow</name>
    <message>
        <source>Part of the desktop</source>
        <translation>桌面组件</translation>
    </message>
</context>
<context>
    <name>MASPreferencesWindowController</name>
    <message>
        <source>Panes</source>
        <translation>面板</translation>
    </message>
</context>
<context>
    <name>MLoginItemsPage</name>
    <message>
        <source>Add an application…</source>
        <translation>添加应用程序…</translation>
    </message>
    <message>
        <source>%1: starts at login</source>
        <translation>%1：登录时启动</translation>
    </message>
    <message>
        <source>%1: does not start at login</source>
        <translation>%1：登录时不启动</translation>
    </message>
    <message>
        <source>Switch off “%1”?</source>
        <translation>要关闭“%1”吗？</translation>
    </message>
    <message>
        <source>It is part of the desktop: the desktop starts it for itself when you log in. Switched off, what it does stops from the next login until you switch it on again.</source>
        <translation>它是桌面的组成部分：登录时由桌面自行启动。关闭后，从下次登录起它的功能将停止，直到再次将其打开。</translation>
    </message>
    <message>
        <source>Switch Off</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>No applications start at login</source>
        <translation>没有应用程序在登录时启动</translation>
    </message>
    <message>
        <source>Add an application to start it each time you log in.</source>
        <translation>添加应用程序，使其在每次登录时启动。</translation>
    </message>
    <message>
        <source>Switching one off keeps it from starting the next time you log in.</source>
        <translation>关闭某项后，下次登录时它将不再启动。</translation>
    </message>
    <message numerus="yes">
        <source>%n application(s) start at login</source>
        <translation>
            <numerusform>%n 个应用程序在登录时启动</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Switching one off keeps it from starting the next time you log in. %n part(s) of the desktop start too; they are listed last.</source>
        <translation>
            <numerusform>关闭某项后，下次登录时它将不再启动。另有 %n 个桌面组件也会启动，列在最后。</numerusform>
        </translation>
    </message>
    <message>
        <source>Login items</source>
        <translation>登录项</translation>
    </message>
</context>
<context>
    <name>MarkedRemoval</name>
    <message>
        <source>needs administrator rights; skipped</source>
        <translation>需要管理员权限；已跳过</translation>
    </message>
</context>
<context>
    <name>MemoryCommand</name>
    <message>
        <source>Memory (%L1 % in use)</source>
        <translation>内存（已用 %L1%）</translation>
    </message>
    <message>
        <source>Memory (usage unavailable: the figures contradict each other)</source>
        <translation>内存（无法获得使用率：各项数值相互矛盾）</translation>
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
        <translation>  已用        %1
  缓存        %2
  缓冲区      %3
  空闲        %4
  活跃        %5
  非活跃      %6
  交换空间    已用 %7，共 %8
  可用        %9
  总计        %10
%11 所在的磁盘
  已用        %12
  空闲        %13
  总计        %14
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
        <translation>用法：sweepwright-cli memory [--layout L] [--home H] [--json] [--release]
输出内存数值（来自 /proc/meminfo 或 SWEEPWRIGHT_PROC/meminfo），以及
“文档”文件夹所在卷的已用空间和可用空间。
使用 --release 时会先释放内存：每次访问 64 MiB 空闲和非活跃内存，
使内核收回非活跃页面和文件缓存；在以下情况会提前停止：
可用内存即将低于 max(10 %, 512 MiB) 时、系统开始使用
交换空间时或内存压力升高时。释放量为空闲内存的变化量；
如果其间其他程序占用了内存，则为负值。

一次释放最多进行 %1 GiB 的此类操作或 %2 秒后即停止。相互矛盾的
数值（空闲内存多于已安装内存）会被限制在已安装内存大小内显示，
使用率记为不可用（JSON 中为 null），且不释放任何内存。

  --json         输出一个 JSON 对象（使用 --release 时还包括 &quot;releasedMemory&quot;、
                 &quot;touchedMemory&quot; 和 &quot;releaseEnd&quot;）
  --release      先释放内存
  --help         显示此帮助文本
  -V, --version  显示版本
</translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot;</source>
        <translation>意外的参数“%1”</translation>
    </message>
    <message>
        <source>cannot read the memory figures from %1/meminfo</source>
        <translation>无法从 %1/meminfo 读取内存数值</translation>
    </message>
    <message>
        <source>Released Memory: %1 (%2 touched; %3)</source>
        <translation>已释放内存：%1（已访问 %2；%3）</translation>
    </message>
</context>
<context>
    <name>MemoryRelease</name>
    <message>
        <source>done</source>
        <translation>已完成</translation>
    </message>
    <message>
        <source>stopped: available memory near its floor</source>
        <translation>已停止：可用内存接近下限</translation>
    </message>
    <message>
        <source>stopped: the system began to swap</source>
        <translation>已停止：系统开始使用交换空间</translation>
    </message>
    <message>
        <source>stopped: memory pressure</source>
        <translation>已停止：内存压力过高</translation>
    </message>
    <message>
        <source>stopped: memory figures unreadable</source>
        <translation>已停止：无法读取内存数值</translation>
    </message>
    <message>
        <source>stopped: memory figures inconsistent</source>
        <translation>已停止：内存数值不一致</translation>
    </message>
    <message>
        <source>stopped: the most one release may do was done</source>
        <translation>已停止：已达到单次释放的上限</translation>
    </message>
</context>
<context>
    <name>ORBigDataCollection</name>
    <message>
        <source>32 MB to 128 MB</source>
        <translation>32 MB 至 128 MB</translation>
    </message>
    <message>
        <source>Files of 32 MB and more, below 128 MB</source>
        <translation>32 MB 及以上、小于 128 MB 的文件</translation>
    </message>
    <message>
        <source>128 MB to 256 MB</source>
        <translation>128 MB 至 256 MB</translation>
    </message>
    <message>
        <source>Files of 128 MB and more, below 256 MB</source>
        <translation>128 MB 及以上、小于 256 MB 的文件</translation>
    </message>
    <message>
        <source>256 MB to 512 MB</source>
        <translation>256 MB 至 512 MB</translation>
    </message>
    <message>
        <source>Files of 256 MB and more, below 512 MB</source>
        <translation>256 MB 及以上、小于 512 MB 的文件</translation>
    </message>
    <message>
        <source>512 MB to 1 GB</source>
        <translation>512 MB 至 1 GB</translation>
    </message>
    <message>
        <source>Files of 512 MB and more, below 1 GB</source>
        <translation>512 MB 及以上、小于 1 GB 的文件</translation>
    </message>
    <message>
        <source>1 GB and more</source>
        <translation>1 GB 及以上</translation>
    </message>
    <message>
        <source>Files of 1 GB and more</source>
        <translation>1 GB 及以上的文件</translation>
    </message>
</context>
<context>
    <name>ORBigNoVeiwCter</name>
    <message>
        <source>Large Files</source>
        <translation>大文件</translation>
    </message>
    <message>
        <source>No large files were found in these folders.</source>
        <translation>在这些文件夹中未找到大文件。</translation>
    </message>
</context>
<context>
    <name>ORBigResultViewCter</name>
    <message numerus="yes">
        <source>%n file(s)</source>
        <translation>
            <numerusform>%n 个文件</numerusform>
        </translation>
    </message>
    <message>
        <source>File Sizes</source>
        <translation>文件大小</translation>
    </message>
</context>
<context>
    <name>ORBigViewCter</name>
    <message>
        <source>Large Files</source>
        <translation>大文件</translation>
    </message>
    <message>
        <source>Find the files of 32 MB and more in these folders and move the ones you no longer need to the Trash.</source>
        <translation>查找这些文件夹中 32 MB 及以上的文件，并将不再需要的文件移到回收站。</translation>
    </message>
</context>
<context>
    <name>ORDupDataCollection</name>
    <message>
        <source>In a reference folder: originals are never removed</source>
        <translation>位于参考文件夹中：原件永远不会被删除</translation>
    </message>
    <message numerus="yes">
        <source>Modified in the last %n day(s): only older copies go</source>
        <translation>
            <numerusform>最近 %n 天内修改过：只移除较旧的副本</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ORDupNoViewCter</name>
    <message>
        <source>Duplicates</source>
        <translation>重复文件</translation>
    </message>
    <message>
        <source>No duplicates were found in these folders.</source>
        <translation>在这些文件夹中未找到重复文件。</translation>
    </message>
</context>
<context>
    <name>ORDupResultItemObject</name>
    <message>
        <source>No duplicates here</source>
        <translation>此处没有重复文件</translation>
    </message>
    <message>
        <source>Choose another kind, or search for another name.</source>
        <translation>请选择其他类别，或搜索其他名称。</translation>
    </message>
    <message numerus="yes">
        <source>%n copies of %1 each; one copy is always kept.</source>
        <translation>
            <numerusform>%n 份副本，每份 %1；始终会保留一份副本。</numerusform>
        </translation>
    </message>
    <message>
        <source>1 copy of %1 is listed; the others lie in protected places.</source>
        <translation>列出了 1 份副本，大小 %1；其他副本位于受保护的位置。</translation>
    </message>
    <message numerus="yes">
        <source>%n item(s), %1 in all; each may go to the Trash.</source>
        <translation>
            <numerusform>%n 项，共 %1；每项都可移到回收站。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ORDupResultViewCter</name>
    <message>
        <source>Select every copy but one of each group listed, or clear them</source>
        <translation>勾选所列每组中除一份以外的所有副本，或全部取消勾选</translation>
    </message>
    <message>
        <source>All</source>
        <translation>全部</translation>
    </message>
    <message>
        <source>List</source>
        <translation>列表</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>预览</translation>
    </message>
    <message>
        <source>Search by name</source>
        <translation>按名称搜索</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>大小</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>Copies</source>
        <translation>副本数</translation>
    </message>
    <message>
        <source>Sort the groups</source>
        <translation>对组排序</translation>
    </message>
    <message>
        <source>Which copy of each group Select keeps. Best original keeps the copy outside Downloads, the Trash and temporary folders, without a copy mark such as &quot;(1)&quot; in its name, the oldest, in the deepest folder.</source>
        <translation>点击“全选”时每组保留哪一份副本。“最佳原件”保留的副本：不在“下载”、回收站和临时文件夹中，名称中没有“(1)”之类的副本标记，时间最早，并位于最深的文件夹中。</translation>
    </message>
    <message>
        <source>All duplicates</source>
        <translation>全部重复文件</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n set(s), %2</source>
        <extracomment>The kind listed (&quot;All duplicates&quot;, &quot;Documents&quot;, ...), the number of sets and their size</extracomment>
        <translation>
            <numerusform>%1：%n 组，%2</numerusform>
        </translation>
    </message>
    <message>
        <source>Each set holds copies of one file. Select keeps one copy of each set.</source>
        <translation>每组包含同一文件的多个副本。“全选”会在每组中保留一份副本。</translation>
    </message>
    <message>
        <source>Groups of duplicates</source>
        <translation>重复文件组</translation>
    </message>
    <message>
        <source>Kind of files</source>
        <translation>文件类型</translation>
    </message>
    <message>
        <source>Show as</source>
        <translation>显示方式</translation>
    </message>
    <message>
        <source>Search the duplicates by name</source>
        <translation>按名称搜索重复文件</translation>
    </message>
    <message>
        <source>The copy Select keeps</source>
        <translation>“全选”保留的副本</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>导出…</translation>
    </message>
    <message>
        <source>Export the result</source>
        <translation>导出结果</translation>
    </message>
    <message>
        <source>Save the groups as a CSV table, or as JSON to open again later</source>
        <translation>将各组保存为 CSV 表格，或保存为 JSON 以便以后再次打开</translation>
    </message>
    <message numerus="yes">
        <source>Empty and broken: %n item(s), %1</source>
        <translation>
            <numerusform>空项和失效项：%n 项，%1</numerusform>
        </translation>
    </message>
    <message>
        <source>Empty files, folders that hold only empty folders, and links whose target is missing.</source>
        <translation>空文件、只含空文件夹的文件夹，以及目标不存在的链接。</translation>
    </message>
</context>
<context>
    <name>ORDupViewCter</name>
    <message>
        <source>Duplicates</source>
        <translation>重复文件</translation>
    </message>
    <message>
        <source>Quick scan: compare samples only, not whole files</source>
        <translation>快速扫描：仅比较抽样部分，而非整个文件</translation>
    </message>
    <message>
        <source>Faster, but files that agree only in the parts compared are reported as duplicates too.</source>
        <translation>速度更快，但仅在比较部分相同的文件也会被报告为重复文件。</translation>
    </message>
    <message>
        <source>Files of %1 and less are not compared.</source>
        <translation>不比较 %1 及以下的文件。</translation>
    </message>
    <message numerus="yes">
        <source>Found %n set(s) of duplicates, %1</source>
        <translation>
            <numerusform>找到 %n 组重复文件，共 %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Empty and broken</source>
        <translation>空项和失效项</translation>
    </message>
    <message>
        <source>What to find</source>
        <translation>查找内容</translation>
    </message>
    <message>
        <source>Copies of the same file, or empty files, empty folders and broken links</source>
        <translation>同一文件的副本，或空文件、空文件夹和失效链接</translation>
    </message>
    <message>
        <source>Open a Saved Result…</source>
        <translation>打开已保存的结果…</translation>
    </message>
    <message>
        <source>Open a saved result</source>
        <translation>打开已保存的结果</translation>
    </message>
    <message>
        <source>Open a result exported as JSON; it is checked against the disk first</source>
        <translation>打开以 JSON 导出的结果；会先与磁盘核对</translation>
    </message>
    <message>
        <source>Open a Saved Result</source>
        <translation>打开已保存的结果</translation>
    </message>
    <message>
        <source>Saved results (*.json)</source>
        <translation>已保存的结果 (*.json)</translation>
    </message>
    <message numerus="yes">
        <source>%n item(s) of the saved result were left out: they changed since it was saved, or cannot be acted on.</source>
        <translation>
            <numerusform>已保存结果中有 %n 项被略过：保存后发生了变化，或无法处理。</numerusform>
        </translation>
    </message>
    <message>
        <source>Find the files that are stored more than once in these folders and move the extra copies to the Trash or replace them with links.</source>
        <translation>查找这些文件夹中重复存放的文件，并将多余的副本移到回收站或替换为链接。</translation>
    </message>
</context>
<context>
    <name>ORExtDataCollection</name>
    <message>
        <source>Extensions</source>
        <translation>扩展</translation>
    </message>
    <message>
        <source>Kernel extensions: drivers and system features that applications added.</source>
        <translation>内核扩展：应用程序添加的驱动程序和系统功能。</translation>
    </message>
    <message>
        <source>Kernel</source>
        <translation>内核</translation>
    </message>
    <message>
        <source>Browser Extensions</source>
        <translation>浏览器扩展</translation>
    </message>
    <message>
        <source>Add-ons installed in the profiles of your web browsers. A removed extension is gone once the browser has been restarted.</source>
        <translation>安装在网页浏览器配置文件中的附加组件。移除的扩展在浏览器重新启动后才会消失。</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>浏览器</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>首选项面板</translation>
    </message>
    <message>
        <source>Preference panes that applications added to System Preferences.</source>
        <translation>应用程序添加到“系统偏好设置”中的首选项面板。</translation>
    </message>
    <message>
        <source>System Preferences</source>
        <translation>系统偏好设置</translation>
    </message>
    <message>
        <source>Desktop Extensions</source>
        <translation>桌面扩展</translation>
    </message>
    <message>
        <source>Shell extensions, widgets and applets you added to your desktop. A removed one is gone once the desktop shell has been restarted or you have logged in again.</source>
        <translation>添加到桌面的 Shell 扩展、小部件和小程序。移除后，需重新启动桌面 Shell 或重新登录才会消失。</translation>
    </message>
    <message>
        <source>Desktop</source>
        <translation>桌面</translation>
    </message>
    <message>
        <source>Internet Plug-Ins</source>
        <translation>互联网插件</translation>
    </message>
    <message>
        <source>Plug-ins that browsers and other programs load to show web content.</source>
        <translation>浏览器和其他程序为显示网页内容而加载的插件。</translation>
    </message>
    <message>
        <source>Browsers</source>
        <translation>浏览器</translation>
    </message>
    <message>
        <source>Browser Plug-Ins</source>
        <translation>浏览器插件</translation>
    </message>
    <message>
        <source>Plug-in libraries the browsers load from your home folder. A removed plug-in is gone once the browser has been restarted.</source>
        <translation>浏览器从主文件夹加载的插件库。移除的插件在浏览器重新启动后才会消失。</translation>
    </message>
    <message>
        <source>Mozilla</source>
        <translation>Mozilla</translation>
    </message>
    <message>
        <source>QuickLook Plug-Ins</source>
        <translation>快速查看插件</translation>
    </message>
    <message>
        <source>Plug-ins that let Quick Look preview more kinds of files.</source>
        <translation>让“快速查看”能预览更多类型文件的插件。</translation>
    </message>
    <message>
        <source>Quick Look</source>
        <translation>快速查看</translation>
    </message>
    <message>
        <source>Thumbnailers</source>
        <translation>缩略图生成器</translation>
    </message>
    <message>
        <source>Programs that draw the previews of files in your file manager. Previews drawn already stay until the file manager has been restarted and the thumbnail cache cleaned.</source>
        <translation>在文件管理器中生成文件预览图的程序。已生成的预览图会一直保留，直到重新启动文件管理器并清理缩略图缓存。</translation>
    </message>
    <message>
        <source>File manager</source>
        <translation>文件管理器</translation>
    </message>
    <message>
        <source>Spotlight Plug-Ins</source>
        <translation>Spotlight 插件</translation>
    </message>
    <message>
        <source>Plug-ins that let Spotlight search more kinds of files.</source>
        <translation>让 Spotlight 能搜索更多类型文件的插件。</translation>
    </message>
    <message>
        <source>Spotlight</source>
        <translation>Spotlight</translation>
    </message>
    <message>
        <source>Search Providers</source>
        <translation>搜索提供程序</translation>
    </message>
    <message>
        <source>Applications that add their results to the desktop&apos;s search. A removed provider is gone once the desktop shell has been restarted.</source>
        <translation>将结果添加到桌面搜索中的应用程序。移除的搜索提供程序在桌面 Shell 重新启动后才会消失。</translation>
    </message>
    <message>
        <source>Desktop search</source>
        <translation>桌面搜索</translation>
    </message>
</context>
<context>
    <name>ORExtensionResultViewCter</name>
    <message>
        <source>Enabled</source>
        <translation>已启用</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>已禁用</translation>
    </message>
    <message>
        <source>Extensions</source>
        <translation>扩展</translation>
    </message>
    <message>
        <source>Nothing of this kind is installed.</source>
        <translation>未安装此类扩展。</translation>
    </message>
</context>
<context>
    <name>ORExtensionViewCter</name>
    <message>
        <source>Extensions</source>
        <translation>扩展</translation>
    </message>
    <message>
        <source>See the add-ons installed in your browsers and your desktop, and remove the ones you no longer use.</source>
        <translation>查看浏览器和桌面中安装的附加组件，并移除不再使用的组件。</translation>
    </message>
</context>
<context>
    <name>ORFileConvertViewCter</name>
    <message>
        <source>Icons</source>
        <translation>图标</translation>
    </message>
    <message>
        <source>List</source>
        <translation>列表</translation>
    </message>
    <message>
        <source>In %1. These files are a temporary copy, removed when you leave this page: save them or extract them to keep them.</source>
        <translation>位于 %1。这些文件是临时副本，离开此页面时会被移除：如需保留，请保存或解压它们。</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message numerus="yes">
        <source>%n item(s) could not be saved.</source>
        <translation>
            <numerusform>%n 项无法保存。</numerusform>
        </translation>
    </message>
    <message>
        <source>Extract To</source>
        <translation>解压到</translation>
    </message>
    <message>
        <source>Extract</source>
        <translation>解压</translation>
    </message>
    <message>
        <source>The folder %1 could not be made</source>
        <translation>无法创建文件夹 %1</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 不是文件夹</translation>
    </message>
    <message>
        <source>Show as</source>
        <translation>显示方式</translation>
    </message>
    <message>
        <source>Extracted files</source>
        <translation>解压出的文件</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>返回(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>保存(&amp;S)…</translation>
    </message>
    <message>
        <source>&amp;Extract to...</source>
        <translation>解压到(&amp;E)…</translation>
    </message>
    <message>
        <source>&amp;Mail</source>
        <translation>发送邮件(&amp;M)</translation>
    </message>
</context>
<context>
    <name>ORFileDataCollection</name>
    <message>
        <source>A winmail file is listed only by decoding it</source>
        <translation>winmail 文件只有解码后才能列出内容</translation>
    </message>
    <message>
        <source>Cannot create the folder</source>
        <translation>无法创建文件夹</translation>
    </message>
    <message>
        <source>Not a winmail.dat file, or a damaged one</source>
        <translation>不是 winmail.dat 文件，或文件已损坏</translation>
    </message>
    <message>
        <source>Cannot read the file</source>
        <translation>无法读取文件</translation>
    </message>
    <message>
        <source>Cannot create the folder %1</source>
        <translation>无法创建文件夹 %1</translation>
    </message>
</context>
<context>
    <name>ORFileDropView</name>
    <message>
        <source>Drop an archive or a winmail.dat file here</source>
        <translation>将压缩文件或 winmail.dat 文件拖放到此处</translation>
    </message>
    <message>
        <source>or</source>
        <translation>或</translation>
    </message>
    <message>
        <source>Choose a File...</source>
        <translation>选择文件…</translation>
    </message>
    <message>
        <source>Choose an Archive</source>
        <translation>选择压缩文件</translation>
    </message>
    <message>
        <source>Archives (%1)</source>
        <translation>压缩文件 (%1)</translation>
    </message>
</context>
<context>
    <name>ORFileIntroViewCter</name>
    <message>
        <source>Unarchive error or password error, try again!</source>
        <translation>解压出错或密码错误，请重试！</translation>
    </message>
    <message>
        <source>This archive format is not supported</source>
        <translation>不支持此压缩文件格式</translation>
    </message>
    <message>
        <source>Not enough free space</source>
        <translation>可用空间不足</translation>
    </message>
    <message>
        <source>Archives</source>
        <translation>压缩文件</translation>
    </message>
    <message>
        <source>Open zip, rar, 7z, tar and many other archives, and the attachments in winmail.dat files: see what is inside, then open, save or mail it.</source>
        <translation>打开 zip、rar、7z、tar 等多种压缩文件以及 winmail.dat 文件中的附件：查看其中的内容，然后打开、保存或通过邮件发送。</translation>
    </message>
    <message>
        <source>File name encoding:</source>
        <translation>文件名编码：</translation>
    </message>
    <message>
        <source>zip, rar, 7z, tar, gz, bz2, xz, iso, cab, lzh, arj, cpio, deb, rpm, winmail.dat and more</source>
        <translation>zip、rar、7z、tar、gz、bz2、xz、iso、cab、lzh、arj、cpio、deb、rpm、winmail.dat 等</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Extracting...</source>
        <translation>正在解压…</translation>
    </message>
</context>
<context>
    <name>ORFolderTableCellView</name>
    <message>
        <source>Remove from the List</source>
        <translation>从列表中移除</translation>
    </message>
    <message>
        <source>Reference Folder</source>
        <translation>参考文件夹</translation>
    </message>
    <message>
        <source>Reference folder: the originals live here and its copies are never selected. Click to make it an ordinary folder.</source>
        <translation>参考文件夹：原件存放在这里，其中的副本永远不会被选中。点击可改回普通文件夹。</translation>
    </message>
    <message>
        <source>Make this a reference folder: the originals live here and its copies are never selected.</source>
        <translation>设为参考文件夹：原件存放在这里，其中的副本永远不会被选中。</translation>
    </message>
</context>
<context>
    <name>ORItemTableCellView</name>
    <message>
        <source>Show in the File Manager</source>
        <translation>在文件管理器中显示</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>预览</translation>
    </message>
</context>
<context>
    <name>ORJunkFilesCollection</name>
    <message>
        <source>Application Junk Files</source>
        <translation>应用程序垃圾文件</translation>
    </message>
    <message>
        <source>Caches and logs that applications keep to start and work faster. An application makes them again when it needs them.</source>
        <translation>应用程序为加快启动和运行而保存的缓存和日志。应用程序需要时会重新生成它们。</translation>
    </message>
    <message>
        <source>Leftover Files</source>
        <translation>残留文件</translation>
    </message>
    <message>
        <source>Settings, saved window states and launch agents of applications other than the system&apos;s own.</source>
        <translation>非系统自带应用程序的首选项、保存的窗口状态和启动代理。</translation>
    </message>
    <message>
        <source>Menu and login entries whose program is no longer installed, and the data of Flatpak applications that were removed.</source>
        <translation>对应程序已不再安装的菜单项和登录项，以及已移除的 Flatpak 应用程序的数据。</translation>
    </message>
    <message>
        <source>System Cache Files</source>
        <translation>系统缓存文件</translation>
    </message>
    <message>
        <source>Caches of the system&apos;s own programs and services. They are made again when needed.</source>
        <translation>系统自带程序和服务的缓存。需要时会重新生成。</translation>
    </message>
    <message>
        <source>Caches of the system&apos;s programs in /var/cache, such as packages the package manager downloaded. They are made again when needed.</source>
        <translation>/var/cache 中系统程序的缓存，例如软件包管理器下载的软件包。需要时会重新生成。</translation>
    </message>
    <message>
        <source>System Log Files</source>
        <translation>系统日志文件</translation>
    </message>
    <message>
        <source>Records of what the system and its services did. They help to find the cause of a fault; nothing needs them to run.</source>
        <translation>系统及其服务的运行记录。它们有助于查找故障原因；任何程序运行都不需要它们。</translation>
    </message>
    <message>
        <source>Mail Attachments</source>
        <translation>邮件附件</translation>
    </message>
    <message>
        <source>Copies of attachments saved when you opened them. The messages keep their own copy.</source>
        <translation>打开附件时保存的副本。邮件本身仍保留各自的副本。</translation>
    </message>
    <message>
        <source>iTunes Junk Files</source>
        <translation>iTunes 垃圾文件</translation>
    </message>
    <message>
        <source>iPhone and iPad software updates and copies of their applications that iTunes downloaded.</source>
        <translation>iTunes 下载的 iPhone 和 iPad 软件更新及其应用程序副本。</translation>
    </message>
    <message>
        <source>iOS Backups</source>
        <translation>iOS 备份</translation>
    </message>
    <message>
        <source>Backups of iPhones and iPads made on this computer.</source>
        <translation>在这台电脑上制作的 iPhone 和 iPad 备份。</translation>
    </message>
    <message>
        <source>iOS Software Updates</source>
        <translation>iOS 软件更新</translation>
    </message>
    <message>
        <source>Software updates for iPhones and iPads that were downloaded.</source>
        <translation>已下载的 iPhone 和 iPad 软件更新。</translation>
    </message>
    <message>
        <source>Trash</source>
        <translation>回收站</translation>
    </message>
    <message>
        <source>Everything you moved to the Trash and did not empty yet.</source>
        <translation>移到回收站但尚未清空的所有内容。</translation>
    </message>
    <message>
        <source>Downloads</source>
        <translation>下载</translation>
    </message>
    <message>
        <source>Everything in your Downloads folder, which may hold files you keep.</source>
        <translation>“下载”文件夹中的所有内容，其中可能有需要保留的文件。</translation>
    </message>
    <message>
        <source>Xcode DerivedData</source>
        <translation>Xcode DerivedData</translation>
    </message>
    <message>
        <source>Build products and indexes that Xcode makes again when a project is built.</source>
        <translation>构建产物和索引，Xcode 在构建项目时会重新生成它们。</translation>
    </message>
    <message>
        <source>Developer Build Caches</source>
        <translation>开发构建缓存</translation>
    </message>
    <message>
        <source>Package and build caches of npm, Gradle, Cargo and Go, which are downloaded again when a build needs them.</source>
        <translation>npm、Gradle、Cargo 和 Go 的软件包与构建缓存，构建需要时会重新下载。</translation>
    </message>
    <message>
        <source>Browser Junk Files</source>
        <translation>浏览器垃圾文件</translation>
    </message>
    <message>
        <source>Pages and images your browsers keep to show sites faster, their history and their cookies. Without cookies you are signed out of websites.</source>
        <translation>浏览器为更快显示网站而保存的网页和图片、浏览历史以及 Cookie。没有 Cookie，网站将会退出登录。</translation>
    </message>
    <message>
        <source>Pages and images your browsers keep to show sites faster, and their history and cookies, which start unticked: without cookies you are signed out of websites.</source>
        <translation>浏览器为更快显示网站而保存的网页和图片，以及浏览历史和 Cookie。后两项默认不勾选：没有 Cookie，网站将会退出登录。</translation>
    </message>
    <message numerus="yes">
        <source>Only items older than %n day(s) are listed.</source>
        <translation>
            <numerusform>仅列出超过 %n 天的项目。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ORJunkViewCter</name>
    <message>
        <source>Junk Clean</source>
        <translation>垃圾清理</translation>
    </message>
    <message>
        <source>Find caches, logs, leftovers of removed applications, the Trash and other files you no longer need, and free up space safely.</source>
        <translation>查找缓存、日志、已移除应用程序的残留文件、回收站以及其他不再需要的文件，安全地释放空间。</translation>
    </message>
</context>
<context>
    <name>ORJunksResultViewCter</name>
    <message>
        <source>Categories</source>
        <translation>类别</translation>
    </message>
    <message>
        <source>Nothing to clean in this category.</source>
        <translation>此类别中没有需要清理的内容。</translation>
    </message>
</context>
<context>
    <name>ORLayout</name>
    <message>
        <source>unknown layout &quot;%1&quot; (use freedesktop or macos)</source>
        <translation>未知布局“%1”（请使用 freedesktop 或 macos）</translation>
    </message>
    <message>
        <source>no home folder: user %1 has no password entry and $HOME is not set (give --home)</source>
        <translation>没有主文件夹：用户 %1 没有密码条目，且未设置 $HOME（请指定 --home）</translation>
    </message>
    <message>
        <source>  --layout L    where to look: freedesktop (default) or macos
  --root R      the file-system root the layout&apos;s system folders are under (default /)
  --home H      the home folder to look in (default: the real user&apos;s home)
</source>
        <translation>  --layout L    按哪种布局查找：freedesktop（默认）或 macos
  --root R      布局的系统文件夹所在的文件系统根文件夹（默认 /）
  --home H      要查找的主文件夹（默认：实际用户的主文件夹）
</translation>
    </message>
</context>
<context>
    <name>ORMainWinController</name>
    <message>
        <source>Open Sweepwright</source>
        <translation>打开 Sweepwright</translation>
    </message>
    <message>
        <source>Release Memory</source>
        <translation>释放内存</translation>
    </message>
    <message>
        <source>Preferences…</source>
        <translation>首选项…</translation>
    </message>
    <message>
        <source>Quit Sweepwright</source>
        <translation>退出 Sweepwright</translation>
    </message>
    <message>
        <source>Junk Clean</source>
        <translation>垃圾清理</translation>
    </message>
    <message>
        <source>Archives</source>
        <translation>压缩文件</translation>
    </message>
    <message>
        <source>Login Items</source>
        <translation>登录项</translation>
    </message>
    <message>
        <source>Duplicates</source>
        <translation>重复文件</translation>
    </message>
    <message>
        <source>Large Files</source>
        <translation>大文件</translation>
    </message>
    <message>
        <source>Uninstaller</source>
        <translation>卸载程序</translation>
    </message>
    <message>
        <source>Shredder</source>
        <translation>文件粉碎</translation>
    </message>
    <message>
        <source>Memory</source>
        <translation>内存</translation>
    </message>
    <message>
        <source>Toolbox</source>
        <translation>工具箱</translation>
    </message>
    <message>
        <source>Extensions</source>
        <translation>扩展</translation>
    </message>
    <message>
        <source>History</source>
        <translation>历史记录</translation>
    </message>
</context>
<context>
    <name>ORMemViewCter</name>
    <message>
        <source>Memory</source>
        <translation>内存</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>磁盘</translation>
    </message>
    <message>
        <source>Used</source>
        <translation>已用</translation>
    </message>
    <message>
        <source>Available</source>
        <translation>可用</translation>
    </message>
    <message>
        <source>Cached</source>
        <translation>缓存</translation>
    </message>
    <message>
        <source>Buffers</source>
        <translation>缓冲区</translation>
    </message>
    <message>
        <source>Free</source>
        <translation>空闲</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>总计</translation>
    </message>
    <message>
        <source>Swap</source>
        <translation>交换空间</translation>
    </message>
    <message>
        <source>Release Memory asks the kernel to give back the memory it holds as cache. Programs read those files from the disk again when they need them, so the computer does not get faster.</source>
        <translation>“释放内存”会请求内核交还其用作缓存的内存。程序需要时会重新从磁盘读取这些文件，因此电脑并不会因此变快。</translation>
    </message>
    <message>
        <source>Released Memory</source>
        <translation>已释放内存</translation>
    </message>
    <message>
        <source>%1 of %2 in use</source>
        <translation>已用 %1，共 %2</translation>
    </message>
    <message>
        <source>None</source>
        <translation>无</translation>
    </message>
    <message>
        <source>Unavailable</source>
        <translation>不可用</translation>
    </message>
    <message>
        <source>Memory in use</source>
        <translation>已用内存</translation>
    </message>
    <message>
        <source>Disk space in use</source>
        <translation>已用磁盘空间</translation>
    </message>
    <message>
        <source>&amp;Release Memory</source>
        <translation>释放内存(&amp;R)</translation>
    </message>
</context>
<context>
    <name>ORNoJunkViewCter</name>
    <message>
        <source>No category was scanned</source>
        <translation>未扫描任何类别</translation>
    </message>
    <message>
        <source>Choose the kinds of junk to look for in Preferences, under Junk Clean.</source>
        <translation>请在首选项的“垃圾清理”中选择要查找的垃圾文件类型。</translation>
    </message>
</context>
<context>
    <name>ORPdfCompressViewCter</name>
    <message>
        <source>Page %1 of %2</source>
        <translation>第 %1 页，共 %2 页</translation>
    </message>
    <message>
        <source>PDF Compressor</source>
        <translation>PDF 压缩</translation>
    </message>
    <message>
        <source>Makes a smaller copy of a PDF document; the document itself is left as it is.</source>
        <translation>生成 PDF 文档的较小副本；文档本身保持不变。</translation>
    </message>
    <message>
        <source>Drop a PDF document here</source>
        <translation>将 PDF 文档拖放到此处</translation>
    </message>
    <message>
        <source>Choose a PDF…</source>
        <translation>选择 PDF…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Save…</source>
        <translation>保存…</translation>
    </message>
    <message>
        <source>Mail</source>
        <translation>发送邮件</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>返回</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>页数</translation>
    </message>
    <message>
        <source>Before</source>
        <translation>压缩前</translation>
    </message>
    <message>
        <source>After</source>
        <translation>压缩后</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>质量</translation>
    </message>
    <message>
        <source>Smallest file (images at 50 ppi)</source>
        <translation>最小文件（图像 50 ppi）</translation>
    </message>
    <message>
        <source>Medium (images at 150 ppi)</source>
        <translation>中等（图像 150 ppi）</translation>
    </message>
    <message>
        <source>Best quality (images at 300 ppi)</source>
        <translation>最佳质量（图像 300 ppi）</translation>
    </message>
    <message>
        <source>Choose a PDF document</source>
        <translation>选择 PDF 文档</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf *.PDF)</source>
        <translation>PDF 文档 (*.pdf *.PDF)</translation>
    </message>
    <message>
        <source>“%1” is not a PDF document that can be read.</source>
        <translation>“%1”不是可读取的 PDF 文档。</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>信息</translation>
    </message>
    <message>
        <source>Please enter the password</source>
        <translation>请输入密码</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Compressor</source>
        <translation>正在压缩</translation>
    </message>
    <message>
        <source>Already compact: no smaller copy could be made</source>
        <translation>已足够精简：无法生成更小的副本</translation>
    </message>
    <message>
        <source>This copy is not password protected</source>
        <translation>此副本不受密码保护</translation>
    </message>
    <message>
        <source>Save the compressed PDF</source>
        <translation>保存压缩后的 PDF</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>PDF 文档 (*.pdf)</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>“%1” already exists. Do you want to replace it?</source>
        <translation>“%1”已存在。要替换它吗？</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>替换</translation>
    </message>
    <message>
        <source>The copy could not be saved as “%1”.</source>
        <translation>无法将副本保存为“%1”。</translation>
    </message>
</context>
<context>
    <name>ORPdfWindowCter</name>
    <message>
        <source>PDF Compressor</source>
        <translation>PDF 压缩</translation>
    </message>
</context>
<context>
    <name>ORShredViewCter</name>
    <message>
        <source>Shredder</source>
        <translation>文件粉碎</translation>
    </message>
    <message>
        <source>Files and folders shredded here are removed at once, not moved to the Trash.</source>
        <translation>在此粉碎的文件和文件夹会被立即删除，而不是移到回收站。</translation>
    </message>
    <message>
        <source>To shred</source>
        <translation>待粉碎</translation>
    </message>
    <message>
        <source>Drop files and folders here</source>
        <translation>将文件和文件夹拖放到此处</translation>
    </message>
    <message>
        <source>Overwrite contents before removing</source>
        <translation>删除前先覆写内容</translation>
    </message>
    <message>
        <source>On SSDs and copy-on-write file systems, overwriting cannot guarantee that the old data is gone.</source>
        <translation>在 SSD 和写时复制文件系统上，覆写无法保证旧数据已被清除。</translation>
    </message>
    <message>
        <source>&amp;Shred</source>
        <translation>粉碎(&amp;S)</translation>
    </message>
</context>
<context>
    <name>ORToolViewCter</name>
    <message>
        <source>Toolbox</source>
        <translation>工具箱</translation>
    </message>
    <message>
        <source>Make PDF files smaller, or open the desktop&apos;s own tools for this computer, its disks and its extensions.</source>
        <translation>缩小 PDF 文件，或打开桌面自带的工具来管理这台电脑及其磁盘和扩展。</translation>
    </message>
    <message>
        <source>PDF Compressor</source>
        <translation>PDF 压缩</translation>
    </message>
    <message>
        <source>System Information</source>
        <translation>系统信息</translation>
    </message>
    <message>
        <source>Disk Utility</source>
        <translation>磁盘工具</translation>
    </message>
    <message>
        <source>Extensions</source>
        <translation>扩展</translation>
    </message>
    <message>
        <source>Open the Extensions page</source>
        <translation>打开“扩展”页面</translation>
    </message>
    <message>
        <source>Not installed</source>
        <translation>未安装</translation>
    </message>
    <message>
        <source>The PDF compressor cannot be opened: its plugin is missing or broken.

%1</source>
        <translation>无法打开 PDF 压缩工具：其插件缺失或已损坏。

%1</translation>
    </message>
    <message>
        <source>%1 could not be opened.</source>
        <translation>无法打开 %1。</translation>
    </message>
</context>
<context>
    <name>ORUninstDelViewCter</name>
    <message>
        <source>Open Trash</source>
        <translation>打开回收站</translation>
    </message>
    <message>
        <source>What went to the Trash can be restored from there</source>
        <translation>移到回收站的内容可以从那里恢复</translation>
    </message>
</context>
<context>
    <name>ORUninstResultViewCter</name>
    <message>
        <source>Application</source>
        <translation>应用程序</translation>
    </message>
    <message>
        <source>AppImage</source>
        <translation>AppImage</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>主文件夹</translation>
    </message>
    <message>
        <source>Flatpak</source>
        <translation>Flatpak</translation>
    </message>
    <message>
        <source>Package</source>
        <translation>软件包</translation>
    </message>
    <message numerus="yes">
        <source>%n item(s)</source>
        <translation>
            <numerusform>%n 项</numerusform>
        </translation>
    </message>
    <message>
        <source>Caches</source>
        <translation>缓存</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>首选项</translation>
    </message>
    <message>
        <source>Your data</source>
        <translation>您的数据</translation>
    </message>
    <message>
        <source>Removed only with the application: tick the application first</source>
        <translation>只能随应用程序一起移除：请先勾选该应用程序</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>搜索</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>大小</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>Sort the applications</source>
        <translation>对应用程序排序</translation>
    </message>
    <message>
        <source>Last Modified: %1</source>
        <translation>上次修改：%1</translation>
    </message>
    <message>
        <source>Applications</source>
        <translation>应用程序</translation>
    </message>
    <message>
        <source>Search the applications</source>
        <translation>搜索应用程序</translation>
    </message>
</context>
<context>
    <name>ORUninstViewCter</name>
    <message>
        <source>Uninstaller</source>
        <translation>卸载程序</translation>
    </message>
    <message>
        <source>See every installed application with the caches, settings and data it leaves behind, and remove an application completely or just its leftovers. What you remove goes to the Trash; your own data stays unless you tick it.</source>
        <translation>查看每个已安装的应用程序及其遗留的缓存、首选项和数据，可以彻底移除应用程序，或仅移除其残留文件。移除的内容会移到回收站；除非勾选，否则您自己的数据会保留。</translation>
    </message>
    <message>
        <source>See every installed application with the caches, settings and data it keeps, and remove an application together with them. Files of yours go to the Trash; your own data stays unless you tick it.</source>
        <translation>查看每个已安装的应用程序及其保存的缓存、首选项和数据，并将应用程序连同它们一起移除。属于您的文件会移到回收站；除非勾选，否则您自己的数据会保留。</translation>
    </message>
    <message>
        <source>Scanning the installed applications…</source>
        <translation>正在扫描已安装的应用程序…</translation>
    </message>
    <message>
        <source>Collecting...</source>
        <translation>正在收集…</translation>
    </message>
    <message>
        <source>Fewer than two applications were found: there is nothing to uninstall.</source>
        <translation>找到的应用程序少于两个：没有可卸载的内容。</translation>
    </message>
</context>
<context>
    <name>ORUtility</name>
    <message>
        <source>today</source>
        <translation>今天</translation>
    </message>
</context>
<context>
    <name>OlderThanOption</name>
    <message>
        <source>%1 needs a number of days</source>
        <translation>%1 需要一个天数</translation>
    </message>
    <message>
        <source>--older-than takes a whole number of days from 0 to %1, not &quot;%2&quot;</source>
        <translation>--older-than 需要 0 到 %1 之间的整数天数，而不是“%2”</translation>
    </message>
    <message>
        <source>  --older-than DAYS      only files last modified more than DAYS days ago (0: all)
</source>
        <translation>  --older-than DAYS      仅限最后修改时间在 DAYS 天以前的文件（0：全部）
</translation>
    </message>
    <message>
        <source>  --older-than DAYS  only items older than DAYS days (0: all), in every category, in place
        of the ages set in Preferences &gt; Junk Clean (which apply otherwise, --clean
        included): by the newest modification time inside an item, and in the Trash by
        the date it was deleted; a Trash item without a readable date counts as new
</source>
        <translation>  --older-than DAYS  每个类别中仅限超过 DAYS 天的项目（0：全部），取代 首选项 &gt; 垃圾清理
        中设置的期限（否则按其设置，包括 --clean）：按项目内最近的修改时间计算，
        回收站中的项目按删除日期计算；没有可读日期的回收站项目视为新项目
</translation>
    </message>
</context>
<context>
    <name>OutputPlacement</name>
    <message>
        <source>%1 cannot be opened: %2</source>
        <translation>无法打开 %1：%2</translation>
    </message>
    <message>
        <source>%1 is a folder</source>
        <translation>%1 是文件夹</translation>
    </message>
    <message>
        <source>%1 already exists</source>
        <translation>%1 已存在</translation>
    </message>
    <message>
        <source>no file can be made in %1: %2</source>
        <translation>无法在 %1 中创建文件：%2</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>已取消</translation>
    </message>
</context>
<context>
    <name>PackageCommands</name>
    <message>
        <source>%1 could not be run: %2</source>
        <translation>无法运行 %1：%2</translation>
    </message>
    <message>
        <source>%1 failed (exit status %2): %3</source>
        <translation>%1 失败（退出状态 %2）：%3</translation>
    </message>
    <message>
        <source>%1; left in place</source>
        <translation>%1；未移除</translation>
    </message>
    <message>
        <source>%1 failed with administrator rights (exit status %2)</source>
        <translation>%1 以管理员权限运行失败（退出状态 %2）</translation>
    </message>
    <message>
        <source>flatpak is not installed; left in place</source>
        <translation>未安装 flatpak；未移除</translation>
    </message>
    <message>
        <source>%1 would not remove it; left in place</source>
        <translation>%1 拒绝移除它；未移除</translation>
    </message>
    <message>
        <source>removing it would also remove %1; left in place</source>
        <translation>移除它会同时移除 %1；未移除</translation>
    </message>
    <message>
        <source>apt-get is not installed; left in place</source>
        <translation>未安装 apt-get；未移除</translation>
    </message>
</context>
<context>
    <name>PackageKitRemoval</name>
    <message>
        <source>cancelled; left in place</source>
        <translation>已取消；未移除</translation>
    </message>
    <message>
        <source>PackageKit is not running; left in place</source>
        <translation>PackageKit 未运行；未移除</translation>
    </message>
    <message>
        <source>PackageKit could not plan the removal: %1; left in place</source>
        <translation>PackageKit 无法规划移除操作：%1；未移除</translation>
    </message>
    <message>
        <source>%1; left in place</source>
        <translation>%1；未移除</translation>
    </message>
    <message>
        <source>PackageKit could not remove it: %1; left in place</source>
        <translation>PackageKit 无法移除它：%1；未移除</translation>
    </message>
</context>
<context>
    <name>PageStyle</name>
    <message>
        <source>or</source>
        <translation>或</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>开始(&amp;S)</translation>
    </message>
</context>
<context>
    <name>PasswordPanel</name>
    <message>
        <source>Password</source>
        <translation>密码</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is protected by a password</source>
        <translation>“%1”受密码保护</translation>
    </message>
    <message>
        <source>Enter the password to extract its files.</source>
        <translation>输入密码以解压其中的文件。</translation>
    </message>
    <message>
        <source>Trying the password…</source>
        <translation>正在尝试密码…</translation>
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
        <translation>用法：sweepwright-cli pdf FILE [--quality 0|1|2] [-o OUT] [--password-stdin] [--json]
生成 PDF 文档的较小副本：其中的图像会降至 50 ppi
（质量 0，默认）、150 ppi（1）或 300 ppi（2）。无法生成更小的副本时，
副本即为文档本身。受密码保护的文档会生成
不受保护的副本。

  --quality N        0、1 或 2
  -o OUT             将副本放到 OUT（文件名，或用于存放副本的文件夹），
                     而不是留在压缩工具的临时文件夹中
  --yes              OUT 已存在时不询问直接替换
  --dry-run          显示将执行的操作，但不生成任何内容
  --password-stdin   从标准输入的第一行读取密码
                     （否则在需要时于终端中询问）
  --json             以 JSON 格式输出结果
  --help             显示此帮助文本
  -V, --version      显示版本
</translation>
    </message>
    <message>
        <source>%1 needs 0, 1 or 2</source>
        <translation>%1 需要 0、1 或 2</translation>
    </message>
    <message>
        <source>%1 needs a file or a folder</source>
        <translation>%1 需要一个文件或文件夹</translation>
    </message>
    <message>
        <source>--quality takes 0, 1 or 2</source>
        <translation>--quality 的取值应为 0、1 或 2</translation>
    </message>
    <message>
        <source>%1: not a PDF document that can be read</source>
        <translation>%1：不是可读取的 PDF 文档</translation>
    </message>
    <message>
        <source>Password for %1: </source>
        <translation>%1 的密码：</translation>
    </message>
    <message>
        <source>%1 needs a password: give it with --password-stdin</source>
        <translation>%1 需要密码：请通过 --password-stdin 提供</translation>
    </message>
    <message>
        <source>%1: wrong password</source>
        <translation>%1：密码错误</translation>
    </message>
    <message>
        <source>Replace %1?</source>
        <translation>要替换 %1 吗？</translation>
    </message>
    <message>
        <source>Compressing</source>
        <translation>正在压缩</translation>
    </message>
    <message>
        <source>the copy stays at %1: %2</source>
        <translation>副本保留在 %1：%2</translation>
    </message>
    <message numerus="yes">
        <source>Would compress %1 (%n page(s), %2) at quality %3 into %4 (replacing it)</source>
        <translation>
            <numerusform>将以质量 %3 把 %1（%n 页，%2）压缩为 %4（替换现有文件）</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Would compress %1 (%n page(s), %2) at quality %3 into %4</source>
        <translation>
            <numerusform>将以质量 %3 把 %1（%n 页，%2）压缩为 %4</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %n page(s), %2 -&gt; %3</source>
        <translation>
            <numerusform>%1：%n 页，%2 -&gt; %3</numerusform>
        </translation>
    </message>
    <message>
        <source>Already compact: no smaller copy could be made</source>
        <translation>已足够精简：无法生成更小的副本</translation>
    </message>
    <message>
        <source>This copy is not password protected</source>
        <translation>此副本不受密码保护</translation>
    </message>
    <message>
        <source>Written to %1</source>
        <translation>已写入 %1</translation>
    </message>
</context>
<context>
    <name>PdfCompressor</name>
    <message>
        <source>Compression failed: %1</source>
        <translation>压缩失败：%1</translation>
    </message>
    <message>
        <source>Ghostscript left no readable PDF</source>
        <translation>Ghostscript 未生成可读取的 PDF</translation>
    </message>
    <message>
        <source>the copy has %1 of the %2 pages</source>
        <translation>副本只有 %2 页中的 %1 页</translation>
    </message>
    <message>
        <source>%1 is not a PDF document that can be read</source>
        <translation>%1 不是可读取的 PDF 文档</translation>
    </message>
    <message>
        <source>the copy could not be written in %1</source>
        <translation>无法在 %1 中写入副本</translation>
    </message>
</context>
<context>
    <name>PdfPasswordPanel</name>
    <message>
        <source>Password</source>
        <translation>密码</translation>
    </message>
    <message>
        <source>Enter the document&apos;s password:</source>
        <translation>输入文档的密码：</translation>
    </message>
    <message>
        <source>Wrong password</source>
        <translation>密码错误</translation>
    </message>
</context>
<context>
    <name>PdfWorkFolder</name>
    <message>
        <source>%1 is not a private folder of yours</source>
        <translation>%1 不是您的私有文件夹</translation>
    </message>
    <message>
        <source>%1 cannot be locked</source>
        <translation>无法锁定 %1</translation>
    </message>
    <message>
        <source>no folder can be made in %1</source>
        <translation>无法在 %1 中创建文件夹</translation>
    </message>
</context>
<context>
    <name>ProgressLine</name>
    <message numerus="yes">
        <source>%Ln item(s)</source>
        <translation>
            <numerusform>%Ln 项</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RefusedPlaces</name>
    <message>
        <source>where it lies could not be checked</source>
        <translation>无法检查其所在位置</translation>
    </message>
    <message>
        <source>it is the home folder or holds it (%1)</source>
        <translation>它是主文件夹或包含主文件夹（%1）</translation>
    </message>
    <message>
        <source>it holds the root folder %1</source>
        <translation>它包含根文件夹 %1</translation>
    </message>
    <message>
        <source>it is the root folder</source>
        <translation>它是根文件夹</translation>
    </message>
    <message>
        <source>it is a protected system folder</source>
        <translation>它是受保护的系统文件夹</translation>
    </message>
    <message>
        <source>it lies in the protected system folder %1</source>
        <translation>它位于受保护的系统文件夹 %1 中</translation>
    </message>
    <message>
        <source>it is or lies in your folder %1</source>
        <translation>它是您的文件夹 %1 或位于其中</translation>
    </message>
    <message>
        <source>it holds %1, which is on your Never touch list</source>
        <translation>其中包含 %1，它在您的“永不触碰”列表中</translation>
    </message>
    <message>
        <source>it is on your Never touch list</source>
        <translation>它在您的“永不触碰”列表中</translation>
    </message>
    <message>
        <source>it lies in %1, which is on your Never touch list</source>
        <translation>它位于 %1 中，而该位置在您的“永不触碰”列表中</translation>
    </message>
</context>
<context>
    <name>RemovalRun</name>
    <message>
        <source>a link lies on its way: it changed since the scan</source>
        <translation>其路径上有链接：扫描后已发生变化</translation>
    </message>
    <message>
        <source>it lies on another file system mounted below its folder</source>
        <translation>它位于挂载在其所在文件夹下的另一个文件系统上</translation>
    </message>
    <message>
        <source>more entries could not be removed</source>
        <translation>还有更多条目无法移除</translation>
    </message>
    <message>
        <source>not inside %1</source>
        <translation>不在 %1 中</translation>
    </message>
    <message>
        <source>another file system is mounted here; left alone</source>
        <translation>此处挂载了另一个文件系统；已跳过</translation>
    </message>
    <message>
        <source>it changed since the scan</source>
        <translation>扫描后它已发生变化</translation>
    </message>
    <message>
        <source>its folder %1 is missing or was left alone</source>
        <translation>其所在文件夹 %1 不存在或已被跳过</translation>
    </message>
    <message>
        <source>a top folder is never removed whole</source>
        <translation>顶层文件夹永远不会被整个移除</translation>
    </message>
    <message>
        <source>its folder %1 is missing or cannot be opened</source>
        <translation>其所在文件夹 %1 不存在或无法打开</translation>
    </message>
    <message>
        <source>its folder now leads to %1: a link on its way changed since it was chosen</source>
        <translation>其所在文件夹现在指向 %1：选定后其路径上的链接发生了变化</translation>
    </message>
    <message>
        <source>not a plain path below %1</source>
        <translation>不是 %1 下的普通路径</translation>
    </message>
    <message>
        <source>it is no longer the item that was listed</source>
        <translation>它已不再是列出的那一项</translation>
    </message>
    <message>
        <source>a top folder is never moved whole</source>
        <translation>顶层文件夹永远不会被整个移动</translation>
    </message>
</context>
<context>
    <name>STPrivilegedTask</name>
    <message>
        <source>administrator authorisation was cancelled</source>
        <translation>管理员授权已取消</translation>
    </message>
    <message>
        <source>No password prompt could be shown: no authentication agent is running</source>
        <translation>无法显示密码提示：没有正在运行的身份验证代理</translation>
    </message>
    <message>
        <source>No password prompt could be shown: pkexec is not installed</source>
        <translation>无法显示密码提示：未安装 pkexec</translation>
    </message>
    <message>
        <source>the password prompt could not be started</source>
        <translation>无法启动密码提示</translation>
    </message>
    <message>
        <source>administrator rights were not granted</source>
        <translation>未获得管理员权限</translation>
    </message>
</context>
<context>
    <name>ScheduleCommand</name>
    <message>
        <source>every day</source>
        <translation>每天</translation>
    </message>
    <message>
        <source>every week</source>
        <translation>每周</translation>
    </message>
    <message>
        <source>every month</source>
        <translation>每月</translation>
    </message>
    <message>
        <source>never</source>
        <translation>从不</translation>
    </message>
    <message>
        <source>Junk is cleaned automatically: %1</source>
        <translation>自动清理垃圾文件：%1</translation>
    </message>
    <message>
        <source>(but the timer is not enabled)</source>
        <translation>（但定时器未启用）</translation>
    </message>
    <message>
        <source>Categories:</source>
        <translation>类别：</translation>
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
        <translation>用法：sweepwright-cli schedule [--daily | --weekly | --monthly | --off] [--json]
显示是否自动清理垃圾文件、清理频率和类别，或更改这些设置。计划是位于
$XDG_CONFIG_HOME/systemd/user 的 systemd 用户定时器和服务（sweepwright-clean.timer
和 .service），通过 systemctl --user 启用；该服务以低优先级运行
&quot;sweepwright-cli junk --clean --yes --profile scheduled&quot;，从不询问密码，结束时显示
桌面通知。类别在窗口程序的首选项中选择。--off 停用定时器并移除这两个文件。更改失败时
（例如没有 systemd 用户会话）以 1 退出。

  --daily        每天清理
  --weekly       每周清理
  --monthly      每月清理
  --off          不再清理
  --json         输出一个 JSON 对象而不是文本
  --help         显示此文本
  -V, --version  显示版本
</translation>
    </message>
    <message>
        <source>choose one of %1</source>
        <translation>请从 %1 中选择一个</translation>
    </message>
</context>
<context>
    <name>SchedulePrefViewController</name>
    <message>
        <source>Never</source>
        <translation>从不</translation>
    </message>
    <message>
        <source>Every day</source>
        <translation>每天</translation>
    </message>
    <message>
        <source>Every week</source>
        <translation>每周</translation>
    </message>
    <message>
        <source>Every month</source>
        <translation>每月</translation>
    </message>
    <message>
        <source>Clean &amp;automatically:</source>
        <translation>自动清理(&amp;A)：</translation>
    </message>
    <message>
        <source>Clean automatically</source>
        <translation>自动清理</translation>
    </message>
    <message>
        <source>The cleaning runs in the background at low priority, even when Sweepwright is not open. It never asks for a password: what needs one is left. A notification tells what was removed.</source>
        <translation>清理以低优先级在后台运行，即使 Sweepwright 未打开。它从不询问密码：需要密码的内容会被保留。通知会告诉您移除了哪些内容。</translation>
    </message>
    <message>
        <source>Clean these kinds of junk:</source>
        <translation>清理以下类型的垃圾文件：</translation>
    </message>
    <message>
        <source>Not available here: %1</source>
        <translation>此处不可用：%1</translation>
    </message>
    <message>
        <source>The schedule could not be changed: %1</source>
        <translation>无法更改计划：%1</translation>
    </message>
    <message>
        <source>Schedule</source>
        <translation>计划</translation>
    </message>
</context>
<context>
    <name>ScheduledRunNotice</name>
    <message numerus="yes">
        <source>Removed %n item(s), %1.</source>
        <translation>
            <numerusform>已移除 %n 项，%1。</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing needed removing.</source>
        <translation>没有需要移除的内容。</translation>
    </message>
    <message numerus="yes">
        <source>%n item(s) could not be removed.</source>
        <translation>
            <numerusform>%n 项无法移除。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n item(s) left: they need administrator rights.</source>
        <translation>
            <numerusform>保留了 %n 项：需要管理员权限。</numerusform>
        </translation>
    </message>
    <message>
        <source>Junk files cleaned</source>
        <translation>垃圾文件已清理</translation>
    </message>
</context>
<context>
    <name>SevenZip</name>
    <message>
        <source>link leads outside the destination</source>
        <translation>链接指向目标文件夹之外</translation>
    </message>
</context>
<context>
    <name>SevenZipProcess</name>
    <message>
        <source>7zz is not installed</source>
        <translation>未安装 7zz</translation>
    </message>
    <message>
        <source>7zz made no progress for %1 ms</source>
        <translation>7zz 已有 %1 毫秒没有进展</translation>
    </message>
</context>
<context>
    <name>ShredCommand</name>
    <message>
        <source>refused %1: %2</source>
        <translation>拒绝处理 %1：%2</translation>
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
        <translation>用法：sweepwright-cli shred PATH... [--overwrite] [--yes | --dry-run] [--json]
                            [--layout L] [--root R] [--home H]
以用户自己的权限整个移除指定的文件和文件夹。将 PATH 指定为
&quot;-&quot; 时会从标准输入读取路径，每行一个或以 NUL 字节分隔
（find -print0）；此时无法询问，因此只有指定 --yes 才会移除。链接
作为链接移除；不会移除挂载在文件夹内的其他文件系统上的任何内容。
根文件夹、主文件夹、包含主文件夹的文件夹以及系统自身的
文件夹（及其中的内容）无论以什么名称给出都不会被移除：
它们会作为被拒绝的项连同原因在标准错误输出中报告。在终端中会先
询问；既未指定 --yes 又没有终端时，不移除任何内容（退出状态 2）。
Ctrl-C 会在当前条目完成后停止（退出状态 130）；有路径保留时
退出状态为 1。

  --overwrite    移除前用随机字节将每个文件覆写一次
                 （仅限只有一个名称且可写入的文件，并且只在确定要移除
                 时覆写；在 SSD 和写时复制文件系统上，旧数据仍可能
                 残留）
  --yes          不询问直接移除
  --dry-run      显示将移除的内容，但不移除任何内容
  --json         以一个 JSON 对象输出 {&quot;shredSize&quot;, &quot;removed&quot;, &quot;failed&quot;}
  --help         显示此帮助文本
  -V, --version  显示版本
</translation>
    </message>
    <message>
        <source>no path given</source>
        <translation>未指定路径</translation>
    </message>
    <message>
        <source>Measuring</source>
        <translation>正在统计大小</translation>
    </message>
    <message>
        <source>Shredding</source>
        <translation>正在粉碎</translation>
    </message>
    <message numerus="yes">
        <source>Refused %n path(s) (named on stderr).</source>
        <translation>
            <numerusform>已拒绝 %n 个路径（已在标准错误输出中列出）。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ShredOverwrite</name>
    <message>
        <source>%1; it was kept</source>
        <translation>%1；已保留</translation>
    </message>
    <message>
        <source>%1; it was kept as %2</source>
        <translation>%1；已保留为 %2</translation>
    </message>
    <message>
        <source>it cannot be removed from its folder (%1); nothing was overwritten</source>
        <translation>无法从其所在文件夹中移除（%1）；未覆写任何内容</translation>
    </message>
    <message>
        <source>it changed since it was examined</source>
        <translation>检查后它已发生变化</translation>
    </message>
    <message>
        <source>its contents could not be overwritten (%1)</source>
        <translation>无法覆写其内容（%1）</translation>
    </message>
</context>
<context>
    <name>SmartCleanPrefViewController</name>
    <message>
        <source>Look for these kinds of junk:</source>
        <translation>查找以下类型的垃圾文件：</translation>
    </message>
    <message>
        <source>Junk Clean</source>
        <translation>垃圾清理</translation>
    </message>
    <message>
        <source>Only items older than</source>
        <translation>仅限超过</translation>
    </message>
    <message>
        <source>%1: only items older than a number of days</source>
        <translation>%1：仅限超过指定天数的项目</translation>
    </message>
</context>
<context>
    <name>StagingFolder</name>
    <message>
        <source>device node, FIFO or socket</source>
        <translation>设备节点、FIFO 或套接字</translation>
    </message>
    <message>
        <source>folder too deep</source>
        <translation>文件夹层级过深</translation>
    </message>
    <message>
        <source>link leads outside the destination</source>
        <translation>链接指向目标文件夹之外</translation>
    </message>
    <message>
        <source>file linked from outside</source>
        <translation>从外部链接的文件</translation>
    </message>
</context>
<context>
    <name>SystemTools</name>
    <message>
        <source>%1 has no program to start.</source>
        <translation>%1 没有可启动的程序。</translation>
    </message>
    <message>
        <source>%1 could not be started: its program %2 was not found.</source>
        <translation>无法启动 %1：找不到其程序 %2。</translation>
    </message>
    <message>
        <source>%1 could not be started: %2</source>
        <translation>无法启动 %1：%2</translation>
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
        <translation>日语 (EUC)</translation>
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
        <translation>日语 (Shift JIS)</translation>
    </message>
    <message>
        <source>Central European (ISO Latin 2)</source>
        <translation>中欧 (ISO Latin 2)</translation>
    </message>
    <message>
        <source>Cyrillic (Windows)</source>
        <translation>西里尔文 (Windows)</translation>
    </message>
    <message>
        <source>Western (Windows Latin 1)</source>
        <translation>西欧 (Windows Latin 1)</translation>
    </message>
    <message>
        <source>Greek (Windows)</source>
        <translation>希腊语 (Windows)</translation>
    </message>
    <message>
        <source>Turkish (Windows Latin 5)</source>
        <translation>土耳其语 (Windows Latin 5)</translation>
    </message>
    <message>
        <source>Central European (Windows Latin 2)</source>
        <translation>中欧 (Windows Latin 2)</translation>
    </message>
    <message>
        <source>Japanese (ISO 2022-JP)</source>
        <translation>日语 (ISO 2022-JP)</translation>
    </message>
    <message>
        <source>Western (Mac OS Roman)</source>
        <translation>西欧 (Mac OS Roman)</translation>
    </message>
    <message>
        <source>Greek (Mac OS)</source>
        <translation>希腊语 (Mac OS)</translation>
    </message>
    <message>
        <source>Cyrillic (Mac OS)</source>
        <translation>西里尔文 (Mac OS)</translation>
    </message>
    <message>
        <source>Central European (Mac OS)</source>
        <translation>中欧 (Mac OS)</translation>
    </message>
    <message>
        <source>Turkish (Mac OS)</source>
        <translation>土耳其语 (Mac OS)</translation>
    </message>
    <message>
        <source>Cyrillic (ISO 8859-5)</source>
        <translation>西里尔文 (ISO 8859-5)</translation>
    </message>
    <message>
        <source>Arabic (ISO 8859-6)</source>
        <translation>阿拉伯语 (ISO 8859-6)</translation>
    </message>
    <message>
        <source>Greek (ISO 8859-7)</source>
        <translation>希腊语 (ISO 8859-7)</translation>
    </message>
    <message>
        <source>Hebrew (ISO 8859-8)</source>
        <translation>希伯来语 (ISO 8859-8)</translation>
    </message>
    <message>
        <source>Turkish (ISO Latin 5)</source>
        <translation>土耳其语 (ISO Latin 5)</translation>
    </message>
    <message>
        <source>Nordic (ISO Latin 6)</source>
        <translation>北欧 (ISO Latin 6)</translation>
    </message>
    <message>
        <source>Thai (ISO 8859-11)</source>
        <translation>泰语 (ISO 8859-11)</translation>
    </message>
    <message>
        <source>Baltic (ISO Latin 7)</source>
        <translation>波罗的海语 (ISO Latin 7)</translation>
    </message>
    <message>
        <source>Celtic (ISO Latin 8)</source>
        <translation>凯尔特语 (ISO Latin 8)</translation>
    </message>
    <message>
        <source>Western (ISO Latin 9)</source>
        <translation>西欧 (ISO Latin 9)</translation>
    </message>
    <message>
        <source>Romanian (ISO Latin 10)</source>
        <translation>罗马尼亚语 (ISO Latin 10)</translation>
    </message>
    <message>
        <source>Latin-US (DOS)</source>
        <translation>美国拉丁字母 (DOS)</translation>
    </message>
    <message>
        <source>Greek (DOS)</source>
        <translation>希腊语 (DOS)</translation>
    </message>
    <message>
        <source>Baltic (DOS)</source>
        <translation>波罗的海语 (DOS)</translation>
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
        <translation>西里尔文 (DOS)</translation>
    </message>
    <message>
        <source>Turkish (DOS)</source>
        <translation>土耳其语 (DOS)</translation>
    </message>
    <message>
        <source>Portuguese (DOS)</source>
        <translation>葡萄牙语 (DOS)</translation>
    </message>
    <message>
        <source>Icelandic (DOS)</source>
        <translation>冰岛语 (DOS)</translation>
    </message>
    <message>
        <source>Hebrew (DOS)</source>
        <translation>希伯来语 (DOS)</translation>
    </message>
    <message>
        <source>Canadian French (DOS)</source>
        <translation>加拿大法语 (DOS)</translation>
    </message>
    <message>
        <source>Arabic (DOS)</source>
        <translation>阿拉伯语 (DOS)</translation>
    </message>
    <message>
        <source>Nordic (DOS)</source>
        <translation>北欧 (DOS)</translation>
    </message>
    <message>
        <source>Russian (DOS)</source>
        <translation>俄语 (DOS)</translation>
    </message>
    <message>
        <source>Greek (DOS Greek 2)</source>
        <translation>希腊语 (DOS Greek 2)</translation>
    </message>
    <message>
        <source>Thai (Windows, DOS)</source>
        <translation>泰语 (Windows, DOS)</translation>
    </message>
    <message>
        <source>Korean (Windows, DOS)</source>
        <translation>韩语 (Windows, DOS)</translation>
    </message>
    <message>
        <source>Hebrew (Windows)</source>
        <translation>希伯来语 (Windows)</translation>
    </message>
    <message>
        <source>Arabic (Windows)</source>
        <translation>阿拉伯语 (Windows)</translation>
    </message>
    <message>
        <source>Baltic (Windows)</source>
        <translation>波罗的海语 (Windows)</translation>
    </message>
    <message>
        <source>Vietnamese (Windows)</source>
        <translation>越南语 (Windows)</translation>
    </message>
    <message>
        <source>Simplified Chinese (GBK)</source>
        <translation>简体中文 (GBK)</translation>
    </message>
    <message>
        <source>Simplified Chinese (GB 18030)</source>
        <translation>简体中文 (GB 18030)</translation>
    </message>
    <message>
        <source>Japanese (ISO 2022-JP-2)</source>
        <translation>日语 (ISO 2022-JP-2)</translation>
    </message>
    <message>
        <source>Japanese (ISO 2022-JP-1)</source>
        <translation>日语 (ISO 2022-JP-1)</translation>
    </message>
    <message>
        <source>Chinese (ISO 2022-CN)</source>
        <translation>中文 (ISO 2022-CN)</translation>
    </message>
    <message>
        <source>Chinese (ISO 2022-CN-EXT)</source>
        <translation>中文 (ISO 2022-CN-EXT)</translation>
    </message>
    <message>
        <source>Korean (ISO 2022-KR)</source>
        <translation>韩语 (ISO 2022-KR)</translation>
    </message>
    <message>
        <source>Simplified Chinese (GB 2312)</source>
        <translation>简体中文 (GB 2312)</translation>
    </message>
    <message>
        <source>Traditional Chinese (EUC)</source>
        <translation>繁体中文 (EUC)</translation>
    </message>
    <message>
        <source>Korean (EUC)</source>
        <translation>韩语 (EUC)</translation>
    </message>
    <message>
        <source>Cyrillic (KOI8-R)</source>
        <translation>西里尔文 (KOI8-R)</translation>
    </message>
    <message>
        <source>Traditional Chinese (Big 5)</source>
        <translation>繁体中文 (Big 5)</translation>
    </message>
    <message>
        <source>Simplified Chinese (HZ GB 2312)</source>
        <translation>简体中文 (HZ GB 2312)</translation>
    </message>
    <message>
        <source>Traditional Chinese (Big 5 HKSCS)</source>
        <translation>繁体中文 (Big 5 HKSCS)</translation>
    </message>
    <message>
        <source>Vietnamese (VISCII)</source>
        <translation>越南语 (VISCII)</translation>
    </message>
    <message>
        <source>Ukrainian (KOI8-U)</source>
        <translation>乌克兰语 (KOI8-U)</translation>
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
        <translation>自动检测</translation>
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
        <translation>TMPDIR（%1）不是绝对路径</translation>
    </message>
    <message>
        <source>TMPDIR (%1) is not an existing folder</source>
        <translation>TMPDIR（%1）不是现有的文件夹</translation>
    </message>
    <message>
        <source>TMPDIR (%1) belongs to another user and is not a shared temporary folder</source>
        <translation>TMPDIR（%1）属于其他用户，且不是共享的临时文件夹</translation>
    </message>
</context>
<context>
    <name>TemporaryFolder</name>
    <message>
        <source>no free name</source>
        <translation>没有可用的名称</translation>
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
        <translation>用法：sweepwright-cli tnef FILE [-C DIR] [选项]
将 winmail.dat（TNEF）文件中的附件和邮件正文写入 DIR
（默认：当前文件夹）。FILE 为 &quot;-&quot; 时读取标准输入。
未指定下列任何选项时，会将每个正文保存为 MailBody.rtf、.html 和 .txt。

  -C DIR               写入 DIR（不存在时会创建）
  --verbose            每个文件输出一行，并输出警告
  --debug              转储所有属性和特性
  --list               不写入任何内容，列出将写入的内容
  --use-paths          保留 Windows 路径中的文件夹（不会超出 DIR）
  --absolute-paths     与 --use-paths 一起使用时，保留开头的文件夹分隔符（仍位于 DIR 内）
  --overwrite          覆盖现有文件
  --interactive        写入每个文件前先询问
  --number-backups     写入 NAME.1、NAME.2 ...，而不是跳过已存在的 NAME
  --save-body[=PREF]   保存正文；PREF 为 &quot;all&quot;（默认），或 r、h、t 中的至多三个
                       （RTF、HTML、文本）：保存其中第一个存在的类型
  --body-name NAME     正文文件的基本名称（默认 MailBody）
  --mime               同时列出 MIME 类型和内容 ID
  --ignore-checksum    校验和错误时发出警告，而不是停止
  --tolerate-props     丢弃损坏的属性块，而不是停止
  --tolerate-trailer   静默接受末尾的回车符和换行符
  --unix-safe          同时转义名称中的非 ASCII 字节和 shell 特殊字符
  --maxsize N          拒绝任何超过 N 字节的单次分配
  --dry-run            与 --list 相同
  --help               显示此帮助文本
  -V, --version        显示版本
</translation>
    </message>
    <message>
        <source>%1 needs a folder</source>
        <translation>%1 需要一个文件夹</translation>
    </message>
    <message>
        <source>%1 needs a name</source>
        <translation>%1 需要一个名称</translation>
    </message>
    <message>
        <source>%1 needs a number of bytes</source>
        <translation>%1 需要一个字节数</translation>
    </message>
    <message>
        <source>--save-body takes &quot;all&quot; or up to three of r, h, t</source>
        <translation>--save-body 的取值应为 &quot;all&quot;，或 r、h、t 中的至多三个</translation>
    </message>
</context>
<context>
    <name>ToolCommand</name>
    <message>
        <source>Scanning</source>
        <translation>正在扫描</translation>
    </message>
    <message>
        <source>Removing</source>
        <translation>正在移除</translation>
    </message>
</context>
<context>
    <name>Trash</name>
    <message>
        <source>no free name in the trash</source>
        <translation>回收站中没有可用的名称</translation>
    </message>
    <message>
        <source>no trash on its file system (%1)</source>
        <translation>其所在文件系统上没有回收站（%1）</translation>
    </message>
    <message>
        <source>not an absolute path of an item</source>
        <translation>不是某一项的绝对路径</translation>
    </message>
</context>
<context>
    <name>TrashRestore</name>
    <message>
        <source>its record in the Trash is missing</source>
        <translation>它在回收站中的记录缺失</translation>
    </message>
    <message>
        <source>not an item of a Trash</source>
        <translation>不是回收站中的项</translation>
    </message>
    <message>
        <source>it is no longer in the Trash</source>
        <translation>它已不在回收站中</translation>
    </message>
    <message>
        <source>its folder %1 is no longer there</source>
        <translation>它所在的文件夹 %1 已不存在</translation>
    </message>
    <message>
        <source>the Trash&apos;s record names another place: %1</source>
        <translation>回收站的记录指向其他位置：%1</translation>
    </message>
    <message>
        <source>something of that name is there now</source>
        <translation>该位置现在已有同名内容</translation>
    </message>
</context>
<context>
    <name>UserSystemctl</name>
    <message>
        <source>systemctl did not answer in time</source>
        <translation>systemctl 未及时响应</translation>
    </message>
    <message>
        <source>systemd is not installed here (no systemctl).</source>
        <translation>此处未安装 systemd（没有 systemctl）。</translation>
    </message>
    <message>
        <source>No systemd user session is running (systemctl --user says: %1).</source>
        <translation>没有正在运行的 systemd 用户会话（systemctl --user 显示：%1）。</translation>
    </message>
    <message>
        <source>nothing</source>
        <translation>无</translation>
    </message>
    <message>
        <source>systemctl could not be started</source>
        <translation>无法启动 systemctl</translation>
    </message>
    <message>
        <source>%1 failed</source>
        <translation>%1 失败</translation>
    </message>
    <message>
        <source>%1 failed: %2</source>
        <translation>%1 失败：%2</translation>
    </message>
</context>
<context>
    <name>XADSimpleUnarchiver</name>
    <message>
        <source>Password required</source>
        <translation>需要密码</translation>
    </message>
    <message>
        <source>Wrong password</source>
        <translation>密码错误</translation>
    </message>
    <message>
        <source>Not enough free space</source>
        <translation>可用空间不足</translation>
    </message>
    <message>
        <source>This archive format is not supported</source>
        <translation>不支持此压缩文件格式</translation>
    </message>
    <message>
        <source>the entry was cut short</source>
        <translation>条目被截断</translation>
    </message>
    <message>
        <source>%1 came out with %2 of its %3 bytes</source>
        <translation>%1 解压后只有 %2 字节（应为 %3 字节）</translation>
    </message>
    <message>
        <source>The extracted items could not be checked</source>
        <translation>无法检查解压出的项</translation>
    </message>
    <message>
        <source>Cannot create the folder %1</source>
        <translation>无法创建文件夹 %1</translation>
    </message>
    <message>
        <source>the name leads outside the destination</source>
        <translation>名称指向目标文件夹之外</translation>
    </message>
    <message>
        <source>the name is empty</source>
        <translation>名称为空</translation>
    </message>
    <message>
        <source>special files (devices, FIFOs, sockets) are not extracted</source>
        <translation>不解压特殊文件（设备、FIFO、套接字）</translation>
    </message>
</context>
<context>
    <name>centered_textfield</name>
    <message>
        <source>Copy</source>
        <translation>复制</translation>
    </message>
</context>
<context>
    <name>clirun</name>
    <message>
        <source>Would remove: %1</source>
        <translation>将移除：%1</translation>
    </message>
    <message>
        <source>Removed: %1</source>
        <translation>已移除：%1</translation>
    </message>
    <message>
        <source>Removed %1 in total.</source>
        <translation>共移除 %1。</translation>
    </message>
    <message numerus="yes">
        <source>Removed %1 in total; %n item(s) could not be removed (%2).</source>
        <translation>
            <numerusform>共移除 %1；%n 项无法移除（%2）。</numerusform>
        </translation>
    </message>
    <message>
        <source>Would move to the Trash: %1</source>
        <translation>将移到回收站：%1</translation>
    </message>
    <message>
        <source>Moved to the Trash: %1</source>
        <translation>已移到回收站：%1</translation>
    </message>
    <message>
        <source>Moved to the Trash %1 in total.</source>
        <translation>共将 %1 移到回收站。</translation>
    </message>
    <message numerus="yes">
        <source>Moved to the Trash %1 in total; %n item(s) could not be removed (%2).</source>
        <translation>
            <numerusform>共将 %1 移到回收站；%n 项无法移到回收站（%2）。</numerusform>
        </translation>
    </message>
    <message>
        <source>Would shred: %1</source>
        <translation>将粉碎：%1</translation>
    </message>
    <message>
        <source>Shredded: %1</source>
        <translation>已粉碎：%1</translation>
    </message>
    <message>
        <source>Shredded %1 in total.</source>
        <translation>共粉碎 %1。</translation>
    </message>
    <message numerus="yes">
        <source>Shredded %1 in total; %n item(s) could not be removed (%2).</source>
        <translation>
            <numerusform>共粉碎 %1；%n 项无法移除（%2）。</numerusform>
        </translation>
    </message>
    <message>
        <source>y</source>
        <comment>the short answer yes to a [y/N] question</comment>
        <translation>是</translation>
    </message>
    <message>
        <source>yes</source>
        <comment>the answer to a [y/N] question</comment>
        <translation>是的</translation>
    </message>
    <message>
        <source>%1?</source>
        <comment>a removal asked for: &quot;Delete 12 items (3.40 MB)&quot;</comment>
        <translation>要%1吗？</translation>
    </message>
    <message>
        <source>nothing removed: confirm with --yes (or answer on a terminal); --dry-run shows what would go</source>
        <translation>未移除任何内容：请用 --yes 确认（或在终端中回答）；--dry-run 可显示将移除的内容</translation>
    </message>
    <message>
        <source>%1 [y/N] </source>
        <translation>%1 [y/N] </translation>
    </message>
    <message>
        <source>Could not remove %1: %2</source>
        <translation>无法移除 %1：%2</translation>
    </message>
    <message>
        <source>Nothing was removed (--dry-run).</source>
        <translation>未移除任何内容（--dry-run）。</translation>
    </message>
    <message>
        <source>Would replace with a link: %1</source>
        <translation>将替换为链接：%1</translation>
    </message>
    <message>
        <source>Replaced with a link: %1</source>
        <translation>已替换为链接：%1</translation>
    </message>
    <message>
        <source>Freed %1 in total.</source>
        <translation>共释放 %1。</translation>
    </message>
    <message numerus="yes">
        <source>Freed %1 in total; %n copy(s) could not be replaced (%2).</source>
        <translation>
            <numerusform>共释放 %1；%n 个副本无法替换（%2）。</numerusform>
        </translation>
    </message>
    <message>
        <source>Could not replace %1: %2</source>
        <translation>无法替换 %1：%2</translation>
    </message>
</context>
<context>
    <name>sw::AboutDialog</name>
    <message>
        <source>About Sweepwright</source>
        <translation>关于 Sweepwright</translation>
    </message>
    <message>
        <source>Licence: GNU General Public License, version 3 or later (GPL-3.0-or-later)</source>
        <translation>许可证：GNU 通用公共许可证第 3 版或更高版本（GPL-3.0-or-later）</translation>
    </message>
    <message>
        <source>Libraries in use</source>
        <translation>使用的库</translation>
    </message>
    <message>
        <source>Read the README</source>
        <translation>阅读 README</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>版本 %1</translation>
    </message>
    <message>
        <source>Finds what takes room on a Linux desktop and removes what you choose.</source>
        <translation>查找 Linux 桌面上占用空间的内容，并移除所选内容。</translation>
    </message>
    <message>
        <source>asking…</source>
        <translation>正在查询…</translation>
    </message>
    <message>
        <source>%1 version</source>
        <translation>%1 版本</translation>
    </message>
</context>
<context>
    <name>sw::AccessibleControls</name>
    <message>
        <source>Clear</source>
        <translation>清除</translation>
    </message>
</context>
<context>
    <name>sw::AgeLimitControl</name>
    <message>
        <source>%1: days</source>
        <translation>%1：天数</translation>
    </message>
    <message numerus="yes">
        <source>day(s)</source>
        <extracomment>After the number of an age limit: &quot;Only files older than [30] days&quot;</extracomment>
        <translation>
            <numerusform>天</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>sw::ArchiveReader</name>
    <message numerus="yes">
        <source>Damaged archive: no progress for %n seconds</source>
        <translation>
            <numerusform>压缩文件已损坏：%n 秒内没有任何进展</numerusform>
        </translation>
    </message>
    <message>
        <source>Damaged archive: the reader ended on it</source>
        <translation>压缩文件已损坏：读取程序在读取时终止</translation>
    </message>
    <message>
        <source>Damaged archive: the same entry header came twice</source>
        <translation>压缩文件已损坏：同一条目头出现了两次</translation>
    </message>
</context>
<context>
    <name>sw::DesktopNotifier</name>
    <message>
        <source>Show</source>
        <translation>显示</translation>
    </message>
</context>
<context>
    <name>sw::DupItemModel</name>
    <message>
        <source>%1
One copy of every file is always kept.</source>
        <translation>%1
每个文件始终会保留一份副本。</translation>
    </message>
    <message>
        <source>%1
In a reference folder: this copy is an original and is never selected.</source>
        <translation>%1
位于参考文件夹中：此副本是原件，永远不会被选中。</translation>
    </message>
    <message>
        <source>Reference</source>
        <extracomment>Beside a copy in a folder of originals; short</extracomment>
        <translation>参考</translation>
    </message>
    <message>
        <source>%1
Modified more recently than the scan&apos;s age limit: this copy stays and is never selected.</source>
        <translation>%1
修改时间晚于扫描的期限：此副本保留，永远不会被选中。</translation>
    </message>
</context>
<context>
    <name>sw::DupKeepRule</name>
    <message>
        <source>Best original</source>
        <translation>最佳原件</translation>
    </message>
    <message>
        <source>Oldest</source>
        <translation>最早</translation>
    </message>
    <message>
        <source>Newest</source>
        <translation>最新</translation>
    </message>
    <message>
        <source>Shortest path</source>
        <translation>路径最短</translation>
    </message>
    <message>
        <source>First found</source>
        <translation>最先找到</translation>
    </message>
</context>
<context>
    <name>sw::DupLinkButton</name>
    <message>
        <source>Replace with Links</source>
        <translation>替换为链接</translation>
    </message>
    <message>
        <source>Each selected copy becomes a link to the copy its group keeps</source>
        <translation>每个选中的副本都会成为指向其组所保留副本的链接</translation>
    </message>
    <message>
        <source>Replace with Links: each selected copy becomes a link to the copy its group keeps</source>
        <translation>替换为链接：每个选中的副本都会成为指向其组所保留副本的链接</translation>
    </message>
    <message>
        <source>Kind of link</source>
        <translation>链接类型</translation>
    </message>
    <message>
        <source>Hard Links</source>
        <translation>硬链接</translation>
    </message>
    <message>
        <source>Reflinks</source>
        <translation>Reflink</translation>
    </message>
    <message>
        <source>Symbolic Links</source>
        <translation>符号链接</translation>
    </message>
    <message>
        <source>Hard links: each copy&apos;s name leads to the kept file; copies on another file system stay.</source>
        <translation>硬链接：每个副本的名称都指向保留的文件；位于其他文件系统上的副本保持不变。</translation>
    </message>
    <message>
        <source>Reflinks: each copy stays a file of its own that shares the kept file&apos;s data, where the file system can.</source>
        <translation>Reflink：在文件系统支持时，每个副本仍是独立的文件，但与保留的文件共享数据。</translation>
    </message>
    <message>
        <source>Symbolic links: each copy becomes a link to the kept file&apos;s path.</source>
        <translation>符号链接：每个副本都成为指向保留文件路径的链接。</translation>
    </message>
</context>
<context>
    <name>sw::EntryWriter</name>
    <message>
        <source>a folder of its path is a link or a file</source>
        <translation>其路径中的某个文件夹是链接或文件</translation>
    </message>
    <message>
        <source>an item of that name exists</source>
        <translation>已存在同名项</translation>
    </message>
    <message>
        <source>the name is too long</source>
        <translation>名称过长</translation>
    </message>
    <message>
        <source>Not enough free space</source>
        <translation>可用空间不足</translation>
    </message>
    <message>
        <source>hard link to an item that was not extracted</source>
        <translation>指向未解压项的硬链接</translation>
    </message>
    <message>
        <source>link leads outside the destination</source>
        <translation>链接指向目标文件夹之外</translation>
    </message>
</context>
<context>
    <name>sw::FileLink</name>
    <message>
        <source>it changed since the scan</source>
        <translation>扫描后已更改</translation>
    </message>
    <message>
        <source>it is not below the folder it was found in</source>
        <translation>不在找到它的文件夹下</translation>
    </message>
    <message>
        <source>it belongs to another user</source>
        <translation>属于其他用户</translation>
    </message>
    <message>
        <source>the kept copy is on another file system: a hard link cannot reach it</source>
        <translation>保留的副本在另一个文件系统上：硬链接无法指向它</translation>
    </message>
    <message>
        <source>the file system cannot share data between files (reflink)</source>
        <translation>该文件系统无法在文件之间共享数据（reflink）</translation>
    </message>
    <message>
        <source>the link is in place, but the old copy stays as %1: %2</source>
        <translation>链接已就位，但旧副本仍保留为 %1：%2</translation>
    </message>
    <message>
        <source>it is the kept copy itself</source>
        <translation>它就是保留的副本本身</translation>
    </message>
    <message>
        <source>the kept copy is on another file system: a reflink cannot reach it</source>
        <translation>保留的副本在另一个文件系统上：reflink 无法指向它</translation>
    </message>
</context>
<context>
    <name>sw::FolderListModel</name>
    <message>
        <source>%1
Reference folder: its copies are the originals and are never selected.</source>
        <translation>%1
参考文件夹：其中的副本是原件，永远不会被选中。</translation>
    </message>
    <message>
        <source>Reference folder</source>
        <translation>参考文件夹</translation>
    </message>
</context>
<context>
    <name>sw::FolderListPanel</name>
    <message>
        <source>Folders to scan</source>
        <translation>要扫描的文件夹</translation>
    </message>
    <message>
        <source>Drop folders here</source>
        <translation>将文件夹拖放到此处</translation>
    </message>
    <message>
        <source>Add Files…</source>
        <translation>添加文件…</translation>
    </message>
    <message>
        <source>Add Folders…</source>
        <translation>添加文件夹…</translation>
    </message>
    <message>
        <source>Add Folder…</source>
        <translation>添加文件夹…</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>添加</translation>
    </message>
    <message>
        <source>Choose Folders</source>
        <translation>选择文件夹</translation>
    </message>
    <message>
        <source>Choose Files</source>
        <translation>选择文件</translation>
    </message>
</context>
<context>
    <name>sw::FolderScanPage</name>
    <message>
        <source>&amp;Scan</source>
        <translation>扫描(&amp;S)</translation>
    </message>
    <message>
        <source>Only files older than</source>
        <translation>仅限文件超过</translation>
    </message>
    <message>
        <source>Only files older than a number of days</source>
        <translation>仅限超过指定天数的文件</translation>
    </message>
    <message>
        <source>Leave out files modified more recently; among duplicates, newer copies stay.</source>
        <translation>排除最近修改过的文件；在重复文件中，较新的副本保留。</translation>
    </message>
</context>
<context>
    <name>sw::GhostscriptVersion</name>
    <message>
        <source>did not answer</source>
        <translation>无响应</translation>
    </message>
    <message>
        <source>could not be run</source>
        <translation>无法运行</translation>
    </message>
    <message>
        <source>could not tell its version</source>
        <translation>无法获取版本</translation>
    </message>
    <message>
        <source>not found</source>
        <translation>未找到</translation>
    </message>
</context>
<context>
    <name>sw::GroupItemModel</name>
    <message>
        <source>Needs administrator rights</source>
        <translation>需要管理员权限</translation>
    </message>
</context>
<context>
    <name>sw::HistoryPage</name>
    <message>
        <source>History</source>
        <translation>历史记录</translation>
    </message>
    <message>
        <source>What each tool removed, newest first. What went to the Trash can be put back where it was.</source>
        <translation>各工具删除过的内容，最新的在前。移到回收站的内容可以放回原处。</translation>
    </message>
    <message>
        <source>When</source>
        <translation>时间</translation>
    </message>
    <message>
        <source>Tool</source>
        <translation>工具</translation>
    </message>
    <message>
        <source>What became of it</source>
        <translation>结果</translation>
    </message>
    <message>
        <source>Removals</source>
        <translation>删除记录</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>项</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>大小</translation>
    </message>
    <message>
        <source>Items of the chosen removal</source>
        <translation>所选删除的项</translation>
    </message>
    <message>
        <source>Nothing has been removed yet.</source>
        <translation>尚未删除任何内容。</translation>
    </message>
    <message>
        <source>&amp;Put Back</source>
        <translation>放回(&amp;P)</translation>
    </message>
    <message>
        <source>Returns what this removal moved to the Trash to where it was</source>
        <translation>将此次删除移到回收站的内容放回原处</translation>
    </message>
    <message>
        <source>Nothing of this removal is in the Trash: it cannot be put back.</source>
        <translation>此次删除的内容都不在回收站中：无法放回。</translation>
    </message>
    <message numerus="yes">
        <source>%n item(s) put back.</source>
        <translation>
            <numerusform>已放回 %n 项。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n item(s) could not be put back; the list says why.</source>
        <translation>
            <numerusform>%n 项无法放回；原因见列表。</numerusform>
        </translation>
    </message>
    <message>
        <source>The history could not be written: %1</source>
        <translation>无法写入历史记录：%1</translation>
    </message>
</context>
<context>
    <name>sw::ImagePreview</name>
    <message>
        <source>This image cannot be shown.</source>
        <translation>无法显示此图像。</translation>
    </message>
</context>
<context>
    <name>sw::LibraryVersions</name>
    <message>
        <source>%1 (built with)</source>
        <translation>%1（构建时）</translation>
    </message>
</context>
<context>
    <name>sw::MediaPreview</name>
    <message>
        <source>This file cannot be played.</source>
        <translation>无法播放此文件。</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>暂停</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>播放</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>播放位置</translation>
    </message>
</context>
<context>
    <name>sw::NothingFoundPage</name>
    <message>
        <source>&amp;Back</source>
        <translation>返回(&amp;B)</translation>
    </message>
</context>
<context>
    <name>sw::PackageKitTransaction</name>
    <message>
        <source>cancelled</source>
        <translation>已取消</translation>
    </message>
    <message>
        <source>PackageKit ended the transaction with exit code %1</source>
        <translation>PackageKit 结束了事务，退出代码为 %1</translation>
    </message>
    <message>
        <source>PackageKit gave no transaction</source>
        <translation>PackageKit 未提供事务</translation>
    </message>
    <message>
        <source>PackageKit left the bus</source>
        <translation>PackageKit 已从总线断开</translation>
    </message>
    <message>
        <source>PackageKit did not take the request</source>
        <translation>PackageKit 未接受请求</translation>
    </message>
    <message>
        <source>PackageKit stopped answering</source>
        <translation>PackageKit 停止了响应</translation>
    </message>
    <message>
        <source>PackageKit dropped the transaction before it finished</source>
        <translation>PackageKit 在事务完成前将其放弃</translation>
    </message>
</context>
<context>
    <name>sw::PdfPreview</name>
    <message>
        <source>This PDF document cannot be opened.</source>
        <translation>无法打开此 PDF 文档。</translation>
    </message>
    <message>
        <source>This PDF document is locked.</source>
        <translation>此 PDF 文档已锁定。</translation>
    </message>
    <message>
        <source>This PDF document has no pages.</source>
        <translation>此 PDF 文档没有页面。</translation>
    </message>
    <message>
        <source>This PDF document cannot be shown.</source>
        <translation>无法显示此 PDF 文档。</translation>
    </message>
    <message numerus="yes">
        <source>Showing the first %1 of %n pages.</source>
        <translation>
            <numerusform>仅显示 %n 页中的前 %1 页。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>sw::PreviewDialog</name>
    <message>
        <source>Open</source>
        <translation>打开</translation>
    </message>
</context>
<context>
    <name>sw::PreviewPane</name>
    <message>
        <source>This file cannot be shown: the viewers plugin is missing or broken.</source>
        <translation>无法显示此文件：查看器插件缺失或已损坏。</translation>
    </message>
</context>
<context>
    <name>sw::RemovalDetailsDialog</name>
    <message>
        <source>Details</source>
        <translation>详细信息</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>项目</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>结果</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>复制</translation>
    </message>
</context>
<context>
    <name>sw::RemovalPage</name>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>详细信息</translation>
    </message>
    <message>
        <source>Cancelling…</source>
        <translation>正在取消…</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>items done, their size</comment>
        <translation>%1，%2</translation>
    </message>
    <message>
        <source>Stopped: the rest was left as it was</source>
        <translation>已停止：其余内容保持原样</translation>
    </message>
    <message>
        <source>Refused: %1</source>
        <translation>已拒绝：%1</translation>
    </message>
    <message>
        <source>Went with its folder, counted there</source>
        <translation>已随其所在文件夹一并处理，计入该文件夹</translation>
    </message>
    <message>
        <source>&amp;Done</source>
        <translation>完成(&amp;D)</translation>
    </message>
</context>
<context>
    <name>sw::RemovalWording</name>
    <message numerus="yes">
        <source>Delete %Ln item(s) (%1)</source>
        <translation>
            <numerusform>删除 %Ln 项（%1）</numerusform>
        </translation>
    </message>
    <message>
        <source>Deleted items do not go to the Trash.</source>
        <translation>删除的项不会进入回收站。</translation>
    </message>
    <message numerus="yes">
        <source>Move %Ln item(s) to the Trash (%1)</source>
        <translation>
            <numerusform>将 %Ln 项移到回收站（%1）</numerusform>
        </translation>
    </message>
    <message>
        <source>Items moved to the Trash can be restored from there.</source>
        <translation>移到回收站的项可以从那里恢复。</translation>
    </message>
    <message numerus="yes">
        <source>Remove %Ln item(s) (%1)</source>
        <translation>
            <numerusform>移除 %Ln 项（%1）</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Uninstall %Ln application(s) (%1)</source>
        <translation>
            <numerusform>卸载 %Ln 个应用程序（%1）</numerusform>
        </translation>
    </message>
    <message>
        <source>Their files are deleted, not moved to the Trash.</source>
        <translation>其文件会被删除，而不是移到回收站。</translation>
    </message>
    <message>
        <source>Packages are removed by the package manager; files of yours go to the Trash, where you can restore them.</source>
        <translation>软件包由软件包管理器移除；属于您的文件会移到回收站，可从那里恢复。</translation>
    </message>
    <message numerus="yes">
        <source>Shred %Ln item(s) (%1)</source>
        <translation>
            <numerusform>粉碎 %Ln 项（%1）</numerusform>
        </translation>
    </message>
    <message>
        <source>Shredded items are removed at once and cannot be restored.</source>
        <translation>粉碎的项会被立即删除，且无法恢复。</translation>
    </message>
    <message>
        <source>Deleting</source>
        <translation>正在删除</translation>
    </message>
    <message numerus="yes">
        <source>%Ln item(s) deleted</source>
        <translation>
            <numerusform>已删除 %Ln 项</numerusform>
        </translation>
    </message>
    <message>
        <source>Some items could not be deleted</source>
        <translation>部分项无法删除</translation>
    </message>
    <message>
        <source>Nothing was deleted</source>
        <translation>未删除任何内容</translation>
    </message>
    <message numerus="yes">
        <source>%Ln item(s) could not be deleted (%1)</source>
        <translation>
            <numerusform>%Ln 项无法删除（%1）</numerusform>
        </translation>
    </message>
    <message>
        <source>Deleted (%1)</source>
        <translation>已删除（%1）</translation>
    </message>
    <message>
        <source>Moving to the Trash</source>
        <translation>正在移到回收站</translation>
    </message>
    <message numerus="yes">
        <source>%Ln item(s) moved to the Trash</source>
        <translation>
            <numerusform>已将 %Ln 项移到回收站</numerusform>
        </translation>
    </message>
    <message>
        <source>Some items could not be moved to the Trash</source>
        <translation>部分项无法移到回收站</translation>
    </message>
    <message>
        <source>Nothing was moved to the Trash</source>
        <translation>未将任何内容移到回收站</translation>
    </message>
    <message numerus="yes">
        <source>%Ln item(s) could not be moved to the Trash (%1)</source>
        <translation>
            <numerusform>%Ln 项无法移到回收站（%1）</numerusform>
        </translation>
    </message>
    <message>
        <source>Moved to the Trash (%1)</source>
        <translation>已移到回收站（%1）</translation>
    </message>
    <message>
        <source>Removing</source>
        <translation>正在移除</translation>
    </message>
    <message numerus="yes">
        <source>%Ln item(s) removed</source>
        <translation>
            <numerusform>已移除 %Ln 项</numerusform>
        </translation>
    </message>
    <message>
        <source>Some items could not be removed</source>
        <translation>部分项无法移除</translation>
    </message>
    <message>
        <source>Nothing was removed</source>
        <translation>未移除任何内容</translation>
    </message>
    <message numerus="yes">
        <source>%Ln item(s) could not be removed (%1)</source>
        <translation>
            <numerusform>%Ln 项无法移除（%1）</numerusform>
        </translation>
    </message>
    <message>
        <source>Removed (%1)</source>
        <translation>已移除（%1）</translation>
    </message>
    <message>
        <source>Shredding</source>
        <translation>正在粉碎</translation>
    </message>
    <message numerus="yes">
        <source>%Ln item(s) shredded</source>
        <translation>
            <numerusform>已粉碎 %Ln 项</numerusform>
        </translation>
    </message>
    <message>
        <source>Some items could not be shredded</source>
        <translation>部分项无法粉碎</translation>
    </message>
    <message>
        <source>Nothing was shredded</source>
        <translation>未粉碎任何内容</translation>
    </message>
    <message numerus="yes">
        <source>%Ln item(s) could not be shredded (%1)</source>
        <translation>
            <numerusform>%Ln 项无法粉碎（%1）</numerusform>
        </translation>
    </message>
    <message>
        <source>Shredded (%1)</source>
        <translation>已粉碎（%1）</translation>
    </message>
    <message>
        <source>Delete junk files?</source>
        <translation>要删除垃圾文件吗？</translation>
    </message>
    <message>
        <source>Move junk files to the Trash?</source>
        <translation>要将垃圾文件移到回收站吗？</translation>
    </message>
    <message>
        <source>Junk files deleted</source>
        <translation>垃圾文件已删除</translation>
    </message>
    <message>
        <source>Junk files moved to the Trash</source>
        <translation>垃圾文件已移到回收站</translation>
    </message>
    <message>
        <source>Delete large files?</source>
        <translation>要删除大文件吗？</translation>
    </message>
    <message>
        <source>Move large files to the Trash?</source>
        <translation>要将大文件移到回收站吗？</translation>
    </message>
    <message>
        <source>Large files deleted</source>
        <translation>大文件已删除</translation>
    </message>
    <message>
        <source>Large files moved to the Trash</source>
        <translation>大文件已移到回收站</translation>
    </message>
    <message>
        <source>Delete duplicates?</source>
        <translation>要删除重复文件吗？</translation>
    </message>
    <message>
        <source>Move duplicates to the Trash?</source>
        <translation>要将重复文件移到回收站吗？</translation>
    </message>
    <message>
        <source>Duplicates deleted</source>
        <translation>重复文件已删除</translation>
    </message>
    <message>
        <source>Duplicates moved to the Trash</source>
        <translation>重复文件已移到回收站</translation>
    </message>
    <message numerus="yes">
        <source>Uninstall %Ln application(s)?</source>
        <translation>
            <numerusform>要卸载 %Ln 个应用程序吗？</numerusform>
        </translation>
    </message>
    <message>
        <source>Applications uninstalled</source>
        <translation>应用程序已卸载</translation>
    </message>
    <message numerus="yes">
        <source>Remove %Ln extension(s)?</source>
        <translation>
            <numerusform>要移除 %Ln 个扩展吗？</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Move %Ln extension(s) to the Trash?</source>
        <translation>
            <numerusform>要将 %Ln 个扩展移到回收站吗？</numerusform>
        </translation>
    </message>
    <message>
        <source>Extensions removed</source>
        <translation>扩展已移除</translation>
    </message>
    <message>
        <source>Extensions moved to the Trash</source>
        <translation>扩展已移到回收站</translation>
    </message>
    <message numerus="yes">
        <source>Shred %Ln item(s)?</source>
        <translation>
            <numerusform>要粉碎 %Ln 项吗？</numerusform>
        </translation>
    </message>
    <message>
        <source>Items shredded</source>
        <translation>项目已粉碎</translation>
    </message>
    <message numerus="yes">
        <source>%Ln item(s) were refused</source>
        <translation>
            <numerusform>%Ln 项被拒绝</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>删除(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Move to the Trash</source>
        <translation>移到回收站(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>移除(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Uninstall</source>
        <translation>卸载(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Shred</source>
        <translation>粉碎(&amp;S)</translation>
    </message>
    <message>
        <source>Replace with &amp;Links</source>
        <translation>替换为链接(&amp;L)</translation>
    </message>
    <message numerus="yes">
        <source>Replace %Ln copy(s) with links (%1)</source>
        <translation>
            <numerusform>将 %Ln 个副本替换为链接（%1）</numerusform>
        </translation>
    </message>
    <message>
        <source>Each copy is compared again and becomes a link to the copy kept, which stays as it is.</source>
        <translation>每个副本会再次比较，并成为指向保留副本的链接，保留副本保持不变。</translation>
    </message>
    <message>
        <source>Replacing with links</source>
        <translation>正在替换为链接</translation>
    </message>
    <message numerus="yes">
        <source>%Ln copy(s) replaced with links</source>
        <translation>
            <numerusform>%Ln 个副本已替换为链接</numerusform>
        </translation>
    </message>
    <message>
        <source>Some copies could not be replaced</source>
        <translation>部分副本无法替换</translation>
    </message>
    <message>
        <source>No copy was replaced</source>
        <translation>没有副本被替换</translation>
    </message>
    <message numerus="yes">
        <source>%Ln copy(s) could not be replaced (%1)</source>
        <translation>
            <numerusform>%Ln 个副本无法替换（%1）</numerusform>
        </translation>
    </message>
    <message>
        <source>Replaced with a link (%1 freed)</source>
        <translation>已替换为链接（释放 %1）</translation>
    </message>
    <message>
        <source>Replace duplicates with links?</source>
        <translation>将重复文件替换为链接？</translation>
    </message>
    <message>
        <source>Duplicates replaced with links</source>
        <translation>重复文件已替换为链接</translation>
    </message>
    <message>
        <source>Delete empty and broken items?</source>
        <translation>要删除空项和失效项吗？</translation>
    </message>
    <message>
        <source>Move empty and broken items to the Trash?</source>
        <translation>要将空项和失效项移到回收站吗？</translation>
    </message>
    <message>
        <source>Empty and broken items deleted</source>
        <translation>空项和失效项已删除</translation>
    </message>
    <message>
        <source>Empty and broken items moved to the Trash</source>
        <translation>空项和失效项已移到回收站</translation>
    </message>
</context>
<context>
    <name>sw::ResultBottomBar</name>
    <message>
        <source>Deselect</source>
        <translation>取消全选</translation>
    </message>
    <message>
        <source>Selected:</source>
        <translation>已选：</translation>
    </message>
    <message>
        <source>Total:</source>
        <translation>总计：</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>全选</translation>
    </message>
    <message>
        <source>Start &amp;Over</source>
        <translation>重新开始(&amp;O)</translation>
    </message>
</context>
<context>
    <name>sw::ResultItemList</name>
    <message>
        <source>Search</source>
        <translation>搜索</translation>
    </message>
    <message>
        <source>Sort by Size</source>
        <translation>按大小排序</translation>
    </message>
    <message>
        <source>Sort by Name</source>
        <translation>按名称排序</translation>
    </message>
    <message>
        <source>Search the items</source>
        <translation>搜索项目</translation>
    </message>
    <message>
        <source>Sort the items</source>
        <translation>对项目排序</translation>
    </message>
    <message>
        <source>Items</source>
        <translation>项目</translation>
    </message>
    <message>
        <source>Item menu</source>
        <translation>项菜单</translation>
    </message>
    <message>
        <source>Never Touch This</source>
        <translation>永不触碰此项</translation>
    </message>
</context>
<context>
    <name>sw::ScanPage</name>
    <message>
        <source>%1 found %2</source>
        <comment>tool, size found</comment>
        <translation>%1：找到 %2</translation>
    </message>
    <message>
        <source>Review the result and choose what to remove.</source>
        <translation>请查看结果并选择要移除的内容。</translation>
    </message>
    <message>
        <source>%1 found nothing</source>
        <comment>tool</comment>
        <translation>%1：未找到任何内容</translation>
    </message>
</context>
<context>
    <name>sw::ScanProgressPanel</name>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Scanning…</source>
        <translation>正在扫描…</translation>
    </message>
    <message>
        <source>Nothing is removed until you confirm.</source>
        <translation>确认之前不会移除任何内容。</translation>
    </message>
    <message>
        <source>Scanning</source>
        <translation>正在扫描</translation>
    </message>
    <message numerus="yes">
        <source>%Ln item(s) looked at</source>
        <translation>
            <numerusform>已检查 %Ln 项</numerusform>
        </translation>
    </message>
    <message>
        <source>Cancelling…</source>
        <translation>正在取消…</translation>
    </message>
    <message>
        <source>Found %1</source>
        <translation>已找到 %1</translation>
    </message>
</context>
<context>
    <name>sw::TextPreview</name>
    <message>
        <source>Only the beginning of this file is shown.</source>
        <translation>仅显示此文件的开头部分。</translation>
    </message>
</context>
<context>
    <name>sw::ViewerFactory</name>
    <message>
        <source>%1 was not found in %2.</source>
        <translation>在 %2 中找不到 %1。</translation>
    </message>
</context>
</TS>
