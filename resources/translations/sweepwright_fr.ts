<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>AddLoginItemDialog</name>
    <message>
        <source>Add an Application</source>
        <translation>Ajouter une application</translation>
    </message>
    <message>
        <source>Start an application when you log in</source>
        <translation>Lancer une application à l&apos;ouverture de session</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
</context>
<context>
    <name>AdminPass</name>
    <message>
        <source>the administrator removal did not understand the request; left in place</source>
        <translation>la suppression en tant qu&apos;administrateur n&apos;a pas compris la demande&#xa0;; laissé en place</translation>
    </message>
    <message>
        <source>lies outside the places the administrator removal covers; left in place</source>
        <translation>se trouve hors des emplacements couverts par la suppression en tant qu&apos;administrateur&#xa0;; laissé en place</translation>
    </message>
    <message>
        <source>its folder changed while the password was asked for; left in place</source>
        <translation>son dossier a changé pendant la demande du mot de passe&#xa0;; laissé en place</translation>
    </message>
    <message>
        <source>is or lies in a protected folder; left in place</source>
        <translation>est un dossier protégé ou se trouve dans un dossier protégé&#xa0;; laissé en place</translation>
    </message>
    <message>
        <source>it changed while the password was asked for; left in place</source>
        <translation>il a changé pendant la demande du mot de passe&#xa0;; laissé en place</translation>
    </message>
    <message>
        <source>cannot be reached without following a link or entering another file system; left in place</source>
        <translation>inaccessible sans suivre un lien ni entrer dans un autre système de fichiers&#xa0;; laissé en place</translation>
    </message>
    <message>
        <source>cannot be reached below its folder; left in place</source>
        <translation>inaccessible depuis son dossier&#xa0;; laissé en place</translation>
    </message>
    <message>
        <source>the administrator helper sweepwright-privileged is not installed; left in place</source>
        <translation>l&apos;assistant administrateur sweepwright-privileged n&apos;est pas installé&#xa0;; laissé en place</translation>
    </message>
    <message>
        <source>%1; left in place</source>
        <translation>%1&#xa0;; laissé en place</translation>
    </message>
    <message>
        <source>the administrator removal gave no answer for it; left in place</source>
        <translation>la suppression en tant qu&apos;administrateur n&apos;a rien répondu pour cet élément&#xa0;; laissé en place</translation>
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
        <translation>Sweepwright s&apos;exécute en tant que root, ce qui n&apos;est jamais nécessaire&#xa0;: lancez-le en tant que l&apos;utilisateur dont il nettoie les fichiers.</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Préférences</translation>
    </message>
    <message>
        <source>Open a Saved Result</source>
        <translation>Ouvrir un résultat enregistré</translation>
    </message>
    <message>
        <source>%1 was not opened: Duplicates is busy with another result. Start over there, then open it from the folder page.</source>
        <translation>%1 n’a pas été ouvert : Doublons est occupé par un autre résultat. Recommencez-y, puis ouvrez-le depuis la page des dossiers.</translation>
    </message>
</context>
<context>
    <name>AppRemoval</name>
    <message>
        <source>it is still installed</source>
        <translation>elle est toujours installée</translation>
    </message>
    <message>
        <source>left in place: the application itself was not removed (%1)</source>
        <translation>laissé en place&#xa0;: l&apos;application elle-même n&apos;a pas été supprimée (%1)</translation>
    </message>
    <message>
        <source>left in place: %1, which also uses it, was not removed (%2)</source>
        <translation>laissé en place&#xa0;: %1, qui l&apos;utilise aussi, n&apos;a pas été supprimé (%2)</translation>
    </message>
    <message>
        <source>left in place: the application itself is not being removed</source>
        <translation>laissé en place&#xa0;: l&apos;application elle-même n&apos;est pas supprimée</translation>
    </message>
    <message>
        <source>left in place: %1, which also uses it, is not being removed</source>
        <translation>laissé en place&#xa0;: %1, qui l&apos;utilise aussi, n&apos;est pas supprimé</translation>
    </message>
    <message>
        <source>flatpak left it installed</source>
        <translation>flatpak l&apos;a laissée installée</translation>
    </message>
    <message>
        <source>PackageKit left it installed</source>
        <translation>PackageKit l&apos;a laissée installée</translation>
    </message>
    <message>
        <source>apt-get left it installed</source>
        <translation>apt-get l&apos;a laissée installée</translation>
    </message>
</context>
<context>
    <name>AppsCommand</name>
    <message numerus="yes">
        <source>&quot;%1&quot; names %n applications; give one of their identifiers or paths:</source>
        <translation>
            <numerusform>«&#xa0;%1&#xa0;» désigne %n application&#xa0;; indiquez l&apos;un de ses identifiants ou chemins&#xa0;:</numerusform>
            <numerusform>«&#xa0;%1&#xa0;» désigne %n applications&#xa0;; indiquez l&apos;un de leurs identifiants ou chemins&#xa0;:</numerusform>
        </translation>
    </message>
    <message>
        <source>found no application &quot;%1&quot;</source>
        <translation>aucune application «&#xa0;%1&#xa0;» trouvée</translation>
    </message>
    <message numerus="yes">
        <source>Found %n application(s), %1 in total.
</source>
        <translation>
            <numerusform>%n application trouvée, %1 au total.
</numerusform>
            <numerusform>%n applications trouvées, %1 au total.
</numerusform>
        </translation>
    </message>
    <message>
        <source>app</source>
        <comment>an application&apos;s own files</comment>
        <translation>application</translation>
    </message>
    <message>
        <source>cache</source>
        <comment>an application&apos;s cache</comment>
        <translation>cache</translation>
    </message>
    <message>
        <source>settings</source>
        <comment>an application&apos;s settings</comment>
        <translation>préférences</translation>
    </message>
    <message>
        <source>data</source>
        <comment>the user&apos;s data of an application</comment>
        <translation>données</translation>
    </message>
    <message>
        <source>bundle</source>
        <comment>an application installed as a bundle</comment>
        <translation>paquet .app</translation>
    </message>
    <message>
        <source>appimage</source>
        <comment>an application installed as an AppImage</comment>
        <translation>appimage</translation>
    </message>
    <message>
        <source>home</source>
        <comment>an application installed in the home folder</comment>
        <translation>personnel</translation>
    </message>
    <message>
        <source>flatpak</source>
        <comment>an application installed as a Flatpak</comment>
        <translation>flatpak</translation>
    </message>
    <message>
        <source>package</source>
        <comment>an application installed as a system package</comment>
        <translation>paquet</translation>
    </message>
    <message>
        <source>--with-data goes with --remove</source>
        <translation>--with-data s&apos;utilise avec --remove</translation>
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
        <translation>Utilisation&#xa0;: sweepwright-cli apps [--layout L] [--root R] [--home H] [--json]
                                   [--remove APP... [--with-data] [--yes | --dry-run]]
Liste les applications installées, chacune avec ses propres fichiers et ce qu&apos;elle a laissé dans
le dossier personnel et qui n&apos;appartient qu&apos;à elle, par type (application, cache, préférences et
données de l&apos;utilisateur&#xa0;: ce qui se trouve dans XDG_DATA_HOME, ~/.var/app/ID/data ou un dossier
caché comme ~/.thunderbird), avec leur taille&#xa0;; [x] (&quot;isDel&quot; en JSON) signale ce que la
suppression de l&apos;application emporte (avec --remove&#xa0;: ce que cette exécution emporte).
Avec --remove, l&apos;application APP est supprimée avec ses éléments cochés&#xa0;: tout sauf les données de
l&apos;utilisateur, à moins d&apos;indiquer --with-data. Ce qui appartient à l&apos;utilisateur va à la corbeille,
d&apos;où il peut être restauré. La commande demande d&apos;abord confirmation sur un terminal, ou agit avec
--yes&#xa0;; sinon, le plan est affiché et rien n&apos;est supprimé (code de sortie 2). APP est le nom listé
ou, si plusieurs applications portent ce nom, l&apos;un de ses identifiants&#xa0;: id du fichier .desktop, id
Flatpak, nom du paquet ou chemin&#xa0;; un nom partagé ne supprime rien et liste les candidats (code de
sortie 2). L&apos;application est supprimée en premier (les paquets par leur gestionnaire, les fichiers
que seul un administrateur peut supprimer après une seule demande de mot de passe)&#xa0;; ses restes
seulement une fois qu&apos;elle a disparu, sinon ils restent et le rapport dit pourquoi. Ctrl-C arrête
l&apos;analyse, ou la suppression après l&apos;élément en cours (code de sortie 130).

  --json         afficher un seul objet JSON au lieu d&apos;une liste
  --remove APP   supprimer l&apos;application APP et ses restes (répétable)
  --with-data    avec --remove, supprimer aussi les données de l&apos;utilisateur de APP
  --yes          supprimer sans demander
  --dry-run      montrer ce que --remove supprimerait, sans rien supprimer
  --help         afficher ce texte
  -V, --version  afficher la version
</translation>
    </message>
</context>
<context>
    <name>CategoryRoots</name>
    <message>
        <source>it vanished</source>
        <translation>il a disparu</translation>
    </message>
    <message>
        <source>it is a link in %1, a folder others can write</source>
        <translation>c&apos;est un lien dans %1, un dossier modifiable par d&apos;autres</translation>
    </message>
    <message>
        <source>it belongs to another user and lies in %1, a folder others can write</source>
        <translation>il appartient à un autre utilisateur et se trouve dans %1, un dossier modifiable par d&apos;autres</translation>
    </message>
    <message>
        <source>it belongs to another user and anyone can write it</source>
        <translation>il appartient à un autre utilisateur et tout le monde peut le modifier</translation>
    </message>
    <message>
        <source>Leaving %1 alone: %2</source>
        <translation>Dossier %1 ignoré&#xa0;: %2</translation>
    </message>
    <message>
        <source>it belongs to another user</source>
        <translation>il appartient à un autre utilisateur</translation>
    </message>
    <message>
        <source>not an absolute path</source>
        <translation>ce n&apos;est pas un chemin absolu</translation>
    </message>
</context>
<context>
    <name>CleanSchedule</name>
    <message>
        <source>The command-line program is not installed beside this one (%1).</source>
        <translation>Le programme en ligne de commande n’est pas installé à côté de celui-ci (%1).</translation>
    </message>
    <message>
        <source>The program&apos;s path cannot be written in a unit file: %1</source>
        <translation>Le chemin du programme ne peut pas être écrit dans un fichier d’unité : %1</translation>
    </message>
    <message>
        <source>Could not write the timer into %1.</source>
        <translation>Impossible d’écrire le minuteur dans %1.</translation>
    </message>
    <message>
        <source>Could not remove %1.</source>
        <translation>Impossible de supprimer %1.</translation>
    </message>
</context>
<context>
    <name>CliCommand</name>
    <message>
        <source>cancelled</source>
        <translation>annulé</translation>
    </message>
    <message>
        <source>could not write the report: %1</source>
        <translation>impossible d&apos;écrire le rapport&#xa0;: %1</translation>
    </message>
    <message>
        <source>Try &apos;sweepwright-cli %1 --help&apos;.</source>
        <translation>Essayez «&#xa0;sweepwright-cli %1 --help&#xa0;».</translation>
    </message>
    <message>
        <source>unexpected argument %1</source>
        <translation>argument inattendu %1</translation>
    </message>
    <message>
        <source>no file given</source>
        <translation>aucun fichier indiqué</translation>
    </message>
    <message>
        <source>more than one file given</source>
        <translation>plus d&apos;un fichier indiqué</translation>
    </message>
    <message>
        <source>running as root is never needed; protected system folders stay untouched.</source>
        <translation>l&apos;exécution en tant que root n&apos;est jamais nécessaire&#xa0;; les dossiers système protégés restent intacts.</translation>
    </message>
</context>
<context>
    <name>CliMain</name>
    <message>
        <source>scan for junk files and list them, or remove them with --clean</source>
        <translation>rechercher les fichiers inutiles et les lister, ou les supprimer avec --clean</translation>
    </message>
    <message>
        <source>list the files of 32 MB and more in folders, or move them to the Trash</source>
        <translation>lister les fichiers de 32 Mo et plus dans des dossiers, ou les mettre à la corbeille</translation>
    </message>
    <message>
        <source>list duplicate files in folders, or move all copies but one to the Trash</source>
        <translation>lister les doublons dans des dossiers, ou mettre toutes les copies sauf une à la corbeille</translation>
    </message>
    <message>
        <source>list the installed applications and their leftovers, or remove some with --remove</source>
        <translation>lister les applications installées et leurs restes, ou en supprimer avec --remove</translation>
    </message>
    <message>
        <source>list the add-ons by category, or remove some with --remove</source>
        <translation>lister les modules complémentaires par catégorie, ou en supprimer avec --remove</translation>
    </message>
    <message>
        <source>list the applications started at login, or switch one with --on or --off</source>
        <translation>lister les applications lancées à l&apos;ouverture de session, ou en activer ou désactiver une avec --on ou --off</translation>
    </message>
    <message>
        <source>show memory and disk use, or release memory with --release</source>
        <translation>afficher l&apos;utilisation de la mémoire et du disque, ou libérer la mémoire avec --release</translation>
    </message>
    <message>
        <source>extract an archive or a winmail.dat file, or list what it holds</source>
        <translation>extraire une archive ou un fichier winmail.dat, ou en lister le contenu</translation>
    </message>
    <message>
        <source>make a smaller copy of a PDF document</source>
        <translation>créer une copie plus légère d&apos;un document PDF</translation>
    </message>
    <message>
        <source>remove files and folders whole, optionally overwriting their contents first</source>
        <translation>supprimer entièrement des fichiers et des dossiers, en écrasant éventuellement leur contenu d&apos;abord</translation>
    </message>
    <message>
        <source>write the attachments and message bodies of a winmail.dat file into a folder</source>
        <translation>écrire les pièces jointes et le corps des messages d&apos;un fichier winmail.dat dans un dossier</translation>
    </message>
    <message>
        <source>Usage: sweepwright-cli COMMAND [options]
       sweepwright-cli COMMAND --help
       sweepwright-cli -V | --version

Commands:
</source>
        <translation>Utilisation&#xa0;: sweepwright-cli COMMAND [options]
              sweepwright-cli COMMAND --help
              sweepwright-cli -V | --version

Commandes&#xa0;:
</translation>
    </message>
    <message>
        <source>Layout options (commands that look at the disk):</source>
        <translation>Options d&apos;arborescence (commandes qui examinent le disque)&#xa0;:</translation>
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
        <translation>Les variables SWEEPWRIGHT_LAYOUT, SWEEPWRIGHT_ROOT et SWEEPWRIGHT_HOME ont le même effet&#xa0;;
les options l&apos;emportent.

Les commandes qui suppriment ou déplacent des fichiers n&apos;agissent qu&apos;avec --yes ou après
une question sur un terminal&#xa0;; sinon, elles affichent le plan et quittent avec le code 2.
--dry-run affiche le plan sans rien toucher. Ctrl-C arrête une analyse, ou une
suppression après l&apos;élément en cours (code 130). «&#xa0;--&#xa0;» termine les options&#xa0;: ce qui suit
est un chemin, même s&apos;il commence par «&#xa0;-&#xa0;». Un FOLDER ou un PATH «&#xa0;-&#xa0;» (large, dups,
shred) lit les chemins sur l&apos;entrée standard, un par ligne ou séparés par des octets NUL.
</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;</source>
        <translation>commande «&#xa0;%1&#xa0;» inconnue</translation>
    </message>
    <message>
        <source>Try &apos;sweepwright-cli --help&apos;.</source>
        <translation>Essayez «&#xa0;sweepwright-cli --help&#xa0;».</translation>
    </message>
    <message>
        <source>tell or set how often junk is cleaned automatically</source>
        <translation>afficher ou régler la fréquence du nettoyage automatique des fichiers inutiles</translation>
    </message>
    <message>
        <source>list what every tool removed, or put back what a run moved to the Trash</source>
        <translation>lister ce que chaque outil a supprimé, ou remettre en place ce qu&apos;un passage a déplacé dans la Corbeille</translation>
    </message>
</context>
<context>
    <name>CliOptions</name>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 requiert une valeur</translation>
    </message>
    <message>
        <source>%1 takes no value</source>
        <translation>%1 n&apos;accepte pas de valeur</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>option inconnue %1</translation>
    </message>
</context>
<context>
    <name>CliPassword</name>
    <message>
        <source>cannot read the password file %1: %2</source>
        <translation>impossible de lire le fichier de mot de passe %1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Show this help and exit.</source>
        <translation>Afficher cette aide et quitter.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Afficher la version et quitter.</translation>
    </message>
    <message>
        <source>Where to look: freedesktop or macos.</source>
        <translation>Où chercher&#xa0;: freedesktop ou macos.</translation>
    </message>
    <message>
        <source>The root the system folders are under.</source>
        <translation>La racine sous laquelle se trouvent les dossiers du système.</translation>
    </message>
    <message>
        <source>The home folder to look in.</source>
        <translation>Le dossier personnel où chercher.</translation>
    </message>
    <message>
        <source>Sweepwright, the desktop maintenance utility.</source>
        <translation>Sweepwright, l&apos;utilitaire d&apos;entretien du bureau.</translation>
    </message>
    <message>
        <source>Open a duplicate result saved as JSON, checked against the disk first.</source>
        <translation>Ouvrir un résultat de doublons enregistré en JSON, vérifié d’abord sur le disque.</translation>
    </message>
</context>
<context>
    <name>DupCopyCheck</name>
    <message>
        <source>The copy kept is no longer there</source>
        <translation>La copie conservée n’existe plus</translation>
    </message>
    <message>
        <source>Changed since the scan: no longer the same as the copy kept</source>
        <translation>Modifié depuis l’analyse : n’est plus identique à la copie conservée</translation>
    </message>
</context>
<context>
    <name>DupExport</name>
    <message>
        <source>Export the Result</source>
        <translation>Exporter le résultat</translation>
    </message>
    <message>
        <source>Table for spreadsheets (*.csv)</source>
        <translation>Tableau pour tableur (*.csv)</translation>
    </message>
    <message>
        <source>Saved result to open again (*.json)</source>
        <translation>Résultat enregistré à rouvrir (*.json)</translation>
    </message>
    <message>
        <source>The result could not be saved: %1</source>
        <translation>Impossible d’enregistrer le résultat : %1</translation>
    </message>
</context>
<context>
    <name>DupKinds</name>
    <message>
        <source>Documents</source>
        <translation>Documents</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Images</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Musique</translation>
    </message>
    <message>
        <source>Videos</source>
        <translation>Vidéos</translation>
    </message>
    <message>
        <source>Packages</source>
        <translation>Paquets</translation>
    </message>
    <message>
        <source>Others</source>
        <translation>Autres</translation>
    </message>
</context>
<context>
    <name>DupResultJson</name>
    <message>
        <source>%1: not an absolute path without &quot;.&quot; or &quot;..&quot;</source>
        <translation>%1 : pas un chemin absolu sans « . » ni « .. »</translation>
    </message>
    <message>
        <source>%1: no size</source>
        <translation>%1 : aucune taille</translation>
    </message>
    <message>
        <source>%1: no modification time</source>
        <translation>%1 : aucune date de modification</translation>
    </message>
    <message>
        <source>The file is too large to be a saved result.</source>
        <translation>Le fichier est trop volumineux pour être un résultat enregistré.</translation>
    </message>
    <message>
        <source>The file is not valid JSON (%1 at byte %2).</source>
        <translation>Le fichier n’est pas du JSON valide (%1 à l’octet %2).</translation>
    </message>
    <message>
        <source>The file holds no list of duplicates.</source>
        <translation>Le fichier ne contient aucune liste de doublons.</translation>
    </message>
</context>
<context>
    <name>DupSavedResult</name>
    <message>
        <source>%1: no longer a regular file</source>
        <translation>%1 : n’est plus un fichier ordinaire</translation>
    </message>
    <message>
        <source>%1: its size changed</source>
        <translation>%1 : sa taille a changé</translation>
    </message>
    <message>
        <source>%1: it was modified</source>
        <translation>%1 : il a été modifié</translation>
    </message>
    <message>
        <source>%1: reached through a symbolic link</source>
        <translation>%1 : atteint par un lien symbolique</translation>
    </message>
    <message>
        <source>%1: not yours to move</source>
        <translation>%1 : vous ne pouvez pas le déplacer</translation>
    </message>
    <message>
        <source>“%1” cannot be read.</source>
        <translation>« %1 » ne peut pas être lu.</translation>
    </message>
    <message>
        <source>%1: no longer there</source>
        <translation>%1 : n’existe plus</translation>
    </message>
    <message>
        <source>%1: not the size of its set</source>
        <translation>%1 : pas la taille de son groupe</translation>
    </message>
    <message>
        <source>%1: its contents differ from the other copies</source>
        <translation>%1 : son contenu diffère des autres copies</translation>
    </message>
</context>
<context>
    <name>DupsCommand</name>
    <message numerus="yes">
        <source>%1  %n copies of %2
</source>
        <translation>
            <numerusform>%1  %n copie de %2
</numerusform>
            <numerusform>%1  %n copies de %2
</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Found %n set(s) of duplicates, %1 in all copies.
</source>
        <translation>
            <numerusform>%n groupe de doublons trouvé, %1 pour l&apos;ensemble des copies.
</numerusform>
            <numerusform>%n groupes de doublons trouvés, %1 pour l&apos;ensemble des copies.
</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 needs a rule: %2</source>
        <translation>%1 requiert une règle&#xa0;: %2</translation>
    </message>
    <message>
        <source>--keep takes %1, not &quot;%2&quot;</source>
        <translation>--keep accepte %1, pas «&#xa0;%2&#xa0;»</translation>
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
        <translation>Utilisation&#xa0;: sweepwright-cli dups [FOLDER...] [--layout L] [--root R] [--home H] [--json] [--quick]
                                   [--keep RULE] [--reference DIR]...
                                   [--trash-all-but-first [--yes | --dry-run]]
Liste les groupes de fichiers et de paquets en double de plus de 16 Kio dans les dossiers (par défaut&#xa0;:
ceux de l&apos;arborescence, indiqués ci-dessous), les plus gros en premier. Les candidats de même taille et
de même empreinte échantillonnée sont comparés octet par octet&#xa0;; les liens physiques vers un même
fichier ne comptent qu&apos;une fois. Un FOLDER «&#xa0;-&#xa0;» lit les dossiers sur l&apos;entrée standard, un par ligne
ou séparés par des octets NUL. Les dossiers protégés du système sont exclus et indiqués sur stderr.

  --json                 afficher un seul objet JSON au lieu d&apos;une liste
  --quick                pour les fichiers, se fier à une taille et une empreinte échantillonnée
                         identiques (jusqu&apos;à trois blocs de 4 Kio&#xa0;: au début et répartis dans le
                         fichier) sans comparer tout le contenu&#xa0;: plus rapide, mais des fichiers qui
                         diffèrent ailleurs sont signalés comme doublons. Les paquets sont toujours
                         comparés par leur contenu&#xa0;: leur empreinte ne porte que sur les noms d&apos;éléments
  --keep RULE            la copie de chaque groupe qui est conservée&#xa0;: original (la copie située hors
                         des Téléchargements, de la corbeille et des dossiers temporaires, puis celle
                         dont le nom ne porte pas de marque de copie telle que «&#xa0;(1)&#xa0;» ou «&#xa0;Copy of&#xa0;»,
                         puis la plus ancienne, puis celle du dossier le plus profond, puis la
                         première trouvée), oldest (date de modification la plus ancienne, puis chemin
                         le plus court), newest, shortest-path ou first (la première trouvée)&#xa0;;
                         par défaut&#xa0;: %1 dans cette arborescence
  --reference DIR        un dossier d&apos;originaux, analysé lui aussi (peut être répété) : ses
                         copies sont marquées [référence] (« isReference » en JSON) et jamais déplacées ; un
                         groupe dont toutes les copies sont dans des dossiers de référence n&apos;est pas listé ;
                         dans un groupe avec une copie de référence, toutes les autres copies sont déplacées
  --trash-all-but-first  mettre à la corbeille toutes les copies de chaque groupe sauf celle que
                         --keep conserve (après une question sur un terminal, ou avec --yes), puis
                         indiquer ce qui a été déplacé et ce qui ne l&apos;a pas été (avec la raison)&#xa0;;
                         sans l&apos;un ni l&apos;autre, le plan est affiché et rien n&apos;est déplacé
  --yes                  déplacer sans demander
  --dry-run              montrer ce que --trash-all-but-first déplacerait, sans rien déplacer
  --help                 afficher ce texte
  -V, --version          afficher la version
Vers un fichier ou un tube, une exécution qui ne déplace rien affiche chaque groupe dès qu&apos;il est trouvé.
Quitte avec le code 1 si un élément n&apos;a pas pu être déplacé, 2 en cas d&apos;erreur d&apos;utilisation ou de
dossier inexistant ou illisible, 130 après Ctrl-C (une suppression s&apos;arrête après l&apos;élément en cours).
</translation>
    </message>
    <message>
        <source>reference</source>
        <extracomment>Marks a copy in a folder of originals in the list of a set&apos;s copies</extracomment>
        <translation>référence</translation>
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
        <translation>Aussi:
  --csv                  afficher les groupes en CSV (RFC 4180, UTF-8) : groupe, taille,
                         chemin, date de modification, conservé (yes pour la copie gardée)
  --empty                lister les fichiers vides, les dossiers vides (ne contenant que
                         des dossiers vides, nommés à leur sommet) et les liens symboliques
                         cassés au lieu des doublons ; avec --yes, tous vont à la
                         Corbeille, avec --dry-run le plan est affiché
</translation>
    </message>
    <message>
        <source>--csv and --json do not go together</source>
        <translation>--csv et --json ne vont pas ensemble</translation>
    </message>
    <message numerus="yes">
        <source>%1  %n item(s), %2
</source>
        <translation>
            <numerusform>%1  %n élément, %2
</numerusform>
            <numerusform>%1  %n éléments, %2
</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Found %n kind(s) of empty or broken items, %1 in all.
</source>
        <translation>
            <numerusform>%n sorte d’éléments vides ou cassés trouvée, %1 en tout.
</numerusform>
            <numerusform>%n sortes d’éléments vides ou cassés trouvées, %1 en tout.
</numerusform>
        </translation>
    </message>
    <message>
        <source>Digests of files that did not change since an earlier scan are kept in %1
and not read again (copies are still compared byte by byte before they go):
  --no-cache             read every file, and keep nothing for the next scan
  --clear-cache          forget the digests kept, scan nothing
</source>
        <translation>Les empreintes des fichiers inchangés depuis une analyse précédente sont conservées dans %1
et ne sont pas relues (les copies sont tout de même comparées octet par octet avant d’être retirées) :
  --no-cache             lire tous les fichiers et ne rien conserver pour l’analyse suivante
  --clear-cache          oublier les empreintes conservées, sans rien analyser
</translation>
    </message>
    <message>
        <source>could not remove %1: %2</source>
        <translation>impossible de supprimer %1 : %2</translation>
    </message>
    <message>
        <source>Forgot the digests kept in %1.
</source>
        <translation>Les empreintes conservées dans %1 ont été oubliées.
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
        <translation>  --link KIND            au lieu de la Corbeille : remplacer chaque copie de chaque
                         groupe, sauf celle que --keep conserve, par un lien vers cette
                         copie : hard (un seul système de fichiers), reflink (la copie
                         reste un fichier distinct qui partage les données de la copie
                         conservée, si le système de fichiers le permet) ou symbolic.
                         Chaque copie est d’abord comparée octet par octet ; une copie
                         modifiée depuis l’analyse est ignorée. --yes et --dry-run
                         agissent comme pour --trash-all-but-first. Indique l’espace
                         libéré
</translation>
    </message>
    <message>
        <source>%1 needs a kind: %2</source>
        <translation>%1 demande un type : %2</translation>
    </message>
    <message>
        <source>--link takes %1, not &quot;%2&quot;</source>
        <translation>--link accepte %1, pas « %2 »</translation>
    </message>
    <message>
        <source>--link and --trash-all-but-first cannot be given together</source>
        <translation>--link et --trash-all-but-first ne peuvent pas être donnés ensemble</translation>
    </message>
    <message>
        <source>--link and --empty cannot be given together</source>
        <translation>--link et --empty ne peuvent pas être donnés ensemble</translation>
    </message>
    <message>
        <source>                         (in a set, newer copies stay and are marked [recent];
                         a set is listed only when one of its copies may go)
</source>
        <translation>                         (dans un groupe, les copies plus récentes restent et sont marquées
                         [récent] ; un groupe n&apos;est listé que si l&apos;une de ses copies peut partir)
</translation>
    </message>
    <message>
        <source>recent</source>
        <extracomment>Marks a copy modified within --older-than DAYS, which stays, in the list of a set&apos;s copies</extracomment>
        <translation>récent</translation>
    </message>
</context>
<context>
    <name>EmptyFinder</name>
    <message>
        <source>Empty files</source>
        <translation>Fichiers vides</translation>
    </message>
    <message>
        <source>Empty folders</source>
        <translation>Dossiers vides</translation>
    </message>
    <message>
        <source>Broken links</source>
        <translation>Liens cassés</translation>
    </message>
    <message>
        <source>its target exists now</source>
        <translation>sa cible existe maintenant</translation>
    </message>
    <message>
        <source>it is no longer empty</source>
        <translation>il n’est plus vide</translation>
    </message>
    <message>
        <source>it is no longer what was found</source>
        <translation>ce n’est plus ce qui a été trouvé</translation>
    </message>
    <message>
        <source>it holds more than empty folders now</source>
        <translation>il contient maintenant plus que des dossiers vides</translation>
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
        <translation>Utilisation&#xa0;: sweepwright-cli extensions [--layout L] [--root R] [--home H] [--json]
                                         [--remove PATH... [--yes | --dry-run]]
Liste les modules complémentaires de l&apos;arborescence (extensions de navigateur, plugins,
modules d&apos;aperçu et de recherche, etc.), par catégorie, avec leur taille, chacun avec le
navigateur ou le bureau auquel il appartient et son profil de navigateur (JSON&#xa0;:
itemOwner, itemProfile), et s&apos;il est activé, là où les fichiers du navigateur l&apos;indiquent
(itemEnabled&#xa0;; absent sinon). Avec --remove, les éléments de ces chemins (tels que listés)
sont supprimés, après une question sur un terminal ou avec --yes&#xa0;; sinon, le plan est
affiché et rien n&apos;est supprimé (code de sortie 2). Les éléments que seul un administrateur
peut supprimer passent en dernier, après une seule demande de mot de passe. Ctrl-C arrête
l&apos;analyse, ou la suppression après l&apos;élément en cours (code de sortie 130).

  --json         afficher un seul objet JSON au lieu d&apos;une liste
  --remove PATH  supprimer le module complémentaire situé à PATH (répétable)
  --yes          supprimer sans demander
  --dry-run      montrer ce que --remove supprimerait, sans rien supprimer
  --help         afficher ce texte
  -V, --version  afficher la version
</translation>
    </message>
    <message>
        <source>found no add-on %1</source>
        <translation>aucun module complémentaire trouvé à %1</translation>
    </message>
    <message>
        <source>enabled</source>
        <comment>an add-on</comment>
        <translation>activé</translation>
    </message>
    <message>
        <source>disabled</source>
        <comment>an add-on</comment>
        <translation>désactivé</translation>
    </message>
    <message numerus="yes">
        <source>Found %n add-on(s), %1 in total.
</source>
        <translation>
            <numerusform>%n module complémentaire trouvé, %1 au total.
</numerusform>
            <numerusform>%n modules complémentaires trouvés, %1 au total.
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
        <translation>Utilisation&#xa0;: sweepwright-cli extract FILE [-C DIR] [options]
Extrait une archive (zip, 7z, rar, tar et ses formes compressées, iso, cab,
lzh...) ou un fichier winmail.dat. Sans -C, le contenu va dans un dossier nommé
d&apos;après FILE, dans un nouveau dossier privé du dossier temporaire, comme sur la
page Archives&#xa0;; la destination est affichée.

  -C DIR               écrire les entrées dans DIR exactement comme l&apos;archive les
                       nomme&#xa0;; DIR est créé si son dossier parent existe, et un
                       lien vers un dossier est suivi
  --password-file F    le mot de passe est la première ligne de F
  --password-stdin     le mot de passe est la première ligne de l&apos;entrée standard
                       Sans l&apos;une ou l&apos;autre option, il est demandé sur le
                       terminal, s&apos;il y en a un (trois fois au plus)&#xa0;; il n&apos;est
                       demandé que pour une archive qui en exige un.
  --encoding NAME      décoder les noms qui ne sont pas en UTF-8 avec NAME, un nom
                       ou alias de convertisseur ICU (Shift_JIS, GBK, windows-1252...)&#xa0;;
                       «&#xa0;auto&#xa0;» laisse le détecteur décider&#xa0;; «&#xa0;list&#xa0;» affiche les
                       plus courants.
                       Par défaut&#xa0;: celui choisi dans les préférences de l&apos;application
  --list               ne rien écrire&#xa0;; afficher le type, la taille et le chemin de
                       chaque entrée (taille «&#xa0;?&#xa0;» si l&apos;archive ne l&apos;indique pas)
  --json               afficher le résultat sous forme d&apos;objet JSON (en cas d&apos;échec aussi,
                       avec son &quot;error&quot;)&#xa0;; rien d&apos;autre ne va sur la sortie standard
  --help               afficher ce texte
  -V, --version        afficher la version

Les entrées qui aboutiraient hors de la destination (chemins absolus, «&#xa0;..&#xa0;», liens menant à
l&apos;extérieur, fichiers spéciaux) sont ignorées et signalées&#xa0;; les caractères de contrôle dans
les noms sont affichés échappés (\n, \x1b, \\). Un fichier est écrit sous un nom caché et ne
prend le sien qu&apos;une fois complet. Une extraction qui échoue ne laisse derrière elle aucun
dossier qu&apos;elle a créé. Code de sortie&#xa0;: 0 terminé&#xa0;; 1 le fichier est absent, endommagé,
tronqué ou dans un format non pris en charge, le mot de passe est incorrect ou manquant,
TMPDIR est inutilisable ou l&apos;espace disque a manqué&#xa0;; 2 erreur d&apos;utilisation&#xa0;; 130 Ctrl-C.
</translation>
    </message>
    <message>
        <source>%1 needs a folder</source>
        <translation>%1 requiert un dossier</translation>
    </message>
    <message>
        <source>%1 needs a file</source>
        <translation>%1 requiert un fichier</translation>
    </message>
    <message>
        <source>%1 needs an encoding name</source>
        <translation>%1 requiert un nom d&apos;encodage</translation>
    </message>
    <message>
        <source>unknown encoding &quot;%1&quot; (--encoding list prints the names)</source>
        <translation>encodage «&#xa0;%1&#xa0;» inconnu (--encoding list affiche les noms)</translation>
    </message>
    <message>
        <source>--password-file and --password-stdin exclude each other</source>
        <translation>--password-file et --password-stdin s&apos;excluent mutuellement</translation>
    </message>
    <message>
        <source>-C: %1 is a link that leads nowhere</source>
        <translation>-C&#xa0;: %1 est un lien qui ne mène nulle part</translation>
    </message>
    <message>
        <source>-C: the folder %1 does not exist</source>
        <translation>-C&#xa0;: le dossier %1 n&apos;existe pas</translation>
    </message>
    <message>
        <source>-C: cannot make the folder %1</source>
        <translation>-C&#xa0;: impossible de créer le dossier %1</translation>
    </message>
    <message>
        <source>-C: %1 is not a folder</source>
        <translation>-C&#xa0;: %1 n&apos;est pas un dossier</translation>
    </message>
    <message>
        <source>not a file</source>
        <translation>ce n&apos;est pas un fichier</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>annulé</translation>
    </message>
    <message>
        <source>what was written stays in %1</source>
        <translation>ce qui a été écrit reste dans %1</translation>
    </message>
    <message>
        <source>Listing</source>
        <translation>Listage</translation>
    </message>
    <message>
        <source>Extracting</source>
        <translation>Extraction</translation>
    </message>
    <message>
        <source>Password for %1: </source>
        <translation>Mot de passe pour %1&#xa0;: </translation>
    </message>
    <message>
        <source>Password required</source>
        <translation>Mot de passe requis</translation>
    </message>
    <message>
        <source>This archive format is not supported</source>
        <translation>Ce format d&apos;archive n&apos;est pas pris en charge</translation>
    </message>
    <message>
        <source>the file could not be extracted</source>
        <translation>le fichier n&apos;a pas pu être extrait</translation>
    </message>
</context>
<context>
    <name>ExtractReport</name>
    <message numerus="yes">
        <source>%n item(s) written before the error stay in %1</source>
        <translation>
            <numerusform>%n élément écrit avant l&apos;erreur reste dans %1</numerusform>
            <numerusform>%n éléments écrits avant l&apos;erreur restent dans %1</numerusform>
        </translation>
    </message>
    <message>
        <source>dir</source>
        <comment>an archive entry that is a folder</comment>
        <translation>dossier</translation>
    </message>
    <message>
        <source>link</source>
        <comment>an archive entry that is a symbolic link</comment>
        <translation>lien</translation>
    </message>
    <message>
        <source>file</source>
        <comment>an archive entry that is a file</comment>
        <translation>fichier</translation>
    </message>
    <message>
        <source>special file</source>
        <translation>fichier spécial</translation>
    </message>
    <message>
        <source>skipped %1: %2</source>
        <translation>%1 ignoré&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>ExtractToStatus</name>
    <message>
        <source>Open Folder</source>
        <translation>Ouvrir le dossier</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Extracting to %1…</source>
        <translation>Extraction vers %1…</translation>
    </message>
    <message>
        <source>Extracting to %1… %2%</source>
        <translation>Extraction vers %1… %2&#xa0;%</translation>
    </message>
    <message>
        <source>Extracted to %1</source>
        <translation>Extrait vers %1</translation>
    </message>
    <message numerus="yes">
        <source>Extracted to %1; %n item(s) left out</source>
        <translation>
            <numerusform>Extrait vers %1&#xa0;; %n élément ignoré</numerusform>
            <numerusform>Extrait vers %1&#xa0;; %n éléments ignorés</numerusform>
        </translation>
    </message>
    <message>
        <source>Extraction to %1 stopped</source>
        <translation>Extraction vers %1 arrêtée</translation>
    </message>
    <message>
        <source>Could not extract to %1: %2</source>
        <translation>Impossible d&apos;extraire vers %1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>FileTreeModel</name>
    <message>
        <source>Directory</source>
        <translation>Dossier</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Created</source>
        <translation>Création</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
</context>
<context>
    <name>FinderCommand</name>
    <message>
        <source>%1: no such folder</source>
        <translation>%1&#xa0;: dossier inexistant</translation>
    </message>
    <message>
        <source>%1: not a folder</source>
        <translation>%1&#xa0;: ce n&apos;est pas un dossier</translation>
    </message>
    <message>
        <source>%1: cannot be read</source>
        <translation>%1&#xa0;: lecture impossible</translation>
    </message>
    <message>
        <source>Default folders in the %1 layout: %2
</source>
        <translation>Dossiers par défaut de l&apos;arborescence %1&#xa0;: %2
</translation>
    </message>
</context>
<context>
    <name>FolderTree</name>
    <message>
        <source>changed while it was being removed</source>
        <translation>modifié pendant sa suppression</translation>
    </message>
    <message>
        <source>stopped before the end; the rest stays</source>
        <translation>arrêté avant la fin&#xa0;; le reste est conservé</translation>
    </message>
    <message>
        <source>another file system is mounted here; left alone</source>
        <translation>un autre système de fichiers est monté ici&#xa0;; ignoré</translation>
    </message>
    <message>
        <source>a folder was moved while it was being walked; stopped</source>
        <translation>un dossier a été déplacé pendant son parcours&#xa0;; arrêté</translation>
    </message>
    <message>
        <source>%1; it is left as %2</source>
        <translation>%1&#xa0;; il reste sous le nom %2</translation>
    </message>
</context>
<context>
    <name>FolderZip</name>
    <message>
        <source>Cannot write the zip file</source>
        <translation>Impossible d&apos;écrire le fichier zip</translation>
    </message>
    <message>
        <source>Not a folder: %1</source>
        <translation>Ce n&apos;est pas un dossier&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>GeneralPrefViewController</name>
    <message>
        <source>Start Sweepwright when you log in</source>
        <translation>Lancer Sweepwright à l&apos;ouverture de session</translation>
    </message>
    <message>
        <source>Release memory automatically when its use exceeds</source>
        <translation>Libérer la mémoire automatiquement quand son utilisation dépasse</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1&#xa0;%</translation>
    </message>
    <message>
        <source>Memory use is checked every 30 seconds while Sweepwright runs.</source>
        <translation>L&apos;utilisation de la mémoire est vérifiée toutes les 30 secondes tant que Sweepwright est ouvert.</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Général</translation>
    </message>
    <message>
        <source>Remember file digests between duplicate scans</source>
        <translation>Mémoriser les empreintes des fichiers entre deux recherches de doublons</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Unchanged files are not read again; copies are still compared byte by byte before they go.</source>
        <translation>Les fichiers inchangés ne sont pas relus ; les copies sont tout de même comparées octet par octet avant d’être retirées.</translation>
    </message>
    <message>
        <source>Clear the remembered digests</source>
        <translation>Effacer les empreintes mémorisées</translation>
    </message>
    <message>
        <source>The remembered digests are cleared.</source>
        <translation>Les empreintes mémorisées ont été effacées.</translation>
    </message>
    <message>
        <source>Could not clear %1.</source>
        <translation>Impossible d’effacer %1.</translation>
    </message>
</context>
<context>
    <name>GhostscriptRun</name>
    <message>
        <source>Ghostscript cannot be given a password with a backslash before a quote or at its end</source>
        <translation>Ghostscript ne peut pas recevoir un mot de passe contenant une barre oblique inverse devant un guillemet ou à la fin</translation>
    </message>
    <message>
        <source>the password could not be handed to Ghostscript</source>
        <translation>le mot de passe n&apos;a pas pu être transmis à Ghostscript</translation>
    </message>
    <message>
        <source>Ghostscript (gs) is not installed</source>
        <translation>Ghostscript (gs) n&apos;est pas installé</translation>
    </message>
    <message>
        <source>Ghostscript could not be started: %1</source>
        <translation>Impossible de lancer Ghostscript&#xa0;: %1</translation>
    </message>
    <message numerus="yes">
        <source>Ghostscript finished no page for %n second(s)</source>
        <translation>
            <numerusform>Ghostscript n&apos;a terminé aucune page pendant %n seconde</numerusform>
            <numerusform>Ghostscript n&apos;a terminé aucune page pendant %n secondes</numerusform>
        </translation>
    </message>
    <message>
        <source>Ghostscript was stopped</source>
        <translation>Ghostscript a été arrêté</translation>
    </message>
    <message>
        <source>Ghostscript reached its memory limit of %1</source>
        <translation>Ghostscript a atteint sa limite de mémoire de %1</translation>
    </message>
    <message>
        <source>Ghostscript stopped unexpectedly (it crashed or was killed)</source>
        <translation>Ghostscript s&apos;est arrêté de façon inattendue (plantage ou arrêt forcé)</translation>
    </message>
    <message>
        <source>Ghostscript ended with status %1</source>
        <translation>Ghostscript s&apos;est terminé avec le code %1</translation>
    </message>
    <message>
        <source>Ghostscript ended with status %1: %2</source>
        <translation>Ghostscript s&apos;est terminé avec le code %1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>HelperProgram</name>
    <message>
        <source>this command&apos;s program %1 is missing (looked for %2 and %3)</source>
        <translation>le programme %1 de cette commande est introuvable (chemins essayés&#xa0;: %2 et %3)</translation>
    </message>
    <message>
        <source>this command&apos;s program %1 is missing</source>
        <translation>le programme %1 de cette commande est introuvable</translation>
    </message>
    <message>
        <source>cannot run %1: %2</source>
        <translation>impossible d&apos;exécuter %1&#xa0;: %2</translation>
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
        <translation>Utilisation&#xa0;: sweepwright-cli history [--home H] [--json]
              sweepwright-cli history --put-back ID [--yes | --dry-run] [--json]
Liste ce que chaque outil a supprimé, dans la fenêtre et ici, du plus récent
au plus ancien : chaque passage avec son identifiant, son heure, son outil et
ce que sont devenus ses éléments (déplacés dans la Corbeille, supprimés
définitivement, non traités). L&apos;historique est conservé dans
$XDG_STATE_HOME/sweepwright/history.jsonl pendant un an, 10 Mo au plus.
--put-back ID remet à leur place les éléments que ce passage a déplacés dans
la Corbeille ; un élément ne remplace jamais ce qui s&apos;y trouve maintenant, et
ce qui ne peut pas revenir est indiqué avec la raison. Les éléments supprimés
définitivement ne peuvent pas revenir.

  --json          afficher un objet JSON au lieu de texte
  --put-back ID   remettre en place les éléments que le passage ID a déplacés
                  dans la Corbeille
  --yes           remettre en place sans demander
  --dry-run       montrer ce qui serait remis en place, sans rien modifier
  --help          afficher ce texte
  -V, --version   afficher la version
</translation>
    </message>
    <message>
        <source>%1 needs the id of a run</source>
        <translation>%1 demande l&apos;identifiant d&apos;un passage</translation>
    </message>
    <message>
        <source>--yes and --dry-run go with --put-back</source>
        <translation>--yes et --dry-run vont avec --put-back</translation>
    </message>
    <message>
        <source>Nothing has been removed yet.</source>
        <translation>Rien n&apos;a encore été supprimé.</translation>
    </message>
    <message>
        <source>(of %1)</source>
        <translation>(de %1)</translation>
    </message>
    <message>
        <source>no run &quot;%1&quot; in the history (see sweepwright-cli history)</source>
        <translation>aucun passage « %1 » dans l&apos;historique (voir sweepwright-cli history)</translation>
    </message>
    <message>
        <source>run %1 moved nothing to the Trash: nothing to put back</source>
        <translation>le passage %1 n&apos;a rien déplacé dans la Corbeille : rien à remettre en place</translation>
    </message>
    <message numerus="yes">
        <source>Put back %n item(s) (%1)?</source>
        <translation>
            <numerusform>Remettre en place %n élément (%1) ?</numerusform>
            <numerusform>Remettre en place %n éléments (%1) ?</numerusform>
        </translation>
    </message>
    <message>
        <source>could not record the put back: %1</source>
        <translation>impossible d&apos;enregistrer la remise en place : %1</translation>
    </message>
    <message>
        <source>Would put back: %1</source>
        <translation>Serait remis en place : %1</translation>
    </message>
    <message>
        <source>Deleted for good, cannot be put back: %1</source>
        <translation>Supprimé définitivement, ne peut pas être remis en place : %1</translation>
    </message>
    <message>
        <source>Put back: %1</source>
        <translation>Remis en place : %1</translation>
    </message>
    <message>
        <source>Could not put back %1: %2</source>
        <translation>Impossible de remettre en place %1 : %2</translation>
    </message>
</context>
<context>
    <name>HistoryWording</name>
    <message>
        <source>Put Back</source>
        <translation>Remise en place</translation>
    </message>
    <message>
        <source>Moved to the Trash</source>
        <translation>Déplacé dans la Corbeille</translation>
    </message>
    <message>
        <source>Deleted for good</source>
        <translation>Supprimé définitivement</translation>
    </message>
    <message>
        <source>Replaced with a link</source>
        <translation>Remplacé par un lien</translation>
    </message>
    <message>
        <source>Not done: %1</source>
        <translation>Non traité : %1</translation>
    </message>
    <message>
        <source>Refused: %1</source>
        <translation>Refusé : %1</translation>
    </message>
    <message>
        <source>Put back</source>
        <translation>Remis en place</translation>
    </message>
    <message>
        <source>%1 put back</source>
        <translation>%1 remis en place</translation>
    </message>
    <message>
        <source>%1 to the Trash</source>
        <translation>%1 dans la Corbeille</translation>
    </message>
    <message>
        <source>%1 deleted for good</source>
        <translation>%1 supprimés définitivement</translation>
    </message>
    <message>
        <source>%1 replaced with links</source>
        <translation>%1 remplacés par des liens</translation>
    </message>
    <message>
        <source>%1 not done</source>
        <translation>%1 non traités</translation>
    </message>
    <message>
        <source>%1 refused</source>
        <translation>%1 refusés</translation>
    </message>
    <message>
        <source>Nothing was removed</source>
        <translation>Rien n&apos;a été supprimé</translation>
    </message>
    <message numerus="yes">
        <source>%n item(s): %1</source>
        <translation>
            <numerusform>%n élément : %1</numerusform>
            <numerusform>%n éléments : %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>InputPaths</name>
    <message>
        <source>standard input (-) names no path</source>
        <translation>l&apos;entrée standard (-) n&apos;indique aucun chemin</translation>
    </message>
    <message>
        <source>cannot read standard input (-): %1</source>
        <translation>impossible de lire l&apos;entrée standard (-)&#xa0;: %1</translation>
    </message>
    <message>
        <source>standard input (-) holds more than %1 MiB of paths</source>
        <translation>l&apos;entrée standard (-) contient plus de %1 Mio de chemins</translation>
    </message>
</context>
<context>
    <name>InstalledApp</name>
    <message>
        <source>application bundle</source>
        <translation>paquet d&apos;application</translation>
    </message>
    <message>
        <source>AppImage</source>
        <translation>AppImage</translation>
    </message>
    <message>
        <source>application in the home</source>
        <translation>application du dossier personnel</translation>
    </message>
    <message>
        <source>Flatpak</source>
        <translation>Flatpak</translation>
    </message>
    <message>
        <source>Debian package</source>
        <translation>paquet Debian</translation>
    </message>
</context>
<context>
    <name>ItemCopy</name>
    <message>
        <source>Special file, not copied</source>
        <translation>Fichier spécial, non copié</translation>
    </message>
    <message>
        <source>The copy would replace the original</source>
        <translation>La copie remplacerait l&apos;original</translation>
    </message>
    <message>
        <source>A folder cannot be copied into itself</source>
        <translation>Un dossier ne peut pas être copié dans lui-même</translation>
    </message>
</context>
<context>
    <name>ItemMailer</name>
    <message>
        <source>Mail</source>
        <translation>Courriel</translation>
    </message>
    <message>
        <source>The attachment will not be protected</source>
        <translation>La pièce jointe ne sera pas protégée</translation>
    </message>
    <message>
        <source>These files come from an archive protected by a password. Attached as they are, anyone who gets the message can read them. Attach the archive instead to keep them protected: whoever gets it needs the password.</source>
        <translation>Ces fichiers proviennent d&apos;une archive protégée par un mot de passe. Joints tels quels, ils pourront être lus par toute personne qui reçoit le message. Joignez plutôt l&apos;archive pour qu&apos;ils restent protégés&#xa0;: il faudra le mot de passe pour l&apos;ouvrir.</translation>
    </message>
    <message>
        <source>Attach the Archive</source>
        <translation>Joindre l&apos;archive</translation>
    </message>
    <message>
        <source>Attach Unprotected</source>
        <translation>Joindre sans protection</translation>
    </message>
    <message>
        <source>The folder could not be packed for mail.</source>
        <translation>Le dossier n&apos;a pas pu être compressé pour l&apos;envoi par courriel.</translation>
    </message>
    <message>
        <source>The file could not be copied for mail.</source>
        <translation>Le fichier n&apos;a pas pu être copié pour l&apos;envoi par courriel.</translation>
    </message>
    <message>
        <source>No mail program could be started.</source>
        <translation>Aucun logiciel de messagerie n&apos;a pu être lancé.</translation>
    </message>
    <message>
        <source>Install xdg-utils and set up a mail program, or attach the file yourself: %1</source>
        <translation>Installez xdg-utils et configurez un logiciel de messagerie, ou joignez le fichier vous-même&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>JunkCommand</name>
    <message>
        <source>no category %1 in the %2 layout</source>
        <translation>aucune catégorie %1 dans l&apos;arborescence %2</translation>
    </message>
    <message>
        <source>Skipped, needs administrator rights (use --admin): %1</source>
        <translation>Ignoré, nécessite les droits d&apos;administrateur (utilisez --admin)&#xa0;: %1</translation>
    </message>
    <message>
        <source>no profile &quot;%1&quot; (there is &quot;scheduled&quot;)</source>
        <translation>aucun profil « %1 » (il existe « scheduled »)</translation>
    </message>
    <message>
        <source>--profile takes its categories from the settings; it cannot go with %1</source>
        <translation>--profile prend ses catégories dans les préférences ; il ne peut pas aller avec %1</translation>
    </message>
</context>
<context>
    <name>JunkHelp</name>
    <message>
        <source>empties the folders in ~/Library/Caches, ~/Library/Logs, the Caches and Logs of each app
container and the per-user cache folder; removes the files there</source>
        <translation>vide les dossiers de ~/Library/Caches, ~/Library/Logs, les dossiers Caches et Logs de chaque
conteneur d&apos;application et le dossier de cache propre à l&apos;utilisateur&#xa0;; y supprime les fichiers</translation>
    </message>
    <message>
        <source>entries of ~/Library/Preferences, /Library/LaunchAgents, ~/Library/Saved Application
State, ~/Library/Parallels and ~/.cleverfiles that belong to no installed application</source>
        <translation>les entrées de ~/Library/Preferences, /Library/LaunchAgents, ~/Library/Saved Application State,
~/Library/Parallels et ~/.cleverfiles qui n&apos;appartiennent à aucune application installée</translation>
    </message>
    <message>
        <source>empties the folders and removes the files in /Library/Caches and /System/Library/Caches</source>
        <translation>vide les dossiers et supprime les fichiers de /Library/Caches et /System/Library/Caches</translation>
    </message>
    <message>
        <source>empties the folders and removes the files in /Library/Logs and /var/log/asl</source>
        <translation>vide les dossiers et supprime les fichiers de /Library/Logs et /var/log/asl</translation>
    </message>
    <message>
        <source>Mail Downloads, and image and text attachments below ~/Library/Mail</source>
        <translation>le dossier Mail Downloads, ainsi que les pièces jointes (images et textes) sous ~/Library/Mail</translation>
    </message>
    <message>
        <source>iOS software updates (*.ipsw in ~/Library/iTunes/iPhone and iPad Software Updates) and
iOS apps (*.ipa in ~/Music/iTunes/iTunes Media/Mobile Applications)</source>
        <translation>les mises à jour logicielles iOS (*.ipsw dans ~/Library/iTunes/iPhone and iPad Software Updates)
et les applications iOS (*.ipa dans ~/Music/iTunes/iTunes Media/Mobile Applications)</translation>
    </message>
    <message>
        <source>the device backups in ~/Library/Application Support/MobileSync/Backup</source>
        <translation>les sauvegardes d&apos;appareils dans ~/Library/Application Support/MobileSync/Backup</translation>
    </message>
    <message>
        <source>the *.ipsw files that category 9 removes too</source>
        <translation>les fichiers *.ipsw que la catégorie 9 supprime aussi</translation>
    </message>
    <message>
        <source>everything in ~/.Trash</source>
        <translation>tout le contenu de ~/.Trash</translation>
    </message>
    <message>
        <source>everything in ~/Downloads</source>
        <translation>tout le contenu de ~/Downloads</translation>
    </message>
    <message>
        <source>empties the folders in ~/Library/Developer/Xcode/DerivedData</source>
        <translation>vide les dossiers de ~/Library/Developer/Xcode/DerivedData</translation>
    </message>
    <message>
        <source>empties Safari&apos;s and Chrome&apos;s history, cache, cookie and local-storage folders</source>
        <translation>vide les dossiers d&apos;historique, de cache, de cookies et de stockage local de Safari et de Chrome</translation>
    </message>
    <message>
        <source>empties the folders in the cache folder (~/.cache or XDG_CACHE_HOME) and in each Flatpak
app&apos;s ~/.var/app/ID/cache; removes the files there</source>
        <translation>vide les dossiers du dossier de cache (~/.cache ou XDG_CACHE_HOME) et du dossier
~/.var/app/ID/cache de chaque application Flatpak&#xa0;; y supprime les fichiers</translation>
    </message>
    <message>
        <source>desktop and autostart entries whose program is gone, and ~/.var/app data of Flatpak
apps installed nowhere</source>
        <translation>les entrées de menu et de démarrage automatique dont le programme a disparu, et les données
de ~/.var/app des applications Flatpak installées nulle part</translation>
    </message>
    <message>
        <source>empties the folders and removes the files in /var/cache (debconf&apos;s excepted); what only
root may remove is left unless --admin is given</source>
        <translation>vide les dossiers et supprime les fichiers de /var/cache (sauf ceux de debconf)&#xa0;; ce que seul
root peut supprimer est laissé en place, sauf avec --admin</translation>
    </message>
    <message>
        <source>empties the folders and removes the files in /var/log; what only root may remove is left
unless --admin is given</source>
        <translation>vide les dossiers et supprime les fichiers de /var/log&#xa0;; ce que seul root peut supprimer
est laissé en place, sauf avec --admin</translation>
    </message>
    <message>
        <source>what mail and browser programs left in /tmp/mozilla_USER0 (only when it is your own folder)</source>
        <translation>les restes des logiciels de courriel et des navigateurs dans /tmp/mozilla_USER0 (s&apos;il vous appartient)</translation>
    </message>
    <message>
        <source>everything in the Trash, and info files whose item is gone</source>
        <translation>tout le contenu de la corbeille, et les fichiers info dont l&apos;élément a disparu</translation>
    </message>
    <message>
        <source>everything in the Downloads folder (XDG_DOWNLOAD_DIR)</source>
        <translation>tout le contenu du dossier Téléchargements (XDG_DOWNLOAD_DIR)</translation>
    </message>
    <message>
        <source>empties the npm, Gradle, Cargo and Go package caches</source>
        <translation>vide les caches de paquets de npm, Gradle, Cargo et Go</translation>
    </message>
    <message>
        <source>empties Firefox&apos;s cache2 folders; removes Chrome&apos;s and Chromium&apos;s History, Cookies and
Local Storage of the Default profile</source>
        <translation>vide les dossiers cache2 de Firefox&#xa0;; supprime History, Cookies et Local Storage de Chrome
et de Chromium dans le profil Default</translation>
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
        <translation>Utilisation&#xa0;: sweepwright-cli junk [--layout L] [--root R] [--home H] [--json] [--category ID]... [--all]
                                   [--clean [--yes | --dry-run] [--admin]]
Analyse les catégories de fichiers inutiles et liste ce qu&apos;elles ont trouvé. Avec --clean, supprime
ensuite ce qui est coché&#xa0;: les éléments des catégories analysées, sauf ceux des catégories décochées au
départ (signalées «&#xa0;décochée&#xa0;» ci-dessous&#xa0;; elles sont prises si elles sont nommées avec --category),
l&apos;historique et les cookies des navigateurs, et ce que seul un administrateur peut supprimer (pris avec
--admin). Demande d&apos;abord confirmation sur un terminal&#xa0;; ailleurs, exige --yes et, sans cette option,
affiche le plan, ne supprime rien et quitte avec le code 2. Indique ce qui a été supprimé et ce qui n&apos;a
pas pu l&apos;être (avec la raison) et quitte avec le code 1 si un élément n&apos;a pas pu être supprimé. Ctrl-C
arrête l&apos;analyse, ou la suppression après l&apos;élément en cours (code de sortie 130).
Rien n&apos;est écrit dans les préférences&#xa0;; les éléments de démarrage ne sont pas modifiés.

  --json         afficher un seul objet JSON au lieu d&apos;un tableau
  --clean        supprimer les éléments cochés après l&apos;analyse
  --yes          supprimer sans demander
  --dry-run      montrer ce que --clean supprimerait, sans rien supprimer
  --admin        supprimer aussi ce qui exige un administrateur, avec une seule demande de mot de passe
  --category ID  analyser cette catégorie (répétable) au lieu de celles par défaut
  --all          analyser toutes les catégories de l&apos;arborescence
  --help         afficher ce texte
  -V, --version  afficher la version
</translation>
    </message>
    <message>
        <source>Categories of the %1 layout (* scanned by default) and what --clean removes:</source>
        <translation>Catégories de l&apos;arborescence %1 (* analysée par défaut) et ce que --clean supprime&#xa0;:</translation>
    </message>
    <message>
        <source>(unmarked)</source>
        <translation>(décochée)</translation>
    </message>
    <message>
        <source>  --profile scheduled
                 the run of the cleaning schedule (sweepwright-cli schedule): clean the
                 categories chosen for it in the preferences, leave what needs a password
                 and say what went in a desktop notification
</source>
        <translation>  --profile scheduled
                 l’exécution planifiée (sweepwright-cli schedule) : nettoyer les catégories choisies
                 pour elle dans les préférences, laisser ce qui demande un mot de passe et indiquer
                 ce qui a été supprimé dans une notification
</translation>
    </message>
</context>
<context>
    <name>JunkReport</name>
    <message numerus="yes">
        <source>Found %1 in %n item(s); %2 marked for removal.
</source>
        <translation>
            <numerusform>%n élément trouvé, soit %1&#xa0;; %2 à supprimer.
</numerusform>
            <numerusform>%n éléments trouvés, soit %1&#xa0;; %2 à supprimer.
</numerusform>
        </translation>
    </message>
    <message>
        <source>nothing found</source>
        <translation>aucun élément</translation>
    </message>
    <message>
        <source>all marked</source>
        <translation>tout coché</translation>
    </message>
    <message>
        <source>some marked</source>
        <translation>en partie coché</translation>
    </message>
    <message>
        <source>none marked</source>
        <translation>rien de coché</translation>
    </message>
    <message>
        <source>(needs administrator rights)</source>
        <translation>(nécessite les droits d&apos;administrateur)</translation>
    </message>
    <message>
        <source>No junk category is enabled.</source>
        <translation>Aucune catégorie de fichiers inutiles n&apos;est activée.</translation>
    </message>
    <message numerus="yes">
        <source>only items older than %n day(s)</source>
        <translation>
            <numerusform>seulement les éléments de plus de %n jour</numerusform>
            <numerusform>seulement les éléments de plus de %n jours</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>KeepList</name>
    <message>
        <source>it holds items that match your Never touch list</source>
        <translation>il contient des éléments qui correspondent à votre liste « Ne jamais toucher »</translation>
    </message>
    <message>
        <source>it matches %1 on your Never touch list</source>
        <translation>il correspond à %1 de votre liste « Ne jamais toucher »</translation>
    </message>
    <message>
        <source>it lies in %1, which matches %2 on your Never touch list</source>
        <translation>il se trouve dans %1, qui correspond à %2 de votre liste « Ne jamais toucher »</translation>
    </message>
</context>
<context>
    <name>KeepPathOption</name>
    <message>
        <source>%1 needs a path</source>
        <translation>%1 attend un chemin</translation>
    </message>
    <message>
        <source>  --keep-path PATH  leave PATH (and what lies in it) alone in this run, as the Never
                    touch list of the settings does; repeatable
</source>
        <translation>  --keep-path CHEMIN  laisser CHEMIN (et ce qu&apos;il contient) intact pendant cette
                    exécution, comme la liste « Ne jamais toucher » des préférences ;
                    répétable
</translation>
    </message>
</context>
<context>
    <name>KeepPrefViewController</name>
    <message>
        <source>Add &amp;Folder…</source>
        <translation>Ajouter un &amp;dossier…</translation>
    </message>
    <message>
        <source>Add a folder to keep</source>
        <translation>Ajouter un dossier à conserver</translation>
    </message>
    <message>
        <source>Add F&amp;ile…</source>
        <translation>Ajouter un &amp;fichier…</translation>
    </message>
    <message>
        <source>Add a file to keep</source>
        <translation>Ajouter un fichier à conserver</translation>
    </message>
    <message>
        <source>Add &amp;Pattern</source>
        <translation>Ajouter un &amp;motif</translation>
    </message>
    <message>
        <source>Add the pattern to keep</source>
        <translation>Ajouter le motif à conserver</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Retirer</translation>
    </message>
    <message>
        <source>Remove the chosen entries</source>
        <translation>Retirer les entrées choisies</translation>
    </message>
    <message>
        <source>Never touch list</source>
        <translation>Liste « Ne jamais toucher »</translation>
    </message>
    <message>
        <source>Pattern to keep</source>
        <translation>Motif à conserver</translation>
    </message>
    <message>
        <source>A pattern, such as ~/Downloads/*.iso</source>
        <translation>Un motif, comme ~/Downloads/*.iso</translation>
    </message>
    <message>
        <source>No tool lists, removes or shreds these folders and files, what lies in the folders, or what matches the patterns.</source>
        <translation>Aucun outil ne liste, ne supprime ni ne broie ces dossiers et fichiers, ce que contiennent les dossiers, ni ce qui correspond aux motifs.</translation>
    </message>
    <message>
        <source>Choose a Folder to Keep</source>
        <translation>Choisir un dossier à conserver</translation>
    </message>
    <message>
        <source>Choose Files to Keep</source>
        <translation>Choisir des fichiers à conserver</translation>
    </message>
    <message>
        <source>Never Touch</source>
        <translation>Ne pas toucher</translation>
    </message>
</context>
<context>
    <name>LargeCommand</name>
    <message numerus="yes">
        <source>Found %1 in %n item(s) of %2 or more.
</source>
        <translation>
            <numerusform>%n élément de %2 ou plus trouvé, soit %1.
</numerusform>
            <numerusform>%n éléments de %2 ou plus trouvés, soit %1.
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
        <translation>Utilisation&#xa0;: sweepwright-cli large [FOLDER...] [--layout L] [--root R] [--home H] [--json]
                                    [--trash [--yes | --dry-run]]
Liste les fichiers et paquets de 32 Mo et plus dans les dossiers (par défaut&#xa0;: ceux de
l&apos;arborescence, indiqués ci-dessous), en cinq tranches de taille. Un FOLDER «&#xa0;-&#xa0;» lit les dossiers
sur l&apos;entrée standard, un par ligne ou séparés par des octets NUL. Les dossiers cachés et les docsets
ne sont pas parcourus&#xa0;; les fichiers source, de compilation et de base de données sont exclus, de
même que les dossiers protégés du système, qui sont indiqués sur stderr. Avec --trash, chaque élément
listé est mis à la corbeille (restaurable depuis la corbeille du bureau), après une question sur un
terminal ou avec --yes&#xa0;; sinon, le plan est affiché et rien n&apos;est déplacé (code de sortie 2).
Ctrl-C arrête l&apos;analyse, ou le déplacement après l&apos;élément en cours (code de sortie 130).

  --json         afficher un seul objet JSON au lieu d&apos;un tableau
  --trash        mettre chaque élément listé à la corbeille, puis indiquer ce qui a été déplacé
  --yes          déplacer sans demander
  --dry-run      montrer ce que --trash déplacerait, sans rien déplacer
  --help         afficher ce texte
  -V, --version  afficher la version
</translation>
    </message>
</context>
<context>
    <name>LeftOutFolders</name>
    <message>
        <source>left out %1: %2</source>
        <translation>dossier %1 ignoré&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>LoginCommand</name>
    <message>
        <source>on</source>
        <comment>starts at login</comment>
        <translation>activé</translation>
    </message>
    <message>
        <source>off</source>
        <comment>does not start at login</comment>
        <translation>désactivé</translation>
    </message>
    <message>
        <source>application</source>
        <comment>a login item that is a menu application</comment>
        <translation>application</translation>
    </message>
    <message>
        <source>autostart</source>
        <comment>a login item that is an autostart entry</comment>
        <translation>démarrage automatique</translation>
    </message>
    <message>
        <source>(part of the desktop)</source>
        <translation>(fait partie du bureau)</translation>
    </message>
    <message numerus="yes">
        <source>%n item(s) start at login.</source>
        <translation>
            <numerusform>%n élément démarre à l&apos;ouverture de session.</numerusform>
            <numerusform>%n éléments démarrent à l&apos;ouverture de session.</numerusform>
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
        <translation>Utilisation&#xa0;: sweepwright-cli login [--layout L] [--root R] [--home H] [--json] [--all]
                                    [--on ID] [--off ID]
Liste ce qui démarre à l&apos;ouverture de session (activé), puis les entrées de démarrage automatique
désactivées (désactivé), chacune avec sa description&#xa0;; les entrées que le bureau lance lui-même
sont signalées «&#xa0;fait partie du bureau&#xa0;» et listées en dernier. --all liste ensuite les autres
applications du menu, que --on peut ajouter. --on écrit l&apos;entrée de démarrage automatique
ID.desktop de l&apos;utilisateur&#xa0;; --off supprime les entrées de l&apos;utilisateur pour l&apos;application, et
masque une entrée système par une entrée utilisateur indiquant Hidden=true. ID est l&apos;identifiant
du fichier .desktop sans «&#xa0;.desktop&#xa0;» (le nom du paquet d&apos;application dans l&apos;arborescence macos).

  --json          afficher un seul objet JSON au lieu d&apos;une liste
  --all           lister aussi les applications qui ne démarrent pas à l&apos;ouverture de session
  --on ID         activer ID à l&apos;ouverture de session (répétable)
  --off ID        désactiver ID à l&apos;ouverture de session (répétable)
  --help          afficher ce texte
  -V, --version   afficher la version
</translation>
    </message>
    <message>
        <source>%1 needs an id</source>
        <translation>%1 requiert un identifiant</translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot;</source>
        <translation>argument inattendu «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is both in --on and --off</source>
        <translation>«&#xa0;%1&#xa0;» figure à la fois dans --on et dans --off</translation>
    </message>
    <message>
        <source>no login item &quot;%1&quot; (see the list without --on and --off)</source>
        <translation>aucun élément de démarrage «&#xa0;%1&#xa0;» (voir la liste sans --on ni --off)</translation>
    </message>
    <message>
        <source>could not switch &quot;%1&quot; on</source>
        <translation>impossible d&apos;activer «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>could not switch &quot;%1&quot; off</source>
        <translation>impossible de désactiver «&#xa0;%1&#xa0;»</translation>
    </message>
</context>
<context>
    <name>LoginItemRow</name>
    <message>
        <source>Part of the desktop</source>
        <translation>Fait partie du bureau</translation>
    </message>
</context>
<context>
    <name>MASPreferencesWindowController</name>
    <message>
        <source>Panes</source>
        <translation>Panneaux</translation>
    </message>
</context>
<context>
    <name>MLoginItemsPage</name>
    <message>
        <source>Add an application…</source>
        <translation>Ajouter une application…</translation>
    </message>
    <message>
        <source>%1: starts at login</source>
        <translation>%1&#xa0;: démarre à l&apos;ouverture de session</translation>
    </message>
    <message>
        <source>%1: does not start at login</source>
        <translation>%1&#xa0;: ne démarre pas à l&apos;ouverture de session</translation>
    </message>
    <message>
        <source>Switch off “%1”?</source>
        <translation>Désactiver «&#xa0;%1&#xa0;»&#xa0;?</translation>
    </message>
    <message>
        <source>It is part of the desktop: the desktop starts it for itself when you log in. Switched off, what it does stops from the next login until you switch it on again.</source>
        <translation>Cet élément fait partie du bureau&#xa0;: le bureau le lance lui-même à l&apos;ouverture de session. Une fois désactivé, ce qu&apos;il fait s&apos;arrête dès la prochaine ouverture de session, jusqu&apos;à ce que vous le réactiviez.</translation>
    </message>
    <message>
        <source>Switch Off</source>
        <translation>Désactiver</translation>
    </message>
    <message>
        <source>No applications start at login</source>
        <translation>Aucune application ne démarre à l&apos;ouverture de session</translation>
    </message>
    <message>
        <source>Add an application to start it each time you log in.</source>
        <translation>Ajoutez une application pour la lancer à chaque ouverture de session.</translation>
    </message>
    <message>
        <source>Switching one off keeps it from starting the next time you log in.</source>
        <translation>Une application désactivée ne démarrera pas à la prochaine ouverture de session.</translation>
    </message>
    <message numerus="yes">
        <source>%n application(s) start at login</source>
        <translation>
            <numerusform>%n application démarre à l&apos;ouverture de session</numerusform>
            <numerusform>%n applications démarrent à l&apos;ouverture de session</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Switching one off keeps it from starting the next time you log in. %n part(s) of the desktop start too; they are listed last.</source>
        <translation>
            <numerusform>Une application désactivée ne démarrera pas à la prochaine ouverture de session. %n élément du bureau démarre aussi&#xa0;; il figure en fin de liste.</numerusform>
            <numerusform>Une application désactivée ne démarrera pas à la prochaine ouverture de session. %n éléments du bureau démarrent aussi&#xa0;; ils figurent en fin de liste.</numerusform>
        </translation>
    </message>
    <message>
        <source>Login items</source>
        <translation>Éléments de démarrage</translation>
    </message>
</context>
<context>
    <name>MarkedRemoval</name>
    <message>
        <source>needs administrator rights; skipped</source>
        <translation>nécessite les droits d&apos;administrateur&#xa0;; ignoré</translation>
    </message>
</context>
<context>
    <name>MemoryCommand</name>
    <message>
        <source>Memory (%L1 % in use)</source>
        <translation>Mémoire (%L1&#xa0;% utilisée)</translation>
    </message>
    <message>
        <source>Memory (usage unavailable: the figures contradict each other)</source>
        <translation>Mémoire (utilisation indisponible&#xa0;: les valeurs se contredisent)</translation>
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
        <translation>  utilisé       %1
  en cache      %2
  tampons       %3
  libre         %4
  actif         %5
  inactif       %6
  swap utilisé  %7 sur %8
  disponible    %9
  total         %10
Disque de %11
  utilisé       %12
  libre         %13
  total         %14
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
        <translation>Utilisation&#xa0;: sweepwright-cli memory [--layout L] [--home H] [--json] [--release]
Affiche les valeurs de la mémoire (depuis /proc/meminfo, ou SWEEPWRIGHT_PROC/meminfo)
ainsi que l&apos;espace utilisé et libre du volume qui contient le dossier Documents.
Avec --release, libère d&apos;abord de la mémoire&#xa0;: sollicite la mémoire libre et inactive par tranches
de 64 Mio, pour que le noyau récupère les pages inactives et le cache de fichiers, et s&apos;arrête plus
tôt&#xa0;: avant que la mémoire disponible ne passe sous max(10&#xa0;%, 512 Mio), quand le système commence à
utiliser le swap ou quand la pression sur la mémoire augmente. La quantité libérée est la variation
de la mémoire libre&#xa0;; elle est négative si d&apos;autres programmes ont pris de la mémoire entre-temps.

Une libération s&apos;arrête au plus tard après %1 Gio de ce travail ou %2 secondes. Des valeurs
qui se contredisent (plus de mémoire libre que de mémoire installée) sont affichées ramenées
à la taille installée, avec l&apos;utilisation indisponible (null en JSON), et rien n&apos;est libéré.

  --json         afficher un seul objet JSON (avec --release, aussi &quot;releasedMemory&quot;,
                 &quot;touchedMemory&quot; et &quot;releaseEnd&quot;)
  --release      libérer d&apos;abord de la mémoire
  --help         afficher ce texte
  -V, --version  afficher la version
</translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot;</source>
        <translation>argument inattendu «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>cannot read the memory figures from %1/meminfo</source>
        <translation>impossible de lire les valeurs de la mémoire dans %1/meminfo</translation>
    </message>
    <message>
        <source>Released Memory: %1 (%2 touched; %3)</source>
        <translation>Mémoire libérée&#xa0;: %1 (%2 sollicités&#xa0;; %3)</translation>
    </message>
</context>
<context>
    <name>MemoryRelease</name>
    <message>
        <source>done</source>
        <translation>terminé</translation>
    </message>
    <message>
        <source>stopped: available memory near its floor</source>
        <translation>arrêté&#xa0;: mémoire disponible proche de son seuil minimal</translation>
    </message>
    <message>
        <source>stopped: the system began to swap</source>
        <translation>arrêté&#xa0;: le système a commencé à utiliser le swap</translation>
    </message>
    <message>
        <source>stopped: memory pressure</source>
        <translation>arrêté&#xa0;: pression sur la mémoire</translation>
    </message>
    <message>
        <source>stopped: memory figures unreadable</source>
        <translation>arrêté&#xa0;: valeurs de la mémoire illisibles</translation>
    </message>
    <message>
        <source>stopped: memory figures inconsistent</source>
        <translation>arrêté&#xa0;: valeurs de la mémoire incohérentes</translation>
    </message>
    <message>
        <source>stopped: the most one release may do was done</source>
        <translation>arrêté&#xa0;: le maximum permis pour une libération a été atteint</translation>
    </message>
</context>
<context>
    <name>ORBigDataCollection</name>
    <message>
        <source>32 MB to 128 MB</source>
        <translation>De 32 à 128 Mo</translation>
    </message>
    <message>
        <source>Files of 32 MB and more, below 128 MB</source>
        <translation>Fichiers de 32 Mo et plus, mais de moins de 128 Mo</translation>
    </message>
    <message>
        <source>128 MB to 256 MB</source>
        <translation>De 128 à 256 Mo</translation>
    </message>
    <message>
        <source>Files of 128 MB and more, below 256 MB</source>
        <translation>Fichiers de 128 Mo et plus, mais de moins de 256 Mo</translation>
    </message>
    <message>
        <source>256 MB to 512 MB</source>
        <translation>De 256 à 512 Mo</translation>
    </message>
    <message>
        <source>Files of 256 MB and more, below 512 MB</source>
        <translation>Fichiers de 256 Mo et plus, mais de moins de 512 Mo</translation>
    </message>
    <message>
        <source>512 MB to 1 GB</source>
        <translation>De 512 Mo à 1 Go</translation>
    </message>
    <message>
        <source>Files of 512 MB and more, below 1 GB</source>
        <translation>Fichiers de 512 Mo et plus, mais de moins de 1 Go</translation>
    </message>
    <message>
        <source>1 GB and more</source>
        <translation>1 Go et plus</translation>
    </message>
    <message>
        <source>Files of 1 GB and more</source>
        <translation>Fichiers de 1 Go et plus</translation>
    </message>
</context>
<context>
    <name>ORBigNoVeiwCter</name>
    <message>
        <source>Large Files</source>
        <translation>Gros fichiers</translation>
    </message>
    <message>
        <source>No large files were found in these folders.</source>
        <translation>Aucun gros fichier n&apos;a été trouvé dans ces dossiers.</translation>
    </message>
</context>
<context>
    <name>ORBigResultViewCter</name>
    <message numerus="yes">
        <source>%n file(s)</source>
        <translation>
            <numerusform>%n fichier</numerusform>
            <numerusform>%n fichiers</numerusform>
        </translation>
    </message>
    <message>
        <source>File Sizes</source>
        <translation>Tailles de fichier</translation>
    </message>
</context>
<context>
    <name>ORBigViewCter</name>
    <message>
        <source>Large Files</source>
        <translation>Gros fichiers</translation>
    </message>
    <message>
        <source>Find the files of 32 MB and more in these folders and move the ones you no longer need to the Trash.</source>
        <translation>Trouvez les fichiers de 32 Mo et plus dans ces dossiers et mettez à la corbeille ceux dont vous n&apos;avez plus besoin.</translation>
    </message>
</context>
<context>
    <name>ORDupDataCollection</name>
    <message>
        <source>In a reference folder: originals are never removed</source>
        <translation>Dans un dossier de référence : les originaux ne sont jamais supprimés</translation>
    </message>
    <message numerus="yes">
        <source>Modified in the last %n day(s): only older copies go</source>
        <translation>
            <numerusform>Modifiée depuis moins de %n jour : seules les copies plus anciennes partent</numerusform>
            <numerusform>Modifiée depuis moins de %n jours : seules les copies plus anciennes partent</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ORDupNoViewCter</name>
    <message>
        <source>Duplicates</source>
        <translation>Doublons</translation>
    </message>
    <message>
        <source>No duplicates were found in these folders.</source>
        <translation>Aucun doublon n&apos;a été trouvé dans ces dossiers.</translation>
    </message>
</context>
<context>
    <name>ORDupResultItemObject</name>
    <message>
        <source>No duplicates here</source>
        <translation>Aucun doublon ici</translation>
    </message>
    <message>
        <source>Choose another kind, or search for another name.</source>
        <translation>Choisissez un autre type ou recherchez un autre nom.</translation>
    </message>
    <message numerus="yes">
        <source>%n copies of %1 each; one copy is always kept.</source>
        <translation>
            <numerusform>%n copie de %1&#xa0;; une copie est toujours conservée.</numerusform>
            <numerusform>%n copies de %1 chacune&#xa0;; une copie est toujours conservée.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 copy of %1 is listed; the others lie in protected places.</source>
        <translation>1 copie de %1 listée&#xa0;; les autres se trouvent dans des emplacements protégés.</translation>
    </message>
    <message numerus="yes">
        <source>%n item(s), %1 in all; each may go to the Trash.</source>
        <translation>
            <numerusform>%n élément, %1 ; il peut aller à la Corbeille.</numerusform>
            <numerusform>%n éléments, %1 en tout ; chacun peut aller à la Corbeille.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ORDupResultViewCter</name>
    <message>
        <source>Select every copy but one of each group listed, or clear them</source>
        <translation>Sélectionner toutes les copies sauf une dans chaque groupe affiché, ou tout désélectionner</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Tous</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Liste</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Aperçu</translation>
    </message>
    <message>
        <source>Search by name</source>
        <translation>Rechercher par nom</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Copies</source>
        <translation>Copies</translation>
    </message>
    <message>
        <source>Sort the groups</source>
        <translation>Trier les groupes</translation>
    </message>
    <message>
        <source>Which copy of each group Select keeps. Best original keeps the copy outside Downloads, the Trash and temporary folders, without a copy mark such as &quot;(1)&quot; in its name, the oldest, in the deepest folder.</source>
        <translation>La copie de chaque groupe que «&#xa0;Sélectionner&#xa0;» conserve. «&#xa0;Meilleur original&#xa0;» conserve la copie située hors des Téléchargements, de la corbeille et des dossiers temporaires, sans marque de copie telle que «&#xa0;(1)&#xa0;» dans son nom, la plus ancienne, dans le dossier le plus profond.</translation>
    </message>
    <message>
        <source>All duplicates</source>
        <translation>Tous les doublons</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n set(s), %2</source>
        <extracomment>The kind listed (&quot;All duplicates&quot;, &quot;Documents&quot;, ...), the number of sets and their size</extracomment>
        <translation>
            <numerusform>%1&#xa0;: %n groupe, %2</numerusform>
            <numerusform>%1&#xa0;: %n groupes, %2</numerusform>
        </translation>
    </message>
    <message>
        <source>Each set holds copies of one file. Select keeps one copy of each set.</source>
        <translation>Chaque groupe contient les copies d&apos;un même fichier. «&#xa0;Sélectionner&#xa0;» conserve une copie de chaque groupe.</translation>
    </message>
    <message>
        <source>Groups of duplicates</source>
        <translation>Groupes de doublons</translation>
    </message>
    <message>
        <source>Kind of files</source>
        <translation>Type de fichiers</translation>
    </message>
    <message>
        <source>Show as</source>
        <translation>Affichage</translation>
    </message>
    <message>
        <source>Search the duplicates by name</source>
        <translation>Rechercher les doublons par nom</translation>
    </message>
    <message>
        <source>The copy Select keeps</source>
        <translation>Copie conservée par «&#xa0;Sélectionner&#xa0;»</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Exporter…</translation>
    </message>
    <message>
        <source>Export the result</source>
        <translation>Exporter le résultat</translation>
    </message>
    <message>
        <source>Save the groups as a CSV table, or as JSON to open again later</source>
        <translation>Enregistrer les groupes en tableau CSV, ou en JSON pour les rouvrir plus tard</translation>
    </message>
    <message numerus="yes">
        <source>Empty and broken: %n item(s), %1</source>
        <translation>
            <numerusform>Vides et cassés : %n élément, %1</numerusform>
            <numerusform>Vides et cassés : %n éléments, %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Empty files, folders that hold only empty folders, and links whose target is missing.</source>
        <translation>Fichiers vides, dossiers ne contenant que des dossiers vides, et liens dont la cible manque.</translation>
    </message>
</context>
<context>
    <name>ORDupViewCter</name>
    <message>
        <source>Duplicates</source>
        <translation>Doublons</translation>
    </message>
    <message>
        <source>Quick scan: compare samples only, not whole files</source>
        <translation>Analyse rapide&#xa0;: comparer des extraits seulement, pas les fichiers entiers</translation>
    </message>
    <message>
        <source>Faster, but files that agree only in the parts compared are reported as duplicates too.</source>
        <translation>Plus rapide, mais des fichiers identiques seulement dans les parties comparées sont aussi signalés comme doublons.</translation>
    </message>
    <message>
        <source>Files of %1 and less are not compared.</source>
        <translation>Les fichiers de %1 ou moins ne sont pas comparés.</translation>
    </message>
    <message numerus="yes">
        <source>Found %n set(s) of duplicates, %1</source>
        <translation>
            <numerusform>%n groupe de doublons trouvé, %1</numerusform>
            <numerusform>%n groupes de doublons trouvés, %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Empty and broken</source>
        <translation>Vides et cassés</translation>
    </message>
    <message>
        <source>What to find</source>
        <translation>Que chercher</translation>
    </message>
    <message>
        <source>Copies of the same file, or empty files, empty folders and broken links</source>
        <translation>Copies d’un même fichier, ou fichiers vides, dossiers vides et liens cassés</translation>
    </message>
    <message>
        <source>Open a Saved Result…</source>
        <translation>Ouvrir un résultat…</translation>
    </message>
    <message>
        <source>Open a saved result</source>
        <translation>Ouvrir un résultat enregistré</translation>
    </message>
    <message>
        <source>Open a result exported as JSON; it is checked against the disk first</source>
        <translation>Ouvrir un résultat exporté en JSON ; il est d’abord vérifié sur le disque</translation>
    </message>
    <message>
        <source>Open a Saved Result</source>
        <translation>Ouvrir un résultat enregistré</translation>
    </message>
    <message>
        <source>Saved results (*.json)</source>
        <translation>Résultats enregistrés (*.json)</translation>
    </message>
    <message numerus="yes">
        <source>%n item(s) of the saved result were left out: they changed since it was saved, or cannot be acted on.</source>
        <translation>
            <numerusform>%n élément du résultat enregistré a été écarté : il a changé depuis l’enregistrement ou ne peut pas être traité.</numerusform>
            <numerusform>%n éléments du résultat enregistré ont été écartés : ils ont changé depuis l’enregistrement ou ne peuvent pas être traités.</numerusform>
        </translation>
    </message>
    <message>
        <source>Find the files that are stored more than once in these folders and move the extra copies to the Trash or replace them with links.</source>
        <translation>Trouvez les fichiers enregistrés plusieurs fois dans ces dossiers et mettez les copies en trop à la corbeille ou remplacez-les par des liens.</translation>
    </message>
</context>
<context>
    <name>ORExtDataCollection</name>
    <message>
        <source>Extensions</source>
        <translation>Extensions</translation>
    </message>
    <message>
        <source>Kernel extensions: drivers and system features that applications added.</source>
        <translation>Extensions du noyau&#xa0;: pilotes et fonctions système ajoutés par des applications.</translation>
    </message>
    <message>
        <source>Kernel</source>
        <translation>Noyau</translation>
    </message>
    <message>
        <source>Browser Extensions</source>
        <translation>Extensions de navigateur</translation>
    </message>
    <message>
        <source>Add-ons installed in the profiles of your web browsers. A removed extension is gone once the browser has been restarted.</source>
        <translation>Modules complémentaires installés dans les profils de vos navigateurs web. Une extension supprimée disparaît une fois le navigateur redémarré.</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>Navigateur</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Préférences</translation>
    </message>
    <message>
        <source>Preference panes that applications added to System Preferences.</source>
        <translation>Panneaux de préférences ajoutés par des applications aux Préférences Système.</translation>
    </message>
    <message>
        <source>System Preferences</source>
        <translation>Préférences Système</translation>
    </message>
    <message>
        <source>Desktop Extensions</source>
        <translation>Extensions du bureau</translation>
    </message>
    <message>
        <source>Shell extensions, widgets and applets you added to your desktop. A removed one is gone once the desktop shell has been restarted or you have logged in again.</source>
        <translation>Extensions du shell, widgets et applets que vous avez ajoutés à votre bureau. Un élément supprimé disparaît une fois le shell du bureau redémarré ou après une nouvelle ouverture de session.</translation>
    </message>
    <message>
        <source>Desktop</source>
        <translation>Bureau</translation>
    </message>
    <message>
        <source>Internet Plug-Ins</source>
        <translation>Plugins Internet</translation>
    </message>
    <message>
        <source>Plug-ins that browsers and other programs load to show web content.</source>
        <translation>Plugins que les navigateurs et d&apos;autres programmes chargent pour afficher du contenu web.</translation>
    </message>
    <message>
        <source>Browsers</source>
        <translation>Navigateurs</translation>
    </message>
    <message>
        <source>Browser Plug-Ins</source>
        <translation>Plugins de navigateur</translation>
    </message>
    <message>
        <source>Plug-in libraries the browsers load from your home folder. A removed plug-in is gone once the browser has been restarted.</source>
        <translation>Bibliothèques de plugins que les navigateurs chargent depuis votre dossier personnel. Un plugin supprimé disparaît une fois le navigateur redémarré.</translation>
    </message>
    <message>
        <source>Mozilla</source>
        <translation>Mozilla</translation>
    </message>
    <message>
        <source>QuickLook Plug-Ins</source>
        <translation>Plugins Coup d&apos;œil</translation>
    </message>
    <message>
        <source>Plug-ins that let Quick Look preview more kinds of files.</source>
        <translation>Plugins qui permettent à Coup d&apos;œil d&apos;afficher l&apos;aperçu d&apos;autres types de fichiers.</translation>
    </message>
    <message>
        <source>Quick Look</source>
        <translation>Coup d&apos;œil</translation>
    </message>
    <message>
        <source>Thumbnailers</source>
        <translation>Générateurs de vignettes</translation>
    </message>
    <message>
        <source>Programs that draw the previews of files in your file manager. Previews drawn already stay until the file manager has been restarted and the thumbnail cache cleaned.</source>
        <translation>Programmes qui créent les vignettes des fichiers dans votre gestionnaire de fichiers. Les vignettes déjà créées restent jusqu&apos;au redémarrage du gestionnaire de fichiers et au nettoyage du cache des vignettes.</translation>
    </message>
    <message>
        <source>File manager</source>
        <translation>Gestionnaire de fichiers</translation>
    </message>
    <message>
        <source>Spotlight Plug-Ins</source>
        <translation>Plugins Spotlight</translation>
    </message>
    <message>
        <source>Plug-ins that let Spotlight search more kinds of files.</source>
        <translation>Plugins qui permettent à Spotlight de rechercher dans d&apos;autres types de fichiers.</translation>
    </message>
    <message>
        <source>Spotlight</source>
        <translation>Spotlight</translation>
    </message>
    <message>
        <source>Search Providers</source>
        <translation>Fournisseurs de recherche</translation>
    </message>
    <message>
        <source>Applications that add their results to the desktop&apos;s search. A removed provider is gone once the desktop shell has been restarted.</source>
        <translation>Applications qui ajoutent leurs résultats à la recherche du bureau. Un fournisseur supprimé disparaît une fois le shell du bureau redémarré.</translation>
    </message>
    <message>
        <source>Desktop search</source>
        <translation>Recherche du bureau</translation>
    </message>
</context>
<context>
    <name>ORExtensionResultViewCter</name>
    <message>
        <source>Enabled</source>
        <translation>Activée</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Désactivée</translation>
    </message>
    <message>
        <source>Extensions</source>
        <translation>Extensions</translation>
    </message>
    <message>
        <source>Nothing of this kind is installed.</source>
        <translation>Rien de ce type n&apos;est installé.</translation>
    </message>
</context>
<context>
    <name>ORExtensionViewCter</name>
    <message>
        <source>Extensions</source>
        <translation>Extensions</translation>
    </message>
    <message>
        <source>See the add-ons installed in your browsers and your desktop, and remove the ones you no longer use.</source>
        <translation>Consultez les modules complémentaires installés dans vos navigateurs et sur votre bureau, et supprimez ceux que vous n&apos;utilisez plus.</translation>
    </message>
</context>
<context>
    <name>ORFileConvertViewCter</name>
    <message>
        <source>Icons</source>
        <translation>Icônes</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Liste</translation>
    </message>
    <message>
        <source>In %1. These files are a temporary copy, removed when you leave this page: save them or extract them to keep them.</source>
        <translation>Dans %1. Ces fichiers sont une copie temporaire, supprimée lorsque vous quittez cette page&#xa0;: enregistrez-les ou extrayez-les pour les conserver.</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message numerus="yes">
        <source>%n item(s) could not be saved.</source>
        <translation>
            <numerusform>%n élément n&apos;a pas pu être enregistré.</numerusform>
            <numerusform>%n éléments n&apos;ont pas pu être enregistrés.</numerusform>
        </translation>
    </message>
    <message>
        <source>Extract To</source>
        <translation>Extraire vers</translation>
    </message>
    <message>
        <source>Extract</source>
        <translation>Extraire</translation>
    </message>
    <message>
        <source>The folder %1 could not be made</source>
        <translation>Impossible de créer le dossier %1</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 n&apos;est pas un dossier</translation>
    </message>
    <message>
        <source>Show as</source>
        <translation>Affichage</translation>
    </message>
    <message>
        <source>Extracted files</source>
        <translation>Fichiers extraits</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Retour</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;Enregistrer…</translation>
    </message>
    <message>
        <source>&amp;Extract to...</source>
        <translation>E&amp;xtraire vers…</translation>
    </message>
    <message>
        <source>&amp;Mail</source>
        <translation>Envoyer par &amp;courriel</translation>
    </message>
</context>
<context>
    <name>ORFileDataCollection</name>
    <message>
        <source>A winmail file is listed only by decoding it</source>
        <translation>Un fichier winmail ne peut être listé qu&apos;en le décodant</translation>
    </message>
    <message>
        <source>Cannot create the folder</source>
        <translation>Impossible de créer le dossier</translation>
    </message>
    <message>
        <source>Not a winmail.dat file, or a damaged one</source>
        <translation>Ce n&apos;est pas un fichier winmail.dat, ou il est endommagé</translation>
    </message>
    <message>
        <source>Cannot read the file</source>
        <translation>Impossible de lire le fichier</translation>
    </message>
    <message>
        <source>Cannot create the folder %1</source>
        <translation>Impossible de créer le dossier %1</translation>
    </message>
</context>
<context>
    <name>ORFileDropView</name>
    <message>
        <source>Drop an archive or a winmail.dat file here</source>
        <translation>Déposez une archive ou un fichier winmail.dat ici</translation>
    </message>
    <message>
        <source>or</source>
        <translation>ou</translation>
    </message>
    <message>
        <source>Choose a File...</source>
        <translation>Choisir un fichier…</translation>
    </message>
    <message>
        <source>Choose an Archive</source>
        <translation>Choisir une archive</translation>
    </message>
    <message>
        <source>Archives (%1)</source>
        <translation>Archives (%1)</translation>
    </message>
</context>
<context>
    <name>ORFileIntroViewCter</name>
    <message>
        <source>Unarchive error or password error, try again!</source>
        <translation>Échec de l&apos;extraction ou mot de passe incorrect. Veuillez réessayer.</translation>
    </message>
    <message>
        <source>This archive format is not supported</source>
        <translation>Ce format d&apos;archive n&apos;est pas pris en charge</translation>
    </message>
    <message>
        <source>Not enough free space</source>
        <translation>Espace libre insuffisant</translation>
    </message>
    <message>
        <source>Archives</source>
        <translation>Archives</translation>
    </message>
    <message>
        <source>Open zip, rar, 7z, tar and many other archives, and the attachments in winmail.dat files: see what is inside, then open, save or mail it.</source>
        <translation>Ouvrez les archives zip, rar, 7z, tar et bien d&apos;autres, ainsi que les pièces jointes des fichiers winmail.dat&#xa0;: voyez leur contenu, puis ouvrez-le, enregistrez-le ou envoyez-le par courriel.</translation>
    </message>
    <message>
        <source>File name encoding:</source>
        <translation>Encodage des noms de fichier&#xa0;:</translation>
    </message>
    <message>
        <source>zip, rar, 7z, tar, gz, bz2, xz, iso, cab, lzh, arj, cpio, deb, rpm, winmail.dat and more</source>
        <translation>zip, rar, 7z, tar, gz, bz2, xz, iso, cab, lzh, arj, cpio, deb, rpm, winmail.dat et plus encore</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Extracting...</source>
        <translation>Extraction…</translation>
    </message>
</context>
<context>
    <name>ORFolderTableCellView</name>
    <message>
        <source>Remove from the List</source>
        <translation>Supprimer de la liste</translation>
    </message>
    <message>
        <source>Reference Folder</source>
        <translation>Dossier de référence</translation>
    </message>
    <message>
        <source>Reference folder: the originals live here and its copies are never selected. Click to make it an ordinary folder.</source>
        <translation>Dossier de référence : les originaux sont ici et ses copies ne sont jamais sélectionnées. Cliquez pour en faire un dossier ordinaire.</translation>
    </message>
    <message>
        <source>Make this a reference folder: the originals live here and its copies are never selected.</source>
        <translation>En faire un dossier de référence : les originaux sont ici et ses copies ne sont jamais sélectionnées.</translation>
    </message>
</context>
<context>
    <name>ORItemTableCellView</name>
    <message>
        <source>Show in the File Manager</source>
        <translation>Afficher dans le gestionnaire de fichiers</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Aperçu</translation>
    </message>
</context>
<context>
    <name>ORJunkFilesCollection</name>
    <message>
        <source>Application Junk Files</source>
        <translation>Fichiers inutiles des applications</translation>
    </message>
    <message>
        <source>Caches and logs that applications keep to start and work faster. An application makes them again when it needs them.</source>
        <translation>Caches et journaux que les applications conservent pour démarrer et fonctionner plus vite. Une application les recrée lorsqu&apos;elle en a besoin.</translation>
    </message>
    <message>
        <source>Leftover Files</source>
        <translation>Restes d&apos;applications</translation>
    </message>
    <message>
        <source>Settings, saved window states and launch agents of applications other than the system&apos;s own.</source>
        <translation>Préférences, états de fenêtres enregistrés et agents de lancement des applications autres que celles du système.</translation>
    </message>
    <message>
        <source>Menu and login entries whose program is no longer installed, and the data of Flatpak applications that were removed.</source>
        <translation>Entrées de menu et de démarrage dont le programme n&apos;est plus installé, et données des applications Flatpak qui ont été supprimées.</translation>
    </message>
    <message>
        <source>System Cache Files</source>
        <translation>Fichiers de cache du système</translation>
    </message>
    <message>
        <source>Caches of the system&apos;s own programs and services. They are made again when needed.</source>
        <translation>Caches des programmes et services du système. Ils sont recréés au besoin.</translation>
    </message>
    <message>
        <source>Caches of the system&apos;s programs in /var/cache, such as packages the package manager downloaded. They are made again when needed.</source>
        <translation>Caches des programmes du système dans /var/cache, comme les paquets téléchargés par le gestionnaire de paquets. Ils sont recréés au besoin.</translation>
    </message>
    <message>
        <source>System Log Files</source>
        <translation>Journaux du système</translation>
    </message>
    <message>
        <source>Records of what the system and its services did. They help to find the cause of a fault; nothing needs them to run.</source>
        <translation>Traces de l&apos;activité du système et de ses services. Elles aident à trouver la cause d&apos;une panne&#xa0;; aucun programme n&apos;en a besoin pour fonctionner.</translation>
    </message>
    <message>
        <source>Mail Attachments</source>
        <translation>Pièces jointes des courriels</translation>
    </message>
    <message>
        <source>Copies of attachments saved when you opened them. The messages keep their own copy.</source>
        <translation>Copies des pièces jointes enregistrées lorsque vous les avez ouvertes. Les messages conservent leur propre copie.</translation>
    </message>
    <message>
        <source>iTunes Junk Files</source>
        <translation>Fichiers inutiles d&apos;iTunes</translation>
    </message>
    <message>
        <source>iPhone and iPad software updates and copies of their applications that iTunes downloaded.</source>
        <translation>Mises à jour logicielles d&apos;iPhone et d&apos;iPad et copies de leurs applications téléchargées par iTunes.</translation>
    </message>
    <message>
        <source>iOS Backups</source>
        <translation>Sauvegardes iOS</translation>
    </message>
    <message>
        <source>Backups of iPhones and iPads made on this computer.</source>
        <translation>Sauvegardes d&apos;iPhone et d&apos;iPad effectuées sur cet ordinateur.</translation>
    </message>
    <message>
        <source>iOS Software Updates</source>
        <translation>Mises à jour logicielles iOS</translation>
    </message>
    <message>
        <source>Software updates for iPhones and iPads that were downloaded.</source>
        <translation>Mises à jour logicielles téléchargées pour iPhone et iPad.</translation>
    </message>
    <message>
        <source>Trash</source>
        <translation>Corbeille</translation>
    </message>
    <message>
        <source>Everything you moved to the Trash and did not empty yet.</source>
        <translation>Tout ce que vous avez mis à la corbeille sans l&apos;avoir encore vidée.</translation>
    </message>
    <message>
        <source>Downloads</source>
        <translation>Téléchargements</translation>
    </message>
    <message>
        <source>Everything in your Downloads folder, which may hold files you keep.</source>
        <translation>Tout le contenu de votre dossier Téléchargements, qui peut contenir des fichiers que vous souhaitez garder.</translation>
    </message>
    <message>
        <source>Xcode DerivedData</source>
        <translation>DerivedData de Xcode</translation>
    </message>
    <message>
        <source>Build products and indexes that Xcode makes again when a project is built.</source>
        <translation>Produits de compilation et index que Xcode recrée lors de la compilation d&apos;un projet.</translation>
    </message>
    <message>
        <source>Developer Build Caches</source>
        <translation>Caches de compilation</translation>
    </message>
    <message>
        <source>Package and build caches of npm, Gradle, Cargo and Go, which are downloaded again when a build needs them.</source>
        <translation>Caches de paquets et de compilation de npm, Gradle, Cargo et Go, téléchargés de nouveau quand une compilation en a besoin.</translation>
    </message>
    <message>
        <source>Browser Junk Files</source>
        <translation>Fichiers inutiles des navigateurs</translation>
    </message>
    <message>
        <source>Pages and images your browsers keep to show sites faster, their history and their cookies. Without cookies you are signed out of websites.</source>
        <translation>Pages et images que vos navigateurs conservent pour afficher les sites plus vite, leur historique et leurs cookies. Sans les cookies, vos sessions sur les sites web sont fermées.</translation>
    </message>
    <message>
        <source>Pages and images your browsers keep to show sites faster, and their history and cookies, which start unticked: without cookies you are signed out of websites.</source>
        <translation>Pages et images que vos navigateurs conservent pour afficher les sites plus vite, ainsi que leur historique et leurs cookies, décochés au départ&#xa0;: sans les cookies, vos sessions sur les sites web sont fermées.</translation>
    </message>
    <message numerus="yes">
        <source>Only items older than %n day(s) are listed.</source>
        <translation>
            <numerusform>Seuls les éléments de plus de %n jour sont listés.</numerusform>
            <numerusform>Seuls les éléments de plus de %n jours sont listés.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ORJunkViewCter</name>
    <message>
        <source>Junk Clean</source>
        <translation>Nettoyage</translation>
    </message>
    <message>
        <source>Find caches, logs, leftovers of removed applications, the Trash and other files you no longer need, and free up space safely.</source>
        <translation>Trouvez les caches, les journaux, les restes d&apos;applications supprimées, la corbeille et d&apos;autres fichiers dont vous n&apos;avez plus besoin, et libérez de l&apos;espace en toute sécurité.</translation>
    </message>
</context>
<context>
    <name>ORJunksResultViewCter</name>
    <message>
        <source>Categories</source>
        <translation>Catégories</translation>
    </message>
    <message>
        <source>Nothing to clean in this category.</source>
        <translation>Rien à nettoyer dans cette catégorie.</translation>
    </message>
</context>
<context>
    <name>ORLayout</name>
    <message>
        <source>unknown layout &quot;%1&quot; (use freedesktop or macos)</source>
        <translation>arborescence «&#xa0;%1&#xa0;» inconnue (utilisez freedesktop ou macos)</translation>
    </message>
    <message>
        <source>no home folder: user %1 has no password entry and $HOME is not set (give --home)</source>
        <translation>aucun dossier personnel&#xa0;: l&apos;utilisateur %1 n&apos;a pas d&apos;entrée dans passwd et $HOME n&apos;est pas défini (indiquez --home)</translation>
    </message>
    <message>
        <source>  --layout L    where to look: freedesktop (default) or macos
  --root R      the file-system root the layout&apos;s system folders are under (default /)
  --home H      the home folder to look in (default: the real user&apos;s home)
</source>
        <translation>  --layout L    où chercher&#xa0;: freedesktop (par défaut) ou macos
  --root R      la racine où se trouvent les dossiers système de l&apos;arborescence (par défaut /)
  --home H      le dossier personnel où chercher (par défaut&#xa0;: celui de l&apos;utilisateur réel)
</translation>
    </message>
</context>
<context>
    <name>ORMainWinController</name>
    <message>
        <source>Open Sweepwright</source>
        <translation>Ouvrir Sweepwright</translation>
    </message>
    <message>
        <source>Release Memory</source>
        <translation>Libérer la mémoire</translation>
    </message>
    <message>
        <source>Preferences…</source>
        <translation>Préférences…</translation>
    </message>
    <message>
        <source>Quit Sweepwright</source>
        <translation>Quitter Sweepwright</translation>
    </message>
    <message>
        <source>Junk Clean</source>
        <translation>Nettoyage</translation>
    </message>
    <message>
        <source>Archives</source>
        <translation>Archives</translation>
    </message>
    <message>
        <source>Login Items</source>
        <translation>Démarrage</translation>
    </message>
    <message>
        <source>Duplicates</source>
        <translation>Doublons</translation>
    </message>
    <message>
        <source>Large Files</source>
        <translation>Gros fichiers</translation>
    </message>
    <message>
        <source>Uninstaller</source>
        <translation>Désinstallation</translation>
    </message>
    <message>
        <source>Shredder</source>
        <translation>Broyeur</translation>
    </message>
    <message>
        <source>Memory</source>
        <translation>Mémoire</translation>
    </message>
    <message>
        <source>Toolbox</source>
        <translation>Outils</translation>
    </message>
    <message>
        <source>Extensions</source>
        <translation>Extensions</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Historique</translation>
    </message>
</context>
<context>
    <name>ORMemViewCter</name>
    <message>
        <source>Memory</source>
        <translation>Mémoire</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>Disque</translation>
    </message>
    <message>
        <source>Used</source>
        <translation>Utilisé</translation>
    </message>
    <message>
        <source>Available</source>
        <translation>Disponible</translation>
    </message>
    <message>
        <source>Cached</source>
        <translation>En cache</translation>
    </message>
    <message>
        <source>Buffers</source>
        <translation>Tampons</translation>
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
        <translation>Swap</translation>
    </message>
    <message>
        <source>Release Memory asks the kernel to give back the memory it holds as cache. Programs read those files from the disk again when they need them, so the computer does not get faster.</source>
        <translation>«&#xa0;Libérer la mémoire&#xa0;» demande au noyau de rendre la mémoire qu&apos;il utilise comme cache. Les programmes relisent ensuite ces fichiers sur le disque quand ils en ont besoin&#xa0;: l&apos;ordinateur n&apos;en devient donc pas plus rapide.</translation>
    </message>
    <message>
        <source>Released Memory</source>
        <translation>Mémoire libérée</translation>
    </message>
    <message>
        <source>%1 of %2 in use</source>
        <translation>%1 utilisés sur %2</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>Unavailable</source>
        <translation>Indisponible</translation>
    </message>
    <message>
        <source>Memory in use</source>
        <translation>Mémoire utilisée</translation>
    </message>
    <message>
        <source>Disk space in use</source>
        <translation>Espace disque utilisé</translation>
    </message>
    <message>
        <source>&amp;Release Memory</source>
        <translation>&amp;Libérer la mémoire</translation>
    </message>
</context>
<context>
    <name>ORNoJunkViewCter</name>
    <message>
        <source>No category was scanned</source>
        <translation>Aucune catégorie n&apos;a été analysée</translation>
    </message>
    <message>
        <source>Choose the kinds of junk to look for in Preferences, under Junk Clean.</source>
        <translation>Choisissez les types de fichiers inutiles à rechercher dans les Préférences, rubrique Nettoyage.</translation>
    </message>
</context>
<context>
    <name>ORPdfCompressViewCter</name>
    <message>
        <source>Page %1 of %2</source>
        <translation>Page %1 sur %2</translation>
    </message>
    <message>
        <source>PDF Compressor</source>
        <translation>Compression de PDF</translation>
    </message>
    <message>
        <source>Makes a smaller copy of a PDF document; the document itself is left as it is.</source>
        <translation>Crée une copie plus légère d&apos;un document PDF&#xa0;; le document lui-même reste inchangé.</translation>
    </message>
    <message>
        <source>Drop a PDF document here</source>
        <translation>Déposez un document PDF ici</translation>
    </message>
    <message>
        <source>Choose a PDF…</source>
        <translation>Choisir un PDF…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Save…</source>
        <translation>Enregistrer…</translation>
    </message>
    <message>
        <source>Mail</source>
        <translation>Envoyer par courriel</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Pages</translation>
    </message>
    <message>
        <source>Before</source>
        <translation>Avant</translation>
    </message>
    <message>
        <source>After</source>
        <translation>Après</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>Qualité</translation>
    </message>
    <message>
        <source>Smallest file (images at 50 ppi)</source>
        <translation>Fichier le plus léger (images à 50 ppp)</translation>
    </message>
    <message>
        <source>Medium (images at 150 ppi)</source>
        <translation>Qualité moyenne (images à 150 ppp)</translation>
    </message>
    <message>
        <source>Best quality (images at 300 ppi)</source>
        <translation>Meilleure qualité (images à 300 ppp)</translation>
    </message>
    <message>
        <source>Choose a PDF document</source>
        <translation>Choisir un document PDF</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf *.PDF)</source>
        <translation>Documents PDF (*.pdf *.PDF)</translation>
    </message>
    <message>
        <source>“%1” is not a PDF document that can be read.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas un document PDF lisible.</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Please enter the password</source>
        <translation>Veuillez saisir le mot de passe</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Compressor</source>
        <translation>Compression</translation>
    </message>
    <message>
        <source>Already compact: no smaller copy could be made</source>
        <translation>Déjà compact&#xa0;: impossible de créer une copie plus légère</translation>
    </message>
    <message>
        <source>This copy is not password protected</source>
        <translation>Cette copie n&apos;est pas protégée par un mot de passe</translation>
    </message>
    <message>
        <source>Save the compressed PDF</source>
        <translation>Enregistrer le PDF compressé</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>Documents PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>“%1” already exists. Do you want to replace it?</source>
        <translation>«&#xa0;%1&#xa0;» existe déjà. Voulez-vous le remplacer&#xa0;?</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Remplacer</translation>
    </message>
    <message>
        <source>The copy could not be saved as “%1”.</source>
        <translation>La copie n&apos;a pas pu être enregistrée sous «&#xa0;%1&#xa0;».</translation>
    </message>
</context>
<context>
    <name>ORPdfWindowCter</name>
    <message>
        <source>PDF Compressor</source>
        <translation>Compression de PDF</translation>
    </message>
</context>
<context>
    <name>ORShredViewCter</name>
    <message>
        <source>Shredder</source>
        <translation>Broyeur</translation>
    </message>
    <message>
        <source>Files and folders shredded here are removed at once, not moved to the Trash.</source>
        <translation>Les fichiers et dossiers broyés ici sont supprimés immédiatement, sans passer par la corbeille.</translation>
    </message>
    <message>
        <source>To shred</source>
        <translation>À broyer</translation>
    </message>
    <message>
        <source>Drop files and folders here</source>
        <translation>Déposez des fichiers et des dossiers ici</translation>
    </message>
    <message>
        <source>Overwrite contents before removing</source>
        <translation>Écraser le contenu avant la suppression</translation>
    </message>
    <message>
        <source>On SSDs and copy-on-write file systems, overwriting cannot guarantee that the old data is gone.</source>
        <translation>Sur les SSD et les systèmes de fichiers à copie sur écriture, l&apos;écrasement ne garantit pas que les anciennes données ont disparu.</translation>
    </message>
    <message>
        <source>&amp;Shred</source>
        <translation>&amp;Broyer</translation>
    </message>
</context>
<context>
    <name>ORToolViewCter</name>
    <message>
        <source>Toolbox</source>
        <translation>Outils</translation>
    </message>
    <message>
        <source>Make PDF files smaller, or open the desktop&apos;s own tools for this computer, its disks and its extensions.</source>
        <translation>Allégez vos fichiers PDF ou ouvrez les outils du bureau pour cet ordinateur, ses disques et ses extensions.</translation>
    </message>
    <message>
        <source>PDF Compressor</source>
        <translation>Compression de PDF</translation>
    </message>
    <message>
        <source>System Information</source>
        <translation>Informations système</translation>
    </message>
    <message>
        <source>Disk Utility</source>
        <translation>Utilitaire de disque</translation>
    </message>
    <message>
        <source>Extensions</source>
        <translation>Extensions</translation>
    </message>
    <message>
        <source>Open the Extensions page</source>
        <translation>Ouvrir la page Extensions</translation>
    </message>
    <message>
        <source>Not installed</source>
        <translation>Non installé</translation>
    </message>
    <message>
        <source>The PDF compressor cannot be opened: its plugin is missing or broken.

%1</source>
        <translation>Impossible d&apos;ouvrir la compression de PDF&#xa0;: son plugin est absent ou endommagé.

%1</translation>
    </message>
    <message>
        <source>%1 could not be opened.</source>
        <translation>Impossible d&apos;ouvrir %1.</translation>
    </message>
</context>
<context>
    <name>ORUninstDelViewCter</name>
    <message>
        <source>Open Trash</source>
        <translation>Ouvrir la corbeille</translation>
    </message>
    <message>
        <source>What went to the Trash can be restored from there</source>
        <translation>Ce qui a été mis à la corbeille peut y être restauré</translation>
    </message>
</context>
<context>
    <name>ORUninstResultViewCter</name>
    <message>
        <source>Application</source>
        <translation>Application</translation>
    </message>
    <message>
        <source>AppImage</source>
        <translation>AppImage</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Personnel</translation>
    </message>
    <message>
        <source>Flatpak</source>
        <translation>Flatpak</translation>
    </message>
    <message>
        <source>Package</source>
        <translation>Paquet</translation>
    </message>
    <message numerus="yes">
        <source>%n item(s)</source>
        <translation>
            <numerusform>%n élément</numerusform>
            <numerusform>%n éléments</numerusform>
        </translation>
    </message>
    <message>
        <source>Caches</source>
        <translation>Caches</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Préférences</translation>
    </message>
    <message>
        <source>Your data</source>
        <translation>Vos données</translation>
    </message>
    <message>
        <source>Removed only with the application: tick the application first</source>
        <translation>Supprimé seulement avec l&apos;application&#xa0;: cochez d&apos;abord l&apos;application</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Sort the applications</source>
        <translation>Trier les applications</translation>
    </message>
    <message>
        <source>Last Modified: %1</source>
        <translation>Dernière modification&#xa0;: %1</translation>
    </message>
    <message>
        <source>Applications</source>
        <translation>Applications</translation>
    </message>
    <message>
        <source>Search the applications</source>
        <translation>Rechercher dans les applications</translation>
    </message>
</context>
<context>
    <name>ORUninstViewCter</name>
    <message>
        <source>Uninstaller</source>
        <translation>Désinstallation</translation>
    </message>
    <message>
        <source>See every installed application with the caches, settings and data it leaves behind, and remove an application completely or just its leftovers. What you remove goes to the Trash; your own data stays unless you tick it.</source>
        <translation>Consultez toutes les applications installées avec les caches, préférences et données qu&apos;elles laissent derrière elles, puis supprimez une application entièrement ou seulement ses restes. Ce que vous supprimez va à la corbeille&#xa0;; vos propres données restent en place, sauf si vous les cochez.</translation>
    </message>
    <message>
        <source>See every installed application with the caches, settings and data it keeps, and remove an application together with them. Files of yours go to the Trash; your own data stays unless you tick it.</source>
        <translation>Consultez toutes les applications installées avec les caches, préférences et données qu&apos;elles conservent, puis supprimez une application avec tout cela. Vos fichiers vont à la corbeille&#xa0;; vos propres données restent en place, sauf si vous les cochez.</translation>
    </message>
    <message>
        <source>Scanning the installed applications…</source>
        <translation>Analyse des applications installées…</translation>
    </message>
    <message>
        <source>Collecting...</source>
        <translation>Collecte…</translation>
    </message>
    <message>
        <source>Fewer than two applications were found: there is nothing to uninstall.</source>
        <translation>Moins de deux applications ont été trouvées&#xa0;: il n&apos;y a rien à désinstaller.</translation>
    </message>
</context>
<context>
    <name>ORUtility</name>
    <message>
        <source>today</source>
        <translation>aujourd&apos;hui</translation>
    </message>
</context>
<context>
    <name>OlderThanOption</name>
    <message>
        <source>%1 needs a number of days</source>
        <translation>%1 demande un nombre de jours</translation>
    </message>
    <message>
        <source>--older-than takes a whole number of days from 0 to %1, not &quot;%2&quot;</source>
        <translation>--older-than prend un nombre entier de jours de 0 à %1, pas « %2 »</translation>
    </message>
    <message>
        <source>  --older-than DAYS      only files last modified more than DAYS days ago (0: all)
</source>
        <translation>  --older-than DAYS      seulement les fichiers modifiés pour la dernière fois il y a plus de DAYS jours (0 : tous)
</translation>
    </message>
    <message>
        <source>  --older-than DAYS  only items older than DAYS days (0: all), in every category, in place
        of the ages set in Preferences &gt; Junk Clean (which apply otherwise, --clean
        included): by the newest modification time inside an item, and in the Trash by
        the date it was deleted; a Trash item without a readable date counts as new
</source>
        <translation>  --older-than DAYS  seulement les éléments de plus de DAYS jours (0 : tous), dans chaque catégorie,
        au lieu des âges réglés dans Préférences &gt; Nettoyage (qui s&apos;appliquent sinon, --clean
        compris) : d&apos;après la modification la plus récente dans un élément, et dans la Corbeille
        d&apos;après la date de suppression ; un élément de la Corbeille sans date lisible compte comme récent
</translation>
    </message>
</context>
<context>
    <name>OutputPlacement</name>
    <message>
        <source>%1 cannot be opened: %2</source>
        <translation>impossible d&apos;ouvrir %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 is a folder</source>
        <translation>%1 est un dossier</translation>
    </message>
    <message>
        <source>%1 already exists</source>
        <translation>%1 existe déjà</translation>
    </message>
    <message>
        <source>no file can be made in %1: %2</source>
        <translation>impossible de créer un fichier dans %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>annulé</translation>
    </message>
</context>
<context>
    <name>PackageCommands</name>
    <message>
        <source>%1 could not be run: %2</source>
        <translation>impossible d&apos;exécuter %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 failed (exit status %2): %3</source>
        <translation>échec de %1 (code de sortie %2)&#xa0;: %3</translation>
    </message>
    <message>
        <source>%1; left in place</source>
        <translation>%1&#xa0;; laissé en place</translation>
    </message>
    <message>
        <source>%1 failed with administrator rights (exit status %2)</source>
        <translation>échec de %1 avec les droits d&apos;administrateur (code de sortie %2)</translation>
    </message>
    <message>
        <source>flatpak is not installed; left in place</source>
        <translation>flatpak n&apos;est pas installé&#xa0;; laissé en place</translation>
    </message>
    <message>
        <source>%1 would not remove it; left in place</source>
        <translation>%1 n&apos;a pas voulu effectuer la suppression&#xa0;; laissé en place</translation>
    </message>
    <message>
        <source>removing it would also remove %1; left in place</source>
        <translation>la suppression entraînerait aussi celle de %1&#xa0;; laissé en place</translation>
    </message>
    <message>
        <source>apt-get is not installed; left in place</source>
        <translation>apt-get n&apos;est pas installé&#xa0;; laissé en place</translation>
    </message>
</context>
<context>
    <name>PackageKitRemoval</name>
    <message>
        <source>cancelled; left in place</source>
        <translation>annulé&#xa0;; laissé en place</translation>
    </message>
    <message>
        <source>PackageKit is not running; left in place</source>
        <translation>PackageKit n&apos;est pas en cours d&apos;exécution&#xa0;; laissé en place</translation>
    </message>
    <message>
        <source>PackageKit could not plan the removal: %1; left in place</source>
        <translation>PackageKit n&apos;a pas pu préparer la suppression&#xa0;: %1&#xa0;; laissé en place</translation>
    </message>
    <message>
        <source>%1; left in place</source>
        <translation>%1&#xa0;; laissé en place</translation>
    </message>
    <message>
        <source>PackageKit could not remove it: %1; left in place</source>
        <translation>PackageKit n&apos;a pas pu effectuer la suppression&#xa0;: %1&#xa0;; laissé en place</translation>
    </message>
</context>
<context>
    <name>PageStyle</name>
    <message>
        <source>or</source>
        <translation>ou</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Démarrer</translation>
    </message>
</context>
<context>
    <name>PasswordPanel</name>
    <message>
        <source>Password</source>
        <translation>Mot de passe</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is protected by a password</source>
        <translation>«&#xa0;%1&#xa0;» est protégé par un mot de passe</translation>
    </message>
    <message>
        <source>Enter the password to extract its files.</source>
        <translation>Saisissez le mot de passe pour en extraire les fichiers.</translation>
    </message>
    <message>
        <source>Trying the password…</source>
        <translation>Vérification du mot de passe…</translation>
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
        <translation>Utilisation&#xa0;: sweepwright-cli pdf FILE [--quality 0|1|2] [-o OUT] [--password-stdin] [--json]
Crée une copie plus légère d&apos;un document PDF&#xa0;: ses images sont ramenées à 50 ppp
(qualité 0, par défaut), 150 ppp (1) ou 300 ppp (2). Quand aucune copie plus
légère ne peut être créée, la copie est le document lui-même. Un document protégé
par un mot de passe donne une copie sans protection.

  --quality N        0, 1 ou 2
  -o OUT             placer la copie à OUT (un nom de fichier, ou un dossier où la mettre)
                     au lieu de la laisser dans le dossier temporaire de la compression
  --yes              remplacer OUT s&apos;il existe, sans demander
  --dry-run          montrer ce qui serait fait, sans rien créer
  --password-stdin   lire le mot de passe sur la première ligne de l&apos;entrée
                     standard (sinon, il est demandé sur le terminal si nécessaire)
  --json             afficher le résultat en JSON
  --help             afficher ce texte
  -V, --version      afficher la version
</translation>
    </message>
    <message>
        <source>%1 needs 0, 1 or 2</source>
        <translation>%1 requiert 0, 1 ou 2</translation>
    </message>
    <message>
        <source>%1 needs a file or a folder</source>
        <translation>%1 requiert un fichier ou un dossier</translation>
    </message>
    <message>
        <source>--quality takes 0, 1 or 2</source>
        <translation>--quality accepte 0, 1 ou 2</translation>
    </message>
    <message>
        <source>%1: not a PDF document that can be read</source>
        <translation>%1&#xa0;: ce n&apos;est pas un document PDF lisible</translation>
    </message>
    <message>
        <source>Password for %1: </source>
        <translation>Mot de passe pour %1&#xa0;: </translation>
    </message>
    <message>
        <source>%1 needs a password: give it with --password-stdin</source>
        <translation>%1 nécessite un mot de passe&#xa0;: indiquez-le avec --password-stdin</translation>
    </message>
    <message>
        <source>%1: wrong password</source>
        <translation>%1&#xa0;: mot de passe incorrect</translation>
    </message>
    <message>
        <source>Replace %1?</source>
        <translation>Remplacer %1&#xa0;?</translation>
    </message>
    <message>
        <source>Compressing</source>
        <translation>Compression</translation>
    </message>
    <message>
        <source>the copy stays at %1: %2</source>
        <translation>la copie reste à l&apos;emplacement %1&#xa0;: %2</translation>
    </message>
    <message numerus="yes">
        <source>Would compress %1 (%n page(s), %2) at quality %3 into %4 (replacing it)</source>
        <translation>
            <numerusform>%1 (%n page, %2) serait compressé en qualité %3 vers %4 (qui serait remplacé)</numerusform>
            <numerusform>%1 (%n pages, %2) serait compressé en qualité %3 vers %4 (qui serait remplacé)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Would compress %1 (%n page(s), %2) at quality %3 into %4</source>
        <translation>
            <numerusform>%1 (%n page, %2) serait compressé en qualité %3 vers %4</numerusform>
            <numerusform>%1 (%n pages, %2) serait compressé en qualité %3 vers %4</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %n page(s), %2 -&gt; %3</source>
        <translation>
            <numerusform>%1&#xa0;: %n page, %2 -&gt; %3</numerusform>
            <numerusform>%1&#xa0;: %n pages, %2 -&gt; %3</numerusform>
        </translation>
    </message>
    <message>
        <source>Already compact: no smaller copy could be made</source>
        <translation>Déjà compact&#xa0;: impossible de créer une copie plus légère</translation>
    </message>
    <message>
        <source>This copy is not password protected</source>
        <translation>Cette copie n&apos;est pas protégée par un mot de passe</translation>
    </message>
    <message>
        <source>Written to %1</source>
        <translation>Enregistré sous %1</translation>
    </message>
</context>
<context>
    <name>PdfCompressor</name>
    <message>
        <source>Compression failed: %1</source>
        <translation>Échec de la compression&#xa0;: %1</translation>
    </message>
    <message>
        <source>Ghostscript left no readable PDF</source>
        <translation>Ghostscript n&apos;a produit aucun PDF lisible</translation>
    </message>
    <message>
        <source>the copy has %1 of the %2 pages</source>
        <translation>la copie ne contient que %1 des %2 pages</translation>
    </message>
    <message>
        <source>%1 is not a PDF document that can be read</source>
        <translation>%1 n&apos;est pas un document PDF lisible</translation>
    </message>
    <message>
        <source>the copy could not be written in %1</source>
        <translation>la copie n&apos;a pas pu être écrite dans %1</translation>
    </message>
</context>
<context>
    <name>PdfPasswordPanel</name>
    <message>
        <source>Password</source>
        <translation>Mot de passe</translation>
    </message>
    <message>
        <source>Enter the document&apos;s password:</source>
        <translation>Saisissez le mot de passe du document&#xa0;:</translation>
    </message>
    <message>
        <source>Wrong password</source>
        <translation>Mot de passe incorrect</translation>
    </message>
</context>
<context>
    <name>PdfWorkFolder</name>
    <message>
        <source>%1 is not a private folder of yours</source>
        <translation>%1 n&apos;est pas un dossier privé qui vous appartient</translation>
    </message>
    <message>
        <source>%1 cannot be locked</source>
        <translation>impossible de verrouiller %1</translation>
    </message>
    <message>
        <source>no folder can be made in %1</source>
        <translation>impossible de créer un dossier dans %1</translation>
    </message>
</context>
<context>
    <name>ProgressLine</name>
    <message numerus="yes">
        <source>%Ln item(s)</source>
        <translation>
            <numerusform>%Ln élément</numerusform>
            <numerusform>%Ln éléments</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RefusedPlaces</name>
    <message>
        <source>where it lies could not be checked</source>
        <translation>son emplacement n&apos;a pas pu être vérifié</translation>
    </message>
    <message>
        <source>it is the home folder or holds it (%1)</source>
        <translation>il s&apos;agit du dossier personnel ou d&apos;un dossier qui le contient (%1)</translation>
    </message>
    <message>
        <source>it holds the root folder %1</source>
        <translation>il contient le dossier racine %1</translation>
    </message>
    <message>
        <source>it is the root folder</source>
        <translation>il s&apos;agit du dossier racine</translation>
    </message>
    <message>
        <source>it is a protected system folder</source>
        <translation>il s&apos;agit d&apos;un dossier système protégé</translation>
    </message>
    <message>
        <source>it lies in the protected system folder %1</source>
        <translation>il se trouve dans le dossier système protégé %1</translation>
    </message>
    <message>
        <source>it is or lies in your folder %1</source>
        <translation>il s&apos;agit de votre dossier %1 ou il s&apos;y trouve</translation>
    </message>
    <message>
        <source>it holds %1, which is on your Never touch list</source>
        <translation>il contient %1, qui figure dans votre liste « Ne jamais toucher »</translation>
    </message>
    <message>
        <source>it is on your Never touch list</source>
        <translation>il figure dans votre liste « Ne jamais toucher »</translation>
    </message>
    <message>
        <source>it lies in %1, which is on your Never touch list</source>
        <translation>il se trouve dans %1, qui figure dans votre liste « Ne jamais toucher »</translation>
    </message>
</context>
<context>
    <name>RemovalRun</name>
    <message>
        <source>a link lies on its way: it changed since the scan</source>
        <translation>un lien se trouve sur son chemin&#xa0;: il a changé depuis l&apos;analyse</translation>
    </message>
    <message>
        <source>it lies on another file system mounted below its folder</source>
        <translation>il se trouve sur un autre système de fichiers monté sous son dossier</translation>
    </message>
    <message>
        <source>more entries could not be removed</source>
        <translation>d&apos;autres entrées n&apos;ont pas pu être supprimées</translation>
    </message>
    <message>
        <source>not inside %1</source>
        <translation>pas à l&apos;intérieur de %1</translation>
    </message>
    <message>
        <source>another file system is mounted here; left alone</source>
        <translation>un autre système de fichiers est monté ici&#xa0;; ignoré</translation>
    </message>
    <message>
        <source>it changed since the scan</source>
        <translation>il a changé depuis l&apos;analyse</translation>
    </message>
    <message>
        <source>its folder %1 is missing or was left alone</source>
        <translation>son dossier %1 est absent ou a été ignoré</translation>
    </message>
    <message>
        <source>a top folder is never removed whole</source>
        <translation>un dossier de premier niveau n&apos;est jamais supprimé en entier</translation>
    </message>
    <message>
        <source>its folder %1 is missing or cannot be opened</source>
        <translation>son dossier %1 est absent ou ne peut pas être ouvert</translation>
    </message>
    <message>
        <source>its folder now leads to %1: a link on its way changed since it was chosen</source>
        <translation>son dossier mène maintenant à %1&#xa0;: un lien sur son chemin a changé depuis qu&apos;il a été choisi</translation>
    </message>
    <message>
        <source>not a plain path below %1</source>
        <translation>pas un chemin simple sous %1</translation>
    </message>
    <message>
        <source>it is no longer the item that was listed</source>
        <translation>ce n&apos;est plus l&apos;élément qui était affiché</translation>
    </message>
    <message>
        <source>a top folder is never moved whole</source>
        <translation>un dossier de premier niveau n&apos;est jamais déplacé en entier</translation>
    </message>
</context>
<context>
    <name>STPrivilegedTask</name>
    <message>
        <source>administrator authorisation was cancelled</source>
        <translation>l&apos;autorisation administrateur a été annulée</translation>
    </message>
    <message>
        <source>No password prompt could be shown: no authentication agent is running</source>
        <translation>Impossible d&apos;afficher la demande de mot de passe&#xa0;: aucun agent d&apos;authentification n&apos;est en cours d&apos;exécution</translation>
    </message>
    <message>
        <source>No password prompt could be shown: pkexec is not installed</source>
        <translation>Impossible d&apos;afficher la demande de mot de passe&#xa0;: pkexec n&apos;est pas installé</translation>
    </message>
    <message>
        <source>the password prompt could not be started</source>
        <translation>la demande de mot de passe n&apos;a pas pu être lancée</translation>
    </message>
    <message>
        <source>administrator rights were not granted</source>
        <translation>les droits d&apos;administrateur n&apos;ont pas été accordés</translation>
    </message>
</context>
<context>
    <name>ScheduleCommand</name>
    <message>
        <source>every day</source>
        <translation>chaque jour</translation>
    </message>
    <message>
        <source>every week</source>
        <translation>chaque semaine</translation>
    </message>
    <message>
        <source>every month</source>
        <translation>chaque mois</translation>
    </message>
    <message>
        <source>never</source>
        <translation>jamais</translation>
    </message>
    <message>
        <source>Junk is cleaned automatically: %1</source>
        <translation>Les fichiers inutiles sont nettoyés automatiquement : %1</translation>
    </message>
    <message>
        <source>(but the timer is not enabled)</source>
        <translation>(mais le minuteur n’est pas activé)</translation>
    </message>
    <message>
        <source>Categories:</source>
        <translation>Catégories :</translation>
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
        <translation>Usage : sweepwright-cli schedule [--daily | --weekly | --monthly | --off] [--json]
Indique si les fichiers inutiles sont nettoyés automatiquement, à quelle fréquence et
quelles catégories, ou le modifie. Une planification est un minuteur et un service
utilisateur systemd dans $XDG_CONFIG_HOME/systemd/user (sweepwright-clean.timer et
.service), activés avec systemctl --user ; le service exécute &quot;sweepwright-cli junk
--clean --yes --profile scheduled&quot; en faible priorité, ne demande jamais de mot de passe
et se termine par une notification. Les catégories se choisissent dans les préférences
du programme à fenêtre. --off désactive le minuteur et supprime les deux fichiers.
Renvoie 1 si la modification a échoué (sans session utilisateur systemd, par exemple).

  --daily        nettoyer chaque jour
  --weekly       nettoyer chaque semaine
  --monthly      nettoyer chaque mois
  --off          ne plus nettoyer
  --json         afficher un objet JSON au lieu de texte
  --help         afficher ce texte
  -V, --version  afficher la version
</translation>
    </message>
    <message>
        <source>choose one of %1</source>
        <translation>choisissez une seule option parmi %1</translation>
    </message>
</context>
<context>
    <name>SchedulePrefViewController</name>
    <message>
        <source>Never</source>
        <translation>Jamais</translation>
    </message>
    <message>
        <source>Every day</source>
        <translation>Chaque jour</translation>
    </message>
    <message>
        <source>Every week</source>
        <translation>Chaque semaine</translation>
    </message>
    <message>
        <source>Every month</source>
        <translation>Chaque mois</translation>
    </message>
    <message>
        <source>Clean &amp;automatically:</source>
        <translation>Nettoyer &amp;automatiquement :</translation>
    </message>
    <message>
        <source>Clean automatically</source>
        <translation>Nettoyer automatiquement</translation>
    </message>
    <message>
        <source>The cleaning runs in the background at low priority, even when Sweepwright is not open. It never asks for a password: what needs one is left. A notification tells what was removed.</source>
        <translation>Le nettoyage s’exécute en arrière-plan avec une faible priorité, même lorsque Sweepwright n’est pas ouvert. Il ne demande jamais de mot de passe : ce qui en demande un est laissé. Une notification indique ce qui a été supprimé.</translation>
    </message>
    <message>
        <source>Clean these kinds of junk:</source>
        <translation>Nettoyer ces types de fichiers inutiles :</translation>
    </message>
    <message>
        <source>Not available here: %1</source>
        <translation>Indisponible ici : %1</translation>
    </message>
    <message>
        <source>The schedule could not be changed: %1</source>
        <translation>Impossible de modifier la planification : %1</translation>
    </message>
    <message>
        <source>Schedule</source>
        <translation>Planification</translation>
    </message>
</context>
<context>
    <name>ScheduledRunNotice</name>
    <message numerus="yes">
        <source>Removed %n item(s), %1.</source>
        <translation>
            <numerusform>%n élément supprimé, %1.</numerusform>
            <numerusform>%n éléments supprimés, %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing needed removing.</source>
        <translation>Il n’y avait rien à supprimer.</translation>
    </message>
    <message numerus="yes">
        <source>%n item(s) could not be removed.</source>
        <translation>
            <numerusform>%n élément n’a pas pu être supprimé.</numerusform>
            <numerusform>%n éléments n’ont pas pu être supprimés.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n item(s) left: they need administrator rights.</source>
        <translation>
            <numerusform>%n élément laissé : il demande les droits d’administrateur.</numerusform>
            <numerusform>%n éléments laissés : ils demandent les droits d’administrateur.</numerusform>
        </translation>
    </message>
    <message>
        <source>Junk files cleaned</source>
        <translation>Fichiers inutiles nettoyés</translation>
    </message>
</context>
<context>
    <name>SevenZip</name>
    <message>
        <source>link leads outside the destination</source>
        <translation>le lien mène hors de la destination</translation>
    </message>
</context>
<context>
    <name>SevenZipProcess</name>
    <message>
        <source>7zz is not installed</source>
        <translation>7zz n&apos;est pas installé</translation>
    </message>
    <message>
        <source>7zz made no progress for %1 ms</source>
        <translation>7zz n&apos;a pas progressé pendant %1 ms</translation>
    </message>
</context>
<context>
    <name>ShredCommand</name>
    <message>
        <source>refused %1: %2</source>
        <translation>%1 refusé&#xa0;: %2</translation>
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
        <translation>Utilisation&#xa0;: sweepwright-cli shred PATH... [--overwrite] [--yes | --dry-run] [--json]
                                    [--layout L] [--root R] [--home H]
Supprime les fichiers et dossiers indiqués, chacun en entier, avec vos propres droits. Un
PATH «&#xa0;-&#xa0;» lit les chemins sur l&apos;entrée standard, un par ligne ou séparés par des octets
NUL (find -print0)&#xa0;; rien ne pouvant alors être demandé, ils ne sont supprimés qu&apos;avec
--yes. Un lien est supprimé en tant que lien&#xa0;; rien n&apos;est supprimé sur un autre système
de fichiers monté dans un dossier. Le dossier racine, le dossier personnel, un dossier
qui le contient et les dossiers propres au système (et ce qu&apos;ils contiennent) ne sont
jamais supprimés, quel que soit le nom sous lequel ils sont indiqués&#xa0;: ils sont signalés
sur stderr comme refusés, avec la raison. Demande d&apos;abord confirmation sur un terminal&#xa0;;
sans --yes et sans terminal, rien n&apos;est supprimé (code de sortie 2). Ctrl-C arrête après
l&apos;entrée en cours (code de sortie 130)&#xa0;; code de sortie 1 si un chemin reste.

  --overwrite    écraser chaque fichier une fois avec des octets aléatoires avant de le supprimer
                 (fichiers n&apos;ayant qu&apos;un seul nom et que vous pouvez modifier, et seulement une
                 fois leur suppression certaine&#xa0;; sur les SSD et les systèmes de fichiers à copie
                 sur écriture, les anciennes données peuvent malgré tout subsister)
  --yes          supprimer sans demander
  --dry-run      montrer ce qui serait supprimé, sans rien supprimer
  --json         afficher {&quot;shredSize&quot;, &quot;removed&quot;, &quot;failed&quot;} sous forme d&apos;un seul objet JSON
  --help         afficher ce texte
  -V, --version  afficher la version
</translation>
    </message>
    <message>
        <source>no path given</source>
        <translation>aucun chemin indiqué</translation>
    </message>
    <message>
        <source>Measuring</source>
        <translation>Mesure</translation>
    </message>
    <message>
        <source>Shredding</source>
        <translation>Broyage</translation>
    </message>
    <message numerus="yes">
        <source>Refused %n path(s) (named on stderr).</source>
        <translation>
            <numerusform>%n chemin refusé (indiqué sur stderr).</numerusform>
            <numerusform>%n chemins refusés (indiqués sur stderr).</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ShredOverwrite</name>
    <message>
        <source>%1; it was kept</source>
        <translation>%1&#xa0;; il a été conservé</translation>
    </message>
    <message>
        <source>%1; it was kept as %2</source>
        <translation>%1&#xa0;; il a été conservé sous le nom %2</translation>
    </message>
    <message>
        <source>it cannot be removed from its folder (%1); nothing was overwritten</source>
        <translation>il ne peut pas être retiré de son dossier (%1)&#xa0;; rien n&apos;a été écrasé</translation>
    </message>
    <message>
        <source>it changed since it was examined</source>
        <translation>il a changé depuis son examen</translation>
    </message>
    <message>
        <source>its contents could not be overwritten (%1)</source>
        <translation>son contenu n&apos;a pas pu être écrasé (%1)</translation>
    </message>
</context>
<context>
    <name>SmartCleanPrefViewController</name>
    <message>
        <source>Look for these kinds of junk:</source>
        <translation>Rechercher ces types de fichiers inutiles&#xa0;:</translation>
    </message>
    <message>
        <source>Junk Clean</source>
        <translation>Nettoyage</translation>
    </message>
    <message>
        <source>Only items older than</source>
        <translation>Seulement plus de</translation>
    </message>
    <message>
        <source>%1: only items older than a number of days</source>
        <translation>%1 : seulement les éléments de plus d&apos;un certain nombre de jours</translation>
    </message>
</context>
<context>
    <name>StagingFolder</name>
    <message>
        <source>device node, FIFO or socket</source>
        <translation>nœud de périphérique, FIFO ou socket</translation>
    </message>
    <message>
        <source>folder too deep</source>
        <translation>dossier trop profond</translation>
    </message>
    <message>
        <source>link leads outside the destination</source>
        <translation>le lien mène hors de la destination</translation>
    </message>
    <message>
        <source>file linked from outside</source>
        <translation>fichier lié depuis l&apos;extérieur</translation>
    </message>
</context>
<context>
    <name>SystemTools</name>
    <message>
        <source>%1 has no program to start.</source>
        <translation>%1 n&apos;a aucun programme à lancer.</translation>
    </message>
    <message>
        <source>%1 could not be started: its program %2 was not found.</source>
        <translation>Impossible de lancer %1&#xa0;: son programme %2 est introuvable.</translation>
    </message>
    <message>
        <source>%1 could not be started: %2</source>
        <translation>Impossible de lancer %1&#xa0;: %2</translation>
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
        <translation>Japonais (EUC)</translation>
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
        <translation>Japonais (Shift JIS)</translation>
    </message>
    <message>
        <source>Central European (ISO Latin 2)</source>
        <translation>Europe centrale (ISO Latin 2)</translation>
    </message>
    <message>
        <source>Cyrillic (Windows)</source>
        <translation>Cyrillique (Windows)</translation>
    </message>
    <message>
        <source>Western (Windows Latin 1)</source>
        <translation>Occidental (Windows Latin 1)</translation>
    </message>
    <message>
        <source>Greek (Windows)</source>
        <translation>Grec (Windows)</translation>
    </message>
    <message>
        <source>Turkish (Windows Latin 5)</source>
        <translation>Turc (Windows Latin 5)</translation>
    </message>
    <message>
        <source>Central European (Windows Latin 2)</source>
        <translation>Europe centrale (Windows Latin 2)</translation>
    </message>
    <message>
        <source>Japanese (ISO 2022-JP)</source>
        <translation>Japonais (ISO 2022-JP)</translation>
    </message>
    <message>
        <source>Western (Mac OS Roman)</source>
        <translation>Occidental (Mac OS Roman)</translation>
    </message>
    <message>
        <source>Greek (Mac OS)</source>
        <translation>Grec (Mac OS)</translation>
    </message>
    <message>
        <source>Cyrillic (Mac OS)</source>
        <translation>Cyrillique (Mac OS)</translation>
    </message>
    <message>
        <source>Central European (Mac OS)</source>
        <translation>Europe centrale (Mac OS)</translation>
    </message>
    <message>
        <source>Turkish (Mac OS)</source>
        <translation>Turc (Mac OS)</translation>
    </message>
    <message>
        <source>Cyrillic (ISO 8859-5)</source>
        <translation>Cyrillique (ISO 8859-5)</translation>
    </message>
    <message>
        <source>Arabic (ISO 8859-6)</source>
        <translation>Arabe (ISO 8859-6)</translation>
    </message>
    <message>
        <source>Greek (ISO 8859-7)</source>
        <translation>Grec (ISO 8859-7)</translation>
    </message>
    <message>
        <source>Hebrew (ISO 8859-8)</source>
        <translation>Hébreu (ISO 8859-8)</translation>
    </message>
    <message>
        <source>Turkish (ISO Latin 5)</source>
        <translation>Turc (ISO Latin 5)</translation>
    </message>
    <message>
        <source>Nordic (ISO Latin 6)</source>
        <translation>Nordique (ISO Latin 6)</translation>
    </message>
    <message>
        <source>Thai (ISO 8859-11)</source>
        <translation>Thaï (ISO 8859-11)</translation>
    </message>
    <message>
        <source>Baltic (ISO Latin 7)</source>
        <translation>Balte (ISO Latin 7)</translation>
    </message>
    <message>
        <source>Celtic (ISO Latin 8)</source>
        <translation>Celtique (ISO Latin 8)</translation>
    </message>
    <message>
        <source>Western (ISO Latin 9)</source>
        <translation>Occidental (ISO Latin 9)</translation>
    </message>
    <message>
        <source>Romanian (ISO Latin 10)</source>
        <translation>Roumain (ISO Latin 10)</translation>
    </message>
    <message>
        <source>Latin-US (DOS)</source>
        <translation>Latin-US (DOS)</translation>
    </message>
    <message>
        <source>Greek (DOS)</source>
        <translation>Grec (DOS)</translation>
    </message>
    <message>
        <source>Baltic (DOS)</source>
        <translation>Balte (DOS)</translation>
    </message>
    <message>
        <source>Western (DOS Latin 1)</source>
        <translation>Occidental (DOS Latin 1)</translation>
    </message>
    <message>
        <source>Central European (DOS Latin 2)</source>
        <translation>Europe centrale (DOS Latin 2)</translation>
    </message>
    <message>
        <source>Cyrillic (DOS)</source>
        <translation>Cyrillique (DOS)</translation>
    </message>
    <message>
        <source>Turkish (DOS)</source>
        <translation>Turc (DOS)</translation>
    </message>
    <message>
        <source>Portuguese (DOS)</source>
        <translation>Portugais (DOS)</translation>
    </message>
    <message>
        <source>Icelandic (DOS)</source>
        <translation>Islandais (DOS)</translation>
    </message>
    <message>
        <source>Hebrew (DOS)</source>
        <translation>Hébreu (DOS)</translation>
    </message>
    <message>
        <source>Canadian French (DOS)</source>
        <translation>Français canadien (DOS)</translation>
    </message>
    <message>
        <source>Arabic (DOS)</source>
        <translation>Arabe (DOS)</translation>
    </message>
    <message>
        <source>Nordic (DOS)</source>
        <translation>Nordique (DOS)</translation>
    </message>
    <message>
        <source>Russian (DOS)</source>
        <translation>Russe (DOS)</translation>
    </message>
    <message>
        <source>Greek (DOS Greek 2)</source>
        <translation>Grec (DOS Greek 2)</translation>
    </message>
    <message>
        <source>Thai (Windows, DOS)</source>
        <translation>Thaï (Windows, DOS)</translation>
    </message>
    <message>
        <source>Korean (Windows, DOS)</source>
        <translation>Coréen (Windows, DOS)</translation>
    </message>
    <message>
        <source>Hebrew (Windows)</source>
        <translation>Hébreu (Windows)</translation>
    </message>
    <message>
        <source>Arabic (Windows)</source>
        <translation>Arabe (Windows)</translation>
    </message>
    <message>
        <source>Baltic (Windows)</source>
        <translation>Balte (Windows)</translation>
    </message>
    <message>
        <source>Vietnamese (Windows)</source>
        <translation>Vietnamien (Windows)</translation>
    </message>
    <message>
        <source>Simplified Chinese (GBK)</source>
        <translation>Chinois simplifié (GBK)</translation>
    </message>
    <message>
        <source>Simplified Chinese (GB 18030)</source>
        <translation>Chinois simplifié (GB 18030)</translation>
    </message>
    <message>
        <source>Japanese (ISO 2022-JP-2)</source>
        <translation>Japonais (ISO 2022-JP-2)</translation>
    </message>
    <message>
        <source>Japanese (ISO 2022-JP-1)</source>
        <translation>Japonais (ISO 2022-JP-1)</translation>
    </message>
    <message>
        <source>Chinese (ISO 2022-CN)</source>
        <translation>Chinois (ISO 2022-CN)</translation>
    </message>
    <message>
        <source>Chinese (ISO 2022-CN-EXT)</source>
        <translation>Chinois (ISO 2022-CN-EXT)</translation>
    </message>
    <message>
        <source>Korean (ISO 2022-KR)</source>
        <translation>Coréen (ISO 2022-KR)</translation>
    </message>
    <message>
        <source>Simplified Chinese (GB 2312)</source>
        <translation>Chinois simplifié (GB 2312)</translation>
    </message>
    <message>
        <source>Traditional Chinese (EUC)</source>
        <translation>Chinois traditionnel (EUC)</translation>
    </message>
    <message>
        <source>Korean (EUC)</source>
        <translation>Coréen (EUC)</translation>
    </message>
    <message>
        <source>Cyrillic (KOI8-R)</source>
        <translation>Cyrillique (KOI8-R)</translation>
    </message>
    <message>
        <source>Traditional Chinese (Big 5)</source>
        <translation>Chinois traditionnel (Big 5)</translation>
    </message>
    <message>
        <source>Simplified Chinese (HZ GB 2312)</source>
        <translation>Chinois simplifié (HZ GB 2312)</translation>
    </message>
    <message>
        <source>Traditional Chinese (Big 5 HKSCS)</source>
        <translation>Chinois traditionnel (Big 5 HKSCS)</translation>
    </message>
    <message>
        <source>Vietnamese (VISCII)</source>
        <translation>Vietnamien (VISCII)</translation>
    </message>
    <message>
        <source>Ukrainian (KOI8-U)</source>
        <translation>Ukrainien (KOI8-U)</translation>
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
        <translation>Détection automatique</translation>
    </message>
    <message>
        <source>South European (ISO Latin 3)</source>
        <translation>Europe du Sud (ISO Latin 3)</translation>
    </message>
    <message>
        <source>North European (ISO Latin 4)</source>
        <translation>Europe du Nord (ISO Latin 4)</translation>
    </message>
</context>
<context>
    <name>TemporaryBase</name>
    <message>
        <source>TMPDIR (%1) is not an absolute path</source>
        <translation>TMPDIR (%1) n&apos;est pas un chemin absolu</translation>
    </message>
    <message>
        <source>TMPDIR (%1) is not an existing folder</source>
        <translation>TMPDIR (%1) n&apos;est pas un dossier existant</translation>
    </message>
    <message>
        <source>TMPDIR (%1) belongs to another user and is not a shared temporary folder</source>
        <translation>TMPDIR (%1) appartient à un autre utilisateur et n&apos;est pas un dossier temporaire partagé</translation>
    </message>
</context>
<context>
    <name>TemporaryFolder</name>
    <message>
        <source>no free name</source>
        <translation>aucun nom disponible</translation>
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
        <translation>Utilisation&#xa0;: sweepwright-cli tnef FILE [-C DIR] [options]
Écrit les pièces jointes et le corps des messages d&apos;un fichier winmail.dat (TNEF)
dans DIR (par défaut&#xa0;: le dossier courant). Un FILE «&#xa0;-&#xa0;» lit l&apos;entrée standard.
Sans aucune des options ci-dessous, chaque corps est enregistré en MailBody.rtf, .html et .txt.

  -C DIR               écrire dans DIR (créé s&apos;il n&apos;existe pas)
  --verbose            afficher une ligne par fichier et les avertissements
  --debug              afficher chaque attribut et chaque propriété
  --list               ne rien écrire, lister ce qui serait écrit
  --use-paths          conserver les dossiers des chemins Windows (jamais au-dessus de DIR)
  --absolute-paths     avec --use-paths, garder un séparateur de dossier initial (toujours dans DIR)
  --overwrite          écraser les fichiers existants
  --interactive        demander avant d&apos;écrire chaque fichier
  --number-backups     écrire NAME.1, NAME.2 ... au lieu d&apos;ignorer un NAME existant
  --save-body[=PREF]   enregistrer les corps&#xa0;; PREF&#xa0;: «&#xa0;all&#xa0;» (par défaut) ou jusqu&apos;à trois de r, h, t
                       (RTF, HTML, texte)&#xa0;: le premier type présent est enregistré
  --body-name NAME     nom de base des fichiers de corps (par défaut MailBody)
  --mime               lister aussi le type MIME et l&apos;ID de contenu
  --ignore-checksum    avertir d&apos;une somme de contrôle incorrecte au lieu de s&apos;arrêter
  --tolerate-props     abandonner un bloc de propriétés endommagé au lieu de s&apos;arrêter
  --tolerate-trailer   accepter sans rien dire un retour chariot et un saut de ligne finaux
  --unix-safe          échapper aussi dans les noms les octets non ASCII et les caractères du shell
  --maxsize N          refuser toute allocation unique de plus de N octets
  --dry-run            identique à --list
  --help               afficher ce texte
  -V, --version        afficher la version
</translation>
    </message>
    <message>
        <source>%1 needs a folder</source>
        <translation>%1 requiert un dossier</translation>
    </message>
    <message>
        <source>%1 needs a name</source>
        <translation>%1 requiert un nom</translation>
    </message>
    <message>
        <source>%1 needs a number of bytes</source>
        <translation>%1 requiert un nombre d&apos;octets</translation>
    </message>
    <message>
        <source>--save-body takes &quot;all&quot; or up to three of r, h, t</source>
        <translation>--save-body accepte «&#xa0;all&#xa0;» ou jusqu&apos;à trois lettres parmi r, h, t</translation>
    </message>
</context>
<context>
    <name>ToolCommand</name>
    <message>
        <source>Scanning</source>
        <translation>Analyse</translation>
    </message>
    <message>
        <source>Removing</source>
        <translation>Suppression</translation>
    </message>
</context>
<context>
    <name>Trash</name>
    <message>
        <source>no free name in the trash</source>
        <translation>aucun nom disponible dans la corbeille</translation>
    </message>
    <message>
        <source>no trash on its file system (%1)</source>
        <translation>aucune corbeille sur son système de fichiers (%1)</translation>
    </message>
    <message>
        <source>not an absolute path of an item</source>
        <translation>ce n&apos;est pas le chemin absolu d&apos;un élément</translation>
    </message>
</context>
<context>
    <name>TrashRestore</name>
    <message>
        <source>its record in the Trash is missing</source>
        <translation>son entrée dans la Corbeille est introuvable</translation>
    </message>
    <message>
        <source>not an item of a Trash</source>
        <translation>pas un élément d&apos;une Corbeille</translation>
    </message>
    <message>
        <source>it is no longer in the Trash</source>
        <translation>il n&apos;est plus dans la Corbeille</translation>
    </message>
    <message>
        <source>its folder %1 is no longer there</source>
        <translation>son dossier %1 n&apos;existe plus</translation>
    </message>
    <message>
        <source>the Trash&apos;s record names another place: %1</source>
        <translation>l&apos;entrée de la Corbeille indique un autre emplacement : %1</translation>
    </message>
    <message>
        <source>something of that name is there now</source>
        <translation>un élément de ce nom s&apos;y trouve maintenant</translation>
    </message>
</context>
<context>
    <name>UserSystemctl</name>
    <message>
        <source>systemctl did not answer in time</source>
        <translation>systemctl n’a pas répondu à temps</translation>
    </message>
    <message>
        <source>systemd is not installed here (no systemctl).</source>
        <translation>systemd n’est pas installé ici (pas de systemctl).</translation>
    </message>
    <message>
        <source>No systemd user session is running (systemctl --user says: %1).</source>
        <translation>Aucune session utilisateur systemd n’est active (systemctl --user indique : %1).</translation>
    </message>
    <message>
        <source>nothing</source>
        <translation>rien</translation>
    </message>
    <message>
        <source>systemctl could not be started</source>
        <translation>systemctl n’a pas pu être lancé</translation>
    </message>
    <message>
        <source>%1 failed</source>
        <translation>%1 a échoué</translation>
    </message>
    <message>
        <source>%1 failed: %2</source>
        <translation>%1 a échoué : %2</translation>
    </message>
</context>
<context>
    <name>XADSimpleUnarchiver</name>
    <message>
        <source>Password required</source>
        <translation>Mot de passe requis</translation>
    </message>
    <message>
        <source>Wrong password</source>
        <translation>Mot de passe incorrect</translation>
    </message>
    <message>
        <source>Not enough free space</source>
        <translation>Espace libre insuffisant</translation>
    </message>
    <message>
        <source>This archive format is not supported</source>
        <translation>Ce format d&apos;archive n&apos;est pas pris en charge</translation>
    </message>
    <message>
        <source>the entry was cut short</source>
        <translation>l&apos;entrée a été tronquée</translation>
    </message>
    <message>
        <source>%1 came out with %2 of its %3 bytes</source>
        <translation>%1 n&apos;a été extrait qu&apos;avec %2 de ses %3 octets</translation>
    </message>
    <message>
        <source>The extracted items could not be checked</source>
        <translation>Les éléments extraits n&apos;ont pas pu être vérifiés</translation>
    </message>
    <message>
        <source>Cannot create the folder %1</source>
        <translation>Impossible de créer le dossier %1</translation>
    </message>
    <message>
        <source>the name leads outside the destination</source>
        <translation>le nom mène hors de la destination</translation>
    </message>
    <message>
        <source>the name is empty</source>
        <translation>le nom est vide</translation>
    </message>
    <message>
        <source>special files (devices, FIFOs, sockets) are not extracted</source>
        <translation>les fichiers spéciaux (périphériques, FIFO, sockets) ne sont pas extraits</translation>
    </message>
</context>
<context>
    <name>centered_textfield</name>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
</context>
<context>
    <name>clirun</name>
    <message>
        <source>Would remove: %1</source>
        <translation>À supprimer&#xa0;: %1</translation>
    </message>
    <message>
        <source>Removed: %1</source>
        <translation>Supprimé&#xa0;: %1</translation>
    </message>
    <message>
        <source>Removed %1 in total.</source>
        <translation>Total supprimé&#xa0;: %1.</translation>
    </message>
    <message numerus="yes">
        <source>Removed %1 in total; %n item(s) could not be removed (%2).</source>
        <translation>
            <numerusform>Total supprimé&#xa0;: %1&#xa0;; %n élément n&apos;a pas pu être supprimé (%2).</numerusform>
            <numerusform>Total supprimé&#xa0;: %1&#xa0;; %n éléments n&apos;ont pas pu être supprimés (%2).</numerusform>
        </translation>
    </message>
    <message>
        <source>Would move to the Trash: %1</source>
        <translation>À mettre à la corbeille&#xa0;: %1</translation>
    </message>
    <message>
        <source>Moved to the Trash: %1</source>
        <translation>Mis à la corbeille&#xa0;: %1</translation>
    </message>
    <message>
        <source>Moved to the Trash %1 in total.</source>
        <translation>Total mis à la corbeille&#xa0;: %1.</translation>
    </message>
    <message numerus="yes">
        <source>Moved to the Trash %1 in total; %n item(s) could not be removed (%2).</source>
        <translation>
            <numerusform>Total mis à la corbeille&#xa0;: %1&#xa0;; %n élément n&apos;a pas pu y être mis (%2).</numerusform>
            <numerusform>Total mis à la corbeille&#xa0;: %1&#xa0;; %n éléments n&apos;ont pas pu y être mis (%2).</numerusform>
        </translation>
    </message>
    <message>
        <source>Would shred: %1</source>
        <translation>À broyer&#xa0;: %1</translation>
    </message>
    <message>
        <source>Shredded: %1</source>
        <translation>Broyé&#xa0;: %1</translation>
    </message>
    <message>
        <source>Shredded %1 in total.</source>
        <translation>Total broyé&#xa0;: %1.</translation>
    </message>
    <message numerus="yes">
        <source>Shredded %1 in total; %n item(s) could not be removed (%2).</source>
        <translation>
            <numerusform>Total broyé&#xa0;: %1&#xa0;; %n élément n&apos;a pas pu être broyé (%2).</numerusform>
            <numerusform>Total broyé&#xa0;: %1&#xa0;; %n éléments n&apos;ont pas pu être broyés (%2).</numerusform>
        </translation>
    </message>
    <message>
        <source>y</source>
        <comment>the short answer yes to a [y/N] question</comment>
        <translation>o</translation>
    </message>
    <message>
        <source>yes</source>
        <comment>the answer to a [y/N] question</comment>
        <translation>oui</translation>
    </message>
    <message>
        <source>%1?</source>
        <comment>a removal asked for: &quot;Delete 12 items (3.40 MB)&quot;</comment>
        <translation>%1&#xa0;?</translation>
    </message>
    <message>
        <source>nothing removed: confirm with --yes (or answer on a terminal); --dry-run shows what would go</source>
        <translation>rien n&apos;a été supprimé&#xa0;: confirmez avec --yes (ou répondez sur un terminal)&#xa0;; --dry-run montre ce qui serait supprimé</translation>
    </message>
    <message>
        <source>%1 [y/N] </source>
        <translation>%1 [y/N] </translation>
    </message>
    <message>
        <source>Could not remove %1: %2</source>
        <translation>Impossible de supprimer %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Nothing was removed (--dry-run).</source>
        <translation>Rien n&apos;a été supprimé (--dry-run).</translation>
    </message>
    <message>
        <source>Would replace with a link: %1</source>
        <translation>Serait remplacé par un lien : %1</translation>
    </message>
    <message>
        <source>Replaced with a link: %1</source>
        <translation>Remplacé par un lien : %1</translation>
    </message>
    <message>
        <source>Freed %1 in total.</source>
        <translation>%1 libérés au total.</translation>
    </message>
    <message numerus="yes">
        <source>Freed %1 in total; %n copy(s) could not be replaced (%2).</source>
        <translation>
            <numerusform>%1 libérés au total ; %n copie n’a pas pu être remplacée (%2).</numerusform>
            <numerusform>%1 libérés au total ; %n copies n’ont pas pu être remplacées (%2).</numerusform>
        </translation>
    </message>
    <message>
        <source>Could not replace %1: %2</source>
        <translation>Impossible de remplacer %1 : %2</translation>
    </message>
</context>
<context>
    <name>sw::AboutDialog</name>
    <message>
        <source>About Sweepwright</source>
        <translation>À propos de Sweepwright</translation>
    </message>
    <message>
        <source>Licence: GNU General Public License, version 3 or later (GPL-3.0-or-later)</source>
        <translation>Licence&#xa0;: GNU General Public License, version 3 ou ultérieure (GPL-3.0-or-later)</translation>
    </message>
    <message>
        <source>Libraries in use</source>
        <translation>Bibliothèques utilisées</translation>
    </message>
    <message>
        <source>Read the README</source>
        <translation>Lire le fichier README</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Finds what takes room on a Linux desktop and removes what you choose.</source>
        <translation>Trouve ce qui occupe de la place sur un bureau Linux et supprime ce que vous choisissez.</translation>
    </message>
    <message>
        <source>asking…</source>
        <translation>interrogation en cours…</translation>
    </message>
    <message>
        <source>%1 version</source>
        <translation>Version de %1</translation>
    </message>
</context>
<context>
    <name>sw::AccessibleControls</name>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
</context>
<context>
    <name>sw::AgeLimitControl</name>
    <message>
        <source>%1: days</source>
        <translation>%1 : jours</translation>
    </message>
    <message numerus="yes">
        <source>day(s)</source>
        <extracomment>After the number of an age limit: &quot;Only files older than [30] days&quot;</extracomment>
        <translation>
            <numerusform>jour</numerusform>
            <numerusform>jours</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>sw::ArchiveReader</name>
    <message numerus="yes">
        <source>Damaged archive: no progress for %n seconds</source>
        <translation>
            <numerusform>Archive endommagée&#xa0;: aucune progression pendant %n seconde</numerusform>
            <numerusform>Archive endommagée&#xa0;: aucune progression pendant %n secondes</numerusform>
        </translation>
    </message>
    <message>
        <source>Damaged archive: the reader ended on it</source>
        <translation>Archive endommagée&#xa0;: le lecteur s&apos;est arrêté dessus</translation>
    </message>
    <message>
        <source>Damaged archive: the same entry header came twice</source>
        <translation>Archive endommagée&#xa0;: le même en-tête d&apos;entrée apparaît deux fois</translation>
    </message>
</context>
<context>
    <name>sw::DesktopNotifier</name>
    <message>
        <source>Show</source>
        <translation>Afficher</translation>
    </message>
</context>
<context>
    <name>sw::DupItemModel</name>
    <message>
        <source>%1
One copy of every file is always kept.</source>
        <translation>%1
Une copie de chaque fichier est toujours conservée.</translation>
    </message>
    <message>
        <source>%1
In a reference folder: this copy is an original and is never selected.</source>
        <translation>%1
Dans un dossier de référence : cette copie est un original et n&apos;est jamais sélectionnée.</translation>
    </message>
    <message>
        <source>Reference</source>
        <extracomment>Beside a copy in a folder of originals; short</extracomment>
        <translation>Référence</translation>
    </message>
    <message>
        <source>%1
Modified more recently than the scan&apos;s age limit: this copy stays and is never selected.</source>
        <translation>%1
Modifiée plus récemment que la limite d&apos;âge de l&apos;analyse : cette copie reste et n&apos;est jamais sélectionnée.</translation>
    </message>
</context>
<context>
    <name>sw::DupKeepRule</name>
    <message>
        <source>Best original</source>
        <translation>Meilleur original</translation>
    </message>
    <message>
        <source>Oldest</source>
        <translation>Le plus ancien</translation>
    </message>
    <message>
        <source>Newest</source>
        <translation>Le plus récent</translation>
    </message>
    <message>
        <source>Shortest path</source>
        <translation>Chemin le plus court</translation>
    </message>
    <message>
        <source>First found</source>
        <translation>Premier trouvé</translation>
    </message>
</context>
<context>
    <name>sw::DupLinkButton</name>
    <message>
        <source>Replace with Links</source>
        <translation>Remplacer par des liens</translation>
    </message>
    <message>
        <source>Each selected copy becomes a link to the copy its group keeps</source>
        <translation>Chaque copie sélectionnée devient un lien vers la copie que son groupe conserve</translation>
    </message>
    <message>
        <source>Replace with Links: each selected copy becomes a link to the copy its group keeps</source>
        <translation>Remplacer par des liens : chaque copie sélectionnée devient un lien vers la copie que son groupe conserve</translation>
    </message>
    <message>
        <source>Kind of link</source>
        <translation>Type de lien</translation>
    </message>
    <message>
        <source>Hard Links</source>
        <translation>Liens physiques</translation>
    </message>
    <message>
        <source>Reflinks</source>
        <translation>Reflinks</translation>
    </message>
    <message>
        <source>Symbolic Links</source>
        <translation>Liens symboliques</translation>
    </message>
    <message>
        <source>Hard links: each copy&apos;s name leads to the kept file; copies on another file system stay.</source>
        <translation>Liens physiques : le nom de chaque copie mène au fichier conservé ; les copies sur un autre système de fichiers restent.</translation>
    </message>
    <message>
        <source>Reflinks: each copy stays a file of its own that shares the kept file&apos;s data, where the file system can.</source>
        <translation>Reflinks : chaque copie reste un fichier distinct qui partage les données du fichier conservé, si le système de fichiers le permet.</translation>
    </message>
    <message>
        <source>Symbolic links: each copy becomes a link to the kept file&apos;s path.</source>
        <translation>Liens symboliques : chaque copie devient un lien vers le chemin du fichier conservé.</translation>
    </message>
</context>
<context>
    <name>sw::EntryWriter</name>
    <message>
        <source>a folder of its path is a link or a file</source>
        <translation>un dossier de son chemin est un lien ou un fichier</translation>
    </message>
    <message>
        <source>an item of that name exists</source>
        <translation>un élément de ce nom existe déjà</translation>
    </message>
    <message>
        <source>the name is too long</source>
        <translation>le nom est trop long</translation>
    </message>
    <message>
        <source>Not enough free space</source>
        <translation>Espace libre insuffisant</translation>
    </message>
    <message>
        <source>hard link to an item that was not extracted</source>
        <translation>lien physique vers un élément qui n&apos;a pas été extrait</translation>
    </message>
    <message>
        <source>link leads outside the destination</source>
        <translation>le lien mène hors de la destination</translation>
    </message>
</context>
<context>
    <name>sw::FileLink</name>
    <message>
        <source>it changed since the scan</source>
        <translation>elle a changé depuis l’analyse</translation>
    </message>
    <message>
        <source>it is not below the folder it was found in</source>
        <translation>elle n’est pas sous le dossier où elle a été trouvée</translation>
    </message>
    <message>
        <source>it belongs to another user</source>
        <translation>elle appartient à un autre utilisateur</translation>
    </message>
    <message>
        <source>the kept copy is on another file system: a hard link cannot reach it</source>
        <translation>la copie conservée est sur un autre système de fichiers : un lien physique ne peut pas l’atteindre</translation>
    </message>
    <message>
        <source>the file system cannot share data between files (reflink)</source>
        <translation>le système de fichiers ne peut pas partager de données entre fichiers (reflink)</translation>
    </message>
    <message>
        <source>the link is in place, but the old copy stays as %1: %2</source>
        <translation>le lien est en place, mais l’ancienne copie reste sous le nom %1 : %2</translation>
    </message>
    <message>
        <source>it is the kept copy itself</source>
        <translation>c’est la copie conservée elle-même</translation>
    </message>
    <message>
        <source>the kept copy is on another file system: a reflink cannot reach it</source>
        <translation>la copie conservée est sur un autre système de fichiers : un reflink ne peut pas l’atteindre</translation>
    </message>
</context>
<context>
    <name>sw::FolderListModel</name>
    <message>
        <source>%1
Reference folder: its copies are the originals and are never selected.</source>
        <translation>%1
Dossier de référence : ses copies sont les originaux et ne sont jamais sélectionnées.</translation>
    </message>
    <message>
        <source>Reference folder</source>
        <translation>Dossier de référence</translation>
    </message>
</context>
<context>
    <name>sw::FolderListPanel</name>
    <message>
        <source>Folders to scan</source>
        <translation>Dossiers à analyser</translation>
    </message>
    <message>
        <source>Drop folders here</source>
        <translation>Déposez des dossiers ici</translation>
    </message>
    <message>
        <source>Add Files…</source>
        <translation>Ajouter des fichiers…</translation>
    </message>
    <message>
        <source>Add Folders…</source>
        <translation>Ajouter des dossiers…</translation>
    </message>
    <message>
        <source>Add Folder…</source>
        <translation>Ajouter un dossier…</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Choose Folders</source>
        <translation>Choisir des dossiers</translation>
    </message>
    <message>
        <source>Choose Files</source>
        <translation>Choisir des fichiers</translation>
    </message>
</context>
<context>
    <name>sw::FolderScanPage</name>
    <message>
        <source>&amp;Scan</source>
        <translation>&amp;Analyser</translation>
    </message>
    <message>
        <source>Only files older than</source>
        <translation>Seulement les fichiers de plus de</translation>
    </message>
    <message>
        <source>Only files older than a number of days</source>
        <translation>Seulement les fichiers de plus d&apos;un certain nombre de jours</translation>
    </message>
    <message>
        <source>Leave out files modified more recently; among duplicates, newer copies stay.</source>
        <translation>Laisser de côté les fichiers modifiés plus récemment ; parmi les doublons, les copies plus récentes restent.</translation>
    </message>
</context>
<context>
    <name>sw::GhostscriptVersion</name>
    <message>
        <source>did not answer</source>
        <translation>n&apos;a pas répondu</translation>
    </message>
    <message>
        <source>could not be run</source>
        <translation>n&apos;a pas pu être lancé</translation>
    </message>
    <message>
        <source>could not tell its version</source>
        <translation>n&apos;a pas indiqué sa version</translation>
    </message>
    <message>
        <source>not found</source>
        <translation>introuvable</translation>
    </message>
</context>
<context>
    <name>sw::GroupItemModel</name>
    <message>
        <source>Needs administrator rights</source>
        <translation>Nécessite les droits d&apos;administrateur</translation>
    </message>
</context>
<context>
    <name>sw::HistoryPage</name>
    <message>
        <source>History</source>
        <translation>Historique</translation>
    </message>
    <message>
        <source>What each tool removed, newest first. What went to the Trash can be put back where it was.</source>
        <translation>Ce que chaque outil a supprimé, du plus récent au plus ancien. Ce qui est allé dans la Corbeille peut être remis à sa place.</translation>
    </message>
    <message>
        <source>When</source>
        <translation>Quand</translation>
    </message>
    <message>
        <source>Tool</source>
        <translation>Outil</translation>
    </message>
    <message>
        <source>What became of it</source>
        <translation>Ce qu&apos;il est devenu</translation>
    </message>
    <message>
        <source>Removals</source>
        <translation>Suppressions</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Élément</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>Items of the chosen removal</source>
        <translation>Éléments de la suppression choisie</translation>
    </message>
    <message>
        <source>Nothing has been removed yet.</source>
        <translation>Rien n&apos;a encore été supprimé.</translation>
    </message>
    <message>
        <source>&amp;Put Back</source>
        <translation>&amp;Remettre en place</translation>
    </message>
    <message>
        <source>Returns what this removal moved to the Trash to where it was</source>
        <translation>Remet à sa place ce que cette suppression a déplacé dans la Corbeille</translation>
    </message>
    <message>
        <source>Nothing of this removal is in the Trash: it cannot be put back.</source>
        <translation>Rien de cette suppression n&apos;est dans la Corbeille : elle ne peut pas être remise en place.</translation>
    </message>
    <message numerus="yes">
        <source>%n item(s) put back.</source>
        <translation>
            <numerusform>%n élément remis en place.</numerusform>
            <numerusform>%n éléments remis en place.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n item(s) could not be put back; the list says why.</source>
        <translation>
            <numerusform>%n élément n&apos;a pas pu être remis en place ; la liste indique pourquoi.</numerusform>
            <numerusform>%n éléments n&apos;ont pas pu être remis en place ; la liste indique pourquoi.</numerusform>
        </translation>
    </message>
    <message>
        <source>The history could not be written: %1</source>
        <translation>L&apos;historique n&apos;a pas pu être écrit : %1</translation>
    </message>
</context>
<context>
    <name>sw::ImagePreview</name>
    <message>
        <source>This image cannot be shown.</source>
        <translation>Impossible d&apos;afficher cette image.</translation>
    </message>
</context>
<context>
    <name>sw::LibraryVersions</name>
    <message>
        <source>%1 (built with)</source>
        <translation>%1 (à la compilation)</translation>
    </message>
</context>
<context>
    <name>sw::MediaPreview</name>
    <message>
        <source>This file cannot be played.</source>
        <translation>Impossible de lire ce fichier.</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Lecture</translation>
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
        <translation>&amp;Retour</translation>
    </message>
</context>
<context>
    <name>sw::PackageKitTransaction</name>
    <message>
        <source>cancelled</source>
        <translation>annulé</translation>
    </message>
    <message>
        <source>PackageKit ended the transaction with exit code %1</source>
        <translation>PackageKit a terminé la transaction avec le code de sortie %1</translation>
    </message>
    <message>
        <source>PackageKit gave no transaction</source>
        <translation>PackageKit n&apos;a fourni aucune transaction</translation>
    </message>
    <message>
        <source>PackageKit left the bus</source>
        <translation>PackageKit a quitté le bus</translation>
    </message>
    <message>
        <source>PackageKit did not take the request</source>
        <translation>PackageKit n&apos;a pas accepté la demande</translation>
    </message>
    <message>
        <source>PackageKit stopped answering</source>
        <translation>PackageKit ne répond plus</translation>
    </message>
    <message>
        <source>PackageKit dropped the transaction before it finished</source>
        <translation>PackageKit a abandonné la transaction avant sa fin</translation>
    </message>
</context>
<context>
    <name>sw::PdfPreview</name>
    <message>
        <source>This PDF document cannot be opened.</source>
        <translation>Impossible d&apos;ouvrir ce document PDF.</translation>
    </message>
    <message>
        <source>This PDF document is locked.</source>
        <translation>Ce document PDF est verrouillé.</translation>
    </message>
    <message>
        <source>This PDF document has no pages.</source>
        <translation>Ce document PDF ne contient aucune page.</translation>
    </message>
    <message>
        <source>This PDF document cannot be shown.</source>
        <translation>Impossible d&apos;afficher ce document PDF.</translation>
    </message>
    <message numerus="yes">
        <source>Showing the first %1 of %n pages.</source>
        <translation>
            <numerusform>Seules les %1 premières pages sur %n sont affichées.</numerusform>
            <numerusform>Seules les %1 premières pages sur %n sont affichées.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>sw::PreviewDialog</name>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
</context>
<context>
    <name>sw::PreviewPane</name>
    <message>
        <source>This file cannot be shown: the viewers plugin is missing or broken.</source>
        <translation>Impossible d&apos;afficher ce fichier&#xa0;: le plugin des visionneuses est absent ou endommagé.</translation>
    </message>
</context>
<context>
    <name>sw::RemovalDetailsDialog</name>
    <message>
        <source>Details</source>
        <translation>Détails</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Élément</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Résultat</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
</context>
<context>
    <name>sw::RemovalPage</name>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Détails</translation>
    </message>
    <message>
        <source>Cancelling…</source>
        <translation>Annulation…</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>items done, their size</comment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Stopped: the rest was left as it was</source>
        <translation>Arrêté&#xa0;: le reste n&apos;a pas été modifié</translation>
    </message>
    <message>
        <source>Refused: %1</source>
        <translation>Refusé&#xa0;: %1</translation>
    </message>
    <message>
        <source>Went with its folder, counted there</source>
        <translation>Inclus dans son dossier, compté avec lui</translation>
    </message>
    <message>
        <source>&amp;Done</source>
        <translation>&amp;Terminé</translation>
    </message>
</context>
<context>
    <name>sw::RemovalWording</name>
    <message numerus="yes">
        <source>Delete %Ln item(s) (%1)</source>
        <translation>
            <numerusform>Supprimer %Ln élément (%1)</numerusform>
            <numerusform>Supprimer %Ln éléments (%1)</numerusform>
        </translation>
    </message>
    <message>
        <source>Deleted items do not go to the Trash.</source>
        <translation>Les éléments supprimés ne vont pas à la corbeille.</translation>
    </message>
    <message numerus="yes">
        <source>Move %Ln item(s) to the Trash (%1)</source>
        <translation>
            <numerusform>Mettre %Ln élément à la corbeille (%1)</numerusform>
            <numerusform>Mettre %Ln éléments à la corbeille (%1)</numerusform>
        </translation>
    </message>
    <message>
        <source>Items moved to the Trash can be restored from there.</source>
        <translation>Les éléments mis à la corbeille peuvent y être restaurés.</translation>
    </message>
    <message numerus="yes">
        <source>Remove %Ln item(s) (%1)</source>
        <translation>
            <numerusform>Supprimer %Ln élément (%1)</numerusform>
            <numerusform>Supprimer %Ln éléments (%1)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Uninstall %Ln application(s) (%1)</source>
        <translation>
            <numerusform>Désinstaller %Ln application (%1)</numerusform>
            <numerusform>Désinstaller %Ln applications (%1)</numerusform>
        </translation>
    </message>
    <message>
        <source>Their files are deleted, not moved to the Trash.</source>
        <translation>Leurs fichiers sont supprimés, sans passer par la corbeille.</translation>
    </message>
    <message>
        <source>Packages are removed by the package manager; files of yours go to the Trash, where you can restore them.</source>
        <translation>Les paquets sont supprimés par le gestionnaire de paquets&#xa0;; vos fichiers vont à la corbeille, où vous pouvez les restaurer.</translation>
    </message>
    <message numerus="yes">
        <source>Shred %Ln item(s) (%1)</source>
        <translation>
            <numerusform>Broyer %Ln élément (%1)</numerusform>
            <numerusform>Broyer %Ln éléments (%1)</numerusform>
        </translation>
    </message>
    <message>
        <source>Shredded items are removed at once and cannot be restored.</source>
        <translation>Les éléments broyés sont supprimés immédiatement et ne peuvent pas être restaurés.</translation>
    </message>
    <message>
        <source>Deleting</source>
        <translation>Suppression</translation>
    </message>
    <message numerus="yes">
        <source>%Ln item(s) deleted</source>
        <translation>
            <numerusform>%Ln élément supprimé</numerusform>
            <numerusform>%Ln éléments supprimés</numerusform>
        </translation>
    </message>
    <message>
        <source>Some items could not be deleted</source>
        <translation>Certains éléments n&apos;ont pas pu être supprimés</translation>
    </message>
    <message>
        <source>Nothing was deleted</source>
        <translation>Rien n&apos;a été supprimé</translation>
    </message>
    <message numerus="yes">
        <source>%Ln item(s) could not be deleted (%1)</source>
        <translation>
            <numerusform>%Ln élément n&apos;a pas pu être supprimé (%1)</numerusform>
            <numerusform>%Ln éléments n&apos;ont pas pu être supprimés (%1)</numerusform>
        </translation>
    </message>
    <message>
        <source>Deleted (%1)</source>
        <translation>Supprimé (%1)</translation>
    </message>
    <message>
        <source>Moving to the Trash</source>
        <translation>Mise à la corbeille</translation>
    </message>
    <message numerus="yes">
        <source>%Ln item(s) moved to the Trash</source>
        <translation>
            <numerusform>%Ln élément mis à la corbeille</numerusform>
            <numerusform>%Ln éléments mis à la corbeille</numerusform>
        </translation>
    </message>
    <message>
        <source>Some items could not be moved to the Trash</source>
        <translation>Certains éléments n&apos;ont pas pu être mis à la corbeille</translation>
    </message>
    <message>
        <source>Nothing was moved to the Trash</source>
        <translation>Rien n&apos;a été mis à la corbeille</translation>
    </message>
    <message numerus="yes">
        <source>%Ln item(s) could not be moved to the Trash (%1)</source>
        <translation>
            <numerusform>%Ln élément n&apos;a pas pu être mis à la corbeille (%1)</numerusform>
            <numerusform>%Ln éléments n&apos;ont pas pu être mis à la corbeille (%1)</numerusform>
        </translation>
    </message>
    <message>
        <source>Moved to the Trash (%1)</source>
        <translation>Mis à la corbeille (%1)</translation>
    </message>
    <message>
        <source>Removing</source>
        <translation>Suppression</translation>
    </message>
    <message numerus="yes">
        <source>%Ln item(s) removed</source>
        <translation>
            <numerusform>%Ln élément supprimé</numerusform>
            <numerusform>%Ln éléments supprimés</numerusform>
        </translation>
    </message>
    <message>
        <source>Some items could not be removed</source>
        <translation>Certains éléments n&apos;ont pas pu être supprimés</translation>
    </message>
    <message>
        <source>Nothing was removed</source>
        <translation>Rien n&apos;a été supprimé</translation>
    </message>
    <message numerus="yes">
        <source>%Ln item(s) could not be removed (%1)</source>
        <translation>
            <numerusform>%Ln élément n&apos;a pas pu être supprimé (%1)</numerusform>
            <numerusform>%Ln éléments n&apos;ont pas pu être supprimés (%1)</numerusform>
        </translation>
    </message>
    <message>
        <source>Removed (%1)</source>
        <translation>Supprimé (%1)</translation>
    </message>
    <message>
        <source>Shredding</source>
        <translation>Broyage</translation>
    </message>
    <message numerus="yes">
        <source>%Ln item(s) shredded</source>
        <translation>
            <numerusform>%Ln élément broyé</numerusform>
            <numerusform>%Ln éléments broyés</numerusform>
        </translation>
    </message>
    <message>
        <source>Some items could not be shredded</source>
        <translation>Certains éléments n&apos;ont pas pu être broyés</translation>
    </message>
    <message>
        <source>Nothing was shredded</source>
        <translation>Rien n&apos;a été broyé</translation>
    </message>
    <message numerus="yes">
        <source>%Ln item(s) could not be shredded (%1)</source>
        <translation>
            <numerusform>%Ln élément n&apos;a pas pu être broyé (%1)</numerusform>
            <numerusform>%Ln éléments n&apos;ont pas pu être broyés (%1)</numerusform>
        </translation>
    </message>
    <message>
        <source>Shredded (%1)</source>
        <translation>Broyé (%1)</translation>
    </message>
    <message>
        <source>Delete junk files?</source>
        <translation>Supprimer les fichiers inutiles&#xa0;?</translation>
    </message>
    <message>
        <source>Move junk files to the Trash?</source>
        <translation>Mettre les fichiers inutiles à la corbeille&#xa0;?</translation>
    </message>
    <message>
        <source>Junk files deleted</source>
        <translation>Fichiers inutiles supprimés</translation>
    </message>
    <message>
        <source>Junk files moved to the Trash</source>
        <translation>Fichiers inutiles mis à la corbeille</translation>
    </message>
    <message>
        <source>Delete large files?</source>
        <translation>Supprimer les gros fichiers&#xa0;?</translation>
    </message>
    <message>
        <source>Move large files to the Trash?</source>
        <translation>Mettre les gros fichiers à la corbeille&#xa0;?</translation>
    </message>
    <message>
        <source>Large files deleted</source>
        <translation>Gros fichiers supprimés</translation>
    </message>
    <message>
        <source>Large files moved to the Trash</source>
        <translation>Gros fichiers mis à la corbeille</translation>
    </message>
    <message>
        <source>Delete duplicates?</source>
        <translation>Supprimer les doublons&#xa0;?</translation>
    </message>
    <message>
        <source>Move duplicates to the Trash?</source>
        <translation>Mettre les doublons à la corbeille&#xa0;?</translation>
    </message>
    <message>
        <source>Duplicates deleted</source>
        <translation>Doublons supprimés</translation>
    </message>
    <message>
        <source>Duplicates moved to the Trash</source>
        <translation>Doublons mis à la corbeille</translation>
    </message>
    <message numerus="yes">
        <source>Uninstall %Ln application(s)?</source>
        <translation>
            <numerusform>Désinstaller %Ln application&#xa0;?</numerusform>
            <numerusform>Désinstaller %Ln applications&#xa0;?</numerusform>
        </translation>
    </message>
    <message>
        <source>Applications uninstalled</source>
        <translation>Applications désinstallées</translation>
    </message>
    <message numerus="yes">
        <source>Remove %Ln extension(s)?</source>
        <translation>
            <numerusform>Supprimer %Ln extension&#xa0;?</numerusform>
            <numerusform>Supprimer %Ln extensions&#xa0;?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Move %Ln extension(s) to the Trash?</source>
        <translation>
            <numerusform>Mettre %Ln extension à la corbeille&#xa0;?</numerusform>
            <numerusform>Mettre %Ln extensions à la corbeille&#xa0;?</numerusform>
        </translation>
    </message>
    <message>
        <source>Extensions removed</source>
        <translation>Extensions supprimées</translation>
    </message>
    <message>
        <source>Extensions moved to the Trash</source>
        <translation>Extensions mises à la corbeille</translation>
    </message>
    <message numerus="yes">
        <source>Shred %Ln item(s)?</source>
        <translation>
            <numerusform>Broyer %Ln élément&#xa0;?</numerusform>
            <numerusform>Broyer %Ln éléments&#xa0;?</numerusform>
        </translation>
    </message>
    <message>
        <source>Items shredded</source>
        <translation>Éléments broyés</translation>
    </message>
    <message numerus="yes">
        <source>%Ln item(s) were refused</source>
        <translation>
            <numerusform>%Ln élément a été refusé</numerusform>
            <numerusform>%Ln éléments ont été refusés</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>&amp;Move to the Trash</source>
        <translation>&amp;Mettre à la corbeille</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>&amp;Uninstall</source>
        <translation>&amp;Désinstaller</translation>
    </message>
    <message>
        <source>&amp;Shred</source>
        <translation>&amp;Broyer</translation>
    </message>
    <message>
        <source>Replace with &amp;Links</source>
        <translation>Remplacer par des &amp;liens</translation>
    </message>
    <message numerus="yes">
        <source>Replace %Ln copy(s) with links (%1)</source>
        <translation>
            <numerusform>Remplacer %Ln copie par un lien (%1)</numerusform>
            <numerusform>Remplacer %Ln copies par des liens (%1)</numerusform>
        </translation>
    </message>
    <message>
        <source>Each copy is compared again and becomes a link to the copy kept, which stays as it is.</source>
        <translation>Chaque copie est comparée à nouveau et devient un lien vers la copie conservée, qui reste telle quelle.</translation>
    </message>
    <message>
        <source>Replacing with links</source>
        <translation>Remplacement par des liens</translation>
    </message>
    <message numerus="yes">
        <source>%Ln copy(s) replaced with links</source>
        <translation>
            <numerusform>%Ln copie remplacée par un lien</numerusform>
            <numerusform>%Ln copies remplacées par des liens</numerusform>
        </translation>
    </message>
    <message>
        <source>Some copies could not be replaced</source>
        <translation>Certaines copies n’ont pas pu être remplacées</translation>
    </message>
    <message>
        <source>No copy was replaced</source>
        <translation>Aucune copie n’a été remplacée</translation>
    </message>
    <message numerus="yes">
        <source>%Ln copy(s) could not be replaced (%1)</source>
        <translation>
            <numerusform>%Ln copie n’a pas pu être remplacée (%1)</numerusform>
            <numerusform>%Ln copies n’ont pas pu être remplacées (%1)</numerusform>
        </translation>
    </message>
    <message>
        <source>Replaced with a link (%1 freed)</source>
        <translation>Remplacée par un lien (%1 libérés)</translation>
    </message>
    <message>
        <source>Replace duplicates with links?</source>
        <translation>Remplacer les doublons par des liens ?</translation>
    </message>
    <message>
        <source>Duplicates replaced with links</source>
        <translation>Doublons remplacés par des liens</translation>
    </message>
    <message>
        <source>Delete empty and broken items?</source>
        <translation>Supprimer les éléments vides et cassés ?</translation>
    </message>
    <message>
        <source>Move empty and broken items to the Trash?</source>
        <translation>Mettre les éléments vides et cassés à la corbeille ?</translation>
    </message>
    <message>
        <source>Empty and broken items deleted</source>
        <translation>Éléments vides et cassés supprimés</translation>
    </message>
    <message>
        <source>Empty and broken items moved to the Trash</source>
        <translation>Éléments vides et cassés mis à la corbeille</translation>
    </message>
</context>
<context>
    <name>sw::ResultBottomBar</name>
    <message>
        <source>Deselect</source>
        <translation>Désélectionner</translation>
    </message>
    <message>
        <source>Selected:</source>
        <translation>Sélection&#xa0;:</translation>
    </message>
    <message>
        <source>Total:</source>
        <translation>Total&#xa0;:</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Sélectionner</translation>
    </message>
    <message>
        <source>Start &amp;Over</source>
        <translation>&amp;Recommencer</translation>
    </message>
</context>
<context>
    <name>sw::ResultItemList</name>
    <message>
        <source>Search</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Sort by Size</source>
        <translation>Trier par taille</translation>
    </message>
    <message>
        <source>Sort by Name</source>
        <translation>Trier par nom</translation>
    </message>
    <message>
        <source>Search the items</source>
        <translation>Rechercher dans les éléments</translation>
    </message>
    <message>
        <source>Sort the items</source>
        <translation>Trier les éléments</translation>
    </message>
    <message>
        <source>Items</source>
        <translation>Éléments</translation>
    </message>
    <message>
        <source>Item menu</source>
        <translation>Menu de l&apos;élément</translation>
    </message>
    <message>
        <source>Never Touch This</source>
        <translation>Ne jamais toucher</translation>
    </message>
</context>
<context>
    <name>sw::ScanPage</name>
    <message>
        <source>%1 found %2</source>
        <comment>tool, size found</comment>
        <translation>%1&#xa0;: %2 trouvés</translation>
    </message>
    <message>
        <source>Review the result and choose what to remove.</source>
        <translation>Vérifiez le résultat et choisissez ce qu&apos;il faut supprimer.</translation>
    </message>
    <message>
        <source>%1 found nothing</source>
        <comment>tool</comment>
        <translation>%1&#xa0;: rien trouvé</translation>
    </message>
</context>
<context>
    <name>sw::ScanProgressPanel</name>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Scanning…</source>
        <translation>Analyse en cours…</translation>
    </message>
    <message>
        <source>Nothing is removed until you confirm.</source>
        <translation>Rien n&apos;est supprimé tant que vous n&apos;avez pas confirmé.</translation>
    </message>
    <message>
        <source>Scanning</source>
        <translation>Analyse</translation>
    </message>
    <message numerus="yes">
        <source>%Ln item(s) looked at</source>
        <translation>
            <numerusform>%Ln élément examiné</numerusform>
            <numerusform>%Ln éléments examinés</numerusform>
        </translation>
    </message>
    <message>
        <source>Cancelling…</source>
        <translation>Annulation…</translation>
    </message>
    <message>
        <source>Found %1</source>
        <translation>Trouvé&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>sw::TextPreview</name>
    <message>
        <source>Only the beginning of this file is shown.</source>
        <translation>Seul le début de ce fichier est affiché.</translation>
    </message>
</context>
<context>
    <name>sw::ViewerFactory</name>
    <message>
        <source>%1 was not found in %2.</source>
        <translation>%1 est introuvable dans %2.</translation>
    </message>
</context>
</TS>
