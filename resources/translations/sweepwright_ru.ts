<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru" sourcelanguage="en">
<context>
    <name>AddLoginItemDialog</name>
    <message>
        <source>Add an Application</source>
        <translation>Добавление приложения</translation>
    </message>
    <message>
        <source>Start an application when you log in</source>
        <translation>Запускать приложение при входе в систему</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Поиск</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Добавить</translation>
    </message>
</context>
<context>
    <name>AdminPass</name>
    <message>
        <source>the administrator removal did not understand the request; left in place</source>
        <translation>удаление с правами администратора не распознало запрос; оставлен на месте</translation>
    </message>
    <message>
        <source>lies outside the places the administrator removal covers; left in place</source>
        <translation>находится вне мест, где работает удаление с правами администратора; оставлен на месте</translation>
    </message>
    <message>
        <source>its folder changed while the password was asked for; left in place</source>
        <translation>его папка изменилась, пока запрашивался пароль; оставлен на месте</translation>
    </message>
    <message>
        <source>is or lies in a protected folder; left in place</source>
        <translation>является защищённой папкой или находится в ней; оставлен на месте</translation>
    </message>
    <message>
        <source>it changed while the password was asked for; left in place</source>
        <translation>изменился, пока запрашивался пароль; оставлен на месте</translation>
    </message>
    <message>
        <source>cannot be reached without following a link or entering another file system; left in place</source>
        <translation>недоступен без перехода по ссылке или в другую файловую систему; оставлен на месте</translation>
    </message>
    <message>
        <source>cannot be reached below its folder; left in place</source>
        <translation>недоступен внутри своей папки; оставлен на месте</translation>
    </message>
    <message>
        <source>the administrator helper sweepwright-privileged is not installed; left in place</source>
        <translation>не установлена вспомогательная программа sweepwright-privileged для работы с правами администратора; оставлен на месте</translation>
    </message>
    <message>
        <source>%1; left in place</source>
        <translation>%1; оставлен на месте</translation>
    </message>
    <message>
        <source>the administrator removal gave no answer for it; left in place</source>
        <translation>удаление с правами администратора не вернуло по нему ответа; оставлен на месте</translation>
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
        <translation>Sweepwright запущен от имени root. В этом нет необходимости: запускайте его от имени пользователя, чьи файлы он очищает.</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Open a Saved Result</source>
        <translation>Открыть сохранённый результат</translation>
    </message>
    <message>
        <source>%1 was not opened: Duplicates is busy with another result. Start over there, then open it from the folder page.</source>
        <translation>%1 не открыт: инструмент «Дубликаты» занят другим результатом. Начните там заново, затем откройте файл на странице папок.</translation>
    </message>
</context>
<context>
    <name>AppRemoval</name>
    <message>
        <source>it is still installed</source>
        <translation>всё ещё установлен</translation>
    </message>
    <message>
        <source>left in place: the application itself was not removed (%1)</source>
        <translation>оставлен на месте: само приложение не удалено (%1)</translation>
    </message>
    <message>
        <source>left in place: %1, which also uses it, was not removed (%2)</source>
        <translation>оставлен на месте: приложение %1, которое тоже его использует, не удалено (%2)</translation>
    </message>
    <message>
        <source>left in place: the application itself is not being removed</source>
        <translation>оставлен на месте: само приложение не удаляется</translation>
    </message>
    <message>
        <source>left in place: %1, which also uses it, is not being removed</source>
        <translation>оставлен на месте: приложение %1, которое тоже его использует, не удаляется</translation>
    </message>
    <message>
        <source>flatpak left it installed</source>
        <translation>flatpak оставил его установленным</translation>
    </message>
    <message>
        <source>PackageKit left it installed</source>
        <translation>PackageKit оставил его установленным</translation>
    </message>
    <message>
        <source>apt-get left it installed</source>
        <translation>apt-get оставил его установленным</translation>
    </message>
</context>
<context>
    <name>AppsCommand</name>
    <message numerus="yes">
        <source>&quot;%1&quot; names %n applications; give one of their identifiers or paths:</source>
        <translation>
            <numerusform>Под «%1» подходит %n приложение; укажите идентификатор или путь одного из них:</numerusform>
            <numerusform>Под «%1» подходят %n приложения; укажите идентификатор или путь одного из них:</numerusform>
            <numerusform>Под «%1» подходят %n приложений; укажите идентификатор или путь одного из них:</numerusform>
        </translation>
    </message>
    <message>
        <source>found no application &quot;%1&quot;</source>
        <translation>приложение «%1» не найдено</translation>
    </message>
    <message numerus="yes">
        <source>Found %n application(s), %1 in total.
</source>
        <translation>
            <numerusform>Найдено %n приложение, всего %1.
</numerusform>
            <numerusform>Найдено %n приложения, всего %1.
</numerusform>
            <numerusform>Найдено %n приложений, всего %1.
</numerusform>
        </translation>
    </message>
    <message>
        <source>app</source>
        <comment>an application&apos;s own files</comment>
        <translation>приложение</translation>
    </message>
    <message>
        <source>cache</source>
        <comment>an application&apos;s cache</comment>
        <translation>кэш</translation>
    </message>
    <message>
        <source>settings</source>
        <comment>an application&apos;s settings</comment>
        <translation>настройки</translation>
    </message>
    <message>
        <source>data</source>
        <comment>the user&apos;s data of an application</comment>
        <translation>данные</translation>
    </message>
    <message>
        <source>bundle</source>
        <comment>an application installed as a bundle</comment>
        <translation>bundle</translation>
    </message>
    <message>
        <source>appimage</source>
        <comment>an application installed as an AppImage</comment>
        <translation>AppImage</translation>
    </message>
    <message>
        <source>home</source>
        <comment>an application installed in the home folder</comment>
        <translation>домашняя папка</translation>
    </message>
    <message>
        <source>flatpak</source>
        <comment>an application installed as a Flatpak</comment>
        <translation>Flatpak</translation>
    </message>
    <message>
        <source>package</source>
        <comment>an application installed as a system package</comment>
        <translation>пакет</translation>
    </message>
    <message>
        <source>--with-data goes with --remove</source>
        <translation>--with-data используется только вместе с --remove</translation>
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
        <translation>Использование: sweepwright-cli apps [--layout L] [--root R] [--home H] [--json]
                                    [--remove APP... [--with-data] [--yes | --dry-run]]
Выводит установленные приложения, каждое — с его собственными файлами и тем, что оно оставило
в домашней папке и что принадлежит только ему, по видам (приложение, кэш, настройки и данные
пользователя: лежащее в XDG_DATA_HOME, ~/.var/app/ID/data или в скрытой папке вроде ~/.thunderbird),
с размерами; [x] (&quot;isDel&quot; в JSON) отмечает то, что будет удалено вместе с приложением
(с --remove — то, что удаляет этот запуск).
С --remove приложение APP удаляется вместе с отмеченными элементами: всеми, кроме данных
пользователя, если не указан --with-data. Файлы, принадлежащие пользователю, попадают в корзину,
откуда их можно восстановить. Сначала задаётся вопрос в терминале, либо нужен --yes;
иначе выводится план и ничего не удаляется (код выхода 2). APP — имя из списка или, если у нескольких приложений
одно имя, один из идентификаторов приложения: идентификатор desktop-файла, идентификатор Flatpak,
имя пакета или путь; общее имя ничего не удаляет, а выводит список кандидатов
(код выхода 2). Сначала удаляется приложение (пакеты — менеджером пакетов, а файлы, которые
может удалить только администратор, — после одного запроса пароля), его остатки — лишь
после того, как приложение удалено; иначе они остаются, и в отчёте сказано почему.
Ctrl-C прерывает сканирование, а удаление — после текущего элемента (код выхода 130).

  --json         вывести один объект JSON вместо списка
  --remove APP   удалить приложение APP и его остатки (можно повторять)
  --with-data    вместе с --remove: удалить также данные пользователя из APP
  --yes          удалять без подтверждения
  --dry-run      показать, что удалит --remove, ничего не удаляя
  --help         показать эту справку
  -V, --version  показать версию
</translation>
    </message>
</context>
<context>
    <name>CategoryRoots</name>
    <message>
        <source>it vanished</source>
        <translation>исчез</translation>
    </message>
    <message>
        <source>it is a link in %1, a folder others can write</source>
        <translation>это ссылка в %1 — папке, в которую могут писать другие</translation>
    </message>
    <message>
        <source>it belongs to another user and lies in %1, a folder others can write</source>
        <translation>принадлежит другому пользователю и находится в %1 — папке, в которую могут писать другие</translation>
    </message>
    <message>
        <source>it belongs to another user and anyone can write it</source>
        <translation>принадлежит другому пользователю, и писать в него может кто угодно</translation>
    </message>
    <message>
        <source>Leaving %1 alone: %2</source>
        <translation>Пропуск %1: %2</translation>
    </message>
    <message>
        <source>it belongs to another user</source>
        <translation>принадлежит другому пользователю</translation>
    </message>
    <message>
        <source>not an absolute path</source>
        <translation>не абсолютный путь</translation>
    </message>
</context>
<context>
    <name>CleanSchedule</name>
    <message>
        <source>The command-line program is not installed beside this one (%1).</source>
        <translation>Программа командной строки не установлена рядом с этой (%1).</translation>
    </message>
    <message>
        <source>The program&apos;s path cannot be written in a unit file: %1</source>
        <translation>Путь к программе нельзя записать в файл юнита: %1</translation>
    </message>
    <message>
        <source>Could not write the timer into %1.</source>
        <translation>Не удалось записать таймер в %1.</translation>
    </message>
    <message>
        <source>Could not remove %1.</source>
        <translation>Не удалось удалить %1.</translation>
    </message>
</context>
<context>
    <name>CliCommand</name>
    <message>
        <source>cancelled</source>
        <translation>отменено</translation>
    </message>
    <message>
        <source>could not write the report: %1</source>
        <translation>не удалось записать отчёт: %1</translation>
    </message>
    <message>
        <source>Try &apos;sweepwright-cli %1 --help&apos;.</source>
        <translation>Попробуйте «sweepwright-cli %1 --help».</translation>
    </message>
    <message>
        <source>unexpected argument %1</source>
        <translation>лишний аргумент %1</translation>
    </message>
    <message>
        <source>no file given</source>
        <translation>не указан файл</translation>
    </message>
    <message>
        <source>more than one file given</source>
        <translation>указано больше одного файла</translation>
    </message>
    <message>
        <source>running as root is never needed; protected system folders stay untouched.</source>
        <translation>запускать от имени root никогда не нужно; защищённые системные папки остаются нетронутыми.</translation>
    </message>
</context>
<context>
    <name>CliMain</name>
    <message>
        <source>scan for junk files and list them, or remove them with --clean</source>
        <translation>найти ненужные файлы и вывести их список или удалить их с помощью --clean</translation>
    </message>
    <message>
        <source>list the files of 32 MB and more in folders, or move them to the Trash</source>
        <translation>показать файлы размером от 32 МБ в папках или переместить их в корзину</translation>
    </message>
    <message>
        <source>list duplicate files in folders, or move all copies but one to the Trash</source>
        <translation>показать дубликаты файлов в папках или переместить в корзину все копии, кроме одной</translation>
    </message>
    <message>
        <source>list the installed applications and their leftovers, or remove some with --remove</source>
        <translation>показать установленные приложения и их остатки или удалить некоторые из них с помощью --remove</translation>
    </message>
    <message>
        <source>list the add-ons by category, or remove some with --remove</source>
        <translation>показать дополнения по категориям или удалить некоторые из них с помощью --remove</translation>
    </message>
    <message>
        <source>list the applications started at login, or switch one with --on or --off</source>
        <translation>показать приложения, запускаемые при входе, или включить либо отключить одно из них (--on, --off)</translation>
    </message>
    <message>
        <source>show memory and disk use, or release memory with --release</source>
        <translation>показать использование памяти и диска или освободить память с помощью --release</translation>
    </message>
    <message>
        <source>extract an archive or a winmail.dat file, or list what it holds</source>
        <translation>извлечь содержимое архива или файла winmail.dat либо показать, что в нём содержится</translation>
    </message>
    <message>
        <source>make a smaller copy of a PDF document</source>
        <translation>создать уменьшенную копию документа PDF</translation>
    </message>
    <message>
        <source>remove files and folders whole, optionally overwriting their contents first</source>
        <translation>удалить файлы и папки целиком, при желании сначала перезаписав их содержимое</translation>
    </message>
    <message>
        <source>write the attachments and message bodies of a winmail.dat file into a folder</source>
        <translation>записать вложения и тексты писем из файла winmail.dat в папку</translation>
    </message>
    <message>
        <source>Usage: sweepwright-cli COMMAND [options]
       sweepwright-cli COMMAND --help
       sweepwright-cli -V | --version

Commands:
</source>
        <translation>Использование: sweepwright-cli COMMAND [параметры]
               sweepwright-cli COMMAND --help
               sweepwright-cli -V | --version

Команды:
</translation>
    </message>
    <message>
        <source>Layout options (commands that look at the disk):</source>
        <translation>Параметры схемы (для команд, которые работают с диском):</translation>
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
        <translation>Переменные SWEEPWRIGHT_LAYOUT, SWEEPWRIGHT_ROOT и SWEEPWRIGHT_HOME задают то же самое;
параметры имеют приоритет.

Команды, которые удаляют или перемещают файлы, работают только с --yes или после вопроса
в терминале; иначе они выводят план и завершаются с кодом 2. --dry-run выводит план и
ничего не трогает. Ctrl-C прерывает сканирование, а удаление — после текущего элемента (код 130).
«--» завершает параметры: всё, что идёт после него, — путь, даже если начинается с «-».
Если FOLDER или PATH — «-» (large, dups, shred), пути читаются из стандартного ввода,
по одному в строке или через байты NUL.
</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;</source>
        <translation>неизвестная команда «%1»</translation>
    </message>
    <message>
        <source>Try &apos;sweepwright-cli --help&apos;.</source>
        <translation>Попробуйте «sweepwright-cli --help».</translation>
    </message>
    <message>
        <source>tell or set how often junk is cleaned automatically</source>
        <translation>показать или задать, как часто мусор очищается автоматически</translation>
    </message>
    <message>
        <source>list what every tool removed, or put back what a run moved to the Trash</source>
        <translation>показать, что удалил каждый инструмент, или вернуть то, что запуск переместил в Корзину</translation>
    </message>
</context>
<context>
    <name>CliOptions</name>
    <message>
        <source>%1 needs a value</source>
        <translation>для %1 нужно значение</translation>
    </message>
    <message>
        <source>%1 takes no value</source>
        <translation>%1 не принимает значения</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>неизвестный параметр %1</translation>
    </message>
</context>
<context>
    <name>CliPassword</name>
    <message>
        <source>cannot read the password file %1: %2</source>
        <translation>не удаётся прочитать файл пароля %1: %2</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Show this help and exit.</source>
        <translation>Показать эту справку и выйти.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Показать версию и выйти.</translation>
    </message>
    <message>
        <source>Where to look: freedesktop or macos.</source>
        <translation>Где искать: freedesktop или macos.</translation>
    </message>
    <message>
        <source>The root the system folders are under.</source>
        <translation>Корень, в котором находятся системные папки.</translation>
    </message>
    <message>
        <source>The home folder to look in.</source>
        <translation>Домашняя папка, в которой искать.</translation>
    </message>
    <message>
        <source>Sweepwright, the desktop maintenance utility.</source>
        <translation>Sweepwright — утилита для обслуживания компьютера.</translation>
    </message>
    <message>
        <source>Open a duplicate result saved as JSON, checked against the disk first.</source>
        <translation>Открыть результат поиска дубликатов, сохранённый в JSON, предварительно сверив его с диском.</translation>
    </message>
</context>
<context>
    <name>DupCopyCheck</name>
    <message>
        <source>The copy kept is no longer there</source>
        <translation>Оставляемая копия больше не существует</translation>
    </message>
    <message>
        <source>Changed since the scan: no longer the same as the copy kept</source>
        <translation>Изменён после поиска: больше не совпадает с оставляемой копией</translation>
    </message>
</context>
<context>
    <name>DupExport</name>
    <message>
        <source>Export the Result</source>
        <translation>Экспорт результата</translation>
    </message>
    <message>
        <source>Table for spreadsheets (*.csv)</source>
        <translation>Таблица для электронных таблиц (*.csv)</translation>
    </message>
    <message>
        <source>Saved result to open again (*.json)</source>
        <translation>Сохранённый результат для повторного открытия (*.json)</translation>
    </message>
    <message>
        <source>The result could not be saved: %1</source>
        <translation>Не удалось сохранить результат: %1</translation>
    </message>
</context>
<context>
    <name>DupKinds</name>
    <message>
        <source>Documents</source>
        <translation>Документы</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Изображения</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Музыка</translation>
    </message>
    <message>
        <source>Videos</source>
        <translation>Видео</translation>
    </message>
    <message>
        <source>Packages</source>
        <translation>Пакеты</translation>
    </message>
    <message>
        <source>Others</source>
        <translation>Другое</translation>
    </message>
</context>
<context>
    <name>DupResultJson</name>
    <message>
        <source>%1: not an absolute path without &quot;.&quot; or &quot;..&quot;</source>
        <translation>%1: не абсолютный путь без «.» и «..»</translation>
    </message>
    <message>
        <source>%1: no size</source>
        <translation>%1: нет размера</translation>
    </message>
    <message>
        <source>%1: no modification time</source>
        <translation>%1: нет времени изменения</translation>
    </message>
    <message>
        <source>The file is too large to be a saved result.</source>
        <translation>Файл слишком велик для сохранённого результата.</translation>
    </message>
    <message>
        <source>The file is not valid JSON (%1 at byte %2).</source>
        <translation>Файл не является корректным JSON (%1 в байте %2).</translation>
    </message>
    <message>
        <source>The file holds no list of duplicates.</source>
        <translation>В файле нет списка дубликатов.</translation>
    </message>
</context>
<context>
    <name>DupSavedResult</name>
    <message>
        <source>%1: no longer a regular file</source>
        <translation>%1: больше не обычный файл</translation>
    </message>
    <message>
        <source>%1: its size changed</source>
        <translation>%1: размер изменился</translation>
    </message>
    <message>
        <source>%1: it was modified</source>
        <translation>%1: файл изменён</translation>
    </message>
    <message>
        <source>%1: reached through a symbolic link</source>
        <translation>%1: путь проходит через символическую ссылку</translation>
    </message>
    <message>
        <source>%1: not yours to move</source>
        <translation>%1: вы не можете его переместить</translation>
    </message>
    <message>
        <source>“%1” cannot be read.</source>
        <translation>Не удаётся прочитать «%1».</translation>
    </message>
    <message>
        <source>%1: no longer there</source>
        <translation>%1: больше не существует</translation>
    </message>
    <message>
        <source>%1: not the size of its set</source>
        <translation>%1: размер не совпадает с размером группы</translation>
    </message>
    <message>
        <source>%1: its contents differ from the other copies</source>
        <translation>%1: содержимое отличается от других копий</translation>
    </message>
</context>
<context>
    <name>DupsCommand</name>
    <message numerus="yes">
        <source>%1  %n copies of %2
</source>
        <translation>
            <numerusform>%1  %n копия по %2
</numerusform>
            <numerusform>%1  %n копии по %2
</numerusform>
            <numerusform>%1  %n копий по %2
</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Found %n set(s) of duplicates, %1 in all copies.
</source>
        <translation>
            <numerusform>Найдена %n группа дубликатов, %1 во всех копиях.
</numerusform>
            <numerusform>Найдено %n группы дубликатов, %1 во всех копиях.
</numerusform>
            <numerusform>Найдено %n групп дубликатов, %1 во всех копиях.
</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 needs a rule: %2</source>
        <translation>для %1 нужно правило: %2</translation>
    </message>
    <message>
        <source>--keep takes %1, not &quot;%2&quot;</source>
        <translation>--keep принимает %1, а не «%2»</translation>
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
        <translation>Использование: sweepwright-cli dups [FOLDER...] [--layout L] [--root R] [--home H] [--json] [--quick]
                                    [--keep RULE] [--reference DIR]...
                                    [--trash-all-but-first [--yes | --dry-run]]
Выводит группы дубликатов среди файлов и пакетов размером больше 16 КиБ в папках
(если не указаны — в папках схемы по умолчанию, см. ниже), сначала самые большие. Кандидаты
с равными размером и хешем фрагментов сравниваются побайтно; жёсткие ссылки на один файл
учитываются один раз. Если FOLDER — «-», папки читаются из стандартного ввода, по одной
в строке или через байты NUL. Защищённые системные папки пропускаются и перечисляются в stderr.

  --json                 вывести один объект JSON вместо списка
  --quick                для файлов — доверять одинаковым размеру и хешу фрагментов (до трёх
                         блоков по 4 КиБ: в начале и вразброс по файлу), не сравнивая
                         содержимое целиком: быстрее, но файлы, различающиеся в других
                         местах, будут считаться дубликатами. Пакеты всегда сравниваются
                         по содержимому: их хеш учитывает только имена элементов
  --keep RULE            какая копия в каждой группе остаётся: original (копия вне папки
                         «Загрузки», корзины и временных папок, затем та, в имени которой
                         нет пометки копии вроде «(1)» или «Copy of», затем самая
                         старая, затем лежащая в самой глубокой папке, затем найденная
                         первой), oldest (самое раннее время изменения, затем самый короткий
                         путь), newest, shortest-path или first (найденная первой);
                         по умолчанию в этой схеме: %1
  --reference DIR        папка с оригиналами, тоже проверяется (можно указать несколько раз):
                         её копии помечаются [эталон] («isReference» в JSON) и никогда не перемещаются;
                         группа, все копии которой лежат в эталонных папках, не выводится; в группе с
                         эталонной копией перемещаются все остальные копии
  --trash-all-but-first  переместить в корзину все копии каждой группы, кроме той, что
                         оставляет --keep (после вопроса в терминале или с --yes), затем
                         сообщить, что перемещено, а что нет (с причиной);
                         без вопроса и без --yes выводится план и ничего не перемещается
  --yes                  перемещать без подтверждения
  --dry-run              показать, что переместит --trash-all-but-first, ничего не перемещая
  --help                 показать эту справку
  -V, --version          показать версию
При выводе в файл или канал запуск без перемещения выводит каждую группу сразу, как найдёт её.
Код выхода 1, если какой-то элемент не удалось переместить; 2 — при ошибке вызова или если папка
не существует или не читается; 130 — после Ctrl-C (удаление прерывается после текущего элемента).
</translation>
    </message>
    <message>
        <source>reference</source>
        <extracomment>Marks a copy in a folder of originals in the list of a set&apos;s copies</extracomment>
        <translation>эталон</translation>
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
        <translation>Также:
  --csv                  вывести группы в CSV (RFC 4180, UTF-8): группа, размер, путь,
                         время изменения, оставлен (yes для копии, которая остаётся)
  --empty                вместо дубликатов перечислить пустые файлы, пустые папки
                         (содержащие только пустые папки, указаны по верхней) и
                         битые символические ссылки; с --yes все они перемещаются
                         в корзину, с --dry-run показывается план
</translation>
    </message>
    <message>
        <source>--csv and --json do not go together</source>
        <translation>--csv и --json нельзя использовать вместе</translation>
    </message>
    <message numerus="yes">
        <source>%1  %n item(s), %2
</source>
        <translation>
            <numerusform>%1  %n элемент, %2
</numerusform>
            <numerusform>%1  %n элемента, %2
</numerusform>
            <numerusform>%1  %n элементов, %2
</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Found %n kind(s) of empty or broken items, %1 in all.
</source>
        <translation>
            <numerusform>Найден %n вид пустых или битых элементов, всего %1.
</numerusform>
            <numerusform>Найдено %n вида пустых или битых элементов, всего %1.
</numerusform>
            <numerusform>Найдено %n видов пустых или битых элементов, всего %1.
</numerusform>
        </translation>
    </message>
    <message>
        <source>Digests of files that did not change since an earlier scan are kept in %1
and not read again (copies are still compared byte by byte before they go):
  --no-cache             read every file, and keep nothing for the next scan
  --clear-cache          forget the digests kept, scan nothing
</source>
        <translation>Хеши файлов, не изменившихся с прошлого поиска, хранятся в %1
и не считываются повторно (перед удалением копии всё равно сравниваются побайтно):
  --no-cache             читать все файлы и ничего не сохранять для следующего поиска
  --clear-cache          забыть сохранённые хеши, ничего не искать
</translation>
    </message>
    <message>
        <source>could not remove %1: %2</source>
        <translation>не удалось удалить %1: %2</translation>
    </message>
    <message>
        <source>Forgot the digests kept in %1.
</source>
        <translation>Сохранённые в %1 хеши забыты.
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
        <translation>  --link KIND            вместо Корзины: заменить каждую копию каждой группы, кроме той,
                         которую сохраняет --keep, ссылкой на эту копию: hard (только
                         одна файловая система), reflink (копия остаётся отдельным
                         файлом и разделяет данные сохраняемой копии, если файловая
                         система это умеет) или symbolic. Сначала каждая копия
                         сравнивается побайтно; изменившаяся после сканирования
                         пропускается. --yes и --dry-run действуют как для
                         --trash-all-but-first. Сообщает освобождённое место
</translation>
    </message>
    <message>
        <source>%1 needs a kind: %2</source>
        <translation>%1 требует вид ссылки: %2</translation>
    </message>
    <message>
        <source>--link takes %1, not &quot;%2&quot;</source>
        <translation>--link принимает %1, а не «%2»</translation>
    </message>
    <message>
        <source>--link and --trash-all-but-first cannot be given together</source>
        <translation>--link и --trash-all-but-first нельзя указывать вместе</translation>
    </message>
    <message>
        <source>--link and --empty cannot be given together</source>
        <translation>--link и --empty нельзя указывать вместе</translation>
    </message>
    <message>
        <source>                         (in a set, newer copies stay and are marked [recent];
                         a set is listed only when one of its copies may go)
</source>
        <translation>                         (в группе более новые копии остаются и помечены [новая];
                         группа показывается, только если хоть одну её копию можно убрать)
</translation>
    </message>
    <message>
        <source>recent</source>
        <extracomment>Marks a copy modified within --older-than DAYS, which stays, in the list of a set&apos;s copies</extracomment>
        <translation>новая</translation>
    </message>
</context>
<context>
    <name>EmptyFinder</name>
    <message>
        <source>Empty files</source>
        <translation>Пустые файлы</translation>
    </message>
    <message>
        <source>Empty folders</source>
        <translation>Пустые папки</translation>
    </message>
    <message>
        <source>Broken links</source>
        <translation>Битые ссылки</translation>
    </message>
    <message>
        <source>its target exists now</source>
        <translation>цель ссылки теперь существует</translation>
    </message>
    <message>
        <source>it is no longer empty</source>
        <translation>файл больше не пуст</translation>
    </message>
    <message>
        <source>it is no longer what was found</source>
        <translation>это уже не то, что было найдено</translation>
    </message>
    <message>
        <source>it holds more than empty folders now</source>
        <translation>в папке теперь есть не только пустые папки</translation>
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
        <translation>Использование: sweepwright-cli extensions [--layout L] [--root R] [--home H] [--json]
                                          [--remove PATH... [--yes | --dry-run]]
Выводит дополнения схемы (расширения браузеров, плагины, дополнения для просмотра и поиска
и т. п.) по категориям, с размерами; для каждого — браузер или рабочую среду, к которым
оно относится, и профиль браузера (в JSON: itemOwner, itemProfile), а также
включено ли оно, если это видно из собственных файлов браузера (itemEnabled; в остальных
случаях отсутствует). С --remove элементы
по этим путям (как в списке) удаляются после вопроса в терминале или с --yes;
иначе выводится план и ничего не удаляется (код выхода 2). Элементы, которые может
удалить только администратор, идут последними, после одного запроса пароля. Ctrl-C
прерывает сканирование, а удаление — после текущего элемента (код выхода 130).

  --json         вывести один объект JSON вместо списка
  --remove PATH  удалить дополнение по пути PATH (можно повторять)
  --yes          удалять без подтверждения
  --dry-run      показать, что удалит --remove, ничего не удаляя
  --help         показать эту справку
  -V, --version  показать версию
</translation>
    </message>
    <message>
        <source>found no add-on %1</source>
        <translation>дополнение %1 не найдено</translation>
    </message>
    <message>
        <source>enabled</source>
        <comment>an add-on</comment>
        <translation>включено</translation>
    </message>
    <message>
        <source>disabled</source>
        <comment>an add-on</comment>
        <translation>отключено</translation>
    </message>
    <message numerus="yes">
        <source>Found %n add-on(s), %1 in total.
</source>
        <translation>
            <numerusform>Найдено %n дополнение, всего %1.
</numerusform>
            <numerusform>Найдено %n дополнения, всего %1.
</numerusform>
            <numerusform>Найдено %n дополнений, всего %1.
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
        <translation>Использование: sweepwright-cli extract FILE [-C DIR] [параметры]
Извлекает содержимое архива (zip, 7z, rar, tar и его сжатые варианты, iso, cab, lzh...)
или файла winmail.dat. Без -C оно попадает в папку с именем FILE внутри
новой личной папки во временной папке, как на странице «Архивы»; путь к папке
назначения выводится.

  -C DIR               извлечь записи в DIR точно под теми именами, что указаны
                       в архиве; DIR создаётся, если существует родительская папка,
                       а по ссылке на папку выполняется переход
  --password-file F    пароль — первая строка файла F
  --password-stdin     пароль — первая строка стандартного ввода
                       Без этих параметров пароль запрашивается в терминале, если он
                       есть (не более трёх раз); запрашивает его только архив, которому
                       он нужен.
  --encoding NAME      декодировать имена не в UTF-8 кодировкой NAME — именем или
                       псевдонимом конвертера ICU (Shift_JIS, GBK, windows-1252...);
                       «auto» — определить автоматически; «list» выводит самые
                       распространённые.
                       По умолчанию: настройка приложения
  --list               ничего не записывать; вывести тип, размер и путь каждой записи
                       (размер ?, если архив его не указывает)
  --json               вывести результат как объект JSON (и при ошибке, с ключом
                       &quot;error&quot;); больше ничего в стандартный вывод не попадает
  --help               показать эту справку
  -V, --version        показать версию

Записи, которые оказались бы вне папки назначения (абсолютные пути, «..», ссылки
наружу, специальные файлы), пропускаются, и об этом сообщается; управляющие символы в
именах показываются экранированными (\n, \x1b, \\). Файл записывается под скрытым
именем и получает своё только после завершения. Неудачное извлечение не оставляет
после себя созданной им папки. Код выхода: 0 — готово; 1 — файл отсутствует, повреждён,
обрезан или в неподдерживаемом формате, пароль неверен или не указан, TMPDIR
не подходит или на диске не хватило места; 2 — ошибка вызова; 130 — Ctrl-C.
</translation>
    </message>
    <message>
        <source>%1 needs a folder</source>
        <translation>для %1 нужна папка</translation>
    </message>
    <message>
        <source>%1 needs a file</source>
        <translation>для %1 нужен файл</translation>
    </message>
    <message>
        <source>%1 needs an encoding name</source>
        <translation>для %1 нужно имя кодировки</translation>
    </message>
    <message>
        <source>unknown encoding &quot;%1&quot; (--encoding list prints the names)</source>
        <translation>неизвестная кодировка «%1» (список имён выводит --encoding list)</translation>
    </message>
    <message>
        <source>--password-file and --password-stdin exclude each other</source>
        <translation>--password-file и --password-stdin несовместимы</translation>
    </message>
    <message>
        <source>-C: %1 is a link that leads nowhere</source>
        <translation>-C: %1 — ссылка, которая никуда не ведёт</translation>
    </message>
    <message>
        <source>-C: the folder %1 does not exist</source>
        <translation>-C: папка %1 не существует</translation>
    </message>
    <message>
        <source>-C: cannot make the folder %1</source>
        <translation>-C: не удаётся создать папку %1</translation>
    </message>
    <message>
        <source>-C: %1 is not a folder</source>
        <translation>-C: %1 не является папкой</translation>
    </message>
    <message>
        <source>not a file</source>
        <translation>не является файлом</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>отменено</translation>
    </message>
    <message>
        <source>what was written stays in %1</source>
        <translation>уже записанное остаётся в %1</translation>
    </message>
    <message>
        <source>Listing</source>
        <translation>Получение списка</translation>
    </message>
    <message>
        <source>Extracting</source>
        <translation>Извлечение</translation>
    </message>
    <message>
        <source>Password for %1: </source>
        <translation>Пароль для %1: </translation>
    </message>
    <message>
        <source>Password required</source>
        <translation>Требуется пароль</translation>
    </message>
    <message>
        <source>This archive format is not supported</source>
        <translation>Этот формат архивов не поддерживается</translation>
    </message>
    <message>
        <source>the file could not be extracted</source>
        <translation>не удалось извлечь файл</translation>
    </message>
</context>
<context>
    <name>ExtractReport</name>
    <message numerus="yes">
        <source>%n item(s) written before the error stay in %1</source>
        <translation>
            <numerusform>%n элемент, записанный до ошибки, остаётся в %1</numerusform>
            <numerusform>%n элемента, записанные до ошибки, остаются в %1</numerusform>
            <numerusform>%n элементов, записанных до ошибки, остаются в %1</numerusform>
        </translation>
    </message>
    <message>
        <source>dir</source>
        <comment>an archive entry that is a folder</comment>
        <translation>папка</translation>
    </message>
    <message>
        <source>link</source>
        <comment>an archive entry that is a symbolic link</comment>
        <translation>ссылка</translation>
    </message>
    <message>
        <source>file</source>
        <comment>an archive entry that is a file</comment>
        <translation>файл</translation>
    </message>
    <message>
        <source>special file</source>
        <translation>специальный файл</translation>
    </message>
    <message>
        <source>skipped %1: %2</source>
        <translation>пропущена запись %1: %2</translation>
    </message>
</context>
<context>
    <name>ExtractToStatus</name>
    <message>
        <source>Open Folder</source>
        <translation>Открыть папку</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Extracting to %1…</source>
        <translation>Извлечение в %1…</translation>
    </message>
    <message>
        <source>Extracting to %1… %2%</source>
        <translation>Извлечение в %1… %2%</translation>
    </message>
    <message>
        <source>Extracted to %1</source>
        <translation>Извлечено в %1</translation>
    </message>
    <message numerus="yes">
        <source>Extracted to %1; %n item(s) left out</source>
        <translation>
            <numerusform>Извлечено в %1; пропущен %n элемент</numerusform>
            <numerusform>Извлечено в %1; пропущено %n элемента</numerusform>
            <numerusform>Извлечено в %1; пропущено %n элементов</numerusform>
        </translation>
    </message>
    <message>
        <source>Extraction to %1 stopped</source>
        <translation>Извлечение в %1 остановлено</translation>
    </message>
    <message>
        <source>Could not extract to %1: %2</source>
        <translation>Не удалось извлечь в %1: %2</translation>
    </message>
</context>
<context>
    <name>FileTreeModel</name>
    <message>
        <source>Directory</source>
        <translation>Папка</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Тип</translation>
    </message>
    <message>
        <source>Created</source>
        <translation>Дата создания</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Размер</translation>
    </message>
</context>
<context>
    <name>FinderCommand</name>
    <message>
        <source>%1: no such folder</source>
        <translation>%1: нет такой папки</translation>
    </message>
    <message>
        <source>%1: not a folder</source>
        <translation>%1: не является папкой</translation>
    </message>
    <message>
        <source>%1: cannot be read</source>
        <translation>%1: не удаётся прочитать</translation>
    </message>
    <message>
        <source>Default folders in the %1 layout: %2
</source>
        <translation>Папки по умолчанию в схеме %1: %2
</translation>
    </message>
</context>
<context>
    <name>FolderTree</name>
    <message>
        <source>changed while it was being removed</source>
        <translation>изменён во время удаления</translation>
    </message>
    <message>
        <source>stopped before the end; the rest stays</source>
        <translation>прервано на полпути; остальное осталось на месте</translation>
    </message>
    <message>
        <source>another file system is mounted here; left alone</source>
        <translation>здесь смонтирована другая файловая система; пропущено</translation>
    </message>
    <message>
        <source>a folder was moved while it was being walked; stopped</source>
        <translation>папка была перемещена во время обхода; остановлено</translation>
    </message>
    <message>
        <source>%1; it is left as %2</source>
        <translation>%1; оставлен под именем %2</translation>
    </message>
</context>
<context>
    <name>FolderZip</name>
    <message>
        <source>Cannot write the zip file</source>
        <translation>Не удаётся записать файл zip</translation>
    </message>
    <message>
        <source>Not a folder: %1</source>
        <translation>Не папка: %1</translation>
    </message>
</context>
<context>
    <name>GeneralPrefViewController</name>
    <message>
        <source>Start Sweepwright when you log in</source>
        <translation>Запускать Sweepwright при входе в систему</translation>
    </message>
    <message>
        <source>Release memory automatically when its use exceeds</source>
        <translation>Автоматически освобождать память, когда её использование превышает</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>Memory use is checked every 30 seconds while Sweepwright runs.</source>
        <translation>Пока Sweepwright работает, использование памяти проверяется каждые 30 секунд.</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Общие</translation>
    </message>
    <message>
        <source>Remember file digests between duplicate scans</source>
        <translation>Запоминать хеши файлов между поисками дубликатов</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Очистить</translation>
    </message>
    <message>
        <source>Unchanged files are not read again; copies are still compared byte by byte before they go.</source>
        <translation>Неизменённые файлы не читаются повторно; перед удалением копии всё равно сравниваются побайтно.</translation>
    </message>
    <message>
        <source>Clear the remembered digests</source>
        <translation>Очистить запомненные хеши</translation>
    </message>
    <message>
        <source>The remembered digests are cleared.</source>
        <translation>Запомненные хеши очищены.</translation>
    </message>
    <message>
        <source>Could not clear %1.</source>
        <translation>Не удалось очистить %1.</translation>
    </message>
</context>
<context>
    <name>GhostscriptRun</name>
    <message>
        <source>Ghostscript cannot be given a password with a backslash before a quote or at its end</source>
        <translation>Ghostscript не может принять пароль с обратной косой чертой перед кавычкой или в конце</translation>
    </message>
    <message>
        <source>the password could not be handed to Ghostscript</source>
        <translation>не удалось передать пароль в Ghostscript</translation>
    </message>
    <message>
        <source>Ghostscript (gs) is not installed</source>
        <translation>Ghostscript (gs) не установлен</translation>
    </message>
    <message>
        <source>Ghostscript could not be started: %1</source>
        <translation>Не удалось запустить Ghostscript: %1</translation>
    </message>
    <message numerus="yes">
        <source>Ghostscript finished no page for %n second(s)</source>
        <translation>
            <numerusform>Ghostscript не обработал ни одной страницы за %n секунду</numerusform>
            <numerusform>Ghostscript не обработал ни одной страницы за %n секунды</numerusform>
            <numerusform>Ghostscript не обработал ни одной страницы за %n секунд</numerusform>
        </translation>
    </message>
    <message>
        <source>Ghostscript was stopped</source>
        <translation>Ghostscript был остановлен</translation>
    </message>
    <message>
        <source>Ghostscript reached its memory limit of %1</source>
        <translation>Ghostscript достиг предела памяти в %1</translation>
    </message>
    <message>
        <source>Ghostscript stopped unexpectedly (it crashed or was killed)</source>
        <translation>Ghostscript неожиданно остановился (аварийно завершился или был принудительно завершён)</translation>
    </message>
    <message>
        <source>Ghostscript ended with status %1</source>
        <translation>Ghostscript завершился с кодом %1</translation>
    </message>
    <message>
        <source>Ghostscript ended with status %1: %2</source>
        <translation>Ghostscript завершился с кодом %1: %2</translation>
    </message>
</context>
<context>
    <name>HelperProgram</name>
    <message>
        <source>this command&apos;s program %1 is missing (looked for %2 and %3)</source>
        <translation>не найдена программа %1, выполняющая эту команду (проверены %2 и %3)</translation>
    </message>
    <message>
        <source>this command&apos;s program %1 is missing</source>
        <translation>не найдена программа %1, выполняющая эту команду</translation>
    </message>
    <message>
        <source>cannot run %1: %2</source>
        <translation>не удаётся запустить %1: %2</translation>
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
        <translation>Использование: sweepwright-cli history [--home H] [--json]
               sweepwright-cli history --put-back ID [--yes | --dry-run] [--json]
Показывает, что удалил каждый инструмент, в окне и здесь, начиная с новых:
каждый запуск с его идентификатором, временем, инструментом и судьбой его
элементов (перемещены в Корзину, удалены навсегда, не выполнено). Журнал
хранится в $XDG_STATE_HOME/sweepwright/history.jsonl один год, не более 10 МБ.
--put-back ID возвращает на место то, что этот запуск переместил в Корзину;
элемент никогда не заменяет то, что сейчас находится на его месте, а то, что
вернуть нельзя, указывается с причиной. Удалённое навсегда вернуть нельзя.

  --json          вывести один объект JSON вместо текста
  --put-back ID   вернуть элементы, которые запуск ID переместил в Корзину
  --yes           вернуть без вопроса
  --dry-run       показать, что было бы возвращено, ничего не меняя
  --help          показать этот текст
  -V, --version   показать версию
</translation>
    </message>
    <message>
        <source>%1 needs the id of a run</source>
        <translation>%1 требует идентификатор запуска</translation>
    </message>
    <message>
        <source>--yes and --dry-run go with --put-back</source>
        <translation>--yes и --dry-run используются вместе с --put-back</translation>
    </message>
    <message>
        <source>Nothing has been removed yet.</source>
        <translation>Пока ничего не удалено.</translation>
    </message>
    <message>
        <source>(of %1)</source>
        <translation>(для %1)</translation>
    </message>
    <message>
        <source>no run &quot;%1&quot; in the history (see sweepwright-cli history)</source>
        <translation>в журнале нет запуска «%1» (см. sweepwright-cli history)</translation>
    </message>
    <message>
        <source>run %1 moved nothing to the Trash: nothing to put back</source>
        <translation>запуск %1 ничего не перемещал в Корзину: возвращать нечего</translation>
    </message>
    <message numerus="yes">
        <source>Put back %n item(s) (%1)?</source>
        <translation>
            <numerusform>Вернуть %n элемент (%1)?</numerusform>
            <numerusform>Вернуть %n элемента (%1)?</numerusform>
            <numerusform>Вернуть %n элементов (%1)?</numerusform>
        </translation>
    </message>
    <message>
        <source>could not record the put back: %1</source>
        <translation>не удалось записать возврат в журнал: %1</translation>
    </message>
    <message>
        <source>Would put back: %1</source>
        <translation>Будет возвращено: %1</translation>
    </message>
    <message>
        <source>Deleted for good, cannot be put back: %1</source>
        <translation>Удалено навсегда, вернуть нельзя: %1</translation>
    </message>
    <message>
        <source>Put back: %1</source>
        <translation>Возвращено: %1</translation>
    </message>
    <message>
        <source>Could not put back %1: %2</source>
        <translation>Не удалось вернуть %1: %2</translation>
    </message>
</context>
<context>
    <name>HistoryWording</name>
    <message>
        <source>Put Back</source>
        <translation>Возврат</translation>
    </message>
    <message>
        <source>Moved to the Trash</source>
        <translation>Перемещено в Корзину</translation>
    </message>
    <message>
        <source>Deleted for good</source>
        <translation>Удалено навсегда</translation>
    </message>
    <message>
        <source>Replaced with a link</source>
        <translation>Заменено ссылкой</translation>
    </message>
    <message>
        <source>Not done: %1</source>
        <translation>Не выполнено: %1</translation>
    </message>
    <message>
        <source>Refused: %1</source>
        <translation>Отклонено: %1</translation>
    </message>
    <message>
        <source>Put back</source>
        <translation>Возвращено</translation>
    </message>
    <message>
        <source>%1 put back</source>
        <translation>возвращено: %1</translation>
    </message>
    <message>
        <source>%1 to the Trash</source>
        <translation>в Корзину: %1</translation>
    </message>
    <message>
        <source>%1 deleted for good</source>
        <translation>удалено навсегда: %1</translation>
    </message>
    <message>
        <source>%1 replaced with links</source>
        <translation>заменено ссылками: %1</translation>
    </message>
    <message>
        <source>%1 not done</source>
        <translation>не выполнено: %1</translation>
    </message>
    <message>
        <source>%1 refused</source>
        <translation>отклонено: %1</translation>
    </message>
    <message>
        <source>Nothing was removed</source>
        <translation>Ничего не удалено</translation>
    </message>
    <message numerus="yes">
        <source>%n item(s): %1</source>
        <translation>
            <numerusform>%n элемент: %1</numerusform>
            <numerusform>%n элемента: %1</numerusform>
            <numerusform>%n элементов: %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>InputPaths</name>
    <message>
        <source>standard input (-) names no path</source>
        <translation>стандартный ввод (-) не содержит ни одного пути</translation>
    </message>
    <message>
        <source>cannot read standard input (-): %1</source>
        <translation>не удаётся прочитать стандартный ввод (-): %1</translation>
    </message>
    <message>
        <source>standard input (-) holds more than %1 MiB of paths</source>
        <translation>стандартный ввод (-) содержит больше %1 МиБ путей</translation>
    </message>
</context>
<context>
    <name>InstalledApp</name>
    <message>
        <source>application bundle</source>
        <translation>приложение (bundle)</translation>
    </message>
    <message>
        <source>AppImage</source>
        <translation>AppImage</translation>
    </message>
    <message>
        <source>application in the home</source>
        <translation>приложение в домашней папке</translation>
    </message>
    <message>
        <source>Flatpak</source>
        <translation>Flatpak</translation>
    </message>
    <message>
        <source>Debian package</source>
        <translation>пакет Debian</translation>
    </message>
</context>
<context>
    <name>ItemCopy</name>
    <message>
        <source>Special file, not copied</source>
        <translation>Специальный файл, не скопирован</translation>
    </message>
    <message>
        <source>The copy would replace the original</source>
        <translation>Копия заменила бы оригинал</translation>
    </message>
    <message>
        <source>A folder cannot be copied into itself</source>
        <translation>Папку нельзя скопировать в саму себя</translation>
    </message>
</context>
<context>
    <name>ItemMailer</name>
    <message>
        <source>Mail</source>
        <translation>Отправка по почте</translation>
    </message>
    <message>
        <source>The attachment will not be protected</source>
        <translation>Вложение не будет защищено</translation>
    </message>
    <message>
        <source>These files come from an archive protected by a password. Attached as they are, anyone who gets the message can read them. Attach the archive instead to keep them protected: whoever gets it needs the password.</source>
        <translation>Эти файлы взяты из архива, защищённого паролем. Если вложить их как есть, прочитать их сможет любой, кто получит письмо. Чтобы они остались защищёнными, вложите вместо них сам архив: получателю понадобится пароль.</translation>
    </message>
    <message>
        <source>Attach the Archive</source>
        <translation>Вложить архив</translation>
    </message>
    <message>
        <source>Attach Unprotected</source>
        <translation>Вложить без защиты</translation>
    </message>
    <message>
        <source>The folder could not be packed for mail.</source>
        <translation>Не удалось упаковать папку для отправки по почте.</translation>
    </message>
    <message>
        <source>The file could not be copied for mail.</source>
        <translation>Не удалось скопировать файл для отправки по почте.</translation>
    </message>
    <message>
        <source>No mail program could be started.</source>
        <translation>Не удалось запустить почтовую программу.</translation>
    </message>
    <message>
        <source>Install xdg-utils and set up a mail program, or attach the file yourself: %1</source>
        <translation>Установите xdg-utils и настройте почтовую программу или вложите файл самостоятельно: %1</translation>
    </message>
</context>
<context>
    <name>JunkCommand</name>
    <message>
        <source>no category %1 in the %2 layout</source>
        <translation>в схеме %2 нет категории %1</translation>
    </message>
    <message>
        <source>Skipped, needs administrator rights (use --admin): %1</source>
        <translation>Пропущено, нужны права администратора (используйте --admin): %1</translation>
    </message>
    <message>
        <source>no profile &quot;%1&quot; (there is &quot;scheduled&quot;)</source>
        <translation>нет профиля «%1» (есть «scheduled»)</translation>
    </message>
    <message>
        <source>--profile takes its categories from the settings; it cannot go with %1</source>
        <translation>--profile берёт категории из настроек; его нельзя сочетать с %1</translation>
    </message>
</context>
<context>
    <name>JunkHelp</name>
    <message>
        <source>empties the folders in ~/Library/Caches, ~/Library/Logs, the Caches and Logs of each app
container and the per-user cache folder; removes the files there</source>
        <translation>очищает папки в ~/Library/Caches, ~/Library/Logs, в папках Caches и Logs контейнера каждого
приложения и в папке кэша пользователя; удаляет лежащие там файлы</translation>
    </message>
    <message>
        <source>entries of ~/Library/Preferences, /Library/LaunchAgents, ~/Library/Saved Application
State, ~/Library/Parallels and ~/.cleverfiles that belong to no installed application</source>
        <translation>записи в ~/Library/Preferences, /Library/LaunchAgents, ~/Library/Saved Application
State, ~/Library/Parallels и ~/.cleverfiles, не относящиеся ни к одному установленному приложению</translation>
    </message>
    <message>
        <source>empties the folders and removes the files in /Library/Caches and /System/Library/Caches</source>
        <translation>очищает папки и удаляет файлы в /Library/Caches и /System/Library/Caches</translation>
    </message>
    <message>
        <source>empties the folders and removes the files in /Library/Logs and /var/log/asl</source>
        <translation>очищает папки и удаляет файлы в /Library/Logs и /var/log/asl</translation>
    </message>
    <message>
        <source>Mail Downloads, and image and text attachments below ~/Library/Mail</source>
        <translation>папка Mail Downloads, а также вложения-изображения и текстовые вложения внутри ~/Library/Mail</translation>
    </message>
    <message>
        <source>iOS software updates (*.ipsw in ~/Library/iTunes/iPhone and iPad Software Updates) and
iOS apps (*.ipa in ~/Music/iTunes/iTunes Media/Mobile Applications)</source>
        <translation>обновления ПО iOS (*.ipsw в ~/Library/iTunes/iPhone and iPad Software Updates) и
приложения iOS (*.ipa в ~/Music/iTunes/iTunes Media/Mobile Applications)</translation>
    </message>
    <message>
        <source>the device backups in ~/Library/Application Support/MobileSync/Backup</source>
        <translation>резервные копии устройств в ~/Library/Application Support/MobileSync/Backup</translation>
    </message>
    <message>
        <source>the *.ipsw files that category 9 removes too</source>
        <translation>файлы *.ipsw, которые удаляет и категория 9</translation>
    </message>
    <message>
        <source>everything in ~/.Trash</source>
        <translation>всё содержимое ~/.Trash</translation>
    </message>
    <message>
        <source>everything in ~/Downloads</source>
        <translation>всё содержимое ~/Downloads</translation>
    </message>
    <message>
        <source>empties the folders in ~/Library/Developer/Xcode/DerivedData</source>
        <translation>очищает папки в ~/Library/Developer/Xcode/DerivedData</translation>
    </message>
    <message>
        <source>empties Safari&apos;s and Chrome&apos;s history, cache, cookie and local-storage folders</source>
        <translation>очищает папки истории, кэша, файлов cookie и локального хранилища Safari и Chrome</translation>
    </message>
    <message>
        <source>empties the folders in the cache folder (~/.cache or XDG_CACHE_HOME) and in each Flatpak
app&apos;s ~/.var/app/ID/cache; removes the files there</source>
        <translation>очищает папки в папке кэша (~/.cache или XDG_CACHE_HOME) и в ~/.var/app/ID/cache
каждого приложения Flatpak; удаляет лежащие там файлы</translation>
    </message>
    <message>
        <source>desktop and autostart entries whose program is gone, and ~/.var/app data of Flatpak
apps installed nowhere</source>
        <translation>файлы .desktop и записи автозапуска, чьих программ больше нет, и данные в ~/.var/app
приложений Flatpak, которые нигде не установлены</translation>
    </message>
    <message>
        <source>empties the folders and removes the files in /var/cache (debconf&apos;s excepted); what only
root may remove is left unless --admin is given</source>
        <translation>очищает папки и удаляет файлы в /var/cache (кроме кэша debconf); то, что может удалить
только root, остаётся, если не указан --admin</translation>
    </message>
    <message>
        <source>empties the folders and removes the files in /var/log; what only root may remove is left
unless --admin is given</source>
        <translation>очищает папки и удаляет файлы в /var/log; то, что может удалить только root, остаётся,
если не указан --admin</translation>
    </message>
    <message>
        <source>what mail and browser programs left in /tmp/mozilla_USER0 (only when it is your own folder)</source>
        <translation>то, что почтовые программы и браузеры оставили в /tmp/mozilla_USER0 (только если это ваша папка)</translation>
    </message>
    <message>
        <source>everything in the Trash, and info files whose item is gone</source>
        <translation>всё содержимое корзины, а также файлы info, элементов которых больше нет</translation>
    </message>
    <message>
        <source>everything in the Downloads folder (XDG_DOWNLOAD_DIR)</source>
        <translation>всё содержимое папки «Загрузки» (XDG_DOWNLOAD_DIR)</translation>
    </message>
    <message>
        <source>empties the npm, Gradle, Cargo and Go package caches</source>
        <translation>очищает кэш пакетов npm, Gradle, Cargo и Go</translation>
    </message>
    <message>
        <source>empties Firefox&apos;s cache2 folders; removes Chrome&apos;s and Chromium&apos;s History, Cookies and
Local Storage of the Default profile</source>
        <translation>очищает папки cache2 Firefox; удаляет History, Cookies и Local Storage профиля
Default в Chrome и Chromium</translation>
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
        <translation>Использование: sweepwright-cli junk [--layout L] [--root R] [--home H] [--json] [--category ID]... [--all]
                                    [--clean [--yes | --dry-run] [--admin]]
Сканирует категории мусора и выводит найденное. С --clean затем удаляет то, что
отмечено: элементы просканированных категорий, кроме элементов категорий, которые изначально
не отмечены (ниже помечены «(не отмечена)»; они удаляются, если указаны в --category), истории
и файлов cookie браузера и того, что может удалить только администратор (удаляется с --admin).
Сначала задаётся вопрос в терминале; в остальных случаях нужен --yes,
а без него выводится план, ничего не удаляется и код выхода — 2. Команда сообщает, что удалено,
а что не удалось удалить (с причиной), и завершается с кодом 1, если что-то удалить не удалось.
Ctrl-C прерывает сканирование, а удаление — после текущего элемента (код выхода 130).
В настройки ничего не записывается; элементы автозапуска не затрагиваются.

  --json         вывести один объект JSON вместо таблицы
  --clean        удалить отмеченные элементы после сканирования
  --yes          удалять без подтверждения
  --dry-run      показать, что удалит --clean, ничего не удаляя
  --admin        удалить также то, что может удалить только администратор (один запрос пароля)
  --category ID  сканировать эту категорию (можно повторять) вместо категорий по умолчанию
  --all          сканировать все категории схемы
  --help         показать эту справку
  -V, --version  показать версию
</translation>
    </message>
    <message>
        <source>Categories of the %1 layout (* scanned by default) and what --clean removes:</source>
        <translation>Категории схемы %1 (* — сканируется по умолчанию) и что удаляет --clean:</translation>
    </message>
    <message>
        <source>(unmarked)</source>
        <translation>(не отмечена)</translation>
    </message>
    <message>
        <source>  --profile scheduled
                 the run of the cleaning schedule (sweepwright-cli schedule): clean the
                 categories chosen for it in the preferences, leave what needs a password
                 and say what went in a desktop notification
</source>
        <translation>  --profile scheduled
                 запуск по расписанию (sweepwright-cli schedule): очистить выбранные для него в
                 настройках категории, оставить то, что требует пароля, и сообщить об удалённом
                 в уведомлении
</translation>
    </message>
</context>
<context>
    <name>JunkReport</name>
    <message numerus="yes">
        <source>Found %1 in %n item(s); %2 marked for removal.
</source>
        <translation>
            <numerusform>Найдено %1 в %n элементе; отмечено для удаления: %2.
</numerusform>
            <numerusform>Найдено %1 в %n элементах; отмечено для удаления: %2.
</numerusform>
            <numerusform>Найдено %1 в %n элементах; отмечено для удаления: %2.
</numerusform>
        </translation>
    </message>
    <message>
        <source>nothing found</source>
        <translation>ничего не найдено</translation>
    </message>
    <message>
        <source>all marked</source>
        <translation>всё отмечено</translation>
    </message>
    <message>
        <source>some marked</source>
        <translation>отмечено частично</translation>
    </message>
    <message>
        <source>none marked</source>
        <translation>ничего не отмечено</translation>
    </message>
    <message>
        <source>(needs administrator rights)</source>
        <translation>(нужны права администратора)</translation>
    </message>
    <message>
        <source>No junk category is enabled.</source>
        <translation>Не включена ни одна категория мусора.</translation>
    </message>
    <message numerus="yes">
        <source>only items older than %n day(s)</source>
        <translation>
            <numerusform>только элементы старше %n дня</numerusform>
            <numerusform>только элементы старше %n дней</numerusform>
            <numerusform>только элементы старше %n дней</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>KeepList</name>
    <message>
        <source>it holds items that match your Never touch list</source>
        <translation>содержит элементы, подходящие под ваш список «Не трогать»</translation>
    </message>
    <message>
        <source>it matches %1 on your Never touch list</source>
        <translation>подходит под %1 из вашего списка «Не трогать»</translation>
    </message>
    <message>
        <source>it lies in %1, which matches %2 on your Never touch list</source>
        <translation>находится в %1, который подходит под %2 из вашего списка «Не трогать»</translation>
    </message>
</context>
<context>
    <name>KeepPathOption</name>
    <message>
        <source>%1 needs a path</source>
        <translation>для %1 нужен путь</translation>
    </message>
    <message>
        <source>  --keep-path PATH  leave PATH (and what lies in it) alone in this run, as the Never
                    touch list of the settings does; repeatable
</source>
        <translation>  --keep-path ПУТЬ  не трогать ПУТЬ (и его содержимое) в этом запуске, как это делает
                    список «Не трогать» в настройках; можно повторять
</translation>
    </message>
</context>
<context>
    <name>KeepPrefViewController</name>
    <message>
        <source>Add &amp;Folder…</source>
        <translation>Добавить &amp;папку…</translation>
    </message>
    <message>
        <source>Add a folder to keep</source>
        <translation>Добавить папку, которую не трогать</translation>
    </message>
    <message>
        <source>Add F&amp;ile…</source>
        <translation>Добавить &amp;файл…</translation>
    </message>
    <message>
        <source>Add a file to keep</source>
        <translation>Добавить файл, который не трогать</translation>
    </message>
    <message>
        <source>Add &amp;Pattern</source>
        <translation>Добавить &amp;шаблон</translation>
    </message>
    <message>
        <source>Add the pattern to keep</source>
        <translation>Добавить шаблон того, что не трогать</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Убрать</translation>
    </message>
    <message>
        <source>Remove the chosen entries</source>
        <translation>Убрать выбранные записи</translation>
    </message>
    <message>
        <source>Never touch list</source>
        <translation>Список «Не трогать»</translation>
    </message>
    <message>
        <source>Pattern to keep</source>
        <translation>Шаблон того, что не трогать</translation>
    </message>
    <message>
        <source>A pattern, such as ~/Downloads/*.iso</source>
        <translation>Шаблон, например ~/Downloads/*.iso</translation>
    </message>
    <message>
        <source>No tool lists, removes or shreds these folders and files, what lies in the folders, or what matches the patterns.</source>
        <translation>Ни один инструмент не показывает, не удаляет и не уничтожает эти папки и файлы, содержимое папок и то, что подходит под шаблоны.</translation>
    </message>
    <message>
        <source>Choose a Folder to Keep</source>
        <translation>Выберите папку, которую не трогать</translation>
    </message>
    <message>
        <source>Choose Files to Keep</source>
        <translation>Выберите файлы, которые не трогать</translation>
    </message>
    <message>
        <source>Never Touch</source>
        <translation>Не трогать</translation>
    </message>
</context>
<context>
    <name>LargeCommand</name>
    <message numerus="yes">
        <source>Found %1 in %n item(s) of %2 or more.
</source>
        <translation>
            <numerusform>Найдено %1 в %n элементе размером от %2.
</numerusform>
            <numerusform>Найдено %1 в %n элементах размером от %2.
</numerusform>
            <numerusform>Найдено %1 в %n элементах размером от %2.
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
        <translation>Использование: sweepwright-cli large [FOLDER...] [--layout L] [--root R] [--home H] [--json]
                                     [--trash [--yes | --dry-run]]
Выводит файлы и пакеты размером от 32 МБ в папках (если не указаны — в папках схемы
по умолчанию, см. ниже) по пяти диапазонам размеров. Если FOLDER — «-», папки читаются из
стандартного ввода, по одной в строке или через байты NUL. В скрытые папки и наборы docset
поиск не заходит; исходный код, файлы сборки и баз данных пропускаются, как и защищённые
системные папки, которые перечисляются в stderr. С --trash каждый элемент из списка
перемещается в корзину (его можно восстановить из корзины рабочей среды) после вопроса в
терминале или с --yes; иначе выводится план и ничего не перемещается (код выхода 2).
Ctrl-C прерывает сканирование, а перемещение — после текущего элемента (код выхода 130).

  --json         вывести один объект JSON вместо таблицы
  --trash        переместить в корзину каждый элемент из списка, затем сообщить, что перемещено
  --yes          перемещать без подтверждения
  --dry-run      показать, что переместит --trash, ничего не перемещая
  --help         показать эту справку
  -V, --version  показать версию
</translation>
    </message>
</context>
<context>
    <name>LeftOutFolders</name>
    <message>
        <source>left out %1: %2</source>
        <translation>пропущена папка %1: %2</translation>
    </message>
</context>
<context>
    <name>LoginCommand</name>
    <message>
        <source>on</source>
        <comment>starts at login</comment>
        <translation>вкл</translation>
    </message>
    <message>
        <source>off</source>
        <comment>does not start at login</comment>
        <translation>выкл</translation>
    </message>
    <message>
        <source>application</source>
        <comment>a login item that is a menu application</comment>
        <translation>приложение</translation>
    </message>
    <message>
        <source>autostart</source>
        <comment>a login item that is an autostart entry</comment>
        <translation>автозапуск</translation>
    </message>
    <message>
        <source>(part of the desktop)</source>
        <translation>(часть рабочей среды)</translation>
    </message>
    <message numerus="yes">
        <source>%n item(s) start at login.</source>
        <translation>
            <numerusform>При входе в систему запускается %n элемент.</numerusform>
            <numerusform>При входе в систему запускаются %n элемента.</numerusform>
            <numerusform>При входе в систему запускается %n элементов.</numerusform>
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
        <translation>Использование: sweepwright-cli login [--layout L] [--root R] [--home H] [--json] [--all]
                                     [--on ID] [--off ID]
Выводит то, что запускается при входе в систему (вкл), затем отключённые записи автозапуска
(выкл), каждую с описанием; записи, которые рабочая среда запускает сама, помечены
«(часть рабочей среды)» и идут последними. --all выводит после них остальные приложения
из меню, которые можно добавить с помощью --on. --on создаёт пользовательский файл автозапуска
ID.desktop; --off удаляет пользовательские записи приложения, а
общесистемную запись скрывает пользовательской записью с Hidden=true. ID —
идентификатор desktop-файла без «.desktop» (в схеме macos — имя bundle).

  --json          вывести один объект JSON вместо списка
  --all           выводить также приложения, которые не запускаются при входе
  --on ID         включить запуск ID при входе (можно повторять)
  --off ID        отключить запуск ID при входе (можно повторять)
  --help          показать эту справку
  -V, --version   показать версию
</translation>
    </message>
    <message>
        <source>%1 needs an id</source>
        <translation>для %1 нужен идентификатор</translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot;</source>
        <translation>лишний аргумент «%1»</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is both in --on and --off</source>
        <translation>«%1» указан и в --on, и в --off</translation>
    </message>
    <message>
        <source>no login item &quot;%1&quot; (see the list without --on and --off)</source>
        <translation>нет элемента автозапуска «%1» (см. список без --on и --off)</translation>
    </message>
    <message>
        <source>could not switch &quot;%1&quot; on</source>
        <translation>не удалось включить «%1»</translation>
    </message>
    <message>
        <source>could not switch &quot;%1&quot; off</source>
        <translation>не удалось отключить «%1»</translation>
    </message>
</context>
<context>
    <name>LoginItemRow</name>
    <message>
        <source>Part of the desktop</source>
        <translation>Часть рабочей среды</translation>
    </message>
</context>
<context>
    <name>MASPreferencesWindowController</name>
    <message>
        <source>Panes</source>
        <translation>Разделы</translation>
    </message>
</context>
<context>
    <name>MLoginItemsPage</name>
    <message>
        <source>Add an application…</source>
        <translation>Добавить приложение…</translation>
    </message>
    <message>
        <source>%1: starts at login</source>
        <translation>%1: запускается при входе</translation>
    </message>
    <message>
        <source>%1: does not start at login</source>
        <translation>%1: не запускается при входе</translation>
    </message>
    <message>
        <source>Switch off “%1”?</source>
        <translation>Отключить «%1»?</translation>
    </message>
    <message>
        <source>It is part of the desktop: the desktop starts it for itself when you log in. Switched off, what it does stops from the next login until you switch it on again.</source>
        <translation>Это часть рабочей среды: она сама запускает этот элемент при входе в систему. Если его отключить, его работа прекратится со следующего входа в систему и до тех пор, пока вы снова его не включите.</translation>
    </message>
    <message>
        <source>Switch Off</source>
        <translation>Отключить</translation>
    </message>
    <message>
        <source>No applications start at login</source>
        <translation>При входе не запускается ни одно приложение</translation>
    </message>
    <message>
        <source>Add an application to start it each time you log in.</source>
        <translation>Добавьте приложение, чтобы оно запускалось при каждом входе в систему.</translation>
    </message>
    <message>
        <source>Switching one off keeps it from starting the next time you log in.</source>
        <translation>Отключённый элемент не запустится при следующем входе в систему.</translation>
    </message>
    <message numerus="yes">
        <source>%n application(s) start at login</source>
        <translation>
            <numerusform>При входе запускается %n приложение</numerusform>
            <numerusform>При входе запускаются %n приложения</numerusform>
            <numerusform>При входе запускается %n приложений</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Switching one off keeps it from starting the next time you log in. %n part(s) of the desktop start too; they are listed last.</source>
        <translation>
            <numerusform>Отключённый элемент не запустится при следующем входе в систему. Также запускается %n компонент рабочей среды (в конце списка).</numerusform>
            <numerusform>Отключённый элемент не запустится при следующем входе в систему. Также запускаются %n компонента рабочей среды (в конце списка).</numerusform>
            <numerusform>Отключённый элемент не запустится при следующем входе в систему. Также запускается %n компонентов рабочей среды (в конце списка).</numerusform>
        </translation>
    </message>
    <message>
        <source>Login items</source>
        <translation>Элементы автозапуска</translation>
    </message>
</context>
<context>
    <name>MarkedRemoval</name>
    <message>
        <source>needs administrator rights; skipped</source>
        <translation>нужны права администратора; пропущен</translation>
    </message>
</context>
<context>
    <name>MemoryCommand</name>
    <message>
        <source>Memory (%L1 % in use)</source>
        <translation>Память (используется %L1 %)</translation>
    </message>
    <message>
        <source>Memory (usage unavailable: the figures contradict each other)</source>
        <translation>Память (использование неизвестно: показатели противоречат друг другу)</translation>
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
        <translation>  занято           %1
  кэш              %2
  буферы           %3
  свободно         %4
  активная         %5
  неактивная       %6
  занято подкачки  %7 из %8
  доступно         %9
  всего            %10
Диск с папкой %11
  занято           %12
  свободно         %13
  всего            %14
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
        <translation>Использование: sweepwright-cli memory [--layout L] [--home H] [--json] [--release]
Выводит показатели памяти (из /proc/meminfo или SWEEPWRIGHT_PROC/meminfo), а также
занятое и свободное место на томе, где находится папка «Документы».
С --release сначала освобождает память: задействует свободную и неактивную память по 64 МиБ
за раз, чтобы ядро забрало неактивные страницы и файловый кэш, и останавливается раньше:
до того, как доступная память опустится ниже max(10 %, 512 МиБ), когда система начинает
использовать подкачку или когда растёт нагрузка на память. Освобождённый объём — это изменение
объёма свободной памяти; он отрицателен, если другие программы тем временем заняли память.

Освобождение прекращается самое позднее после %1 ГиБ такой работы или через %2 с. Противоречивые
показатели (свободной памяти больше, чем установлено) показываются урезанными до
установленного объёма, без данных об использовании (null в JSON), и ничего не освобождается.

  --json         вывести один объект JSON (с --release также &quot;releasedMemory&quot;,
                 &quot;touchedMemory&quot; и &quot;releaseEnd&quot;)
  --release      сначала освободить память
  --help         показать эту справку
  -V, --version  показать версию
</translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot;</source>
        <translation>лишний аргумент «%1»</translation>
    </message>
    <message>
        <source>cannot read the memory figures from %1/meminfo</source>
        <translation>не удаётся прочитать показатели памяти из %1/meminfo</translation>
    </message>
    <message>
        <source>Released Memory: %1 (%2 touched; %3)</source>
        <translation>Освобождено памяти: %1 (задействовано %2; %3)</translation>
    </message>
</context>
<context>
    <name>MemoryRelease</name>
    <message>
        <source>done</source>
        <translation>готово</translation>
    </message>
    <message>
        <source>stopped: available memory near its floor</source>
        <translation>остановлено: доступная память близка к нижнему пределу</translation>
    </message>
    <message>
        <source>stopped: the system began to swap</source>
        <translation>остановлено: система начала использовать подкачку</translation>
    </message>
    <message>
        <source>stopped: memory pressure</source>
        <translation>остановлено: высокая нагрузка на память</translation>
    </message>
    <message>
        <source>stopped: memory figures unreadable</source>
        <translation>остановлено: не удаётся прочитать показатели памяти</translation>
    </message>
    <message>
        <source>stopped: memory figures inconsistent</source>
        <translation>остановлено: показатели памяти противоречат друг другу</translation>
    </message>
    <message>
        <source>stopped: the most one release may do was done</source>
        <translation>остановлено: достигнут предел для одного освобождения</translation>
    </message>
</context>
<context>
    <name>ORBigDataCollection</name>
    <message>
        <source>32 MB to 128 MB</source>
        <translation>От 32 до 128 МБ</translation>
    </message>
    <message>
        <source>Files of 32 MB and more, below 128 MB</source>
        <translation>Файлы размером от 32 МБ, но меньше 128 МБ</translation>
    </message>
    <message>
        <source>128 MB to 256 MB</source>
        <translation>От 128 до 256 МБ</translation>
    </message>
    <message>
        <source>Files of 128 MB and more, below 256 MB</source>
        <translation>Файлы размером от 128 МБ, но меньше 256 МБ</translation>
    </message>
    <message>
        <source>256 MB to 512 MB</source>
        <translation>От 256 до 512 МБ</translation>
    </message>
    <message>
        <source>Files of 256 MB and more, below 512 MB</source>
        <translation>Файлы размером от 256 МБ, но меньше 512 МБ</translation>
    </message>
    <message>
        <source>512 MB to 1 GB</source>
        <translation>От 512 МБ до 1 ГБ</translation>
    </message>
    <message>
        <source>Files of 512 MB and more, below 1 GB</source>
        <translation>Файлы размером от 512 МБ, но меньше 1 ГБ</translation>
    </message>
    <message>
        <source>1 GB and more</source>
        <translation>1 ГБ и больше</translation>
    </message>
    <message>
        <source>Files of 1 GB and more</source>
        <translation>Файлы размером 1 ГБ и больше</translation>
    </message>
</context>
<context>
    <name>ORBigNoVeiwCter</name>
    <message>
        <source>Large Files</source>
        <translation>Большие файлы</translation>
    </message>
    <message>
        <source>No large files were found in these folders.</source>
        <translation>В этих папках не найдено больших файлов.</translation>
    </message>
</context>
<context>
    <name>ORBigResultViewCter</name>
    <message numerus="yes">
        <source>%n file(s)</source>
        <translation>
            <numerusform>%n файл</numerusform>
            <numerusform>%n файла</numerusform>
            <numerusform>%n файлов</numerusform>
        </translation>
    </message>
    <message>
        <source>File Sizes</source>
        <translation>Размеры файлов</translation>
    </message>
</context>
<context>
    <name>ORBigViewCter</name>
    <message>
        <source>Large Files</source>
        <translation>Большие файлы</translation>
    </message>
    <message>
        <source>Find the files of 32 MB and more in these folders and move the ones you no longer need to the Trash.</source>
        <translation>Найдите в этих папках файлы размером от 32 МБ и переместите ненужные в корзину.</translation>
    </message>
</context>
<context>
    <name>ORDupDataCollection</name>
    <message>
        <source>In a reference folder: originals are never removed</source>
        <translation>В эталонной папке: оригиналы никогда не удаляются</translation>
    </message>
    <message numerus="yes">
        <source>Modified in the last %n day(s): only older copies go</source>
        <translation>
            <numerusform>Изменена за последний %n день: убираются только более старые копии</numerusform>
            <numerusform>Изменена за последние %n дня: убираются только более старые копии</numerusform>
            <numerusform>Изменена за последние %n дней: убираются только более старые копии</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ORDupNoViewCter</name>
    <message>
        <source>Duplicates</source>
        <translation>Дубликаты</translation>
    </message>
    <message>
        <source>No duplicates were found in these folders.</source>
        <translation>В этих папках не найдено дубликатов.</translation>
    </message>
</context>
<context>
    <name>ORDupResultItemObject</name>
    <message>
        <source>No duplicates here</source>
        <translation>Здесь нет дубликатов</translation>
    </message>
    <message>
        <source>Choose another kind, or search for another name.</source>
        <translation>Выберите другой тип или поищите другое имя.</translation>
    </message>
    <message numerus="yes">
        <source>%n copies of %1 each; one copy is always kept.</source>
        <translation>
            <numerusform>%n копия по %1; одна копия всегда сохраняется.</numerusform>
            <numerusform>%n копии по %1; одна копия всегда сохраняется.</numerusform>
            <numerusform>%n копий по %1; одна копия всегда сохраняется.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 copy of %1 is listed; the others lie in protected places.</source>
        <translation>Показана 1 копия размером %1; остальные находятся в защищённых местах.</translation>
    </message>
    <message numerus="yes">
        <source>%n item(s), %1 in all; each may go to the Trash.</source>
        <translation>
            <numerusform>%n элемент, всего %1; каждый можно переместить в корзину.</numerusform>
            <numerusform>%n элемента, всего %1; каждый можно переместить в корзину.</numerusform>
            <numerusform>%n элементов, всего %1; каждый можно переместить в корзину.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ORDupResultViewCter</name>
    <message>
        <source>Select every copy but one of each group listed, or clear them</source>
        <translation>Отметить все копии, кроме одной, в каждой показанной группе или снять отметки</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Все</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Список</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Просмотр</translation>
    </message>
    <message>
        <source>Search by name</source>
        <translation>Поиск по имени</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Размер</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>Copies</source>
        <translation>Число копий</translation>
    </message>
    <message>
        <source>Sort the groups</source>
        <translation>Сортировка групп</translation>
    </message>
    <message>
        <source>Which copy of each group Select keeps. Best original keeps the copy outside Downloads, the Trash and temporary folders, without a copy mark such as &quot;(1)&quot; in its name, the oldest, in the deepest folder.</source>
        <translation>Какую копию в каждой группе кнопка «Отметить» оставляет неотмеченной. «Лучший оригинал» оставляет копию вне папки «Загрузки», корзины и временных папок, без пометки копии вроде «(1)» в имени, самую старую, в самой глубокой папке.</translation>
    </message>
    <message>
        <source>All duplicates</source>
        <translation>Все дубликаты</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n set(s), %2</source>
        <extracomment>The kind listed (&quot;All duplicates&quot;, &quot;Documents&quot;, ...), the number of sets and their size</extracomment>
        <translation>
            <numerusform>%1: %n группа, %2</numerusform>
            <numerusform>%1: %n группы, %2</numerusform>
            <numerusform>%1: %n групп, %2</numerusform>
        </translation>
    </message>
    <message>
        <source>Each set holds copies of one file. Select keeps one copy of each set.</source>
        <translation>Каждая группа содержит копии одного файла. Кнопка «Отметить» оставляет по одной копии в каждой группе.</translation>
    </message>
    <message>
        <source>Groups of duplicates</source>
        <translation>Группы дубликатов</translation>
    </message>
    <message>
        <source>Kind of files</source>
        <translation>Тип файлов</translation>
    </message>
    <message>
        <source>Show as</source>
        <translation>Вид</translation>
    </message>
    <message>
        <source>Search the duplicates by name</source>
        <translation>Поиск дубликатов по имени</translation>
    </message>
    <message>
        <source>The copy Select keeps</source>
        <translation>Копия, которую оставляет кнопка «Отметить»</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Экспорт…</translation>
    </message>
    <message>
        <source>Export the result</source>
        <translation>Экспортировать результат</translation>
    </message>
    <message>
        <source>Save the groups as a CSV table, or as JSON to open again later</source>
        <translation>Сохранить группы в таблицу CSV или в JSON, чтобы открыть позже</translation>
    </message>
    <message numerus="yes">
        <source>Empty and broken: %n item(s), %1</source>
        <translation>
            <numerusform>Пустые и битые: %n элемент, %1</numerusform>
            <numerusform>Пустые и битые: %n элемента, %1</numerusform>
            <numerusform>Пустые и битые: %n элементов, %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Empty files, folders that hold only empty folders, and links whose target is missing.</source>
        <translation>Пустые файлы, папки, содержащие только пустые папки, и ссылки, цель которых отсутствует.</translation>
    </message>
</context>
<context>
    <name>ORDupViewCter</name>
    <message>
        <source>Duplicates</source>
        <translation>Дубликаты</translation>
    </message>
    <message>
        <source>Quick scan: compare samples only, not whole files</source>
        <translation>Быстрое сканирование: сравнивать только фрагменты, а не файлы целиком</translation>
    </message>
    <message>
        <source>Faster, but files that agree only in the parts compared are reported as duplicates too.</source>
        <translation>Быстрее, но дубликатами будут считаться и файлы, совпадающие лишь в сравниваемых частях.</translation>
    </message>
    <message>
        <source>Files of %1 and less are not compared.</source>
        <translation>Файлы размером %1 и меньше не сравниваются.</translation>
    </message>
    <message numerus="yes">
        <source>Found %n set(s) of duplicates, %1</source>
        <translation>
            <numerusform>Найдена %n группа дубликатов, %1</numerusform>
            <numerusform>Найдено %n группы дубликатов, %1</numerusform>
            <numerusform>Найдено %n групп дубликатов, %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Empty and broken</source>
        <translation>Пустые и битые</translation>
    </message>
    <message>
        <source>What to find</source>
        <translation>Что искать</translation>
    </message>
    <message>
        <source>Copies of the same file, or empty files, empty folders and broken links</source>
        <translation>Копии одного файла или пустые файлы, пустые папки и битые ссылки</translation>
    </message>
    <message>
        <source>Open a Saved Result…</source>
        <translation>Открыть результат…</translation>
    </message>
    <message>
        <source>Open a saved result</source>
        <translation>Открыть сохранённый результат</translation>
    </message>
    <message>
        <source>Open a result exported as JSON; it is checked against the disk first</source>
        <translation>Открыть результат, экспортированный в JSON; сначала он сверяется с диском</translation>
    </message>
    <message>
        <source>Open a Saved Result</source>
        <translation>Открыть сохранённый результат</translation>
    </message>
    <message>
        <source>Saved results (*.json)</source>
        <translation>Сохранённые результаты (*.json)</translation>
    </message>
    <message numerus="yes">
        <source>%n item(s) of the saved result were left out: they changed since it was saved, or cannot be acted on.</source>
        <translation>
            <numerusform>%n элемент сохранённого результата пропущен: он изменился после сохранения или с ним нельзя работать.</numerusform>
            <numerusform>%n элемента сохранённого результата пропущены: они изменились после сохранения или с ними нельзя работать.</numerusform>
            <numerusform>%n элементов сохранённого результата пропущены: они изменились после сохранения или с ними нельзя работать.</numerusform>
        </translation>
    </message>
    <message>
        <source>Find the files that are stored more than once in these folders and move the extra copies to the Trash or replace them with links.</source>
        <translation>Найдите в этих папках файлы, которые хранятся в нескольких экземплярах, и переместите лишние копии в корзину или замените их ссылками.</translation>
    </message>
</context>
<context>
    <name>ORExtDataCollection</name>
    <message>
        <source>Extensions</source>
        <translation>Расширения</translation>
    </message>
    <message>
        <source>Kernel extensions: drivers and system features that applications added.</source>
        <translation>Расширения ядра: драйверы и системные функции, добавленные приложениями.</translation>
    </message>
    <message>
        <source>Kernel</source>
        <translation>Ядро</translation>
    </message>
    <message>
        <source>Browser Extensions</source>
        <translation>Расширения браузеров</translation>
    </message>
    <message>
        <source>Add-ons installed in the profiles of your web browsers. A removed extension is gone once the browser has been restarted.</source>
        <translation>Дополнения, установленные в профилях ваших браузеров. Удалённое расширение исчезнет после перезапуска браузера.</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>Браузер</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Панели настроек</translation>
    </message>
    <message>
        <source>Preference panes that applications added to System Preferences.</source>
        <translation>Панели настроек, добавленные приложениями в «Системные настройки».</translation>
    </message>
    <message>
        <source>System Preferences</source>
        <translation>Системные настройки</translation>
    </message>
    <message>
        <source>Desktop Extensions</source>
        <translation>Расширения рабочей среды</translation>
    </message>
    <message>
        <source>Shell extensions, widgets and applets you added to your desktop. A removed one is gone once the desktop shell has been restarted or you have logged in again.</source>
        <translation>Расширения оболочки, виджеты и апплеты, которые вы добавили в рабочую среду. Удалённое расширение исчезнет после перезапуска оболочки или повторного входа в систему.</translation>
    </message>
    <message>
        <source>Desktop</source>
        <translation>Рабочая среда</translation>
    </message>
    <message>
        <source>Internet Plug-Ins</source>
        <translation>Интернет-плагины</translation>
    </message>
    <message>
        <source>Plug-ins that browsers and other programs load to show web content.</source>
        <translation>Плагины, которые браузеры и другие программы загружают для показа веб-содержимого.</translation>
    </message>
    <message>
        <source>Browsers</source>
        <translation>Браузеры</translation>
    </message>
    <message>
        <source>Browser Plug-Ins</source>
        <translation>Плагины браузеров</translation>
    </message>
    <message>
        <source>Plug-in libraries the browsers load from your home folder. A removed plug-in is gone once the browser has been restarted.</source>
        <translation>Библиотеки плагинов, которые браузеры загружают из вашей домашней папки. Удалённый плагин исчезнет после перезапуска браузера.</translation>
    </message>
    <message>
        <source>Mozilla</source>
        <translation>Mozilla</translation>
    </message>
    <message>
        <source>QuickLook Plug-Ins</source>
        <translation>Плагины Quick Look</translation>
    </message>
    <message>
        <source>Plug-ins that let Quick Look preview more kinds of files.</source>
        <translation>Плагины, с которыми Quick Look может показывать больше типов файлов.</translation>
    </message>
    <message>
        <source>Quick Look</source>
        <translation>Quick Look</translation>
    </message>
    <message>
        <source>Thumbnailers</source>
        <translation>Генераторы миниатюр</translation>
    </message>
    <message>
        <source>Programs that draw the previews of files in your file manager. Previews drawn already stay until the file manager has been restarted and the thumbnail cache cleaned.</source>
        <translation>Программы, которые создают миниатюры файлов в файловом менеджере. Уже созданные миниатюры останутся, пока файловый менеджер не будет перезапущен, а кэш миниатюр — очищен.</translation>
    </message>
    <message>
        <source>File manager</source>
        <translation>Файловый менеджер</translation>
    </message>
    <message>
        <source>Spotlight Plug-Ins</source>
        <translation>Плагины Spotlight</translation>
    </message>
    <message>
        <source>Plug-ins that let Spotlight search more kinds of files.</source>
        <translation>Плагины, с которыми Spotlight может искать больше типов файлов.</translation>
    </message>
    <message>
        <source>Spotlight</source>
        <translation>Spotlight</translation>
    </message>
    <message>
        <source>Search Providers</source>
        <translation>Поставщики поиска</translation>
    </message>
    <message>
        <source>Applications that add their results to the desktop&apos;s search. A removed provider is gone once the desktop shell has been restarted.</source>
        <translation>Приложения, которые добавляют свои результаты в поиск рабочей среды. Удалённый поставщик исчезнет после перезапуска оболочки.</translation>
    </message>
    <message>
        <source>Desktop search</source>
        <translation>Поиск рабочей среды</translation>
    </message>
</context>
<context>
    <name>ORExtensionResultViewCter</name>
    <message>
        <source>Enabled</source>
        <translation>Включено</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Отключено</translation>
    </message>
    <message>
        <source>Extensions</source>
        <translation>Расширения</translation>
    </message>
    <message>
        <source>Nothing of this kind is installed.</source>
        <translation>Расширений этого типа не установлено.</translation>
    </message>
</context>
<context>
    <name>ORExtensionViewCter</name>
    <message>
        <source>Extensions</source>
        <translation>Расширения</translation>
    </message>
    <message>
        <source>See the add-ons installed in your browsers and your desktop, and remove the ones you no longer use.</source>
        <translation>Просмотрите дополнения, установленные в браузерах и рабочей среде, и удалите те, которыми больше не пользуетесь.</translation>
    </message>
</context>
<context>
    <name>ORFileConvertViewCter</name>
    <message>
        <source>Icons</source>
        <translation>Значки</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Список</translation>
    </message>
    <message>
        <source>In %1. These files are a temporary copy, removed when you leave this page: save them or extract them to keep them.</source>
        <translation>В %1. Эти файлы — временная копия, которая будет удалена, когда вы уйдёте с этой страницы: чтобы оставить их, сохраните или извлеките их.</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message numerus="yes">
        <source>%n item(s) could not be saved.</source>
        <translation>
            <numerusform>Не удалось сохранить %n элемент.</numerusform>
            <numerusform>Не удалось сохранить %n элемента.</numerusform>
            <numerusform>Не удалось сохранить %n элементов.</numerusform>
        </translation>
    </message>
    <message>
        <source>Extract To</source>
        <translation>Извлечь в</translation>
    </message>
    <message>
        <source>Extract</source>
        <translation>Извлечь</translation>
    </message>
    <message>
        <source>The folder %1 could not be made</source>
        <translation>Не удалось создать папку %1</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 не является папкой</translation>
    </message>
    <message>
        <source>Show as</source>
        <translation>Вид</translation>
    </message>
    <message>
        <source>Extracted files</source>
        <translation>Извлечённые файлы</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Назад</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;Сохранить...</translation>
    </message>
    <message>
        <source>&amp;Extract to...</source>
        <translation>&amp;Извлечь в...</translation>
    </message>
    <message>
        <source>&amp;Mail</source>
        <translation>&amp;Отправить по почте</translation>
    </message>
</context>
<context>
    <name>ORFileDataCollection</name>
    <message>
        <source>A winmail file is listed only by decoding it</source>
        <translation>Содержимое файла winmail можно показать, только декодировав его</translation>
    </message>
    <message>
        <source>Cannot create the folder</source>
        <translation>Не удаётся создать папку</translation>
    </message>
    <message>
        <source>Not a winmail.dat file, or a damaged one</source>
        <translation>Это не файл winmail.dat, или он повреждён</translation>
    </message>
    <message>
        <source>Cannot read the file</source>
        <translation>Не удаётся прочитать файл</translation>
    </message>
    <message>
        <source>Cannot create the folder %1</source>
        <translation>Не удаётся создать папку %1</translation>
    </message>
</context>
<context>
    <name>ORFileDropView</name>
    <message>
        <source>Drop an archive or a winmail.dat file here</source>
        <translation>Перетащите сюда архив или файл winmail.dat</translation>
    </message>
    <message>
        <source>or</source>
        <translation>или</translation>
    </message>
    <message>
        <source>Choose a File...</source>
        <translation>Выбрать файл...</translation>
    </message>
    <message>
        <source>Choose an Archive</source>
        <translation>Выбор архива</translation>
    </message>
    <message>
        <source>Archives (%1)</source>
        <translation>Архивы (%1)</translation>
    </message>
</context>
<context>
    <name>ORFileIntroViewCter</name>
    <message>
        <source>Unarchive error or password error, try again!</source>
        <translation>Ошибка распаковки или неверный пароль. Попробуйте ещё раз.</translation>
    </message>
    <message>
        <source>This archive format is not supported</source>
        <translation>Этот формат архивов не поддерживается</translation>
    </message>
    <message>
        <source>Not enough free space</source>
        <translation>Недостаточно свободного места</translation>
    </message>
    <message>
        <source>Archives</source>
        <translation>Архивы</translation>
    </message>
    <message>
        <source>Open zip, rar, 7z, tar and many other archives, and the attachments in winmail.dat files: see what is inside, then open, save or mail it.</source>
        <translation>Открывайте архивы zip, rar, 7z, tar и многие другие, а также вложения winmail.dat: смотрите содержимое, открывайте, сохраняйте или отправляйте по почте.</translation>
    </message>
    <message>
        <source>File name encoding:</source>
        <translation>Кодировка имён файлов:</translation>
    </message>
    <message>
        <source>zip, rar, 7z, tar, gz, bz2, xz, iso, cab, lzh, arj, cpio, deb, rpm, winmail.dat and more</source>
        <translation>zip, rar, 7z, tar, gz, bz2, xz, iso, cab, lzh, arj, cpio, deb, rpm, winmail.dat и другие</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Extracting...</source>
        <translation>Извлечение...</translation>
    </message>
</context>
<context>
    <name>ORFolderTableCellView</name>
    <message>
        <source>Remove from the List</source>
        <translation>Удалить из списка</translation>
    </message>
    <message>
        <source>Reference Folder</source>
        <translation>Эталонная папка</translation>
    </message>
    <message>
        <source>Reference folder: the originals live here and its copies are never selected. Click to make it an ordinary folder.</source>
        <translation>Эталонная папка: здесь лежат оригиналы, её копии никогда не выбираются. Нажмите, чтобы сделать её обычной папкой.</translation>
    </message>
    <message>
        <source>Make this a reference folder: the originals live here and its copies are never selected.</source>
        <translation>Сделать эталонной папкой: здесь лежат оригиналы, её копии никогда не выбираются.</translation>
    </message>
</context>
<context>
    <name>ORItemTableCellView</name>
    <message>
        <source>Show in the File Manager</source>
        <translation>Показать в файловом менеджере</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Просмотр</translation>
    </message>
</context>
<context>
    <name>ORJunkFilesCollection</name>
    <message>
        <source>Application Junk Files</source>
        <translation>Мусор приложений</translation>
    </message>
    <message>
        <source>Caches and logs that applications keep to start and work faster. An application makes them again when it needs them.</source>
        <translation>Кэш и журналы, которые приложения хранят, чтобы быстрее запускаться и работать. Приложение создаст их заново, когда они понадобятся.</translation>
    </message>
    <message>
        <source>Leftover Files</source>
        <translation>Остатки приложений</translation>
    </message>
    <message>
        <source>Settings, saved window states and launch agents of applications other than the system&apos;s own.</source>
        <translation>Настройки, сохранённые состояния окон и агенты запуска приложений, не входящих в систему.</translation>
    </message>
    <message>
        <source>Menu and login entries whose program is no longer installed, and the data of Flatpak applications that were removed.</source>
        <translation>Пункты меню и автозапуска, чьи программы больше не установлены, и данные удалённых приложений Flatpak.</translation>
    </message>
    <message>
        <source>System Cache Files</source>
        <translation>Системный кэш</translation>
    </message>
    <message>
        <source>Caches of the system&apos;s own programs and services. They are made again when needed.</source>
        <translation>Кэш программ и служб самой системы. Он создаётся заново, когда нужен.</translation>
    </message>
    <message>
        <source>Caches of the system&apos;s programs in /var/cache, such as packages the package manager downloaded. They are made again when needed.</source>
        <translation>Кэш системных программ в /var/cache, например пакеты, загруженные менеджером пакетов. Он создаётся заново, когда нужен.</translation>
    </message>
    <message>
        <source>System Log Files</source>
        <translation>Системные журналы</translation>
    </message>
    <message>
        <source>Records of what the system and its services did. They help to find the cause of a fault; nothing needs them to run.</source>
        <translation>Записи о работе системы и её служб. Они помогают найти причину сбоя; для работы они не нужны.</translation>
    </message>
    <message>
        <source>Mail Attachments</source>
        <translation>Почтовые вложения</translation>
    </message>
    <message>
        <source>Copies of attachments saved when you opened them. The messages keep their own copy.</source>
        <translation>Копии вложений, сохранённые, когда вы их открывали. В самих письмах остаётся своя копия.</translation>
    </message>
    <message>
        <source>iTunes Junk Files</source>
        <translation>Мусор iTunes</translation>
    </message>
    <message>
        <source>iPhone and iPad software updates and copies of their applications that iTunes downloaded.</source>
        <translation>Обновления ПО для iPhone и iPad и копии их приложений, загруженные iTunes.</translation>
    </message>
    <message>
        <source>iOS Backups</source>
        <translation>Резервные копии iOS</translation>
    </message>
    <message>
        <source>Backups of iPhones and iPads made on this computer.</source>
        <translation>Резервные копии iPhone и iPad, сделанные на этом компьютере.</translation>
    </message>
    <message>
        <source>iOS Software Updates</source>
        <translation>Обновления ПО iOS</translation>
    </message>
    <message>
        <source>Software updates for iPhones and iPads that were downloaded.</source>
        <translation>Загруженные обновления ПО для iPhone и iPad.</translation>
    </message>
    <message>
        <source>Trash</source>
        <translation>Корзина</translation>
    </message>
    <message>
        <source>Everything you moved to the Trash and did not empty yet.</source>
        <translation>Всё, что вы переместили в корзину и ещё не удалили из неё.</translation>
    </message>
    <message>
        <source>Downloads</source>
        <translation>Загрузки</translation>
    </message>
    <message>
        <source>Everything in your Downloads folder, which may hold files you keep.</source>
        <translation>Всё содержимое папки «Загрузки», где могут быть и нужные вам файлы.</translation>
    </message>
    <message>
        <source>Xcode DerivedData</source>
        <translation>Xcode DerivedData</translation>
    </message>
    <message>
        <source>Build products and indexes that Xcode makes again when a project is built.</source>
        <translation>Результаты сборки и индексы, которые Xcode создаёт заново при сборке проекта.</translation>
    </message>
    <message>
        <source>Developer Build Caches</source>
        <translation>Кэш сборки для разработчиков</translation>
    </message>
    <message>
        <source>Package and build caches of npm, Gradle, Cargo and Go, which are downloaded again when a build needs them.</source>
        <translation>Кэш пакетов и сборки npm, Gradle, Cargo и Go; всё это загружается заново, когда понадобится для сборки.</translation>
    </message>
    <message>
        <source>Browser Junk Files</source>
        <translation>Мусор браузеров</translation>
    </message>
    <message>
        <source>Pages and images your browsers keep to show sites faster, their history and their cookies. Without cookies you are signed out of websites.</source>
        <translation>Страницы и изображения, которые браузеры хранят, чтобы быстрее показывать сайты, а также история и файлы cookie. Без файлов cookie вы выйдете из учётных записей на сайтах.</translation>
    </message>
    <message>
        <source>Pages and images your browsers keep to show sites faster, and their history and cookies, which start unticked: without cookies you are signed out of websites.</source>
        <translation>Страницы и изображения, которые браузеры хранят, чтобы быстрее показывать сайты, а также история и файлы cookie — они изначально не отмечены: без файлов cookie вы выйдете из учётных записей на сайтах.</translation>
    </message>
    <message numerus="yes">
        <source>Only items older than %n day(s) are listed.</source>
        <translation>
            <numerusform>Показаны только элементы старше %n дня.</numerusform>
            <numerusform>Показаны только элементы старше %n дней.</numerusform>
            <numerusform>Показаны только элементы старше %n дней.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ORJunkViewCter</name>
    <message>
        <source>Junk Clean</source>
        <translation>Очистка</translation>
    </message>
    <message>
        <source>Find caches, logs, leftovers of removed applications, the Trash and other files you no longer need, and free up space safely.</source>
        <translation>Найдите кэш, журналы, остатки удалённых приложений, корзину и другие ненужные файлы и безопасно освободите место.</translation>
    </message>
</context>
<context>
    <name>ORJunksResultViewCter</name>
    <message>
        <source>Categories</source>
        <translation>Категории</translation>
    </message>
    <message>
        <source>Nothing to clean in this category.</source>
        <translation>В этой категории нечего очищать.</translation>
    </message>
</context>
<context>
    <name>ORLayout</name>
    <message>
        <source>unknown layout &quot;%1&quot; (use freedesktop or macos)</source>
        <translation>неизвестная схема «%1» (используйте freedesktop или macos)</translation>
    </message>
    <message>
        <source>no home folder: user %1 has no password entry and $HOME is not set (give --home)</source>
        <translation>нет домашней папки: у пользователя %1 нет записи в passwd, а переменная $HOME не задана (укажите --home)</translation>
    </message>
    <message>
        <source>  --layout L    where to look: freedesktop (default) or macos
  --root R      the file-system root the layout&apos;s system folders are under (default /)
  --home H      the home folder to look in (default: the real user&apos;s home)
</source>
        <translation>  --layout L    где искать: freedesktop (по умолчанию) или macos
  --root R      корень файловой системы, в котором лежат системные папки схемы (по умолчанию /)
  --home H      домашняя папка, в которой искать (по умолчанию — папка реального пользователя)
</translation>
    </message>
</context>
<context>
    <name>ORMainWinController</name>
    <message>
        <source>Open Sweepwright</source>
        <translation>Открыть Sweepwright</translation>
    </message>
    <message>
        <source>Release Memory</source>
        <translation>Освободить память</translation>
    </message>
    <message>
        <source>Preferences…</source>
        <translation>Настройки…</translation>
    </message>
    <message>
        <source>Quit Sweepwright</source>
        <translation>Завершить Sweepwright</translation>
    </message>
    <message>
        <source>Junk Clean</source>
        <translation>Очистка</translation>
    </message>
    <message>
        <source>Archives</source>
        <translation>Архивы</translation>
    </message>
    <message>
        <source>Login Items</source>
        <translation>Автозапуск</translation>
    </message>
    <message>
        <source>Duplicates</source>
        <translation>Дубликаты</translation>
    </message>
    <message>
        <source>Large Files</source>
        <translation>Большие файлы</translation>
    </message>
    <message>
        <source>Uninstaller</source>
        <translation>Удаление программ</translation>
    </message>
    <message>
        <source>Shredder</source>
        <translation>Шредер</translation>
    </message>
    <message>
        <source>Memory</source>
        <translation>Память</translation>
    </message>
    <message>
        <source>Toolbox</source>
        <translation>Инструменты</translation>
    </message>
    <message>
        <source>Extensions</source>
        <translation>Расширения</translation>
    </message>
    <message>
        <source>History</source>
        <translation>История</translation>
    </message>
</context>
<context>
    <name>ORMemViewCter</name>
    <message>
        <source>Memory</source>
        <translation>Память</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>Диск</translation>
    </message>
    <message>
        <source>Used</source>
        <translation>Занято</translation>
    </message>
    <message>
        <source>Available</source>
        <translation>Доступно</translation>
    </message>
    <message>
        <source>Cached</source>
        <translation>Кэш</translation>
    </message>
    <message>
        <source>Buffers</source>
        <translation>Буферы</translation>
    </message>
    <message>
        <source>Free</source>
        <translation>Свободно</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Всего</translation>
    </message>
    <message>
        <source>Swap</source>
        <translation>Подкачка</translation>
    </message>
    <message>
        <source>Release Memory asks the kernel to give back the memory it holds as cache. Programs read those files from the disk again when they need them, so the computer does not get faster.</source>
        <translation>«Освободить память» просит ядро вернуть память, занятую под кэш. Программы снова прочитают эти файлы с диска, когда они понадобятся, поэтому быстрее компьютер от этого не станет.</translation>
    </message>
    <message>
        <source>Released Memory</source>
        <translation>Освобождено памяти</translation>
    </message>
    <message>
        <source>%1 of %2 in use</source>
        <translation>используется %1 из %2</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>Unavailable</source>
        <translation>Нет данных</translation>
    </message>
    <message>
        <source>Memory in use</source>
        <translation>Занятая память</translation>
    </message>
    <message>
        <source>Disk space in use</source>
        <translation>Занятое место на диске</translation>
    </message>
    <message>
        <source>&amp;Release Memory</source>
        <translation>&amp;Освободить память</translation>
    </message>
</context>
<context>
    <name>ORNoJunkViewCter</name>
    <message>
        <source>No category was scanned</source>
        <translation>Ни одна категория не просканирована</translation>
    </message>
    <message>
        <source>Choose the kinds of junk to look for in Preferences, under Junk Clean.</source>
        <translation>Выберите, какой мусор искать, в настройках, в разделе «Очистка».</translation>
    </message>
</context>
<context>
    <name>ORPdfCompressViewCter</name>
    <message>
        <source>Page %1 of %2</source>
        <translation>Страница %1 из %2</translation>
    </message>
    <message>
        <source>PDF Compressor</source>
        <translation>Сжатие PDF</translation>
    </message>
    <message>
        <source>Makes a smaller copy of a PDF document; the document itself is left as it is.</source>
        <translation>Создаёт уменьшенную копию документа PDF; сам документ не изменяется.</translation>
    </message>
    <message>
        <source>Drop a PDF document here</source>
        <translation>Перетащите сюда документ PDF</translation>
    </message>
    <message>
        <source>Choose a PDF…</source>
        <translation>Выбрать PDF…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Save…</source>
        <translation>Сохранить…</translation>
    </message>
    <message>
        <source>Mail</source>
        <translation>Отправить по почте</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Страниц</translation>
    </message>
    <message>
        <source>Before</source>
        <translation>До</translation>
    </message>
    <message>
        <source>After</source>
        <translation>После</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>Качество</translation>
    </message>
    <message>
        <source>Smallest file (images at 50 ppi)</source>
        <translation>Наименьший размер (изображения 50 ppi)</translation>
    </message>
    <message>
        <source>Medium (images at 150 ppi)</source>
        <translation>Среднее (изображения 150 ppi)</translation>
    </message>
    <message>
        <source>Best quality (images at 300 ppi)</source>
        <translation>Наилучшее качество (изображения 300 ppi)</translation>
    </message>
    <message>
        <source>Choose a PDF document</source>
        <translation>Выбор документа PDF</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf *.PDF)</source>
        <translation>Документы PDF (*.pdf *.PDF)</translation>
    </message>
    <message>
        <source>“%1” is not a PDF document that can be read.</source>
        <translation>«%1» не является читаемым документом PDF.</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Информация</translation>
    </message>
    <message>
        <source>Please enter the password</source>
        <translation>Введите пароль</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Compressor</source>
        <translation>Сжатие</translation>
    </message>
    <message>
        <source>Already compact: no smaller copy could be made</source>
        <translation>Файл уже компактный: создать копию меньшего размера не удалось</translation>
    </message>
    <message>
        <source>This copy is not password protected</source>
        <translation>Эта копия не защищена паролем</translation>
    </message>
    <message>
        <source>Save the compressed PDF</source>
        <translation>Сохранение сжатого PDF</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>Документы PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>“%1” already exists. Do you want to replace it?</source>
        <translation>«%1» уже существует. Заменить его?</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Заменить</translation>
    </message>
    <message>
        <source>The copy could not be saved as “%1”.</source>
        <translation>Не удалось сохранить копию как «%1».</translation>
    </message>
</context>
<context>
    <name>ORPdfWindowCter</name>
    <message>
        <source>PDF Compressor</source>
        <translation>Сжатие PDF</translation>
    </message>
</context>
<context>
    <name>ORShredViewCter</name>
    <message>
        <source>Shredder</source>
        <translation>Шредер</translation>
    </message>
    <message>
        <source>Files and folders shredded here are removed at once, not moved to the Trash.</source>
        <translation>Файлы и папки, уничтожаемые здесь, удаляются сразу, а не перемещаются в корзину.</translation>
    </message>
    <message>
        <source>To shred</source>
        <translation>К уничтожению</translation>
    </message>
    <message>
        <source>Drop files and folders here</source>
        <translation>Перетащите сюда файлы и папки</translation>
    </message>
    <message>
        <source>Overwrite contents before removing</source>
        <translation>Перезаписывать содержимое перед удалением</translation>
    </message>
    <message>
        <source>On SSDs and copy-on-write file systems, overwriting cannot guarantee that the old data is gone.</source>
        <translation>На SSD и в файловых системах с копированием при записи перезапись не гарантирует, что старые данные исчезнут.</translation>
    </message>
    <message>
        <source>&amp;Shred</source>
        <translation>&amp;Уничтожить</translation>
    </message>
</context>
<context>
    <name>ORToolViewCter</name>
    <message>
        <source>Toolbox</source>
        <translation>Инструменты</translation>
    </message>
    <message>
        <source>Make PDF files smaller, or open the desktop&apos;s own tools for this computer, its disks and its extensions.</source>
        <translation>Уменьшайте файлы PDF или открывайте собственные инструменты рабочей среды для этого компьютера, его дисков и расширений.</translation>
    </message>
    <message>
        <source>PDF Compressor</source>
        <translation>Сжатие PDF</translation>
    </message>
    <message>
        <source>System Information</source>
        <translation>Сведения о системе</translation>
    </message>
    <message>
        <source>Disk Utility</source>
        <translation>Диски</translation>
    </message>
    <message>
        <source>Extensions</source>
        <translation>Расширения</translation>
    </message>
    <message>
        <source>Open the Extensions page</source>
        <translation>Открыть страницу «Расширения»</translation>
    </message>
    <message>
        <source>Not installed</source>
        <translation>Не установлено</translation>
    </message>
    <message>
        <source>The PDF compressor cannot be opened: its plugin is missing or broken.

%1</source>
        <translation>Не удаётся открыть «Сжатие PDF»: его модуль отсутствует или повреждён.

%1</translation>
    </message>
    <message>
        <source>%1 could not be opened.</source>
        <translation>Не удалось открыть %1.</translation>
    </message>
</context>
<context>
    <name>ORUninstDelViewCter</name>
    <message>
        <source>Open Trash</source>
        <translation>Открыть корзину</translation>
    </message>
    <message>
        <source>What went to the Trash can be restored from there</source>
        <translation>То, что попало в корзину, можно оттуда восстановить</translation>
    </message>
</context>
<context>
    <name>ORUninstResultViewCter</name>
    <message>
        <source>Application</source>
        <translation>Приложение</translation>
    </message>
    <message>
        <source>AppImage</source>
        <translation>AppImage</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Домашняя папка</translation>
    </message>
    <message>
        <source>Flatpak</source>
        <translation>Flatpak</translation>
    </message>
    <message>
        <source>Package</source>
        <translation>Пакет</translation>
    </message>
    <message numerus="yes">
        <source>%n item(s)</source>
        <translation>
            <numerusform>%n элемент</numerusform>
            <numerusform>%n элемента</numerusform>
            <numerusform>%n элементов</numerusform>
        </translation>
    </message>
    <message>
        <source>Caches</source>
        <translation>Кэш</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Your data</source>
        <translation>Ваши данные</translation>
    </message>
    <message>
        <source>Removed only with the application: tick the application first</source>
        <translation>Удаляется только вместе с приложением: сначала отметьте приложение</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Поиск</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Размер</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>Sort the applications</source>
        <translation>Сортировка приложений</translation>
    </message>
    <message>
        <source>Last Modified: %1</source>
        <translation>Изменено: %1</translation>
    </message>
    <message>
        <source>Applications</source>
        <translation>Приложения</translation>
    </message>
    <message>
        <source>Search the applications</source>
        <translation>Поиск приложений</translation>
    </message>
</context>
<context>
    <name>ORUninstViewCter</name>
    <message>
        <source>Uninstaller</source>
        <translation>Удаление программ</translation>
    </message>
    <message>
        <source>See every installed application with the caches, settings and data it leaves behind, and remove an application completely or just its leftovers. What you remove goes to the Trash; your own data stays unless you tick it.</source>
        <translation>Просмотрите все установленные приложения вместе с кэшем, настройками и данными, которые они оставляют, и удалите приложение полностью или только его остатки. Всё удалённое попадает в корзину; ваши собственные данные остаются, если вы их не отметите.</translation>
    </message>
    <message>
        <source>See every installed application with the caches, settings and data it keeps, and remove an application together with them. Files of yours go to the Trash; your own data stays unless you tick it.</source>
        <translation>Просмотрите все установленные приложения вместе с их кэшем, настройками и данными и удалите приложение вместе с ними. Принадлежащие вам файлы попадают в корзину; ваши собственные данные остаются, если вы их не отметите.</translation>
    </message>
    <message>
        <source>Scanning the installed applications…</source>
        <translation>Поиск установленных приложений…</translation>
    </message>
    <message>
        <source>Collecting...</source>
        <translation>Сбор данных...</translation>
    </message>
    <message>
        <source>Fewer than two applications were found: there is nothing to uninstall.</source>
        <translation>Найдено меньше двух приложений: удалять нечего.</translation>
    </message>
</context>
<context>
    <name>ORUtility</name>
    <message>
        <source>today</source>
        <translation>сегодня</translation>
    </message>
</context>
<context>
    <name>OlderThanOption</name>
    <message>
        <source>%1 needs a number of days</source>
        <translation>%1: нужно число дней</translation>
    </message>
    <message>
        <source>--older-than takes a whole number of days from 0 to %1, not &quot;%2&quot;</source>
        <translation>--older-than принимает целое число дней от 0 до %1, а не «%2»</translation>
    </message>
    <message>
        <source>  --older-than DAYS      only files last modified more than DAYS days ago (0: all)
</source>
        <translation>  --older-than DAYS      только файлы, последний раз изменённые более DAYS дней назад (0: все)
</translation>
    </message>
    <message>
        <source>  --older-than DAYS  only items older than DAYS days (0: all), in every category, in place
        of the ages set in Preferences &gt; Junk Clean (which apply otherwise, --clean
        included): by the newest modification time inside an item, and in the Trash by
        the date it was deleted; a Trash item without a readable date counts as new
</source>
        <translation>  --older-than DAYS  только элементы старше DAYS дней (0: все), во всех категориях, вместо
        сроков из Настройки &gt; Очистка (которые иначе действуют, и для --clean тоже):
        по самому недавнему изменению внутри элемента, а в корзине — по дате удаления;
        элемент корзины без читаемой даты считается новым
</translation>
    </message>
</context>
<context>
    <name>OutputPlacement</name>
    <message>
        <source>%1 cannot be opened: %2</source>
        <translation>не удаётся открыть %1: %2</translation>
    </message>
    <message>
        <source>%1 is a folder</source>
        <translation>%1 — это папка</translation>
    </message>
    <message>
        <source>%1 already exists</source>
        <translation>%1 уже существует</translation>
    </message>
    <message>
        <source>no file can be made in %1: %2</source>
        <translation>в %1 нельзя создать файл: %2</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>отменено</translation>
    </message>
</context>
<context>
    <name>PackageCommands</name>
    <message>
        <source>%1 could not be run: %2</source>
        <translation>не удалось запустить %1: %2</translation>
    </message>
    <message>
        <source>%1 failed (exit status %2): %3</source>
        <translation>%1 завершился с ошибкой (код выхода %2): %3</translation>
    </message>
    <message>
        <source>%1; left in place</source>
        <translation>%1; оставлен на месте</translation>
    </message>
    <message>
        <source>%1 failed with administrator rights (exit status %2)</source>
        <translation>%1 с правами администратора завершился с ошибкой (код выхода %2)</translation>
    </message>
    <message>
        <source>flatpak is not installed; left in place</source>
        <translation>flatpak не установлен; оставлен на месте</translation>
    </message>
    <message>
        <source>%1 would not remove it; left in place</source>
        <translation>%1 отказался его удалять; оставлен на месте</translation>
    </message>
    <message>
        <source>removing it would also remove %1; left in place</source>
        <translation>его удаление удалило бы также %1; оставлен на месте</translation>
    </message>
    <message>
        <source>apt-get is not installed; left in place</source>
        <translation>apt-get не установлен; оставлен на месте</translation>
    </message>
</context>
<context>
    <name>PackageKitRemoval</name>
    <message>
        <source>cancelled; left in place</source>
        <translation>отменено; оставлен на месте</translation>
    </message>
    <message>
        <source>PackageKit is not running; left in place</source>
        <translation>PackageKit не запущен; оставлен на месте</translation>
    </message>
    <message>
        <source>PackageKit could not plan the removal: %1; left in place</source>
        <translation>PackageKit не смог подготовить удаление: %1; оставлен на месте</translation>
    </message>
    <message>
        <source>%1; left in place</source>
        <translation>%1; оставлен на месте</translation>
    </message>
    <message>
        <source>PackageKit could not remove it: %1; left in place</source>
        <translation>PackageKit не смог его удалить: %1; оставлен на месте</translation>
    </message>
</context>
<context>
    <name>PageStyle</name>
    <message>
        <source>or</source>
        <translation>или</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Начать</translation>
    </message>
</context>
<context>
    <name>PasswordPanel</name>
    <message>
        <source>Password</source>
        <translation>Пароль</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is protected by a password</source>
        <translation>«%1» защищён паролем</translation>
    </message>
    <message>
        <source>Enter the password to extract its files.</source>
        <translation>Введите пароль, чтобы извлечь файлы.</translation>
    </message>
    <message>
        <source>Trying the password…</source>
        <translation>Проверка пароля…</translation>
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
        <translation>Использование: sweepwright-cli pdf FILE [--quality 0|1|2] [-o OUT] [--password-stdin] [--json]
Создаёт уменьшенную копию документа PDF: разрешение изображений снижается до 50 ppi
(качество 0, по умолчанию), 150 ppi (1) или 300 ppi (2). Если уменьшенную копию создать
не удаётся, копией становится сам документ. Для документа, защищённого паролем, создаётся
копия без защиты.

  --quality N        0, 1 или 2
  -o OUT             поместить копию в OUT (имя файла или папка, в которую её положить),
                     а не оставлять её во временной папке сжатия PDF
  --yes              заменить OUT без вопроса, если он существует
  --dry-run          показать, что будет сделано, ничего не создавая
  --password-stdin   прочитать пароль из первой строки стандартного ввода
                     (иначе при необходимости он запрашивается в терминале)
  --json             вывести результат в формате JSON
  --help             показать эту справку
  -V, --version      показать версию
</translation>
    </message>
    <message>
        <source>%1 needs 0, 1 or 2</source>
        <translation>для %1 нужно значение 0, 1 или 2</translation>
    </message>
    <message>
        <source>%1 needs a file or a folder</source>
        <translation>для %1 нужен файл или папка</translation>
    </message>
    <message>
        <source>--quality takes 0, 1 or 2</source>
        <translation>--quality принимает 0, 1 или 2</translation>
    </message>
    <message>
        <source>%1: not a PDF document that can be read</source>
        <translation>%1: не является читаемым документом PDF</translation>
    </message>
    <message>
        <source>Password for %1: </source>
        <translation>Пароль для %1: </translation>
    </message>
    <message>
        <source>%1 needs a password: give it with --password-stdin</source>
        <translation>для %1 нужен пароль: передайте его через --password-stdin</translation>
    </message>
    <message>
        <source>%1: wrong password</source>
        <translation>%1: неверный пароль</translation>
    </message>
    <message>
        <source>Replace %1?</source>
        <translation>Заменить %1?</translation>
    </message>
    <message>
        <source>Compressing</source>
        <translation>Сжатие</translation>
    </message>
    <message>
        <source>the copy stays at %1: %2</source>
        <translation>копия остаётся в %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>Would compress %1 (%n page(s), %2) at quality %3 into %4 (replacing it)</source>
        <translation>
            <numerusform>Будет сжат файл %1 (%n страница, %2) с качеством %3 в %4 (с заменой)</numerusform>
            <numerusform>Будет сжат файл %1 (%n страницы, %2) с качеством %3 в %4 (с заменой)</numerusform>
            <numerusform>Будет сжат файл %1 (%n страниц, %2) с качеством %3 в %4 (с заменой)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Would compress %1 (%n page(s), %2) at quality %3 into %4</source>
        <translation>
            <numerusform>Будет сжат файл %1 (%n страница, %2) с качеством %3 в %4</numerusform>
            <numerusform>Будет сжат файл %1 (%n страницы, %2) с качеством %3 в %4</numerusform>
            <numerusform>Будет сжат файл %1 (%n страниц, %2) с качеством %3 в %4</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %n page(s), %2 -&gt; %3</source>
        <translation>
            <numerusform>%1: %n страница, %2 -&gt; %3</numerusform>
            <numerusform>%1: %n страницы, %2 -&gt; %3</numerusform>
            <numerusform>%1: %n страниц, %2 -&gt; %3</numerusform>
        </translation>
    </message>
    <message>
        <source>Already compact: no smaller copy could be made</source>
        <translation>Файл уже компактный: создать копию меньшего размера не удалось</translation>
    </message>
    <message>
        <source>This copy is not password protected</source>
        <translation>Эта копия не защищена паролем</translation>
    </message>
    <message>
        <source>Written to %1</source>
        <translation>Записано в %1</translation>
    </message>
</context>
<context>
    <name>PdfCompressor</name>
    <message>
        <source>Compression failed: %1</source>
        <translation>Не удалось сжать: %1</translation>
    </message>
    <message>
        <source>Ghostscript left no readable PDF</source>
        <translation>Ghostscript не создал читаемый PDF</translation>
    </message>
    <message>
        <source>the copy has %1 of the %2 pages</source>
        <translation>в копии страниц: %1 из %2</translation>
    </message>
    <message>
        <source>%1 is not a PDF document that can be read</source>
        <translation>%1 не является читаемым документом PDF</translation>
    </message>
    <message>
        <source>the copy could not be written in %1</source>
        <translation>не удалось записать копию в %1</translation>
    </message>
</context>
<context>
    <name>PdfPasswordPanel</name>
    <message>
        <source>Password</source>
        <translation>Пароль</translation>
    </message>
    <message>
        <source>Enter the document&apos;s password:</source>
        <translation>Введите пароль документа:</translation>
    </message>
    <message>
        <source>Wrong password</source>
        <translation>Неверный пароль</translation>
    </message>
</context>
<context>
    <name>PdfWorkFolder</name>
    <message>
        <source>%1 is not a private folder of yours</source>
        <translation>%1 не является вашей личной папкой</translation>
    </message>
    <message>
        <source>%1 cannot be locked</source>
        <translation>не удаётся заблокировать %1</translation>
    </message>
    <message>
        <source>no folder can be made in %1</source>
        <translation>в %1 нельзя создать папку</translation>
    </message>
</context>
<context>
    <name>ProgressLine</name>
    <message numerus="yes">
        <source>%Ln item(s)</source>
        <translation>
            <numerusform>%Ln элемент</numerusform>
            <numerusform>%Ln элемента</numerusform>
            <numerusform>%Ln элементов</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RefusedPlaces</name>
    <message>
        <source>where it lies could not be checked</source>
        <translation>не удалось проверить, где он находится</translation>
    </message>
    <message>
        <source>it is the home folder or holds it (%1)</source>
        <translation>является домашней папкой или содержит её (%1)</translation>
    </message>
    <message>
        <source>it holds the root folder %1</source>
        <translation>содержит корневую папку %1</translation>
    </message>
    <message>
        <source>it is the root folder</source>
        <translation>является корневой папкой</translation>
    </message>
    <message>
        <source>it is a protected system folder</source>
        <translation>является защищённой системной папкой</translation>
    </message>
    <message>
        <source>it lies in the protected system folder %1</source>
        <translation>находится в защищённой системной папке %1</translation>
    </message>
    <message>
        <source>it is or lies in your folder %1</source>
        <translation>является вашей папкой %1 или находится в ней</translation>
    </message>
    <message>
        <source>it holds %1, which is on your Never touch list</source>
        <translation>содержит %1, который есть в вашем списке «Не трогать»</translation>
    </message>
    <message>
        <source>it is on your Never touch list</source>
        <translation>он есть в вашем списке «Не трогать»</translation>
    </message>
    <message>
        <source>it lies in %1, which is on your Never touch list</source>
        <translation>находится в %1, который есть в вашем списке «Не трогать»</translation>
    </message>
</context>
<context>
    <name>RemovalRun</name>
    <message>
        <source>a link lies on its way: it changed since the scan</source>
        <translation>на пути к нему есть ссылка: путь изменился после сканирования</translation>
    </message>
    <message>
        <source>it lies on another file system mounted below its folder</source>
        <translation>находится в другой файловой системе, смонтированной внутри его папки</translation>
    </message>
    <message>
        <source>more entries could not be removed</source>
        <translation>не удалось удалить и другие записи</translation>
    </message>
    <message>
        <source>not inside %1</source>
        <translation>находится не внутри %1</translation>
    </message>
    <message>
        <source>another file system is mounted here; left alone</source>
        <translation>здесь смонтирована другая файловая система; пропущено</translation>
    </message>
    <message>
        <source>it changed since the scan</source>
        <translation>изменился после сканирования</translation>
    </message>
    <message>
        <source>its folder %1 is missing or was left alone</source>
        <translation>его папка %1 отсутствует или была пропущена</translation>
    </message>
    <message>
        <source>a top folder is never removed whole</source>
        <translation>папка верхнего уровня никогда не удаляется целиком</translation>
    </message>
    <message>
        <source>its folder %1 is missing or cannot be opened</source>
        <translation>его папка %1 отсутствует или не открывается</translation>
    </message>
    <message>
        <source>its folder now leads to %1: a link on its way changed since it was chosen</source>
        <translation>его папка теперь ведёт в %1: ссылка на пути изменилась после выбора</translation>
    </message>
    <message>
        <source>not a plain path below %1</source>
        <translation>не является обычным путём внутри %1</translation>
    </message>
    <message>
        <source>it is no longer the item that was listed</source>
        <translation>это уже не тот элемент, что был в списке</translation>
    </message>
    <message>
        <source>a top folder is never moved whole</source>
        <translation>папка верхнего уровня никогда не перемещается целиком</translation>
    </message>
</context>
<context>
    <name>STPrivilegedTask</name>
    <message>
        <source>administrator authorisation was cancelled</source>
        <translation>запрос прав администратора отменён</translation>
    </message>
    <message>
        <source>No password prompt could be shown: no authentication agent is running</source>
        <translation>Не удалось показать запрос пароля: не запущен агент аутентификации</translation>
    </message>
    <message>
        <source>No password prompt could be shown: pkexec is not installed</source>
        <translation>Не удалось показать запрос пароля: pkexec не установлен</translation>
    </message>
    <message>
        <source>the password prompt could not be started</source>
        <translation>не удалось запустить запрос пароля</translation>
    </message>
    <message>
        <source>administrator rights were not granted</source>
        <translation>права администратора не предоставлены</translation>
    </message>
</context>
<context>
    <name>ScheduleCommand</name>
    <message>
        <source>every day</source>
        <translation>каждый день</translation>
    </message>
    <message>
        <source>every week</source>
        <translation>каждую неделю</translation>
    </message>
    <message>
        <source>every month</source>
        <translation>каждый месяц</translation>
    </message>
    <message>
        <source>never</source>
        <translation>никогда</translation>
    </message>
    <message>
        <source>Junk is cleaned automatically: %1</source>
        <translation>Мусор очищается автоматически: %1</translation>
    </message>
    <message>
        <source>(but the timer is not enabled)</source>
        <translation>(но таймер не включён)</translation>
    </message>
    <message>
        <source>Categories:</source>
        <translation>Категории:</translation>
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
        <translation>Использование: sweepwright-cli schedule [--daily | --weekly | --monthly | --off] [--json]
Сообщает, очищается ли мусор автоматически, как часто и какие категории, или меняет это.
Расписание — это пользовательские таймер и служба systemd в
$XDG_CONFIG_HOME/systemd/user (sweepwright-clean.timer и .service), включённые через
systemctl --user; служба запускает &quot;sweepwright-cli junk --clean --yes --profile
scheduled&quot; с низким приоритетом, никогда не запрашивает пароль и в конце показывает
уведомление. Категории выбираются в настройках оконной программы.
--off выключает таймер и удаляет оба файла. Завершается с кодом 1, если изменить не
удалось (например, нет пользовательского сеанса systemd).

  --daily        очищать каждый день
  --weekly       очищать каждую неделю
  --monthly      очищать каждый месяц
  --off          больше не очищать
  --json         вывести один объект JSON вместо текста
  --help         показать эту справку
  -V, --version  показать версию
</translation>
    </message>
    <message>
        <source>choose one of %1</source>
        <translation>выберите что-то одно из %1</translation>
    </message>
</context>
<context>
    <name>SchedulePrefViewController</name>
    <message>
        <source>Never</source>
        <translation>Никогда</translation>
    </message>
    <message>
        <source>Every day</source>
        <translation>Каждый день</translation>
    </message>
    <message>
        <source>Every week</source>
        <translation>Каждую неделю</translation>
    </message>
    <message>
        <source>Every month</source>
        <translation>Каждый месяц</translation>
    </message>
    <message>
        <source>Clean &amp;automatically:</source>
        <translation>&amp;Автоматическая очистка:</translation>
    </message>
    <message>
        <source>Clean automatically</source>
        <translation>Автоматическая очистка</translation>
    </message>
    <message>
        <source>The cleaning runs in the background at low priority, even when Sweepwright is not open. It never asks for a password: what needs one is left. A notification tells what was removed.</source>
        <translation>Очистка выполняется в фоне с низким приоритетом, даже когда Sweepwright не открыт. Она никогда не запрашивает пароль: то, что его требует, остаётся. Уведомление сообщает, что было удалено.</translation>
    </message>
    <message>
        <source>Clean these kinds of junk:</source>
        <translation>Очищать такой мусор:</translation>
    </message>
    <message>
        <source>Not available here: %1</source>
        <translation>Здесь недоступно: %1</translation>
    </message>
    <message>
        <source>The schedule could not be changed: %1</source>
        <translation>Не удалось изменить расписание: %1</translation>
    </message>
    <message>
        <source>Schedule</source>
        <translation>Расписание</translation>
    </message>
</context>
<context>
    <name>ScheduledRunNotice</name>
    <message numerus="yes">
        <source>Removed %n item(s), %1.</source>
        <translation>
            <numerusform>Удалён %n элемент, %1.</numerusform>
            <numerusform>Удалено %n элемента, %1.</numerusform>
            <numerusform>Удалено %n элементов, %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing needed removing.</source>
        <translation>Удалять было нечего.</translation>
    </message>
    <message numerus="yes">
        <source>%n item(s) could not be removed.</source>
        <translation>
            <numerusform>%n элемент не удалось удалить.</numerusform>
            <numerusform>%n элемента не удалось удалить.</numerusform>
            <numerusform>%n элементов не удалось удалить.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n item(s) left: they need administrator rights.</source>
        <translation>
            <numerusform>Оставлен %n элемент: нужны права администратора.</numerusform>
            <numerusform>Оставлено %n элемента: нужны права администратора.</numerusform>
            <numerusform>Оставлено %n элементов: нужны права администратора.</numerusform>
        </translation>
    </message>
    <message>
        <source>Junk files cleaned</source>
        <translation>Мусор очищен</translation>
    </message>
</context>
<context>
    <name>SevenZip</name>
    <message>
        <source>link leads outside the destination</source>
        <translation>ссылка ведёт за пределы папки назначения</translation>
    </message>
</context>
<context>
    <name>SevenZipProcess</name>
    <message>
        <source>7zz is not installed</source>
        <translation>7zz не установлен</translation>
    </message>
    <message>
        <source>7zz made no progress for %1 ms</source>
        <translation>7zz не продвигается уже %1 мс</translation>
    </message>
</context>
<context>
    <name>ShredCommand</name>
    <message>
        <source>refused %1: %2</source>
        <translation>отказано в уничтожении %1: %2</translation>
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
        <translation>Использование: sweepwright-cli shred PATH... [--overwrite] [--yes | --dry-run] [--json]
                                     [--layout L] [--root R] [--home H]
Удаляет указанные файлы и папки, каждый целиком, с вашими собственными правами. Если PATH —
«-», пути читаются из стандартного ввода, по одному в строке или через байты NUL
(find -print0); задать вопрос тогда нельзя, поэтому они удаляются только с --yes. Ссылка
удаляется как ссылка; в другой файловой системе, смонтированной внутри папки, ничего не
удаляется. Корневая папка, домашняя папка, папка, которая её содержит, и собственные папки
системы (и то, что в них лежит) никогда не удаляются, под каким бы именем они ни были
указаны: о них сообщается в stderr как об отклонённых, с причиной. Сначала задаётся вопрос
в терминале; без --yes и без терминала ничего не удаляется (код выхода 2).
Ctrl-C прерывает работу после текущей записи (код выхода 130); код выхода 1, если какой-то путь
остался.

  --overwrite    перед удалением один раз перезаписать каждый файл случайными байтами
                 (файлы с единственным именем, доступные вам для записи, и только когда
                 точно известно, что они будут удалены; на SSD и в файловых системах
                 с копированием при записи старые данные всё равно могут сохраниться)
  --yes          удалять без подтверждения
  --dry-run      показать, что будет удалено, ничего не удаляя
  --json         вывести {&quot;shredSize&quot;, &quot;removed&quot;, &quot;failed&quot;} как один объект JSON
  --help         показать эту справку
  -V, --version  показать версию
</translation>
    </message>
    <message>
        <source>no path given</source>
        <translation>не указан путь</translation>
    </message>
    <message>
        <source>Measuring</source>
        <translation>Подсчёт</translation>
    </message>
    <message>
        <source>Shredding</source>
        <translation>Уничтожение</translation>
    </message>
    <message numerus="yes">
        <source>Refused %n path(s) (named on stderr).</source>
        <translation>
            <numerusform>Отклонён %n путь (см. stderr).</numerusform>
            <numerusform>Отклонено %n пути (см. stderr).</numerusform>
            <numerusform>Отклонено %n путей (см. stderr).</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ShredOverwrite</name>
    <message>
        <source>%1; it was kept</source>
        <translation>%1; файл сохранён</translation>
    </message>
    <message>
        <source>%1; it was kept as %2</source>
        <translation>%1; файл сохранён под именем %2</translation>
    </message>
    <message>
        <source>it cannot be removed from its folder (%1); nothing was overwritten</source>
        <translation>его нельзя удалить из папки (%1); ничего не перезаписано</translation>
    </message>
    <message>
        <source>it changed since it was examined</source>
        <translation>изменился после проверки</translation>
    </message>
    <message>
        <source>its contents could not be overwritten (%1)</source>
        <translation>не удалось перезаписать содержимое (%1)</translation>
    </message>
</context>
<context>
    <name>SmartCleanPrefViewController</name>
    <message>
        <source>Look for these kinds of junk:</source>
        <translation>Искать следующие виды мусора:</translation>
    </message>
    <message>
        <source>Junk Clean</source>
        <translation>Очистка</translation>
    </message>
    <message>
        <source>Only items older than</source>
        <translation>Только старше</translation>
    </message>
    <message>
        <source>%1: only items older than a number of days</source>
        <translation>%1: только элементы старше заданного числа дней</translation>
    </message>
</context>
<context>
    <name>StagingFolder</name>
    <message>
        <source>device node, FIFO or socket</source>
        <translation>файл устройства, FIFO или сокет</translation>
    </message>
    <message>
        <source>folder too deep</source>
        <translation>слишком глубокая вложенность папок</translation>
    </message>
    <message>
        <source>link leads outside the destination</source>
        <translation>ссылка ведёт за пределы папки назначения</translation>
    </message>
    <message>
        <source>file linked from outside</source>
        <translation>на файл есть жёсткая ссылка извне</translation>
    </message>
</context>
<context>
    <name>SystemTools</name>
    <message>
        <source>%1 has no program to start.</source>
        <translation>Для «%1» не указана программа для запуска.</translation>
    </message>
    <message>
        <source>%1 could not be started: its program %2 was not found.</source>
        <translation>Не удалось запустить «%1»: программа %2 не найдена.</translation>
    </message>
    <message>
        <source>%1 could not be started: %2</source>
        <translation>Не удалось запустить «%1»: %2</translation>
    </message>
</context>
<context>
    <name>TUEncodingPopUp</name>
    <message>
        <source>Western (ASCII)</source>
        <translation>Западная (ASCII)</translation>
    </message>
    <message>
        <source>Japanese (EUC)</source>
        <translation>Японская (EUC)</translation>
    </message>
    <message>
        <source>Unicode (UTF-8)</source>
        <translation>Юникод (UTF-8)</translation>
    </message>
    <message>
        <source>Western (ISO Latin 1)</source>
        <translation>Западная (ISO Latin 1)</translation>
    </message>
    <message>
        <source>Japanese (Shift JIS)</source>
        <translation>Японская (Shift JIS)</translation>
    </message>
    <message>
        <source>Central European (ISO Latin 2)</source>
        <translation>Центральноевропейская (ISO Latin 2)</translation>
    </message>
    <message>
        <source>Cyrillic (Windows)</source>
        <translation>Кириллица (Windows)</translation>
    </message>
    <message>
        <source>Western (Windows Latin 1)</source>
        <translation>Западная (Windows Latin 1)</translation>
    </message>
    <message>
        <source>Greek (Windows)</source>
        <translation>Греческая (Windows)</translation>
    </message>
    <message>
        <source>Turkish (Windows Latin 5)</source>
        <translation>Турецкая (Windows Latin 5)</translation>
    </message>
    <message>
        <source>Central European (Windows Latin 2)</source>
        <translation>Центральноевропейская (Windows Latin 2)</translation>
    </message>
    <message>
        <source>Japanese (ISO 2022-JP)</source>
        <translation>Японская (ISO 2022-JP)</translation>
    </message>
    <message>
        <source>Western (Mac OS Roman)</source>
        <translation>Западная (Mac OS Roman)</translation>
    </message>
    <message>
        <source>Greek (Mac OS)</source>
        <translation>Греческая (Mac OS)</translation>
    </message>
    <message>
        <source>Cyrillic (Mac OS)</source>
        <translation>Кириллица (Mac OS)</translation>
    </message>
    <message>
        <source>Central European (Mac OS)</source>
        <translation>Центральноевропейская (Mac OS)</translation>
    </message>
    <message>
        <source>Turkish (Mac OS)</source>
        <translation>Турецкая (Mac OS)</translation>
    </message>
    <message>
        <source>Cyrillic (ISO 8859-5)</source>
        <translation>Кириллица (ISO 8859-5)</translation>
    </message>
    <message>
        <source>Arabic (ISO 8859-6)</source>
        <translation>Арабская (ISO 8859-6)</translation>
    </message>
    <message>
        <source>Greek (ISO 8859-7)</source>
        <translation>Греческая (ISO 8859-7)</translation>
    </message>
    <message>
        <source>Hebrew (ISO 8859-8)</source>
        <translation>Иврит (ISO 8859-8)</translation>
    </message>
    <message>
        <source>Turkish (ISO Latin 5)</source>
        <translation>Турецкая (ISO Latin 5)</translation>
    </message>
    <message>
        <source>Nordic (ISO Latin 6)</source>
        <translation>Скандинавская (ISO Latin 6)</translation>
    </message>
    <message>
        <source>Thai (ISO 8859-11)</source>
        <translation>Тайская (ISO 8859-11)</translation>
    </message>
    <message>
        <source>Baltic (ISO Latin 7)</source>
        <translation>Балтийская (ISO Latin 7)</translation>
    </message>
    <message>
        <source>Celtic (ISO Latin 8)</source>
        <translation>Кельтская (ISO Latin 8)</translation>
    </message>
    <message>
        <source>Western (ISO Latin 9)</source>
        <translation>Западная (ISO Latin 9)</translation>
    </message>
    <message>
        <source>Romanian (ISO Latin 10)</source>
        <translation>Румынская (ISO Latin 10)</translation>
    </message>
    <message>
        <source>Latin-US (DOS)</source>
        <translation>Латиница США (DOS)</translation>
    </message>
    <message>
        <source>Greek (DOS)</source>
        <translation>Греческая (DOS)</translation>
    </message>
    <message>
        <source>Baltic (DOS)</source>
        <translation>Балтийская (DOS)</translation>
    </message>
    <message>
        <source>Western (DOS Latin 1)</source>
        <translation>Западная (DOS Latin 1)</translation>
    </message>
    <message>
        <source>Central European (DOS Latin 2)</source>
        <translation>Центральноевропейская (DOS Latin 2)</translation>
    </message>
    <message>
        <source>Cyrillic (DOS)</source>
        <translation>Кириллица (DOS)</translation>
    </message>
    <message>
        <source>Turkish (DOS)</source>
        <translation>Турецкая (DOS)</translation>
    </message>
    <message>
        <source>Portuguese (DOS)</source>
        <translation>Португальская (DOS)</translation>
    </message>
    <message>
        <source>Icelandic (DOS)</source>
        <translation>Исландская (DOS)</translation>
    </message>
    <message>
        <source>Hebrew (DOS)</source>
        <translation>Иврит (DOS)</translation>
    </message>
    <message>
        <source>Canadian French (DOS)</source>
        <translation>Канадская французская (DOS)</translation>
    </message>
    <message>
        <source>Arabic (DOS)</source>
        <translation>Арабская (DOS)</translation>
    </message>
    <message>
        <source>Nordic (DOS)</source>
        <translation>Скандинавская (DOS)</translation>
    </message>
    <message>
        <source>Russian (DOS)</source>
        <translation>Русская (DOS)</translation>
    </message>
    <message>
        <source>Greek (DOS Greek 2)</source>
        <translation>Греческая (DOS Greek 2)</translation>
    </message>
    <message>
        <source>Thai (Windows, DOS)</source>
        <translation>Тайская (Windows, DOS)</translation>
    </message>
    <message>
        <source>Korean (Windows, DOS)</source>
        <translation>Корейская (Windows, DOS)</translation>
    </message>
    <message>
        <source>Hebrew (Windows)</source>
        <translation>Иврит (Windows)</translation>
    </message>
    <message>
        <source>Arabic (Windows)</source>
        <translation>Арабская (Windows)</translation>
    </message>
    <message>
        <source>Baltic (Windows)</source>
        <translation>Балтийская (Windows)</translation>
    </message>
    <message>
        <source>Vietnamese (Windows)</source>
        <translation>Вьетнамская (Windows)</translation>
    </message>
    <message>
        <source>Simplified Chinese (GBK)</source>
        <translation>Китайская упрощённая (GBK)</translation>
    </message>
    <message>
        <source>Simplified Chinese (GB 18030)</source>
        <translation>Китайская упрощённая (GB 18030)</translation>
    </message>
    <message>
        <source>Japanese (ISO 2022-JP-2)</source>
        <translation>Японская (ISO 2022-JP-2)</translation>
    </message>
    <message>
        <source>Japanese (ISO 2022-JP-1)</source>
        <translation>Японская (ISO 2022-JP-1)</translation>
    </message>
    <message>
        <source>Chinese (ISO 2022-CN)</source>
        <translation>Китайская (ISO 2022-CN)</translation>
    </message>
    <message>
        <source>Chinese (ISO 2022-CN-EXT)</source>
        <translation>Китайская (ISO 2022-CN-EXT)</translation>
    </message>
    <message>
        <source>Korean (ISO 2022-KR)</source>
        <translation>Корейская (ISO 2022-KR)</translation>
    </message>
    <message>
        <source>Simplified Chinese (GB 2312)</source>
        <translation>Китайская упрощённая (GB 2312)</translation>
    </message>
    <message>
        <source>Traditional Chinese (EUC)</source>
        <translation>Китайская традиционная (EUC)</translation>
    </message>
    <message>
        <source>Korean (EUC)</source>
        <translation>Корейская (EUC)</translation>
    </message>
    <message>
        <source>Cyrillic (KOI8-R)</source>
        <translation>Кириллица (KOI8-R)</translation>
    </message>
    <message>
        <source>Traditional Chinese (Big 5)</source>
        <translation>Китайская традиционная (Big 5)</translation>
    </message>
    <message>
        <source>Simplified Chinese (HZ GB 2312)</source>
        <translation>Китайская упрощённая (HZ GB 2312)</translation>
    </message>
    <message>
        <source>Traditional Chinese (Big 5 HKSCS)</source>
        <translation>Китайская традиционная (Big 5 HKSCS)</translation>
    </message>
    <message>
        <source>Vietnamese (VISCII)</source>
        <translation>Вьетнамская (VISCII)</translation>
    </message>
    <message>
        <source>Ukrainian (KOI8-U)</source>
        <translation>Украинская (KOI8-U)</translation>
    </message>
    <message>
        <source>Western (EBCDIC Latin 1)</source>
        <translation>Западная (EBCDIC Latin 1)</translation>
    </message>
    <message>
        <source>Unicode (UTF-7)</source>
        <translation>Юникод (UTF-7)</translation>
    </message>
    <message>
        <source>Unicode (UTF-32)</source>
        <translation>Юникод (UTF-32)</translation>
    </message>
    <message>
        <source>Unicode (UTF-16BE)</source>
        <translation>Юникод (UTF-16BE)</translation>
    </message>
    <message>
        <source>Unicode (UTF-16LE)</source>
        <translation>Юникод (UTF-16LE)</translation>
    </message>
    <message>
        <source>Unicode (UTF-32BE)</source>
        <translation>Юникод (UTF-32BE)</translation>
    </message>
    <message>
        <source>Unicode (UTF-32LE)</source>
        <translation>Юникод (UTF-32LE)</translation>
    </message>
    <message>
        <source>Detect automatically</source>
        <translation>Определять автоматически</translation>
    </message>
    <message>
        <source>South European (ISO Latin 3)</source>
        <translation>Южноевропейская (ISO Latin 3)</translation>
    </message>
    <message>
        <source>North European (ISO Latin 4)</source>
        <translation>Североевропейская (ISO Latin 4)</translation>
    </message>
</context>
<context>
    <name>TemporaryBase</name>
    <message>
        <source>TMPDIR (%1) is not an absolute path</source>
        <translation>TMPDIR (%1) не является абсолютным путём</translation>
    </message>
    <message>
        <source>TMPDIR (%1) is not an existing folder</source>
        <translation>TMPDIR (%1) не является существующей папкой</translation>
    </message>
    <message>
        <source>TMPDIR (%1) belongs to another user and is not a shared temporary folder</source>
        <translation>TMPDIR (%1) принадлежит другому пользователю и не является общей временной папкой</translation>
    </message>
</context>
<context>
    <name>TemporaryFolder</name>
    <message>
        <source>no free name</source>
        <translation>нет свободного имени</translation>
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
        <translation>Использование: sweepwright-cli tnef FILE [-C DIR] [параметры]
Записывает вложения и тексты писем из файла winmail.dat (TNEF) в DIR
(по умолчанию — в текущую папку). Если FILE — «-», читается стандартный ввод.
Без параметров, перечисленных ниже, сохраняет каждый текст письма как MailBody.rtf, .html и .txt.

  -C DIR               записывать в DIR (создаётся, если её нет)
  --verbose            выводить по строке на каждый файл и предупреждения
  --debug              выводить все атрибуты и свойства
  --list               ничего не записывать, вывести то, что было бы записано
  --use-paths          сохранять папки из путей Windows (никогда выше DIR)
  --absolute-paths     с --use-paths сохранять начальный разделитель папок (всё равно внутри DIR)
  --overwrite          перезаписывать существующие файлы
  --interactive        спрашивать перед записью каждого файла
  --number-backups     записывать NAME.1, NAME.2 ... вместо того, чтобы пропускать существующий NAME
  --save-body[=PREF]   сохранять тексты писем; PREF — «all» (по умолчанию) или до трёх из r, h, t
                       (RTF, HTML, текст): сохраняется первый имеющийся вид
  --body-name NAME     базовое имя файлов с текстом письма (по умолчанию MailBody)
  --mime               выводить также тип MIME и идентификатор содержимого (Content-ID)
  --ignore-checksum    предупреждать о неверной контрольной сумме, а не останавливаться
  --tolerate-props     отбрасывать повреждённый блок свойств, а не останавливаться
  --tolerate-trailer   молча принимать завершающие символы возврата каретки и перевода строки
  --unix-safe          экранировать в именах также байты не из ASCII и символы оболочки
  --maxsize N          отказывать в любом отдельном выделении памяти больше N байт
  --dry-run            то же, что --list
  --help               показать эту справку
  -V, --version        показать версию
</translation>
    </message>
    <message>
        <source>%1 needs a folder</source>
        <translation>для %1 нужна папка</translation>
    </message>
    <message>
        <source>%1 needs a name</source>
        <translation>для %1 нужно имя</translation>
    </message>
    <message>
        <source>%1 needs a number of bytes</source>
        <translation>для %1 нужно число байт</translation>
    </message>
    <message>
        <source>--save-body takes &quot;all&quot; or up to three of r, h, t</source>
        <translation>--save-body принимает «all» или до трёх из r, h, t</translation>
    </message>
</context>
<context>
    <name>ToolCommand</name>
    <message>
        <source>Scanning</source>
        <translation>Сканирование</translation>
    </message>
    <message>
        <source>Removing</source>
        <translation>Удаление</translation>
    </message>
</context>
<context>
    <name>Trash</name>
    <message>
        <source>no free name in the trash</source>
        <translation>в корзине нет свободного имени</translation>
    </message>
    <message>
        <source>no trash on its file system (%1)</source>
        <translation>в его файловой системе нет корзины (%1)</translation>
    </message>
    <message>
        <source>not an absolute path of an item</source>
        <translation>не абсолютный путь к элементу</translation>
    </message>
</context>
<context>
    <name>TrashRestore</name>
    <message>
        <source>its record in the Trash is missing</source>
        <translation>его запись в Корзине отсутствует</translation>
    </message>
    <message>
        <source>not an item of a Trash</source>
        <translation>это не элемент Корзины</translation>
    </message>
    <message>
        <source>it is no longer in the Trash</source>
        <translation>его больше нет в Корзине</translation>
    </message>
    <message>
        <source>its folder %1 is no longer there</source>
        <translation>его папки %1 больше нет</translation>
    </message>
    <message>
        <source>the Trash&apos;s record names another place: %1</source>
        <translation>запись в Корзине указывает другое место: %1</translation>
    </message>
    <message>
        <source>something of that name is there now</source>
        <translation>там теперь есть объект с таким именем</translation>
    </message>
</context>
<context>
    <name>UserSystemctl</name>
    <message>
        <source>systemctl did not answer in time</source>
        <translation>systemctl не ответил вовремя</translation>
    </message>
    <message>
        <source>systemd is not installed here (no systemctl).</source>
        <translation>systemd здесь не установлен (нет systemctl).</translation>
    </message>
    <message>
        <source>No systemd user session is running (systemctl --user says: %1).</source>
        <translation>Пользовательский сеанс systemd не запущен (systemctl --user сообщает: %1).</translation>
    </message>
    <message>
        <source>nothing</source>
        <translation>ничего</translation>
    </message>
    <message>
        <source>systemctl could not be started</source>
        <translation>не удалось запустить systemctl</translation>
    </message>
    <message>
        <source>%1 failed</source>
        <translation>%1: ошибка</translation>
    </message>
    <message>
        <source>%1 failed: %2</source>
        <translation>%1: ошибка: %2</translation>
    </message>
</context>
<context>
    <name>XADSimpleUnarchiver</name>
    <message>
        <source>Password required</source>
        <translation>Требуется пароль</translation>
    </message>
    <message>
        <source>Wrong password</source>
        <translation>Неверный пароль</translation>
    </message>
    <message>
        <source>Not enough free space</source>
        <translation>Недостаточно свободного места</translation>
    </message>
    <message>
        <source>This archive format is not supported</source>
        <translation>Этот формат архивов не поддерживается</translation>
    </message>
    <message>
        <source>the entry was cut short</source>
        <translation>запись обрывается раньше времени</translation>
    </message>
    <message>
        <source>%1 came out with %2 of its %3 bytes</source>
        <translation>%1 извлечён не полностью: %2 из %3 байт</translation>
    </message>
    <message>
        <source>The extracted items could not be checked</source>
        <translation>Не удалось проверить извлечённые элементы</translation>
    </message>
    <message>
        <source>Cannot create the folder %1</source>
        <translation>Не удаётся создать папку %1</translation>
    </message>
    <message>
        <source>the name leads outside the destination</source>
        <translation>имя ведёт за пределы папки назначения</translation>
    </message>
    <message>
        <source>the name is empty</source>
        <translation>пустое имя</translation>
    </message>
    <message>
        <source>special files (devices, FIFOs, sockets) are not extracted</source>
        <translation>специальные файлы (устройства, FIFO, сокеты) не извлекаются</translation>
    </message>
</context>
<context>
    <name>centered_textfield</name>
    <message>
        <source>Copy</source>
        <translation>Копировать</translation>
    </message>
</context>
<context>
    <name>clirun</name>
    <message>
        <source>Would remove: %1</source>
        <translation>Будет удалено: %1</translation>
    </message>
    <message>
        <source>Removed: %1</source>
        <translation>Удалено: %1</translation>
    </message>
    <message>
        <source>Removed %1 in total.</source>
        <translation>Всего удалено: %1.</translation>
    </message>
    <message numerus="yes">
        <source>Removed %1 in total; %n item(s) could not be removed (%2).</source>
        <translation>
            <numerusform>Всего удалено: %1; не удалось удалить %n элемент (%2).</numerusform>
            <numerusform>Всего удалено: %1; не удалось удалить %n элемента (%2).</numerusform>
            <numerusform>Всего удалено: %1; не удалось удалить %n элементов (%2).</numerusform>
        </translation>
    </message>
    <message>
        <source>Would move to the Trash: %1</source>
        <translation>Будет перемещено в корзину: %1</translation>
    </message>
    <message>
        <source>Moved to the Trash: %1</source>
        <translation>Перемещено в корзину: %1</translation>
    </message>
    <message>
        <source>Moved to the Trash %1 in total.</source>
        <translation>Всего перемещено в корзину: %1.</translation>
    </message>
    <message numerus="yes">
        <source>Moved to the Trash %1 in total; %n item(s) could not be removed (%2).</source>
        <translation>
            <numerusform>Всего перемещено в корзину: %1; не удалось переместить %n элемент (%2).</numerusform>
            <numerusform>Всего перемещено в корзину: %1; не удалось переместить %n элемента (%2).</numerusform>
            <numerusform>Всего перемещено в корзину: %1; не удалось переместить %n элементов (%2).</numerusform>
        </translation>
    </message>
    <message>
        <source>Would shred: %1</source>
        <translation>Будет уничтожено: %1</translation>
    </message>
    <message>
        <source>Shredded: %1</source>
        <translation>Уничтожено: %1</translation>
    </message>
    <message>
        <source>Shredded %1 in total.</source>
        <translation>Всего уничтожено: %1.</translation>
    </message>
    <message numerus="yes">
        <source>Shredded %1 in total; %n item(s) could not be removed (%2).</source>
        <translation>
            <numerusform>Всего уничтожено: %1; не удалось уничтожить %n элемент (%2).</numerusform>
            <numerusform>Всего уничтожено: %1; не удалось уничтожить %n элемента (%2).</numerusform>
            <numerusform>Всего уничтожено: %1; не удалось уничтожить %n элементов (%2).</numerusform>
        </translation>
    </message>
    <message>
        <source>y</source>
        <comment>the short answer yes to a [y/N] question</comment>
        <translation>д</translation>
    </message>
    <message>
        <source>yes</source>
        <comment>the answer to a [y/N] question</comment>
        <translation>да</translation>
    </message>
    <message>
        <source>%1?</source>
        <comment>a removal asked for: &quot;Delete 12 items (3.40 MB)&quot;</comment>
        <translation>%1?</translation>
    </message>
    <message>
        <source>nothing removed: confirm with --yes (or answer on a terminal); --dry-run shows what would go</source>
        <translation>ничего не удалено: подтвердите с помощью --yes (или ответьте в терминале); --dry-run покажет, что будет удалено</translation>
    </message>
    <message>
        <source>%1 [y/N] </source>
        <translation>%1 [y/N] </translation>
    </message>
    <message>
        <source>Could not remove %1: %2</source>
        <translation>Не удалось удалить %1: %2</translation>
    </message>
    <message>
        <source>Nothing was removed (--dry-run).</source>
        <translation>Ничего не удалено (--dry-run).</translation>
    </message>
    <message>
        <source>Would replace with a link: %1</source>
        <translation>Будет заменено ссылкой: %1</translation>
    </message>
    <message>
        <source>Replaced with a link: %1</source>
        <translation>Заменено ссылкой: %1</translation>
    </message>
    <message>
        <source>Freed %1 in total.</source>
        <translation>Всего освобождено %1.</translation>
    </message>
    <message numerus="yes">
        <source>Freed %1 in total; %n copy(s) could not be replaced (%2).</source>
        <translation>
            <numerusform>Всего освобождено %1; %n копию не удалось заменить (%2).</numerusform>
            <numerusform>Всего освобождено %1; %n копии не удалось заменить (%2).</numerusform>
            <numerusform>Всего освобождено %1; %n копий не удалось заменить (%2).</numerusform>
        </translation>
    </message>
    <message>
        <source>Could not replace %1: %2</source>
        <translation>Не удалось заменить %1: %2</translation>
    </message>
</context>
<context>
    <name>sw::AboutDialog</name>
    <message>
        <source>About Sweepwright</source>
        <translation>О программе Sweepwright</translation>
    </message>
    <message>
        <source>Licence: GNU General Public License, version 3 or later (GPL-3.0-or-later)</source>
        <translation>Лицензия: GNU General Public License версии 3 или более поздней (GPL-3.0-or-later)</translation>
    </message>
    <message>
        <source>Libraries in use</source>
        <translation>Используемые библиотеки</translation>
    </message>
    <message>
        <source>Read the README</source>
        <translation>Прочитать README</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Версия %1</translation>
    </message>
    <message>
        <source>Finds what takes room on a Linux desktop and removes what you choose.</source>
        <translation>Находит то, что занимает место на компьютере с Linux, и удаляет то, что вы выберете.</translation>
    </message>
    <message>
        <source>asking…</source>
        <translation>определяется…</translation>
    </message>
    <message>
        <source>%1 version</source>
        <translation>Версия %1</translation>
    </message>
</context>
<context>
    <name>sw::AccessibleControls</name>
    <message>
        <source>Clear</source>
        <translation>Очистить</translation>
    </message>
</context>
<context>
    <name>sw::AgeLimitControl</name>
    <message>
        <source>%1: days</source>
        <translation>%1: дни</translation>
    </message>
    <message numerus="yes">
        <source>day(s)</source>
        <extracomment>After the number of an age limit: &quot;Only files older than [30] days&quot;</extracomment>
        <translation>
            <numerusform>дня</numerusform>
            <numerusform>дней</numerusform>
            <numerusform>дней</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>sw::ArchiveReader</name>
    <message numerus="yes">
        <source>Damaged archive: no progress for %n seconds</source>
        <translation>
            <numerusform>Архив повреждён: чтение не продвигается уже %n секунду</numerusform>
            <numerusform>Архив повреждён: чтение не продвигается уже %n секунды</numerusform>
            <numerusform>Архив повреждён: чтение не продвигается уже %n секунд</numerusform>
        </translation>
    </message>
    <message>
        <source>Damaged archive: the reader ended on it</source>
        <translation>Архив повреждён: программа чтения аварийно завершилась на нём</translation>
    </message>
    <message>
        <source>Damaged archive: the same entry header came twice</source>
        <translation>Архив повреждён: один и тот же заголовок записи встретился дважды</translation>
    </message>
</context>
<context>
    <name>sw::DesktopNotifier</name>
    <message>
        <source>Show</source>
        <translation>Показать</translation>
    </message>
</context>
<context>
    <name>sw::DupItemModel</name>
    <message>
        <source>%1
One copy of every file is always kept.</source>
        <translation>%1
Одна копия каждого файла всегда сохраняется.</translation>
    </message>
    <message>
        <source>%1
In a reference folder: this copy is an original and is never selected.</source>
        <translation>%1
В эталонной папке: эта копия — оригинал, она никогда не выбирается.</translation>
    </message>
    <message>
        <source>Reference</source>
        <extracomment>Beside a copy in a folder of originals; short</extracomment>
        <translation>Эталон</translation>
    </message>
    <message>
        <source>%1
Modified more recently than the scan&apos;s age limit: this copy stays and is never selected.</source>
        <translation>%1
Изменена позже предела возраста сканирования: эта копия остаётся и никогда не выбирается.</translation>
    </message>
</context>
<context>
    <name>sw::DupKeepRule</name>
    <message>
        <source>Best original</source>
        <translation>Лучший оригинал</translation>
    </message>
    <message>
        <source>Oldest</source>
        <translation>Самая старая</translation>
    </message>
    <message>
        <source>Newest</source>
        <translation>Самая новая</translation>
    </message>
    <message>
        <source>Shortest path</source>
        <translation>Самый короткий путь</translation>
    </message>
    <message>
        <source>First found</source>
        <translation>Найденная первой</translation>
    </message>
</context>
<context>
    <name>sw::DupLinkButton</name>
    <message>
        <source>Replace with Links</source>
        <translation>Заменить ссылками</translation>
    </message>
    <message>
        <source>Each selected copy becomes a link to the copy its group keeps</source>
        <translation>Каждая выбранная копия становится ссылкой на копию, которую сохраняет её группа</translation>
    </message>
    <message>
        <source>Replace with Links: each selected copy becomes a link to the copy its group keeps</source>
        <translation>Заменить ссылками: каждая выбранная копия становится ссылкой на копию, которую сохраняет её группа</translation>
    </message>
    <message>
        <source>Kind of link</source>
        <translation>Вид ссылки</translation>
    </message>
    <message>
        <source>Hard Links</source>
        <translation>Жёсткие ссылки</translation>
    </message>
    <message>
        <source>Reflinks</source>
        <translation>Reflink-копии</translation>
    </message>
    <message>
        <source>Symbolic Links</source>
        <translation>Символические ссылки</translation>
    </message>
    <message>
        <source>Hard links: each copy&apos;s name leads to the kept file; copies on another file system stay.</source>
        <translation>Жёсткие ссылки: имя каждой копии ведёт к сохраняемому файлу; копии в другой файловой системе остаются.</translation>
    </message>
    <message>
        <source>Reflinks: each copy stays a file of its own that shares the kept file&apos;s data, where the file system can.</source>
        <translation>Reflink-копии: каждая копия остаётся отдельным файлом, который разделяет данные сохраняемого файла, если файловая система это умеет.</translation>
    </message>
    <message>
        <source>Symbolic links: each copy becomes a link to the kept file&apos;s path.</source>
        <translation>Символические ссылки: каждая копия становится ссылкой на путь сохраняемого файла.</translation>
    </message>
</context>
<context>
    <name>sw::EntryWriter</name>
    <message>
        <source>a folder of its path is a link or a file</source>
        <translation>одна из папок в его пути — ссылка или файл</translation>
    </message>
    <message>
        <source>an item of that name exists</source>
        <translation>элемент с таким именем уже существует</translation>
    </message>
    <message>
        <source>the name is too long</source>
        <translation>слишком длинное имя</translation>
    </message>
    <message>
        <source>Not enough free space</source>
        <translation>Недостаточно свободного места</translation>
    </message>
    <message>
        <source>hard link to an item that was not extracted</source>
        <translation>жёсткая ссылка на элемент, который не был извлечён</translation>
    </message>
    <message>
        <source>link leads outside the destination</source>
        <translation>ссылка ведёт за пределы папки назначения</translation>
    </message>
</context>
<context>
    <name>sw::FileLink</name>
    <message>
        <source>it changed since the scan</source>
        <translation>он изменился после сканирования</translation>
    </message>
    <message>
        <source>it is not below the folder it was found in</source>
        <translation>он не находится в папке, в которой был найден</translation>
    </message>
    <message>
        <source>it belongs to another user</source>
        <translation>он принадлежит другому пользователю</translation>
    </message>
    <message>
        <source>the kept copy is on another file system: a hard link cannot reach it</source>
        <translation>сохраняемая копия находится в другой файловой системе: жёсткая ссылка не может на неё указывать</translation>
    </message>
    <message>
        <source>the file system cannot share data between files (reflink)</source>
        <translation>файловая система не умеет разделять данные между файлами (reflink)</translation>
    </message>
    <message>
        <source>the link is in place, but the old copy stays as %1: %2</source>
        <translation>ссылка создана, но старая копия осталась под именем %1: %2</translation>
    </message>
    <message>
        <source>it is the kept copy itself</source>
        <translation>это и есть сохраняемая копия</translation>
    </message>
    <message>
        <source>the kept copy is on another file system: a reflink cannot reach it</source>
        <translation>сохраняемая копия находится в другой файловой системе: reflink-копия не может на неё указывать</translation>
    </message>
</context>
<context>
    <name>sw::FolderListModel</name>
    <message>
        <source>%1
Reference folder: its copies are the originals and are never selected.</source>
        <translation>%1
Эталонная папка: её копии — оригиналы, они никогда не выбираются.</translation>
    </message>
    <message>
        <source>Reference folder</source>
        <translation>Эталонная папка</translation>
    </message>
</context>
<context>
    <name>sw::FolderListPanel</name>
    <message>
        <source>Folders to scan</source>
        <translation>Папки для сканирования</translation>
    </message>
    <message>
        <source>Drop folders here</source>
        <translation>Перетащите сюда папки</translation>
    </message>
    <message>
        <source>Add Files…</source>
        <translation>Добавить файлы…</translation>
    </message>
    <message>
        <source>Add Folders…</source>
        <translation>Добавить папки…</translation>
    </message>
    <message>
        <source>Add Folder…</source>
        <translation>Добавить папку…</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Добавить</translation>
    </message>
    <message>
        <source>Choose Folders</source>
        <translation>Выбор папок</translation>
    </message>
    <message>
        <source>Choose Files</source>
        <translation>Выбор файлов</translation>
    </message>
</context>
<context>
    <name>sw::FolderScanPage</name>
    <message>
        <source>&amp;Scan</source>
        <translation>&amp;Найти</translation>
    </message>
    <message>
        <source>Only files older than</source>
        <translation>Только файлы старше</translation>
    </message>
    <message>
        <source>Only files older than a number of days</source>
        <translation>Только файлы старше заданного числа дней</translation>
    </message>
    <message>
        <source>Leave out files modified more recently; among duplicates, newer copies stay.</source>
        <translation>Не показывать файлы, изменённые недавно; среди дубликатов более новые копии остаются.</translation>
    </message>
</context>
<context>
    <name>sw::GhostscriptVersion</name>
    <message>
        <source>did not answer</source>
        <translation>не ответил</translation>
    </message>
    <message>
        <source>could not be run</source>
        <translation>не удалось запустить</translation>
    </message>
    <message>
        <source>could not tell its version</source>
        <translation>не сообщил версию</translation>
    </message>
    <message>
        <source>not found</source>
        <translation>не найден</translation>
    </message>
</context>
<context>
    <name>sw::GroupItemModel</name>
    <message>
        <source>Needs administrator rights</source>
        <translation>Нужны права администратора</translation>
    </message>
</context>
<context>
    <name>sw::HistoryPage</name>
    <message>
        <source>History</source>
        <translation>История</translation>
    </message>
    <message>
        <source>What each tool removed, newest first. What went to the Trash can be put back where it was.</source>
        <translation>Что удалил каждый инструмент, начиная с новых. То, что попало в Корзину, можно вернуть на место.</translation>
    </message>
    <message>
        <source>When</source>
        <translation>Когда</translation>
    </message>
    <message>
        <source>Tool</source>
        <translation>Инструмент</translation>
    </message>
    <message>
        <source>What became of it</source>
        <translation>Что с ним стало</translation>
    </message>
    <message>
        <source>Removals</source>
        <translation>Удаления</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Элемент</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Размер</translation>
    </message>
    <message>
        <source>Items of the chosen removal</source>
        <translation>Элементы выбранного удаления</translation>
    </message>
    <message>
        <source>Nothing has been removed yet.</source>
        <translation>Пока ничего не удалено.</translation>
    </message>
    <message>
        <source>&amp;Put Back</source>
        <translation>&amp;Вернуть</translation>
    </message>
    <message>
        <source>Returns what this removal moved to the Trash to where it was</source>
        <translation>Возвращает на место то, что это удаление переместило в Корзину</translation>
    </message>
    <message>
        <source>Nothing of this removal is in the Trash: it cannot be put back.</source>
        <translation>Ничего из этого удаления нет в Корзине: вернуть его нельзя.</translation>
    </message>
    <message numerus="yes">
        <source>%n item(s) put back.</source>
        <translation>
            <numerusform>Возвращён %n элемент.</numerusform>
            <numerusform>Возвращено %n элемента.</numerusform>
            <numerusform>Возвращено %n элементов.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n item(s) could not be put back; the list says why.</source>
        <translation>
            <numerusform>Не удалось вернуть %n элемент; причина указана в списке.</numerusform>
            <numerusform>Не удалось вернуть %n элемента; причина указана в списке.</numerusform>
            <numerusform>Не удалось вернуть %n элементов; причина указана в списке.</numerusform>
        </translation>
    </message>
    <message>
        <source>The history could not be written: %1</source>
        <translation>Не удалось записать журнал: %1</translation>
    </message>
</context>
<context>
    <name>sw::ImagePreview</name>
    <message>
        <source>This image cannot be shown.</source>
        <translation>Не удаётся показать это изображение.</translation>
    </message>
</context>
<context>
    <name>sw::LibraryVersions</name>
    <message>
        <source>%1 (built with)</source>
        <translation>%1 (при сборке)</translation>
    </message>
</context>
<context>
    <name>sw::MediaPreview</name>
    <message>
        <source>This file cannot be played.</source>
        <translation>Не удаётся воспроизвести этот файл.</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Пауза</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Воспроизвести</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Позиция</translation>
    </message>
</context>
<context>
    <name>sw::NothingFoundPage</name>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Назад</translation>
    </message>
</context>
<context>
    <name>sw::PackageKitTransaction</name>
    <message>
        <source>cancelled</source>
        <translation>отменено</translation>
    </message>
    <message>
        <source>PackageKit ended the transaction with exit code %1</source>
        <translation>PackageKit завершил транзакцию с кодом %1</translation>
    </message>
    <message>
        <source>PackageKit gave no transaction</source>
        <translation>PackageKit не создал транзакцию</translation>
    </message>
    <message>
        <source>PackageKit left the bus</source>
        <translation>PackageKit отключился от шины</translation>
    </message>
    <message>
        <source>PackageKit did not take the request</source>
        <translation>PackageKit не принял запрос</translation>
    </message>
    <message>
        <source>PackageKit stopped answering</source>
        <translation>PackageKit перестал отвечать</translation>
    </message>
    <message>
        <source>PackageKit dropped the transaction before it finished</source>
        <translation>PackageKit прервал транзакцию до её завершения</translation>
    </message>
</context>
<context>
    <name>sw::PdfPreview</name>
    <message>
        <source>This PDF document cannot be opened.</source>
        <translation>Не удаётся открыть этот документ PDF.</translation>
    </message>
    <message>
        <source>This PDF document is locked.</source>
        <translation>Этот документ PDF защищён паролем.</translation>
    </message>
    <message>
        <source>This PDF document has no pages.</source>
        <translation>В этом документе PDF нет страниц.</translation>
    </message>
    <message>
        <source>This PDF document cannot be shown.</source>
        <translation>Не удаётся показать этот документ PDF.</translation>
    </message>
    <message numerus="yes">
        <source>Showing the first %1 of %n pages.</source>
        <translation>
            <numerusform>Показаны первые %1 из %n страницы.</numerusform>
            <numerusform>Показаны первые %1 из %n страниц.</numerusform>
            <numerusform>Показаны первые %1 из %n страниц.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>sw::PreviewDialog</name>
    <message>
        <source>Open</source>
        <translation>Открыть</translation>
    </message>
</context>
<context>
    <name>sw::PreviewPane</name>
    <message>
        <source>This file cannot be shown: the viewers plugin is missing or broken.</source>
        <translation>Не удаётся показать этот файл: модуль просмотра отсутствует или повреждён.</translation>
    </message>
</context>
<context>
    <name>sw::RemovalDetailsDialog</name>
    <message>
        <source>Details</source>
        <translation>Подробности</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Элемент</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Результат</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Копировать</translation>
    </message>
</context>
<context>
    <name>sw::RemovalPage</name>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Подробности</translation>
    </message>
    <message>
        <source>Cancelling…</source>
        <translation>Отмена…</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>items done, their size</comment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Stopped: the rest was left as it was</source>
        <translation>Остановлено: остальное оставлено как было</translation>
    </message>
    <message>
        <source>Refused: %1</source>
        <translation>Отклонено: %1</translation>
    </message>
    <message>
        <source>Went with its folder, counted there</source>
        <translation>Обработан вместе со своей папкой и учтён в ней</translation>
    </message>
    <message>
        <source>&amp;Done</source>
        <translation>&amp;Готово</translation>
    </message>
</context>
<context>
    <name>sw::RemovalWording</name>
    <message numerus="yes">
        <source>Delete %Ln item(s) (%1)</source>
        <translation>
            <numerusform>Удалить %Ln элемент (%1)</numerusform>
            <numerusform>Удалить %Ln элемента (%1)</numerusform>
            <numerusform>Удалить %Ln элементов (%1)</numerusform>
        </translation>
    </message>
    <message>
        <source>Deleted items do not go to the Trash.</source>
        <translation>Удалённые элементы не попадают в корзину.</translation>
    </message>
    <message numerus="yes">
        <source>Move %Ln item(s) to the Trash (%1)</source>
        <translation>
            <numerusform>Переместить в корзину %Ln элемент (%1)</numerusform>
            <numerusform>Переместить в корзину %Ln элемента (%1)</numerusform>
            <numerusform>Переместить в корзину %Ln элементов (%1)</numerusform>
        </translation>
    </message>
    <message>
        <source>Items moved to the Trash can be restored from there.</source>
        <translation>Элементы, перемещённые в корзину, можно оттуда восстановить.</translation>
    </message>
    <message numerus="yes">
        <source>Remove %Ln item(s) (%1)</source>
        <translation>
            <numerusform>Удалить %Ln элемент (%1)</numerusform>
            <numerusform>Удалить %Ln элемента (%1)</numerusform>
            <numerusform>Удалить %Ln элементов (%1)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Uninstall %Ln application(s) (%1)</source>
        <translation>
            <numerusform>Удалить %Ln приложение (%1)</numerusform>
            <numerusform>Удалить %Ln приложения (%1)</numerusform>
            <numerusform>Удалить %Ln приложений (%1)</numerusform>
        </translation>
    </message>
    <message>
        <source>Their files are deleted, not moved to the Trash.</source>
        <translation>Их файлы удаляются, а не перемещаются в корзину.</translation>
    </message>
    <message>
        <source>Packages are removed by the package manager; files of yours go to the Trash, where you can restore them.</source>
        <translation>Пакеты удаляет менеджер пакетов; принадлежащие вам файлы попадают в корзину, откуда их можно восстановить.</translation>
    </message>
    <message numerus="yes">
        <source>Shred %Ln item(s) (%1)</source>
        <translation>
            <numerusform>Уничтожить %Ln элемент (%1)</numerusform>
            <numerusform>Уничтожить %Ln элемента (%1)</numerusform>
            <numerusform>Уничтожить %Ln элементов (%1)</numerusform>
        </translation>
    </message>
    <message>
        <source>Shredded items are removed at once and cannot be restored.</source>
        <translation>Уничтоженные элементы удаляются сразу, и восстановить их нельзя.</translation>
    </message>
    <message>
        <source>Deleting</source>
        <translation>Удаление</translation>
    </message>
    <message numerus="yes">
        <source>%Ln item(s) deleted</source>
        <translation>
            <numerusform>Удалён %Ln элемент</numerusform>
            <numerusform>Удалено %Ln элемента</numerusform>
            <numerusform>Удалено %Ln элементов</numerusform>
        </translation>
    </message>
    <message>
        <source>Some items could not be deleted</source>
        <translation>Некоторые элементы не удалось удалить</translation>
    </message>
    <message>
        <source>Nothing was deleted</source>
        <translation>Ничего не удалено</translation>
    </message>
    <message numerus="yes">
        <source>%Ln item(s) could not be deleted (%1)</source>
        <translation>
            <numerusform>Не удалось удалить %Ln элемент (%1)</numerusform>
            <numerusform>Не удалось удалить %Ln элемента (%1)</numerusform>
            <numerusform>Не удалось удалить %Ln элементов (%1)</numerusform>
        </translation>
    </message>
    <message>
        <source>Deleted (%1)</source>
        <translation>Удалено (%1)</translation>
    </message>
    <message>
        <source>Moving to the Trash</source>
        <translation>Перемещение в корзину</translation>
    </message>
    <message numerus="yes">
        <source>%Ln item(s) moved to the Trash</source>
        <translation>
            <numerusform>В корзину перемещён %Ln элемент</numerusform>
            <numerusform>В корзину перемещено %Ln элемента</numerusform>
            <numerusform>В корзину перемещено %Ln элементов</numerusform>
        </translation>
    </message>
    <message>
        <source>Some items could not be moved to the Trash</source>
        <translation>Некоторые элементы не удалось переместить в корзину</translation>
    </message>
    <message>
        <source>Nothing was moved to the Trash</source>
        <translation>Ничего не перемещено в корзину</translation>
    </message>
    <message numerus="yes">
        <source>%Ln item(s) could not be moved to the Trash (%1)</source>
        <translation>
            <numerusform>Не удалось переместить в корзину %Ln элемент (%1)</numerusform>
            <numerusform>Не удалось переместить в корзину %Ln элемента (%1)</numerusform>
            <numerusform>Не удалось переместить в корзину %Ln элементов (%1)</numerusform>
        </translation>
    </message>
    <message>
        <source>Moved to the Trash (%1)</source>
        <translation>Перемещено в корзину (%1)</translation>
    </message>
    <message>
        <source>Removing</source>
        <translation>Удаление</translation>
    </message>
    <message numerus="yes">
        <source>%Ln item(s) removed</source>
        <translation>
            <numerusform>Удалён %Ln элемент</numerusform>
            <numerusform>Удалено %Ln элемента</numerusform>
            <numerusform>Удалено %Ln элементов</numerusform>
        </translation>
    </message>
    <message>
        <source>Some items could not be removed</source>
        <translation>Некоторые элементы не удалось удалить</translation>
    </message>
    <message>
        <source>Nothing was removed</source>
        <translation>Ничего не удалено</translation>
    </message>
    <message numerus="yes">
        <source>%Ln item(s) could not be removed (%1)</source>
        <translation>
            <numerusform>Не удалось удалить %Ln элемент (%1)</numerusform>
            <numerusform>Не удалось удалить %Ln элемента (%1)</numerusform>
            <numerusform>Не удалось удалить %Ln элементов (%1)</numerusform>
        </translation>
    </message>
    <message>
        <source>Removed (%1)</source>
        <translation>Удалено (%1)</translation>
    </message>
    <message>
        <source>Shredding</source>
        <translation>Уничтожение</translation>
    </message>
    <message numerus="yes">
        <source>%Ln item(s) shredded</source>
        <translation>
            <numerusform>Уничтожен %Ln элемент</numerusform>
            <numerusform>Уничтожено %Ln элемента</numerusform>
            <numerusform>Уничтожено %Ln элементов</numerusform>
        </translation>
    </message>
    <message>
        <source>Some items could not be shredded</source>
        <translation>Некоторые элементы не удалось уничтожить</translation>
    </message>
    <message>
        <source>Nothing was shredded</source>
        <translation>Ничего не уничтожено</translation>
    </message>
    <message numerus="yes">
        <source>%Ln item(s) could not be shredded (%1)</source>
        <translation>
            <numerusform>Не удалось уничтожить %Ln элемент (%1)</numerusform>
            <numerusform>Не удалось уничтожить %Ln элемента (%1)</numerusform>
            <numerusform>Не удалось уничтожить %Ln элементов (%1)</numerusform>
        </translation>
    </message>
    <message>
        <source>Shredded (%1)</source>
        <translation>Уничтожено (%1)</translation>
    </message>
    <message>
        <source>Delete junk files?</source>
        <translation>Удалить ненужные файлы?</translation>
    </message>
    <message>
        <source>Move junk files to the Trash?</source>
        <translation>Переместить ненужные файлы в корзину?</translation>
    </message>
    <message>
        <source>Junk files deleted</source>
        <translation>Ненужные файлы удалены</translation>
    </message>
    <message>
        <source>Junk files moved to the Trash</source>
        <translation>Ненужные файлы перемещены в корзину</translation>
    </message>
    <message>
        <source>Delete large files?</source>
        <translation>Удалить большие файлы?</translation>
    </message>
    <message>
        <source>Move large files to the Trash?</source>
        <translation>Переместить большие файлы в корзину?</translation>
    </message>
    <message>
        <source>Large files deleted</source>
        <translation>Большие файлы удалены</translation>
    </message>
    <message>
        <source>Large files moved to the Trash</source>
        <translation>Большие файлы перемещены в корзину</translation>
    </message>
    <message>
        <source>Delete duplicates?</source>
        <translation>Удалить дубликаты?</translation>
    </message>
    <message>
        <source>Move duplicates to the Trash?</source>
        <translation>Переместить дубликаты в корзину?</translation>
    </message>
    <message>
        <source>Duplicates deleted</source>
        <translation>Дубликаты удалены</translation>
    </message>
    <message>
        <source>Duplicates moved to the Trash</source>
        <translation>Дубликаты перемещены в корзину</translation>
    </message>
    <message numerus="yes">
        <source>Uninstall %Ln application(s)?</source>
        <translation>
            <numerusform>Удалить %Ln приложение?</numerusform>
            <numerusform>Удалить %Ln приложения?</numerusform>
            <numerusform>Удалить %Ln приложений?</numerusform>
        </translation>
    </message>
    <message>
        <source>Applications uninstalled</source>
        <translation>Приложения удалены</translation>
    </message>
    <message numerus="yes">
        <source>Remove %Ln extension(s)?</source>
        <translation>
            <numerusform>Удалить %Ln расширение?</numerusform>
            <numerusform>Удалить %Ln расширения?</numerusform>
            <numerusform>Удалить %Ln расширений?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Move %Ln extension(s) to the Trash?</source>
        <translation>
            <numerusform>Переместить в корзину %Ln расширение?</numerusform>
            <numerusform>Переместить в корзину %Ln расширения?</numerusform>
            <numerusform>Переместить в корзину %Ln расширений?</numerusform>
        </translation>
    </message>
    <message>
        <source>Extensions removed</source>
        <translation>Расширения удалены</translation>
    </message>
    <message>
        <source>Extensions moved to the Trash</source>
        <translation>Расширения перемещены в корзину</translation>
    </message>
    <message numerus="yes">
        <source>Shred %Ln item(s)?</source>
        <translation>
            <numerusform>Уничтожить %Ln элемент?</numerusform>
            <numerusform>Уничтожить %Ln элемента?</numerusform>
            <numerusform>Уничтожить %Ln элементов?</numerusform>
        </translation>
    </message>
    <message>
        <source>Items shredded</source>
        <translation>Элементы уничтожены</translation>
    </message>
    <message numerus="yes">
        <source>%Ln item(s) were refused</source>
        <translation>
            <numerusform>Отклонён %Ln элемент</numerusform>
            <numerusform>Отклонено %Ln элемента</numerusform>
            <numerusform>Отклонено %Ln элементов</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Удалить</translation>
    </message>
    <message>
        <source>&amp;Move to the Trash</source>
        <translation>В &amp;корзину</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Удалить</translation>
    </message>
    <message>
        <source>&amp;Uninstall</source>
        <translation>&amp;Удалить программу</translation>
    </message>
    <message>
        <source>&amp;Shred</source>
        <translation>&amp;Уничтожить</translation>
    </message>
    <message>
        <source>Replace with &amp;Links</source>
        <translation>Заменить &amp;ссылками</translation>
    </message>
    <message numerus="yes">
        <source>Replace %Ln copy(s) with links (%1)</source>
        <translation>
            <numerusform>Заменить %Ln копию ссылкой (%1)</numerusform>
            <numerusform>Заменить %Ln копии ссылками (%1)</numerusform>
            <numerusform>Заменить %Ln копий ссылками (%1)</numerusform>
        </translation>
    </message>
    <message>
        <source>Each copy is compared again and becomes a link to the copy kept, which stays as it is.</source>
        <translation>Каждая копия ещё раз сравнивается и становится ссылкой на сохраняемую копию, которая остаётся без изменений.</translation>
    </message>
    <message>
        <source>Replacing with links</source>
        <translation>Замена ссылками</translation>
    </message>
    <message numerus="yes">
        <source>%Ln copy(s) replaced with links</source>
        <translation>
            <numerusform>%Ln копия заменена ссылкой</numerusform>
            <numerusform>%Ln копии заменены ссылками</numerusform>
            <numerusform>%Ln копий заменено ссылками</numerusform>
        </translation>
    </message>
    <message>
        <source>Some copies could not be replaced</source>
        <translation>Некоторые копии не удалось заменить</translation>
    </message>
    <message>
        <source>No copy was replaced</source>
        <translation>Ни одна копия не заменена</translation>
    </message>
    <message numerus="yes">
        <source>%Ln copy(s) could not be replaced (%1)</source>
        <translation>
            <numerusform>%Ln копию не удалось заменить (%1)</numerusform>
            <numerusform>%Ln копии не удалось заменить (%1)</numerusform>
            <numerusform>%Ln копий не удалось заменить (%1)</numerusform>
        </translation>
    </message>
    <message>
        <source>Replaced with a link (%1 freed)</source>
        <translation>Заменено ссылкой (освобождено %1)</translation>
    </message>
    <message>
        <source>Replace duplicates with links?</source>
        <translation>Заменить дубликаты ссылками?</translation>
    </message>
    <message>
        <source>Duplicates replaced with links</source>
        <translation>Дубликаты заменены ссылками</translation>
    </message>
    <message>
        <source>Delete empty and broken items?</source>
        <translation>Удалить пустые и битые элементы?</translation>
    </message>
    <message>
        <source>Move empty and broken items to the Trash?</source>
        <translation>Переместить пустые и битые элементы в корзину?</translation>
    </message>
    <message>
        <source>Empty and broken items deleted</source>
        <translation>Пустые и битые элементы удалены</translation>
    </message>
    <message>
        <source>Empty and broken items moved to the Trash</source>
        <translation>Пустые и битые элементы перемещены в корзину</translation>
    </message>
</context>
<context>
    <name>sw::ResultBottomBar</name>
    <message>
        <source>Deselect</source>
        <translation>Снять отметку</translation>
    </message>
    <message>
        <source>Selected:</source>
        <translation>Отмечено:</translation>
    </message>
    <message>
        <source>Total:</source>
        <translation>Всего:</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Отметить</translation>
    </message>
    <message>
        <source>Start &amp;Over</source>
        <translation>&amp;Начать заново</translation>
    </message>
</context>
<context>
    <name>sw::ResultItemList</name>
    <message>
        <source>Search</source>
        <translation>Поиск</translation>
    </message>
    <message>
        <source>Sort by Size</source>
        <translation>По размеру</translation>
    </message>
    <message>
        <source>Sort by Name</source>
        <translation>По имени</translation>
    </message>
    <message>
        <source>Search the items</source>
        <translation>Поиск элементов</translation>
    </message>
    <message>
        <source>Sort the items</source>
        <translation>Сортировка элементов</translation>
    </message>
    <message>
        <source>Items</source>
        <translation>Элементы</translation>
    </message>
    <message>
        <source>Item menu</source>
        <translation>Меню элемента</translation>
    </message>
    <message>
        <source>Never Touch This</source>
        <translation>Никогда не трогать</translation>
    </message>
</context>
<context>
    <name>sw::ScanPage</name>
    <message>
        <source>%1 found %2</source>
        <comment>tool, size found</comment>
        <translation>%1: найдено %2</translation>
    </message>
    <message>
        <source>Review the result and choose what to remove.</source>
        <translation>Просмотрите результат и выберите, что удалить.</translation>
    </message>
    <message>
        <source>%1 found nothing</source>
        <comment>tool</comment>
        <translation>%1: ничего не найдено</translation>
    </message>
</context>
<context>
    <name>sw::ScanProgressPanel</name>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Scanning…</source>
        <translation>Сканирование…</translation>
    </message>
    <message>
        <source>Nothing is removed until you confirm.</source>
        <translation>Ничего не будет удалено без вашего подтверждения.</translation>
    </message>
    <message>
        <source>Scanning</source>
        <translation>Сканирование</translation>
    </message>
    <message numerus="yes">
        <source>%Ln item(s) looked at</source>
        <translation>
            <numerusform>Просмотрен %Ln элемент</numerusform>
            <numerusform>Просмотрено %Ln элемента</numerusform>
            <numerusform>Просмотрено %Ln элементов</numerusform>
        </translation>
    </message>
    <message>
        <source>Cancelling…</source>
        <translation>Отмена…</translation>
    </message>
    <message>
        <source>Found %1</source>
        <translation>Найдено %1</translation>
    </message>
</context>
<context>
    <name>sw::TextPreview</name>
    <message>
        <source>Only the beginning of this file is shown.</source>
        <translation>Показано только начало этого файла.</translation>
    </message>
</context>
<context>
    <name>sw::ViewerFactory</name>
    <message>
        <source>%1 was not found in %2.</source>
        <translation>%1 не найден в %2.</translation>
    </message>
</context>
</TS>
