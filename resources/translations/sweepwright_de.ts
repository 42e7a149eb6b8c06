<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>AddLoginItemDialog</name>
    <message>
        <source>Add an Application</source>
        <translation>Anwendung hinzufügen</translation>
    </message>
    <message>
        <source>Start an application when you log in</source>
        <translation>Eine Anwendung beim Anmelden starten</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
</context>
<context>
    <name>AdminPass</name>
    <message>
        <source>the administrator removal did not understand the request; left in place</source>
        <translation>das Entfernen mit Administratorrechten hat die Anfrage nicht verstanden; nicht entfernt</translation>
    </message>
    <message>
        <source>lies outside the places the administrator removal covers; left in place</source>
        <translation>liegt außerhalb der Orte, die das Entfernen mit Administratorrechten abdeckt; nicht entfernt</translation>
    </message>
    <message>
        <source>its folder changed while the password was asked for; left in place</source>
        <translation>sein Ordner hat sich während der Passwortabfrage geändert; nicht entfernt</translation>
    </message>
    <message>
        <source>is or lies in a protected folder; left in place</source>
        <translation>ist ein geschützter Ordner oder liegt in einem; nicht entfernt</translation>
    </message>
    <message>
        <source>it changed while the password was asked for; left in place</source>
        <translation>es hat sich während der Passwortabfrage geändert; nicht entfernt</translation>
    </message>
    <message>
        <source>cannot be reached without following a link or entering another file system; left in place</source>
        <translation>ist nur über eine Verknüpfung oder ein anderes Dateisystem erreichbar; nicht entfernt</translation>
    </message>
    <message>
        <source>cannot be reached below its folder; left in place</source>
        <translation>ist unterhalb seines Ordners nicht erreichbar; nicht entfernt</translation>
    </message>
    <message>
        <source>the administrator helper sweepwright-privileged is not installed; left in place</source>
        <translation>das Hilfsprogramm sweepwright-privileged für Administratorrechte ist nicht installiert; nicht entfernt</translation>
    </message>
    <message>
        <source>%1; left in place</source>
        <translation>%1; nicht entfernt</translation>
    </message>
    <message>
        <source>the administrator removal gave no answer for it; left in place</source>
        <translation>das Entfernen mit Administratorrechten hat dazu keine Antwort gegeben; nicht entfernt</translation>
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
        <translation>Sweepwright läuft als root. Das ist nie nötig: Starten Sie es als der Benutzer, dessen Dateien bereinigt werden sollen.</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Open a Saved Result</source>
        <translation>Gespeichertes Ergebnis öffnen</translation>
    </message>
    <message>
        <source>%1 was not opened: Duplicates is busy with another result. Start over there, then open it from the folder page.</source>
        <translation>%1 wurde nicht geöffnet: Duplikate zeigt gerade ein anderes Ergebnis. Beginnen Sie dort neu und öffnen Sie die Datei dann auf der Ordnerseite.</translation>
    </message>
</context>
<context>
    <name>AppRemoval</name>
    <message>
        <source>it is still installed</source>
        <translation>sie ist noch installiert</translation>
    </message>
    <message>
        <source>left in place: the application itself was not removed (%1)</source>
        <translation>nicht entfernt: Die Anwendung selbst wurde nicht deinstalliert (%1)</translation>
    </message>
    <message>
        <source>left in place: %1, which also uses it, was not removed (%2)</source>
        <translation>nicht entfernt: %1 verwendet es ebenfalls und wurde nicht deinstalliert (%2)</translation>
    </message>
    <message>
        <source>left in place: the application itself is not being removed</source>
        <translation>nicht entfernt: Die Anwendung selbst wird nicht deinstalliert</translation>
    </message>
    <message>
        <source>left in place: %1, which also uses it, is not being removed</source>
        <translation>nicht entfernt: %1 verwendet es ebenfalls und wird nicht deinstalliert</translation>
    </message>
    <message>
        <source>flatpak left it installed</source>
        <translation>flatpak hat sie nicht deinstalliert</translation>
    </message>
    <message>
        <source>PackageKit left it installed</source>
        <translation>PackageKit hat sie nicht deinstalliert</translation>
    </message>
    <message>
        <source>apt-get left it installed</source>
        <translation>apt-get hat sie nicht deinstalliert</translation>
    </message>
</context>
<context>
    <name>AppsCommand</name>
    <message numerus="yes">
        <source>&quot;%1&quot; names %n applications; give one of their identifiers or paths:</source>
        <translation>
            <numerusform>„%1“ bezeichnet %n Anwendung; geben Sie ihre Kennung oder ihren Pfad an:</numerusform>
            <numerusform>„%1“ bezeichnet %n Anwendungen; geben Sie eine ihrer Kennungen oder einen ihrer Pfade an:</numerusform>
        </translation>
    </message>
    <message>
        <source>found no application &quot;%1&quot;</source>
        <translation>keine Anwendung „%1“ gefunden</translation>
    </message>
    <message numerus="yes">
        <source>Found %n application(s), %1 in total.
</source>
        <translation>
            <numerusform>%n Anwendung gefunden, insgesamt %1.
</numerusform>
            <numerusform>%n Anwendungen gefunden, insgesamt %1.
</numerusform>
        </translation>
    </message>
    <message>
        <source>app</source>
        <comment>an application&apos;s own files</comment>
        <translation>Anwendung</translation>
    </message>
    <message>
        <source>cache</source>
        <comment>an application&apos;s cache</comment>
        <translation>Cache</translation>
    </message>
    <message>
        <source>settings</source>
        <comment>an application&apos;s settings</comment>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>data</source>
        <comment>the user&apos;s data of an application</comment>
        <translation>Daten</translation>
    </message>
    <message>
        <source>bundle</source>
        <comment>an application installed as a bundle</comment>
        <translation>Bundle</translation>
    </message>
    <message>
        <source>appimage</source>
        <comment>an application installed as an AppImage</comment>
        <translation>AppImage</translation>
    </message>
    <message>
        <source>home</source>
        <comment>an application installed in the home folder</comment>
        <translation>persönlich</translation>
    </message>
    <message>
        <source>flatpak</source>
        <comment>an application installed as a Flatpak</comment>
        <translation>Flatpak</translation>
    </message>
    <message>
        <source>package</source>
        <comment>an application installed as a system package</comment>
        <translation>Paket</translation>
    </message>
    <message>
        <source>--with-data goes with --remove</source>
        <translation>--with-data ist nur zusammen mit --remove möglich</translation>
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
        <translation>Aufruf: sweepwright-cli apps [--layout L] [--root R] [--home H] [--json]
                             [--remove APP... [--with-data] [--yes | --dry-run]]
Listet die installierten Anwendungen auf, jede mit ihren eigenen Dateien und dem, was sie im
persönlichen Ordner hinterlassen hat und nur ihr gehört, nach Art (Anwendung, Cache, Einstellungen
und Daten des Benutzers: was in XDG_DATA_HOME, ~/.var/app/ID/data oder einem Punktordner wie
~/.thunderbird liegt), und mit ihren Größen; [x] (&quot;isDel&quot; in JSON) markiert, was das Entfernen der
Anwendung mitnimmt (mit --remove: was dieser Aufruf mitnimmt).
Mit --remove wird die Anwendung APP mit ihren ausgewählten Elementen entfernt: allen außer den Daten
des Benutzers, sofern nicht --with-data angegeben ist. Was dem Benutzer gehört, kommt in den
Papierkorb, wo es wiederhergestellt werden kann. Auf einem Terminal wird zuerst gefragt, mit --yes
geht es ohne Frage; andernfalls wird der Plan ausgegeben und nichts entfernt (Exit-Status 2). APP ist
der Name wie aufgeführt oder, wenn mehrere Anwendungen einen Namen teilen, eine ihrer Kennungen: die
Desktop-Datei-ID, die Flatpak-ID, der Paketname oder ihr Pfad; ein geteilter Name entfernt nichts und
listet die Kandidaten auf (Exit-Status 2). Zuerst wird die Anwendung entfernt (Pakete durch ihren
Paketmanager, Dateien, die nur ein Administrator entfernen darf, nach einer Passwortabfrage); ihre
Überreste erst, wenn sie entfernt ist, sonst bleiben sie und der Bericht nennt den Grund. Strg+C
bricht das Durchsuchen ab oder das Entfernen nach dem aktuellen Element (Exit-Status 130).

  --json         ein JSON-Objekt statt einer Liste ausgeben
  --remove APP   die Anwendung APP und ihre Überreste entfernen (mehrfach angebbar)
  --with-data    mit --remove auch die Daten des Benutzers von APP entfernen
  --yes          ohne Nachfrage entfernen
  --dry-run      anzeigen, was --remove entfernen würde, und nichts entfernen
  --help         diesen Text anzeigen
  -V, --version  die Version anzeigen
</translation>
    </message>
</context>
<context>
    <name>CategoryRoots</name>
    <message>
        <source>it vanished</source>
        <translation>es ist verschwunden</translation>
    </message>
    <message>
        <source>it is a link in %1, a folder others can write</source>
        <translation>es ist eine Verknüpfung in %1, einem für andere beschreibbaren Ordner</translation>
    </message>
    <message>
        <source>it belongs to another user and lies in %1, a folder others can write</source>
        <translation>es gehört einem anderen Benutzer und liegt in %1, einem für andere beschreibbaren Ordner</translation>
    </message>
    <message>
        <source>it belongs to another user and anyone can write it</source>
        <translation>es gehört einem anderen Benutzer und ist für alle beschreibbar</translation>
    </message>
    <message>
        <source>Leaving %1 alone: %2</source>
        <translation>%1 bleibt unberührt: %2</translation>
    </message>
    <message>
        <source>it belongs to another user</source>
        <translation>es gehört einem anderen Benutzer</translation>
    </message>
    <message>
        <source>not an absolute path</source>
        <translation>kein absoluter Pfad</translation>
    </message>
</context>
<context>
    <name>CleanSchedule</name>
    <message>
        <source>The command-line program is not installed beside this one (%1).</source>
        <translation>Das Befehlszeilenprogramm ist nicht neben diesem Programm installiert (%1).</translation>
    </message>
    <message>
        <source>The program&apos;s path cannot be written in a unit file: %1</source>
        <translation>Der Pfad des Programms lässt sich nicht in eine Unit-Datei schreiben: %1</translation>
    </message>
    <message>
        <source>Could not write the timer into %1.</source>
        <translation>Der Timer konnte nicht in %1 geschrieben werden.</translation>
    </message>
    <message>
        <source>Could not remove %1.</source>
        <translation>%1 konnte nicht entfernt werden.</translation>
    </message>
</context>
<context>
    <name>CliCommand</name>
    <message>
        <source>cancelled</source>
        <translation>abgebrochen</translation>
    </message>
    <message>
        <source>could not write the report: %1</source>
        <translation>der Bericht konnte nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>Try &apos;sweepwright-cli %1 --help&apos;.</source>
        <translation>„sweepwright-cli %1 --help“ liefert weitere Informationen.</translation>
    </message>
    <message>
        <source>unexpected argument %1</source>
        <translation>unerwartetes Argument %1</translation>
    </message>
    <message>
        <source>no file given</source>
        <translation>keine Datei angegeben</translation>
    </message>
    <message>
        <source>more than one file given</source>
        <translation>mehr als eine Datei angegeben</translation>
    </message>
    <message>
        <source>running as root is never needed; protected system folders stay untouched.</source>
        <translation>die Ausführung als root ist nie nötig; geschützte Systemordner bleiben unberührt.</translation>
    </message>
</context>
<context>
    <name>CliMain</name>
    <message>
        <source>scan for junk files and list them, or remove them with --clean</source>
        <translation>nach Datenmüll suchen und ihn auflisten oder mit --clean entfernen</translation>
    </message>
    <message>
        <source>list the files of 32 MB and more in folders, or move them to the Trash</source>
        <translation>Dateien ab 32 MB in Ordnern auflisten oder in den Papierkorb verschieben</translation>
    </message>
    <message>
        <source>list duplicate files in folders, or move all copies but one to the Trash</source>
        <translation>Duplikate in Ordnern auflisten oder alle Kopien bis auf eine in den Papierkorb verschieben</translation>
    </message>
    <message>
        <source>list the installed applications and their leftovers, or remove some with --remove</source>
        <translation>installierte Anwendungen und ihre Überreste auflisten oder einige mit --remove entfernen</translation>
    </message>
    <message>
        <source>list the add-ons by category, or remove some with --remove</source>
        <translation>Add-ons nach Kategorie auflisten oder einige mit --remove entfernen</translation>
    </message>
    <message>
        <source>list the applications started at login, or switch one with --on or --off</source>
        <translation>beim Anmelden gestartete Anwendungen auflisten oder eine mit --on oder --off ein- oder ausschalten</translation>
    </message>
    <message>
        <source>show memory and disk use, or release memory with --release</source>
        <translation>Belegung von Arbeitsspeicher und Datenträger anzeigen oder mit --release Speicher freigeben</translation>
    </message>
    <message>
        <source>extract an archive or a winmail.dat file, or list what it holds</source>
        <translation>ein Archiv oder eine winmail.dat-Datei entpacken oder ihren Inhalt auflisten</translation>
    </message>
    <message>
        <source>make a smaller copy of a PDF document</source>
        <translation>eine kleinere Kopie eines PDF-Dokuments erstellen</translation>
    </message>
    <message>
        <source>remove files and folders whole, optionally overwriting their contents first</source>
        <translation>Dateien und Ordner als Ganzes entfernen, auf Wunsch nach Überschreiben ihres Inhalts</translation>
    </message>
    <message>
        <source>write the attachments and message bodies of a winmail.dat file into a folder</source>
        <translation>Anhänge und Nachrichtentexte einer winmail.dat-Datei in einen Ordner schreiben</translation>
    </message>
    <message>
        <source>Usage: sweepwright-cli COMMAND [options]
       sweepwright-cli COMMAND --help
       sweepwright-cli -V | --version

Commands:
</source>
        <translation>Aufruf: sweepwright-cli COMMAND [Optionen]
        sweepwright-cli COMMAND --help
        sweepwright-cli -V | --version

Befehle:
</translation>
    </message>
    <message>
        <source>Layout options (commands that look at the disk):</source>
        <translation>Layout-Optionen (für Befehle, die auf dem Datenträger suchen):</translation>
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
        <translation>Die Variablen SWEEPWRIGHT_LAYOUT, SWEEPWRIGHT_ROOT und SWEEPWRIGHT_HOME legen dasselbe fest; die Optionen
haben Vorrang.

Befehle, die Dateien entfernen oder verschieben, handeln nur mit --yes oder nach einer Frage auf einem
Terminal; sonst geben sie den Plan aus und enden mit Status 2. --dry-run gibt den Plan aus und verändert
nichts. Strg+C bricht ein Durchsuchen ab oder ein Entfernen nach dem aktuellen Element (Exit-Status 130).
„--“ beendet die Optionen: Was folgt, ist ein Pfad, auch wenn es mit „-“ beginnt. Ein FOLDER oder PATH
„-“ (large, dups, shred) liest die Pfade von der Standardeingabe, einen je Zeile oder durch NUL-Bytes
getrennt.
</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;</source>
        <translation>unbekannter Befehl „%1“</translation>
    </message>
    <message>
        <source>Try &apos;sweepwright-cli --help&apos;.</source>
        <translation>„sweepwright-cli --help“ liefert weitere Informationen.</translation>
    </message>
    <message>
        <source>tell or set how often junk is cleaned automatically</source>
        <translation>anzeigen oder festlegen, wie oft Datenmüll automatisch entfernt wird</translation>
    </message>
    <message>
        <source>list what every tool removed, or put back what a run moved to the Trash</source>
        <translation>zeigt, was jedes Werkzeug entfernt hat, oder legt zurück, was ein Lauf in den Papierkorb verschoben hat</translation>
    </message>
</context>
<context>
    <name>CliOptions</name>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 erfordert einen Wert</translation>
    </message>
    <message>
        <source>%1 takes no value</source>
        <translation>%1 erwartet keinen Wert</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>unbekannte Option %1</translation>
    </message>
</context>
<context>
    <name>CliPassword</name>
    <message>
        <source>cannot read the password file %1: %2</source>
        <translation>die Passwortdatei %1 kann nicht gelesen werden: %2</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Show this help and exit.</source>
        <translation>Diese Hilfe anzeigen und beenden.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Die Version anzeigen und beenden.</translation>
    </message>
    <message>
        <source>Where to look: freedesktop or macos.</source>
        <translation>Wo gesucht wird: freedesktop oder macos.</translation>
    </message>
    <message>
        <source>The root the system folders are under.</source>
        <translation>Der Wurzelordner, unter dem die Systemordner liegen.</translation>
    </message>
    <message>
        <source>The home folder to look in.</source>
        <translation>Der persönliche Ordner, in dem gesucht wird.</translation>
    </message>
    <message>
        <source>Sweepwright, the desktop maintenance utility.</source>
        <translation>Sweepwright, das Wartungsprogramm für den Desktop.</translation>
    </message>
    <message>
        <source>Open a duplicate result saved as JSON, checked against the disk first.</source>
        <translation>Ein als JSON gespeichertes Duplikat-Ergebnis öffnen, zuvor mit dem Datenträger abgeglichen.</translation>
    </message>
</context>
<context>
    <name>DupCopyCheck</name>
    <message>
        <source>The copy kept is no longer there</source>
        <translation>Die behaltene Kopie ist nicht mehr vorhanden</translation>
    </message>
    <message>
        <source>Changed since the scan: no longer the same as the copy kept</source>
        <translation>Seit der Suche geändert: nicht mehr gleich der behaltenen Kopie</translation>
    </message>
</context>
<context>
    <name>DupExport</name>
    <message>
        <source>Export the Result</source>
        <translation>Ergebnis exportieren</translation>
    </message>
    <message>
        <source>Table for spreadsheets (*.csv)</source>
        <translation>Tabelle für Tabellenkalkulationen (*.csv)</translation>
    </message>
    <message>
        <source>Saved result to open again (*.json)</source>
        <translation>Gespeichertes Ergebnis zum erneuten Öffnen (*.json)</translation>
    </message>
    <message>
        <source>The result could not be saved: %1</source>
        <translation>Das Ergebnis konnte nicht gespeichert werden: %1</translation>
    </message>
</context>
<context>
    <name>DupKinds</name>
    <message>
        <source>Documents</source>
        <translation>Dokumente</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Bilder</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Musik</translation>
    </message>
    <message>
        <source>Videos</source>
        <translation>Videos</translation>
    </message>
    <message>
        <source>Packages</source>
        <translation>Pakete</translation>
    </message>
    <message>
        <source>Others</source>
        <translation>Andere</translation>
    </message>
</context>
<context>
    <name>DupResultJson</name>
    <message>
        <source>%1: not an absolute path without &quot;.&quot; or &quot;..&quot;</source>
        <translation>%1: kein absoluter Pfad ohne „.“ oder „..“</translation>
    </message>
    <message>
        <source>%1: no size</source>
        <translation>%1: keine Größe</translation>
    </message>
    <message>
        <source>%1: no modification time</source>
        <translation>%1: keine Änderungszeit</translation>
    </message>
    <message>
        <source>The file is too large to be a saved result.</source>
        <translation>Die Datei ist zu groß für ein gespeichertes Ergebnis.</translation>
    </message>
    <message>
        <source>The file is not valid JSON (%1 at byte %2).</source>
        <translation>Die Datei ist kein gültiges JSON (%1 bei Byte %2).</translation>
    </message>
    <message>
        <source>The file holds no list of duplicates.</source>
        <translation>Die Datei enthält keine Liste von Duplikaten.</translation>
    </message>
</context>
<context>
    <name>DupSavedResult</name>
    <message>
        <source>%1: no longer a regular file</source>
        <translation>%1: keine reguläre Datei mehr</translation>
    </message>
    <message>
        <source>%1: its size changed</source>
        <translation>%1: Größe hat sich geändert</translation>
    </message>
    <message>
        <source>%1: it was modified</source>
        <translation>%1: wurde geändert</translation>
    </message>
    <message>
        <source>%1: reached through a symbolic link</source>
        <translation>%1: über eine symbolische Verknüpfung erreicht</translation>
    </message>
    <message>
        <source>%1: not yours to move</source>
        <translation>%1: darf von Ihnen nicht verschoben werden</translation>
    </message>
    <message>
        <source>“%1” cannot be read.</source>
        <translation>„%1“ kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>%1: no longer there</source>
        <translation>%1: nicht mehr vorhanden</translation>
    </message>
    <message>
        <source>%1: not the size of its set</source>
        <translation>%1: nicht die Größe seiner Gruppe</translation>
    </message>
    <message>
        <source>%1: its contents differ from the other copies</source>
        <translation>%1: Inhalt weicht von den anderen Kopien ab</translation>
    </message>
</context>
<context>
    <name>DupsCommand</name>
    <message numerus="yes">
        <source>%1  %n copies of %2
</source>
        <translation>
            <numerusform>%1  %n Kopie zu %2
</numerusform>
            <numerusform>%1  %n Kopien zu je %2
</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Found %n set(s) of duplicates, %1 in all copies.
</source>
        <translation>
            <numerusform>%n Gruppe von Duplikaten gefunden, %1 in allen Kopien.
</numerusform>
            <numerusform>%n Gruppen von Duplikaten gefunden, %1 in allen Kopien.
</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 needs a rule: %2</source>
        <translation>%1 erfordert eine Regel: %2</translation>
    </message>
    <message>
        <source>--keep takes %1, not &quot;%2&quot;</source>
        <translation>--keep erwartet %1, nicht „%2“</translation>
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
        <translation>Aufruf: sweepwright-cli dups [FOLDER...] [--layout L] [--root R] [--home H] [--json] [--quick]
                             [--keep RULE] [--reference DIR]...
                             [--trash-all-but-first [--yes | --dry-run]]
Listet die Gruppen doppelter Dateien und Pakete über 16 KiB in den Ordnern auf (Standard: die
Standardordner des Layouts, siehe unten), die größten zuerst. Kandidaten gleicher Größe und gleicher
Stichproben-Prüfsumme werden Byte für Byte verglichen; harte Verknüpfungen auf eine Datei zählen einmal.
Ein FOLDER „-“ liest die Ordner von der Standardeingabe, einen je Zeile oder durch NUL-Bytes getrennt.
Die geschützten Ordner des Systems werden ausgelassen und auf stderr genannt.

  --json                 ein JSON-Objekt statt einer Liste ausgeben
  --quick                bei Dateien auf gleiche Größe und Stichproben-Prüfsumme vertrauen (bis zu drei
                         4-KiB-Blöcke: am Anfang und über die Datei verteilt), ohne den ganzen Inhalt zu
                         vergleichen: schneller, aber Dateien, die sich an anderer Stelle unterscheiden,
                         werden als Duplikate gemeldet. Pakete werden immer nach Inhalt verglichen: Ihre
                         Prüfsumme erfasst nur die Namen der Einträge
  --keep RULE            welche Kopie jeder Gruppe bleibt: original (die Kopie außerhalb
                         von Downloads, Papierkorb und temporären Ordnern, dann eine,
                         deren Name keinen Kopienzusatz wie „(1)“ oder „Copy of“ hat,
                         dann die älteste, dann die im am tiefsten verschachtelten
                         Ordner, dann die zuerst gefundene), oldest (früheste
                         Änderungszeit, dann der kürzeste Pfad), newest, shortest-path
                         oder first (die zuerst gefundene); Standard: %1 in diesem Layout
  --reference DIR        ein Ordner mit Originalen, der mit durchsucht wird (mehrfach möglich):
                         ihre Kopien sind mit [Referenz] markiert („isReference“ in JSON) und werden nie
                         verschoben; eine Gruppe, deren Kopien alle in Referenzordnern liegen, wird nicht
                         aufgeführt; in einer Gruppe mit einer Referenzkopie wird jede andere Kopie verschoben
  --trash-all-but-first  jede Kopie jeder Gruppe außer der, die --keep behält, in den Papierkorb
                         verschieben (nach einer Frage auf einem Terminal oder mit --yes), dann melden,
                         was verschoben wurde und was nicht (mit Grund); ohne beides wird der Plan
                         ausgegeben und nichts verschoben
  --yes                  ohne Nachfrage verschieben
  --dry-run              anzeigen, was --trash-all-but-first verschieben würde, nichts verschieben
  --help                 diesen Text anzeigen
  -V, --version          die Version anzeigen
In eine Datei oder Pipe geleitet, gibt ein Aufruf ohne Verschieben jede Gruppe aus, sobald sie gefunden ist.
Exit-Status 1, wenn ein Element nicht verschoben werden konnte, 2 bei falschem Aufruf oder einem
fehlenden oder unlesbaren Ordner, 130 nach Strg+C (ein Entfernen endet nach dem aktuellen Element).
</translation>
    </message>
    <message>
        <source>reference</source>
        <extracomment>Marks a copy in a folder of originals in the list of a set&apos;s copies</extracomment>
        <translation>Referenz</translation>
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
        <translation>Außerdem:
  --csv                  die Gruppen als CSV ausgeben (RFC 4180, UTF-8): Gruppe, Größe,
                         Pfad, Änderungszeit, behalten (yes für die Kopie, die bleibt)
  --empty                leere Dateien, leere Ordner (die nur leere Ordner enthalten,
                         an ihrer obersten Stelle genannt) und defekte symbolische
                         Verknüpfungen statt Duplikaten auflisten; mit --yes kommen alle
                         in den Papierkorb, mit --dry-run wird der Plan gezeigt
</translation>
    </message>
    <message>
        <source>--csv and --json do not go together</source>
        <translation>--csv und --json passen nicht zusammen</translation>
    </message>
    <message numerus="yes">
        <source>%1  %n item(s), %2
</source>
        <translation>
            <numerusform>%1  %n Element, %2
</numerusform>
            <numerusform>%1  %n Elemente, %2
</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Found %n kind(s) of empty or broken items, %1 in all.
</source>
        <translation>
            <numerusform>%n Art leerer oder defekter Elemente gefunden, insgesamt %1.
</numerusform>
            <numerusform>%n Arten leerer oder defekter Elemente gefunden, insgesamt %1.
</numerusform>
        </translation>
    </message>
    <message>
        <source>Digests of files that did not change since an earlier scan are kept in %1
and not read again (copies are still compared byte by byte before they go):
  --no-cache             read every file, and keep nothing for the next scan
  --clear-cache          forget the digests kept, scan nothing
</source>
        <translation>Prüfsummen von Dateien, die sich seit einer früheren Suche nicht geändert haben, werden in %1
gespeichert und nicht erneut gelesen (Kopien werden vor dem Entfernen trotzdem Byte für Byte verglichen):
  --no-cache             jede Datei lesen und nichts für die nächste Suche speichern
  --clear-cache          die gespeicherten Prüfsummen verwerfen, nichts durchsuchen
</translation>
    </message>
    <message>
        <source>could not remove %1: %2</source>
        <translation>%1 konnte nicht entfernt werden: %2</translation>
    </message>
    <message>
        <source>Forgot the digests kept in %1.
</source>
        <translation>Die in %1 gespeicherten Prüfsummen wurden verworfen.
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
        <translation>  --link KIND            statt des Papierkorbs: jede Kopie jeder Gruppe außer der, die
                         --keep behält, durch einen Link auf diese Kopie ersetzen: hard
                         (nur ein Dateisystem), reflink (die Kopie bleibt eine eigene
                         Datei und teilt die Daten der behaltenen Kopie, wo das
                         Dateisystem es kann) oder symbolic. Jede Kopie wird zuerst
                         Byte für Byte verglichen; eine seit der Suche geänderte wird
                         übersprungen. --yes und --dry-run wirken wie bei
                         --trash-all-but-first. Meldet den freigegebenen Platz
</translation>
    </message>
    <message>
        <source>%1 needs a kind: %2</source>
        <translation>%1 braucht eine Art: %2</translation>
    </message>
    <message>
        <source>--link takes %1, not &quot;%2&quot;</source>
        <translation>--link akzeptiert %1, nicht „%2“</translation>
    </message>
    <message>
        <source>--link and --trash-all-but-first cannot be given together</source>
        <translation>--link und --trash-all-but-first können nicht zusammen angegeben werden</translation>
    </message>
    <message>
        <source>--link and --empty cannot be given together</source>
        <translation>--link und --empty können nicht zusammen angegeben werden</translation>
    </message>
    <message>
        <source>                         (in a set, newer copies stay and are marked [recent];
                         a set is listed only when one of its copies may go)
</source>
        <translation>                         (in einer Gruppe bleiben neuere Kopien und sind mit [neu]
                         markiert; eine Gruppe erscheint nur, wenn eine Kopie gehen darf)
</translation>
    </message>
    <message>
        <source>recent</source>
        <extracomment>Marks a copy modified within --older-than DAYS, which stays, in the list of a set&apos;s copies</extracomment>
        <translation>neu</translation>
    </message>
</context>
<context>
    <name>EmptyFinder</name>
    <message>
        <source>Empty files</source>
        <translation>Leere Dateien</translation>
    </message>
    <message>
        <source>Empty folders</source>
        <translation>Leere Ordner</translation>
    </message>
    <message>
        <source>Broken links</source>
        <translation>Defekte Verknüpfungen</translation>
    </message>
    <message>
        <source>its target exists now</source>
        <translation>ihr Ziel existiert jetzt</translation>
    </message>
    <message>
        <source>it is no longer empty</source>
        <translation>sie ist nicht mehr leer</translation>
    </message>
    <message>
        <source>it is no longer what was found</source>
        <translation>es ist nicht mehr das Gefundene</translation>
    </message>
    <message>
        <source>it holds more than empty folders now</source>
        <translation>er enthält jetzt mehr als leere Ordner</translation>
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
        <translation>Aufruf: sweepwright-cli extensions [--layout L] [--root R] [--home H] [--json]
                                   [--remove PATH... [--yes | --dry-run]]
Listet die Add-ons des Layouts (Browser-Erweiterungen, Plug-ins, Add-ons für
Vorschau und Suche und Ähnliches) nach Kategorie mit ihren Größen auf, jedes
mit dem Browser oder Desktop, zu dem es gehört, und seinem Browserprofil
(JSON: itemOwner, itemProfile), und ob es aktiviert ist, sofern die eigenen
Dateien des Browsers das angeben (itemEnabled; sonst weggelassen).
Mit --remove werden die Elemente dieser Pfade (wie aufgeführt) entfernt, nach einer Frage auf einem
Terminal oder mit --yes; andernfalls wird der Plan ausgegeben und nichts entfernt (Exit-Status 2).
Elemente, die nur ein Administrator entfernen darf, kommen zuletzt, nach einer Passwortabfrage.
Strg+C bricht das Durchsuchen ab oder das Entfernen nach dem aktuellen Element (Exit-Status 130).

  --json         ein JSON-Objekt statt einer Liste ausgeben
  --remove PATH  das Add-on unter PATH entfernen (mehrfach angebbar)
  --yes          ohne Nachfrage entfernen
  --dry-run      anzeigen, was --remove entfernen würde, und nichts entfernen
  --help         diesen Text anzeigen
  -V, --version  die Version anzeigen
</translation>
    </message>
    <message>
        <source>found no add-on %1</source>
        <translation>kein Add-on %1 gefunden</translation>
    </message>
    <message>
        <source>enabled</source>
        <comment>an add-on</comment>
        <translation>aktiviert</translation>
    </message>
    <message>
        <source>disabled</source>
        <comment>an add-on</comment>
        <translation>deaktiviert</translation>
    </message>
    <message numerus="yes">
        <source>Found %n add-on(s), %1 in total.
</source>
        <translation>
            <numerusform>%n Add-on gefunden, insgesamt %1.
</numerusform>
            <numerusform>%n Add-ons gefunden, insgesamt %1.
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
        <translation>Aufruf: sweepwright-cli extract FILE [-C DIR] [Optionen]
Entpackt ein Archiv (zip, 7z, rar, tar und seine komprimierten Formen, iso, cab, lzh...) oder
eine winmail.dat-Datei. Ohne -C wird in einen nach FILE benannten Ordner in einem neuen
privaten Ordner im temporären Ordner entpackt, wie auf der Seite „Archive“; der Zielordner wird
ausgegeben.

  -C DIR               die Einträge genau so nach DIR schreiben, wie das Archiv sie benennt;
                       DIR wird angelegt, wenn sein übergeordneter Ordner existiert, und einer
                       Verknüpfung zu einem Ordner wird gefolgt
  --password-file F    das Passwort ist die erste Zeile von F
  --password-stdin     das Passwort ist die erste Zeile der Standardeingabe
                       Ohne beides wird es auf dem Terminal abgefragt,
                       sofern es eines gibt (höchstens dreimal); nur
                       ein Archiv, das eines braucht, fragt danach.
  --encoding NAME      Namen, die nicht in UTF-8 kodiert sind, mit NAME
                       dekodieren, dem Namen oder Alias eines ICU-Konverters
                       (Shift_JIS, GBK, windows-1252...); „auto“ überlässt
                       die Wahl der Erkennung; „list“ gibt die gängigen aus.
                       Standard: die Einstellung der Anwendung
  --list               nichts schreiben; Typ, Größe und Pfad jedes Eintrags ausgeben (Größe ?,
                       wenn das Archiv sie nicht angibt)
  --json               das Ergebnis als JSON-Objekt ausgeben (auch bei einem Fehler, mit seinem
                       &quot;error&quot;); sonst geht nichts an die Standardausgabe
  --help               diesen Text anzeigen
  -V, --version        die Version anzeigen

Einträge, die außerhalb des Zielordners landen würden (absolute Pfade, „..“, hinausführende
Verknüpfungen, Spezialdateien), werden übersprungen und gemeldet; Steuerzeichen in Namen werden
maskiert angezeigt (\n, \x1b, \\). Eine Datei wird unter einem verborgenen Namen geschrieben
und erhält ihren eigenen erst, wenn sie vollständig ist. Ein fehlgeschlagenes Entpacken
hinterlässt keinen eigenen Ordner. Exit-Status: 0 fertig; 1 die Datei fehlt, ist beschädigt,
unvollständig oder in einem nicht lesbaren Format, das Passwort ist falsch oder fehlt, TMPDIR
ist nicht nutzbar oder der Speicherplatz ging aus; 2 falscher Aufruf; 130 Strg+C.
</translation>
    </message>
    <message>
        <source>%1 needs a folder</source>
        <translation>%1 erfordert einen Ordner</translation>
    </message>
    <message>
        <source>%1 needs a file</source>
        <translation>%1 erfordert eine Datei</translation>
    </message>
    <message>
        <source>%1 needs an encoding name</source>
        <translation>%1 erfordert einen Kodierungsnamen</translation>
    </message>
    <message>
        <source>unknown encoding &quot;%1&quot; (--encoding list prints the names)</source>
        <translation>unbekannte Kodierung „%1“ (--encoding list gibt die Namen aus)</translation>
    </message>
    <message>
        <source>--password-file and --password-stdin exclude each other</source>
        <translation>--password-file und --password-stdin schließen einander aus</translation>
    </message>
    <message>
        <source>-C: %1 is a link that leads nowhere</source>
        <translation>-C: %1 ist eine Verknüpfung, die ins Leere führt</translation>
    </message>
    <message>
        <source>-C: the folder %1 does not exist</source>
        <translation>-C: der Ordner %1 existiert nicht</translation>
    </message>
    <message>
        <source>-C: cannot make the folder %1</source>
        <translation>-C: der Ordner %1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>-C: %1 is not a folder</source>
        <translation>-C: %1 ist kein Ordner</translation>
    </message>
    <message>
        <source>not a file</source>
        <translation>keine Datei</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>abgebrochen</translation>
    </message>
    <message>
        <source>what was written stays in %1</source>
        <translation>bereits Geschriebenes bleibt in %1</translation>
    </message>
    <message>
        <source>Listing</source>
        <translation>Wird aufgelistet</translation>
    </message>
    <message>
        <source>Extracting</source>
        <translation>Wird entpackt</translation>
    </message>
    <message>
        <source>Password for %1: </source>
        <translation>Passwort für %1: </translation>
    </message>
    <message>
        <source>Password required</source>
        <translation>Passwort erforderlich</translation>
    </message>
    <message>
        <source>This archive format is not supported</source>
        <translation>Dieses Archivformat wird nicht unterstützt</translation>
    </message>
    <message>
        <source>the file could not be extracted</source>
        <translation>die Datei konnte nicht entpackt werden</translation>
    </message>
</context>
<context>
    <name>ExtractReport</name>
    <message numerus="yes">
        <source>%n item(s) written before the error stay in %1</source>
        <translation>
            <numerusform>%n vor dem Fehler geschriebenes Element bleibt in %1</numerusform>
            <numerusform>%n vor dem Fehler geschriebene Elemente bleiben in %1</numerusform>
        </translation>
    </message>
    <message>
        <source>dir</source>
        <comment>an archive entry that is a folder</comment>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>link</source>
        <comment>an archive entry that is a symbolic link</comment>
        <translation>Verknüpfung</translation>
    </message>
    <message>
        <source>file</source>
        <comment>an archive entry that is a file</comment>
        <translation>Datei</translation>
    </message>
    <message>
        <source>special file</source>
        <translation>Spezialdatei</translation>
    </message>
    <message>
        <source>skipped %1: %2</source>
        <translation>%1 übersprungen: %2</translation>
    </message>
</context>
<context>
    <name>ExtractToStatus</name>
    <message>
        <source>Open Folder</source>
        <translation>Ordner öffnen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Extracting to %1…</source>
        <translation>Wird nach %1 entpackt …</translation>
    </message>
    <message>
        <source>Extracting to %1… %2%</source>
        <translation>Wird nach %1 entpackt … %2 %</translation>
    </message>
    <message>
        <source>Extracted to %1</source>
        <translation>Nach %1 entpackt</translation>
    </message>
    <message numerus="yes">
        <source>Extracted to %1; %n item(s) left out</source>
        <translation>
            <numerusform>Nach %1 entpackt; %n Element ausgelassen</numerusform>
            <numerusform>Nach %1 entpackt; %n Elemente ausgelassen</numerusform>
        </translation>
    </message>
    <message>
        <source>Extraction to %1 stopped</source>
        <translation>Entpacken nach %1 abgebrochen</translation>
    </message>
    <message>
        <source>Could not extract to %1: %2</source>
        <translation>Entpacken nach %1 nicht möglich: %2</translation>
    </message>
</context>
<context>
    <name>FileTreeModel</name>
    <message>
        <source>Directory</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Art</translation>
    </message>
    <message>
        <source>Created</source>
        <translation>Erstellt</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
</context>
<context>
    <name>FinderCommand</name>
    <message>
        <source>%1: no such folder</source>
        <translation>%1: Ordner nicht vorhanden</translation>
    </message>
    <message>
        <source>%1: not a folder</source>
        <translation>%1: kein Ordner</translation>
    </message>
    <message>
        <source>%1: cannot be read</source>
        <translation>%1: kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>Default folders in the %1 layout: %2
</source>
        <translation>Standardordner im Layout %1: %2
</translation>
    </message>
</context>
<context>
    <name>FolderTree</name>
    <message>
        <source>changed while it was being removed</source>
        <translation>hat sich beim Entfernen geändert</translation>
    </message>
    <message>
        <source>stopped before the end; the rest stays</source>
        <translation>vor dem Ende abgebrochen; der Rest bleibt erhalten</translation>
    </message>
    <message>
        <source>another file system is mounted here; left alone</source>
        <translation>hier ist ein anderes Dateisystem eingehängt; bleibt unberührt</translation>
    </message>
    <message>
        <source>a folder was moved while it was being walked; stopped</source>
        <translation>ein Ordner wurde beim Durchlaufen verschoben; abgebrochen</translation>
    </message>
    <message>
        <source>%1; it is left as %2</source>
        <translation>%1; es bleibt unter dem Namen %2 erhalten</translation>
    </message>
</context>
<context>
    <name>FolderZip</name>
    <message>
        <source>Cannot write the zip file</source>
        <translation>Die ZIP-Datei kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>Not a folder: %1</source>
        <translation>Kein Ordner: %1</translation>
    </message>
</context>
<context>
    <name>GeneralPrefViewController</name>
    <message>
        <source>Start Sweepwright when you log in</source>
        <translation>Sweepwright beim Anmelden starten</translation>
    </message>
    <message>
        <source>Release memory automatically when its use exceeds</source>
        <translation>Speicher automatisch freigeben bei einer Auslastung über</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>Memory use is checked every 30 seconds while Sweepwright runs.</source>
        <translation>Die Speicherauslastung wird alle 30 Sekunden geprüft, solange Sweepwright läuft.</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Remember file digests between duplicate scans</source>
        <translation>Prüfsummen zwischen Duplikatsuchen merken</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>Unchanged files are not read again; copies are still compared byte by byte before they go.</source>
        <translation>Unveränderte Dateien werden nicht erneut gelesen; Kopien werden vor dem Entfernen trotzdem Byte für Byte verglichen.</translation>
    </message>
    <message>
        <source>Clear the remembered digests</source>
        <translation>Gemerkte Prüfsummen leeren</translation>
    </message>
    <message>
        <source>The remembered digests are cleared.</source>
        <translation>Die gemerkten Prüfsummen wurden geleert.</translation>
    </message>
    <message>
        <source>Could not clear %1.</source>
        <translation>%1 konnte nicht geleert werden.</translation>
    </message>
</context>
<context>
    <name>GhostscriptRun</name>
    <message>
        <source>Ghostscript cannot be given a password with a backslash before a quote or at its end</source>
        <translation>Ghostscript kann kein Passwort übergeben werden, das einen Backslash vor einem Anführungszeichen oder am Ende enthält</translation>
    </message>
    <message>
        <source>the password could not be handed to Ghostscript</source>
        <translation>das Passwort konnte nicht an Ghostscript übergeben werden</translation>
    </message>
    <message>
        <source>Ghostscript (gs) is not installed</source>
        <translation>Ghostscript (gs) ist nicht installiert</translation>
    </message>
    <message>
        <source>Ghostscript could not be started: %1</source>
        <translation>Ghostscript konnte nicht gestartet werden: %1</translation>
    </message>
    <message numerus="yes">
        <source>Ghostscript finished no page for %n second(s)</source>
        <translation>
            <numerusform>Ghostscript hat %n Sekunde lang keine Seite fertiggestellt</numerusform>
            <numerusform>Ghostscript hat %n Sekunden lang keine Seite fertiggestellt</numerusform>
        </translation>
    </message>
    <message>
        <source>Ghostscript was stopped</source>
        <translation>Ghostscript wurde abgebrochen</translation>
    </message>
    <message>
        <source>Ghostscript reached its memory limit of %1</source>
        <translation>Ghostscript hat seine Speichergrenze von %1 erreicht</translation>
    </message>
    <message>
        <source>Ghostscript stopped unexpectedly (it crashed or was killed)</source>
        <translation>Ghostscript wurde unerwartet beendet (abgestürzt oder zwangsweise beendet)</translation>
    </message>
    <message>
        <source>Ghostscript ended with status %1</source>
        <translation>Ghostscript wurde mit Status %1 beendet</translation>
    </message>
    <message>
        <source>Ghostscript ended with status %1: %2</source>
        <translation>Ghostscript wurde mit Status %1 beendet: %2</translation>
    </message>
</context>
<context>
    <name>HelperProgram</name>
    <message>
        <source>this command&apos;s program %1 is missing (looked for %2 and %3)</source>
        <translation>das Programm %1 dieses Befehls fehlt (gesucht: %2 und %3)</translation>
    </message>
    <message>
        <source>this command&apos;s program %1 is missing</source>
        <translation>das Programm %1 dieses Befehls fehlt</translation>
    </message>
    <message>
        <source>cannot run %1: %2</source>
        <translation>%1 kann nicht ausgeführt werden: %2</translation>
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
        <translation>Aufruf: sweepwright-cli history [--home H] [--json]
        sweepwright-cli history --put-back ID [--yes | --dry-run] [--json]
Listet, was jedes Werkzeug entfernt hat, im Fenster und hier, das Neueste
zuerst: jeden Lauf mit Kennung, Zeit, Werkzeug und dem, was aus seinen
Elementen wurde (in den Papierkorb verschoben, endgültig gelöscht, nicht
erledigt). Der Verlauf liegt in $XDG_STATE_HOME/sweepwright/history.jsonl
und wird ein Jahr lang aufbewahrt, höchstens 10 MB.
--put-back ID legt zurück, was dieser Lauf in den Papierkorb verschoben hat;
ein Element ersetzt nie etwas, das jetzt dort liegt, und was nicht
zurückkommen kann, wird mit dem Grund genannt. Endgültig gelöschte Elemente
kommen nicht zurück.

  --json          ein JSON-Objekt statt Text ausgeben
  --put-back ID   die Elemente zurücklegen, die Lauf ID in den Papierkorb
                  verschoben hat
  --yes           ohne Rückfrage zurücklegen
  --dry-run       zeigen, was zurückgelegt würde, ohne etwas zu ändern
  --help          diesen Text anzeigen
  -V, --version   die Version anzeigen
</translation>
    </message>
    <message>
        <source>%1 needs the id of a run</source>
        <translation>%1 braucht die Kennung eines Laufs</translation>
    </message>
    <message>
        <source>--yes and --dry-run go with --put-back</source>
        <translation>--yes und --dry-run gehören zu --put-back</translation>
    </message>
    <message>
        <source>Nothing has been removed yet.</source>
        <translation>Es wurde noch nichts entfernt.</translation>
    </message>
    <message>
        <source>(of %1)</source>
        <translation>(von %1)</translation>
    </message>
    <message>
        <source>no run &quot;%1&quot; in the history (see sweepwright-cli history)</source>
        <translation>kein Lauf „%1“ im Verlauf (siehe sweepwright-cli history)</translation>
    </message>
    <message>
        <source>run %1 moved nothing to the Trash: nothing to put back</source>
        <translation>Lauf %1 hat nichts in den Papierkorb verschoben: nichts zurückzulegen</translation>
    </message>
    <message numerus="yes">
        <source>Put back %n item(s) (%1)?</source>
        <translation>
            <numerusform>%n Element zurücklegen (%1)?</numerusform>
            <numerusform>%n Elemente zurücklegen (%1)?</numerusform>
        </translation>
    </message>
    <message>
        <source>could not record the put back: %1</source>
        <translation>das Zurücklegen konnte nicht aufgezeichnet werden: %1</translation>
    </message>
    <message>
        <source>Would put back: %1</source>
        <translation>Würde zurücklegen: %1</translation>
    </message>
    <message>
        <source>Deleted for good, cannot be put back: %1</source>
        <translation>Endgültig gelöscht, kann nicht zurückgelegt werden: %1</translation>
    </message>
    <message>
        <source>Put back: %1</source>
        <translation>Zurückgelegt: %1</translation>
    </message>
    <message>
        <source>Could not put back %1: %2</source>
        <translation>%1 konnte nicht zurückgelegt werden: %2</translation>
    </message>
</context>
<context>
    <name>HistoryWording</name>
    <message>
        <source>Put Back</source>
        <translation>Zurücklegen</translation>
    </message>
    <message>
        <source>Moved to the Trash</source>
        <translation>In den Papierkorb verschoben</translation>
    </message>
    <message>
        <source>Deleted for good</source>
        <translation>Endgültig gelöscht</translation>
    </message>
    <message>
        <source>Replaced with a link</source>
        <translation>Durch einen Link ersetzt</translation>
    </message>
    <message>
        <source>Not done: %1</source>
        <translation>Nicht erledigt: %1</translation>
    </message>
    <message>
        <source>Refused: %1</source>
        <translation>Abgelehnt: %1</translation>
    </message>
    <message>
        <source>Put back</source>
        <translation>Zurückgelegt</translation>
    </message>
    <message>
        <source>%1 put back</source>
        <translation>%1 zurückgelegt</translation>
    </message>
    <message>
        <source>%1 to the Trash</source>
        <translation>%1 in den Papierkorb</translation>
    </message>
    <message>
        <source>%1 deleted for good</source>
        <translation>%1 endgültig gelöscht</translation>
    </message>
    <message>
        <source>%1 replaced with links</source>
        <translation>%1 durch Links ersetzt</translation>
    </message>
    <message>
        <source>%1 not done</source>
        <translation>%1 nicht erledigt</translation>
    </message>
    <message>
        <source>%1 refused</source>
        <translation>%1 abgelehnt</translation>
    </message>
    <message>
        <source>Nothing was removed</source>
        <translation>Nichts wurde entfernt</translation>
    </message>
    <message numerus="yes">
        <source>%n item(s): %1</source>
        <translation>
            <numerusform>%n Element: %1</numerusform>
            <numerusform>%n Elemente: %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>InputPaths</name>
    <message>
        <source>standard input (-) names no path</source>
        <translation>die Standardeingabe (-) nennt keinen Pfad</translation>
    </message>
    <message>
        <source>cannot read standard input (-): %1</source>
        <translation>die Standardeingabe (-) kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>standard input (-) holds more than %1 MiB of paths</source>
        <translation>die Standardeingabe (-) enthält mehr als %1 MiB an Pfaden</translation>
    </message>
</context>
<context>
    <name>InstalledApp</name>
    <message>
        <source>application bundle</source>
        <translation>Anwendungs-Bundle</translation>
    </message>
    <message>
        <source>AppImage</source>
        <translation>AppImage</translation>
    </message>
    <message>
        <source>application in the home</source>
        <translation>Anwendung im persönlichen Ordner</translation>
    </message>
    <message>
        <source>Flatpak</source>
        <translation>Flatpak</translation>
    </message>
    <message>
        <source>Debian package</source>
        <translation>Debian-Paket</translation>
    </message>
</context>
<context>
    <name>ItemCopy</name>
    <message>
        <source>Special file, not copied</source>
        <translation>Spezialdatei, nicht kopiert</translation>
    </message>
    <message>
        <source>The copy would replace the original</source>
        <translation>Die Kopie würde das Original ersetzen</translation>
    </message>
    <message>
        <source>A folder cannot be copied into itself</source>
        <translation>Ein Ordner kann nicht in sich selbst kopiert werden</translation>
    </message>
</context>
<context>
    <name>ItemMailer</name>
    <message>
        <source>Mail</source>
        <translation>E-Mail</translation>
    </message>
    <message>
        <source>The attachment will not be protected</source>
        <translation>Der Anhang wird nicht geschützt</translation>
    </message>
    <message>
        <source>These files come from an archive protected by a password. Attached as they are, anyone who gets the message can read them. Attach the archive instead to keep them protected: whoever gets it needs the password.</source>
        <translation>Diese Dateien stammen aus einem passwortgeschützten Archiv. Werden sie so angehängt, kann jeder sie lesen, der die Nachricht erhält. Hängen Sie stattdessen das Archiv an, damit sie geschützt bleiben: Wer es erhält, braucht das Passwort.</translation>
    </message>
    <message>
        <source>Attach the Archive</source>
        <translation>Archiv anhängen</translation>
    </message>
    <message>
        <source>Attach Unprotected</source>
        <translation>Ungeschützt anhängen</translation>
    </message>
    <message>
        <source>The folder could not be packed for mail.</source>
        <translation>Der Ordner konnte nicht für die E-Mail gepackt werden.</translation>
    </message>
    <message>
        <source>The file could not be copied for mail.</source>
        <translation>Die Datei konnte nicht für die E-Mail kopiert werden.</translation>
    </message>
    <message>
        <source>No mail program could be started.</source>
        <translation>Es konnte kein E-Mail-Programm gestartet werden.</translation>
    </message>
    <message>
        <source>Install xdg-utils and set up a mail program, or attach the file yourself: %1</source>
        <translation>Installieren Sie xdg-utils und richten Sie ein E-Mail-Programm ein, oder hängen Sie die Datei selbst an: %1</translation>
    </message>
</context>
<context>
    <name>JunkCommand</name>
    <message>
        <source>no category %1 in the %2 layout</source>
        <translation>keine Kategorie %1 im Layout %2</translation>
    </message>
    <message>
        <source>Skipped, needs administrator rights (use --admin): %1</source>
        <translation>Übersprungen, erfordert Administratorrechte (--admin verwenden): %1</translation>
    </message>
    <message>
        <source>no profile &quot;%1&quot; (there is &quot;scheduled&quot;)</source>
        <translation>kein Profil „%1“ (es gibt „scheduled“)</translation>
    </message>
    <message>
        <source>--profile takes its categories from the settings; it cannot go with %1</source>
        <translation>--profile nimmt die Kategorien aus den Einstellungen; es kann nicht mit %1 zusammen stehen</translation>
    </message>
</context>
<context>
    <name>JunkHelp</name>
    <message>
        <source>empties the folders in ~/Library/Caches, ~/Library/Logs, the Caches and Logs of each app
container and the per-user cache folder; removes the files there</source>
        <translation>leert die Ordner in ~/Library/Caches, ~/Library/Logs, in Caches und Logs jedes
App-Containers und im Cache-Ordner des Benutzers; entfernt die Dateien dort</translation>
    </message>
    <message>
        <source>entries of ~/Library/Preferences, /Library/LaunchAgents, ~/Library/Saved Application
State, ~/Library/Parallels and ~/.cleverfiles that belong to no installed application</source>
        <translation>Einträge in ~/Library/Preferences, /Library/LaunchAgents, ~/Library/Saved Application
State, ~/Library/Parallels und ~/.cleverfiles, die zu keiner installierten Anwendung gehören</translation>
    </message>
    <message>
        <source>empties the folders and removes the files in /Library/Caches and /System/Library/Caches</source>
        <translation>leert die Ordner und entfernt die Dateien in /Library/Caches und /System/Library/Caches</translation>
    </message>
    <message>
        <source>empties the folders and removes the files in /Library/Logs and /var/log/asl</source>
        <translation>leert die Ordner und entfernt die Dateien in /Library/Logs und /var/log/asl</translation>
    </message>
    <message>
        <source>Mail Downloads, and image and text attachments below ~/Library/Mail</source>
        <translation>Mail Downloads sowie Bild- und Textanhänge unterhalb von ~/Library/Mail</translation>
    </message>
    <message>
        <source>iOS software updates (*.ipsw in ~/Library/iTunes/iPhone and iPad Software Updates) and
iOS apps (*.ipa in ~/Music/iTunes/iTunes Media/Mobile Applications)</source>
        <translation>iOS-Softwareaktualisierungen (*.ipsw in ~/Library/iTunes/iPhone and iPad Software Updates) und
iOS-Apps (*.ipa in ~/Music/iTunes/iTunes Media/Mobile Applications)</translation>
    </message>
    <message>
        <source>the device backups in ~/Library/Application Support/MobileSync/Backup</source>
        <translation>die Gerätesicherungen in ~/Library/Application Support/MobileSync/Backup</translation>
    </message>
    <message>
        <source>the *.ipsw files that category 9 removes too</source>
        <translation>die *.ipsw-Dateien, die auch Kategorie 9 entfernt</translation>
    </message>
    <message>
        <source>everything in ~/.Trash</source>
        <translation>alles in ~/.Trash</translation>
    </message>
    <message>
        <source>everything in ~/Downloads</source>
        <translation>alles in ~/Downloads</translation>
    </message>
    <message>
        <source>empties the folders in ~/Library/Developer/Xcode/DerivedData</source>
        <translation>leert die Ordner in ~/Library/Developer/Xcode/DerivedData</translation>
    </message>
    <message>
        <source>empties Safari&apos;s and Chrome&apos;s history, cache, cookie and local-storage folders</source>
        <translation>leert die Ordner für Verlauf, Cache, Cookies und lokalen Speicher von Safari und Chrome</translation>
    </message>
    <message>
        <source>empties the folders in the cache folder (~/.cache or XDG_CACHE_HOME) and in each Flatpak
app&apos;s ~/.var/app/ID/cache; removes the files there</source>
        <translation>leert die Ordner im Cache-Ordner (~/.cache oder XDG_CACHE_HOME) und in ~/.var/app/ID/cache
jeder Flatpak-App; entfernt die Dateien dort</translation>
    </message>
    <message>
        <source>desktop and autostart entries whose program is gone, and ~/.var/app data of Flatpak
apps installed nowhere</source>
        <translation>Desktop- und Autostart-Einträge, deren Programm nicht mehr vorhanden ist, und Daten in
~/.var/app von Flatpak-Apps, die nirgends installiert sind</translation>
    </message>
    <message>
        <source>empties the folders and removes the files in /var/cache (debconf&apos;s excepted); what only
root may remove is left unless --admin is given</source>
        <translation>leert die Ordner und entfernt die Dateien in /var/cache (außer dem von debconf); was nur
root entfernen darf, bleibt, sofern nicht --admin angegeben ist</translation>
    </message>
    <message>
        <source>empties the folders and removes the files in /var/log; what only root may remove is left
unless --admin is given</source>
        <translation>leert die Ordner und entfernt die Dateien in /var/log; was nur root entfernen darf, bleibt,
sofern nicht --admin angegeben ist</translation>
    </message>
    <message>
        <source>what mail and browser programs left in /tmp/mozilla_USER0 (only when it is your own folder)</source>
        <translation>Reste von E-Mail- und Browserprogrammen in /tmp/mozilla_USER0 (nur wenn es Ihr eigener Ordner ist)</translation>
    </message>
    <message>
        <source>everything in the Trash, and info files whose item is gone</source>
        <translation>alles im Papierkorb sowie Info-Dateien, deren Element nicht mehr vorhanden ist</translation>
    </message>
    <message>
        <source>everything in the Downloads folder (XDG_DOWNLOAD_DIR)</source>
        <translation>alles im Ordner „Downloads“ (XDG_DOWNLOAD_DIR)</translation>
    </message>
    <message>
        <source>empties the npm, Gradle, Cargo and Go package caches</source>
        <translation>leert die Paket-Caches von npm, Gradle, Cargo und Go</translation>
    </message>
    <message>
        <source>empties Firefox&apos;s cache2 folders; removes Chrome&apos;s and Chromium&apos;s History, Cookies and
Local Storage of the Default profile</source>
        <translation>leert die cache2-Ordner von Firefox; entfernt bei Chrome und Chromium History, Cookies und
Local Storage des Profils Default</translation>
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
        <translation>Aufruf: sweepwright-cli junk [--layout L] [--root R] [--home H] [--json] [--category ID]... [--all]
                             [--clean [--yes | --dry-run] [--admin]]
Durchsucht die Datenmüll-Kategorien und listet die Funde auf. Mit --clean wird danach entfernt, was
markiert ist: die Elemente der durchsuchten Kategorien außer denen der anfangs nicht markierten Kategorien
(unten mit „nicht markiert“ gekennzeichnet; mit --category genannt, werden sie mitgenommen), Verlauf und
Cookies eines Browsers und was nur ein Administrator entfernen darf (mit --admin mitgenommen).
Auf einem Terminal wird zuerst gefragt; sonst ist --yes nötig, ohne --yes wird der Plan ausgegeben, nichts
entfernt und mit Status 2 beendet. Gemeldet wird, was entfernt wurde und was nicht (mit Grund);
Exit-Status 1, wenn etwas nicht entfernt werden konnte.
Strg+C bricht das Durchsuchen ab oder das Entfernen nach dem aktuellen Element (Exit-Status 130).
Es wird nichts in die Einstellungen geschrieben; Autostart-Einträge bleiben unberührt.

  --json         ein JSON-Objekt statt einer Tabelle ausgeben
  --clean        die markierten Elemente nach dem Durchsuchen entfernen
  --yes          ohne Nachfrage entfernen
  --dry-run      anzeigen, was --clean entfernen würde, und nichts entfernen
  --admin        auch entfernen, was nur ein Administrator darf, nach einer Passwortabfrage
  --category ID  diese Kategorie statt der Standardkategorien durchsuchen (mehrfach angebbar)
  --all          alle Kategorien des Layouts durchsuchen
  --help         diesen Text anzeigen
  -V, --version  die Version anzeigen
</translation>
    </message>
    <message>
        <source>Categories of the %1 layout (* scanned by default) and what --clean removes:</source>
        <translation>Kategorien des Layouts %1 (* = standardmäßig durchsucht) und was --clean entfernt:</translation>
    </message>
    <message>
        <source>(unmarked)</source>
        <translation>(nicht markiert)</translation>
    </message>
    <message>
        <source>  --profile scheduled
                 the run of the cleaning schedule (sweepwright-cli schedule): clean the
                 categories chosen for it in the preferences, leave what needs a password
                 and say what went in a desktop notification
</source>
        <translation>  --profile scheduled
                 der Lauf des Zeitplans (sweepwright-cli schedule): die dafür in den Einstellungen
                 gewählten Kategorien aufräumen, lassen, was ein Passwort braucht, und in einer
                 Benachrichtigung sagen, was entfernt wurde
</translation>
    </message>
</context>
<context>
    <name>JunkReport</name>
    <message numerus="yes">
        <source>Found %1 in %n item(s); %2 marked for removal.
</source>
        <translation>
            <numerusform>%1 in %n Element gefunden; %2 zum Entfernen markiert.
</numerusform>
            <numerusform>%1 in %n Elementen gefunden; %2 zum Entfernen markiert.
</numerusform>
        </translation>
    </message>
    <message>
        <source>nothing found</source>
        <translation>nichts gefunden</translation>
    </message>
    <message>
        <source>all marked</source>
        <translation>alle markiert</translation>
    </message>
    <message>
        <source>some marked</source>
        <translation>teilweise markiert</translation>
    </message>
    <message>
        <source>none marked</source>
        <translation>keine markiert</translation>
    </message>
    <message>
        <source>(needs administrator rights)</source>
        <translation>(erfordert Administratorrechte)</translation>
    </message>
    <message>
        <source>No junk category is enabled.</source>
        <translation>Es ist keine Datenmüll-Kategorie aktiviert.</translation>
    </message>
    <message numerus="yes">
        <source>only items older than %n day(s)</source>
        <translation>
            <numerusform>nur Elemente, die älter als %n Tag sind</numerusform>
            <numerusform>nur Elemente, die älter als %n Tage sind</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>KeepList</name>
    <message>
        <source>it holds items that match your Never touch list</source>
        <translation>es enthält Elemente, die zu Ihrer Liste „Nie anfassen“ passen</translation>
    </message>
    <message>
        <source>it matches %1 on your Never touch list</source>
        <translation>es passt zu %1 auf Ihrer Liste „Nie anfassen“</translation>
    </message>
    <message>
        <source>it lies in %1, which matches %2 on your Never touch list</source>
        <translation>es liegt in %1, das zu %2 auf Ihrer Liste „Nie anfassen“ passt</translation>
    </message>
</context>
<context>
    <name>KeepPathOption</name>
    <message>
        <source>%1 needs a path</source>
        <translation>%1 braucht einen Pfad</translation>
    </message>
    <message>
        <source>  --keep-path PATH  leave PATH (and what lies in it) alone in this run, as the Never
                    touch list of the settings does; repeatable
</source>
        <translation>  --keep-path PFAD  PFAD (und was darin liegt) in diesem Lauf nicht anfassen, wie die
                    Liste „Nie anfassen“ der Einstellungen; wiederholbar
</translation>
    </message>
</context>
<context>
    <name>KeepPrefViewController</name>
    <message>
        <source>Add &amp;Folder…</source>
        <translation>&amp;Ordner hinzufügen…</translation>
    </message>
    <message>
        <source>Add a folder to keep</source>
        <translation>Einen Ordner zum Behalten hinzufügen</translation>
    </message>
    <message>
        <source>Add F&amp;ile…</source>
        <translation>&amp;Datei hinzufügen…</translation>
    </message>
    <message>
        <source>Add a file to keep</source>
        <translation>Eine Datei zum Behalten hinzufügen</translation>
    </message>
    <message>
        <source>Add &amp;Pattern</source>
        <translation>&amp;Muster hinzufügen</translation>
    </message>
    <message>
        <source>Add the pattern to keep</source>
        <translation>Das Muster zum Behalten hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Entfernen</translation>
    </message>
    <message>
        <source>Remove the chosen entries</source>
        <translation>Die gewählten Einträge entfernen</translation>
    </message>
    <message>
        <source>Never touch list</source>
        <translation>Liste „Nie anfassen“</translation>
    </message>
    <message>
        <source>Pattern to keep</source>
        <translation>Muster zum Behalten</translation>
    </message>
    <message>
        <source>A pattern, such as ~/Downloads/*.iso</source>
        <translation>Ein Muster, etwa ~/Downloads/*.iso</translation>
    </message>
    <message>
        <source>No tool lists, removes or shreds these folders and files, what lies in the folders, or what matches the patterns.</source>
        <translation>Kein Werkzeug listet, entfernt oder schreddert diese Ordner und Dateien, was in den Ordnern liegt oder was zu den Mustern passt.</translation>
    </message>
    <message>
        <source>Choose a Folder to Keep</source>
        <translation>Ordner zum Behalten wählen</translation>
    </message>
    <message>
        <source>Choose Files to Keep</source>
        <translation>Dateien zum Behalten wählen</translation>
    </message>
    <message>
        <source>Never Touch</source>
        <translation>Nie anfassen</translation>
    </message>
</context>
<context>
    <name>LargeCommand</name>
    <message numerus="yes">
        <source>Found %1 in %n item(s) of %2 or more.
</source>
        <translation>
            <numerusform>%1 in %n Element ab %2 gefunden.
</numerusform>
            <numerusform>%1 in %n Elementen ab %2 gefunden.
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
        <translation>Aufruf: sweepwright-cli large [FOLDER...] [--layout L] [--root R] [--home H] [--json]
                              [--trash [--yes | --dry-run]]
Listet die Dateien und Pakete ab 32 MB in den Ordnern auf (Standard: die Standardordner des Layouts,
siehe unten), in fünf Größenklassen. Ein FOLDER „-“ liest die Ordner von der Standardeingabe, einen
je Zeile oder durch NUL-Bytes getrennt. Versteckte Ordner und Docsets werden nicht durchsucht;
Quell-, Build- und Datenbankdateien werden ausgelassen, ebenso die geschützten Ordner des Systems,
die auf stderr genannt werden. Mit --trash wird jedes aufgeführte Element in den Papierkorb
verschoben (wiederherstellbar aus dem Papierkorb des Desktops), nach einer Frage auf einem Terminal
oder mit --yes; andernfalls wird der Plan ausgegeben und nichts verschoben (Exit-Status 2).
Strg+C bricht das Durchsuchen ab oder das Verschieben nach dem aktuellen Element (Exit-Status 130).

  --json         ein JSON-Objekt statt einer Tabelle ausgeben
  --trash        alles Aufgeführte in den Papierkorb verschieben, dann melden, was verschoben wurde
  --yes          ohne Nachfrage verschieben
  --dry-run      anzeigen, was --trash verschieben würde, und nichts verschieben
  --help         diesen Text anzeigen
  -V, --version  die Version anzeigen
</translation>
    </message>
</context>
<context>
    <name>LeftOutFolders</name>
    <message>
        <source>left out %1: %2</source>
        <translation>%1 ausgelassen: %2</translation>
    </message>
</context>
<context>
    <name>LoginCommand</name>
    <message>
        <source>on</source>
        <comment>starts at login</comment>
        <translation>ein</translation>
    </message>
    <message>
        <source>off</source>
        <comment>does not start at login</comment>
        <translation>aus</translation>
    </message>
    <message>
        <source>application</source>
        <comment>a login item that is a menu application</comment>
        <translation>Anwendung</translation>
    </message>
    <message>
        <source>autostart</source>
        <comment>a login item that is an autostart entry</comment>
        <translation>Autostart</translation>
    </message>
    <message>
        <source>(part of the desktop)</source>
        <translation>(Teil des Desktops)</translation>
    </message>
    <message numerus="yes">
        <source>%n item(s) start at login.</source>
        <translation>
            <numerusform>%n Element startet beim Anmelden.</numerusform>
            <numerusform>%n Elemente starten beim Anmelden.</numerusform>
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
        <translation>Aufruf: sweepwright-cli login [--layout L] [--root R] [--home H] [--json] [--all]
                              [--on ID] [--off ID]
Listet auf, was beim Anmelden startet (ein), dann die ausgeschalteten Autostart-Einträge
(aus), jeweils mit Beschreibung; Einträge, die der Desktop für sich selbst startet, sind
mit „Teil des Desktops“ gekennzeichnet und stehen am Ende. --all listet danach die übrigen
Menüanwendungen auf, die --on hinzufügen kann. --on schreibt den Autostart-Eintrag
ID.desktop des Benutzers; --off entfernt die Einträge des Benutzers für die Anwendung und
verbirgt einen systemweiten Eintrag durch einen Benutzereintrag mit Hidden=true. ID ist
die Desktop-Datei-ID ohne „.desktop“ (im Layout macos der Bundle-Name).

  --json          ein JSON-Objekt statt einer Liste ausgeben
  --all           auch die Anwendungen auflisten, die nicht beim Anmelden starten
  --on ID         ID beim Anmelden einschalten (mehrfach angebbar)
  --off ID        ID beim Anmelden ausschalten (mehrfach angebbar)
  --help          diesen Text anzeigen
  -V, --version   die Version anzeigen
</translation>
    </message>
    <message>
        <source>%1 needs an id</source>
        <translation>%1 erfordert eine ID</translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot;</source>
        <translation>unerwartetes Argument „%1“</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is both in --on and --off</source>
        <translation>„%1“ steht sowohl bei --on als auch bei --off</translation>
    </message>
    <message>
        <source>no login item &quot;%1&quot; (see the list without --on and --off)</source>
        <translation>kein Autostart-Eintrag „%1“ (siehe die Liste ohne --on und --off)</translation>
    </message>
    <message>
        <source>could not switch &quot;%1&quot; on</source>
        <translation>„%1“ konnte nicht eingeschaltet werden</translation>
    </message>
    <message>
        <source>could not switch &quot;%1&quot; off</source>
        <translation>„%1“ konnte nicht ausgeschaltet werden</translation>
    </message>
</context>
<context>
    <name>LoginItemRow</name>
    <message>
        <source>Part of the desktop</source>
        <translation>Teil des Desktops</translation>
    </message>
</context>
<context>
    <name>MASPreferencesWindowController</name>
    <message>
        <source>Panes</source>
        <translation>Bereiche</translation>
    </message>
</context>
<context>
    <name>MLoginItemsPage</name>
    <message>
        <source>Add an application…</source>
        <translation>Anwendung hinzufügen …</translation>
    </message>
    <message>
        <source>%1: starts at login</source>
        <translation>%1: startet beim Anmelden</translation>
    </message>
    <message>
        <source>%1: does not start at login</source>
        <translation>%1: startet nicht beim Anmelden</translation>
    </message>
    <message>
        <source>Switch off “%1”?</source>
        <translation>„%1“ ausschalten?</translation>
    </message>
    <message>
        <source>It is part of the desktop: the desktop starts it for itself when you log in. Switched off, what it does stops from the next login until you switch it on again.</source>
        <translation>Dieser Eintrag ist Teil des Desktops: Der Desktop startet ihn beim Anmelden selbst. Ausgeschaltet entfällt seine Funktion ab der nächsten Anmeldung, bis Sie ihn wieder einschalten.</translation>
    </message>
    <message>
        <source>Switch Off</source>
        <translation>Ausschalten</translation>
    </message>
    <message>
        <source>No applications start at login</source>
        <translation>Beim Anmelden starten keine Anwendungen</translation>
    </message>
    <message>
        <source>Add an application to start it each time you log in.</source>
        <translation>Fügen Sie eine Anwendung hinzu, um sie bei jeder Anmeldung zu starten.</translation>
    </message>
    <message>
        <source>Switching one off keeps it from starting the next time you log in.</source>
        <translation>Ein ausgeschalteter Eintrag startet bei der nächsten Anmeldung nicht mehr.</translation>
    </message>
    <message numerus="yes">
        <source>%n application(s) start at login</source>
        <translation>
            <numerusform>%n Anwendung startet beim Anmelden</numerusform>
            <numerusform>%n Anwendungen starten beim Anmelden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Switching one off keeps it from starting the next time you log in. %n part(s) of the desktop start too; they are listed last.</source>
        <translation>
            <numerusform>Ein ausgeschalteter Eintrag startet bei der nächsten Anmeldung nicht mehr. Außerdem startet %n Teil des Desktops; er steht am Ende der Liste.</numerusform>
            <numerusform>Ein ausgeschalteter Eintrag startet bei der nächsten Anmeldung nicht mehr. Außerdem starten %n Teile des Desktops; sie stehen am Ende der Liste.</numerusform>
        </translation>
    </message>
    <message>
        <source>Login items</source>
        <translation>Autostart-Einträge</translation>
    </message>
</context>
<context>
    <name>MarkedRemoval</name>
    <message>
        <source>needs administrator rights; skipped</source>
        <translation>erfordert Administratorrechte; übersprungen</translation>
    </message>
</context>
<context>
    <name>MemoryCommand</name>
    <message>
        <source>Memory (%L1 % in use)</source>
        <translation>Arbeitsspeicher (%L1 % belegt)</translation>
    </message>
    <message>
        <source>Memory (usage unavailable: the figures contradict each other)</source>
        <translation>Arbeitsspeicher (Auslastung nicht verfügbar: Die Werte widersprechen sich)</translation>
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
        <translation>  belegt      %1
  im Cache    %2
  Puffer      %3
  frei        %4
  aktiv       %5
  inaktiv     %6
  ausgelagert %7 von %8
  verfügbar   %9
  gesamt      %10
Datenträger von %11
  belegt      %12
  frei        %13
  gesamt      %14
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
        <translation>Aufruf: sweepwright-cli memory [--layout L] [--home H] [--json] [--release]
Gibt die Speicherwerte aus (aus /proc/meminfo oder SWEEPWRIGHT_PROC/meminfo) sowie den belegten
und freien Platz des Datenträgers, der den Ordner „Dokumente“ enthält.
Mit --release wird zuerst Speicher freigegeben: Freier und inaktiver Speicher wird in Schritten
von 64 MiB berührt, sodass der Kernel inaktive Seiten und Datei-Cache zurücknimmt; die Freigabe
endet vorzeitig, bevor der verfügbare Speicher unter max(10 %, 512 MiB) fällt, sobald das System
auszulagern beginnt oder der Speicherdruck steigt. Die freigegebene Menge ist die Änderung des
freien Speichers; sie ist negativ, wenn andere Programme inzwischen Speicher belegt haben.

Eine Freigabe endet nach höchstens %1 GiB solcher Arbeit oder %2 Sekunden. Werte, die sich
widersprechen (mehr freier Speicher als installiert), werden auf die installierte Größe begrenzt
angezeigt, die Auslastung als nicht verfügbar (null in JSON), und es wird nichts freigegeben.

  --json         ein JSON-Objekt ausgeben (mit --release auch &quot;releasedMemory&quot;, &quot;touchedMemory&quot;
                 und &quot;releaseEnd&quot;)
  --release      zuerst Speicher freigeben
  --help         diesen Text anzeigen
  -V, --version  die Version anzeigen
</translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot;</source>
        <translation>unerwartetes Argument „%1“</translation>
    </message>
    <message>
        <source>cannot read the memory figures from %1/meminfo</source>
        <translation>die Speicherwerte können nicht aus %1/meminfo gelesen werden</translation>
    </message>
    <message>
        <source>Released Memory: %1 (%2 touched; %3)</source>
        <translation>Freigegebener Speicher: %1 (%2 berührt; %3)</translation>
    </message>
</context>
<context>
    <name>MemoryRelease</name>
    <message>
        <source>done</source>
        <translation>fertig</translation>
    </message>
    <message>
        <source>stopped: available memory near its floor</source>
        <translation>angehalten: verfügbarer Speicher nahe seiner Untergrenze</translation>
    </message>
    <message>
        <source>stopped: the system began to swap</source>
        <translation>angehalten: Das System hat begonnen auszulagern</translation>
    </message>
    <message>
        <source>stopped: memory pressure</source>
        <translation>angehalten: Speicherdruck</translation>
    </message>
    <message>
        <source>stopped: memory figures unreadable</source>
        <translation>angehalten: Speicherwerte nicht lesbar</translation>
    </message>
    <message>
        <source>stopped: memory figures inconsistent</source>
        <translation>angehalten: Speicherwerte widersprüchlich</translation>
    </message>
    <message>
        <source>stopped: the most one release may do was done</source>
        <translation>angehalten: Das Höchstmaß einer Freigabe ist erreicht</translation>
    </message>
</context>
<context>
    <name>ORBigDataCollection</name>
    <message>
        <source>32 MB to 128 MB</source>
        <translation>32 MB bis 128 MB</translation>
    </message>
    <message>
        <source>Files of 32 MB and more, below 128 MB</source>
        <translation>Dateien ab 32 MB und unter 128 MB</translation>
    </message>
    <message>
        <source>128 MB to 256 MB</source>
        <translation>128 MB bis 256 MB</translation>
    </message>
    <message>
        <source>Files of 128 MB and more, below 256 MB</source>
        <translation>Dateien ab 128 MB und unter 256 MB</translation>
    </message>
    <message>
        <source>256 MB to 512 MB</source>
        <translation>256 MB bis 512 MB</translation>
    </message>
    <message>
        <source>Files of 256 MB and more, below 512 MB</source>
        <translation>Dateien ab 256 MB und unter 512 MB</translation>
    </message>
    <message>
        <source>512 MB to 1 GB</source>
        <translation>512 MB bis 1 GB</translation>
    </message>
    <message>
        <source>Files of 512 MB and more, below 1 GB</source>
        <translation>Dateien ab 512 MB und unter 1 GB</translation>
    </message>
    <message>
        <source>1 GB and more</source>
        <translation>Ab 1 GB</translation>
    </message>
    <message>
        <source>Files of 1 GB and more</source>
        <translation>Dateien ab 1 GB</translation>
    </message>
</context>
<context>
    <name>ORBigNoVeiwCter</name>
    <message>
        <source>Large Files</source>
        <translation>Große Dateien</translation>
    </message>
    <message>
        <source>No large files were found in these folders.</source>
        <translation>In diesen Ordnern wurden keine großen Dateien gefunden.</translation>
    </message>
</context>
<context>
    <name>ORBigResultViewCter</name>
    <message numerus="yes">
        <source>%n file(s)</source>
        <translation>
            <numerusform>%n Datei</numerusform>
            <numerusform>%n Dateien</numerusform>
        </translation>
    </message>
    <message>
        <source>File Sizes</source>
        <translation>Dateigrößen</translation>
    </message>
</context>
<context>
    <name>ORBigViewCter</name>
    <message>
        <source>Large Files</source>
        <translation>Große Dateien</translation>
    </message>
    <message>
        <source>Find the files of 32 MB and more in these folders and move the ones you no longer need to the Trash.</source>
        <translation>Finden Sie die Dateien ab 32 MB in diesen Ordnern und verschieben Sie die nicht mehr benötigten in den Papierkorb.</translation>
    </message>
</context>
<context>
    <name>ORDupDataCollection</name>
    <message>
        <source>In a reference folder: originals are never removed</source>
        <translation>In einem Referenzordner: Originale werden nie entfernt</translation>
    </message>
    <message numerus="yes">
        <source>Modified in the last %n day(s): only older copies go</source>
        <translation>
            <numerusform>In den letzten %n Tag geändert: nur ältere Kopien werden entfernt</numerusform>
            <numerusform>In den letzten %n Tagen geändert: nur ältere Kopien werden entfernt</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ORDupNoViewCter</name>
    <message>
        <source>Duplicates</source>
        <translation>Duplikate</translation>
    </message>
    <message>
        <source>No duplicates were found in these folders.</source>
        <translation>In diesen Ordnern wurden keine Duplikate gefunden.</translation>
    </message>
</context>
<context>
    <name>ORDupResultItemObject</name>
    <message>
        <source>No duplicates here</source>
        <translation>Keine Duplikate vorhanden</translation>
    </message>
    <message>
        <source>Choose another kind, or search for another name.</source>
        <translation>Wählen Sie eine andere Art oder suchen Sie nach einem anderen Namen.</translation>
    </message>
    <message numerus="yes">
        <source>%n copies of %1 each; one copy is always kept.</source>
        <translation>
            <numerusform>%n Kopie zu %1; eine Kopie bleibt immer erhalten.</numerusform>
            <numerusform>%n Kopien zu je %1; eine Kopie bleibt immer erhalten.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 copy of %1 is listed; the others lie in protected places.</source>
        <translation>1 Kopie zu %1 aufgeführt; die anderen liegen an geschützten Orten.</translation>
    </message>
    <message numerus="yes">
        <source>%n item(s), %1 in all; each may go to the Trash.</source>
        <translation>
            <numerusform>%n Element, %1; es kann in den Papierkorb verschoben werden.</numerusform>
            <numerusform>%n Elemente, insgesamt %1; jedes kann in den Papierkorb verschoben werden.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ORDupResultViewCter</name>
    <message>
        <source>Select every copy but one of each group listed, or clear them</source>
        <translation>Alle Kopien außer einer in jeder angezeigten Gruppe auswählen oder die Auswahl aufheben</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Alle</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Liste</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>Search by name</source>
        <translation>Nach Namen suchen</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Copies</source>
        <translation>Kopien</translation>
    </message>
    <message>
        <source>Sort the groups</source>
        <translation>Gruppen sortieren</translation>
    </message>
    <message>
        <source>Which copy of each group Select keeps. Best original keeps the copy outside Downloads, the Trash and temporary folders, without a copy mark such as &quot;(1)&quot; in its name, the oldest, in the deepest folder.</source>
        <translation>Welche Kopie jeder Gruppe „Auswählen“ behält. „Bestes Original“ behält die Kopie außerhalb von Downloads, Papierkorb und temporären Ordnern, ohne Kopienzusatz wie „(1)“ im Namen, die älteste, im am tiefsten verschachtelten Ordner.</translation>
    </message>
    <message>
        <source>All duplicates</source>
        <translation>Alle Duplikate</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n set(s), %2</source>
        <extracomment>The kind listed (&quot;All duplicates&quot;, &quot;Documents&quot;, ...), the number of sets and their size</extracomment>
        <translation>
            <numerusform>%1: %n Gruppe, %2</numerusform>
            <numerusform>%1: %n Gruppen, %2</numerusform>
        </translation>
    </message>
    <message>
        <source>Each set holds copies of one file. Select keeps one copy of each set.</source>
        <translation>Jede Gruppe enthält Kopien einer Datei. „Auswählen“ behält eine Kopie jeder Gruppe.</translation>
    </message>
    <message>
        <source>Groups of duplicates</source>
        <translation>Gruppen von Duplikaten</translation>
    </message>
    <message>
        <source>Kind of files</source>
        <translation>Dateiart</translation>
    </message>
    <message>
        <source>Show as</source>
        <translation>Ansicht</translation>
    </message>
    <message>
        <source>Search the duplicates by name</source>
        <translation>Duplikate nach Namen suchen</translation>
    </message>
    <message>
        <source>The copy Select keeps</source>
        <translation>Von „Auswählen“ behaltene Kopie</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Exportieren…</translation>
    </message>
    <message>
        <source>Export the result</source>
        <translation>Ergebnis exportieren</translation>
    </message>
    <message>
        <source>Save the groups as a CSV table, or as JSON to open again later</source>
        <translation>Die Gruppen als CSV-Tabelle speichern oder als JSON, um sie später wieder zu öffnen</translation>
    </message>
    <message numerus="yes">
        <source>Empty and broken: %n item(s), %1</source>
        <translation>
            <numerusform>Leer und defekt: %n Element, %1</numerusform>
            <numerusform>Leer und defekt: %n Elemente, %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Empty files, folders that hold only empty folders, and links whose target is missing.</source>
        <translation>Leere Dateien, Ordner, die nur leere Ordner enthalten, und Verknüpfungen, deren Ziel fehlt.</translation>
    </message>
</context>
<context>
    <name>ORDupViewCter</name>
    <message>
        <source>Duplicates</source>
        <translation>Duplikate</translation>
    </message>
    <message>
        <source>Quick scan: compare samples only, not whole files</source>
        <translation>Schnelles Durchsuchen: nur Stichproben vergleichen, nicht ganze Dateien</translation>
    </message>
    <message>
        <source>Faster, but files that agree only in the parts compared are reported as duplicates too.</source>
        <translation>Schneller, aber auch Dateien, die nur in den verglichenen Teilen übereinstimmen, werden als Duplikate gemeldet.</translation>
    </message>
    <message>
        <source>Files of %1 and less are not compared.</source>
        <translation>Dateien bis %1 werden nicht verglichen.</translation>
    </message>
    <message numerus="yes">
        <source>Found %n set(s) of duplicates, %1</source>
        <translation>
            <numerusform>%n Gruppe von Duplikaten gefunden, %1</numerusform>
            <numerusform>%n Gruppen von Duplikaten gefunden, %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Empty and broken</source>
        <translation>Leer und defekt</translation>
    </message>
    <message>
        <source>What to find</source>
        <translation>Was gesucht wird</translation>
    </message>
    <message>
        <source>Copies of the same file, or empty files, empty folders and broken links</source>
        <translation>Kopien derselben Datei oder leere Dateien, leere Ordner und defekte Verknüpfungen</translation>
    </message>
    <message>
        <source>Open a Saved Result…</source>
        <translation>Gespeichertes Ergebnis öffnen…</translation>
    </message>
    <message>
        <source>Open a saved result</source>
        <translation>Gespeichertes Ergebnis öffnen</translation>
    </message>
    <message>
        <source>Open a result exported as JSON; it is checked against the disk first</source>
        <translation>Ein als JSON exportiertes Ergebnis öffnen; es wird zuerst mit dem Datenträger abgeglichen</translation>
    </message>
    <message>
        <source>Open a Saved Result</source>
        <translation>Gespeichertes Ergebnis öffnen</translation>
    </message>
    <message>
        <source>Saved results (*.json)</source>
        <translation>Gespeicherte Ergebnisse (*.json)</translation>
    </message>
    <message numerus="yes">
        <source>%n item(s) of the saved result were left out: they changed since it was saved, or cannot be acted on.</source>
        <translation>
            <numerusform>%n Element des gespeicherten Ergebnisses wurde ausgelassen: Es hat sich seit dem Speichern geändert oder kann nicht bearbeitet werden.</numerusform>
            <numerusform>%n Elemente des gespeicherten Ergebnisses wurden ausgelassen: Sie haben sich seit dem Speichern geändert oder können nicht bearbeitet werden.</numerusform>
        </translation>
    </message>
    <message>
        <source>Find the files that are stored more than once in these folders and move the extra copies to the Trash or replace them with links.</source>
        <translation>Finden Sie die Dateien, die in diesen Ordnern mehrfach gespeichert sind, und verschieben Sie die überzähligen Kopien in den Papierkorb oder ersetzen Sie sie durch Links.</translation>
    </message>
</context>
<context>
    <name>ORExtDataCollection</name>
    <message>
        <source>Extensions</source>
        <translation>Erweiterungen</translation>
    </message>
    <message>
        <source>Kernel extensions: drivers and system features that applications added.</source>
        <translation>Kernel-Erweiterungen: Treiber und Systemfunktionen, die Anwendungen hinzugefügt haben.</translation>
    </message>
    <message>
        <source>Kernel</source>
        <translation>Kernel</translation>
    </message>
    <message>
        <source>Browser Extensions</source>
        <translation>Browser-Erweiterungen</translation>
    </message>
    <message>
        <source>Add-ons installed in the profiles of your web browsers. A removed extension is gone once the browser has been restarted.</source>
        <translation>Add-ons, die in den Profilen Ihrer Webbrowser installiert sind. Eine entfernte Erweiterung verschwindet, sobald der Browser neu gestartet wurde.</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>Browser</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Preference panes that applications added to System Preferences.</source>
        <translation>Einstellungsbereiche, die Anwendungen zu den Systemeinstellungen hinzugefügt haben.</translation>
    </message>
    <message>
        <source>System Preferences</source>
        <translation>Systemeinstellungen</translation>
    </message>
    <message>
        <source>Desktop Extensions</source>
        <translation>Desktop-Erweiterungen</translation>
    </message>
    <message>
        <source>Shell extensions, widgets and applets you added to your desktop. A removed one is gone once the desktop shell has been restarted or you have logged in again.</source>
        <translation>Shell-Erweiterungen, Widgets und Applets, die Sie Ihrem Desktop hinzugefügt haben. Eine entfernte Erweiterung verschwindet, sobald die Desktop-Shell neu gestartet wurde oder Sie sich erneut angemeldet haben.</translation>
    </message>
    <message>
        <source>Desktop</source>
        <translation>Desktop</translation>
    </message>
    <message>
        <source>Internet Plug-Ins</source>
        <translation>Internet-Plug-ins</translation>
    </message>
    <message>
        <source>Plug-ins that browsers and other programs load to show web content.</source>
        <translation>Plug-ins, die Browser und andere Programme laden, um Webinhalte anzuzeigen.</translation>
    </message>
    <message>
        <source>Browsers</source>
        <translation>Browser</translation>
    </message>
    <message>
        <source>Browser Plug-Ins</source>
        <translation>Browser-Plug-ins</translation>
    </message>
    <message>
        <source>Plug-in libraries the browsers load from your home folder. A removed plug-in is gone once the browser has been restarted.</source>
        <translation>Plug-in-Bibliotheken, die die Browser aus Ihrem persönlichen Ordner laden. Ein entferntes Plug-in verschwindet, sobald der Browser neu gestartet wurde.</translation>
    </message>
    <message>
        <source>Mozilla</source>
        <translation>Mozilla</translation>
    </message>
    <message>
        <source>QuickLook Plug-Ins</source>
        <translation>QuickLook-Plug-ins</translation>
    </message>
    <message>
        <source>Plug-ins that let Quick Look preview more kinds of files.</source>
        <translation>Plug-ins, mit denen Quick Look weitere Dateiarten in der Vorschau zeigen kann.</translation>
    </message>
    <message>
        <source>Quick Look</source>
        <translation>Quick Look</translation>
    </message>
    <message>
        <source>Thumbnailers</source>
        <translation>Vorschaubild-Erzeuger</translation>
    </message>
    <message>
        <source>Programs that draw the previews of files in your file manager. Previews drawn already stay until the file manager has been restarted and the thumbnail cache cleaned.</source>
        <translation>Programme, die die Vorschaubilder von Dateien in Ihrer Dateiverwaltung erzeugen. Bereits erzeugte Vorschaubilder bleiben, bis die Dateiverwaltung neu gestartet und der Vorschaubild-Cache bereinigt wurde.</translation>
    </message>
    <message>
        <source>File manager</source>
        <translation>Dateiverwaltung</translation>
    </message>
    <message>
        <source>Spotlight Plug-Ins</source>
        <translation>Spotlight-Plug-ins</translation>
    </message>
    <message>
        <source>Plug-ins that let Spotlight search more kinds of files.</source>
        <translation>Plug-ins, mit denen Spotlight weitere Dateiarten durchsuchen kann.</translation>
    </message>
    <message>
        <source>Spotlight</source>
        <translation>Spotlight</translation>
    </message>
    <message>
        <source>Search Providers</source>
        <translation>Suchanbieter</translation>
    </message>
    <message>
        <source>Applications that add their results to the desktop&apos;s search. A removed provider is gone once the desktop shell has been restarted.</source>
        <translation>Anwendungen, die ihre Ergebnisse zur Suche des Desktops beisteuern. Ein entfernter Anbieter verschwindet, sobald die Desktop-Shell neu gestartet wurde.</translation>
    </message>
    <message>
        <source>Desktop search</source>
        <translation>Desktop-Suche</translation>
    </message>
</context>
<context>
    <name>ORExtensionResultViewCter</name>
    <message>
        <source>Enabled</source>
        <translation>Aktiviert</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Deaktiviert</translation>
    </message>
    <message>
        <source>Extensions</source>
        <translation>Erweiterungen</translation>
    </message>
    <message>
        <source>Nothing of this kind is installed.</source>
        <translation>Es ist nichts dieser Art installiert.</translation>
    </message>
</context>
<context>
    <name>ORExtensionViewCter</name>
    <message>
        <source>Extensions</source>
        <translation>Erweiterungen</translation>
    </message>
    <message>
        <source>See the add-ons installed in your browsers and your desktop, and remove the ones you no longer use.</source>
        <translation>Die in Ihren Browsern und Ihrem Desktop installierten Add-ons: Entfernen Sie die, die Sie nicht mehr verwenden.</translation>
    </message>
</context>
<context>
    <name>ORFileConvertViewCter</name>
    <message>
        <source>Icons</source>
        <translation>Symbole</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Liste</translation>
    </message>
    <message>
        <source>In %1. These files are a temporary copy, removed when you leave this page: save them or extract them to keep them.</source>
        <translation>In %1. Diese Dateien sind eine temporäre Kopie, die beim Verlassen dieser Seite entfernt wird: Speichern oder entpacken Sie sie, um sie zu behalten.</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message numerus="yes">
        <source>%n item(s) could not be saved.</source>
        <translation>
            <numerusform>%n Element konnte nicht gespeichert werden.</numerusform>
            <numerusform>%n Elemente konnten nicht gespeichert werden.</numerusform>
        </translation>
    </message>
    <message>
        <source>Extract To</source>
        <translation>Entpacken nach</translation>
    </message>
    <message>
        <source>Extract</source>
        <translation>Entpacken</translation>
    </message>
    <message>
        <source>The folder %1 could not be made</source>
        <translation>Der Ordner %1 konnte nicht angelegt werden</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 ist kein Ordner</translation>
    </message>
    <message>
        <source>Show as</source>
        <translation>Ansicht</translation>
    </message>
    <message>
        <source>Extracted files</source>
        <translation>Entpackte Dateien</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;Speichern …</translation>
    </message>
    <message>
        <source>&amp;Extract to...</source>
        <translation>&amp;Entpacken nach …</translation>
    </message>
    <message>
        <source>&amp;Mail</source>
        <translation>E-&amp;Mail senden</translation>
    </message>
</context>
<context>
    <name>ORFileDataCollection</name>
    <message>
        <source>A winmail file is listed only by decoding it</source>
        <translation>Eine winmail-Datei kann nur durch Dekodieren aufgelistet werden</translation>
    </message>
    <message>
        <source>Cannot create the folder</source>
        <translation>Der Ordner kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>Not a winmail.dat file, or a damaged one</source>
        <translation>Keine winmail.dat-Datei oder eine beschädigte</translation>
    </message>
    <message>
        <source>Cannot read the file</source>
        <translation>Die Datei kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>Cannot create the folder %1</source>
        <translation>Der Ordner %1 kann nicht angelegt werden</translation>
    </message>
</context>
<context>
    <name>ORFileDropView</name>
    <message>
        <source>Drop an archive or a winmail.dat file here</source>
        <translation>Archiv oder winmail.dat-Datei hier ablegen</translation>
    </message>
    <message>
        <source>or</source>
        <translation>oder</translation>
    </message>
    <message>
        <source>Choose a File...</source>
        <translation>Datei auswählen …</translation>
    </message>
    <message>
        <source>Choose an Archive</source>
        <translation>Archiv auswählen</translation>
    </message>
    <message>
        <source>Archives (%1)</source>
        <translation>Archive (%1)</translation>
    </message>
</context>
<context>
    <name>ORFileIntroViewCter</name>
    <message>
        <source>Unarchive error or password error, try again!</source>
        <translation>Fehler beim Entpacken oder falsches Passwort. Bitte versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>This archive format is not supported</source>
        <translation>Dieses Archivformat wird nicht unterstützt</translation>
    </message>
    <message>
        <source>Not enough free space</source>
        <translation>Nicht genügend freier Speicherplatz</translation>
    </message>
    <message>
        <source>Archives</source>
        <translation>Archive</translation>
    </message>
    <message>
        <source>Open zip, rar, 7z, tar and many other archives, and the attachments in winmail.dat files: see what is inside, then open, save or mail it.</source>
        <translation>Öffnen Sie zip-, rar-, 7z-, tar- und viele andere Archive sowie Anhänge aus winmail.dat-Dateien: Inhalt ansehen, dann öffnen, speichern oder per E-Mail senden.</translation>
    </message>
    <message>
        <source>File name encoding:</source>
        <translation>Kodierung der Dateinamen:</translation>
    </message>
    <message>
        <source>zip, rar, 7z, tar, gz, bz2, xz, iso, cab, lzh, arj, cpio, deb, rpm, winmail.dat and more</source>
        <translation>zip, rar, 7z, tar, gz, bz2, xz, iso, cab, lzh, arj, cpio, deb, rpm, winmail.dat und mehr</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Extracting...</source>
        <translation>Wird entpackt …</translation>
    </message>
</context>
<context>
    <name>ORFolderTableCellView</name>
    <message>
        <source>Remove from the List</source>
        <translation>Aus der Liste entfernen</translation>
    </message>
    <message>
        <source>Reference Folder</source>
        <translation>Referenzordner</translation>
    </message>
    <message>
        <source>Reference folder: the originals live here and its copies are never selected. Click to make it an ordinary folder.</source>
        <translation>Referenzordner: Hier liegen die Originale, seine Kopien werden nie ausgewählt. Klicken Sie, um ihn zu einem gewöhnlichen Ordner zu machen.</translation>
    </message>
    <message>
        <source>Make this a reference folder: the originals live here and its copies are never selected.</source>
        <translation>Zum Referenzordner machen: Hier liegen die Originale, seine Kopien werden nie ausgewählt.</translation>
    </message>
</context>
<context>
    <name>ORItemTableCellView</name>
    <message>
        <source>Show in the File Manager</source>
        <translation>In der Dateiverwaltung anzeigen</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
</context>
<context>
    <name>ORJunkFilesCollection</name>
    <message>
        <source>Application Junk Files</source>
        <translation>Datenmüll von Anwendungen</translation>
    </message>
    <message>
        <source>Caches and logs that applications keep to start and work faster. An application makes them again when it needs them.</source>
        <translation>Caches und Protokolldateien, die Anwendungen anlegen, um schneller zu starten und zu arbeiten. Eine Anwendung legt sie bei Bedarf neu an.</translation>
    </message>
    <message>
        <source>Leftover Files</source>
        <translation>Überreste</translation>
    </message>
    <message>
        <source>Settings, saved window states and launch agents of applications other than the system&apos;s own.</source>
        <translation>Einstellungen, gespeicherte Fensterzustände und Startagenten von Anwendungen, die nicht zum System gehören.</translation>
    </message>
    <message>
        <source>Menu and login entries whose program is no longer installed, and the data of Flatpak applications that were removed.</source>
        <translation>Menü- und Autostart-Einträge, deren Programm nicht mehr installiert ist, sowie die Daten entfernter Flatpak-Anwendungen.</translation>
    </message>
    <message>
        <source>System Cache Files</source>
        <translation>System-Cache-Dateien</translation>
    </message>
    <message>
        <source>Caches of the system&apos;s own programs and services. They are made again when needed.</source>
        <translation>Caches der Programme und Dienste des Systems. Sie werden bei Bedarf neu angelegt.</translation>
    </message>
    <message>
        <source>Caches of the system&apos;s programs in /var/cache, such as packages the package manager downloaded. They are made again when needed.</source>
        <translation>Caches der Systemprogramme in /var/cache, etwa vom Paketmanager heruntergeladene Pakete. Sie werden bei Bedarf neu angelegt.</translation>
    </message>
    <message>
        <source>System Log Files</source>
        <translation>System-Protokolldateien</translation>
    </message>
    <message>
        <source>Records of what the system and its services did. They help to find the cause of a fault; nothing needs them to run.</source>
        <translation>Aufzeichnungen darüber, was das System und seine Dienste getan haben. Sie helfen, die Ursache eines Fehlers zu finden; für den Betrieb werden sie nicht benötigt.</translation>
    </message>
    <message>
        <source>Mail Attachments</source>
        <translation>E-Mail-Anhänge</translation>
    </message>
    <message>
        <source>Copies of attachments saved when you opened them. The messages keep their own copy.</source>
        <translation>Kopien von Anhängen, die beim Öffnen gespeichert wurden. Die Nachrichten behalten ihre eigene Kopie.</translation>
    </message>
    <message>
        <source>iTunes Junk Files</source>
        <translation>iTunes-Datenmüll</translation>
    </message>
    <message>
        <source>iPhone and iPad software updates and copies of their applications that iTunes downloaded.</source>
        <translation>Softwareaktualisierungen für iPhone und iPad sowie Kopien ihrer Apps, die iTunes heruntergeladen hat.</translation>
    </message>
    <message>
        <source>iOS Backups</source>
        <translation>iOS-Sicherungen</translation>
    </message>
    <message>
        <source>Backups of iPhones and iPads made on this computer.</source>
        <translation>Sicherungen von iPhones und iPads, die auf diesem Computer erstellt wurden.</translation>
    </message>
    <message>
        <source>iOS Software Updates</source>
        <translation>iOS-Softwareaktualisierungen</translation>
    </message>
    <message>
        <source>Software updates for iPhones and iPads that were downloaded.</source>
        <translation>Heruntergeladene Softwareaktualisierungen für iPhones und iPads.</translation>
    </message>
    <message>
        <source>Trash</source>
        <translation>Papierkorb</translation>
    </message>
    <message>
        <source>Everything you moved to the Trash and did not empty yet.</source>
        <translation>Alles, was Sie in den Papierkorb verschoben und noch nicht geleert haben.</translation>
    </message>
    <message>
        <source>Downloads</source>
        <translation>Downloads</translation>
    </message>
    <message>
        <source>Everything in your Downloads folder, which may hold files you keep.</source>
        <translation>Alles in Ihrem Ordner „Downloads“, der auch Dateien enthalten kann, die Sie behalten möchten.</translation>
    </message>
    <message>
        <source>Xcode DerivedData</source>
        <translation>Xcode DerivedData</translation>
    </message>
    <message>
        <source>Build products and indexes that Xcode makes again when a project is built.</source>
        <translation>Build-Ergebnisse und Indizes, die Xcode beim Erstellen eines Projekts neu anlegt.</translation>
    </message>
    <message>
        <source>Developer Build Caches</source>
        <translation>Build-Caches für Entwickler</translation>
    </message>
    <message>
        <source>Package and build caches of npm, Gradle, Cargo and Go, which are downloaded again when a build needs them.</source>
        <translation>Paket- und Build-Caches von npm, Gradle, Cargo und Go, die erneut heruntergeladen werden, wenn ein Build sie benötigt.</translation>
    </message>
    <message>
        <source>Browser Junk Files</source>
        <translation>Browser-Datenmüll</translation>
    </message>
    <message>
        <source>Pages and images your browsers keep to show sites faster, their history and their cookies. Without cookies you are signed out of websites.</source>
        <translation>Seiten und Bilder, die Ihre Browser speichern, um Websites schneller anzuzeigen, sowie deren Verlauf und Cookies. Ohne Cookies sind Sie bei Websites abgemeldet.</translation>
    </message>
    <message>
        <source>Pages and images your browsers keep to show sites faster, and their history and cookies, which start unticked: without cookies you are signed out of websites.</source>
        <translation>Seiten und Bilder, die Ihre Browser speichern, um Websites schneller anzuzeigen, sowie deren Verlauf und Cookies, die anfangs abgewählt sind: Ohne Cookies sind Sie bei Websites abgemeldet.</translation>
    </message>
    <message numerus="yes">
        <source>Only items older than %n day(s) are listed.</source>
        <translation>
            <numerusform>Nur Elemente, die älter als %n Tag sind, werden aufgeführt.</numerusform>
            <numerusform>Nur Elemente, die älter als %n Tage sind, werden aufgeführt.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ORJunkViewCter</name>
    <message>
        <source>Junk Clean</source>
        <translation>Datenmüll</translation>
    </message>
    <message>
        <source>Find caches, logs, leftovers of removed applications, the Trash and other files you no longer need, and free up space safely.</source>
        <translation>Finden Sie Caches, Protokolldateien, Überreste entfernter Anwendungen, den Papierkorb und andere nicht mehr benötigte Dateien und geben Sie sicher Speicherplatz frei.</translation>
    </message>
</context>
<context>
    <name>ORJunksResultViewCter</name>
    <message>
        <source>Categories</source>
        <translation>Kategorien</translation>
    </message>
    <message>
        <source>Nothing to clean in this category.</source>
        <translation>In dieser Kategorie gibt es nichts zu bereinigen.</translation>
    </message>
</context>
<context>
    <name>ORLayout</name>
    <message>
        <source>unknown layout &quot;%1&quot; (use freedesktop or macos)</source>
        <translation>unbekanntes Layout „%1“ (freedesktop oder macos verwenden)</translation>
    </message>
    <message>
        <source>no home folder: user %1 has no password entry and $HOME is not set (give --home)</source>
        <translation>kein persönlicher Ordner: Benutzer %1 hat keinen passwd-Eintrag und $HOME ist nicht gesetzt (--home angeben)</translation>
    </message>
    <message>
        <source>  --layout L    where to look: freedesktop (default) or macos
  --root R      the file-system root the layout&apos;s system folders are under (default /)
  --home H      the home folder to look in (default: the real user&apos;s home)
</source>
        <translation>  --layout L    wo gesucht wird: freedesktop (Standard) oder macos
  --root R      der Wurzelordner, unter dem die Systemordner des Layouts liegen (Standard /)
  --home H      der persönliche Ordner für die Suche (Standard: der des tatsächlichen Benutzers)
</translation>
    </message>
</context>
<context>
    <name>ORMainWinController</name>
    <message>
        <source>Open Sweepwright</source>
        <translation>Sweepwright öffnen</translation>
    </message>
    <message>
        <source>Release Memory</source>
        <translation>Speicher freigeben</translation>
    </message>
    <message>
        <source>Preferences…</source>
        <translation>Einstellungen …</translation>
    </message>
    <message>
        <source>Quit Sweepwright</source>
        <translation>Sweepwright beenden</translation>
    </message>
    <message>
        <source>Junk Clean</source>
        <translation>Datenmüll</translation>
    </message>
    <message>
        <source>Archives</source>
        <translation>Archive</translation>
    </message>
    <message>
        <source>Login Items</source>
        <translation>Autostart</translation>
    </message>
    <message>
        <source>Duplicates</source>
        <translation>Duplikate</translation>
    </message>
    <message>
        <source>Large Files</source>
        <translation>Große Dateien</translation>
    </message>
    <message>
        <source>Uninstaller</source>
        <translation>Deinstallation</translation>
    </message>
    <message>
        <source>Shredder</source>
        <translation>Schredder</translation>
    </message>
    <message>
        <source>Memory</source>
        <translation>Speicher</translation>
    </message>
    <message>
        <source>Toolbox</source>
        <translation>Werkzeuge</translation>
    </message>
    <message>
        <source>Extensions</source>
        <translation>Erweiterungen</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Verlauf</translation>
    </message>
</context>
<context>
    <name>ORMemViewCter</name>
    <message>
        <source>Memory</source>
        <translation>Arbeitsspeicher</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>Datenträger</translation>
    </message>
    <message>
        <source>Used</source>
        <translation>Belegt</translation>
    </message>
    <message>
        <source>Available</source>
        <translation>Verfügbar</translation>
    </message>
    <message>
        <source>Cached</source>
        <translation>Im Cache</translation>
    </message>
    <message>
        <source>Buffers</source>
        <translation>Puffer</translation>
    </message>
    <message>
        <source>Free</source>
        <translation>Frei</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Gesamt</translation>
    </message>
    <message>
        <source>Swap</source>
        <translation>Auslagerungsspeicher</translation>
    </message>
    <message>
        <source>Release Memory asks the kernel to give back the memory it holds as cache. Programs read those files from the disk again when they need them, so the computer does not get faster.</source>
        <translation>„Speicher freigeben“ bittet den Kernel, den als Cache belegten Speicher freizugeben. Programme lesen diese Dateien bei Bedarf erneut vom Datenträger, daher wird der Computer dadurch nicht schneller.</translation>
    </message>
    <message>
        <source>Released Memory</source>
        <translation>Freigegebener Speicher</translation>
    </message>
    <message>
        <source>%1 of %2 in use</source>
        <translation>%1 von %2 belegt</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nicht vorhanden</translation>
    </message>
    <message>
        <source>Unavailable</source>
        <translation>Nicht verfügbar</translation>
    </message>
    <message>
        <source>Memory in use</source>
        <translation>Belegter Arbeitsspeicher</translation>
    </message>
    <message>
        <source>Disk space in use</source>
        <translation>Belegter Speicherplatz</translation>
    </message>
    <message>
        <source>&amp;Release Memory</source>
        <translation>&amp;Speicher freigeben</translation>
    </message>
</context>
<context>
    <name>ORNoJunkViewCter</name>
    <message>
        <source>No category was scanned</source>
        <translation>Es wurde keine Kategorie durchsucht</translation>
    </message>
    <message>
        <source>Choose the kinds of junk to look for in Preferences, under Junk Clean.</source>
        <translation>Wählen Sie in den Einstellungen unter „Datenmüll“ aus, nach welchen Arten von Datenmüll gesucht wird.</translation>
    </message>
</context>
<context>
    <name>ORPdfCompressViewCter</name>
    <message>
        <source>Page %1 of %2</source>
        <translation>Seite %1 von %2</translation>
    </message>
    <message>
        <source>PDF Compressor</source>
        <translation>PDF-Verkleinerung</translation>
    </message>
    <message>
        <source>Makes a smaller copy of a PDF document; the document itself is left as it is.</source>
        <translation>Erstellt eine kleinere Kopie eines PDF-Dokuments; das Dokument selbst bleibt unverändert.</translation>
    </message>
    <message>
        <source>Drop a PDF document here</source>
        <translation>PDF-Dokument hier ablegen</translation>
    </message>
    <message>
        <source>Choose a PDF…</source>
        <translation>PDF auswählen …</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Save…</source>
        <translation>Speichern …</translation>
    </message>
    <message>
        <source>Mail</source>
        <translation>E-Mail senden</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Seiten</translation>
    </message>
    <message>
        <source>Before</source>
        <translation>Vorher</translation>
    </message>
    <message>
        <source>After</source>
        <translation>Nachher</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>Qualität</translation>
    </message>
    <message>
        <source>Smallest file (images at 50 ppi)</source>
        <translation>Kleinste Datei (Bilder mit 50 ppi)</translation>
    </message>
    <message>
        <source>Medium (images at 150 ppi)</source>
        <translation>Mittel (Bilder mit 150 ppi)</translation>
    </message>
    <message>
        <source>Best quality (images at 300 ppi)</source>
        <translation>Beste Qualität (Bilder mit 300 ppi)</translation>
    </message>
    <message>
        <source>Choose a PDF document</source>
        <translation>PDF-Dokument auswählen</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf *.PDF)</source>
        <translation>PDF-Dokumente (*.pdf *.PDF)</translation>
    </message>
    <message>
        <source>“%1” is not a PDF document that can be read.</source>
        <translation>„%1“ ist kein lesbares PDF-Dokument.</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>Please enter the password</source>
        <translation>Bitte geben Sie das Passwort ein</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Compressor</source>
        <translation>Verkleinerung</translation>
    </message>
    <message>
        <source>Already compact: no smaller copy could be made</source>
        <translation>Bereits kompakt: Es konnte keine kleinere Kopie erstellt werden</translation>
    </message>
    <message>
        <source>This copy is not password protected</source>
        <translation>Diese Kopie ist nicht passwortgeschützt</translation>
    </message>
    <message>
        <source>Save the compressed PDF</source>
        <translation>Verkleinertes PDF speichern</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>PDF-Dokumente (*.pdf)</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>“%1” already exists. Do you want to replace it?</source>
        <translation>„%1“ ist bereits vorhanden. Möchten Sie die Datei ersetzen?</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Ersetzen</translation>
    </message>
    <message>
        <source>The copy could not be saved as “%1”.</source>
        <translation>Die Kopie konnte nicht als „%1“ gespeichert werden.</translation>
    </message>
</context>
<context>
    <name>ORPdfWindowCter</name>
    <message>
        <source>PDF Compressor</source>
        <translation>PDF-Verkleinerung</translation>
    </message>
</context>
<context>
    <name>ORShredViewCter</name>
    <message>
        <source>Shredder</source>
        <translation>Schredder</translation>
    </message>
    <message>
        <source>Files and folders shredded here are removed at once, not moved to the Trash.</source>
        <translation>Hier geschredderte Dateien und Ordner werden sofort entfernt, nicht in den Papierkorb verschoben.</translation>
    </message>
    <message>
        <source>To shred</source>
        <translation>Zu schreddern</translation>
    </message>
    <message>
        <source>Drop files and folders here</source>
        <translation>Dateien und Ordner hier ablegen</translation>
    </message>
    <message>
        <source>Overwrite contents before removing</source>
        <translation>Inhalt vor dem Entfernen überschreiben</translation>
    </message>
    <message>
        <source>On SSDs and copy-on-write file systems, overwriting cannot guarantee that the old data is gone.</source>
        <translation>Auf SSDs und Copy-on-Write-Dateisystemen kann das Überschreiben nicht garantieren, dass die alten Daten verschwunden sind.</translation>
    </message>
    <message>
        <source>&amp;Shred</source>
        <translation>&amp;Schreddern</translation>
    </message>
</context>
<context>
    <name>ORToolViewCter</name>
    <message>
        <source>Toolbox</source>
        <translation>Werkzeuge</translation>
    </message>
    <message>
        <source>Make PDF files smaller, or open the desktop&apos;s own tools for this computer, its disks and its extensions.</source>
        <translation>Verkleinern Sie PDF-Dateien oder öffnen Sie die Werkzeuge des Desktops für diesen Computer, seine Datenträger und seine Erweiterungen.</translation>
    </message>
    <message>
        <source>PDF Compressor</source>
        <translation>PDF-Verkleinerung</translation>
    </message>
    <message>
        <source>System Information</source>
        <translation>Systeminformationen</translation>
    </message>
    <message>
        <source>Disk Utility</source>
        <translation>Laufwerke</translation>
    </message>
    <message>
        <source>Extensions</source>
        <translation>Erweiterungen</translation>
    </message>
    <message>
        <source>Open the Extensions page</source>
        <translation>Die Seite „Erweiterungen“ öffnen</translation>
    </message>
    <message>
        <source>Not installed</source>
        <translation>Nicht installiert</translation>
    </message>
    <message>
        <source>The PDF compressor cannot be opened: its plugin is missing or broken.

%1</source>
        <translation>Die PDF-Verkleinerung kann nicht geöffnet werden: Ihr Plugin fehlt oder ist beschädigt.

%1</translation>
    </message>
    <message>
        <source>%1 could not be opened.</source>
        <translation>%1 konnte nicht geöffnet werden.</translation>
    </message>
</context>
<context>
    <name>ORUninstDelViewCter</name>
    <message>
        <source>Open Trash</source>
        <translation>Papierkorb öffnen</translation>
    </message>
    <message>
        <source>What went to the Trash can be restored from there</source>
        <translation>Was in den Papierkorb verschoben wurde, kann von dort wiederhergestellt werden</translation>
    </message>
</context>
<context>
    <name>ORUninstResultViewCter</name>
    <message>
        <source>Application</source>
        <translation>Anwendung</translation>
    </message>
    <message>
        <source>AppImage</source>
        <translation>AppImage</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Persönlich</translation>
    </message>
    <message>
        <source>Flatpak</source>
        <translation>Flatpak</translation>
    </message>
    <message>
        <source>Package</source>
        <translation>Paket</translation>
    </message>
    <message numerus="yes">
        <source>%n item(s)</source>
        <translation>
            <numerusform>%n Element</numerusform>
            <numerusform>%n Elemente</numerusform>
        </translation>
    </message>
    <message>
        <source>Caches</source>
        <translation>Caches</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Your data</source>
        <translation>Ihre Daten</translation>
    </message>
    <message>
        <source>Removed only with the application: tick the application first</source>
        <translation>Wird nur mit der Anwendung entfernt: Wählen Sie zuerst die Anwendung aus</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Sort the applications</source>
        <translation>Anwendungen sortieren</translation>
    </message>
    <message>
        <source>Last Modified: %1</source>
        <translation>Zuletzt geändert: %1</translation>
    </message>
    <message>
        <source>Applications</source>
        <translation>Anwendungen</translation>
    </message>
    <message>
        <source>Search the applications</source>
        <translation>In Anwendungen suchen</translation>
    </message>
</context>
<context>
    <name>ORUninstViewCter</name>
    <message>
        <source>Uninstaller</source>
        <translation>Deinstallation</translation>
    </message>
    <message>
        <source>See every installed application with the caches, settings and data it leaves behind, and remove an application completely or just its leftovers. What you remove goes to the Trash; your own data stays unless you tick it.</source>
        <translation>Alle installierten Anwendungen mit den Caches, Einstellungen und Daten, die sie hinterlassen: Entfernen Sie eine Anwendung vollständig oder nur ihre Überreste. Was Sie entfernen, kommt in den Papierkorb; Ihre eigenen Daten bleiben, sofern Sie sie nicht auswählen.</translation>
    </message>
    <message>
        <source>See every installed application with the caches, settings and data it keeps, and remove an application together with them. Files of yours go to the Trash; your own data stays unless you tick it.</source>
        <translation>Alle installierten Anwendungen mit ihren Caches, Einstellungen und Daten: Entfernen Sie eine Anwendung zusammen mit diesen. Ihre Dateien kommen in den Papierkorb; Ihre eigenen Daten bleiben, sofern Sie sie nicht auswählen.</translation>
    </message>
    <message>
        <source>Scanning the installed applications…</source>
        <translation>Die installierten Anwendungen werden durchsucht …</translation>
    </message>
    <message>
        <source>Collecting...</source>
        <translation>Wird gesammelt …</translation>
    </message>
    <message>
        <source>Fewer than two applications were found: there is nothing to uninstall.</source>
        <translation>Es wurden weniger als zwei Anwendungen gefunden: Es gibt nichts zu deinstallieren.</translation>
    </message>
</context>
<context>
    <name>ORUtility</name>
    <message>
        <source>today</source>
        <translation>heute</translation>
    </message>
</context>
<context>
    <name>OlderThanOption</name>
    <message>
        <source>%1 needs a number of days</source>
        <translation>%1 braucht eine Anzahl von Tagen</translation>
    </message>
    <message>
        <source>--older-than takes a whole number of days from 0 to %1, not &quot;%2&quot;</source>
        <translation>--older-than nimmt eine ganze Zahl von Tagen von 0 bis %1, nicht „%2“</translation>
    </message>
    <message>
        <source>  --older-than DAYS      only files last modified more than DAYS days ago (0: all)
</source>
        <translation>  --older-than DAYS      nur Dateien, die vor mehr als DAYS Tagen zuletzt geändert wurden (0: alle)
</translation>
    </message>
    <message>
        <source>  --older-than DAYS  only items older than DAYS days (0: all), in every category, in place
        of the ages set in Preferences &gt; Junk Clean (which apply otherwise, --clean
        included): by the newest modification time inside an item, and in the Trash by
        the date it was deleted; a Trash item without a readable date counts as new
</source>
        <translation>  --older-than DAYS  nur Elemente, die älter als DAYS Tage sind (0: alle), in jeder Kategorie,
        anstelle der Alter aus Einstellungen &gt; Datenmüll (die sonst gelten, auch für --clean):
        nach der jüngsten Änderung in einem Element, im Papierkorb nach dem Datum des
        Löschens; ein Element im Papierkorb ohne lesbares Datum gilt als neu
</translation>
    </message>
</context>
<context>
    <name>OutputPlacement</name>
    <message>
        <source>%1 cannot be opened: %2</source>
        <translation>%1 kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>%1 is a folder</source>
        <translation>%1 ist ein Ordner</translation>
    </message>
    <message>
        <source>%1 already exists</source>
        <translation>%1 ist bereits vorhanden</translation>
    </message>
    <message>
        <source>no file can be made in %1: %2</source>
        <translation>in %1 kann keine Datei angelegt werden: %2</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>abgebrochen</translation>
    </message>
</context>
<context>
    <name>PackageCommands</name>
    <message>
        <source>%1 could not be run: %2</source>
        <translation>%1 konnte nicht ausgeführt werden: %2</translation>
    </message>
    <message>
        <source>%1 failed (exit status %2): %3</source>
        <translation>%1 ist fehlgeschlagen (Exit-Status %2): %3</translation>
    </message>
    <message>
        <source>%1; left in place</source>
        <translation>%1; nicht entfernt</translation>
    </message>
    <message>
        <source>%1 failed with administrator rights (exit status %2)</source>
        <translation>%1 ist mit Administratorrechten fehlgeschlagen (Exit-Status %2)</translation>
    </message>
    <message>
        <source>flatpak is not installed; left in place</source>
        <translation>flatpak ist nicht installiert; nicht entfernt</translation>
    </message>
    <message>
        <source>%1 would not remove it; left in place</source>
        <translation>%1 lehnte das Entfernen ab; nicht entfernt</translation>
    </message>
    <message>
        <source>removing it would also remove %1; left in place</source>
        <translation>das Entfernen würde auch %1 entfernen; nicht entfernt</translation>
    </message>
    <message>
        <source>apt-get is not installed; left in place</source>
        <translation>apt-get ist nicht installiert; nicht entfernt</translation>
    </message>
</context>
<context>
    <name>PackageKitRemoval</name>
    <message>
        <source>cancelled; left in place</source>
        <translation>abgebrochen; nicht entfernt</translation>
    </message>
    <message>
        <source>PackageKit is not running; left in place</source>
        <translation>PackageKit läuft nicht; nicht entfernt</translation>
    </message>
    <message>
        <source>PackageKit could not plan the removal: %1; left in place</source>
        <translation>PackageKit konnte das Entfernen nicht planen: %1; nicht entfernt</translation>
    </message>
    <message>
        <source>%1; left in place</source>
        <translation>%1; nicht entfernt</translation>
    </message>
    <message>
        <source>PackageKit could not remove it: %1; left in place</source>
        <translation>PackageKit konnte es nicht entfernen: %1; nicht entfernt</translation>
    </message>
</context>
<context>
    <name>PageStyle</name>
    <message>
        <source>or</source>
        <translation>oder</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Starten</translation>
    </message>
</context>
<context>
    <name>PasswordPanel</name>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is protected by a password</source>
        <translation>„%1“ ist passwortgeschützt</translation>
    </message>
    <message>
        <source>Enter the password to extract its files.</source>
        <translation>Geben Sie das Passwort ein, um die Dateien zu entpacken.</translation>
    </message>
    <message>
        <source>Trying the password…</source>
        <translation>Passwort wird geprüft …</translation>
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
        <translation>Aufruf: sweepwright-cli pdf FILE [--quality 0|1|2] [-o OUT] [--password-stdin] [--json]
Erstellt eine kleinere Kopie eines PDF-Dokuments: Seine Bilder werden auf 50 ppi
verkleinert (Qualität 0, Standard), 150 ppi (1) oder 300 ppi (2). Wenn keine kleinere
Kopie möglich ist, ist die Kopie das Dokument selbst. Ein passwortgeschütztes
Dokument ergibt eine Kopie ohne Schutz.

  --quality N        0, 1 oder 2
  -o OUT             die Kopie unter OUT ablegen (ein Dateiname oder ein Ordner für
                     sie), statt sie im temporären Ordner der Verkleinerung zu lassen
  --yes              OUT ohne Nachfrage ersetzen, wenn es existiert
  --dry-run          anzeigen, was getan würde, und nichts erstellen
  --password-stdin   das Passwort aus der ersten Zeile der Standardeingabe lesen
                     (sonst wird es bei Bedarf auf dem Terminal abgefragt)
  --json             das Ergebnis als JSON ausgeben
  --help             diesen Text anzeigen
  -V, --version      die Version anzeigen
</translation>
    </message>
    <message>
        <source>%1 needs 0, 1 or 2</source>
        <translation>%1 erfordert 0, 1 oder 2</translation>
    </message>
    <message>
        <source>%1 needs a file or a folder</source>
        <translation>%1 erfordert eine Datei oder einen Ordner</translation>
    </message>
    <message>
        <source>--quality takes 0, 1 or 2</source>
        <translation>--quality erwartet 0, 1 oder 2</translation>
    </message>
    <message>
        <source>%1: not a PDF document that can be read</source>
        <translation>%1: kein lesbares PDF-Dokument</translation>
    </message>
    <message>
        <source>Password for %1: </source>
        <translation>Passwort für %1: </translation>
    </message>
    <message>
        <source>%1 needs a password: give it with --password-stdin</source>
        <translation>%1 erfordert ein Passwort: Geben Sie es mit --password-stdin an</translation>
    </message>
    <message>
        <source>%1: wrong password</source>
        <translation>%1: falsches Passwort</translation>
    </message>
    <message>
        <source>Replace %1?</source>
        <translation>%1 ersetzen?</translation>
    </message>
    <message>
        <source>Compressing</source>
        <translation>Wird verkleinert</translation>
    </message>
    <message>
        <source>the copy stays at %1: %2</source>
        <translation>die Kopie bleibt unter %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>Would compress %1 (%n page(s), %2) at quality %3 into %4 (replacing it)</source>
        <translation>
            <numerusform>%1 (%n Seite, %2) würde mit Qualität %3 nach %4 verkleinert (vorhandene Datei würde ersetzt)</numerusform>
            <numerusform>%1 (%n Seiten, %2) würde mit Qualität %3 nach %4 verkleinert (vorhandene Datei würde ersetzt)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Would compress %1 (%n page(s), %2) at quality %3 into %4</source>
        <translation>
            <numerusform>%1 (%n Seite, %2) würde mit Qualität %3 nach %4 verkleinert</numerusform>
            <numerusform>%1 (%n Seiten, %2) würde mit Qualität %3 nach %4 verkleinert</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %n page(s), %2 -&gt; %3</source>
        <translation>
            <numerusform>%1: %n Seite, %2 -&gt; %3</numerusform>
            <numerusform>%1: %n Seiten, %2 -&gt; %3</numerusform>
        </translation>
    </message>
    <message>
        <source>Already compact: no smaller copy could be made</source>
        <translation>Bereits kompakt: Es konnte keine kleinere Kopie erstellt werden</translation>
    </message>
    <message>
        <source>This copy is not password protected</source>
        <translation>Diese Kopie ist nicht passwortgeschützt</translation>
    </message>
    <message>
        <source>Written to %1</source>
        <translation>Gespeichert unter %1</translation>
    </message>
</context>
<context>
    <name>PdfCompressor</name>
    <message>
        <source>Compression failed: %1</source>
        <translation>Verkleinern fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>Ghostscript left no readable PDF</source>
        <translation>Ghostscript hat kein lesbares PDF hinterlassen</translation>
    </message>
    <message>
        <source>the copy has %1 of the %2 pages</source>
        <translation>die Kopie hat %1 von %2 Seiten</translation>
    </message>
    <message>
        <source>%1 is not a PDF document that can be read</source>
        <translation>%1 ist kein lesbares PDF-Dokument</translation>
    </message>
    <message>
        <source>the copy could not be written in %1</source>
        <translation>die Kopie konnte nicht in %1 geschrieben werden</translation>
    </message>
</context>
<context>
    <name>PdfPasswordPanel</name>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>Enter the document&apos;s password:</source>
        <translation>Geben Sie das Passwort des Dokuments ein:</translation>
    </message>
    <message>
        <source>Wrong password</source>
        <translation>Falsches Passwort</translation>
    </message>
</context>
<context>
    <name>PdfWorkFolder</name>
    <message>
        <source>%1 is not a private folder of yours</source>
        <translation>%1 ist kein Ordner, der nur Ihnen gehört</translation>
    </message>
    <message>
        <source>%1 cannot be locked</source>
        <translation>%1 kann nicht gesperrt werden</translation>
    </message>
    <message>
        <source>no folder can be made in %1</source>
        <translation>in %1 kann kein Ordner angelegt werden</translation>
    </message>
</context>
<context>
    <name>ProgressLine</name>
    <message numerus="yes">
        <source>%Ln item(s)</source>
        <translation>
            <numerusform>%Ln Element</numerusform>
            <numerusform>%Ln Elemente</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RefusedPlaces</name>
    <message>
        <source>where it lies could not be checked</source>
        <translation>sein Speicherort konnte nicht geprüft werden</translation>
    </message>
    <message>
        <source>it is the home folder or holds it (%1)</source>
        <translation>es ist der persönliche Ordner oder enthält ihn (%1)</translation>
    </message>
    <message>
        <source>it holds the root folder %1</source>
        <translation>es enthält den Wurzelordner %1</translation>
    </message>
    <message>
        <source>it is the root folder</source>
        <translation>es ist der Wurzelordner</translation>
    </message>
    <message>
        <source>it is a protected system folder</source>
        <translation>es ist ein geschützter Systemordner</translation>
    </message>
    <message>
        <source>it lies in the protected system folder %1</source>
        <translation>es liegt im geschützten Systemordner %1</translation>
    </message>
    <message>
        <source>it is or lies in your folder %1</source>
        <translation>es ist Ihr Ordner %1 oder liegt darin</translation>
    </message>
    <message>
        <source>it holds %1, which is on your Never touch list</source>
        <translation>es enthält %1, das auf Ihrer Liste „Nie anfassen“ steht</translation>
    </message>
    <message>
        <source>it is on your Never touch list</source>
        <translation>es steht auf Ihrer Liste „Nie anfassen“</translation>
    </message>
    <message>
        <source>it lies in %1, which is on your Never touch list</source>
        <translation>es liegt in %1, das auf Ihrer Liste „Nie anfassen“ steht</translation>
    </message>
</context>
<context>
    <name>RemovalRun</name>
    <message>
        <source>a link lies on its way: it changed since the scan</source>
        <translation>auf seinem Pfad liegt eine Verknüpfung: Der Pfad hat sich seit dem Durchsuchen geändert</translation>
    </message>
    <message>
        <source>it lies on another file system mounted below its folder</source>
        <translation>es liegt auf einem anderen Dateisystem, das unterhalb seines Ordners eingehängt ist</translation>
    </message>
    <message>
        <source>more entries could not be removed</source>
        <translation>weitere Einträge konnten nicht entfernt werden</translation>
    </message>
    <message>
        <source>not inside %1</source>
        <translation>nicht innerhalb von %1</translation>
    </message>
    <message>
        <source>another file system is mounted here; left alone</source>
        <translation>hier ist ein anderes Dateisystem eingehängt; bleibt unberührt</translation>
    </message>
    <message>
        <source>it changed since the scan</source>
        <translation>es hat sich seit dem Durchsuchen geändert</translation>
    </message>
    <message>
        <source>its folder %1 is missing or was left alone</source>
        <translation>sein Ordner %1 fehlt oder blieb unberührt</translation>
    </message>
    <message>
        <source>a top folder is never removed whole</source>
        <translation>ein oberster Ordner wird nie als Ganzes entfernt</translation>
    </message>
    <message>
        <source>its folder %1 is missing or cannot be opened</source>
        <translation>sein Ordner %1 fehlt oder kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>its folder now leads to %1: a link on its way changed since it was chosen</source>
        <translation>sein Ordner führt jetzt zu %1: Eine Verknüpfung auf seinem Pfad hat sich seit der Auswahl geändert</translation>
    </message>
    <message>
        <source>not a plain path below %1</source>
        <translation>kein einfacher Pfad unterhalb von %1</translation>
    </message>
    <message>
        <source>it is no longer the item that was listed</source>
        <translation>es ist nicht mehr das aufgelistete Element</translation>
    </message>
    <message>
        <source>a top folder is never moved whole</source>
        <translation>ein oberster Ordner wird nie als Ganzes verschoben</translation>
    </message>
</context>
<context>
    <name>STPrivilegedTask</name>
    <message>
        <source>administrator authorisation was cancelled</source>
        <translation>die Authentifizierung als Administrator wurde abgebrochen</translation>
    </message>
    <message>
        <source>No password prompt could be shown: no authentication agent is running</source>
        <translation>Es konnte keine Passwortabfrage angezeigt werden: Es läuft kein Authentifizierungsagent</translation>
    </message>
    <message>
        <source>No password prompt could be shown: pkexec is not installed</source>
        <translation>Es konnte keine Passwortabfrage angezeigt werden: pkexec ist nicht installiert</translation>
    </message>
    <message>
        <source>the password prompt could not be started</source>
        <translation>die Passwortabfrage konnte nicht gestartet werden</translation>
    </message>
    <message>
        <source>administrator rights were not granted</source>
        <translation>Administratorrechte wurden nicht gewährt</translation>
    </message>
</context>
<context>
    <name>ScheduleCommand</name>
    <message>
        <source>every day</source>
        <translation>jeden Tag</translation>
    </message>
    <message>
        <source>every week</source>
        <translation>jede Woche</translation>
    </message>
    <message>
        <source>every month</source>
        <translation>jeden Monat</translation>
    </message>
    <message>
        <source>never</source>
        <translation>nie</translation>
    </message>
    <message>
        <source>Junk is cleaned automatically: %1</source>
        <translation>Datenmüll wird automatisch entfernt: %1</translation>
    </message>
    <message>
        <source>(but the timer is not enabled)</source>
        <translation>(aber der Timer ist nicht aktiviert)</translation>
    </message>
    <message>
        <source>Categories:</source>
        <translation>Kategorien:</translation>
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
        <translation>Aufruf: sweepwright-cli schedule [--daily | --weekly | --monthly | --off] [--json]
Zeigt, ob Datenmüll automatisch entfernt wird, wie oft und welche Kategorien, oder
ändert es. Ein Zeitplan ist ein systemd-Benutzer-Timer mit Dienst in
$XDG_CONFIG_HOME/systemd/user (sweepwright-clean.timer und .service), aktiviert mit
systemctl --user; der Dienst führt &quot;sweepwright-cli junk --clean --yes --profile
scheduled&quot; mit niedriger Priorität aus, fragt nie nach einem Passwort und endet mit einer
Benachrichtigung. Die Kategorien werden in den Einstellungen des Fensterprogramms gewählt.
--off deaktiviert den Timer und entfernt beide Dateien. Endet mit 1, wenn die Änderung
fehlschlug (etwa ohne systemd-Benutzersitzung).

  --daily        jeden Tag aufräumen
  --weekly       jede Woche aufräumen
  --monthly      jeden Monat aufräumen
  --off          nicht mehr aufräumen
  --json         ein JSON-Objekt statt Text ausgeben
  --help         diesen Text zeigen
  -V, --version  die Version zeigen
</translation>
    </message>
    <message>
        <source>choose one of %1</source>
        <translation>wählen Sie eines von %1</translation>
    </message>
</context>
<context>
    <name>SchedulePrefViewController</name>
    <message>
        <source>Never</source>
        <translation>Nie</translation>
    </message>
    <message>
        <source>Every day</source>
        <translation>Jeden Tag</translation>
    </message>
    <message>
        <source>Every week</source>
        <translation>Jede Woche</translation>
    </message>
    <message>
        <source>Every month</source>
        <translation>Jeden Monat</translation>
    </message>
    <message>
        <source>Clean &amp;automatically:</source>
        <translation>&amp;Automatisch aufräumen:</translation>
    </message>
    <message>
        <source>Clean automatically</source>
        <translation>Automatisch aufräumen</translation>
    </message>
    <message>
        <source>The cleaning runs in the background at low priority, even when Sweepwright is not open. It never asks for a password: what needs one is left. A notification tells what was removed.</source>
        <translation>Das Aufräumen läuft im Hintergrund mit niedriger Priorität, auch wenn Sweepwright nicht geöffnet ist. Es fragt nie nach einem Passwort: Was eines braucht, bleibt. Eine Benachrichtigung nennt, was entfernt wurde.</translation>
    </message>
    <message>
        <source>Clean these kinds of junk:</source>
        <translation>Diese Arten von Datenmüll entfernen:</translation>
    </message>
    <message>
        <source>Not available here: %1</source>
        <translation>Hier nicht verfügbar: %1</translation>
    </message>
    <message>
        <source>The schedule could not be changed: %1</source>
        <translation>Der Zeitplan konnte nicht geändert werden: %1</translation>
    </message>
    <message>
        <source>Schedule</source>
        <translation>Zeitplan</translation>
    </message>
</context>
<context>
    <name>ScheduledRunNotice</name>
    <message numerus="yes">
        <source>Removed %n item(s), %1.</source>
        <translation>
            <numerusform>%n Element entfernt, %1.</numerusform>
            <numerusform>%n Elemente entfernt, %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing needed removing.</source>
        <translation>Es gab nichts zu entfernen.</translation>
    </message>
    <message numerus="yes">
        <source>%n item(s) could not be removed.</source>
        <translation>
            <numerusform>%n Element konnte nicht entfernt werden.</numerusform>
            <numerusform>%n Elemente konnten nicht entfernt werden.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n item(s) left: they need administrator rights.</source>
        <translation>
            <numerusform>%n Element belassen: Es braucht Administratorrechte.</numerusform>
            <numerusform>%n Elemente belassen: Sie brauchen Administratorrechte.</numerusform>
        </translation>
    </message>
    <message>
        <source>Junk files cleaned</source>
        <translation>Datenmüll entfernt</translation>
    </message>
</context>
<context>
    <name>SevenZip</name>
    <message>
        <source>link leads outside the destination</source>
        <translation>Verknüpfung führt aus dem Zielordner heraus</translation>
    </message>
</context>
<context>
    <name>SevenZipProcess</name>
    <message>
        <source>7zz is not installed</source>
        <translation>7zz ist nicht installiert</translation>
    </message>
    <message>
        <source>7zz made no progress for %1 ms</source>
        <translation>7zz hat %1 ms lang keinen Fortschritt gemacht</translation>
    </message>
</context>
<context>
    <name>ShredCommand</name>
    <message>
        <source>refused %1: %2</source>
        <translation>%1 abgelehnt: %2</translation>
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
        <translation>Aufruf: sweepwright-cli shred PATH... [--overwrite] [--yes | --dry-run] [--json]
                              [--layout L] [--root R] [--home H]
Entfernt die genannten Dateien und Ordner, jeweils als Ganzes, mit Ihren eigenen Rechten. Ein PATH
„-“ liest die Pfade von der Standardeingabe, einen je Zeile oder durch NUL-Bytes getrennt
(find -print0); dann kann nichts gefragt werden, sie werden also nur mit --yes entfernt. Eine
Verknüpfung wird als Verknüpfung entfernt; auf einem anderen Dateisystem, das in einem Ordner
eingehängt ist, wird nichts entfernt. Der Wurzelordner, der persönliche Ordner, ein Ordner, der ihn
enthält, und die eigenen Ordner des Systems (samt Inhalt) werden nie entfernt, unter welchem Namen
sie auch angegeben werden: Sie werden auf stderr als abgelehnt gemeldet, mit Grund. Auf einem
Terminal wird zuerst gefragt; ohne --yes und ohne Terminal wird nichts entfernt (Exit-Status 2).
Strg+C bricht nach dem aktuellen Eintrag ab
(Exit-Status 130); Exit-Status 1, wenn ein Pfad bleibt.

  --overwrite    jede Datei vor dem Entfernen einmal mit Zufallsbytes überschreiben (Dateien mit
                 nur einem Namen, die Sie beschreiben dürfen, und erst, wenn sicher ist, dass sie
                 entfernt werden; auf SSDs und Copy-on-Write-Dateisystemen können die alten Daten
                 trotzdem erhalten bleiben)
  --yes          ohne Nachfrage entfernen
  --dry-run      anzeigen, was entfernt würde, und nichts entfernen
  --json         {&quot;shredSize&quot;, &quot;removed&quot;, &quot;failed&quot;} als ein JSON-Objekt ausgeben
  --help         diesen Text anzeigen
  -V, --version  die Version anzeigen
</translation>
    </message>
    <message>
        <source>no path given</source>
        <translation>kein Pfad angegeben</translation>
    </message>
    <message>
        <source>Measuring</source>
        <translation>Größe wird ermittelt</translation>
    </message>
    <message>
        <source>Shredding</source>
        <translation>Wird geschreddert</translation>
    </message>
    <message numerus="yes">
        <source>Refused %n path(s) (named on stderr).</source>
        <translation>
            <numerusform>%n Pfad abgelehnt (auf stderr genannt).</numerusform>
            <numerusform>%n Pfade abgelehnt (auf stderr genannt).</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ShredOverwrite</name>
    <message>
        <source>%1; it was kept</source>
        <translation>%1; es bleibt erhalten</translation>
    </message>
    <message>
        <source>%1; it was kept as %2</source>
        <translation>%1; es bleibt unter dem Namen %2 erhalten</translation>
    </message>
    <message>
        <source>it cannot be removed from its folder (%1); nothing was overwritten</source>
        <translation>es kann nicht aus seinem Ordner entfernt werden (%1); nichts wurde überschrieben</translation>
    </message>
    <message>
        <source>it changed since it was examined</source>
        <translation>es hat sich seit der Prüfung geändert</translation>
    </message>
    <message>
        <source>its contents could not be overwritten (%1)</source>
        <translation>sein Inhalt konnte nicht überschrieben werden (%1)</translation>
    </message>
</context>
<context>
    <name>SmartCleanPrefViewController</name>
    <message>
        <source>Look for these kinds of junk:</source>
        <translation>Nach diesen Arten von Datenmüll suchen:</translation>
    </message>
    <message>
        <source>Junk Clean</source>
        <translation>Datenmüll</translation>
    </message>
    <message>
        <source>Only items older than</source>
        <translation>Nur älter als</translation>
    </message>
    <message>
        <source>%1: only items older than a number of days</source>
        <translation>%1: nur Elemente, die älter als eine Anzahl von Tagen sind</translation>
    </message>
</context>
<context>
    <name>StagingFolder</name>
    <message>
        <source>device node, FIFO or socket</source>
        <translation>Gerätedatei, FIFO oder Socket</translation>
    </message>
    <message>
        <source>folder too deep</source>
        <translation>Ordner zu tief verschachtelt</translation>
    </message>
    <message>
        <source>link leads outside the destination</source>
        <translation>Verknüpfung führt aus dem Zielordner heraus</translation>
    </message>
    <message>
        <source>file linked from outside</source>
        <translation>von außerhalb verknüpfte Datei</translation>
    </message>
</context>
<context>
    <name>SystemTools</name>
    <message>
        <source>%1 has no program to start.</source>
        <translation>%1 hat kein Programm zum Starten.</translation>
    </message>
    <message>
        <source>%1 could not be started: its program %2 was not found.</source>
        <translation>%1 konnte nicht gestartet werden: Sein Programm %2 wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>%1 could not be started: %2</source>
        <translation>%1 konnte nicht gestartet werden: %2</translation>
    </message>
</context>
<context>
    <name>TUEncodingPopUp</name>
    <message>
        <source>Western (ASCII)</source>
        <translation>Westeuropäisch (ASCII)</translation>
    </message>
    <message>
        <source>Japanese (EUC)</source>
        <translation>Japanisch (EUC)</translation>
    </message>
    <message>
        <source>Unicode (UTF-8)</source>
        <translation>Unicode (UTF-8)</translation>
    </message>
    <message>
        <source>Western (ISO Latin 1)</source>
        <translation>Westeuropäisch (ISO Latin 1)</translation>
    </message>
    <message>
        <source>Japanese (Shift JIS)</source>
        <translation>Japanisch (Shift JIS)</translation>
    </message>
    <message>
        <source>Central European (ISO Latin 2)</source>
        <translation>Mitteleuropäisch (ISO Latin 2)</translation>
    </message>
    <message>
        <source>Cyrillic (Windows)</source>
        <translation>Kyrillisch (Windows)</translation>
    </message>
    <message>
        <source>Western (Windows Latin 1)</source>
        <translation>Westeuropäisch (Windows Latin 1)</translation>
    </message>
    <message>
        <source>Greek (Windows)</source>
        <translation>Griechisch (Windows)</translation>
    </message>
    <message>
        <source>Turkish (Windows Latin 5)</source>
        <translation>Türkisch (Windows Latin 5)</translation>
    </message>
    <message>
        <source>Central European (Windows Latin 2)</source>
        <translation>Mitteleuropäisch (Windows Latin 2)</translation>
    </message>
    <message>
        <source>Japanese (ISO 2022-JP)</source>
        <translation>Japanisch (ISO 2022-JP)</translation>
    </message>
    <message>
        <source>Western (Mac OS Roman)</source>
        <translation>Westeuropäisch (Mac OS Roman)</translation>
    </message>
    <message>
        <source>Greek (Mac OS)</source>
        <translation>Griechisch (Mac OS)</translation>
    </message>
    <message>
        <source>Cyrillic (Mac OS)</source>
        <translation>Kyrillisch (Mac OS)</translation>
    </message>
    <message>
        <source>Central European (Mac OS)</source>
        <translation>Mitteleuropäisch (Mac OS)</translation>
    </message>
    <message>
        <source>Turkish (Mac OS)</source>
        <translation>Türkisch (Mac OS)</translation>
    </message>
    <message>
        <source>Cyrillic (ISO 8859-5)</source>
        <translation>Kyrillisch (ISO 8859-5)</translation>
    </message>
    <message>
        <source>Arabic (ISO 8859-6)</source>
        <translation>Arabisch (ISO 8859-6)</translation>
    </message>
    <message>
        <source>Greek (ISO 8859-7)</source>
        <translation>Griechisch (ISO 8859-7)</translation>
    </message>
    <message>
        <source>Hebrew (ISO 8859-8)</source>
        <translation>Hebräisch (ISO 8859-8)</translation>
    </message>
    <message>
        <source>Turkish (ISO Latin 5)</source>
        <translation>Türkisch (ISO Latin 5)</translation>
    </message>
    <message>
        <source>Nordic (ISO Latin 6)</source>
        <translation>Nordisch (ISO Latin 6)</translation>
    </message>
    <message>
        <source>Thai (ISO 8859-11)</source>
        <translation>Thailändisch (ISO 8859-11)</translation>
    </message>
    <message>
        <source>Baltic (ISO Latin 7)</source>
        <translation>Baltisch (ISO Latin 7)</translation>
    </message>
    <message>
        <source>Celtic (ISO Latin 8)</source>
        <translation>Keltisch (ISO Latin 8)</translation>
    </message>
    <message>
        <source>Western (ISO Latin 9)</source>
        <translation>Westeuropäisch (ISO Latin 9)</translation>
    </message>
    <message>
        <source>Romanian (ISO Latin 10)</source>
        <translation>Rumänisch (ISO Latin 10)</translation>
    </message>
    <message>
        <source>Latin-US (DOS)</source>
        <translation>Latin-US (DOS)</translation>
    </message>
    <message>
        <source>Greek (DOS)</source>
        <translation>Griechisch (DOS)</translation>
    </message>
    <message>
        <source>Baltic (DOS)</source>
        <translation>Baltisch (DOS)</translation>
    </message>
    <message>
        <source>Western (DOS Latin 1)</source>
        <translation>Westeuropäisch (DOS Latin 1)</translation>
    </message>
    <message>
        <source>Central European (DOS Latin 2)</source>
        <translation>Mitteleuropäisch (DOS Latin 2)</translation>
    </message>
    <message>
        <source>Cyrillic (DOS)</source>
        <translation>Kyrillisch (DOS)</translation>
    </message>
    <message>
        <source>Turkish (DOS)</source>
        <translation>Türkisch (DOS)</translation>
    </message>
    <message>
        <source>Portuguese (DOS)</source>
        <translation>Portugiesisch (DOS)</translation>
    </message>
    <message>
        <source>Icelandic (DOS)</source>
        <translation>Isländisch (DOS)</translation>
    </message>
    <message>
        <source>Hebrew (DOS)</source>
        <translation>Hebräisch (DOS)</translation>
    </message>
    <message>
        <source>Canadian French (DOS)</source>
        <translation>Kanadisches Französisch (DOS)</translation>
    </message>
    <message>
        <source>Arabic (DOS)</source>
        <translation>Arabisch (DOS)</translation>
    </message>
    <message>
        <source>Nordic (DOS)</source>
        <translation>Nordisch (DOS)</translation>
    </message>
    <message>
        <source>Russian (DOS)</source>
        <translation>Russisch (DOS)</translation>
    </message>
    <message>
        <source>Greek (DOS Greek 2)</source>
        <translation>Griechisch (DOS Greek 2)</translation>
    </message>
    <message>
        <source>Thai (Windows, DOS)</source>
        <translation>Thailändisch (Windows, DOS)</translation>
    </message>
    <message>
        <source>Korean (Windows, DOS)</source>
        <translation>Koreanisch (Windows, DOS)</translation>
    </message>
    <message>
        <source>Hebrew (Windows)</source>
        <translation>Hebräisch (Windows)</translation>
    </message>
    <message>
        <source>Arabic (Windows)</source>
        <translation>Arabisch (Windows)</translation>
    </message>
    <message>
        <source>Baltic (Windows)</source>
        <translation>Baltisch (Windows)</translation>
    </message>
    <message>
        <source>Vietnamese (Windows)</source>
        <translation>Vietnamesisch (Windows)</translation>
    </message>
    <message>
        <source>Simplified Chinese (GBK)</source>
        <translation>Chinesisch, vereinfacht (GBK)</translation>
    </message>
    <message>
        <source>Simplified Chinese (GB 18030)</source>
        <translation>Chinesisch, vereinfacht (GB 18030)</translation>
    </message>
    <message>
        <source>Japanese (ISO 2022-JP-2)</source>
        <translation>Japanisch (ISO 2022-JP-2)</translation>
    </message>
    <message>
        <source>Japanese (ISO 2022-JP-1)</source>
        <translation>Japanisch (ISO 2022-JP-1)</translation>
    </message>
    <message>
        <source>Chinese (ISO 2022-CN)</source>
        <translation>Chinesisch (ISO 2022-CN)</translation>
    </message>
    <message>
        <source>Chinese (ISO 2022-CN-EXT)</source>
        <translation>Chinesisch (ISO 2022-CN-EXT)</translation>
    </message>
    <message>
        <source>Korean (ISO 2022-KR)</source>
        <translation>Koreanisch (ISO 2022-KR)</translation>
    </message>
    <message>
        <source>Simplified Chinese (GB 2312)</source>
        <translation>Chinesisch, vereinfacht (GB 2312)</translation>
    </message>
    <message>
        <source>Traditional Chinese (EUC)</source>
        <translation>Chinesisch, traditionell (EUC)</translation>
    </message>
    <message>
        <source>Korean (EUC)</source>
        <translation>Koreanisch (EUC)</translation>
    </message>
    <message>
        <source>Cyrillic (KOI8-R)</source>
        <translation>Kyrillisch (KOI8-R)</translation>
    </message>
    <message>
        <source>Traditional Chinese (Big 5)</source>
        <translation>Chinesisch, traditionell (Big 5)</translation>
    </message>
    <message>
        <source>Simplified Chinese (HZ GB 2312)</source>
        <translation>Chinesisch, vereinfacht (HZ GB 2312)</translation>
    </message>
    <message>
        <source>Traditional Chinese (Big 5 HKSCS)</source>
        <translation>Chinesisch, traditionell (Big 5 HKSCS)</translation>
    </message>
    <message>
        <source>Vietnamese (VISCII)</source>
        <translation>Vietnamesisch (VISCII)</translation>
    </message>
    <message>
        <source>Ukrainian (KOI8-U)</source>
        <translation>Ukrainisch (KOI8-U)</translation>
    </message>
    <message>
        <source>Western (EBCDIC Latin 1)</source>
        <translation>Westeuropäisch (EBCDIC Latin 1)</translation>
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
        <translation>Automatisch erkennen</translation>
    </message>
    <message>
        <source>South European (ISO Latin 3)</source>
        <translation>Südeuropäisch (ISO Latin 3)</translation>
    </message>
    <message>
        <source>North European (ISO Latin 4)</source>
        <translation>Nordeuropäisch (ISO Latin 4)</translation>
    </message>
</context>
<context>
    <name>TemporaryBase</name>
    <message>
        <source>TMPDIR (%1) is not an absolute path</source>
        <translation>TMPDIR (%1) ist kein absoluter Pfad</translation>
    </message>
    <message>
        <source>TMPDIR (%1) is not an existing folder</source>
        <translation>TMPDIR (%1) ist kein vorhandener Ordner</translation>
    </message>
    <message>
        <source>TMPDIR (%1) belongs to another user and is not a shared temporary folder</source>
        <translation>TMPDIR (%1) gehört einem anderen Benutzer und ist kein gemeinsamer temporärer Ordner</translation>
    </message>
</context>
<context>
    <name>TemporaryFolder</name>
    <message>
        <source>no free name</source>
        <translation>kein freier Name</translation>
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
        <translation>Aufruf: sweepwright-cli tnef FILE [-C DIR] [Optionen]
Schreibt die Anhänge und Nachrichtentexte einer winmail.dat-Datei (TNEF) nach DIR (Standard: der
aktuelle Ordner). FILE „-“ liest die Standardeingabe.
Ohne eine der Optionen unten wird jeder Nachrichtentext als MailBody.rtf, .html und .txt gespeichert.

  -C DIR               nach DIR schreiben (wird angelegt, wenn er fehlt)
  --verbose            eine Zeile je Datei und die Warnungen ausgeben
  --debug              jedes Attribut und jede Eigenschaft ausgeben
  --list               nichts schreiben, auflisten, was geschrieben würde
  --use-paths          die Ordner von Windows-Pfaden übernehmen (nie oberhalb von DIR)
  --absolute-paths     mit --use-paths ein führendes Pfadtrennzeichen behalten (trotzdem in DIR)
  --overwrite          vorhandene Dateien überschreiben
  --interactive        vor dem Schreiben jeder Datei fragen
  --number-backups     NAME.1, NAME.2 ... schreiben, statt einen vorhandenen NAME zu überspringen
  --save-body[=PREF]   die Nachrichtentexte speichern; PREF ist „all“ (Standard) oder bis zu drei
                       von r, h, t (RTF, HTML, Text): Die erste vorhandene Art wird gespeichert
  --body-name NAME     Basisname der Dateien mit den Nachrichtentexten (Standard MailBody)
  --mime               auch den MIME-Typ und die Content-ID auflisten
  --ignore-checksum    bei falscher Prüfsumme warnen statt abzubrechen
  --tolerate-props     einen beschädigten Eigenschaftsblock verwerfen statt abzubrechen
  --tolerate-trailer   ein abschließendes CR/LF stillschweigend hinnehmen
  --unix-safe          auch Nicht-ASCII-Bytes und Shell-Zeichen in Namen maskieren
  --maxsize N          jede einzelne Speicheranforderung über N Byte ablehnen
  --dry-run            dasselbe wie --list
  --help               diesen Text anzeigen
  -V, --version        die Version anzeigen
</translation>
    </message>
    <message>
        <source>%1 needs a folder</source>
        <translation>%1 erfordert einen Ordner</translation>
    </message>
    <message>
        <source>%1 needs a name</source>
        <translation>%1 erfordert einen Namen</translation>
    </message>
    <message>
        <source>%1 needs a number of bytes</source>
        <translation>%1 erfordert eine Anzahl Bytes</translation>
    </message>
    <message>
        <source>--save-body takes &quot;all&quot; or up to three of r, h, t</source>
        <translation>--save-body erwartet „all“ oder bis zu drei von r, h, t</translation>
    </message>
</context>
<context>
    <name>ToolCommand</name>
    <message>
        <source>Scanning</source>
        <translation>Wird durchsucht</translation>
    </message>
    <message>
        <source>Removing</source>
        <translation>Wird entfernt</translation>
    </message>
</context>
<context>
    <name>Trash</name>
    <message>
        <source>no free name in the trash</source>
        <translation>kein freier Name im Papierkorb</translation>
    </message>
    <message>
        <source>no trash on its file system (%1)</source>
        <translation>kein Papierkorb auf seinem Dateisystem (%1)</translation>
    </message>
    <message>
        <source>not an absolute path of an item</source>
        <translation>kein absoluter Pfad eines Elements</translation>
    </message>
</context>
<context>
    <name>TrashRestore</name>
    <message>
        <source>its record in the Trash is missing</source>
        <translation>sein Eintrag im Papierkorb fehlt</translation>
    </message>
    <message>
        <source>not an item of a Trash</source>
        <translation>kein Element eines Papierkorbs</translation>
    </message>
    <message>
        <source>it is no longer in the Trash</source>
        <translation>es ist nicht mehr im Papierkorb</translation>
    </message>
    <message>
        <source>its folder %1 is no longer there</source>
        <translation>sein Ordner %1 existiert nicht mehr</translation>
    </message>
    <message>
        <source>the Trash&apos;s record names another place: %1</source>
        <translation>der Eintrag im Papierkorb nennt einen anderen Ort: %1</translation>
    </message>
    <message>
        <source>something of that name is there now</source>
        <translation>dort liegt jetzt etwas mit diesem Namen</translation>
    </message>
</context>
<context>
    <name>UserSystemctl</name>
    <message>
        <source>systemctl did not answer in time</source>
        <translation>systemctl hat nicht rechtzeitig geantwortet</translation>
    </message>
    <message>
        <source>systemd is not installed here (no systemctl).</source>
        <translation>systemd ist hier nicht installiert (kein systemctl).</translation>
    </message>
    <message>
        <source>No systemd user session is running (systemctl --user says: %1).</source>
        <translation>Es läuft keine systemd-Benutzersitzung (systemctl --user meldet: %1).</translation>
    </message>
    <message>
        <source>nothing</source>
        <translation>nichts</translation>
    </message>
    <message>
        <source>systemctl could not be started</source>
        <translation>systemctl konnte nicht gestartet werden</translation>
    </message>
    <message>
        <source>%1 failed</source>
        <translation>%1 ist fehlgeschlagen</translation>
    </message>
    <message>
        <source>%1 failed: %2</source>
        <translation>%1 ist fehlgeschlagen: %2</translation>
    </message>
</context>
<context>
    <name>XADSimpleUnarchiver</name>
    <message>
        <source>Password required</source>
        <translation>Passwort erforderlich</translation>
    </message>
    <message>
        <source>Wrong password</source>
        <translation>Falsches Passwort</translation>
    </message>
    <message>
        <source>Not enough free space</source>
        <translation>Nicht genügend freier Speicherplatz</translation>
    </message>
    <message>
        <source>This archive format is not supported</source>
        <translation>Dieses Archivformat wird nicht unterstützt</translation>
    </message>
    <message>
        <source>the entry was cut short</source>
        <translation>der Eintrag ist unvollständig</translation>
    </message>
    <message>
        <source>%1 came out with %2 of its %3 bytes</source>
        <translation>%1 wurde mit %2 von %3 Byte entpackt</translation>
    </message>
    <message>
        <source>The extracted items could not be checked</source>
        <translation>Die entpackten Elemente konnten nicht geprüft werden</translation>
    </message>
    <message>
        <source>Cannot create the folder %1</source>
        <translation>Der Ordner %1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>the name leads outside the destination</source>
        <translation>der Name führt aus dem Zielordner heraus</translation>
    </message>
    <message>
        <source>the name is empty</source>
        <translation>der Name ist leer</translation>
    </message>
    <message>
        <source>special files (devices, FIFOs, sockets) are not extracted</source>
        <translation>Spezialdateien (Geräte, FIFOs, Sockets) werden nicht entpackt</translation>
    </message>
</context>
<context>
    <name>centered_textfield</name>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
</context>
<context>
    <name>clirun</name>
    <message>
        <source>Would remove: %1</source>
        <translation>Zu entfernen: %1</translation>
    </message>
    <message>
        <source>Removed: %1</source>
        <translation>Entfernt: %1</translation>
    </message>
    <message>
        <source>Removed %1 in total.</source>
        <translation>Insgesamt %1 entfernt.</translation>
    </message>
    <message numerus="yes">
        <source>Removed %1 in total; %n item(s) could not be removed (%2).</source>
        <translation>
            <numerusform>Insgesamt %1 entfernt; %n Element konnte nicht entfernt werden (%2).</numerusform>
            <numerusform>Insgesamt %1 entfernt; %n Elemente konnten nicht entfernt werden (%2).</numerusform>
        </translation>
    </message>
    <message>
        <source>Would move to the Trash: %1</source>
        <translation>In den Papierkorb zu verschieben: %1</translation>
    </message>
    <message>
        <source>Moved to the Trash: %1</source>
        <translation>In den Papierkorb verschoben: %1</translation>
    </message>
    <message>
        <source>Moved to the Trash %1 in total.</source>
        <translation>Insgesamt %1 in den Papierkorb verschoben.</translation>
    </message>
    <message numerus="yes">
        <source>Moved to the Trash %1 in total; %n item(s) could not be removed (%2).</source>
        <translation>
            <numerusform>Insgesamt %1 in den Papierkorb verschoben; %n Element konnte nicht verschoben werden (%2).</numerusform>
            <numerusform>Insgesamt %1 in den Papierkorb verschoben; %n Elemente konnten nicht verschoben werden (%2).</numerusform>
        </translation>
    </message>
    <message>
        <source>Would shred: %1</source>
        <translation>Zu schreddern: %1</translation>
    </message>
    <message>
        <source>Shredded: %1</source>
        <translation>Geschreddert: %1</translation>
    </message>
    <message>
        <source>Shredded %1 in total.</source>
        <translation>Insgesamt %1 geschreddert.</translation>
    </message>
    <message numerus="yes">
        <source>Shredded %1 in total; %n item(s) could not be removed (%2).</source>
        <translation>
            <numerusform>Insgesamt %1 geschreddert; %n Element konnte nicht entfernt werden (%2).</numerusform>
            <numerusform>Insgesamt %1 geschreddert; %n Elemente konnten nicht entfernt werden (%2).</numerusform>
        </translation>
    </message>
    <message>
        <source>y</source>
        <comment>the short answer yes to a [y/N] question</comment>
        <translation>j</translation>
    </message>
    <message>
        <source>yes</source>
        <comment>the answer to a [y/N] question</comment>
        <translation>ja</translation>
    </message>
    <message>
        <source>%1?</source>
        <comment>a removal asked for: &quot;Delete 12 items (3.40 MB)&quot;</comment>
        <translation>%1?</translation>
    </message>
    <message>
        <source>nothing removed: confirm with --yes (or answer on a terminal); --dry-run shows what would go</source>
        <translation>nichts entfernt: mit --yes bestätigen (oder auf einem Terminal antworten); --dry-run zeigt, was entfernt würde</translation>
    </message>
    <message>
        <source>%1 [y/N] </source>
        <translation>%1 [y/N] </translation>
    </message>
    <message>
        <source>Could not remove %1: %2</source>
        <translation>%1 konnte nicht entfernt werden: %2</translation>
    </message>
    <message>
        <source>Nothing was removed (--dry-run).</source>
        <translation>Es wurde nichts entfernt (--dry-run).</translation>
    </message>
    <message>
        <source>Would replace with a link: %1</source>
        <translation>Würde durch einen Link ersetzen: %1</translation>
    </message>
    <message>
        <source>Replaced with a link: %1</source>
        <translation>Durch einen Link ersetzt: %1</translation>
    </message>
    <message>
        <source>Freed %1 in total.</source>
        <translation>Insgesamt %1 freigegeben.</translation>
    </message>
    <message numerus="yes">
        <source>Freed %1 in total; %n copy(s) could not be replaced (%2).</source>
        <translation>
            <numerusform>Insgesamt %1 freigegeben; %n Kopie konnte nicht ersetzt werden (%2).</numerusform>
            <numerusform>Insgesamt %1 freigegeben; %n Kopien konnten nicht ersetzt werden (%2).</numerusform>
        </translation>
    </message>
    <message>
        <source>Could not replace %1: %2</source>
        <translation>%1 konnte nicht ersetzt werden: %2</translation>
    </message>
</context>
<context>
    <name>sw::AboutDialog</name>
    <message>
        <source>About Sweepwright</source>
        <translation>Über Sweepwright</translation>
    </message>
    <message>
        <source>Licence: GNU General Public License, version 3 or later (GPL-3.0-or-later)</source>
        <translation>Lizenz: GNU General Public License, Version 3 oder neuer (GPL-3.0-or-later)</translation>
    </message>
    <message>
        <source>Libraries in use</source>
        <translation>Verwendete Bibliotheken</translation>
    </message>
    <message>
        <source>Read the README</source>
        <translation>README lesen</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Finds what takes room on a Linux desktop and removes what you choose.</source>
        <translation>Findet, was auf einem Linux-Desktop Platz belegt, und entfernt, was Sie auswählen.</translation>
    </message>
    <message>
        <source>asking…</source>
        <translation>wird abgefragt …</translation>
    </message>
    <message>
        <source>%1 version</source>
        <translation>%1-Version</translation>
    </message>
</context>
<context>
    <name>sw::AccessibleControls</name>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
</context>
<context>
    <name>sw::AgeLimitControl</name>
    <message>
        <source>%1: days</source>
        <translation>%1: Tage</translation>
    </message>
    <message numerus="yes">
        <source>day(s)</source>
        <extracomment>After the number of an age limit: &quot;Only files older than [30] days&quot;</extracomment>
        <translation>
            <numerusform>Tag</numerusform>
            <numerusform>Tage</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>sw::ArchiveReader</name>
    <message numerus="yes">
        <source>Damaged archive: no progress for %n seconds</source>
        <translation>
            <numerusform>Beschädigtes Archiv: seit %n Sekunde kein Fortschritt</numerusform>
            <numerusform>Beschädigtes Archiv: seit %n Sekunden kein Fortschritt</numerusform>
        </translation>
    </message>
    <message>
        <source>Damaged archive: the reader ended on it</source>
        <translation>Beschädigtes Archiv: Das Leseprogramm ist daran gescheitert</translation>
    </message>
    <message>
        <source>Damaged archive: the same entry header came twice</source>
        <translation>Beschädigtes Archiv: Derselbe Eintragskopf kam zweimal vor</translation>
    </message>
</context>
<context>
    <name>sw::DesktopNotifier</name>
    <message>
        <source>Show</source>
        <translation>Anzeigen</translation>
    </message>
</context>
<context>
    <name>sw::DupItemModel</name>
    <message>
        <source>%1
One copy of every file is always kept.</source>
        <translation>%1
Eine Kopie jeder Datei bleibt immer erhalten.</translation>
    </message>
    <message>
        <source>%1
In a reference folder: this copy is an original and is never selected.</source>
        <translation>%1
In einem Referenzordner: Diese Kopie ist ein Original und wird nie ausgewählt.</translation>
    </message>
    <message>
        <source>Reference</source>
        <extracomment>Beside a copy in a folder of originals; short</extracomment>
        <translation>Referenz</translation>
    </message>
    <message>
        <source>%1
Modified more recently than the scan&apos;s age limit: this copy stays and is never selected.</source>
        <translation>%1
Neuer als die Altersgrenze des Scans: Diese Kopie bleibt und wird nie ausgewählt.</translation>
    </message>
</context>
<context>
    <name>sw::DupKeepRule</name>
    <message>
        <source>Best original</source>
        <translation>Bestes Original</translation>
    </message>
    <message>
        <source>Oldest</source>
        <translation>Älteste</translation>
    </message>
    <message>
        <source>Newest</source>
        <translation>Neueste</translation>
    </message>
    <message>
        <source>Shortest path</source>
        <translation>Kürzester Pfad</translation>
    </message>
    <message>
        <source>First found</source>
        <translation>Zuerst gefunden</translation>
    </message>
</context>
<context>
    <name>sw::DupLinkButton</name>
    <message>
        <source>Replace with Links</source>
        <translation>Durch Links ersetzen</translation>
    </message>
    <message>
        <source>Each selected copy becomes a link to the copy its group keeps</source>
        <translation>Jede ausgewählte Kopie wird zu einem Link auf die Kopie, die ihre Gruppe behält</translation>
    </message>
    <message>
        <source>Replace with Links: each selected copy becomes a link to the copy its group keeps</source>
        <translation>Durch Links ersetzen: Jede ausgewählte Kopie wird zu einem Link auf die Kopie, die ihre Gruppe behält</translation>
    </message>
    <message>
        <source>Kind of link</source>
        <translation>Art des Links</translation>
    </message>
    <message>
        <source>Hard Links</source>
        <translation>Hardlinks</translation>
    </message>
    <message>
        <source>Reflinks</source>
        <translation>Reflinks</translation>
    </message>
    <message>
        <source>Symbolic Links</source>
        <translation>Symbolische Links</translation>
    </message>
    <message>
        <source>Hard links: each copy&apos;s name leads to the kept file; copies on another file system stay.</source>
        <translation>Hardlinks: Der Name jeder Kopie führt zur behaltenen Datei; Kopien auf einem anderen Dateisystem bleiben.</translation>
    </message>
    <message>
        <source>Reflinks: each copy stays a file of its own that shares the kept file&apos;s data, where the file system can.</source>
        <translation>Reflinks: Jede Kopie bleibt eine eigene Datei, die die Daten der behaltenen Datei teilt, wo das Dateisystem es kann.</translation>
    </message>
    <message>
        <source>Symbolic links: each copy becomes a link to the kept file&apos;s path.</source>
        <translation>Symbolische Links: Jede Kopie wird zu einem Link auf den Pfad der behaltenen Datei.</translation>
    </message>
</context>
<context>
    <name>sw::EntryWriter</name>
    <message>
        <source>a folder of its path is a link or a file</source>
        <translation>ein Ordner in seinem Pfad ist eine Verknüpfung oder eine Datei</translation>
    </message>
    <message>
        <source>an item of that name exists</source>
        <translation>ein Element mit diesem Namen ist bereits vorhanden</translation>
    </message>
    <message>
        <source>the name is too long</source>
        <translation>der Name ist zu lang</translation>
    </message>
    <message>
        <source>Not enough free space</source>
        <translation>Nicht genügend freier Speicherplatz</translation>
    </message>
    <message>
        <source>hard link to an item that was not extracted</source>
        <translation>harte Verknüpfung zu einem nicht entpackten Element</translation>
    </message>
    <message>
        <source>link leads outside the destination</source>
        <translation>Verknüpfung führt aus dem Zielordner heraus</translation>
    </message>
</context>
<context>
    <name>sw::FileLink</name>
    <message>
        <source>it changed since the scan</source>
        <translation>sie hat sich seit der Suche geändert</translation>
    </message>
    <message>
        <source>it is not below the folder it was found in</source>
        <translation>sie liegt nicht unter dem Ordner, in dem sie gefunden wurde</translation>
    </message>
    <message>
        <source>it belongs to another user</source>
        <translation>sie gehört einem anderen Benutzer</translation>
    </message>
    <message>
        <source>the kept copy is on another file system: a hard link cannot reach it</source>
        <translation>die behaltene Kopie liegt auf einem anderen Dateisystem: ein Hardlink kann sie nicht erreichen</translation>
    </message>
    <message>
        <source>the file system cannot share data between files (reflink)</source>
        <translation>das Dateisystem kann keine Daten zwischen Dateien teilen (Reflink)</translation>
    </message>
    <message>
        <source>the link is in place, but the old copy stays as %1: %2</source>
        <translation>der Link ist angelegt, aber die alte Kopie bleibt als %1: %2</translation>
    </message>
    <message>
        <source>it is the kept copy itself</source>
        <translation>sie ist die behaltene Kopie selbst</translation>
    </message>
    <message>
        <source>the kept copy is on another file system: a reflink cannot reach it</source>
        <translation>die behaltene Kopie liegt auf einem anderen Dateisystem: ein Reflink kann sie nicht erreichen</translation>
    </message>
</context>
<context>
    <name>sw::FolderListModel</name>
    <message>
        <source>%1
Reference folder: its copies are the originals and are never selected.</source>
        <translation>%1
Referenzordner: Seine Kopien sind die Originale und werden nie ausgewählt.</translation>
    </message>
    <message>
        <source>Reference folder</source>
        <translation>Referenzordner</translation>
    </message>
</context>
<context>
    <name>sw::FolderListPanel</name>
    <message>
        <source>Folders to scan</source>
        <translation>Zu durchsuchende Ordner</translation>
    </message>
    <message>
        <source>Drop folders here</source>
        <translation>Ordner hier ablegen</translation>
    </message>
    <message>
        <source>Add Files…</source>
        <translation>Dateien hinzufügen …</translation>
    </message>
    <message>
        <source>Add Folders…</source>
        <translation>Ordner hinzufügen …</translation>
    </message>
    <message>
        <source>Add Folder…</source>
        <translation>Ordner hinzufügen …</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Choose Folders</source>
        <translation>Ordner auswählen</translation>
    </message>
    <message>
        <source>Choose Files</source>
        <translation>Dateien auswählen</translation>
    </message>
</context>
<context>
    <name>sw::FolderScanPage</name>
    <message>
        <source>&amp;Scan</source>
        <translation>&amp;Suchen</translation>
    </message>
    <message>
        <source>Only files older than</source>
        <translation>Nur Dateien älter als</translation>
    </message>
    <message>
        <source>Only files older than a number of days</source>
        <translation>Nur Dateien, die älter als eine Anzahl von Tagen sind</translation>
    </message>
    <message>
        <source>Leave out files modified more recently; among duplicates, newer copies stay.</source>
        <translation>Später geänderte Dateien auslassen; unter Duplikaten bleiben neuere Kopien.</translation>
    </message>
</context>
<context>
    <name>sw::GhostscriptVersion</name>
    <message>
        <source>did not answer</source>
        <translation>hat nicht geantwortet</translation>
    </message>
    <message>
        <source>could not be run</source>
        <translation>konnte nicht gestartet werden</translation>
    </message>
    <message>
        <source>could not tell its version</source>
        <translation>hat keine Version genannt</translation>
    </message>
    <message>
        <source>not found</source>
        <translation>nicht gefunden</translation>
    </message>
</context>
<context>
    <name>sw::GroupItemModel</name>
    <message>
        <source>Needs administrator rights</source>
        <translation>Erfordert Administratorrechte</translation>
    </message>
</context>
<context>
    <name>sw::HistoryPage</name>
    <message>
        <source>History</source>
        <translation>Verlauf</translation>
    </message>
    <message>
        <source>What each tool removed, newest first. What went to the Trash can be put back where it was.</source>
        <translation>Was jedes Werkzeug entfernt hat, das Neueste zuerst. Was in den Papierkorb verschoben wurde, kann an seinen Ort zurückgelegt werden.</translation>
    </message>
    <message>
        <source>When</source>
        <translation>Wann</translation>
    </message>
    <message>
        <source>Tool</source>
        <translation>Werkzeug</translation>
    </message>
    <message>
        <source>What became of it</source>
        <translation>Was daraus wurde</translation>
    </message>
    <message>
        <source>Removals</source>
        <translation>Entfernungen</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Element</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Items of the chosen removal</source>
        <translation>Elemente der gewählten Entfernung</translation>
    </message>
    <message>
        <source>Nothing has been removed yet.</source>
        <translation>Es wurde noch nichts entfernt.</translation>
    </message>
    <message>
        <source>&amp;Put Back</source>
        <translation>&amp;Zurücklegen</translation>
    </message>
    <message>
        <source>Returns what this removal moved to the Trash to where it was</source>
        <translation>Legt zurück, was diese Entfernung in den Papierkorb verschoben hat</translation>
    </message>
    <message>
        <source>Nothing of this removal is in the Trash: it cannot be put back.</source>
        <translation>Nichts von dieser Entfernung ist im Papierkorb: sie kann nicht zurückgelegt werden.</translation>
    </message>
    <message numerus="yes">
        <source>%n item(s) put back.</source>
        <translation>
            <numerusform>%n Element zurückgelegt.</numerusform>
            <numerusform>%n Elemente zurückgelegt.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n item(s) could not be put back; the list says why.</source>
        <translation>
            <numerusform>%n Element konnte nicht zurückgelegt werden; die Liste nennt den Grund.</numerusform>
            <numerusform>%n Elemente konnten nicht zurückgelegt werden; die Liste nennt den Grund.</numerusform>
        </translation>
    </message>
    <message>
        <source>The history could not be written: %1</source>
        <translation>Der Verlauf konnte nicht geschrieben werden: %1</translation>
    </message>
</context>
<context>
    <name>sw::ImagePreview</name>
    <message>
        <source>This image cannot be shown.</source>
        <translation>Dieses Bild kann nicht angezeigt werden.</translation>
    </message>
</context>
<context>
    <name>sw::LibraryVersions</name>
    <message>
        <source>%1 (built with)</source>
        <translation>%1 (beim Kompilieren)</translation>
    </message>
</context>
<context>
    <name>sw::MediaPreview</name>
    <message>
        <source>This file cannot be played.</source>
        <translation>Diese Datei kann nicht abgespielt werden.</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Abspielen</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
</context>
<context>
    <name>sw::NothingFoundPage</name>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
</context>
<context>
    <name>sw::PackageKitTransaction</name>
    <message>
        <source>cancelled</source>
        <translation>abgebrochen</translation>
    </message>
    <message>
        <source>PackageKit ended the transaction with exit code %1</source>
        <translation>PackageKit hat die Transaktion mit Exit-Code %1 beendet</translation>
    </message>
    <message>
        <source>PackageKit gave no transaction</source>
        <translation>PackageKit hat keine Transaktion bereitgestellt</translation>
    </message>
    <message>
        <source>PackageKit left the bus</source>
        <translation>PackageKit hat den Bus verlassen</translation>
    </message>
    <message>
        <source>PackageKit did not take the request</source>
        <translation>PackageKit hat die Anfrage nicht angenommen</translation>
    </message>
    <message>
        <source>PackageKit stopped answering</source>
        <translation>PackageKit antwortet nicht mehr</translation>
    </message>
    <message>
        <source>PackageKit dropped the transaction before it finished</source>
        <translation>PackageKit hat die Transaktion vor dem Abschluss verworfen</translation>
    </message>
</context>
<context>
    <name>sw::PdfPreview</name>
    <message>
        <source>This PDF document cannot be opened.</source>
        <translation>Dieses PDF-Dokument kann nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>This PDF document is locked.</source>
        <translation>Dieses PDF-Dokument ist gesperrt.</translation>
    </message>
    <message>
        <source>This PDF document has no pages.</source>
        <translation>Dieses PDF-Dokument hat keine Seiten.</translation>
    </message>
    <message>
        <source>This PDF document cannot be shown.</source>
        <translation>Dieses PDF-Dokument kann nicht angezeigt werden.</translation>
    </message>
    <message numerus="yes">
        <source>Showing the first %1 of %n pages.</source>
        <translation>
            <numerusform>Die ersten %1 von %n Seite werden angezeigt.</numerusform>
            <numerusform>Die ersten %1 von %n Seiten werden angezeigt.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>sw::PreviewDialog</name>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
</context>
<context>
    <name>sw::PreviewPane</name>
    <message>
        <source>This file cannot be shown: the viewers plugin is missing or broken.</source>
        <translation>Diese Datei kann nicht angezeigt werden: Das Plugin für die Anzeige fehlt oder ist beschädigt.</translation>
    </message>
</context>
<context>
    <name>sw::RemovalDetailsDialog</name>
    <message>
        <source>Details</source>
        <translation>Details</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Element</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
</context>
<context>
    <name>sw::RemovalPage</name>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Details</translation>
    </message>
    <message>
        <source>Cancelling…</source>
        <translation>Wird abgebrochen …</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>items done, their size</comment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Stopped: the rest was left as it was</source>
        <translation>Abgebrochen: Der Rest blieb unverändert</translation>
    </message>
    <message>
        <source>Refused: %1</source>
        <translation>Abgelehnt: %1</translation>
    </message>
    <message>
        <source>Went with its folder, counted there</source>
        <translation>Mit seinem Ordner entfernt, dort mitgezählt</translation>
    </message>
    <message>
        <source>&amp;Done</source>
        <translation>&amp;Fertig</translation>
    </message>
</context>
<context>
    <name>sw::RemovalWording</name>
    <message numerus="yes">
        <source>Delete %Ln item(s) (%1)</source>
        <translation>
            <numerusform>%Ln Element löschen (%1)</numerusform>
            <numerusform>%Ln Elemente löschen (%1)</numerusform>
        </translation>
    </message>
    <message>
        <source>Deleted items do not go to the Trash.</source>
        <translation>Gelöschte Elemente kommen nicht in den Papierkorb.</translation>
    </message>
    <message numerus="yes">
        <source>Move %Ln item(s) to the Trash (%1)</source>
        <translation>
            <numerusform>%Ln Element in den Papierkorb verschieben (%1)</numerusform>
            <numerusform>%Ln Elemente in den Papierkorb verschieben (%1)</numerusform>
        </translation>
    </message>
    <message>
        <source>Items moved to the Trash can be restored from there.</source>
        <translation>In den Papierkorb verschobene Elemente können von dort wiederhergestellt werden.</translation>
    </message>
    <message numerus="yes">
        <source>Remove %Ln item(s) (%1)</source>
        <translation>
            <numerusform>%Ln Element entfernen (%1)</numerusform>
            <numerusform>%Ln Elemente entfernen (%1)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Uninstall %Ln application(s) (%1)</source>
        <translation>
            <numerusform>%Ln Anwendung deinstallieren (%1)</numerusform>
            <numerusform>%Ln Anwendungen deinstallieren (%1)</numerusform>
        </translation>
    </message>
    <message>
        <source>Their files are deleted, not moved to the Trash.</source>
        <translation>Ihre Dateien werden gelöscht, nicht in den Papierkorb verschoben.</translation>
    </message>
    <message>
        <source>Packages are removed by the package manager; files of yours go to the Trash, where you can restore them.</source>
        <translation>Pakete werden vom Paketmanager entfernt; Ihre Dateien kommen in den Papierkorb, wo Sie sie wiederherstellen können.</translation>
    </message>
    <message numerus="yes">
        <source>Shred %Ln item(s) (%1)</source>
        <translation>
            <numerusform>%Ln Element schreddern (%1)</numerusform>
            <numerusform>%Ln Elemente schreddern (%1)</numerusform>
        </translation>
    </message>
    <message>
        <source>Shredded items are removed at once and cannot be restored.</source>
        <translation>Geschredderte Elemente werden sofort entfernt und können nicht wiederhergestellt werden.</translation>
    </message>
    <message>
        <source>Deleting</source>
        <translation>Wird gelöscht</translation>
    </message>
    <message numerus="yes">
        <source>%Ln item(s) deleted</source>
        <translation>
            <numerusform>%Ln Element gelöscht</numerusform>
            <numerusform>%Ln Elemente gelöscht</numerusform>
        </translation>
    </message>
    <message>
        <source>Some items could not be deleted</source>
        <translation>Einige Elemente konnten nicht gelöscht werden</translation>
    </message>
    <message>
        <source>Nothing was deleted</source>
        <translation>Es wurde nichts gelöscht</translation>
    </message>
    <message numerus="yes">
        <source>%Ln item(s) could not be deleted (%1)</source>
        <translation>
            <numerusform>%Ln Element konnte nicht gelöscht werden (%1)</numerusform>
            <numerusform>%Ln Elemente konnten nicht gelöscht werden (%1)</numerusform>
        </translation>
    </message>
    <message>
        <source>Deleted (%1)</source>
        <translation>Gelöscht (%1)</translation>
    </message>
    <message>
        <source>Moving to the Trash</source>
        <translation>Wird in den Papierkorb verschoben</translation>
    </message>
    <message numerus="yes">
        <source>%Ln item(s) moved to the Trash</source>
        <translation>
            <numerusform>%Ln Element in den Papierkorb verschoben</numerusform>
            <numerusform>%Ln Elemente in den Papierkorb verschoben</numerusform>
        </translation>
    </message>
    <message>
        <source>Some items could not be moved to the Trash</source>
        <translation>Einige Elemente konnten nicht in den Papierkorb verschoben werden</translation>
    </message>
    <message>
        <source>Nothing was moved to the Trash</source>
        <translation>Es wurde nichts in den Papierkorb verschoben</translation>
    </message>
    <message numerus="yes">
        <source>%Ln item(s) could not be moved to the Trash (%1)</source>
        <translation>
            <numerusform>%Ln Element konnte nicht in den Papierkorb verschoben werden (%1)</numerusform>
            <numerusform>%Ln Elemente konnten nicht in den Papierkorb verschoben werden (%1)</numerusform>
        </translation>
    </message>
    <message>
        <source>Moved to the Trash (%1)</source>
        <translation>In den Papierkorb verschoben (%1)</translation>
    </message>
    <message>
        <source>Removing</source>
        <translation>Wird entfernt</translation>
    </message>
    <message numerus="yes">
        <source>%Ln item(s) removed</source>
        <translation>
            <numerusform>%Ln Element entfernt</numerusform>
            <numerusform>%Ln Elemente entfernt</numerusform>
        </translation>
    </message>
    <message>
        <source>Some items could not be removed</source>
        <translation>Einige Elemente konnten nicht entfernt werden</translation>
    </message>
    <message>
        <source>Nothing was removed</source>
        <translation>Es wurde nichts entfernt</translation>
    </message>
    <message numerus="yes">
        <source>%Ln item(s) could not be removed (%1)</source>
        <translation>
            <numerusform>%Ln Element konnte nicht entfernt werden (%1)</numerusform>
            <numerusform>%Ln Elemente konnten nicht entfernt werden (%1)</numerusform>
        </translation>
    </message>
    <message>
        <source>Removed (%1)</source>
        <translation>Entfernt (%1)</translation>
    </message>
    <message>
        <source>Shredding</source>
        <translation>Wird geschreddert</translation>
    </message>
    <message numerus="yes">
        <source>%Ln item(s) shredded</source>
        <translation>
            <numerusform>%Ln Element geschreddert</numerusform>
            <numerusform>%Ln Elemente geschreddert</numerusform>
        </translation>
    </message>
    <message>
        <source>Some items could not be shredded</source>
        <translation>Einige Elemente konnten nicht geschreddert werden</translation>
    </message>
    <message>
        <source>Nothing was shredded</source>
        <translation>Es wurde nichts geschreddert</translation>
    </message>
    <message numerus="yes">
        <source>%Ln item(s) could not be shredded (%1)</source>
        <translation>
            <numerusform>%Ln Element konnte nicht geschreddert werden (%1)</numerusform>
            <numerusform>%Ln Elemente konnten nicht geschreddert werden (%1)</numerusform>
        </translation>
    </message>
    <message>
        <source>Shredded (%1)</source>
        <translation>Geschreddert (%1)</translation>
    </message>
    <message>
        <source>Delete junk files?</source>
        <translation>Datenmüll löschen?</translation>
    </message>
    <message>
        <source>Move junk files to the Trash?</source>
        <translation>Datenmüll in den Papierkorb verschieben?</translation>
    </message>
    <message>
        <source>Junk files deleted</source>
        <translation>Datenmüll gelöscht</translation>
    </message>
    <message>
        <source>Junk files moved to the Trash</source>
        <translation>Datenmüll in den Papierkorb verschoben</translation>
    </message>
    <message>
        <source>Delete large files?</source>
        <translation>Große Dateien löschen?</translation>
    </message>
    <message>
        <source>Move large files to the Trash?</source>
        <translation>Große Dateien in den Papierkorb verschieben?</translation>
    </message>
    <message>
        <source>Large files deleted</source>
        <translation>Große Dateien gelöscht</translation>
    </message>
    <message>
        <source>Large files moved to the Trash</source>
        <translation>Große Dateien in den Papierkorb verschoben</translation>
    </message>
    <message>
        <source>Delete duplicates?</source>
        <translation>Duplikate löschen?</translation>
    </message>
    <message>
        <source>Move duplicates to the Trash?</source>
        <translation>Duplikate in den Papierkorb verschieben?</translation>
    </message>
    <message>
        <source>Duplicates deleted</source>
        <translation>Duplikate gelöscht</translation>
    </message>
    <message>
        <source>Duplicates moved to the Trash</source>
        <translation>Duplikate in den Papierkorb verschoben</translation>
    </message>
    <message numerus="yes">
        <source>Uninstall %Ln application(s)?</source>
        <translation>
            <numerusform>%Ln Anwendung deinstallieren?</numerusform>
            <numerusform>%Ln Anwendungen deinstallieren?</numerusform>
        </translation>
    </message>
    <message>
        <source>Applications uninstalled</source>
        <translation>Anwendungen deinstalliert</translation>
    </message>
    <message numerus="yes">
        <source>Remove %Ln extension(s)?</source>
        <translation>
            <numerusform>%Ln Erweiterung entfernen?</numerusform>
            <numerusform>%Ln Erweiterungen entfernen?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Move %Ln extension(s) to the Trash?</source>
        <translation>
            <numerusform>%Ln Erweiterung in den Papierkorb verschieben?</numerusform>
            <numerusform>%Ln Erweiterungen in den Papierkorb verschieben?</numerusform>
        </translation>
    </message>
    <message>
        <source>Extensions removed</source>
        <translation>Erweiterungen entfernt</translation>
    </message>
    <message>
        <source>Extensions moved to the Trash</source>
        <translation>Erweiterungen in den Papierkorb verschoben</translation>
    </message>
    <message numerus="yes">
        <source>Shred %Ln item(s)?</source>
        <translation>
            <numerusform>%Ln Element schreddern?</numerusform>
            <numerusform>%Ln Elemente schreddern?</numerusform>
        </translation>
    </message>
    <message>
        <source>Items shredded</source>
        <translation>Elemente geschreddert</translation>
    </message>
    <message numerus="yes">
        <source>%Ln item(s) were refused</source>
        <translation>
            <numerusform>%Ln Element wurde abgelehnt</numerusform>
            <numerusform>%Ln Elemente wurden abgelehnt</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>&amp;Move to the Trash</source>
        <translation>In den &amp;Papierkorb</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Entfernen</translation>
    </message>
    <message>
        <source>&amp;Uninstall</source>
        <translation>&amp;Deinstallieren</translation>
    </message>
    <message>
        <source>&amp;Shred</source>
        <translation>&amp;Schreddern</translation>
    </message>
    <message>
        <source>Replace with &amp;Links</source>
        <translation>Durch &amp;Links ersetzen</translation>
    </message>
    <message numerus="yes">
        <source>Replace %Ln copy(s) with links (%1)</source>
        <translation>
            <numerusform>%Ln Kopie durch Links ersetzen (%1)</numerusform>
            <numerusform>%Ln Kopien durch Links ersetzen (%1)</numerusform>
        </translation>
    </message>
    <message>
        <source>Each copy is compared again and becomes a link to the copy kept, which stays as it is.</source>
        <translation>Jede Kopie wird erneut verglichen und wird zu einem Link auf die behaltene Kopie, die unverändert bleibt.</translation>
    </message>
    <message>
        <source>Replacing with links</source>
        <translation>Durch Links ersetzen</translation>
    </message>
    <message numerus="yes">
        <source>%Ln copy(s) replaced with links</source>
        <translation>
            <numerusform>%Ln Kopie durch einen Link ersetzt</numerusform>
            <numerusform>%Ln Kopien durch Links ersetzt</numerusform>
        </translation>
    </message>
    <message>
        <source>Some copies could not be replaced</source>
        <translation>Einige Kopien konnten nicht ersetzt werden</translation>
    </message>
    <message>
        <source>No copy was replaced</source>
        <translation>Keine Kopie wurde ersetzt</translation>
    </message>
    <message numerus="yes">
        <source>%Ln copy(s) could not be replaced (%1)</source>
        <translation>
            <numerusform>%Ln Kopie konnte nicht ersetzt werden (%1)</numerusform>
            <numerusform>%Ln Kopien konnten nicht ersetzt werden (%1)</numerusform>
        </translation>
    </message>
    <message>
        <source>Replaced with a link (%1 freed)</source>
        <translation>Durch einen Link ersetzt (%1 frei)</translation>
    </message>
    <message>
        <source>Replace duplicates with links?</source>
        <translation>Duplikate durch Links ersetzen?</translation>
    </message>
    <message>
        <source>Duplicates replaced with links</source>
        <translation>Duplikate durch Links ersetzt</translation>
    </message>
    <message>
        <source>Delete empty and broken items?</source>
        <translation>Leere und defekte Einträge löschen?</translation>
    </message>
    <message>
        <source>Move empty and broken items to the Trash?</source>
        <translation>Leere und defekte Einträge in den Papierkorb verschieben?</translation>
    </message>
    <message>
        <source>Empty and broken items deleted</source>
        <translation>Leere und defekte Einträge gelöscht</translation>
    </message>
    <message>
        <source>Empty and broken items moved to the Trash</source>
        <translation>Leere und defekte Einträge in den Papierkorb verschoben</translation>
    </message>
</context>
<context>
    <name>sw::ResultBottomBar</name>
    <message>
        <source>Deselect</source>
        <translation>Abwählen</translation>
    </message>
    <message>
        <source>Selected:</source>
        <translation>Ausgewählt:</translation>
    </message>
    <message>
        <source>Total:</source>
        <translation>Gesamt:</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Auswählen</translation>
    </message>
    <message>
        <source>Start &amp;Over</source>
        <translation>&amp;Neu beginnen</translation>
    </message>
</context>
<context>
    <name>sw::ResultItemList</name>
    <message>
        <source>Search</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Sort by Size</source>
        <translation>Nach Größe sortieren</translation>
    </message>
    <message>
        <source>Sort by Name</source>
        <translation>Nach Namen sortieren</translation>
    </message>
    <message>
        <source>Search the items</source>
        <translation>In Elementen suchen</translation>
    </message>
    <message>
        <source>Sort the items</source>
        <translation>Elemente sortieren</translation>
    </message>
    <message>
        <source>Items</source>
        <translation>Elemente</translation>
    </message>
    <message>
        <source>Item menu</source>
        <translation>Elementmenü</translation>
    </message>
    <message>
        <source>Never Touch This</source>
        <translation>Nie anfassen</translation>
    </message>
</context>
<context>
    <name>sw::ScanPage</name>
    <message>
        <source>%1 found %2</source>
        <comment>tool, size found</comment>
        <translation>%1: %2 gefunden</translation>
    </message>
    <message>
        <source>Review the result and choose what to remove.</source>
        <translation>Prüfen Sie das Ergebnis und wählen Sie aus, was entfernt werden soll.</translation>
    </message>
    <message>
        <source>%1 found nothing</source>
        <comment>tool</comment>
        <translation>%1: nichts gefunden</translation>
    </message>
</context>
<context>
    <name>sw::ScanProgressPanel</name>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Scanning…</source>
        <translation>Wird durchsucht …</translation>
    </message>
    <message>
        <source>Nothing is removed until you confirm.</source>
        <translation>Es wird nichts entfernt, bevor Sie bestätigen.</translation>
    </message>
    <message>
        <source>Scanning</source>
        <translation>Wird durchsucht</translation>
    </message>
    <message numerus="yes">
        <source>%Ln item(s) looked at</source>
        <translation>
            <numerusform>%Ln Element geprüft</numerusform>
            <numerusform>%Ln Elemente geprüft</numerusform>
        </translation>
    </message>
    <message>
        <source>Cancelling…</source>
        <translation>Wird abgebrochen …</translation>
    </message>
    <message>
        <source>Found %1</source>
        <translation>%1 gefunden</translation>
    </message>
</context>
<context>
    <name>sw::TextPreview</name>
    <message>
        <source>Only the beginning of this file is shown.</source>
        <translation>Nur der Anfang dieser Datei wird angezeigt.</translation>
    </message>
</context>
<context>
    <name>sw::ViewerFactory</name>
    <message>
        <source>%1 was not found in %2.</source>
        <translation>%1 wurde nicht in %2 gefunden.</translation>
    </message>
</context>
</TS>
