<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>AddLoginItemDialog</name>
    <message>
        <source>Add an Application</source>
        <translation>Añadir una aplicación</translation>
    </message>
    <message>
        <source>Start an application when you log in</source>
        <translation>Abrir una aplicación al iniciar sesión</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
</context>
<context>
    <name>AdminPass</name>
    <message>
        <source>the administrator removal did not understand the request; left in place</source>
        <translation>la eliminación como administrador no entendió la solicitud; se deja en su lugar</translation>
    </message>
    <message>
        <source>lies outside the places the administrator removal covers; left in place</source>
        <translation>está fuera de los lugares que abarca la eliminación como administrador; se deja en su lugar</translation>
    </message>
    <message>
        <source>its folder changed while the password was asked for; left in place</source>
        <translation>su carpeta cambió mientras se pedía la contraseña; se deja en su lugar</translation>
    </message>
    <message>
        <source>is or lies in a protected folder; left in place</source>
        <translation>es una carpeta protegida o está dentro de una; se deja en su lugar</translation>
    </message>
    <message>
        <source>it changed while the password was asked for; left in place</source>
        <translation>cambió mientras se pedía la contraseña; se deja en su lugar</translation>
    </message>
    <message>
        <source>cannot be reached without following a link or entering another file system; left in place</source>
        <translation>no es accesible sin seguir un enlace ni entrar en otro sistema de archivos; se deja en su lugar</translation>
    </message>
    <message>
        <source>cannot be reached below its folder; left in place</source>
        <translation>no es accesible desde su carpeta; se deja en su lugar</translation>
    </message>
    <message>
        <source>the administrator helper sweepwright-privileged is not installed; left in place</source>
        <translation>el programa auxiliar de administrador sweepwright-privileged no está instalado; se deja en su lugar</translation>
    </message>
    <message>
        <source>%1; left in place</source>
        <translation>%1; se deja en su lugar</translation>
    </message>
    <message>
        <source>the administrator removal gave no answer for it; left in place</source>
        <translation>la eliminación como administrador no dio ninguna respuesta sobre este elemento; se deja en su lugar</translation>
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
        <translation>Sweepwright se está ejecutando como root, algo que nunca necesita: ejecútelo como el usuario cuyos archivos limpia.</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Preferencias</translation>
    </message>
    <message>
        <source>Open a Saved Result</source>
        <translation>Abrir un resultado guardado</translation>
    </message>
    <message>
        <source>%1 was not opened: Duplicates is busy with another result. Start over there, then open it from the folder page.</source>
        <translation>%1 no se abrió: Duplicados está ocupado con otro resultado. Empiece de nuevo allí y luego ábralo desde la página de carpetas.</translation>
    </message>
</context>
<context>
    <name>AppRemoval</name>
    <message>
        <source>it is still installed</source>
        <translation>sigue instalada</translation>
    </message>
    <message>
        <source>left in place: the application itself was not removed (%1)</source>
        <translation>se deja en su lugar: la propia aplicación no se eliminó (%1)</translation>
    </message>
    <message>
        <source>left in place: %1, which also uses it, was not removed (%2)</source>
        <translation>se deja en su lugar: %1, que también lo usa, no se eliminó (%2)</translation>
    </message>
    <message>
        <source>left in place: the application itself is not being removed</source>
        <translation>se deja en su lugar: la propia aplicación no se va a eliminar</translation>
    </message>
    <message>
        <source>left in place: %1, which also uses it, is not being removed</source>
        <translation>se deja en su lugar: %1, que también lo usa, no se va a eliminar</translation>
    </message>
    <message>
        <source>flatpak left it installed</source>
        <translation>flatpak la dejó instalada</translation>
    </message>
    <message>
        <source>PackageKit left it installed</source>
        <translation>PackageKit la dejó instalada</translation>
    </message>
    <message>
        <source>apt-get left it installed</source>
        <translation>apt-get la dejó instalada</translation>
    </message>
</context>
<context>
    <name>AppsCommand</name>
    <message numerus="yes">
        <source>&quot;%1&quot; names %n applications; give one of their identifiers or paths:</source>
        <translation>
            <numerusform>&quot;%1&quot; corresponde a %n aplicación; indique uno de sus identificadores o rutas:</numerusform>
            <numerusform>&quot;%1&quot; corresponde a %n aplicaciones; indique uno de sus identificadores o rutas:</numerusform>
        </translation>
    </message>
    <message>
        <source>found no application &quot;%1&quot;</source>
        <translation>no se encontró ninguna aplicación &quot;%1&quot;</translation>
    </message>
    <message numerus="yes">
        <source>Found %n application(s), %1 in total.
</source>
        <translation>
            <numerusform>Se encontró %n aplicación, %1 en total.
</numerusform>
            <numerusform>Se encontraron %n aplicaciones, %1 en total.
</numerusform>
        </translation>
    </message>
    <message>
        <source>app</source>
        <comment>an application&apos;s own files</comment>
        <translation>aplicación</translation>
    </message>
    <message>
        <source>cache</source>
        <comment>an application&apos;s cache</comment>
        <translation>caché</translation>
    </message>
    <message>
        <source>settings</source>
        <comment>an application&apos;s settings</comment>
        <translation>preferencias</translation>
    </message>
    <message>
        <source>data</source>
        <comment>the user&apos;s data of an application</comment>
        <translation>datos</translation>
    </message>
    <message>
        <source>bundle</source>
        <comment>an application installed as a bundle</comment>
        <translation>paquete .app</translation>
    </message>
    <message>
        <source>appimage</source>
        <comment>an application installed as an AppImage</comment>
        <translation>appimage</translation>
    </message>
    <message>
        <source>home</source>
        <comment>an application installed in the home folder</comment>
        <translation>personal</translation>
    </message>
    <message>
        <source>flatpak</source>
        <comment>an application installed as a Flatpak</comment>
        <translation>flatpak</translation>
    </message>
    <message>
        <source>package</source>
        <comment>an application installed as a system package</comment>
        <translation>paquete</translation>
    </message>
    <message>
        <source>--with-data goes with --remove</source>
        <translation>--with-data solo se usa junto con --remove</translation>
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
        <translation>Uso: sweepwright-cli apps [--layout L] [--root R] [--home H] [--json]
                          [--remove APP... [--with-data] [--yes | --dry-run]]
Muestra las aplicaciones instaladas, cada una con sus propios archivos y lo que dejó en la
carpeta personal que solo es suyo, por tipo (aplicación, caché, preferencias y datos del usuario:
lo que hay en XDG_DATA_HOME, ~/.var/app/ID/data o en una carpeta oculta como ~/.thunderbird),
y sus tamaños; [x] (&quot;isDel&quot; en JSON) marca lo que se llevaría la eliminación de la aplicación
(con --remove: lo que se lleva esta ejecución).
Con --remove se elimina la aplicación APP con sus elementos marcados: todos salvo los
datos del usuario, a menos que se indique --with-data. Lo que es del usuario va a la papelera,
desde donde se puede restaurar. Antes pregunta en un terminal, o procede con --yes;
si no, muestra el plan y no elimina nada (estado de salida 2). APP es el nombre de la lista o, si varias aplicaciones
comparten nombre, uno de sus identificadores: el id del archivo desktop, el id de Flatpak, el
nombre del paquete o su ruta; un nombre compartido no elimina nada y muestra los candidatos
(estado de salida 2). Primero se elimina la aplicación (los paquetes, con su gestor de paquetes;
los archivos que solo un administrador puede eliminar, tras una única solicitud de contraseña);
sus restos, solo cuando ya no está; si no, se conservan y el informe dice por qué. Ctrl-C detiene
el análisis, o la eliminación tras el elemento en curso (estado de salida 130).

  --json         muestra un único objeto JSON en lugar de una lista
  --remove APP   elimina la aplicación APP y sus restos (repetible)
  --with-data    con --remove, se lleva también los datos del usuario de APP
  --yes          elimina sin preguntar
  --dry-run      muestra lo que eliminaría --remove, y no elimina nada
  --help         muestra este texto
  -V, --version  muestra la versión
</translation>
    </message>
</context>
<context>
    <name>CategoryRoots</name>
    <message>
        <source>it vanished</source>
        <translation>desapareció</translation>
    </message>
    <message>
        <source>it is a link in %1, a folder others can write</source>
        <translation>es un enlace en %1, una carpeta en la que otros pueden escribir</translation>
    </message>
    <message>
        <source>it belongs to another user and lies in %1, a folder others can write</source>
        <translation>pertenece a otro usuario y está en %1, una carpeta en la que otros pueden escribir</translation>
    </message>
    <message>
        <source>it belongs to another user and anyone can write it</source>
        <translation>pertenece a otro usuario y cualquiera puede escribir en ella</translation>
    </message>
    <message>
        <source>Leaving %1 alone: %2</source>
        <translation>Se deja sin tocar %1: %2</translation>
    </message>
    <message>
        <source>it belongs to another user</source>
        <translation>pertenece a otro usuario</translation>
    </message>
    <message>
        <source>not an absolute path</source>
        <translation>no es una ruta absoluta</translation>
    </message>
</context>
<context>
    <name>CleanSchedule</name>
    <message>
        <source>The command-line program is not installed beside this one (%1).</source>
        <translation>El programa de línea de órdenes no está instalado junto a este (%1).</translation>
    </message>
    <message>
        <source>The program&apos;s path cannot be written in a unit file: %1</source>
        <translation>La ruta del programa no se puede escribir en un archivo de unidad: %1</translation>
    </message>
    <message>
        <source>Could not write the timer into %1.</source>
        <translation>No se pudo escribir el temporizador en %1.</translation>
    </message>
    <message>
        <source>Could not remove %1.</source>
        <translation>No se pudo eliminar %1.</translation>
    </message>
</context>
<context>
    <name>CliCommand</name>
    <message>
        <source>cancelled</source>
        <translation>cancelado</translation>
    </message>
    <message>
        <source>could not write the report: %1</source>
        <translation>no se pudo escribir el informe: %1</translation>
    </message>
    <message>
        <source>Try &apos;sweepwright-cli %1 --help&apos;.</source>
        <translation>Pruebe &apos;sweepwright-cli %1 --help&apos;.</translation>
    </message>
    <message>
        <source>unexpected argument %1</source>
        <translation>argumento inesperado %1</translation>
    </message>
    <message>
        <source>no file given</source>
        <translation>no se indicó ningún archivo</translation>
    </message>
    <message>
        <source>more than one file given</source>
        <translation>se indicó más de un archivo</translation>
    </message>
    <message>
        <source>running as root is never needed; protected system folders stay untouched.</source>
        <translation>nunca es necesario ejecutarlo como root; las carpetas protegidas del sistema no se tocan.</translation>
    </message>
</context>
<context>
    <name>CliMain</name>
    <message>
        <source>scan for junk files and list them, or remove them with --clean</source>
        <translation>busca archivos basura y los muestra, o los elimina con --clean</translation>
    </message>
    <message>
        <source>list the files of 32 MB and more in folders, or move them to the Trash</source>
        <translation>muestra los archivos de 32 MB o más de las carpetas, o los mueve a la papelera</translation>
    </message>
    <message>
        <source>list duplicate files in folders, or move all copies but one to the Trash</source>
        <translation>muestra los archivos duplicados de las carpetas, o mueve a la papelera todas las copias menos una</translation>
    </message>
    <message>
        <source>list the installed applications and their leftovers, or remove some with --remove</source>
        <translation>muestra las aplicaciones instaladas y sus restos, o elimina algunas con --remove</translation>
    </message>
    <message>
        <source>list the add-ons by category, or remove some with --remove</source>
        <translation>muestra los complementos por categoría, o elimina algunos con --remove</translation>
    </message>
    <message>
        <source>list the applications started at login, or switch one with --on or --off</source>
        <translation>muestra las aplicaciones que se inician con la sesión, o activa o desactiva una con --on o --off</translation>
    </message>
    <message>
        <source>show memory and disk use, or release memory with --release</source>
        <translation>muestra el uso de memoria y de disco, o libera memoria con --release</translation>
    </message>
    <message>
        <source>extract an archive or a winmail.dat file, or list what it holds</source>
        <translation>extrae un archivo comprimido o un archivo winmail.dat, o muestra su contenido</translation>
    </message>
    <message>
        <source>make a smaller copy of a PDF document</source>
        <translation>crea una copia más pequeña de un documento PDF</translation>
    </message>
    <message>
        <source>remove files and folders whole, optionally overwriting their contents first</source>
        <translation>elimina archivos y carpetas enteros, y opcionalmente sobrescribe antes su contenido</translation>
    </message>
    <message>
        <source>write the attachments and message bodies of a winmail.dat file into a folder</source>
        <translation>escribe en una carpeta los adjuntos y los cuerpos de mensaje de un archivo winmail.dat</translation>
    </message>
    <message>
        <source>Usage: sweepwright-cli COMMAND [options]
       sweepwright-cli COMMAND --help
       sweepwright-cli -V | --version

Commands:
</source>
        <translation>Uso: sweepwright-cli COMMAND [opciones]
     sweepwright-cli COMMAND --help
     sweepwright-cli -V | --version

Comandos:
</translation>
    </message>
    <message>
        <source>Layout options (commands that look at the disk):</source>
        <translation>Opciones de esquema (comandos que examinan el disco):</translation>
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
        <translation>Las variables SWEEPWRIGHT_LAYOUT, SWEEPWRIGHT_ROOT y SWEEPWRIGHT_HOME establecen lo mismo;
las opciones tienen prioridad.

Los comandos que eliminan o mueven archivos solo actúan con --yes o tras una pregunta en un
terminal; si no, muestran el plan y salen con el estado 2. --dry-run muestra el plan y no
toca nada. Ctrl-C detiene un análisis, o una eliminación tras el elemento en curso (salida 130).
&quot;--&quot; termina las opciones: lo que sigue es una ruta aunque empiece por &quot;-&quot;. Si
FOLDER o PATH es &quot;-&quot; (large, dups, shred), las rutas se leen de la entrada estándar,
una por línea o separadas por bytes NUL.
</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;</source>
        <translation>comando desconocido &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Try &apos;sweepwright-cli --help&apos;.</source>
        <translation>Pruebe &apos;sweepwright-cli --help&apos;.</translation>
    </message>
    <message>
        <source>tell or set how often junk is cleaned automatically</source>
        <translation>mostrar o fijar cada cuánto se limpian automáticamente los archivos basura</translation>
    </message>
    <message>
        <source>list what every tool removed, or put back what a run moved to the Trash</source>
        <translation>mostrar lo que eliminó cada herramienta, o devolver lo que una ejecución movió a la Papelera</translation>
    </message>
</context>
<context>
    <name>CliOptions</name>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 necesita un valor</translation>
    </message>
    <message>
        <source>%1 takes no value</source>
        <translation>%1 no admite ningún valor</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>opción desconocida %1</translation>
    </message>
</context>
<context>
    <name>CliPassword</name>
    <message>
        <source>cannot read the password file %1: %2</source>
        <translation>no se puede leer el archivo de contraseña %1: %2</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Show this help and exit.</source>
        <translation>Muestra esta ayuda y sale.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Muestra la versión y sale.</translation>
    </message>
    <message>
        <source>Where to look: freedesktop or macos.</source>
        <translation>Dónde buscar: freedesktop o macos.</translation>
    </message>
    <message>
        <source>The root the system folders are under.</source>
        <translation>La raíz bajo la que están las carpetas del sistema.</translation>
    </message>
    <message>
        <source>The home folder to look in.</source>
        <translation>La carpeta personal en la que buscar.</translation>
    </message>
    <message>
        <source>Sweepwright, the desktop maintenance utility.</source>
        <translation>Sweepwright, la utilidad de mantenimiento del escritorio.</translation>
    </message>
    <message>
        <source>Open a duplicate result saved as JSON, checked against the disk first.</source>
        <translation>Abrir un resultado de duplicados guardado como JSON, comprobado antes con el disco.</translation>
    </message>
</context>
<context>
    <name>DupCopyCheck</name>
    <message>
        <source>The copy kept is no longer there</source>
        <translation>La copia conservada ya no existe</translation>
    </message>
    <message>
        <source>Changed since the scan: no longer the same as the copy kept</source>
        <translation>Ha cambiado desde el análisis: ya no es igual a la copia conservada</translation>
    </message>
</context>
<context>
    <name>DupExport</name>
    <message>
        <source>Export the Result</source>
        <translation>Exportar el resultado</translation>
    </message>
    <message>
        <source>Table for spreadsheets (*.csv)</source>
        <translation>Tabla para hojas de cálculo (*.csv)</translation>
    </message>
    <message>
        <source>Saved result to open again (*.json)</source>
        <translation>Resultado guardado para abrir de nuevo (*.json)</translation>
    </message>
    <message>
        <source>The result could not be saved: %1</source>
        <translation>No se pudo guardar el resultado: %1</translation>
    </message>
</context>
<context>
    <name>DupKinds</name>
    <message>
        <source>Documents</source>
        <translation>Documentos</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Imágenes</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Música</translation>
    </message>
    <message>
        <source>Videos</source>
        <translation>Vídeos</translation>
    </message>
    <message>
        <source>Packages</source>
        <translation>Paquetes</translation>
    </message>
    <message>
        <source>Others</source>
        <translation>Otros</translation>
    </message>
</context>
<context>
    <name>DupResultJson</name>
    <message>
        <source>%1: not an absolute path without &quot;.&quot; or &quot;..&quot;</source>
        <translation>%1: no es una ruta absoluta sin «.» ni «..»</translation>
    </message>
    <message>
        <source>%1: no size</source>
        <translation>%1: sin tamaño</translation>
    </message>
    <message>
        <source>%1: no modification time</source>
        <translation>%1: sin fecha de modificación</translation>
    </message>
    <message>
        <source>The file is too large to be a saved result.</source>
        <translation>El archivo es demasiado grande para ser un resultado guardado.</translation>
    </message>
    <message>
        <source>The file is not valid JSON (%1 at byte %2).</source>
        <translation>El archivo no es JSON válido (%1 en el byte %2).</translation>
    </message>
    <message>
        <source>The file holds no list of duplicates.</source>
        <translation>El archivo no contiene ninguna lista de duplicados.</translation>
    </message>
</context>
<context>
    <name>DupSavedResult</name>
    <message>
        <source>%1: no longer a regular file</source>
        <translation>%1: ya no es un archivo normal</translation>
    </message>
    <message>
        <source>%1: its size changed</source>
        <translation>%1: su tamaño cambió</translation>
    </message>
    <message>
        <source>%1: it was modified</source>
        <translation>%1: se modificó</translation>
    </message>
    <message>
        <source>%1: reached through a symbolic link</source>
        <translation>%1: se llega a él por un enlace simbólico</translation>
    </message>
    <message>
        <source>%1: not yours to move</source>
        <translation>%1: usted no puede moverlo</translation>
    </message>
    <message>
        <source>“%1” cannot be read.</source>
        <translation>No se puede leer «%1».</translation>
    </message>
    <message>
        <source>%1: no longer there</source>
        <translation>%1: ya no existe</translation>
    </message>
    <message>
        <source>%1: not the size of its set</source>
        <translation>%1: no tiene el tamaño de su grupo</translation>
    </message>
    <message>
        <source>%1: its contents differ from the other copies</source>
        <translation>%1: su contenido difiere del de las otras copias</translation>
    </message>
</context>
<context>
    <name>DupsCommand</name>
    <message numerus="yes">
        <source>%1  %n copies of %2
</source>
        <translation>
            <numerusform>%1  %n copia de %2
</numerusform>
            <numerusform>%1  %n copias de %2
</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Found %n set(s) of duplicates, %1 in all copies.
</source>
        <translation>
            <numerusform>Se encontró %n grupo de duplicados, %1 entre todas las copias.
</numerusform>
            <numerusform>Se encontraron %n grupos de duplicados, %1 entre todas las copias.
</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 needs a rule: %2</source>
        <translation>%1 necesita una regla: %2</translation>
    </message>
    <message>
        <source>--keep takes %1, not &quot;%2&quot;</source>
        <translation>--keep admite %1, no &quot;%2&quot;</translation>
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
        <translation>Uso: sweepwright-cli dups [FOLDER...] [--layout L] [--root R] [--home H] [--json] [--quick]
                          [--keep RULE] [--reference DIR]...
                          [--trash-all-but-first [--yes | --dry-run]]
Muestra los grupos de archivos y paquetes duplicados de más de 16 KiB de las carpetas
(por omisión: las carpetas predeterminadas del esquema, abajo), de mayor a menor. Los candidatos
con igual tamaño y resumen por muestras se comparan byte a byte; los enlaces duros a un archivo
cuentan una vez. Si FOLDER es &quot;-&quot;, las carpetas se leen de la entrada estándar, una por línea o
separadas por bytes NUL. Las carpetas protegidas del sistema se omiten y se indican en stderr.

  --json                 muestra un único objeto JSON en lugar de una lista
  --quick                en los archivos, da por buenos un tamaño y un resumen por muestras
                         iguales (hasta tres bloques de 4 KiB: al principio y repartidos por
                         el archivo) sin comparar todo el contenido: más rápido, pero los
                         archivos que difieren en otras partes se dan como duplicados. Los paquetes
                         siempre se comparan por contenido: su resumen solo tiene nombres de elementos
  --keep RULE            qué copia de cada grupo se conserva: original (la copia que está fuera
                         de Descargas, la papelera y las carpetas temporales; después, una cuyo
                         nombre no lleve una marca de copia como &quot;(1)&quot; o &quot;Copy of&quot;; después, la
                         más antigua; después, la de la carpeta más profunda; después, la primera
                         encontrada), oldest (la fecha de modificación más antigua; después, la
                         ruta más corta), newest, shortest-path o first (la primera encontrada);
                         por omisión: %1 en este esquema
  --reference DIR        una carpeta de originales, que también se analiza (se puede repetir):
                         sus copias se marcan con [referencia] («isReference» en JSON) y nunca se mueven; un
                         grupo cuyas copias están todas en carpetas de referencia no se muestra; en un grupo
                         con una copia de referencia, se mueven todas las demás copias
  --trash-all-but-first  mueve a la papelera todas las copias de cada grupo salvo la que
                         conserva --keep (tras una pregunta en un terminal, o con --yes) y
                         luego informa de lo que se movió y de lo que no (con el motivo);
                         sin ninguna de las dos cosas, se muestra el plan y no se mueve nada
  --yes                  mueve sin preguntar
  --dry-run              muestra lo que movería --trash-all-but-first, y no mueve nada
  --help                 muestra este texto
  -V, --version          muestra la versión
Con salida a un archivo o a una tubería, una ejecución sin traslados muestra cada grupo al encontrarlo.
Sale con 1 si algún elemento no se pudo mover, con 2 ante un error de uso o una carpeta que no
existe o no se puede leer, y con 130 tras Ctrl-C (una eliminación para tras el elemento en curso).
</translation>
    </message>
    <message>
        <source>reference</source>
        <extracomment>Marks a copy in a folder of originals in the list of a set&apos;s copies</extracomment>
        <translation>referencia</translation>
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
        <translation>Además:
  --csv                  mostrar los grupos como CSV (RFC 4180, UTF-8): grupo, tamaño,
                         ruta, fecha de modificación, conservado (yes para la copia que queda)
  --empty                listar archivos vacíos, carpetas vacías (que solo contienen
                         carpetas vacías, nombradas en su nivel superior) y enlaces
                         simbólicos rotos en lugar de duplicados; con --yes todos van
                         a la papelera, con --dry-run se muestra el plan
</translation>
    </message>
    <message>
        <source>--csv and --json do not go together</source>
        <translation>--csv y --json no se pueden usar juntos</translation>
    </message>
    <message numerus="yes">
        <source>%1  %n item(s), %2
</source>
        <translation>
            <numerusform>%1  %n elemento, %2
</numerusform>
            <numerusform>%1  %n elementos, %2
</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Found %n kind(s) of empty or broken items, %1 in all.
</source>
        <translation>
            <numerusform>Se encontró %n tipo de elementos vacíos o rotos, %1 en total.
</numerusform>
            <numerusform>Se encontraron %n tipos de elementos vacíos o rotos, %1 en total.
</numerusform>
        </translation>
    </message>
    <message>
        <source>Digests of files that did not change since an earlier scan are kept in %1
and not read again (copies are still compared byte by byte before they go):
  --no-cache             read every file, and keep nothing for the next scan
  --clear-cache          forget the digests kept, scan nothing
</source>
        <translation>Los resúmenes de los archivos que no han cambiado desde un análisis anterior se guardan en %1
y no se vuelven a leer (las copias se siguen comparando byte a byte antes de eliminarlas):
  --no-cache             leer todos los archivos y no guardar nada para el próximo análisis
  --clear-cache          olvidar los resúmenes guardados, sin analizar nada
</translation>
    </message>
    <message>
        <source>could not remove %1: %2</source>
        <translation>no se pudo eliminar %1: %2</translation>
    </message>
    <message>
        <source>Forgot the digests kept in %1.
</source>
        <translation>Se han olvidado los resúmenes guardados en %1.
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
        <translation>  --link KIND            en lugar de la Papelera: reemplazar cada copia de cada grupo,
                         salvo la que conserva --keep, por un enlace a esa copia: hard
                         (un solo sistema de archivos), reflink (la copia sigue siendo
                         un archivo propio que comparte los datos de la copia
                         conservada, donde el sistema de archivos lo permite) o
                         symbolic. Cada copia se compara antes byte a byte; la que haya
                         cambiado desde el análisis se omite. --yes y --dry-run actúan
                         como con --trash-all-but-first. Informa del espacio liberado
</translation>
    </message>
    <message>
        <source>%1 needs a kind: %2</source>
        <translation>%1 necesita un tipo: %2</translation>
    </message>
    <message>
        <source>--link takes %1, not &quot;%2&quot;</source>
        <translation>--link admite %1, no «%2»</translation>
    </message>
    <message>
        <source>--link and --trash-all-but-first cannot be given together</source>
        <translation>--link y --trash-all-but-first no se pueden indicar juntos</translation>
    </message>
    <message>
        <source>--link and --empty cannot be given together</source>
        <translation>--link y --empty no se pueden indicar juntos</translation>
    </message>
    <message>
        <source>                         (in a set, newer copies stay and are marked [recent];
                         a set is listed only when one of its copies may go)
</source>
        <translation>                         (en un grupo, las copias más recientes se quedan y se marcan
                         [reciente]; un grupo solo se muestra si alguna de sus copias puede irse)
</translation>
    </message>
    <message>
        <source>recent</source>
        <extracomment>Marks a copy modified within --older-than DAYS, which stays, in the list of a set&apos;s copies</extracomment>
        <translation>reciente</translation>
    </message>
</context>
<context>
    <name>EmptyFinder</name>
    <message>
        <source>Empty files</source>
        <translation>Archivos vacíos</translation>
    </message>
    <message>
        <source>Empty folders</source>
        <translation>Carpetas vacías</translation>
    </message>
    <message>
        <source>Broken links</source>
        <translation>Enlaces rotos</translation>
    </message>
    <message>
        <source>its target exists now</source>
        <translation>su destino ya existe</translation>
    </message>
    <message>
        <source>it is no longer empty</source>
        <translation>ya no está vacío</translation>
    </message>
    <message>
        <source>it is no longer what was found</source>
        <translation>ya no es lo que se encontró</translation>
    </message>
    <message>
        <source>it holds more than empty folders now</source>
        <translation>ahora contiene más que carpetas vacías</translation>
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
        <translation>Uso: sweepwright-cli extensions [--layout L] [--root R] [--home H] [--json]
                                [--remove PATH... [--yes | --dry-run]]
Muestra los complementos del esquema (extensiones de navegador, plugins, complementos de vista
previa y de búsqueda, etc.), por categoría, con sus tamaños, cada uno con el navegador o el
escritorio al que pertenece y su perfil del navegador (JSON: itemOwner, itemProfile), y si está
activado, cuando los propios archivos del navegador lo indican (itemEnabled; se omite en
otro caso). Con --remove se eliminan los elementos de
esas rutas (tal como aparecen en la lista), tras una pregunta en un terminal o con --yes;
si no, se muestra el plan y no se elimina nada (estado de salida 2). Los elementos que solo un
administrador puede eliminar van al final, tras una única solicitud de contraseña. Ctrl-C detiene
el análisis, o la eliminación tras el elemento en curso (estado de salida 130).

  --json         muestra un único objeto JSON en lugar de una lista
  --remove PATH  elimina el complemento de PATH (repetible)
  --yes          elimina sin preguntar
  --dry-run      muestra lo que eliminaría --remove, y no elimina nada
  --help         muestra este texto
  -V, --version  muestra la versión
</translation>
    </message>
    <message>
        <source>found no add-on %1</source>
        <translation>no se encontró ningún complemento %1</translation>
    </message>
    <message>
        <source>enabled</source>
        <comment>an add-on</comment>
        <translation>activado</translation>
    </message>
    <message>
        <source>disabled</source>
        <comment>an add-on</comment>
        <translation>desactivado</translation>
    </message>
    <message numerus="yes">
        <source>Found %n add-on(s), %1 in total.
</source>
        <translation>
            <numerusform>Se encontró %n complemento, %1 en total.
</numerusform>
            <numerusform>Se encontraron %n complementos, %1 en total.
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
        <translation>Uso: sweepwright-cli extract FILE [-C DIR] [opciones]
Extrae un archivo comprimido (zip, 7z, rar, tar y sus variantes comprimidas, iso, cab, lzh...)
o un archivo winmail.dat. Sin -C, lo extrae en una carpeta con el nombre de FILE dentro de una
nueva carpeta privada de la carpeta temporal, como en la página Archivos comprimidos; se
muestra el destino.

  -C DIR               escribe las entradas en DIR exactamente con los nombres que les da el
                       archivo comprimido; DIR se crea si existe su carpeta superior, y un
                       enlace a una carpeta se sigue
  --password-file F    la contraseña es la primera línea de F
  --password-stdin     la contraseña es la primera línea de la entrada estándar
                       Sin ninguna de las dos, se pide en el terminal, si lo
                       hay (tres veces como máximo); solo la pide un archivo comprimido
                       que la necesite.
  --encoding NAME      decodifica con NAME los nombres que no están en UTF-8; NAME es un
                       nombre o alias de conversor ICU (Shift_JIS, GBK, windows-1252...);
                       &quot;auto&quot; deja que decida el detector; &quot;list&quot; muestra los más
                       habituales.
                       Por omisión: la preferencia de la aplicación
  --list               no escribe nada; muestra el tipo, el tamaño y la ruta de cada entrada
                       (tamaño ? cuando el archivo comprimido no lo indica)
  --json               muestra el resultado como un objeto JSON (también si falla, con
                       su &quot;error&quot;); no se escribe nada más en la salida estándar
  --help               muestra este texto
  -V, --version        muestra la versión

Las entradas que quedarían fuera del destino (rutas absolutas, &quot;..&quot;, enlaces que
salen de él, archivos especiales) se omiten y se informa de ellas; los caracteres de control
de los nombres se muestran escapados (\n, \x1b, \\). Cada archivo se escribe con un nombre
oculto y recibe el suyo solo cuando está completo. Una extracción que falla no deja ninguna
carpeta propia. Estado de salida: 0 hecho; 1 el archivo no existe, está dañado o
incompleto o tiene un formato que no se lee, la contraseña es incorrecta o falta, TMPDIR
no se puede usar o el disco se quedó sin espacio; 2 un error de uso; 130 Ctrl-C.
</translation>
    </message>
    <message>
        <source>%1 needs a folder</source>
        <translation>%1 necesita una carpeta</translation>
    </message>
    <message>
        <source>%1 needs a file</source>
        <translation>%1 necesita un archivo</translation>
    </message>
    <message>
        <source>%1 needs an encoding name</source>
        <translation>%1 necesita un nombre de codificación</translation>
    </message>
    <message>
        <source>unknown encoding &quot;%1&quot; (--encoding list prints the names)</source>
        <translation>codificación desconocida &quot;%1&quot; (--encoding list muestra los nombres)</translation>
    </message>
    <message>
        <source>--password-file and --password-stdin exclude each other</source>
        <translation>--password-file y --password-stdin se excluyen mutuamente</translation>
    </message>
    <message>
        <source>-C: %1 is a link that leads nowhere</source>
        <translation>-C: %1 es un enlace que no lleva a ninguna parte</translation>
    </message>
    <message>
        <source>-C: the folder %1 does not exist</source>
        <translation>-C: la carpeta %1 no existe</translation>
    </message>
    <message>
        <source>-C: cannot make the folder %1</source>
        <translation>-C: no se puede crear la carpeta %1</translation>
    </message>
    <message>
        <source>-C: %1 is not a folder</source>
        <translation>-C: %1 no es una carpeta</translation>
    </message>
    <message>
        <source>not a file</source>
        <translation>no es un archivo</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>cancelado</translation>
    </message>
    <message>
        <source>what was written stays in %1</source>
        <translation>lo que se escribió se queda en %1</translation>
    </message>
    <message>
        <source>Listing</source>
        <translation>Listando</translation>
    </message>
    <message>
        <source>Extracting</source>
        <translation>Extrayendo</translation>
    </message>
    <message>
        <source>Password for %1: </source>
        <translation>Contraseña de %1: </translation>
    </message>
    <message>
        <source>Password required</source>
        <translation>Se necesita una contraseña</translation>
    </message>
    <message>
        <source>This archive format is not supported</source>
        <translation>Este formato de archivo comprimido no es compatible</translation>
    </message>
    <message>
        <source>the file could not be extracted</source>
        <translation>no se pudo extraer el archivo</translation>
    </message>
</context>
<context>
    <name>ExtractReport</name>
    <message numerus="yes">
        <source>%n item(s) written before the error stay in %1</source>
        <translation>
            <numerusform>%n elemento escrito antes del error permanece en %1</numerusform>
            <numerusform>%n elementos escritos antes del error permanecen en %1</numerusform>
        </translation>
    </message>
    <message>
        <source>dir</source>
        <comment>an archive entry that is a folder</comment>
        <translation>carpeta</translation>
    </message>
    <message>
        <source>link</source>
        <comment>an archive entry that is a symbolic link</comment>
        <translation>enlace</translation>
    </message>
    <message>
        <source>file</source>
        <comment>an archive entry that is a file</comment>
        <translation>archivo</translation>
    </message>
    <message>
        <source>special file</source>
        <translation>archivo especial</translation>
    </message>
    <message>
        <source>skipped %1: %2</source>
        <translation>se omite %1: %2</translation>
    </message>
</context>
<context>
    <name>ExtractToStatus</name>
    <message>
        <source>Open Folder</source>
        <translation>Abrir carpeta</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Extracting to %1…</source>
        <translation>Extrayendo en %1…</translation>
    </message>
    <message>
        <source>Extracting to %1… %2%</source>
        <translation>Extrayendo en %1… %2 %</translation>
    </message>
    <message>
        <source>Extracted to %1</source>
        <translation>Extraído en %1</translation>
    </message>
    <message numerus="yes">
        <source>Extracted to %1; %n item(s) left out</source>
        <translation>
            <numerusform>Extraído en %1; %n elemento omitido</numerusform>
            <numerusform>Extraído en %1; %n elementos omitidos</numerusform>
        </translation>
    </message>
    <message>
        <source>Extraction to %1 stopped</source>
        <translation>Extracción en %1 detenida</translation>
    </message>
    <message>
        <source>Could not extract to %1: %2</source>
        <translation>No se pudo extraer en %1: %2</translation>
    </message>
</context>
<context>
    <name>FileTreeModel</name>
    <message>
        <source>Directory</source>
        <translation>Carpeta</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Created</source>
        <translation>Creado</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamaño</translation>
    </message>
</context>
<context>
    <name>FinderCommand</name>
    <message>
        <source>%1: no such folder</source>
        <translation>%1: no existe esa carpeta</translation>
    </message>
    <message>
        <source>%1: not a folder</source>
        <translation>%1: no es una carpeta</translation>
    </message>
    <message>
        <source>%1: cannot be read</source>
        <translation>%1: no se puede leer</translation>
    </message>
    <message>
        <source>Default folders in the %1 layout: %2
</source>
        <translation>Carpetas predeterminadas del esquema %1: %2
</translation>
    </message>
</context>
<context>
    <name>FolderTree</name>
    <message>
        <source>changed while it was being removed</source>
        <translation>cambió mientras se eliminaba</translation>
    </message>
    <message>
        <source>stopped before the end; the rest stays</source>
        <translation>se detuvo antes del final; el resto se conserva</translation>
    </message>
    <message>
        <source>another file system is mounted here; left alone</source>
        <translation>hay otro sistema de archivos montado aquí; se deja sin tocar</translation>
    </message>
    <message>
        <source>a folder was moved while it was being walked; stopped</source>
        <translation>una carpeta se movió mientras se recorría; se detuvo</translation>
    </message>
    <message>
        <source>%1; it is left as %2</source>
        <translation>%1; queda como %2</translation>
    </message>
</context>
<context>
    <name>FolderZip</name>
    <message>
        <source>Cannot write the zip file</source>
        <translation>No se puede escribir el archivo zip</translation>
    </message>
    <message>
        <source>Not a folder: %1</source>
        <translation>No es una carpeta: %1</translation>
    </message>
</context>
<context>
    <name>GeneralPrefViewController</name>
    <message>
        <source>Start Sweepwright when you log in</source>
        <translation>Abrir Sweepwright al iniciar sesión</translation>
    </message>
    <message>
        <source>Release memory automatically when its use exceeds</source>
        <translation>Liberar memoria automáticamente cuando su uso supere el</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>Memory use is checked every 30 seconds while Sweepwright runs.</source>
        <translation>El uso de memoria se comprueba cada 30 segundos mientras Sweepwright está en ejecución.</translation>
    </message>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Remember file digests between duplicate scans</source>
        <translation>Recordar los resúmenes de archivos entre búsquedas de duplicados</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Unchanged files are not read again; copies are still compared byte by byte before they go.</source>
        <translation>Los archivos sin cambios no se vuelven a leer; las copias se siguen comparando byte a byte antes de eliminarlas.</translation>
    </message>
    <message>
        <source>Clear the remembered digests</source>
        <translation>Borrar los resúmenes recordados</translation>
    </message>
    <message>
        <source>The remembered digests are cleared.</source>
        <translation>Se han borrado los resúmenes recordados.</translation>
    </message>
    <message>
        <source>Could not clear %1.</source>
        <translation>No se pudo borrar %1.</translation>
    </message>
</context>
<context>
    <name>GhostscriptRun</name>
    <message>
        <source>Ghostscript cannot be given a password with a backslash before a quote or at its end</source>
        <translation>A Ghostscript no se le puede pasar una contraseña con una barra invertida delante de unas comillas o al final</translation>
    </message>
    <message>
        <source>the password could not be handed to Ghostscript</source>
        <translation>no se pudo pasar la contraseña a Ghostscript</translation>
    </message>
    <message>
        <source>Ghostscript (gs) is not installed</source>
        <translation>Ghostscript (gs) no está instalado</translation>
    </message>
    <message>
        <source>Ghostscript could not be started: %1</source>
        <translation>No se pudo iniciar Ghostscript: %1</translation>
    </message>
    <message numerus="yes">
        <source>Ghostscript finished no page for %n second(s)</source>
        <translation>
            <numerusform>Ghostscript no terminó ninguna página en %n segundo</numerusform>
            <numerusform>Ghostscript no terminó ninguna página en %n segundos</numerusform>
        </translation>
    </message>
    <message>
        <source>Ghostscript was stopped</source>
        <translation>Ghostscript se detuvo</translation>
    </message>
    <message>
        <source>Ghostscript reached its memory limit of %1</source>
        <translation>Ghostscript alcanzó su límite de memoria de %1</translation>
    </message>
    <message>
        <source>Ghostscript stopped unexpectedly (it crashed or was killed)</source>
        <translation>Ghostscript se detuvo inesperadamente (falló o se forzó su cierre)</translation>
    </message>
    <message>
        <source>Ghostscript ended with status %1</source>
        <translation>Ghostscript terminó con el estado %1</translation>
    </message>
    <message>
        <source>Ghostscript ended with status %1: %2</source>
        <translation>Ghostscript terminó con el estado %1: %2</translation>
    </message>
</context>
<context>
    <name>HelperProgram</name>
    <message>
        <source>this command&apos;s program %1 is missing (looked for %2 and %3)</source>
        <translation>falta el programa %1 de este comando (se buscaron %2 y %3)</translation>
    </message>
    <message>
        <source>this command&apos;s program %1 is missing</source>
        <translation>falta el programa %1 de este comando</translation>
    </message>
    <message>
        <source>cannot run %1: %2</source>
        <translation>no se puede ejecutar %1: %2</translation>
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
        <translation>Uso: sweepwright-cli history [--home H] [--json]
     sweepwright-cli history --put-back ID [--yes | --dry-run] [--json]
Muestra lo que eliminó cada herramienta, en la ventana y aquí, de lo más
reciente a lo más antiguo: cada ejecución con su identificador, hora,
herramienta y lo que pasó con sus elementos (movidos a la Papelera,
eliminados definitivamente, no realizados). El historial se guarda en
$XDG_STATE_HOME/sweepwright/history.jsonl durante un año, 10 MB como máximo.
--put-back ID devuelve a su sitio lo que esa ejecución movió a la Papelera;
un elemento nunca sustituye lo que haya ahora en su lugar, y lo que no puede
volver se indica con el motivo. Los elementos eliminados definitivamente no
pueden volver.

  --json          mostrar un objeto JSON en lugar de texto
  --put-back ID   devolver los elementos que la ejecución ID movió a la
                  Papelera
  --yes           devolver sin preguntar
  --dry-run       mostrar lo que se devolvería, sin cambiar nada
  --help          mostrar este texto
  -V, --version   mostrar la versión
</translation>
    </message>
    <message>
        <source>%1 needs the id of a run</source>
        <translation>%1 necesita el identificador de una ejecución</translation>
    </message>
    <message>
        <source>--yes and --dry-run go with --put-back</source>
        <translation>--yes y --dry-run van con --put-back</translation>
    </message>
    <message>
        <source>Nothing has been removed yet.</source>
        <translation>Todavía no se ha eliminado nada.</translation>
    </message>
    <message>
        <source>(of %1)</source>
        <translation>(de %1)</translation>
    </message>
    <message>
        <source>no run &quot;%1&quot; in the history (see sweepwright-cli history)</source>
        <translation>no hay ninguna ejecución «%1» en el historial (consulte sweepwright-cli history)</translation>
    </message>
    <message>
        <source>run %1 moved nothing to the Trash: nothing to put back</source>
        <translation>la ejecución %1 no movió nada a la Papelera: no hay nada que devolver</translation>
    </message>
    <message numerus="yes">
        <source>Put back %n item(s) (%1)?</source>
        <translation>
            <numerusform>¿Devolver %n elemento (%1)?</numerusform>
            <numerusform>¿Devolver %n elementos (%1)?</numerusform>
        </translation>
    </message>
    <message>
        <source>could not record the put back: %1</source>
        <translation>no se pudo registrar la devolución: %1</translation>
    </message>
    <message>
        <source>Would put back: %1</source>
        <translation>Se devolvería: %1</translation>
    </message>
    <message>
        <source>Deleted for good, cannot be put back: %1</source>
        <translation>Eliminado definitivamente, no se puede devolver: %1</translation>
    </message>
    <message>
        <source>Put back: %1</source>
        <translation>Devuelto: %1</translation>
    </message>
    <message>
        <source>Could not put back %1: %2</source>
        <translation>No se pudo devolver %1: %2</translation>
    </message>
</context>
<context>
    <name>HistoryWording</name>
    <message>
        <source>Put Back</source>
        <translation>Devolución</translation>
    </message>
    <message>
        <source>Moved to the Trash</source>
        <translation>Movido a la Papelera</translation>
    </message>
    <message>
        <source>Deleted for good</source>
        <translation>Eliminado definitivamente</translation>
    </message>
    <message>
        <source>Replaced with a link</source>
        <translation>Sustituido por un enlace</translation>
    </message>
    <message>
        <source>Not done: %1</source>
        <translation>No realizado: %1</translation>
    </message>
    <message>
        <source>Refused: %1</source>
        <translation>Rechazado: %1</translation>
    </message>
    <message>
        <source>Put back</source>
        <translation>Devuelto</translation>
    </message>
    <message>
        <source>%1 put back</source>
        <translation>%1 devueltos</translation>
    </message>
    <message>
        <source>%1 to the Trash</source>
        <translation>%1 a la Papelera</translation>
    </message>
    <message>
        <source>%1 deleted for good</source>
        <translation>%1 eliminados definitivamente</translation>
    </message>
    <message>
        <source>%1 replaced with links</source>
        <translation>%1 sustituidos por enlaces</translation>
    </message>
    <message>
        <source>%1 not done</source>
        <translation>%1 no realizados</translation>
    </message>
    <message>
        <source>%1 refused</source>
        <translation>%1 rechazados</translation>
    </message>
    <message>
        <source>Nothing was removed</source>
        <translation>No se eliminó nada</translation>
    </message>
    <message numerus="yes">
        <source>%n item(s): %1</source>
        <translation>
            <numerusform>%n elemento: %1</numerusform>
            <numerusform>%n elementos: %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>InputPaths</name>
    <message>
        <source>standard input (-) names no path</source>
        <translation>la entrada estándar (-) no indica ninguna ruta</translation>
    </message>
    <message>
        <source>cannot read standard input (-): %1</source>
        <translation>no se puede leer la entrada estándar (-): %1</translation>
    </message>
    <message>
        <source>standard input (-) holds more than %1 MiB of paths</source>
        <translation>la entrada estándar (-) contiene más de %1 MiB de rutas</translation>
    </message>
</context>
<context>
    <name>InstalledApp</name>
    <message>
        <source>application bundle</source>
        <translation>paquete de aplicación</translation>
    </message>
    <message>
        <source>AppImage</source>
        <translation>AppImage</translation>
    </message>
    <message>
        <source>application in the home</source>
        <translation>aplicación en la carpeta personal</translation>
    </message>
    <message>
        <source>Flatpak</source>
        <translation>Flatpak</translation>
    </message>
    <message>
        <source>Debian package</source>
        <translation>paquete Debian</translation>
    </message>
</context>
<context>
    <name>ItemCopy</name>
    <message>
        <source>Special file, not copied</source>
        <translation>Archivo especial, no se copia</translation>
    </message>
    <message>
        <source>The copy would replace the original</source>
        <translation>La copia sustituiría al original</translation>
    </message>
    <message>
        <source>A folder cannot be copied into itself</source>
        <translation>Una carpeta no se puede copiar dentro de sí misma</translation>
    </message>
</context>
<context>
    <name>ItemMailer</name>
    <message>
        <source>Mail</source>
        <translation>Correo</translation>
    </message>
    <message>
        <source>The attachment will not be protected</source>
        <translation>El adjunto no estará protegido</translation>
    </message>
    <message>
        <source>These files come from an archive protected by a password. Attached as they are, anyone who gets the message can read them. Attach the archive instead to keep them protected: whoever gets it needs the password.</source>
        <translation>Estos archivos provienen de un archivo comprimido protegido con contraseña. Si los adjunta tal cual, cualquiera que reciba el mensaje podrá leerlos. Para mantenerlos protegidos, adjunte en su lugar el archivo comprimido: quien lo reciba necesitará la contraseña.</translation>
    </message>
    <message>
        <source>Attach the Archive</source>
        <translation>Adjuntar el archivo comprimido</translation>
    </message>
    <message>
        <source>Attach Unprotected</source>
        <translation>Adjuntar sin protección</translation>
    </message>
    <message>
        <source>The folder could not be packed for mail.</source>
        <translation>No se pudo comprimir la carpeta para enviarla por correo.</translation>
    </message>
    <message>
        <source>The file could not be copied for mail.</source>
        <translation>No se pudo copiar el archivo para enviarlo por correo.</translation>
    </message>
    <message>
        <source>No mail program could be started.</source>
        <translation>No se pudo abrir ningún programa de correo.</translation>
    </message>
    <message>
        <source>Install xdg-utils and set up a mail program, or attach the file yourself: %1</source>
        <translation>Instale xdg-utils y configure un programa de correo, o adjunte el archivo usted mismo: %1</translation>
    </message>
</context>
<context>
    <name>JunkCommand</name>
    <message>
        <source>no category %1 in the %2 layout</source>
        <translation>no hay ninguna categoría %1 en el esquema %2</translation>
    </message>
    <message>
        <source>Skipped, needs administrator rights (use --admin): %1</source>
        <translation>Omitido, necesita permisos de administrador (use --admin): %1</translation>
    </message>
    <message>
        <source>no profile &quot;%1&quot; (there is &quot;scheduled&quot;)</source>
        <translation>no hay ningún perfil «%1» (existe «scheduled»)</translation>
    </message>
    <message>
        <source>--profile takes its categories from the settings; it cannot go with %1</source>
        <translation>--profile toma las categorías de las preferencias; no puede ir con %1</translation>
    </message>
</context>
<context>
    <name>JunkHelp</name>
    <message>
        <source>empties the folders in ~/Library/Caches, ~/Library/Logs, the Caches and Logs of each app
container and the per-user cache folder; removes the files there</source>
        <translation>vacía las carpetas de ~/Library/Caches, ~/Library/Logs, las carpetas Caches y Logs del contenedor
de cada app y la carpeta de caché propia del usuario; elimina los archivos que haya allí</translation>
    </message>
    <message>
        <source>entries of ~/Library/Preferences, /Library/LaunchAgents, ~/Library/Saved Application
State, ~/Library/Parallels and ~/.cleverfiles that belong to no installed application</source>
        <translation>entradas de ~/Library/Preferences, /Library/LaunchAgents, ~/Library/Saved Application
State, ~/Library/Parallels y ~/.cleverfiles que no pertenecen a ninguna aplicación instalada</translation>
    </message>
    <message>
        <source>empties the folders and removes the files in /Library/Caches and /System/Library/Caches</source>
        <translation>vacía las carpetas y elimina los archivos de /Library/Caches y /System/Library/Caches</translation>
    </message>
    <message>
        <source>empties the folders and removes the files in /Library/Logs and /var/log/asl</source>
        <translation>vacía las carpetas y elimina los archivos de /Library/Logs y /var/log/asl</translation>
    </message>
    <message>
        <source>Mail Downloads, and image and text attachments below ~/Library/Mail</source>
        <translation>Mail Downloads, y los adjuntos de imagen y de texto dentro de ~/Library/Mail</translation>
    </message>
    <message>
        <source>iOS software updates (*.ipsw in ~/Library/iTunes/iPhone and iPad Software Updates) and
iOS apps (*.ipa in ~/Music/iTunes/iTunes Media/Mobile Applications)</source>
        <translation>actualizaciones de software de iOS (*.ipsw en ~/Library/iTunes/iPhone and iPad Software Updates) y
apps de iOS (*.ipa en ~/Music/iTunes/iTunes Media/Mobile Applications)</translation>
    </message>
    <message>
        <source>the device backups in ~/Library/Application Support/MobileSync/Backup</source>
        <translation>las copias de seguridad de dispositivos en ~/Library/Application Support/MobileSync/Backup</translation>
    </message>
    <message>
        <source>the *.ipsw files that category 9 removes too</source>
        <translation>los archivos *.ipsw que también elimina la categoría 9</translation>
    </message>
    <message>
        <source>everything in ~/.Trash</source>
        <translation>todo lo que hay en ~/.Trash</translation>
    </message>
    <message>
        <source>everything in ~/Downloads</source>
        <translation>todo lo que hay en ~/Downloads</translation>
    </message>
    <message>
        <source>empties the folders in ~/Library/Developer/Xcode/DerivedData</source>
        <translation>vacía las carpetas de ~/Library/Developer/Xcode/DerivedData</translation>
    </message>
    <message>
        <source>empties Safari&apos;s and Chrome&apos;s history, cache, cookie and local-storage folders</source>
        <translation>vacía las carpetas de historial, caché, cookies y almacenamiento local de Safari y Chrome</translation>
    </message>
    <message>
        <source>empties the folders in the cache folder (~/.cache or XDG_CACHE_HOME) and in each Flatpak
app&apos;s ~/.var/app/ID/cache; removes the files there</source>
        <translation>vacía las carpetas de la carpeta de caché (~/.cache o XDG_CACHE_HOME) y de ~/.var/app/ID/cache
de cada app Flatpak; elimina los archivos que haya allí</translation>
    </message>
    <message>
        <source>desktop and autostart entries whose program is gone, and ~/.var/app data of Flatpak
apps installed nowhere</source>
        <translation>entradas .desktop y de inicio automático cuyo programa ya no existe, y datos de ~/.var/app de
apps Flatpak que no están instaladas en ningún sitio</translation>
    </message>
    <message>
        <source>empties the folders and removes the files in /var/cache (debconf&apos;s excepted); what only
root may remove is left unless --admin is given</source>
        <translation>vacía las carpetas y elimina los archivos de /var/cache (salvo los de debconf); lo que solo
root puede eliminar se deja si no se indica --admin</translation>
    </message>
    <message>
        <source>empties the folders and removes the files in /var/log; what only root may remove is left
unless --admin is given</source>
        <translation>vacía las carpetas y elimina los archivos de /var/log; lo que solo root puede eliminar se deja
si no se indica --admin</translation>
    </message>
    <message>
        <source>what mail and browser programs left in /tmp/mozilla_USER0 (only when it is your own folder)</source>
        <translation>lo que los programas de correo y los navegadores dejaron en /tmp/mozilla_USER0 (solo si la carpeta es suya)</translation>
    </message>
    <message>
        <source>everything in the Trash, and info files whose item is gone</source>
        <translation>todo lo que hay en la papelera, y los archivos de información cuyo elemento ya no existe</translation>
    </message>
    <message>
        <source>everything in the Downloads folder (XDG_DOWNLOAD_DIR)</source>
        <translation>todo lo que hay en la carpeta Descargas (XDG_DOWNLOAD_DIR)</translation>
    </message>
    <message>
        <source>empties the npm, Gradle, Cargo and Go package caches</source>
        <translation>vacía las cachés de paquetes de npm, Gradle, Cargo y Go</translation>
    </message>
    <message>
        <source>empties Firefox&apos;s cache2 folders; removes Chrome&apos;s and Chromium&apos;s History, Cookies and
Local Storage of the Default profile</source>
        <translation>vacía las carpetas cache2 de Firefox; elimina History, Cookies y Local Storage del perfil
Default de Chrome y Chromium</translation>
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
        <translation>Uso: sweepwright-cli junk [--layout L] [--root R] [--home H] [--json] [--category ID]... [--all]
                          [--clean [--yes | --dry-run] [--admin]]
Analiza las categorías de archivos basura y muestra lo que encontraron. Con --clean, después elimina
lo marcado: los elementos de las categorías analizadas, salvo los de las categorías que empiezan
sin marcar (indicadas con &quot;sin marcar&quot; abajo; se incluyen si se nombran con --category), el historial
y las cookies de los navegadores, y lo que solo puede eliminar un administrador (con --admin).
Antes pregunta en un terminal; en otro caso necesita --yes,
y sin ella muestra el plan, no elimina nada y sale con el estado 2. Informa de lo que se eliminó
y de lo que no se pudo eliminar (con el motivo), y sale con 1 si algo no se pudo eliminar.
Ctrl-C detiene el análisis, o la eliminación tras el elemento en curso (estado de salida 130).
No se escribe nada en las preferencias; los elementos de inicio no se tocan.

  --json         muestra un único objeto JSON en lugar de una tabla
  --clean        elimina los elementos marcados tras el análisis
  --yes          elimina sin preguntar
  --dry-run      muestra lo que eliminaría --clean, y no elimina nada
  --admin        también elimina lo que solo un administrador puede eliminar (pide la contraseña una vez)
  --category ID  analiza esta categoría (repetible) en lugar de las predeterminadas
  --all          analiza todas las categorías del esquema
  --help         muestra este texto
  -V, --version  muestra la versión
</translation>
    </message>
    <message>
        <source>Categories of the %1 layout (* scanned by default) and what --clean removes:</source>
        <translation>Categorías del esquema %1 (* = se analiza por omisión) y lo que elimina --clean:</translation>
    </message>
    <message>
        <source>(unmarked)</source>
        <translation>(sin marcar)</translation>
    </message>
    <message>
        <source>  --profile scheduled
                 the run of the cleaning schedule (sweepwright-cli schedule): clean the
                 categories chosen for it in the preferences, leave what needs a password
                 and say what went in a desktop notification
</source>
        <translation>  --profile scheduled
                 la ejecución programada (sweepwright-cli schedule): limpiar las categorías elegidas
                 para ella en las preferencias, dejar lo que necesita una contraseña e indicar lo
                 eliminado en una notificación
</translation>
    </message>
</context>
<context>
    <name>JunkReport</name>
    <message numerus="yes">
        <source>Found %1 in %n item(s); %2 marked for removal.
</source>
        <translation>
            <numerusform>Se encontraron %1 en %n elemento; %2 marcados para eliminar.
</numerusform>
            <numerusform>Se encontraron %1 en %n elementos; %2 marcados para eliminar.
</numerusform>
        </translation>
    </message>
    <message>
        <source>nothing found</source>
        <translation>no se encontró nada</translation>
    </message>
    <message>
        <source>all marked</source>
        <translation>todos marcados</translation>
    </message>
    <message>
        <source>some marked</source>
        <translation>algunos marcados</translation>
    </message>
    <message>
        <source>none marked</source>
        <translation>ninguno marcado</translation>
    </message>
    <message>
        <source>(needs administrator rights)</source>
        <translation>(necesita permisos de administrador)</translation>
    </message>
    <message>
        <source>No junk category is enabled.</source>
        <translation>No hay ninguna categoría de archivos basura activada.</translation>
    </message>
    <message numerus="yes">
        <source>only items older than %n day(s)</source>
        <translation>
            <numerusform>solo elementos de más de %n día</numerusform>
            <numerusform>solo elementos de más de %n días</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>KeepList</name>
    <message>
        <source>it holds items that match your Never touch list</source>
        <translation>contiene elementos que coinciden con su lista «No tocar nunca»</translation>
    </message>
    <message>
        <source>it matches %1 on your Never touch list</source>
        <translation>coincide con %1 de su lista «No tocar nunca»</translation>
    </message>
    <message>
        <source>it lies in %1, which matches %2 on your Never touch list</source>
        <translation>está en %1, que coincide con %2 de su lista «No tocar nunca»</translation>
    </message>
</context>
<context>
    <name>KeepPathOption</name>
    <message>
        <source>%1 needs a path</source>
        <translation>%1 necesita una ruta</translation>
    </message>
    <message>
        <source>  --keep-path PATH  leave PATH (and what lies in it) alone in this run, as the Never
                    touch list of the settings does; repeatable
</source>
        <translation>  --keep-path RUTA  no tocar RUTA (ni lo que contiene) en esta ejecución, como hace la
                    lista «No tocar nunca» de la configuración; se puede repetir
</translation>
    </message>
</context>
<context>
    <name>KeepPrefViewController</name>
    <message>
        <source>Add &amp;Folder…</source>
        <translation>Añadir &amp;carpeta…</translation>
    </message>
    <message>
        <source>Add a folder to keep</source>
        <translation>Añadir una carpeta que conservar</translation>
    </message>
    <message>
        <source>Add F&amp;ile…</source>
        <translation>Añadir a&amp;rchivo…</translation>
    </message>
    <message>
        <source>Add a file to keep</source>
        <translation>Añadir un archivo que conservar</translation>
    </message>
    <message>
        <source>Add &amp;Pattern</source>
        <translation>Añadir &amp;patrón</translation>
    </message>
    <message>
        <source>Add the pattern to keep</source>
        <translation>Añadir el patrón que conservar</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Quitar</translation>
    </message>
    <message>
        <source>Remove the chosen entries</source>
        <translation>Quitar las entradas elegidas</translation>
    </message>
    <message>
        <source>Never touch list</source>
        <translation>Lista «No tocar nunca»</translation>
    </message>
    <message>
        <source>Pattern to keep</source>
        <translation>Patrón que conservar</translation>
    </message>
    <message>
        <source>A pattern, such as ~/Downloads/*.iso</source>
        <translation>Un patrón, como ~/Downloads/*.iso</translation>
    </message>
    <message>
        <source>No tool lists, removes or shreds these folders and files, what lies in the folders, or what matches the patterns.</source>
        <translation>Ninguna herramienta muestra, elimina ni destruye estas carpetas y archivos, lo que contienen las carpetas ni lo que coincide con los patrones.</translation>
    </message>
    <message>
        <source>Choose a Folder to Keep</source>
        <translation>Elegir una carpeta que conservar</translation>
    </message>
    <message>
        <source>Choose Files to Keep</source>
        <translation>Elegir archivos que conservar</translation>
    </message>
    <message>
        <source>Never Touch</source>
        <translation>No tocar</translation>
    </message>
</context>
<context>
    <name>LargeCommand</name>
    <message numerus="yes">
        <source>Found %1 in %n item(s) of %2 or more.
</source>
        <translation>
            <numerusform>Se encontraron %1 en %n elemento de %2 o más.
</numerusform>
            <numerusform>Se encontraron %1 en %n elementos de %2 o más.
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
        <translation>Uso: sweepwright-cli large [FOLDER...] [--layout L] [--root R] [--home H] [--json]
                           [--trash [--yes | --dry-run]]
Muestra los archivos y paquetes de 32 MB o más de las carpetas (por omisión: las carpetas
predeterminadas del esquema, abajo), en cinco franjas de tamaño. Si FOLDER es &quot;-&quot;, las carpetas
se leen de la entrada estándar, una por línea o separadas por bytes NUL. No se entra en las
carpetas ocultas ni en los docsets; se omiten los archivos de código fuente, de compilación y de
bases de datos, y también las carpetas protegidas del sistema, que se indican en stderr. Con
--trash, cada elemento mostrado se mueve a la papelera (restaurable desde la del escritorio), tras
una pregunta en un terminal o con --yes; si no, muestra el plan y no mueve nada (estado de salida 2).
Ctrl-C detiene el análisis, o el traslado tras el elemento en curso (estado de salida 130).

  --json         muestra un único objeto JSON en lugar de una tabla
  --trash        mueve a la papelera cada elemento mostrado e informa de lo que se movió
  --yes          mueve sin preguntar
  --dry-run      muestra lo que movería --trash, y no mueve nada
  --help         muestra este texto
  -V, --version  muestra la versión
</translation>
    </message>
</context>
<context>
    <name>LeftOutFolders</name>
    <message>
        <source>left out %1: %2</source>
        <translation>se omite %1: %2</translation>
    </message>
</context>
<context>
    <name>LoginCommand</name>
    <message>
        <source>on</source>
        <comment>starts at login</comment>
        <translation>activo</translation>
    </message>
    <message>
        <source>off</source>
        <comment>does not start at login</comment>
        <translation>inactivo</translation>
    </message>
    <message>
        <source>application</source>
        <comment>a login item that is a menu application</comment>
        <translation>aplicación</translation>
    </message>
    <message>
        <source>autostart</source>
        <comment>a login item that is an autostart entry</comment>
        <translation>inicio automático</translation>
    </message>
    <message>
        <source>(part of the desktop)</source>
        <translation>(parte del escritorio)</translation>
    </message>
    <message numerus="yes">
        <source>%n item(s) start at login.</source>
        <translation>
            <numerusform>%n elemento se inicia con la sesión.</numerusform>
            <numerusform>%n elementos se inician con la sesión.</numerusform>
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
        <translation>Uso: sweepwright-cli login [--layout L] [--root R] [--home H] [--json] [--all]
                           [--on ID] [--off ID]
Muestra lo que se inicia con la sesión (activo) y después las entradas de inicio automático
desactivadas (inactivo), cada una con su descripción; las entradas que el escritorio inicia por sí
mismo se marcan con &quot;parte del escritorio&quot; y aparecen al final. --all muestra después las demás
aplicaciones del menú, que --on puede añadir. --on escribe la entrada de inicio automático del
usuario ID.desktop; --off elimina las entradas del usuario de la aplicación, y oculta una
entrada de todo el sistema con una entrada del usuario que indica Hidden=true. ID es el
id del archivo desktop sin &quot;.desktop&quot; (el nombre del paquete .app en el esquema macos).

  --json          muestra un único objeto JSON en lugar de una lista
  --all           muestra también las aplicaciones que no se inician con la sesión
  --on ID         activa ID al iniciar sesión (repetible)
  --off ID        desactiva ID al iniciar sesión (repetible)
  --help          muestra este texto
  -V, --version   muestra la versión
</translation>
    </message>
    <message>
        <source>%1 needs an id</source>
        <translation>%1 necesita un id</translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot;</source>
        <translation>argumento inesperado &quot;%1&quot;</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is both in --on and --off</source>
        <translation>&quot;%1&quot; está a la vez en --on y en --off</translation>
    </message>
    <message>
        <source>no login item &quot;%1&quot; (see the list without --on and --off)</source>
        <translation>no hay ningún elemento de inicio &quot;%1&quot; (vea la lista sin --on ni --off)</translation>
    </message>
    <message>
        <source>could not switch &quot;%1&quot; on</source>
        <translation>no se pudo activar &quot;%1&quot;</translation>
    </message>
    <message>
        <source>could not switch &quot;%1&quot; off</source>
        <translation>no se pudo desactivar &quot;%1&quot;</translation>
    </message>
</context>
<context>
    <name>LoginItemRow</name>
    <message>
        <source>Part of the desktop</source>
        <translation>Parte del escritorio</translation>
    </message>
</context>
<context>
    <name>MASPreferencesWindowController</name>
    <message>
        <source>Panes</source>
        <translation>Paneles</translation>
    </message>
</context>
<context>
    <name>MLoginItemsPage</name>
    <message>
        <source>Add an application…</source>
        <translation>Añadir una aplicación…</translation>
    </message>
    <message>
        <source>%1: starts at login</source>
        <translation>%1: se inicia con la sesión</translation>
    </message>
    <message>
        <source>%1: does not start at login</source>
        <translation>%1: no se inicia con la sesión</translation>
    </message>
    <message>
        <source>Switch off “%1”?</source>
        <translation>¿Desactivar “%1”?</translation>
    </message>
    <message>
        <source>It is part of the desktop: the desktop starts it for itself when you log in. Switched off, what it does stops from the next login until you switch it on again.</source>
        <translation>Forma parte del escritorio: el propio escritorio lo inicia al iniciar sesión. Si lo desactiva, lo que hace deja de funcionar a partir del próximo inicio de sesión, hasta que vuelva a activarlo.</translation>
    </message>
    <message>
        <source>Switch Off</source>
        <translation>Desactivar</translation>
    </message>
    <message>
        <source>No applications start at login</source>
        <translation>Ninguna aplicación se inicia con la sesión</translation>
    </message>
    <message>
        <source>Add an application to start it each time you log in.</source>
        <translation>Añada una aplicación para que se abra cada vez que inicie sesión.</translation>
    </message>
    <message>
        <source>Switching one off keeps it from starting the next time you log in.</source>
        <translation>Un elemento desactivado deja de iniciarse a partir del próximo inicio de sesión.</translation>
    </message>
    <message numerus="yes">
        <source>%n application(s) start at login</source>
        <translation>
            <numerusform>%n aplicación se inicia con la sesión</numerusform>
            <numerusform>%n aplicaciones se inician con la sesión</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Switching one off keeps it from starting the next time you log in. %n part(s) of the desktop start too; they are listed last.</source>
        <translation>
            <numerusform>Un elemento desactivado deja de iniciarse a partir del próximo inicio de sesión. También se inicia %n componente del escritorio; aparece al final.</numerusform>
            <numerusform>Un elemento desactivado deja de iniciarse a partir del próximo inicio de sesión. También se inician %n componentes del escritorio; aparecen al final.</numerusform>
        </translation>
    </message>
    <message>
        <source>Login items</source>
        <translation>Elementos de inicio</translation>
    </message>
</context>
<context>
    <name>MarkedRemoval</name>
    <message>
        <source>needs administrator rights; skipped</source>
        <translation>necesita permisos de administrador; se omite</translation>
    </message>
</context>
<context>
    <name>MemoryCommand</name>
    <message>
        <source>Memory (%L1 % in use)</source>
        <translation>Memoria (%L1 % en uso)</translation>
    </message>
    <message>
        <source>Memory (usage unavailable: the figures contradict each other)</source>
        <translation>Memoria (uso no disponible: las cifras se contradicen)</translation>
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
        <translation>  en uso       %1
  en caché     %2
  búferes      %3
  libre        %4
  activa       %5
  inactiva     %6
  intercambio  %7 en uso de %8
  disponible   %9
  total        %10
Disco de %11
  en uso       %12
  libre        %13
  total        %14
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
        <translation>Uso: sweepwright-cli memory [--layout L] [--home H] [--json] [--release]
Muestra las cifras de memoria (de /proc/meminfo, o de SWEEPWRIGHT_PROC/meminfo) y el
espacio usado y libre del volumen que contiene la carpeta Documentos.
Con --release, primero libera memoria: ocupa memoria libre e inactiva en bloques de 64 MiB
para que el núcleo recupere páginas inactivas y caché de archivos, y se detiene antes
si la memoria disponible va a bajar de max(10 %, 512 MiB), si el sistema empieza a usar el
intercambio o si aumenta la presión de memoria. La cantidad liberada es la variación de la
memoria libre; es negativa si otros programas ocuparon memoria mientras tanto.

Una liberación se detiene tras %1 GiB de este trabajo o %2 segundos como máximo. Las cifras que
se contradicen (más memoria libre que la instalada) se muestran limitadas al tamaño
instalado, con el uso no disponible (null en JSON), y no liberan nada.

  --json         muestra un único objeto JSON (con --release, también &quot;releasedMemory&quot;,
                 &quot;touchedMemory&quot; y &quot;releaseEnd&quot;)
  --release      libera memoria primero
  --help         muestra este texto
  -V, --version  muestra la versión
</translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot;</source>
        <translation>argumento inesperado &quot;%1&quot;</translation>
    </message>
    <message>
        <source>cannot read the memory figures from %1/meminfo</source>
        <translation>no se pueden leer las cifras de memoria de %1/meminfo</translation>
    </message>
    <message>
        <source>Released Memory: %1 (%2 touched; %3)</source>
        <translation>Memoria liberada: %1 (%2 ocupados; %3)</translation>
    </message>
</context>
<context>
    <name>MemoryRelease</name>
    <message>
        <source>done</source>
        <translation>terminado</translation>
    </message>
    <message>
        <source>stopped: available memory near its floor</source>
        <translation>detenido: la memoria disponible está cerca de su mínimo</translation>
    </message>
    <message>
        <source>stopped: the system began to swap</source>
        <translation>detenido: el sistema empezó a usar el intercambio</translation>
    </message>
    <message>
        <source>stopped: memory pressure</source>
        <translation>detenido: presión de memoria</translation>
    </message>
    <message>
        <source>stopped: memory figures unreadable</source>
        <translation>detenido: no se pueden leer las cifras de memoria</translation>
    </message>
    <message>
        <source>stopped: memory figures inconsistent</source>
        <translation>detenido: cifras de memoria incoherentes</translation>
    </message>
    <message>
        <source>stopped: the most one release may do was done</source>
        <translation>detenido: se alcanzó el máximo que puede hacer una liberación</translation>
    </message>
</context>
<context>
    <name>ORBigDataCollection</name>
    <message>
        <source>32 MB to 128 MB</source>
        <translation>De 32 MB a 128 MB</translation>
    </message>
    <message>
        <source>Files of 32 MB and more, below 128 MB</source>
        <translation>Archivos de 32 MB o más y de menos de 128 MB</translation>
    </message>
    <message>
        <source>128 MB to 256 MB</source>
        <translation>De 128 MB a 256 MB</translation>
    </message>
    <message>
        <source>Files of 128 MB and more, below 256 MB</source>
        <translation>Archivos de 128 MB o más y de menos de 256 MB</translation>
    </message>
    <message>
        <source>256 MB to 512 MB</source>
        <translation>De 256 MB a 512 MB</translation>
    </message>
    <message>
        <source>Files of 256 MB and more, below 512 MB</source>
        <translation>Archivos de 256 MB o más y de menos de 512 MB</translation>
    </message>
    <message>
        <source>512 MB to 1 GB</source>
        <translation>De 512 MB a 1 GB</translation>
    </message>
    <message>
        <source>Files of 512 MB and more, below 1 GB</source>
        <translation>Archivos de 512 MB o más y de menos de 1 GB</translation>
    </message>
    <message>
        <source>1 GB and more</source>
        <translation>1 GB o más</translation>
    </message>
    <message>
        <source>Files of 1 GB and more</source>
        <translation>Archivos de 1 GB o más</translation>
    </message>
</context>
<context>
    <name>ORBigNoVeiwCter</name>
    <message>
        <source>Large Files</source>
        <translation>Archivos grandes</translation>
    </message>
    <message>
        <source>No large files were found in these folders.</source>
        <translation>No se encontraron archivos grandes en estas carpetas.</translation>
    </message>
</context>
<context>
    <name>ORBigResultViewCter</name>
    <message numerus="yes">
        <source>%n file(s)</source>
        <translation>
            <numerusform>%n archivo</numerusform>
            <numerusform>%n archivos</numerusform>
        </translation>
    </message>
    <message>
        <source>File Sizes</source>
        <translation>Tamaños de archivo</translation>
    </message>
</context>
<context>
    <name>ORBigViewCter</name>
    <message>
        <source>Large Files</source>
        <translation>Archivos grandes</translation>
    </message>
    <message>
        <source>Find the files of 32 MB and more in these folders and move the ones you no longer need to the Trash.</source>
        <translation>Busque los archivos de 32 MB o más en estas carpetas y mueva a la papelera los que ya no necesite.</translation>
    </message>
</context>
<context>
    <name>ORDupDataCollection</name>
    <message>
        <source>In a reference folder: originals are never removed</source>
        <translation>En una carpeta de referencia: los originales nunca se eliminan</translation>
    </message>
    <message numerus="yes">
        <source>Modified in the last %n day(s): only older copies go</source>
        <translation>
            <numerusform>Modificada hace menos de %n día: solo se quitan las copias más antiguas</numerusform>
            <numerusform>Modificada hace menos de %n días: solo se quitan las copias más antiguas</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ORDupNoViewCter</name>
    <message>
        <source>Duplicates</source>
        <translation>Duplicados</translation>
    </message>
    <message>
        <source>No duplicates were found in these folders.</source>
        <translation>No se encontraron duplicados en estas carpetas.</translation>
    </message>
</context>
<context>
    <name>ORDupResultItemObject</name>
    <message>
        <source>No duplicates here</source>
        <translation>Aquí no hay duplicados</translation>
    </message>
    <message>
        <source>Choose another kind, or search for another name.</source>
        <translation>Elija otro tipo o busque otro nombre.</translation>
    </message>
    <message numerus="yes">
        <source>%n copies of %1 each; one copy is always kept.</source>
        <translation>
            <numerusform>%n copia de %1; siempre se conserva una copia.</numerusform>
            <numerusform>%n copias de %1 cada una; siempre se conserva una copia.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 copy of %1 is listed; the others lie in protected places.</source>
        <translation>Se muestra 1 copia de %1; las demás están en lugares protegidos.</translation>
    </message>
    <message numerus="yes">
        <source>%n item(s), %1 in all; each may go to the Trash.</source>
        <translation>
            <numerusform>%n elemento, %1; puede ir a la papelera.</numerusform>
            <numerusform>%n elementos, %1 en total; cada uno puede ir a la papelera.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ORDupResultViewCter</name>
    <message>
        <source>Select every copy but one of each group listed, or clear them</source>
        <translation>Selecciona todas las copias menos una de cada grupo mostrado, o las deselecciona</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Todos</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Lista</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vista previa</translation>
    </message>
    <message>
        <source>Search by name</source>
        <translation>Buscar por nombre</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Copies</source>
        <translation>Copias</translation>
    </message>
    <message>
        <source>Sort the groups</source>
        <translation>Ordenar los grupos</translation>
    </message>
    <message>
        <source>Which copy of each group Select keeps. Best original keeps the copy outside Downloads, the Trash and temporary folders, without a copy mark such as &quot;(1)&quot; in its name, the oldest, in the deepest folder.</source>
        <translation>Qué copia de cada grupo conserva “Seleccionar”. “Mejor original” conserva la copia que está fuera de Descargas, de la papelera y de las carpetas temporales, sin una marca de copia como “(1)” en el nombre, la más antigua y en la carpeta más profunda.</translation>
    </message>
    <message>
        <source>All duplicates</source>
        <translation>Todos los duplicados</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n set(s), %2</source>
        <extracomment>The kind listed (&quot;All duplicates&quot;, &quot;Documents&quot;, ...), the number of sets and their size</extracomment>
        <translation>
            <numerusform>%1: %n grupo, %2</numerusform>
            <numerusform>%1: %n grupos, %2</numerusform>
        </translation>
    </message>
    <message>
        <source>Each set holds copies of one file. Select keeps one copy of each set.</source>
        <translation>Cada grupo contiene copias de un mismo archivo. “Seleccionar” conserva una copia de cada grupo.</translation>
    </message>
    <message>
        <source>Groups of duplicates</source>
        <translation>Grupos de duplicados</translation>
    </message>
    <message>
        <source>Kind of files</source>
        <translation>Tipo de archivo</translation>
    </message>
    <message>
        <source>Show as</source>
        <translation>Mostrar como</translation>
    </message>
    <message>
        <source>Search the duplicates by name</source>
        <translation>Buscar duplicados por nombre</translation>
    </message>
    <message>
        <source>The copy Select keeps</source>
        <translation>Copia que conserva “Seleccionar”</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Exportar…</translation>
    </message>
    <message>
        <source>Export the result</source>
        <translation>Exportar el resultado</translation>
    </message>
    <message>
        <source>Save the groups as a CSV table, or as JSON to open again later</source>
        <translation>Guardar los grupos como tabla CSV, o como JSON para abrirlos más tarde</translation>
    </message>
    <message numerus="yes">
        <source>Empty and broken: %n item(s), %1</source>
        <translation>
            <numerusform>Vacíos y rotos: %n elemento, %1</numerusform>
            <numerusform>Vacíos y rotos: %n elementos, %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Empty files, folders that hold only empty folders, and links whose target is missing.</source>
        <translation>Archivos vacíos, carpetas que solo contienen carpetas vacías y enlaces cuyo destino falta.</translation>
    </message>
</context>
<context>
    <name>ORDupViewCter</name>
    <message>
        <source>Duplicates</source>
        <translation>Duplicados</translation>
    </message>
    <message>
        <source>Quick scan: compare samples only, not whole files</source>
        <translation>Análisis rápido: comparar solo muestras, no los archivos completos</translation>
    </message>
    <message>
        <source>Faster, but files that agree only in the parts compared are reported as duplicates too.</source>
        <translation>Es más rápido, pero los archivos que coinciden solo en las partes comparadas también se consideran duplicados.</translation>
    </message>
    <message>
        <source>Files of %1 and less are not compared.</source>
        <translation>Los archivos de %1 o menos no se comparan.</translation>
    </message>
    <message numerus="yes">
        <source>Found %n set(s) of duplicates, %1</source>
        <translation>
            <numerusform>Se encontró %n grupo de duplicados, %1</numerusform>
            <numerusform>Se encontraron %n grupos de duplicados, %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Empty and broken</source>
        <translation>Vacíos y rotos</translation>
    </message>
    <message>
        <source>What to find</source>
        <translation>Qué buscar</translation>
    </message>
    <message>
        <source>Copies of the same file, or empty files, empty folders and broken links</source>
        <translation>Copias del mismo archivo, o archivos vacíos, carpetas vacías y enlaces rotos</translation>
    </message>
    <message>
        <source>Open a Saved Result…</source>
        <translation>Abrir un resultado…</translation>
    </message>
    <message>
        <source>Open a saved result</source>
        <translation>Abrir un resultado guardado</translation>
    </message>
    <message>
        <source>Open a result exported as JSON; it is checked against the disk first</source>
        <translation>Abrir un resultado exportado como JSON; antes se comprueba con el disco</translation>
    </message>
    <message>
        <source>Open a Saved Result</source>
        <translation>Abrir un resultado guardado</translation>
    </message>
    <message>
        <source>Saved results (*.json)</source>
        <translation>Resultados guardados (*.json)</translation>
    </message>
    <message numerus="yes">
        <source>%n item(s) of the saved result were left out: they changed since it was saved, or cannot be acted on.</source>
        <translation>
            <numerusform>Se omitió %n elemento del resultado guardado: cambió desde que se guardó o no se puede procesar.</numerusform>
            <numerusform>Se omitieron %n elementos del resultado guardado: cambiaron desde que se guardó o no se pueden procesar.</numerusform>
        </translation>
    </message>
    <message>
        <source>Find the files that are stored more than once in these folders and move the extra copies to the Trash or replace them with links.</source>
        <translation>Busque los archivos que están guardados más de una vez en estas carpetas y mueva las copias sobrantes a la papelera o reemplácelas por enlaces.</translation>
    </message>
</context>
<context>
    <name>ORExtDataCollection</name>
    <message>
        <source>Extensions</source>
        <translation>Extensiones</translation>
    </message>
    <message>
        <source>Kernel extensions: drivers and system features that applications added.</source>
        <translation>Extensiones del núcleo: controladores y funciones del sistema que añadieron las aplicaciones.</translation>
    </message>
    <message>
        <source>Kernel</source>
        <translation>Núcleo</translation>
    </message>
    <message>
        <source>Browser Extensions</source>
        <translation>Extensiones del navegador</translation>
    </message>
    <message>
        <source>Add-ons installed in the profiles of your web browsers. A removed extension is gone once the browser has been restarted.</source>
        <translation>Complementos instalados en los perfiles de sus navegadores web. Una extensión eliminada desaparece cuando se reinicia el navegador.</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>Navegador</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Preferencias</translation>
    </message>
    <message>
        <source>Preference panes that applications added to System Preferences.</source>
        <translation>Paneles de preferencias que las aplicaciones añadieron a Preferencias del Sistema.</translation>
    </message>
    <message>
        <source>System Preferences</source>
        <translation>Preferencias del Sistema</translation>
    </message>
    <message>
        <source>Desktop Extensions</source>
        <translation>Extensiones del escritorio</translation>
    </message>
    <message>
        <source>Shell extensions, widgets and applets you added to your desktop. A removed one is gone once the desktop shell has been restarted or you have logged in again.</source>
        <translation>Extensiones del shell, widgets y applets que añadió a su escritorio. Una extensión eliminada desaparece cuando se reinicia el shell del escritorio o cuando vuelve a iniciar sesión.</translation>
    </message>
    <message>
        <source>Desktop</source>
        <translation>Escritorio</translation>
    </message>
    <message>
        <source>Internet Plug-Ins</source>
        <translation>Plugins de Internet</translation>
    </message>
    <message>
        <source>Plug-ins that browsers and other programs load to show web content.</source>
        <translation>Plugins que cargan los navegadores y otros programas para mostrar contenido web.</translation>
    </message>
    <message>
        <source>Browsers</source>
        <translation>Navegadores</translation>
    </message>
    <message>
        <source>Browser Plug-Ins</source>
        <translation>Plugins del navegador</translation>
    </message>
    <message>
        <source>Plug-in libraries the browsers load from your home folder. A removed plug-in is gone once the browser has been restarted.</source>
        <translation>Bibliotecas de plugins que los navegadores cargan desde su carpeta personal. Un plugin eliminado desaparece cuando se reinicia el navegador.</translation>
    </message>
    <message>
        <source>Mozilla</source>
        <translation>Mozilla</translation>
    </message>
    <message>
        <source>QuickLook Plug-Ins</source>
        <translation>Plugins de Vista Rápida</translation>
    </message>
    <message>
        <source>Plug-ins that let Quick Look preview more kinds of files.</source>
        <translation>Plugins que permiten a Vista Rápida previsualizar más tipos de archivo.</translation>
    </message>
    <message>
        <source>Quick Look</source>
        <translation>Vista Rápida</translation>
    </message>
    <message>
        <source>Thumbnailers</source>
        <translation>Generadores de miniaturas</translation>
    </message>
    <message>
        <source>Programs that draw the previews of files in your file manager. Previews drawn already stay until the file manager has been restarted and the thumbnail cache cleaned.</source>
        <translation>Programas que dibujan las vistas previas de los archivos en su gestor de archivos. Las vistas previas ya dibujadas se mantienen hasta que se reinicia el gestor de archivos y se limpia la caché de miniaturas.</translation>
    </message>
    <message>
        <source>File manager</source>
        <translation>Gestor de archivos</translation>
    </message>
    <message>
        <source>Spotlight Plug-Ins</source>
        <translation>Plugins de Spotlight</translation>
    </message>
    <message>
        <source>Plug-ins that let Spotlight search more kinds of files.</source>
        <translation>Plugins que permiten a Spotlight buscar en más tipos de archivo.</translation>
    </message>
    <message>
        <source>Spotlight</source>
        <translation>Spotlight</translation>
    </message>
    <message>
        <source>Search Providers</source>
        <translation>Proveedores de búsqueda</translation>
    </message>
    <message>
        <source>Applications that add their results to the desktop&apos;s search. A removed provider is gone once the desktop shell has been restarted.</source>
        <translation>Aplicaciones que añaden sus resultados a la búsqueda del escritorio. Un proveedor eliminado desaparece cuando se reinicia el shell del escritorio.</translation>
    </message>
    <message>
        <source>Desktop search</source>
        <translation>Búsqueda del escritorio</translation>
    </message>
</context>
<context>
    <name>ORExtensionResultViewCter</name>
    <message>
        <source>Enabled</source>
        <translation>Activada</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Desactivada</translation>
    </message>
    <message>
        <source>Extensions</source>
        <translation>Extensiones</translation>
    </message>
    <message>
        <source>Nothing of this kind is installed.</source>
        <translation>No hay nada de este tipo instalado.</translation>
    </message>
</context>
<context>
    <name>ORExtensionViewCter</name>
    <message>
        <source>Extensions</source>
        <translation>Extensiones</translation>
    </message>
    <message>
        <source>See the add-ons installed in your browsers and your desktop, and remove the ones you no longer use.</source>
        <translation>Vea los complementos instalados en sus navegadores y en su escritorio, y elimine los que ya no use.</translation>
    </message>
</context>
<context>
    <name>ORFileConvertViewCter</name>
    <message>
        <source>Icons</source>
        <translation>Iconos</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Lista</translation>
    </message>
    <message>
        <source>In %1. These files are a temporary copy, removed when you leave this page: save them or extract them to keep them.</source>
        <translation>En %1. Estos archivos son una copia temporal que se elimina al salir de esta página: guárdelos o extráigalos para conservarlos.</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message numerus="yes">
        <source>%n item(s) could not be saved.</source>
        <translation>
            <numerusform>No se pudo guardar %n elemento.</numerusform>
            <numerusform>No se pudieron guardar %n elementos.</numerusform>
        </translation>
    </message>
    <message>
        <source>Extract To</source>
        <translation>Extraer en</translation>
    </message>
    <message>
        <source>Extract</source>
        <translation>Extraer</translation>
    </message>
    <message>
        <source>The folder %1 could not be made</source>
        <translation>No se pudo crear la carpeta %1</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 no es una carpeta</translation>
    </message>
    <message>
        <source>Show as</source>
        <translation>Mostrar como</translation>
    </message>
    <message>
        <source>Extracted files</source>
        <translation>Archivos extraídos</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Atrás</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;Guardar…</translation>
    </message>
    <message>
        <source>&amp;Extract to...</source>
        <translation>&amp;Extraer en…</translation>
    </message>
    <message>
        <source>&amp;Mail</source>
        <translation>Enviar por &amp;correo</translation>
    </message>
</context>
<context>
    <name>ORFileDataCollection</name>
    <message>
        <source>A winmail file is listed only by decoding it</source>
        <translation>Un archivo winmail solo se puede listar descodificándolo</translation>
    </message>
    <message>
        <source>Cannot create the folder</source>
        <translation>No se puede crear la carpeta</translation>
    </message>
    <message>
        <source>Not a winmail.dat file, or a damaged one</source>
        <translation>No es un archivo winmail.dat, o está dañado</translation>
    </message>
    <message>
        <source>Cannot read the file</source>
        <translation>No se puede leer el archivo</translation>
    </message>
    <message>
        <source>Cannot create the folder %1</source>
        <translation>No se puede crear la carpeta %1</translation>
    </message>
</context>
<context>
    <name>ORFileDropView</name>
    <message>
        <source>Drop an archive or a winmail.dat file here</source>
        <translation>Suelte aquí un archivo comprimido o un archivo winmail.dat</translation>
    </message>
    <message>
        <source>or</source>
        <translation>o</translation>
    </message>
    <message>
        <source>Choose a File...</source>
        <translation>Elegir un archivo…</translation>
    </message>
    <message>
        <source>Choose an Archive</source>
        <translation>Elegir un archivo comprimido</translation>
    </message>
    <message>
        <source>Archives (%1)</source>
        <translation>Archivos comprimidos (%1)</translation>
    </message>
</context>
<context>
    <name>ORFileIntroViewCter</name>
    <message>
        <source>Unarchive error or password error, try again!</source>
        <translation>Error al descomprimir o contraseña incorrecta. Inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>This archive format is not supported</source>
        <translation>Este formato de archivo comprimido no es compatible</translation>
    </message>
    <message>
        <source>Not enough free space</source>
        <translation>No hay suficiente espacio libre</translation>
    </message>
    <message>
        <source>Archives</source>
        <translation>Archivos comprimidos</translation>
    </message>
    <message>
        <source>Open zip, rar, 7z, tar and many other archives, and the attachments in winmail.dat files: see what is inside, then open, save or mail it.</source>
        <translation>Abra archivos zip, rar, 7z, tar y muchos otros tipos de archivo comprimido, y los adjuntos de los archivos winmail.dat: vea lo que contienen y luego ábralo, guárdelo o envíelo por correo.</translation>
    </message>
    <message>
        <source>File name encoding:</source>
        <translation>Codificación de los nombres de archivo:</translation>
    </message>
    <message>
        <source>zip, rar, 7z, tar, gz, bz2, xz, iso, cab, lzh, arj, cpio, deb, rpm, winmail.dat and more</source>
        <translation>zip, rar, 7z, tar, gz, bz2, xz, iso, cab, lzh, arj, cpio, deb, rpm, winmail.dat y más</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Extracting...</source>
        <translation>Extrayendo…</translation>
    </message>
</context>
<context>
    <name>ORFolderTableCellView</name>
    <message>
        <source>Remove from the List</source>
        <translation>Quitar de la lista</translation>
    </message>
    <message>
        <source>Reference Folder</source>
        <translation>Carpeta de referencia</translation>
    </message>
    <message>
        <source>Reference folder: the originals live here and its copies are never selected. Click to make it an ordinary folder.</source>
        <translation>Carpeta de referencia: aquí están los originales y sus copias nunca se seleccionan. Haga clic para convertirla en una carpeta normal.</translation>
    </message>
    <message>
        <source>Make this a reference folder: the originals live here and its copies are never selected.</source>
        <translation>Convertir en carpeta de referencia: aquí están los originales y sus copias nunca se seleccionan.</translation>
    </message>
</context>
<context>
    <name>ORItemTableCellView</name>
    <message>
        <source>Show in the File Manager</source>
        <translation>Mostrar en el gestor de archivos</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vista previa</translation>
    </message>
</context>
<context>
    <name>ORJunkFilesCollection</name>
    <message>
        <source>Application Junk Files</source>
        <translation>Archivos basura de aplicaciones</translation>
    </message>
    <message>
        <source>Caches and logs that applications keep to start and work faster. An application makes them again when it needs them.</source>
        <translation>Cachés y registros que las aplicaciones guardan para iniciarse y funcionar más rápido. Cada aplicación los vuelve a crear cuando los necesita.</translation>
    </message>
    <message>
        <source>Leftover Files</source>
        <translation>Restos de aplicaciones</translation>
    </message>
    <message>
        <source>Settings, saved window states and launch agents of applications other than the system&apos;s own.</source>
        <translation>Preferencias, estados de ventana guardados y agentes de inicio de las aplicaciones que no son del propio sistema.</translation>
    </message>
    <message>
        <source>Menu and login entries whose program is no longer installed, and the data of Flatpak applications that were removed.</source>
        <translation>Entradas de menú y de inicio de sesión cuyo programa ya no está instalado, y datos de aplicaciones Flatpak que se eliminaron.</translation>
    </message>
    <message>
        <source>System Cache Files</source>
        <translation>Archivos de caché del sistema</translation>
    </message>
    <message>
        <source>Caches of the system&apos;s own programs and services. They are made again when needed.</source>
        <translation>Cachés de los programas y servicios propios del sistema. Se vuelven a crear cuando hacen falta.</translation>
    </message>
    <message>
        <source>Caches of the system&apos;s programs in /var/cache, such as packages the package manager downloaded. They are made again when needed.</source>
        <translation>Cachés de los programas del sistema en /var/cache, como los paquetes que descargó el gestor de paquetes. Se vuelven a crear cuando hacen falta.</translation>
    </message>
    <message>
        <source>System Log Files</source>
        <translation>Archivos de registro del sistema</translation>
    </message>
    <message>
        <source>Records of what the system and its services did. They help to find the cause of a fault; nothing needs them to run.</source>
        <translation>Registros de lo que hicieron el sistema y sus servicios. Ayudan a encontrar la causa de un fallo; nada los necesita para funcionar.</translation>
    </message>
    <message>
        <source>Mail Attachments</source>
        <translation>Adjuntos de correo</translation>
    </message>
    <message>
        <source>Copies of attachments saved when you opened them. The messages keep their own copy.</source>
        <translation>Copias de los adjuntos que se guardaron al abrirlos. Los mensajes conservan su propia copia.</translation>
    </message>
    <message>
        <source>iTunes Junk Files</source>
        <translation>Archivos basura de iTunes</translation>
    </message>
    <message>
        <source>iPhone and iPad software updates and copies of their applications that iTunes downloaded.</source>
        <translation>Actualizaciones de software del iPhone y el iPad, y copias de sus aplicaciones, que descargó iTunes.</translation>
    </message>
    <message>
        <source>iOS Backups</source>
        <translation>Copias de seguridad de iOS</translation>
    </message>
    <message>
        <source>Backups of iPhones and iPads made on this computer.</source>
        <translation>Copias de seguridad de iPhone y iPad hechas en este equipo.</translation>
    </message>
    <message>
        <source>iOS Software Updates</source>
        <translation>Actualizaciones de software de iOS</translation>
    </message>
    <message>
        <source>Software updates for iPhones and iPads that were downloaded.</source>
        <translation>Actualizaciones de software para iPhone y iPad que se descargaron.</translation>
    </message>
    <message>
        <source>Trash</source>
        <translation>Papelera</translation>
    </message>
    <message>
        <source>Everything you moved to the Trash and did not empty yet.</source>
        <translation>Todo lo que movió a la papelera y aún no se ha vaciado.</translation>
    </message>
    <message>
        <source>Downloads</source>
        <translation>Descargas</translation>
    </message>
    <message>
        <source>Everything in your Downloads folder, which may hold files you keep.</source>
        <translation>Todo el contenido de su carpeta Descargas, que puede incluir archivos que quiera conservar.</translation>
    </message>
    <message>
        <source>Xcode DerivedData</source>
        <translation>DerivedData de Xcode</translation>
    </message>
    <message>
        <source>Build products and indexes that Xcode makes again when a project is built.</source>
        <translation>Productos de compilación e índices que Xcode vuelve a crear al compilar un proyecto.</translation>
    </message>
    <message>
        <source>Developer Build Caches</source>
        <translation>Cachés de compilación para desarrollo</translation>
    </message>
    <message>
        <source>Package and build caches of npm, Gradle, Cargo and Go, which are downloaded again when a build needs them.</source>
        <translation>Cachés de paquetes y de compilación de npm, Gradle, Cargo y Go, que se vuelven a descargar cuando una compilación los necesita.</translation>
    </message>
    <message>
        <source>Browser Junk Files</source>
        <translation>Archivos basura de navegadores</translation>
    </message>
    <message>
        <source>Pages and images your browsers keep to show sites faster, their history and their cookies. Without cookies you are signed out of websites.</source>
        <translation>Páginas e imágenes que guardan sus navegadores para mostrar los sitios más rápido, su historial y sus cookies. Sin las cookies, se cerrará su sesión en los sitios web.</translation>
    </message>
    <message>
        <source>Pages and images your browsers keep to show sites faster, and their history and cookies, which start unticked: without cookies you are signed out of websites.</source>
        <translation>Páginas e imágenes que guardan sus navegadores para mostrar los sitios más rápido, y su historial y sus cookies, que de entrada aparecen desmarcados: sin las cookies, se cerrará su sesión en los sitios web.</translation>
    </message>
    <message numerus="yes">
        <source>Only items older than %n day(s) are listed.</source>
        <translation>
            <numerusform>Solo se muestran los elementos de más de %n día.</numerusform>
            <numerusform>Solo se muestran los elementos de más de %n días.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ORJunkViewCter</name>
    <message>
        <source>Junk Clean</source>
        <translation>Limpieza</translation>
    </message>
    <message>
        <source>Find caches, logs, leftovers of removed applications, the Trash and other files you no longer need, and free up space safely.</source>
        <translation>Busque cachés, registros, restos de aplicaciones eliminadas, la papelera y otros archivos que ya no necesite, y libere espacio de forma segura.</translation>
    </message>
</context>
<context>
    <name>ORJunksResultViewCter</name>
    <message>
        <source>Categories</source>
        <translation>Categorías</translation>
    </message>
    <message>
        <source>Nothing to clean in this category.</source>
        <translation>No hay nada que limpiar en esta categoría.</translation>
    </message>
</context>
<context>
    <name>ORLayout</name>
    <message>
        <source>unknown layout &quot;%1&quot; (use freedesktop or macos)</source>
        <translation>esquema desconocido &quot;%1&quot; (use freedesktop o macos)</translation>
    </message>
    <message>
        <source>no home folder: user %1 has no password entry and $HOME is not set (give --home)</source>
        <translation>no hay carpeta personal: el usuario %1 no tiene entrada en passwd y $HOME no está definida (indique --home)</translation>
    </message>
    <message>
        <source>  --layout L    where to look: freedesktop (default) or macos
  --root R      the file-system root the layout&apos;s system folders are under (default /)
  --home H      the home folder to look in (default: the real user&apos;s home)
</source>
        <translation>  --layout L    dónde buscar: freedesktop (por omisión) o macos
  --root R      la raíz bajo la que están las carpetas del sistema del esquema (por omisión /)
  --home H      la carpeta personal en la que buscar (por omisión: la del usuario real)
</translation>
    </message>
</context>
<context>
    <name>ORMainWinController</name>
    <message>
        <source>Open Sweepwright</source>
        <translation>Abrir Sweepwright</translation>
    </message>
    <message>
        <source>Release Memory</source>
        <translation>Liberar memoria</translation>
    </message>
    <message>
        <source>Preferences…</source>
        <translation>Preferencias…</translation>
    </message>
    <message>
        <source>Quit Sweepwright</source>
        <translation>Salir de Sweepwright</translation>
    </message>
    <message>
        <source>Junk Clean</source>
        <translation>Limpieza</translation>
    </message>
    <message>
        <source>Archives</source>
        <translation>Archivos comprimidos</translation>
    </message>
    <message>
        <source>Login Items</source>
        <translation>Inicio de sesión</translation>
    </message>
    <message>
        <source>Duplicates</source>
        <translation>Duplicados</translation>
    </message>
    <message>
        <source>Large Files</source>
        <translation>Archivos grandes</translation>
    </message>
    <message>
        <source>Uninstaller</source>
        <translation>Desinstalador</translation>
    </message>
    <message>
        <source>Shredder</source>
        <translation>Destructor</translation>
    </message>
    <message>
        <source>Memory</source>
        <translation>Memoria</translation>
    </message>
    <message>
        <source>Toolbox</source>
        <translation>Herramientas</translation>
    </message>
    <message>
        <source>Extensions</source>
        <translation>Extensiones</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Historial</translation>
    </message>
</context>
<context>
    <name>ORMemViewCter</name>
    <message>
        <source>Memory</source>
        <translation>Memoria</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>Disco</translation>
    </message>
    <message>
        <source>Used</source>
        <translation>En uso</translation>
    </message>
    <message>
        <source>Available</source>
        <translation>Disponible</translation>
    </message>
    <message>
        <source>Cached</source>
        <translation>En caché</translation>
    </message>
    <message>
        <source>Buffers</source>
        <translation>Búferes</translation>
    </message>
    <message>
        <source>Free</source>
        <translation>Libre</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Swap</source>
        <translation>Intercambio</translation>
    </message>
    <message>
        <source>Release Memory asks the kernel to give back the memory it holds as cache. Programs read those files from the disk again when they need them, so the computer does not get faster.</source>
        <translation>“Liberar memoria” pide al núcleo del sistema que devuelva la memoria que ocupa como caché. Los programas vuelven a leer esos archivos del disco cuando los necesitan, así que el equipo no se vuelve más rápido.</translation>
    </message>
    <message>
        <source>Released Memory</source>
        <translation>Memoria liberada</translation>
    </message>
    <message>
        <source>%1 of %2 in use</source>
        <translation>%1 de %2 en uso</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguno</translation>
    </message>
    <message>
        <source>Unavailable</source>
        <translation>No disponible</translation>
    </message>
    <message>
        <source>Memory in use</source>
        <translation>Memoria en uso</translation>
    </message>
    <message>
        <source>Disk space in use</source>
        <translation>Espacio en disco ocupado</translation>
    </message>
    <message>
        <source>&amp;Release Memory</source>
        <translation>&amp;Liberar memoria</translation>
    </message>
</context>
<context>
    <name>ORNoJunkViewCter</name>
    <message>
        <source>No category was scanned</source>
        <translation>No se analizó ninguna categoría</translation>
    </message>
    <message>
        <source>Choose the kinds of junk to look for in Preferences, under Junk Clean.</source>
        <translation>Elija los tipos de archivos basura que buscar en Preferencias, en la sección Limpieza.</translation>
    </message>
</context>
<context>
    <name>ORPdfCompressViewCter</name>
    <message>
        <source>Page %1 of %2</source>
        <translation>Página %1 de %2</translation>
    </message>
    <message>
        <source>PDF Compressor</source>
        <translation>Compresor de PDF</translation>
    </message>
    <message>
        <source>Makes a smaller copy of a PDF document; the document itself is left as it is.</source>
        <translation>Crea una copia más pequeña de un documento PDF; el documento original no se modifica.</translation>
    </message>
    <message>
        <source>Drop a PDF document here</source>
        <translation>Suelte aquí un documento PDF</translation>
    </message>
    <message>
        <source>Choose a PDF…</source>
        <translation>Elegir un PDF…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Save…</source>
        <translation>Guardar…</translation>
    </message>
    <message>
        <source>Mail</source>
        <translation>Enviar por correo</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Páginas</translation>
    </message>
    <message>
        <source>Before</source>
        <translation>Antes</translation>
    </message>
    <message>
        <source>After</source>
        <translation>Después</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>Calidad</translation>
    </message>
    <message>
        <source>Smallest file (images at 50 ppi)</source>
        <translation>Archivo más pequeño (imágenes a 50 ppp)</translation>
    </message>
    <message>
        <source>Medium (images at 150 ppi)</source>
        <translation>Calidad media (imágenes a 150 ppp)</translation>
    </message>
    <message>
        <source>Best quality (images at 300 ppi)</source>
        <translation>Máxima calidad (imágenes a 300 ppp)</translation>
    </message>
    <message>
        <source>Choose a PDF document</source>
        <translation>Elegir un documento PDF</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf *.PDF)</source>
        <translation>Documentos PDF (*.pdf *.PDF)</translation>
    </message>
    <message>
        <source>“%1” is not a PDF document that can be read.</source>
        <translation>“%1” no es un documento PDF legible.</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Información</translation>
    </message>
    <message>
        <source>Please enter the password</source>
        <translation>Escriba la contraseña</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Compressor</source>
        <translation>Compresor</translation>
    </message>
    <message>
        <source>Already compact: no smaller copy could be made</source>
        <translation>Ya es compacto: no se pudo crear una copia más pequeña</translation>
    </message>
    <message>
        <source>This copy is not password protected</source>
        <translation>Esta copia no está protegida con contraseña</translation>
    </message>
    <message>
        <source>Save the compressed PDF</source>
        <translation>Guardar el PDF comprimido</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>Documentos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>“%1” already exists. Do you want to replace it?</source>
        <translation>“%1” ya existe. ¿Quiere reemplazarlo?</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Reemplazar</translation>
    </message>
    <message>
        <source>The copy could not be saved as “%1”.</source>
        <translation>No se pudo guardar la copia como “%1”.</translation>
    </message>
</context>
<context>
    <name>ORPdfWindowCter</name>
    <message>
        <source>PDF Compressor</source>
        <translation>Compresor de PDF</translation>
    </message>
</context>
<context>
    <name>ORShredViewCter</name>
    <message>
        <source>Shredder</source>
        <translation>Destructor</translation>
    </message>
    <message>
        <source>Files and folders shredded here are removed at once, not moved to the Trash.</source>
        <translation>Los archivos y carpetas que se destruyen aquí se eliminan de inmediato, sin pasar por la papelera.</translation>
    </message>
    <message>
        <source>To shred</source>
        <translation>Para destruir</translation>
    </message>
    <message>
        <source>Drop files and folders here</source>
        <translation>Suelte aquí archivos y carpetas</translation>
    </message>
    <message>
        <source>Overwrite contents before removing</source>
        <translation>Sobrescribir el contenido antes de eliminar</translation>
    </message>
    <message>
        <source>On SSDs and copy-on-write file systems, overwriting cannot guarantee that the old data is gone.</source>
        <translation>En unidades SSD y en sistemas de archivos de copia en escritura, sobrescribir no garantiza que los datos anteriores desaparezcan.</translation>
    </message>
    <message>
        <source>&amp;Shred</source>
        <translation>&amp;Destruir</translation>
    </message>
</context>
<context>
    <name>ORToolViewCter</name>
    <message>
        <source>Toolbox</source>
        <translation>Herramientas</translation>
    </message>
    <message>
        <source>Make PDF files smaller, or open the desktop&apos;s own tools for this computer, its disks and its extensions.</source>
        <translation>Reduzca el tamaño de archivos PDF o abra las herramientas propias del escritorio para este equipo, sus discos y sus extensiones.</translation>
    </message>
    <message>
        <source>PDF Compressor</source>
        <translation>Compresor de PDF</translation>
    </message>
    <message>
        <source>System Information</source>
        <translation>Información del sistema</translation>
    </message>
    <message>
        <source>Disk Utility</source>
        <translation>Utilidad de discos</translation>
    </message>
    <message>
        <source>Extensions</source>
        <translation>Extensiones</translation>
    </message>
    <message>
        <source>Open the Extensions page</source>
        <translation>Abrir la página Extensiones</translation>
    </message>
    <message>
        <source>Not installed</source>
        <translation>Sin instalar</translation>
    </message>
    <message>
        <source>The PDF compressor cannot be opened: its plugin is missing or broken.

%1</source>
        <translation>No se puede abrir el compresor de PDF: falta su plugin o está dañado.

%1</translation>
    </message>
    <message>
        <source>%1 could not be opened.</source>
        <translation>No se pudo abrir %1.</translation>
    </message>
</context>
<context>
    <name>ORUninstDelViewCter</name>
    <message>
        <source>Open Trash</source>
        <translation>Abrir la papelera</translation>
    </message>
    <message>
        <source>What went to the Trash can be restored from there</source>
        <translation>Lo que se movió a la papelera se puede restaurar desde allí</translation>
    </message>
</context>
<context>
    <name>ORUninstResultViewCter</name>
    <message>
        <source>Application</source>
        <translation>Aplicación</translation>
    </message>
    <message>
        <source>AppImage</source>
        <translation>AppImage</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Personal</translation>
    </message>
    <message>
        <source>Flatpak</source>
        <translation>Flatpak</translation>
    </message>
    <message>
        <source>Package</source>
        <translation>Paquete</translation>
    </message>
    <message numerus="yes">
        <source>%n item(s)</source>
        <translation>
            <numerusform>%n elemento</numerusform>
            <numerusform>%n elementos</numerusform>
        </translation>
    </message>
    <message>
        <source>Caches</source>
        <translation>Cachés</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Preferencias</translation>
    </message>
    <message>
        <source>Your data</source>
        <translation>Sus datos</translation>
    </message>
    <message>
        <source>Removed only with the application: tick the application first</source>
        <translation>Solo se elimina junto con la aplicación: marque primero la aplicación</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Sort the applications</source>
        <translation>Ordenar las aplicaciones</translation>
    </message>
    <message>
        <source>Last Modified: %1</source>
        <translation>Última modificación: %1</translation>
    </message>
    <message>
        <source>Applications</source>
        <translation>Aplicaciones</translation>
    </message>
    <message>
        <source>Search the applications</source>
        <translation>Buscar aplicaciones</translation>
    </message>
</context>
<context>
    <name>ORUninstViewCter</name>
    <message>
        <source>Uninstaller</source>
        <translation>Desinstalador</translation>
    </message>
    <message>
        <source>See every installed application with the caches, settings and data it leaves behind, and remove an application completely or just its leftovers. What you remove goes to the Trash; your own data stays unless you tick it.</source>
        <translation>Vea cada aplicación instalada con las cachés, preferencias y datos que deja, y elimine una aplicación por completo o solo sus restos. Lo que elimine va a la papelera; sus propios datos se conservan a menos que los marque.</translation>
    </message>
    <message>
        <source>See every installed application with the caches, settings and data it keeps, and remove an application together with them. Files of yours go to the Trash; your own data stays unless you tick it.</source>
        <translation>Vea cada aplicación instalada con las cachés, preferencias y datos que guarda, y elimine una aplicación junto con ellos. Los archivos de su propiedad van a la papelera; sus propios datos se conservan a menos que los marque.</translation>
    </message>
    <message>
        <source>Scanning the installed applications…</source>
        <translation>Analizando las aplicaciones instaladas…</translation>
    </message>
    <message>
        <source>Collecting...</source>
        <translation>Recopilando…</translation>
    </message>
    <message>
        <source>Fewer than two applications were found: there is nothing to uninstall.</source>
        <translation>Se encontraron menos de dos aplicaciones: no hay nada que desinstalar.</translation>
    </message>
</context>
<context>
    <name>ORUtility</name>
    <message>
        <source>today</source>
        <translation>hoy</translation>
    </message>
</context>
<context>
    <name>OlderThanOption</name>
    <message>
        <source>%1 needs a number of days</source>
        <translation>%1 necesita un número de días</translation>
    </message>
    <message>
        <source>--older-than takes a whole number of days from 0 to %1, not &quot;%2&quot;</source>
        <translation>--older-than admite un número entero de días de 0 a %1, no «%2»</translation>
    </message>
    <message>
        <source>  --older-than DAYS      only files last modified more than DAYS days ago (0: all)
</source>
        <translation>  --older-than DAYS      solo archivos modificados por última vez hace más de DAYS días (0: todos)
</translation>
    </message>
    <message>
        <source>  --older-than DAYS  only items older than DAYS days (0: all), in every category, in place
        of the ages set in Preferences &gt; Junk Clean (which apply otherwise, --clean
        included): by the newest modification time inside an item, and in the Trash by
        the date it was deleted; a Trash item without a readable date counts as new
</source>
        <translation>  --older-than DAYS  solo elementos de más de DAYS días (0: todos), en cada categoría, en lugar
        de las edades fijadas en Preferencias &gt; Limpieza (que se aplican si no, --clean
        incluido): según la modificación más reciente dentro de un elemento, y en la Papelera
        según la fecha en que se eliminó; un elemento de la Papelera sin fecha legible cuenta como nuevo
</translation>
    </message>
</context>
<context>
    <name>OutputPlacement</name>
    <message>
        <source>%1 cannot be opened: %2</source>
        <translation>no se puede abrir %1: %2</translation>
    </message>
    <message>
        <source>%1 is a folder</source>
        <translation>%1 es una carpeta</translation>
    </message>
    <message>
        <source>%1 already exists</source>
        <translation>%1 ya existe</translation>
    </message>
    <message>
        <source>no file can be made in %1: %2</source>
        <translation>no se puede crear ningún archivo en %1: %2</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>cancelado</translation>
    </message>
</context>
<context>
    <name>PackageCommands</name>
    <message>
        <source>%1 could not be run: %2</source>
        <translation>no se pudo ejecutar %1: %2</translation>
    </message>
    <message>
        <source>%1 failed (exit status %2): %3</source>
        <translation>%1 falló (estado de salida %2): %3</translation>
    </message>
    <message>
        <source>%1; left in place</source>
        <translation>%1; se deja en su lugar</translation>
    </message>
    <message>
        <source>%1 failed with administrator rights (exit status %2)</source>
        <translation>%1 falló con permisos de administrador (estado de salida %2)</translation>
    </message>
    <message>
        <source>flatpak is not installed; left in place</source>
        <translation>flatpak no está instalado; se deja en su lugar</translation>
    </message>
    <message>
        <source>%1 would not remove it; left in place</source>
        <translation>%1 rechazó la eliminación; se deja en su lugar</translation>
    </message>
    <message>
        <source>removing it would also remove %1; left in place</source>
        <translation>su eliminación también eliminaría %1; se deja en su lugar</translation>
    </message>
    <message>
        <source>apt-get is not installed; left in place</source>
        <translation>apt-get no está instalado; se deja en su lugar</translation>
    </message>
</context>
<context>
    <name>PackageKitRemoval</name>
    <message>
        <source>cancelled; left in place</source>
        <translation>cancelado; se deja en su lugar</translation>
    </message>
    <message>
        <source>PackageKit is not running; left in place</source>
        <translation>PackageKit no se está ejecutando; se deja en su lugar</translation>
    </message>
    <message>
        <source>PackageKit could not plan the removal: %1; left in place</source>
        <translation>PackageKit no pudo planificar la eliminación: %1; se deja en su lugar</translation>
    </message>
    <message>
        <source>%1; left in place</source>
        <translation>%1; se deja en su lugar</translation>
    </message>
    <message>
        <source>PackageKit could not remove it: %1; left in place</source>
        <translation>PackageKit no pudo eliminarlo: %1; se deja en su lugar</translation>
    </message>
</context>
<context>
    <name>PageStyle</name>
    <message>
        <source>or</source>
        <translation>o</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Iniciar</translation>
    </message>
</context>
<context>
    <name>PasswordPanel</name>
    <message>
        <source>Password</source>
        <translation>Contraseña</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is protected by a password</source>
        <translation>“%1” está protegido con contraseña</translation>
    </message>
    <message>
        <source>Enter the password to extract its files.</source>
        <translation>Escriba la contraseña para extraer sus archivos.</translation>
    </message>
    <message>
        <source>Trying the password…</source>
        <translation>Probando la contraseña…</translation>
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
        <translation>Uso: sweepwright-cli pdf FILE [--quality 0|1|2] [-o OUT] [--password-stdin] [--json]
Crea una copia más pequeña de un documento PDF: sus imágenes se reducen a 50 ppp
(calidad 0, la predeterminada), 150 ppp (1) o 300 ppp (2). Si no se puede crear una copia
más pequeña, la copia es el propio documento. Un documento protegido con contraseña da
una copia sin protección.

  --quality N        0, 1 o 2
  -o OUT             pone la copia en OUT (un nombre de archivo, o una carpeta donde ponerla)
                     en lugar de dejarla en la carpeta temporal del compresor
  --yes              reemplaza OUT si existe, sin preguntar
  --dry-run          muestra lo que se haría, y no crea nada
  --password-stdin   lee la contraseña de la primera línea de la entrada estándar
                     (si no, se pide en el terminal cuando hace falta)
  --json             muestra el resultado como JSON
  --help             muestra este texto
  -V, --version      muestra la versión
</translation>
    </message>
    <message>
        <source>%1 needs 0, 1 or 2</source>
        <translation>%1 necesita 0, 1 o 2</translation>
    </message>
    <message>
        <source>%1 needs a file or a folder</source>
        <translation>%1 necesita un archivo o una carpeta</translation>
    </message>
    <message>
        <source>--quality takes 0, 1 or 2</source>
        <translation>--quality admite 0, 1 o 2</translation>
    </message>
    <message>
        <source>%1: not a PDF document that can be read</source>
        <translation>%1: no es un documento PDF legible</translation>
    </message>
    <message>
        <source>Password for %1: </source>
        <translation>Contraseña de %1: </translation>
    </message>
    <message>
        <source>%1 needs a password: give it with --password-stdin</source>
        <translation>%1 necesita una contraseña: indíquela con --password-stdin</translation>
    </message>
    <message>
        <source>%1: wrong password</source>
        <translation>%1: contraseña incorrecta</translation>
    </message>
    <message>
        <source>Replace %1?</source>
        <translation>¿Reemplazar %1?</translation>
    </message>
    <message>
        <source>Compressing</source>
        <translation>Comprimiendo</translation>
    </message>
    <message>
        <source>the copy stays at %1: %2</source>
        <translation>la copia se queda en %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>Would compress %1 (%n page(s), %2) at quality %3 into %4 (replacing it)</source>
        <translation>
            <numerusform>Se comprimiría %1 (%n página, %2) con calidad %3 en %4 (reemplazándolo)</numerusform>
            <numerusform>Se comprimiría %1 (%n páginas, %2) con calidad %3 en %4 (reemplazándolo)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Would compress %1 (%n page(s), %2) at quality %3 into %4</source>
        <translation>
            <numerusform>Se comprimiría %1 (%n página, %2) con calidad %3 en %4</numerusform>
            <numerusform>Se comprimiría %1 (%n páginas, %2) con calidad %3 en %4</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %n page(s), %2 -&gt; %3</source>
        <translation>
            <numerusform>%1: %n página, %2 -&gt; %3</numerusform>
            <numerusform>%1: %n páginas, %2 -&gt; %3</numerusform>
        </translation>
    </message>
    <message>
        <source>Already compact: no smaller copy could be made</source>
        <translation>Ya es compacto: no se pudo crear una copia más pequeña</translation>
    </message>
    <message>
        <source>This copy is not password protected</source>
        <translation>Esta copia no está protegida con contraseña</translation>
    </message>
    <message>
        <source>Written to %1</source>
        <translation>Escrito en %1</translation>
    </message>
</context>
<context>
    <name>PdfCompressor</name>
    <message>
        <source>Compression failed: %1</source>
        <translation>Error al comprimir: %1</translation>
    </message>
    <message>
        <source>Ghostscript left no readable PDF</source>
        <translation>Ghostscript no generó un PDF legible</translation>
    </message>
    <message>
        <source>the copy has %1 of the %2 pages</source>
        <translation>la copia tiene %1 de las %2 páginas</translation>
    </message>
    <message>
        <source>%1 is not a PDF document that can be read</source>
        <translation>%1 no es un documento PDF legible</translation>
    </message>
    <message>
        <source>the copy could not be written in %1</source>
        <translation>no se pudo escribir la copia en %1</translation>
    </message>
</context>
<context>
    <name>PdfPasswordPanel</name>
    <message>
        <source>Password</source>
        <translation>Contraseña</translation>
    </message>
    <message>
        <source>Enter the document&apos;s password:</source>
        <translation>Escriba la contraseña del documento:</translation>
    </message>
    <message>
        <source>Wrong password</source>
        <translation>Contraseña incorrecta</translation>
    </message>
</context>
<context>
    <name>PdfWorkFolder</name>
    <message>
        <source>%1 is not a private folder of yours</source>
        <translation>%1 no es una carpeta privada suya</translation>
    </message>
    <message>
        <source>%1 cannot be locked</source>
        <translation>%1 no se puede bloquear</translation>
    </message>
    <message>
        <source>no folder can be made in %1</source>
        <translation>no se puede crear ninguna carpeta en %1</translation>
    </message>
</context>
<context>
    <name>ProgressLine</name>
    <message numerus="yes">
        <source>%Ln item(s)</source>
        <translation>
            <numerusform>%Ln elemento</numerusform>
            <numerusform>%Ln elementos</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RefusedPlaces</name>
    <message>
        <source>where it lies could not be checked</source>
        <translation>no se pudo comprobar dónde se encuentra</translation>
    </message>
    <message>
        <source>it is the home folder or holds it (%1)</source>
        <translation>es la carpeta personal o la contiene (%1)</translation>
    </message>
    <message>
        <source>it holds the root folder %1</source>
        <translation>contiene la carpeta raíz %1</translation>
    </message>
    <message>
        <source>it is the root folder</source>
        <translation>es la carpeta raíz</translation>
    </message>
    <message>
        <source>it is a protected system folder</source>
        <translation>es una carpeta protegida del sistema</translation>
    </message>
    <message>
        <source>it lies in the protected system folder %1</source>
        <translation>está en la carpeta protegida del sistema %1</translation>
    </message>
    <message>
        <source>it is or lies in your folder %1</source>
        <translation>es su carpeta %1 o está dentro de ella</translation>
    </message>
    <message>
        <source>it holds %1, which is on your Never touch list</source>
        <translation>contiene %1, que está en su lista «No tocar nunca»</translation>
    </message>
    <message>
        <source>it is on your Never touch list</source>
        <translation>está en su lista «No tocar nunca»</translation>
    </message>
    <message>
        <source>it lies in %1, which is on your Never touch list</source>
        <translation>está en %1, que está en su lista «No tocar nunca»</translation>
    </message>
</context>
<context>
    <name>RemovalRun</name>
    <message>
        <source>a link lies on its way: it changed since the scan</source>
        <translation>hay un enlace en su ruta: cambió desde el análisis</translation>
    </message>
    <message>
        <source>it lies on another file system mounted below its folder</source>
        <translation>está en otro sistema de archivos montado dentro de su carpeta</translation>
    </message>
    <message>
        <source>more entries could not be removed</source>
        <translation>no se pudieron eliminar más entradas</translation>
    </message>
    <message>
        <source>not inside %1</source>
        <translation>no está dentro de %1</translation>
    </message>
    <message>
        <source>another file system is mounted here; left alone</source>
        <translation>hay otro sistema de archivos montado aquí; se deja sin tocar</translation>
    </message>
    <message>
        <source>it changed since the scan</source>
        <translation>cambió desde el análisis</translation>
    </message>
    <message>
        <source>its folder %1 is missing or was left alone</source>
        <translation>su carpeta %1 no existe o se dejó sin tocar</translation>
    </message>
    <message>
        <source>a top folder is never removed whole</source>
        <translation>una carpeta de nivel superior nunca se elimina entera</translation>
    </message>
    <message>
        <source>its folder %1 is missing or cannot be opened</source>
        <translation>su carpeta %1 no existe o no se puede abrir</translation>
    </message>
    <message>
        <source>its folder now leads to %1: a link on its way changed since it was chosen</source>
        <translation>su carpeta lleva ahora a %1: un enlace de su ruta cambió desde que se eligió</translation>
    </message>
    <message>
        <source>not a plain path below %1</source>
        <translation>no es una ruta simple dentro de %1</translation>
    </message>
    <message>
        <source>it is no longer the item that was listed</source>
        <translation>ya no es el elemento que se mostró en la lista</translation>
    </message>
    <message>
        <source>a top folder is never moved whole</source>
        <translation>una carpeta de nivel superior nunca se mueve entera</translation>
    </message>
</context>
<context>
    <name>STPrivilegedTask</name>
    <message>
        <source>administrator authorisation was cancelled</source>
        <translation>se canceló la autorización de administrador</translation>
    </message>
    <message>
        <source>No password prompt could be shown: no authentication agent is running</source>
        <translation>No se pudo mostrar la solicitud de contraseña: no hay ningún agente de autenticación en ejecución</translation>
    </message>
    <message>
        <source>No password prompt could be shown: pkexec is not installed</source>
        <translation>No se pudo mostrar la solicitud de contraseña: pkexec no está instalado</translation>
    </message>
    <message>
        <source>the password prompt could not be started</source>
        <translation>no se pudo abrir la solicitud de contraseña</translation>
    </message>
    <message>
        <source>administrator rights were not granted</source>
        <translation>no se concedieron los permisos de administrador</translation>
    </message>
</context>
<context>
    <name>ScheduleCommand</name>
    <message>
        <source>every day</source>
        <translation>cada día</translation>
    </message>
    <message>
        <source>every week</source>
        <translation>cada semana</translation>
    </message>
    <message>
        <source>every month</source>
        <translation>cada mes</translation>
    </message>
    <message>
        <source>never</source>
        <translation>nunca</translation>
    </message>
    <message>
        <source>Junk is cleaned automatically: %1</source>
        <translation>Los archivos basura se limpian automáticamente: %1</translation>
    </message>
    <message>
        <source>(but the timer is not enabled)</source>
        <translation>(pero el temporizador no está activado)</translation>
    </message>
    <message>
        <source>Categories:</source>
        <translation>Categorías:</translation>
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
        <translation>Uso: sweepwright-cli schedule [--daily | --weekly | --monthly | --off] [--json]
Indica si los archivos basura se limpian automáticamente, cada cuánto y qué categorías,
o lo cambia. Una programación es un temporizador y un servicio de usuario de systemd en
$XDG_CONFIG_HOME/systemd/user (sweepwright-clean.timer y .service), activados con
systemctl --user; el servicio ejecuta &quot;sweepwright-cli junk --clean --yes --profile
scheduled&quot; con prioridad baja, nunca pide una contraseña y termina con una notificación.
Las categorías se eligen en las preferencias del programa de ventana.
--off desactiva el temporizador y elimina ambos archivos. Sale con 1 si el cambio falló
(por ejemplo, sin sesión de usuario de systemd).

  --daily        limpiar cada día
  --weekly       limpiar cada semana
  --monthly      limpiar cada mes
  --off          dejar de limpiar
  --json         mostrar un objeto JSON en vez de texto
  --help         mostrar este texto
  -V, --version  mostrar la versión
</translation>
    </message>
    <message>
        <source>choose one of %1</source>
        <translation>elija uno de %1</translation>
    </message>
</context>
<context>
    <name>SchedulePrefViewController</name>
    <message>
        <source>Never</source>
        <translation>Nunca</translation>
    </message>
    <message>
        <source>Every day</source>
        <translation>Cada día</translation>
    </message>
    <message>
        <source>Every week</source>
        <translation>Cada semana</translation>
    </message>
    <message>
        <source>Every month</source>
        <translation>Cada mes</translation>
    </message>
    <message>
        <source>Clean &amp;automatically:</source>
        <translation>Limpiar &amp;automáticamente:</translation>
    </message>
    <message>
        <source>Clean automatically</source>
        <translation>Limpiar automáticamente</translation>
    </message>
    <message>
        <source>The cleaning runs in the background at low priority, even when Sweepwright is not open. It never asks for a password: what needs one is left. A notification tells what was removed.</source>
        <translation>La limpieza se ejecuta en segundo plano con prioridad baja, aunque Sweepwright no esté abierto. Nunca pide una contraseña: lo que la necesita se deja. Una notificación indica lo que se eliminó.</translation>
    </message>
    <message>
        <source>Clean these kinds of junk:</source>
        <translation>Limpiar estos tipos de archivos basura:</translation>
    </message>
    <message>
        <source>Not available here: %1</source>
        <translation>No disponible aquí: %1</translation>
    </message>
    <message>
        <source>The schedule could not be changed: %1</source>
        <translation>No se pudo cambiar la programación: %1</translation>
    </message>
    <message>
        <source>Schedule</source>
        <translation>Programación</translation>
    </message>
</context>
<context>
    <name>ScheduledRunNotice</name>
    <message numerus="yes">
        <source>Removed %n item(s), %1.</source>
        <translation>
            <numerusform>Se eliminó %n elemento, %1.</numerusform>
            <numerusform>Se eliminaron %n elementos, %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing needed removing.</source>
        <translation>No había nada que eliminar.</translation>
    </message>
    <message numerus="yes">
        <source>%n item(s) could not be removed.</source>
        <translation>
            <numerusform>No se pudo eliminar %n elemento.</numerusform>
            <numerusform>No se pudieron eliminar %n elementos.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n item(s) left: they need administrator rights.</source>
        <translation>
            <numerusform>Se dejó %n elemento: necesita derechos de administrador.</numerusform>
            <numerusform>Se dejaron %n elementos: necesitan derechos de administrador.</numerusform>
        </translation>
    </message>
    <message>
        <source>Junk files cleaned</source>
        <translation>Archivos basura limpiados</translation>
    </message>
</context>
<context>
    <name>SevenZip</name>
    <message>
        <source>link leads outside the destination</source>
        <translation>el enlace lleva fuera del destino</translation>
    </message>
</context>
<context>
    <name>SevenZipProcess</name>
    <message>
        <source>7zz is not installed</source>
        <translation>7zz no está instalado</translation>
    </message>
    <message>
        <source>7zz made no progress for %1 ms</source>
        <translation>7zz no avanzó durante %1 ms</translation>
    </message>
</context>
<context>
    <name>ShredCommand</name>
    <message>
        <source>refused %1: %2</source>
        <translation>se rechaza %1: %2</translation>
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
        <translation>Uso: sweepwright-cli shred PATH... [--overwrite] [--yes | --dry-run] [--json]
                           [--layout L] [--root R] [--home H]
Elimina los archivos y carpetas indicados, cada uno entero, con los permisos de su usuario. Si
PATH es &quot;-&quot;, las rutas se leen de la entrada estándar, una por línea o separadas por bytes NUL
(find -print0); entonces no se puede preguntar nada, así que solo se eliminan con --yes. Un
enlace se elimina como enlace; no se elimina nada de otro sistema de archivos montado dentro de
una carpeta. La carpeta raíz, la carpeta personal, una carpeta que la contenga y las carpetas del
propio sistema (y lo que hay en ellas) nunca se eliminan, sea cual sea el nombre con que se
indiquen: se indican en stderr como rechazadas, con el motivo. Antes pregunta en un
terminal; sin --yes y sin terminal no se elimina nada (estado de salida 2).
Ctrl-C detiene tras la entrada en curso (estado de salida 130); estado de salida 1 si queda
alguna ruta.

  --overwrite    sobrescribe cada archivo una vez con bytes aleatorios antes de eliminarlo
                 (archivos con un solo nombre en los que usted puede escribir, y solo cuando
                 es seguro que se eliminan; en SSD y sistemas de archivos de copia en escritura
                 los datos anteriores pueden sobrevivir de todos modos)
  --yes          elimina sin preguntar
  --dry-run      muestra lo que se eliminaría, y no elimina nada
  --json         muestra {&quot;shredSize&quot;, &quot;removed&quot;, &quot;failed&quot;} como un único objeto JSON
  --help         muestra este texto
  -V, --version  muestra la versión
</translation>
    </message>
    <message>
        <source>no path given</source>
        <translation>no se indicó ninguna ruta</translation>
    </message>
    <message>
        <source>Measuring</source>
        <translation>Midiendo</translation>
    </message>
    <message>
        <source>Shredding</source>
        <translation>Destruyendo</translation>
    </message>
    <message numerus="yes">
        <source>Refused %n path(s) (named on stderr).</source>
        <translation>
            <numerusform>Se rechazó %n ruta (indicada en stderr).</numerusform>
            <numerusform>Se rechazaron %n rutas (indicadas en stderr).</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ShredOverwrite</name>
    <message>
        <source>%1; it was kept</source>
        <translation>%1; se conservó</translation>
    </message>
    <message>
        <source>%1; it was kept as %2</source>
        <translation>%1; se conservó como %2</translation>
    </message>
    <message>
        <source>it cannot be removed from its folder (%1); nothing was overwritten</source>
        <translation>no se puede quitar de su carpeta (%1); no se sobrescribió nada</translation>
    </message>
    <message>
        <source>it changed since it was examined</source>
        <translation>cambió desde que se examinó</translation>
    </message>
    <message>
        <source>its contents could not be overwritten (%1)</source>
        <translation>no se pudo sobrescribir su contenido (%1)</translation>
    </message>
</context>
<context>
    <name>SmartCleanPrefViewController</name>
    <message>
        <source>Look for these kinds of junk:</source>
        <translation>Buscar estos tipos de archivos basura:</translation>
    </message>
    <message>
        <source>Junk Clean</source>
        <translation>Limpieza</translation>
    </message>
    <message>
        <source>Only items older than</source>
        <translation>Solo de más de</translation>
    </message>
    <message>
        <source>%1: only items older than a number of days</source>
        <translation>%1: solo elementos de más de un número de días</translation>
    </message>
</context>
<context>
    <name>StagingFolder</name>
    <message>
        <source>device node, FIFO or socket</source>
        <translation>nodo de dispositivo, FIFO o socket</translation>
    </message>
    <message>
        <source>folder too deep</source>
        <translation>carpeta demasiado profunda</translation>
    </message>
    <message>
        <source>link leads outside the destination</source>
        <translation>el enlace lleva fuera del destino</translation>
    </message>
    <message>
        <source>file linked from outside</source>
        <translation>archivo enlazado desde fuera</translation>
    </message>
</context>
<context>
    <name>SystemTools</name>
    <message>
        <source>%1 has no program to start.</source>
        <translation>%1 no tiene ningún programa que iniciar.</translation>
    </message>
    <message>
        <source>%1 could not be started: its program %2 was not found.</source>
        <translation>No se pudo iniciar %1: no se encontró su programa %2.</translation>
    </message>
    <message>
        <source>%1 could not be started: %2</source>
        <translation>No se pudo iniciar %1: %2</translation>
    </message>
</context>
<context>
    <name>TUEncodingPopUp</name>
    <message>
        <source>Western (ASCII)</source>
        <translation>Occidental (ASCII)</translation>
    </message>
    <message>
        <source>Japanese (EUC)</source>
        <translation>Japonés (EUC)</translation>
    </message>
    <message>
        <source>Unicode (UTF-8)</source>
        <translation>Unicode (UTF-8)</translation>
    </message>
    <message>
        <source>Western (ISO Latin 1)</source>
        <translation>Occidental (ISO Latin 1)</translation>
    </message>
    <message>
        <source>Japanese (Shift JIS)</source>
        <translation>Japonés (Shift JIS)</translation>
    </message>
    <message>
        <source>Central European (ISO Latin 2)</source>
        <translation>Centroeuropeo (ISO Latin 2)</translation>
    </message>
    <message>
        <source>Cyrillic (Windows)</source>
        <translation>Cirílico (Windows)</translation>
    </message>
    <message>
        <source>Western (Windows Latin 1)</source>
        <translation>Occidental (Windows Latin 1)</translation>
    </message>
    <message>
        <source>Greek (Windows)</source>
        <translation>Griego (Windows)</translation>
    </message>
    <message>
        <source>Turkish (Windows Latin 5)</source>
        <translation>Turco (Windows Latin 5)</translation>
    </message>
    <message>
        <source>Central European (Windows Latin 2)</source>
        <translation>Centroeuropeo (Windows Latin 2)</translation>
    </message>
    <message>
        <source>Japanese (ISO 2022-JP)</source>
        <translation>Japonés (ISO 2022-JP)</translation>
    </message>
    <message>
        <source>Western (Mac OS Roman)</source>
        <translation>Occidental (Mac OS Roman)</translation>
    </message>
    <message>
        <source>Greek (Mac OS)</source>
        <translation>Griego (Mac OS)</translation>
    </message>
    <message>
        <source>Cyrillic (Mac OS)</source>
        <translation>Cirílico (Mac OS)</translation>
    </message>
    <message>
        <source>Central European (Mac OS)</source>
        <translation>Centroeuropeo (Mac OS)</translation>
    </message>
    <message>
        <source>Turkish (Mac OS)</source>
        <translation>Turco (Mac OS)</translation>
    </message>
    <message>
        <source>Cyrillic (ISO 8859-5)</source>
        <translation>Cirílico (ISO 8859-5)</translation>
    </message>
    <message>
        <source>Arabic (ISO 8859-6)</source>
        <translation>Árabe (ISO 8859-6)</translation>
    </message>
    <message>
        <source>Greek (ISO 8859-7)</source>
        <translation>Griego (ISO 8859-7)</translation>
    </message>
    <message>
        <source>Hebrew (ISO 8859-8)</source>
        <translation>Hebreo (ISO 8859-8)</translation>
    </message>
    <message>
        <source>Turkish (ISO Latin 5)</source>
        <translation>Turco (ISO Latin 5)</translation>
    </message>
    <message>
        <source>Nordic (ISO Latin 6)</source>
        <translation>Nórdico (ISO Latin 6)</translation>
    </message>
    <message>
        <source>Thai (ISO 8859-11)</source>
        <translation>Tailandés (ISO 8859-11)</translation>
    </message>
    <message>
        <source>Baltic (ISO Latin 7)</source>
        <translation>Báltico (ISO Latin 7)</translation>
    </message>
    <message>
        <source>Celtic (ISO Latin 8)</source>
        <translation>Celta (ISO Latin 8)</translation>
    </message>
    <message>
        <source>Western (ISO Latin 9)</source>
        <translation>Occidental (ISO Latin 9)</translation>
    </message>
    <message>
        <source>Romanian (ISO Latin 10)</source>
        <translation>Rumano (ISO Latin 10)</translation>
    </message>
    <message>
        <source>Latin-US (DOS)</source>
        <translation>Latín EE. UU. (DOS)</translation>
    </message>
    <message>
        <source>Greek (DOS)</source>
        <translation>Griego (DOS)</translation>
    </message>
    <message>
        <source>Baltic (DOS)</source>
        <translation>Báltico (DOS)</translation>
    </message>
    <message>
        <source>Western (DOS Latin 1)</source>
        <translation>Occidental (DOS Latin 1)</translation>
    </message>
    <message>
        <source>Central European (DOS Latin 2)</source>
        <translation>Centroeuropeo (DOS Latin 2)</translation>
    </message>
    <message>
        <source>Cyrillic (DOS)</source>
        <translation>Cirílico (DOS)</translation>
    </message>
    <message>
        <source>Turkish (DOS)</source>
        <translation>Turco (DOS)</translation>
    </message>
    <message>
        <source>Portuguese (DOS)</source>
        <translation>Portugués (DOS)</translation>
    </message>
    <message>
        <source>Icelandic (DOS)</source>
        <translation>Islandés (DOS)</translation>
    </message>
    <message>
        <source>Hebrew (DOS)</source>
        <translation>Hebreo (DOS)</translation>
    </message>
    <message>
        <source>Canadian French (DOS)</source>
        <translation>Francés canadiense (DOS)</translation>
    </message>
    <message>
        <source>Arabic (DOS)</source>
        <translation>Árabe (DOS)</translation>
    </message>
    <message>
        <source>Nordic (DOS)</source>
        <translation>Nórdico (DOS)</translation>
    </message>
    <message>
        <source>Russian (DOS)</source>
        <translation>Ruso (DOS)</translation>
    </message>
    <message>
        <source>Greek (DOS Greek 2)</source>
        <translation>Griego (DOS Greek 2)</translation>
    </message>
    <message>
        <source>Thai (Windows, DOS)</source>
        <translation>Tailandés (Windows, DOS)</translation>
    </message>
    <message>
        <source>Korean (Windows, DOS)</source>
        <translation>Coreano (Windows, DOS)</translation>
    </message>
    <message>
        <source>Hebrew (Windows)</source>
        <translation>Hebreo (Windows)</translation>
    </message>
    <message>
        <source>Arabic (Windows)</source>
        <translation>Árabe (Windows)</translation>
    </message>
    <message>
        <source>Baltic (Windows)</source>
        <translation>Báltico (Windows)</translation>
    </message>
    <message>
        <source>Vietnamese (Windows)</source>
        <translation>Vietnamita (Windows)</translation>
    </message>
    <message>
        <source>Simplified Chinese (GBK)</source>
        <translation>Chino simplificado (GBK)</translation>
    </message>
    <message>
        <source>Simplified Chinese (GB 18030)</source>
        <translation>Chino simplificado (GB 18030)</translation>
    </message>
    <message>
        <source>Japanese (ISO 2022-JP-2)</source>
        <translation>Japonés (ISO 2022-JP-2)</translation>
    </message>
    <message>
        <source>Japanese (ISO 2022-JP-1)</source>
        <translation>Japonés (ISO 2022-JP-1)</translation>
    </message>
    <message>
        <source>Chinese (ISO 2022-CN)</source>
        <translation>Chino (ISO 2022-CN)</translation>
    </message>
    <message>
        <source>Chinese (ISO 2022-CN-EXT)</source>
        <translation>Chino (ISO 2022-CN-EXT)</translation>
    </message>
    <message>
        <source>Korean (ISO 2022-KR)</source>
        <translation>Coreano (ISO 2022-KR)</translation>
    </message>
    <message>
        <source>Simplified Chinese (GB 2312)</source>
        <translation>Chino simplificado (GB 2312)</translation>
    </message>
    <message>
        <source>Traditional Chinese (EUC)</source>
        <translation>Chino tradicional (EUC)</translation>
    </message>
    <message>
        <source>Korean (EUC)</source>
        <translation>Coreano (EUC)</translation>
    </message>
    <message>
        <source>Cyrillic (KOI8-R)</source>
        <translation>Cirílico (KOI8-R)</translation>
    </message>
    <message>
        <source>Traditional Chinese (Big 5)</source>
        <translation>Chino tradicional (Big 5)</translation>
    </message>
    <message>
        <source>Simplified Chinese (HZ GB 2312)</source>
        <translation>Chino simplificado (HZ GB 2312)</translation>
    </message>
    <message>
        <source>Traditional Chinese (Big 5 HKSCS)</source>
        <translation>Chino tradicional (Big 5 HKSCS)</translation>
    </message>
    <message>
        <source>Vietnamese (VISCII)</source>
        <translation>Vietnamita (VISCII)</translation>
    </message>
    <message>
        <source>Ukrainian (KOI8-U)</source>
        <translation>Ucraniano (KOI8-U)</translation>
    </message>
    <message>
        <source>Western (EBCDIC Latin 1)</source>
        <translation>Occidental (EBCDIC Latin 1)</translation>
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
        <translation>Detectar automáticamente</translation>
    </message>
    <message>
        <source>South European (ISO Latin 3)</source>
        <translation>Europeo del sur (ISO Latin 3)</translation>
    </message>
    <message>
        <source>North European (ISO Latin 4)</source>
        <translation>Europeo del norte (ISO Latin 4)</translation>
    </message>
</context>
<context>
    <name>TemporaryBase</name>
    <message>
        <source>TMPDIR (%1) is not an absolute path</source>
        <translation>TMPDIR (%1) no es una ruta absoluta</translation>
    </message>
    <message>
        <source>TMPDIR (%1) is not an existing folder</source>
        <translation>TMPDIR (%1) no es una carpeta existente</translation>
    </message>
    <message>
        <source>TMPDIR (%1) belongs to another user and is not a shared temporary folder</source>
        <translation>TMPDIR (%1) pertenece a otro usuario y no es una carpeta temporal compartida</translation>
    </message>
</context>
<context>
    <name>TemporaryFolder</name>
    <message>
        <source>no free name</source>
        <translation>no hay ningún nombre libre</translation>
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
        <translation>Uso: sweepwright-cli tnef FILE [-C DIR] [opciones]
Escribe los adjuntos y los cuerpos de mensaje de un archivo winmail.dat (TNEF) en DIR
(por omisión: la carpeta actual). Si FILE es &quot;-&quot;, se lee la entrada estándar.
Sin ninguna de las opciones de abajo, guarda cada cuerpo como MailBody.rtf, .html y .txt.

  -C DIR               escribe en DIR (se crea si no existe)
  --verbose            muestra una línea por archivo y las advertencias
  --debug              vuelca todos los atributos y propiedades
  --list               no escribe nada; muestra lo que se escribiría
  --use-paths          conserva las carpetas de las rutas de Windows (nunca por encima de DIR)
  --absolute-paths     con --use-paths, conserva una barra inicial (aun así, dentro de DIR)
  --overwrite          sobrescribe los archivos existentes
  --interactive        pregunta antes de escribir cada archivo
  --number-backups     escribe NAME.1, NAME.2 ... en lugar de omitir un NAME existente
  --save-body[=PREF]   guarda los cuerpos; PREF es &quot;all&quot; (por omisión) o hasta tres de r, h, t
                       (RTF, HTML, texto): se guarda el primer tipo presente
  --body-name NAME     nombre base de los archivos de cuerpo (por omisión MailBody)
  --mime               muestra también el tipo MIME y el ID de contenido
  --ignore-checksum    avisa de una suma de comprobación incorrecta en lugar de detenerse
  --tolerate-props     descarta un bloque de propiedades dañado en lugar de detenerse
  --tolerate-trailer   acepta sin avisar un retorno de carro y un salto de línea finales
  --unix-safe          escapa también en los nombres los bytes no ASCII y los caracteres del shell
  --maxsize N          rechaza cualquier asignación de memoria de más de N bytes
  --dry-run            lo mismo que --list
  --help               muestra este texto
  -V, --version        muestra la versión
</translation>
    </message>
    <message>
        <source>%1 needs a folder</source>
        <translation>%1 necesita una carpeta</translation>
    </message>
    <message>
        <source>%1 needs a name</source>
        <translation>%1 necesita un nombre</translation>
    </message>
    <message>
        <source>%1 needs a number of bytes</source>
        <translation>%1 necesita un número de bytes</translation>
    </message>
    <message>
        <source>--save-body takes &quot;all&quot; or up to three of r, h, t</source>
        <translation>--save-body admite &quot;all&quot; o hasta tres de r, h, t</translation>
    </message>
</context>
<context>
    <name>ToolCommand</name>
    <message>
        <source>Scanning</source>
        <translation>Analizando</translation>
    </message>
    <message>
        <source>Removing</source>
        <translation>Eliminando</translation>
    </message>
</context>
<context>
    <name>Trash</name>
    <message>
        <source>no free name in the trash</source>
        <translation>no hay ningún nombre libre en la papelera</translation>
    </message>
    <message>
        <source>no trash on its file system (%1)</source>
        <translation>no hay papelera en su sistema de archivos (%1)</translation>
    </message>
    <message>
        <source>not an absolute path of an item</source>
        <translation>no es una ruta absoluta de un elemento</translation>
    </message>
</context>
<context>
    <name>TrashRestore</name>
    <message>
        <source>its record in the Trash is missing</source>
        <translation>falta su registro en la Papelera</translation>
    </message>
    <message>
        <source>not an item of a Trash</source>
        <translation>no es un elemento de una Papelera</translation>
    </message>
    <message>
        <source>it is no longer in the Trash</source>
        <translation>ya no está en la Papelera</translation>
    </message>
    <message>
        <source>its folder %1 is no longer there</source>
        <translation>su carpeta %1 ya no existe</translation>
    </message>
    <message>
        <source>the Trash&apos;s record names another place: %1</source>
        <translation>el registro de la Papelera indica otro lugar: %1</translation>
    </message>
    <message>
        <source>something of that name is there now</source>
        <translation>ahora hay algo con ese nombre</translation>
    </message>
</context>
<context>
    <name>UserSystemctl</name>
    <message>
        <source>systemctl did not answer in time</source>
        <translation>systemctl no respondió a tiempo</translation>
    </message>
    <message>
        <source>systemd is not installed here (no systemctl).</source>
        <translation>systemd no está instalado aquí (no hay systemctl).</translation>
    </message>
    <message>
        <source>No systemd user session is running (systemctl --user says: %1).</source>
        <translation>No hay ninguna sesión de usuario de systemd en marcha (systemctl --user dice: %1).</translation>
    </message>
    <message>
        <source>nothing</source>
        <translation>nada</translation>
    </message>
    <message>
        <source>systemctl could not be started</source>
        <translation>no se pudo iniciar systemctl</translation>
    </message>
    <message>
        <source>%1 failed</source>
        <translation>%1 falló</translation>
    </message>
    <message>
        <source>%1 failed: %2</source>
        <translation>%1 falló: %2</translation>
    </message>
</context>
<context>
    <name>XADSimpleUnarchiver</name>
    <message>
        <source>Password required</source>
        <translation>Se necesita una contraseña</translation>
    </message>
    <message>
        <source>Wrong password</source>
        <translation>Contraseña incorrecta</translation>
    </message>
    <message>
        <source>Not enough free space</source>
        <translation>No hay suficiente espacio libre</translation>
    </message>
    <message>
        <source>This archive format is not supported</source>
        <translation>Este formato de archivo comprimido no es compatible</translation>
    </message>
    <message>
        <source>the entry was cut short</source>
        <translation>la entrada quedó incompleta</translation>
    </message>
    <message>
        <source>%1 came out with %2 of its %3 bytes</source>
        <translation>%1 se extrajo con %2 de sus %3 bytes</translation>
    </message>
    <message>
        <source>The extracted items could not be checked</source>
        <translation>No se pudieron comprobar los elementos extraídos</translation>
    </message>
    <message>
        <source>Cannot create the folder %1</source>
        <translation>No se puede crear la carpeta %1</translation>
    </message>
    <message>
        <source>the name leads outside the destination</source>
        <translation>el nombre lleva fuera del destino</translation>
    </message>
    <message>
        <source>the name is empty</source>
        <translation>el nombre está vacío</translation>
    </message>
    <message>
        <source>special files (devices, FIFOs, sockets) are not extracted</source>
        <translation>los archivos especiales (dispositivos, FIFO, sockets) no se extraen</translation>
    </message>
</context>
<context>
    <name>centered_textfield</name>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
</context>
<context>
    <name>clirun</name>
    <message>
        <source>Would remove: %1</source>
        <translation>Se eliminaría: %1</translation>
    </message>
    <message>
        <source>Removed: %1</source>
        <translation>Eliminado: %1</translation>
    </message>
    <message>
        <source>Removed %1 in total.</source>
        <translation>Eliminado: %1 en total.</translation>
    </message>
    <message numerus="yes">
        <source>Removed %1 in total; %n item(s) could not be removed (%2).</source>
        <translation>
            <numerusform>Eliminado: %1 en total; no se pudo eliminar %n elemento (%2).</numerusform>
            <numerusform>Eliminado: %1 en total; no se pudieron eliminar %n elementos (%2).</numerusform>
        </translation>
    </message>
    <message>
        <source>Would move to the Trash: %1</source>
        <translation>Se movería a la papelera: %1</translation>
    </message>
    <message>
        <source>Moved to the Trash: %1</source>
        <translation>Movido a la papelera: %1</translation>
    </message>
    <message>
        <source>Moved to the Trash %1 in total.</source>
        <translation>Movido a la papelera: %1 en total.</translation>
    </message>
    <message numerus="yes">
        <source>Moved to the Trash %1 in total; %n item(s) could not be removed (%2).</source>
        <translation>
            <numerusform>Movido a la papelera: %1 en total; no se pudo mover %n elemento (%2).</numerusform>
            <numerusform>Movido a la papelera: %1 en total; no se pudieron mover %n elementos (%2).</numerusform>
        </translation>
    </message>
    <message>
        <source>Would shred: %1</source>
        <translation>Se destruiría: %1</translation>
    </message>
    <message>
        <source>Shredded: %1</source>
        <translation>Destruido: %1</translation>
    </message>
    <message>
        <source>Shredded %1 in total.</source>
        <translation>Destruido: %1 en total.</translation>
    </message>
    <message numerus="yes">
        <source>Shredded %1 in total; %n item(s) could not be removed (%2).</source>
        <translation>
            <numerusform>Destruido: %1 en total; no se pudo destruir %n elemento (%2).</numerusform>
            <numerusform>Destruido: %1 en total; no se pudieron destruir %n elementos (%2).</numerusform>
        </translation>
    </message>
    <message>
        <source>y</source>
        <comment>the short answer yes to a [y/N] question</comment>
        <translation>s</translation>
    </message>
    <message>
        <source>yes</source>
        <comment>the answer to a [y/N] question</comment>
        <translation>sí</translation>
    </message>
    <message>
        <source>%1?</source>
        <comment>a removal asked for: &quot;Delete 12 items (3.40 MB)&quot;</comment>
        <translation>¿%1?</translation>
    </message>
    <message>
        <source>nothing removed: confirm with --yes (or answer on a terminal); --dry-run shows what would go</source>
        <translation>no se eliminó nada: confirme con --yes (o responda en un terminal); --dry-run muestra lo que se eliminaría</translation>
    </message>
    <message>
        <source>%1 [y/N] </source>
        <translation>%1 [y/N] </translation>
    </message>
    <message>
        <source>Could not remove %1: %2</source>
        <translation>No se pudo eliminar %1: %2</translation>
    </message>
    <message>
        <source>Nothing was removed (--dry-run).</source>
        <translation>No se eliminó nada (--dry-run).</translation>
    </message>
    <message>
        <source>Would replace with a link: %1</source>
        <translation>Se reemplazaría por un enlace: %1</translation>
    </message>
    <message>
        <source>Replaced with a link: %1</source>
        <translation>Reemplazado por un enlace: %1</translation>
    </message>
    <message>
        <source>Freed %1 in total.</source>
        <translation>%1 liberados en total.</translation>
    </message>
    <message numerus="yes">
        <source>Freed %1 in total; %n copy(s) could not be replaced (%2).</source>
        <translation>
            <numerusform>%1 liberados en total; %n copia no se pudo reemplazar (%2).</numerusform>
            <numerusform>%1 liberados en total; %n copias no se pudieron reemplazar (%2).</numerusform>
        </translation>
    </message>
    <message>
        <source>Could not replace %1: %2</source>
        <translation>No se pudo reemplazar %1: %2</translation>
    </message>
</context>
<context>
    <name>sw::AboutDialog</name>
    <message>
        <source>About Sweepwright</source>
        <translation>Acerca de Sweepwright</translation>
    </message>
    <message>
        <source>Licence: GNU General Public License, version 3 or later (GPL-3.0-or-later)</source>
        <translation>Licencia: GNU General Public License, versión 3 o posterior (GPL-3.0-or-later)</translation>
    </message>
    <message>
        <source>Libraries in use</source>
        <translation>Bibliotecas en uso</translation>
    </message>
    <message>
        <source>Read the README</source>
        <translation>Leer el README</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
    <message>
        <source>Finds what takes room on a Linux desktop and removes what you choose.</source>
        <translation>Encuentra lo que ocupa espacio en un escritorio Linux y elimina lo que usted elija.</translation>
    </message>
    <message>
        <source>asking…</source>
        <translation>consultando…</translation>
    </message>
    <message>
        <source>%1 version</source>
        <translation>Versión de %1</translation>
    </message>
</context>
<context>
    <name>sw::AccessibleControls</name>
    <message>
        <source>Clear</source>
        <translation>Limpiar</translation>
    </message>
</context>
<context>
    <name>sw::AgeLimitControl</name>
    <message>
        <source>%1: days</source>
        <translation>%1: días</translation>
    </message>
    <message numerus="yes">
        <source>day(s)</source>
        <extracomment>After the number of an age limit: &quot;Only files older than [30] days&quot;</extracomment>
        <translation>
            <numerusform>día</numerusform>
            <numerusform>días</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>sw::ArchiveReader</name>
    <message numerus="yes">
        <source>Damaged archive: no progress for %n seconds</source>
        <translation>
            <numerusform>Archivo comprimido dañado: sin avances durante %n segundo</numerusform>
            <numerusform>Archivo comprimido dañado: sin avances durante %n segundos</numerusform>
        </translation>
    </message>
    <message>
        <source>Damaged archive: the reader ended on it</source>
        <translation>Archivo comprimido dañado: el lector se detuvo en él</translation>
    </message>
    <message>
        <source>Damaged archive: the same entry header came twice</source>
        <translation>Archivo comprimido dañado: la misma cabecera de entrada apareció dos veces</translation>
    </message>
</context>
<context>
    <name>sw::DesktopNotifier</name>
    <message>
        <source>Show</source>
        <translation>Mostrar</translation>
    </message>
</context>
<context>
    <name>sw::DupItemModel</name>
    <message>
        <source>%1
One copy of every file is always kept.</source>
        <translation>%1
Siempre se conserva una copia de cada archivo.</translation>
    </message>
    <message>
        <source>%1
In a reference folder: this copy is an original and is never selected.</source>
        <translation>%1
En una carpeta de referencia: esta copia es un original y nunca se selecciona.</translation>
    </message>
    <message>
        <source>Reference</source>
        <extracomment>Beside a copy in a folder of originals; short</extracomment>
        <translation>Referencia</translation>
    </message>
    <message>
        <source>%1
Modified more recently than the scan&apos;s age limit: this copy stays and is never selected.</source>
        <translation>%1
Modificada después del límite de antigüedad del análisis: esta copia se queda y nunca se selecciona.</translation>
    </message>
</context>
<context>
    <name>sw::DupKeepRule</name>
    <message>
        <source>Best original</source>
        <translation>Mejor original</translation>
    </message>
    <message>
        <source>Oldest</source>
        <translation>Más antigua</translation>
    </message>
    <message>
        <source>Newest</source>
        <translation>Más reciente</translation>
    </message>
    <message>
        <source>Shortest path</source>
        <translation>Ruta más corta</translation>
    </message>
    <message>
        <source>First found</source>
        <translation>Primera encontrada</translation>
    </message>
</context>
<context>
    <name>sw::DupLinkButton</name>
    <message>
        <source>Replace with Links</source>
        <translation>Reemplazar por enlaces</translation>
    </message>
    <message>
        <source>Each selected copy becomes a link to the copy its group keeps</source>
        <translation>Cada copia seleccionada pasa a ser un enlace a la copia que conserva su grupo</translation>
    </message>
    <message>
        <source>Replace with Links: each selected copy becomes a link to the copy its group keeps</source>
        <translation>Reemplazar por enlaces: cada copia seleccionada pasa a ser un enlace a la copia que conserva su grupo</translation>
    </message>
    <message>
        <source>Kind of link</source>
        <translation>Tipo de enlace</translation>
    </message>
    <message>
        <source>Hard Links</source>
        <translation>Enlaces duros</translation>
    </message>
    <message>
        <source>Reflinks</source>
        <translation>Reflinks</translation>
    </message>
    <message>
        <source>Symbolic Links</source>
        <translation>Enlaces simbólicos</translation>
    </message>
    <message>
        <source>Hard links: each copy&apos;s name leads to the kept file; copies on another file system stay.</source>
        <translation>Enlaces duros: el nombre de cada copia lleva al archivo conservado; las copias en otro sistema de archivos se quedan.</translation>
    </message>
    <message>
        <source>Reflinks: each copy stays a file of its own that shares the kept file&apos;s data, where the file system can.</source>
        <translation>Reflinks: cada copia sigue siendo un archivo propio que comparte los datos del archivo conservado, donde el sistema de archivos lo permite.</translation>
    </message>
    <message>
        <source>Symbolic links: each copy becomes a link to the kept file&apos;s path.</source>
        <translation>Enlaces simbólicos: cada copia pasa a ser un enlace a la ruta del archivo conservado.</translation>
    </message>
</context>
<context>
    <name>sw::EntryWriter</name>
    <message>
        <source>a folder of its path is a link or a file</source>
        <translation>una carpeta de su ruta es un enlace o un archivo</translation>
    </message>
    <message>
        <source>an item of that name exists</source>
        <translation>ya existe un elemento con ese nombre</translation>
    </message>
    <message>
        <source>the name is too long</source>
        <translation>el nombre es demasiado largo</translation>
    </message>
    <message>
        <source>Not enough free space</source>
        <translation>No hay suficiente espacio libre</translation>
    </message>
    <message>
        <source>hard link to an item that was not extracted</source>
        <translation>enlace duro a un elemento que no se extrajo</translation>
    </message>
    <message>
        <source>link leads outside the destination</source>
        <translation>el enlace lleva fuera del destino</translation>
    </message>
</context>
<context>
    <name>sw::FileLink</name>
    <message>
        <source>it changed since the scan</source>
        <translation>ha cambiado desde el análisis</translation>
    </message>
    <message>
        <source>it is not below the folder it was found in</source>
        <translation>no está bajo la carpeta en la que se encontró</translation>
    </message>
    <message>
        <source>it belongs to another user</source>
        <translation>pertenece a otro usuario</translation>
    </message>
    <message>
        <source>the kept copy is on another file system: a hard link cannot reach it</source>
        <translation>la copia conservada está en otro sistema de archivos: un enlace duro no puede alcanzarla</translation>
    </message>
    <message>
        <source>the file system cannot share data between files (reflink)</source>
        <translation>el sistema de archivos no puede compartir datos entre archivos (reflink)</translation>
    </message>
    <message>
        <source>the link is in place, but the old copy stays as %1: %2</source>
        <translation>el enlace está en su sitio, pero la copia antigua queda como %1: %2</translation>
    </message>
    <message>
        <source>it is the kept copy itself</source>
        <translation>es la propia copia conservada</translation>
    </message>
    <message>
        <source>the kept copy is on another file system: a reflink cannot reach it</source>
        <translation>la copia conservada está en otro sistema de archivos: un reflink no puede alcanzarla</translation>
    </message>
</context>
<context>
    <name>sw::FolderListModel</name>
    <message>
        <source>%1
Reference folder: its copies are the originals and are never selected.</source>
        <translation>%1
Carpeta de referencia: sus copias son los originales y nunca se seleccionan.</translation>
    </message>
    <message>
        <source>Reference folder</source>
        <translation>Carpeta de referencia</translation>
    </message>
</context>
<context>
    <name>sw::FolderListPanel</name>
    <message>
        <source>Folders to scan</source>
        <translation>Carpetas que analizar</translation>
    </message>
    <message>
        <source>Drop folders here</source>
        <translation>Suelte aquí las carpetas</translation>
    </message>
    <message>
        <source>Add Files…</source>
        <translation>Añadir archivos…</translation>
    </message>
    <message>
        <source>Add Folders…</source>
        <translation>Añadir carpetas…</translation>
    </message>
    <message>
        <source>Add Folder…</source>
        <translation>Añadir carpeta…</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Choose Folders</source>
        <translation>Elegir carpetas</translation>
    </message>
    <message>
        <source>Choose Files</source>
        <translation>Elegir archivos</translation>
    </message>
</context>
<context>
    <name>sw::FolderScanPage</name>
    <message>
        <source>&amp;Scan</source>
        <translation>&amp;Analizar</translation>
    </message>
    <message>
        <source>Only files older than</source>
        <translation>Solo archivos de más de</translation>
    </message>
    <message>
        <source>Only files older than a number of days</source>
        <translation>Solo archivos de más de un número de días</translation>
    </message>
    <message>
        <source>Leave out files modified more recently; among duplicates, newer copies stay.</source>
        <translation>Dejar fuera los archivos modificados más recientemente; entre duplicados, las copias más recientes se quedan.</translation>
    </message>
</context>
<context>
    <name>sw::GhostscriptVersion</name>
    <message>
        <source>did not answer</source>
        <translation>no respondió</translation>
    </message>
    <message>
        <source>could not be run</source>
        <translation>no se pudo ejecutar</translation>
    </message>
    <message>
        <source>could not tell its version</source>
        <translation>no indicó su versión</translation>
    </message>
    <message>
        <source>not found</source>
        <translation>no encontrado</translation>
    </message>
</context>
<context>
    <name>sw::GroupItemModel</name>
    <message>
        <source>Needs administrator rights</source>
        <translation>Necesita permisos de administrador</translation>
    </message>
</context>
<context>
    <name>sw::HistoryPage</name>
    <message>
        <source>History</source>
        <translation>Historial</translation>
    </message>
    <message>
        <source>What each tool removed, newest first. What went to the Trash can be put back where it was.</source>
        <translation>Lo que eliminó cada herramienta, de lo más reciente a lo más antiguo. Lo que fue a la Papelera se puede devolver a su sitio.</translation>
    </message>
    <message>
        <source>When</source>
        <translation>Cuándo</translation>
    </message>
    <message>
        <source>Tool</source>
        <translation>Herramienta</translation>
    </message>
    <message>
        <source>What became of it</source>
        <translation>Qué pasó</translation>
    </message>
    <message>
        <source>Removals</source>
        <translation>Eliminaciones</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Elemento</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>Items of the chosen removal</source>
        <translation>Elementos de la eliminación elegida</translation>
    </message>
    <message>
        <source>Nothing has been removed yet.</source>
        <translation>Todavía no se ha eliminado nada.</translation>
    </message>
    <message>
        <source>&amp;Put Back</source>
        <translation>&amp;Devolver</translation>
    </message>
    <message>
        <source>Returns what this removal moved to the Trash to where it was</source>
        <translation>Devuelve a su sitio lo que esta eliminación movió a la Papelera</translation>
    </message>
    <message>
        <source>Nothing of this removal is in the Trash: it cannot be put back.</source>
        <translation>Nada de esta eliminación está en la Papelera: no se puede devolver.</translation>
    </message>
    <message numerus="yes">
        <source>%n item(s) put back.</source>
        <translation>
            <numerusform>%n elemento devuelto.</numerusform>
            <numerusform>%n elementos devueltos.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n item(s) could not be put back; the list says why.</source>
        <translation>
            <numerusform>%n elemento no se pudo devolver; la lista indica por qué.</numerusform>
            <numerusform>%n elementos no se pudieron devolver; la lista indica por qué.</numerusform>
        </translation>
    </message>
    <message>
        <source>The history could not be written: %1</source>
        <translation>No se pudo escribir el historial: %1</translation>
    </message>
</context>
<context>
    <name>sw::ImagePreview</name>
    <message>
        <source>This image cannot be shown.</source>
        <translation>No se puede mostrar esta imagen.</translation>
    </message>
</context>
<context>
    <name>sw::LibraryVersions</name>
    <message>
        <source>%1 (built with)</source>
        <translation>%1 (de compilación)</translation>
    </message>
</context>
<context>
    <name>sw::MediaPreview</name>
    <message>
        <source>This file cannot be played.</source>
        <translation>No se puede reproducir este archivo.</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausar</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Reproducir</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Posición</translation>
    </message>
</context>
<context>
    <name>sw::NothingFoundPage</name>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Atrás</translation>
    </message>
</context>
<context>
    <name>sw::PackageKitTransaction</name>
    <message>
        <source>cancelled</source>
        <translation>cancelado</translation>
    </message>
    <message>
        <source>PackageKit ended the transaction with exit code %1</source>
        <translation>PackageKit terminó la transacción con el código de salida %1</translation>
    </message>
    <message>
        <source>PackageKit gave no transaction</source>
        <translation>PackageKit no proporcionó ninguna transacción</translation>
    </message>
    <message>
        <source>PackageKit left the bus</source>
        <translation>PackageKit abandonó el bus</translation>
    </message>
    <message>
        <source>PackageKit did not take the request</source>
        <translation>PackageKit no aceptó la solicitud</translation>
    </message>
    <message>
        <source>PackageKit stopped answering</source>
        <translation>PackageKit dejó de responder</translation>
    </message>
    <message>
        <source>PackageKit dropped the transaction before it finished</source>
        <translation>PackageKit abandonó la transacción antes de terminarla</translation>
    </message>
</context>
<context>
    <name>sw::PdfPreview</name>
    <message>
        <source>This PDF document cannot be opened.</source>
        <translation>No se puede abrir este documento PDF.</translation>
    </message>
    <message>
        <source>This PDF document is locked.</source>
        <translation>Este documento PDF está bloqueado.</translation>
    </message>
    <message>
        <source>This PDF document has no pages.</source>
        <translation>Este documento PDF no tiene páginas.</translation>
    </message>
    <message>
        <source>This PDF document cannot be shown.</source>
        <translation>No se puede mostrar este documento PDF.</translation>
    </message>
    <message numerus="yes">
        <source>Showing the first %1 of %n pages.</source>
        <translation>
            <numerusform>Se muestra %1 de %n página.</numerusform>
            <numerusform>Se muestran las primeras %1 de %n páginas.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>sw::PreviewDialog</name>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
</context>
<context>
    <name>sw::PreviewPane</name>
    <message>
        <source>This file cannot be shown: the viewers plugin is missing or broken.</source>
        <translation>No se puede mostrar este archivo: falta el plugin de visores o está dañado.</translation>
    </message>
</context>
<context>
    <name>sw::RemovalDetailsDialog</name>
    <message>
        <source>Details</source>
        <translation>Detalles</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Elemento</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
</context>
<context>
    <name>sw::RemovalPage</name>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Detalles</translation>
    </message>
    <message>
        <source>Cancelling…</source>
        <translation>Cancelando…</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>items done, their size</comment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Stopped: the rest was left as it was</source>
        <translation>Detenido: el resto se dejó como estaba</translation>
    </message>
    <message>
        <source>Refused: %1</source>
        <translation>Rechazado: %1</translation>
    </message>
    <message>
        <source>Went with its folder, counted there</source>
        <translation>Incluido en su carpeta y contado con ella</translation>
    </message>
    <message>
        <source>&amp;Done</source>
        <translation>&amp;Hecho</translation>
    </message>
</context>
<context>
    <name>sw::RemovalWording</name>
    <message numerus="yes">
        <source>Delete %Ln item(s) (%1)</source>
        <translation>
            <numerusform>Eliminar %Ln elemento (%1)</numerusform>
            <numerusform>Eliminar %Ln elementos (%1)</numerusform>
        </translation>
    </message>
    <message>
        <source>Deleted items do not go to the Trash.</source>
        <translation>Los elementos eliminados no van a la papelera.</translation>
    </message>
    <message numerus="yes">
        <source>Move %Ln item(s) to the Trash (%1)</source>
        <translation>
            <numerusform>Mover %Ln elemento a la papelera (%1)</numerusform>
            <numerusform>Mover %Ln elementos a la papelera (%1)</numerusform>
        </translation>
    </message>
    <message>
        <source>Items moved to the Trash can be restored from there.</source>
        <translation>Los elementos movidos a la papelera se pueden restaurar desde allí.</translation>
    </message>
    <message numerus="yes">
        <source>Remove %Ln item(s) (%1)</source>
        <translation>
            <numerusform>Eliminar %Ln elemento (%1)</numerusform>
            <numerusform>Eliminar %Ln elementos (%1)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Uninstall %Ln application(s) (%1)</source>
        <translation>
            <numerusform>Desinstalar %Ln aplicación (%1)</numerusform>
            <numerusform>Desinstalar %Ln aplicaciones (%1)</numerusform>
        </translation>
    </message>
    <message>
        <source>Their files are deleted, not moved to the Trash.</source>
        <translation>Sus archivos se eliminan, no se mueven a la papelera.</translation>
    </message>
    <message>
        <source>Packages are removed by the package manager; files of yours go to the Trash, where you can restore them.</source>
        <translation>El gestor de paquetes elimina los paquetes; los archivos de su propiedad van a la papelera, desde donde puede restaurarlos.</translation>
    </message>
    <message numerus="yes">
        <source>Shred %Ln item(s) (%1)</source>
        <translation>
            <numerusform>Destruir %Ln elemento (%1)</numerusform>
            <numerusform>Destruir %Ln elementos (%1)</numerusform>
        </translation>
    </message>
    <message>
        <source>Shredded items are removed at once and cannot be restored.</source>
        <translation>Los elementos destruidos se eliminan de inmediato y no se pueden restaurar.</translation>
    </message>
    <message>
        <source>Deleting</source>
        <translation>Eliminando</translation>
    </message>
    <message numerus="yes">
        <source>%Ln item(s) deleted</source>
        <translation>
            <numerusform>%Ln elemento eliminado</numerusform>
            <numerusform>%Ln elementos eliminados</numerusform>
        </translation>
    </message>
    <message>
        <source>Some items could not be deleted</source>
        <translation>Algunos elementos no se pudieron eliminar</translation>
    </message>
    <message>
        <source>Nothing was deleted</source>
        <translation>No se eliminó nada</translation>
    </message>
    <message numerus="yes">
        <source>%Ln item(s) could not be deleted (%1)</source>
        <translation>
            <numerusform>No se pudo eliminar %Ln elemento (%1)</numerusform>
            <numerusform>No se pudieron eliminar %Ln elementos (%1)</numerusform>
        </translation>
    </message>
    <message>
        <source>Deleted (%1)</source>
        <translation>Eliminado (%1)</translation>
    </message>
    <message>
        <source>Moving to the Trash</source>
        <translation>Moviendo a la papelera</translation>
    </message>
    <message numerus="yes">
        <source>%Ln item(s) moved to the Trash</source>
        <translation>
            <numerusform>%Ln elemento movido a la papelera</numerusform>
            <numerusform>%Ln elementos movidos a la papelera</numerusform>
        </translation>
    </message>
    <message>
        <source>Some items could not be moved to the Trash</source>
        <translation>Algunos elementos no se pudieron mover a la papelera</translation>
    </message>
    <message>
        <source>Nothing was moved to the Trash</source>
        <translation>No se movió nada a la papelera</translation>
    </message>
    <message numerus="yes">
        <source>%Ln item(s) could not be moved to the Trash (%1)</source>
        <translation>
            <numerusform>No se pudo mover %Ln elemento a la papelera (%1)</numerusform>
            <numerusform>No se pudieron mover %Ln elementos a la papelera (%1)</numerusform>
        </translation>
    </message>
    <message>
        <source>Moved to the Trash (%1)</source>
        <translation>Movido a la papelera (%1)</translation>
    </message>
    <message>
        <source>Removing</source>
        <translation>Eliminando</translation>
    </message>
    <message numerus="yes">
        <source>%Ln item(s) removed</source>
        <translation>
            <numerusform>%Ln elemento eliminado</numerusform>
            <numerusform>%Ln elementos eliminados</numerusform>
        </translation>
    </message>
    <message>
        <source>Some items could not be removed</source>
        <translation>Algunos elementos no se pudieron eliminar</translation>
    </message>
    <message>
        <source>Nothing was removed</source>
        <translation>No se eliminó nada</translation>
    </message>
    <message numerus="yes">
        <source>%Ln item(s) could not be removed (%1)</source>
        <translation>
            <numerusform>No se pudo eliminar %Ln elemento (%1)</numerusform>
            <numerusform>No se pudieron eliminar %Ln elementos (%1)</numerusform>
        </translation>
    </message>
    <message>
        <source>Removed (%1)</source>
        <translation>Eliminado (%1)</translation>
    </message>
    <message>
        <source>Shredding</source>
        <translation>Destruyendo</translation>
    </message>
    <message numerus="yes">
        <source>%Ln item(s) shredded</source>
        <translation>
            <numerusform>%Ln elemento destruido</numerusform>
            <numerusform>%Ln elementos destruidos</numerusform>
        </translation>
    </message>
    <message>
        <source>Some items could not be shredded</source>
        <translation>Algunos elementos no se pudieron destruir</translation>
    </message>
    <message>
        <source>Nothing was shredded</source>
        <translation>No se destruyó nada</translation>
    </message>
    <message numerus="yes">
        <source>%Ln item(s) could not be shredded (%1)</source>
        <translation>
            <numerusform>No se pudo destruir %Ln elemento (%1)</numerusform>
            <numerusform>No se pudieron destruir %Ln elementos (%1)</numerusform>
        </translation>
    </message>
    <message>
        <source>Shredded (%1)</source>
        <translation>Destruido (%1)</translation>
    </message>
    <message>
        <source>Delete junk files?</source>
        <translation>¿Eliminar los archivos basura?</translation>
    </message>
    <message>
        <source>Move junk files to the Trash?</source>
        <translation>¿Mover los archivos basura a la papelera?</translation>
    </message>
    <message>
        <source>Junk files deleted</source>
        <translation>Archivos basura eliminados</translation>
    </message>
    <message>
        <source>Junk files moved to the Trash</source>
        <translation>Archivos basura movidos a la papelera</translation>
    </message>
    <message>
        <source>Delete large files?</source>
        <translation>¿Eliminar los archivos grandes?</translation>
    </message>
    <message>
        <source>Move large files to the Trash?</source>
        <translation>¿Mover los archivos grandes a la papelera?</translation>
    </message>
    <message>
        <source>Large files deleted</source>
        <translation>Archivos grandes eliminados</translation>
    </message>
    <message>
        <source>Large files moved to the Trash</source>
        <translation>Archivos grandes movidos a la papelera</translation>
    </message>
    <message>
        <source>Delete duplicates?</source>
        <translation>¿Eliminar los duplicados?</translation>
    </message>
    <message>
        <source>Move duplicates to the Trash?</source>
        <translation>¿Mover los duplicados a la papelera?</translation>
    </message>
    <message>
        <source>Duplicates deleted</source>
        <translation>Duplicados eliminados</translation>
    </message>
    <message>
        <source>Duplicates moved to the Trash</source>
        <translation>Duplicados movidos a la papelera</translation>
    </message>
    <message numerus="yes">
        <source>Uninstall %Ln application(s)?</source>
        <translation>
            <numerusform>¿Desinstalar %Ln aplicación?</numerusform>
            <numerusform>¿Desinstalar %Ln aplicaciones?</numerusform>
        </translation>
    </message>
    <message>
        <source>Applications uninstalled</source>
        <translation>Aplicaciones desinstaladas</translation>
    </message>
    <message numerus="yes">
        <source>Remove %Ln extension(s)?</source>
        <translation>
            <numerusform>¿Eliminar %Ln extensión?</numerusform>
            <numerusform>¿Eliminar %Ln extensiones?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Move %Ln extension(s) to the Trash?</source>
        <translation>
            <numerusform>¿Mover %Ln extensión a la papelera?</numerusform>
            <numerusform>¿Mover %Ln extensiones a la papelera?</numerusform>
        </translation>
    </message>
    <message>
        <source>Extensions removed</source>
        <translation>Extensiones eliminadas</translation>
    </message>
    <message>
        <source>Extensions moved to the Trash</source>
        <translation>Extensiones movidas a la papelera</translation>
    </message>
    <message numerus="yes">
        <source>Shred %Ln item(s)?</source>
        <translation>
            <numerusform>¿Destruir %Ln elemento?</numerusform>
            <numerusform>¿Destruir %Ln elementos?</numerusform>
        </translation>
    </message>
    <message>
        <source>Items shredded</source>
        <translation>Elementos destruidos</translation>
    </message>
    <message numerus="yes">
        <source>%Ln item(s) were refused</source>
        <translation>
            <numerusform>Se rechazó %Ln elemento</numerusform>
            <numerusform>Se rechazaron %Ln elementos</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Eliminar</translation>
    </message>
    <message>
        <source>&amp;Move to the Trash</source>
        <translation>A la &amp;papelera</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Eliminar</translation>
    </message>
    <message>
        <source>&amp;Uninstall</source>
        <translation>&amp;Desinstalar</translation>
    </message>
    <message>
        <source>&amp;Shred</source>
        <translation>&amp;Destruir</translation>
    </message>
    <message>
        <source>Replace with &amp;Links</source>
        <translation>Reemplazar por en&amp;laces</translation>
    </message>
    <message numerus="yes">
        <source>Replace %Ln copy(s) with links (%1)</source>
        <translation>
            <numerusform>Reemplazar %Ln copia por un enlace (%1)</numerusform>
            <numerusform>Reemplazar %Ln copias por enlaces (%1)</numerusform>
        </translation>
    </message>
    <message>
        <source>Each copy is compared again and becomes a link to the copy kept, which stays as it is.</source>
        <translation>Cada copia se compara de nuevo y pasa a ser un enlace a la copia conservada, que queda tal cual.</translation>
    </message>
    <message>
        <source>Replacing with links</source>
        <translation>Reemplazando por enlaces</translation>
    </message>
    <message numerus="yes">
        <source>%Ln copy(s) replaced with links</source>
        <translation>
            <numerusform>%Ln copia reemplazada por un enlace</numerusform>
            <numerusform>%Ln copias reemplazadas por enlaces</numerusform>
        </translation>
    </message>
    <message>
        <source>Some copies could not be replaced</source>
        <translation>Algunas copias no se pudieron reemplazar</translation>
    </message>
    <message>
        <source>No copy was replaced</source>
        <translation>No se reemplazó ninguna copia</translation>
    </message>
    <message numerus="yes">
        <source>%Ln copy(s) could not be replaced (%1)</source>
        <translation>
            <numerusform>%Ln copia no se pudo reemplazar (%1)</numerusform>
            <numerusform>%Ln copias no se pudieron reemplazar (%1)</numerusform>
        </translation>
    </message>
    <message>
        <source>Replaced with a link (%1 freed)</source>
        <translation>Reemplazada por un enlace (%1 liberados)</translation>
    </message>
    <message>
        <source>Replace duplicates with links?</source>
        <translation>¿Reemplazar los duplicados por enlaces?</translation>
    </message>
    <message>
        <source>Duplicates replaced with links</source>
        <translation>Duplicados reemplazados por enlaces</translation>
    </message>
    <message>
        <source>Delete empty and broken items?</source>
        <translation>¿Eliminar los elementos vacíos y rotos?</translation>
    </message>
    <message>
        <source>Move empty and broken items to the Trash?</source>
        <translation>¿Mover los elementos vacíos y rotos a la papelera?</translation>
    </message>
    <message>
        <source>Empty and broken items deleted</source>
        <translation>Elementos vacíos y rotos eliminados</translation>
    </message>
    <message>
        <source>Empty and broken items moved to the Trash</source>
        <translation>Elementos vacíos y rotos movidos a la papelera</translation>
    </message>
</context>
<context>
    <name>sw::ResultBottomBar</name>
    <message>
        <source>Deselect</source>
        <translation>Deseleccionar</translation>
    </message>
    <message>
        <source>Selected:</source>
        <translation>Seleccionado:</translation>
    </message>
    <message>
        <source>Total:</source>
        <translation>Total:</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Seleccionar</translation>
    </message>
    <message>
        <source>Start &amp;Over</source>
        <translation>Empezar de &amp;nuevo</translation>
    </message>
</context>
<context>
    <name>sw::ResultItemList</name>
    <message>
        <source>Search</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Sort by Size</source>
        <translation>Ordenar por tamaño</translation>
    </message>
    <message>
        <source>Sort by Name</source>
        <translation>Ordenar por nombre</translation>
    </message>
    <message>
        <source>Search the items</source>
        <translation>Buscar elementos</translation>
    </message>
    <message>
        <source>Sort the items</source>
        <translation>Ordenar los elementos</translation>
    </message>
    <message>
        <source>Items</source>
        <translation>Elementos</translation>
    </message>
    <message>
        <source>Item menu</source>
        <translation>Menú del elemento</translation>
    </message>
    <message>
        <source>Never Touch This</source>
        <translation>No tocar nunca</translation>
    </message>
</context>
<context>
    <name>sw::ScanPage</name>
    <message>
        <source>%1 found %2</source>
        <comment>tool, size found</comment>
        <translation>%1: se encontraron %2</translation>
    </message>
    <message>
        <source>Review the result and choose what to remove.</source>
        <translation>Revise el resultado y elija qué eliminar.</translation>
    </message>
    <message>
        <source>%1 found nothing</source>
        <comment>tool</comment>
        <translation>%1: no se encontró nada</translation>
    </message>
</context>
<context>
    <name>sw::ScanProgressPanel</name>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Scanning…</source>
        <translation>Analizando…</translation>
    </message>
    <message>
        <source>Nothing is removed until you confirm.</source>
        <translation>No se elimina nada hasta que usted lo confirme.</translation>
    </message>
    <message>
        <source>Scanning</source>
        <translation>Analizando</translation>
    </message>
    <message numerus="yes">
        <source>%Ln item(s) looked at</source>
        <translation>
            <numerusform>%Ln elemento examinado</numerusform>
            <numerusform>%Ln elementos examinados</numerusform>
        </translation>
    </message>
    <message>
        <source>Cancelling…</source>
        <translation>Cancelando…</translation>
    </message>
    <message>
        <source>Found %1</source>
        <translation>Encontrado: %1</translation>
    </message>
</context>
<context>
    <name>sw::TextPreview</name>
    <message>
        <source>Only the beginning of this file is shown.</source>
        <translation>Solo se muestra el principio de este archivo.</translation>
    </message>
</context>
<context>
    <name>sw::ViewerFactory</name>
    <message>
        <source>%1 was not found in %2.</source>
        <translation>No se encontró %1 en %2.</translation>
    </message>
</context>
</TS>
