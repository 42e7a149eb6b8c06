<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
<context>
    <name>AddLoginItemDialog</name>
    <message>
        <source>Add an Application</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start an application when you log in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AdminPass</name>
    <message>
        <source>the administrator removal did not understand the request; left in place</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>lies outside the places the administrator removal covers; left in place</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its folder changed while the password was asked for; left in place</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is or lies in a protected folder; left in place</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it changed while the password was asked for; left in place</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot be reached without following a link or entering another file system; left in place</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot be reached below its folder; left in place</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the administrator helper sweepwright-privileged is not installed; left in place</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1; left in place</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the administrator removal gave no answer for it; left in place</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AppDelegate</name>
    <message>
        <source>Sweepwright is running as root. It never needs to: run it as the user whose files it cleans.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AppRemoval</name>
    <message>
        <source>it is still installed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>left in place: the application itself was not removed (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>left in place: %1, which also uses it, was not removed (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>left in place: the application itself is not being removed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>left in place: %1, which also uses it, is not being removed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>flatpak left it installed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PackageKit left it installed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>apt-get left it installed</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AppsCommand</name>
    <message numerus="yes">
        <source>&quot;%1&quot; names %n applications; give one of their identifiers or paths:</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>found no application &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Found %n application(s), %1 in total.
</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CategoryRoots</name>
    <message>
        <source>it vanished</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a link in %1, a folder others can write</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it belongs to another user and lies in %1, a folder others can write</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it belongs to another user and anyone can write it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leaving %1 alone: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it belongs to another user</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not an absolute path</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Show this help and exit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Where to look: freedesktop or macos.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The root the system folders are under.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The home folder to look in.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sweepwright, the desktop maintenance utility.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DupKinds</name>
    <message>
        <source>Documents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Music</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Videos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Packages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Others</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DupsCommand</name>
    <message numerus="yes">
        <source>%1  %n copies of %2
</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Found %n set(s) of duplicates, %1 in all copies.
</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ExtractReport</name>
    <message numerus="yes">
        <source>%n item(s) written before the error stay in %1</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ExtractToStatus</name>
    <message>
        <source>Open Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Extracting to %1…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Extracting to %1… %2%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Extracted to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Extracted to %1; %n item(s) left out</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Extraction to %1 stopped</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not extract to %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FileTreeModel</name>
    <message>
        <source>Directory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kind</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Created</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Size</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FolderTree</name>
    <message>
        <source>changed while it was being removed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>stopped before the end; the rest stays</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>another file system is mounted here; left alone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a folder was moved while it was being walked; stopped</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1; it is left as %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FolderZip</name>
    <message>
        <source>Cannot write the zip file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not a folder: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GeneralPrefViewController</name>
    <message>
        <source>Start Sweepwright when you log in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Release memory automatically when its use exceeds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Memory use is checked every 30 seconds while Sweepwright runs.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>General</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GhostscriptRun</name>
    <message>
        <source>Ghostscript cannot be given a password with a backslash before a quote or at its end</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the password could not be handed to Ghostscript</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ghostscript (gs) is not installed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ghostscript could not be started: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Ghostscript finished no page for %n second(s)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Ghostscript was stopped</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ghostscript reached its memory limit of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ghostscript stopped unexpectedly (it crashed or was killed)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ghostscript ended with status %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ghostscript ended with status %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>InputPaths</name>
    <message>
        <source>standard input (-) names no path</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot read standard input (-): %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>standard input (-) holds more than %1 MiB of paths</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>InstalledApp</name>
    <message>
        <source>application bundle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AppImage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>application in the home</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flatpak</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Debian package</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ItemCopy</name>
    <message>
        <source>Special file, not copied</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The copy would replace the original</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A folder cannot be copied into itself</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ItemMailer</name>
    <message>
        <source>Mail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The attachment will not be protected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>These files come from an archive protected by a password. Attached as they are, anyone who gets the message can read them. Attach the archive instead to keep them protected: whoever gets it needs the password.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Attach the Archive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Attach Unprotected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder could not be packed for mail.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file could not be copied for mail.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No mail program could be started.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Install xdg-utils and set up a mail program, or attach the file yourself: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>JunkReport</name>
    <message numerus="yes">
        <source>Found %1 in %n item(s); %2 marked for removal.
</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>LargeCommand</name>
    <message numerus="yes">
        <source>Found %1 in %n item(s) of %2 or more.
</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>LeftOutFolders</name>
    <message>
        <source>left out %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LoginItemRow</name>
    <message>
        <source>Part of the desktop</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MASPreferencesWindowController</name>
    <message>
        <source>Panes</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MLoginItemsPage</name>
    <message>
        <source>Add an application…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: starts at login</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: does not start at login</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Switch off “%1”?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is part of the desktop: the desktop starts it for itself when you log in. Switched off, what it does stops from the next login until you switch it on again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Switch Off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No applications start at login</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add an application to start it each time you log in.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Switching one off keeps it from starting the next time you log in.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n application(s) start at login</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Switching one off keeps it from starting the next time you log in. %n part(s) of the desktop start too; they are listed last.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MarkedRemoval</name>
    <message>
        <source>needs administrator rights; skipped</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ORBigDataCollection</name>
    <message>
        <source>32 MB to 128 MB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Files of 32 MB and more, below 128 MB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>128 MB to 256 MB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Files of 128 MB and more, below 256 MB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>256 MB to 512 MB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Files of 256 MB and more, below 512 MB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>512 MB to 1 GB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Files of 512 MB and more, below 1 GB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 GB and more</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Files of 1 GB and more</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ORBigNoVeiwCter</name>
    <message>
        <source>Large Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No large files were found in these folders.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ORBigResultViewCter</name>
    <message numerus="yes">
        <source>%n file(s)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>File Sizes</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ORBigViewCter</name>
    <message>
        <source>Large Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find the files of 32 MB and more in these folders and move the ones you no longer need to the Trash.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ORDupNoViewCter</name>
    <message>
        <source>Duplicates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No duplicates were found in these folders.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ORDupResultItemObject</name>
    <message>
        <source>No duplicates here</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose another kind, or search for another name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n copies of %1 each; one copy is always kept.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>1 copy of %1 is listed; the others lie in protected places.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ORDupResultViewCter</name>
    <message>
        <source>Select every copy but one of each group listed, or clear them</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search by name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copies</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sort the groups</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Which copy of each group Select keeps. Best original keeps the copy outside Downloads, the Trash and temporary folders, without a copy mark such as &quot;(1)&quot; in its name, the oldest, in the deepest folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All duplicates</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%1: %n set(s), %2</source>
        <extracomment>The kind listed (&quot;All duplicates&quot;, &quot;Documents&quot;, ...), the number of sets and their size</extracomment>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Each set holds copies of one file. Select keeps one copy of each set.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ORDupViewCter</name>
    <message>
        <source>Duplicates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find the files that are stored more than once in these folders and move the extra copies to the Trash.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quick scan: compare samples only, not whole files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Faster, but files that agree only in the parts compared are reported as duplicates too.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Files of %1 and less are not compared.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Found %n set(s) of duplicates, %1</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ORExtDataCollection</name>
    <message>
        <source>Extensions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kernel extensions: drivers and system features that applications added.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kernel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Browser Extensions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add-ons installed in the profiles of your web browsers. A removed extension is gone once the browser has been restarted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Browser</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preference panes that applications added to System Preferences.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System Preferences</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Desktop Extensions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shell extensions, widgets and applets you added to your desktop. A removed one is gone once the desktop shell has been restarted or you have logged in again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Desktop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Internet Plug-Ins</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plug-ins that browsers and other programs load to show web content.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Browsers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Browser Plug-Ins</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plug-in libraries the browsers load from your home folder. A removed plug-in is gone once the browser has been restarted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mozilla</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>QuickLook Plug-Ins</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plug-ins that let Quick Look preview more kinds of files.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quick Look</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thumbnailers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Programs that draw the previews of files in your file manager. Previews drawn already stay until the file manager has been restarted and the thumbnail cache cleaned.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File manager</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spotlight Plug-Ins</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plug-ins that let Spotlight search more kinds of files.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spotlight</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search Providers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Applications that add their results to the desktop&apos;s search. A removed provider is gone once the desktop shell has been restarted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Desktop search</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ORExtensionResultViewCter</name>
    <message>
        <source>Enabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Extensions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing of this kind is installed.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ORExtensionViewCter</name>
    <message>
        <source>Extensions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>See the add-ons installed in your browsers and your desktop, and remove the ones you no longer use.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ORFileConvertViewCter</name>
    <message>
        <source>Icons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Extract to...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In %1. These files are a temporary copy, removed when you leave this page: save them or extract them to keep them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n item(s) could not be saved.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Extract To</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Extract</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder %1 could not be made</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ORFileDropView</name>
    <message>
        <source>Drop an archive or a winmail.dat file here</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>or</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a File...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose an Archive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Archives (%1)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ORFileIntroViewCter</name>
    <message>
        <source>Unarchive error or password error, try again!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This archive format is not supported</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not enough free space</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Archives</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open zip, rar, 7z, tar and many other archives, and the attachments in winmail.dat files: see what is inside, then open, save or mail it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File name encoding:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>zip, rar, 7z, tar, gz, bz2, xz, iso, cab, lzh, arj, cpio, deb, rpm, winmail.dat and more</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Extracting...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ORJunkFilesCollection</name>
    <message>
        <source>Application Junk Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Caches and logs that applications keep to start and work faster. An application makes them again when it needs them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leftover Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings, saved window states and launch agents of applications other than the system&apos;s own.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Menu and login entries whose program is no longer installed, and the data of Flatpak applications that were removed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System Cache Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Caches of the system&apos;s own programs and services. They are made again when needed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Caches of the system&apos;s programs in /var/cache, such as packages the package manager downloaded. They are made again when needed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System Log Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Records of what the system and its services did. They help to find the cause of a fault; nothing needs them to run.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mail Attachments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copies of attachments saved when you opened them. The messages keep their own copy.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>iTunes Junk Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>iPhone and iPad software updates and copies of their applications that iTunes downloaded.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>iOS Backups</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backups of iPhones and iPads made on this computer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>iOS Software Updates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Software updates for iPhones and iPads that were downloaded.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trash</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Everything you moved to the Trash and did not empty yet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Downloads</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Everything in your Downloads folder, which may hold files you keep.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Xcode DerivedData</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Build products and indexes that Xcode makes again when a project is built.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Developer Build Caches</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Package and build caches of npm, Gradle, Cargo and Go, which are downloaded again when a build needs them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Browser Junk Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pages and images your browsers keep to show sites faster, their history and their cookies. Without cookies you are signed out of websites.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pages and images your browsers keep to show sites faster, and their history and cookies, which start unticked: without cookies you are signed out of websites.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ORJunkViewCter</name>
    <message>
        <source>Junk Clean</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find caches, logs, leftovers of removed applications, the Trash and other files you no longer need, and free up space safely.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ORJunksResultViewCter</name>
    <message>
        <source>Categories</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing to clean in this category.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ORMainWinController</name>
    <message>
        <source>Open Sweepwright</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Release Memory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preferences…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quit Sweepwright</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Junk Clean</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Archives</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Login Items</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Duplicates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Large Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uninstaller</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shredder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Memory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Toolbox</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Extensions</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ORMemViewCter</name>
    <message>
        <source>Memory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Used</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Available</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cached</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Buffers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Free</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Swap</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Release Memory asks the kernel to give back the memory it holds as cache. Programs read those files from the disk again when they need them, so the computer does not get faster.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Release Memory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Released Memory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2 in use</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unavailable</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ORNoJunkViewCter</name>
    <message>
        <source>No category was scanned</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the kinds of junk to look for in Preferences, under Junk Clean.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ORPdfCompressViewCter</name>
    <message>
        <source>Page %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF Compressor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Makes a smaller copy of a PDF document; the document itself is left as it is.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drop a PDF document here</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a PDF…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Before</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>After</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quality</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Smallest file (images at 50 ppi)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Medium (images at 150 ppi)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Best quality (images at 300 ppi)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a PDF document</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF documents (*.pdf *.PDF)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” is not a PDF document that can be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter the password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ok</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compressor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Already compact: no smaller copy could be made</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This copy is not password protected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the compressed PDF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” already exists. Do you want to replace it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The copy could not be saved as “%1”.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ORPdfWindowCter</name>
    <message>
        <source>PDF Compressor</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ORShredViewCter</name>
    <message>
        <source>Shredder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Files and folders shredded here are removed at once, not moved to the Trash.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To shred</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drop files and folders here</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Overwrite contents before removing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On SSDs and copy-on-write file systems, overwriting cannot guarantee that the old data is gone.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shred</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ORToolViewCter</name>
    <message>
        <source>Toolbox</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Make PDF files smaller, or open the desktop&apos;s own tools for this computer, its disks and its extensions.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF Compressor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System Information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disk Utility</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Extensions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open the Extensions page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not installed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The PDF compressor cannot be opened: its plugin is missing or broken.

%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not be opened.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ORUninstDelViewCter</name>
    <message>
        <source>Open Trash</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What went to the Trash can be restored from there</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ORUninstResultViewCter</name>
    <message>
        <source>Application</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AppImage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Home</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flatpak</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Package</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n item(s)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Caches</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Removed only with the application: tick the application first</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sort the applications</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last Modified: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ORUninstViewCter</name>
    <message>
        <source>Uninstaller</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>See every installed application with the caches, settings and data it leaves behind, and remove an application completely or just its leftovers. What you remove goes to the Trash; your own data stays unless you tick it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>See every installed application with the caches, settings and data it keeps, and remove an application together with them. Files of yours go to the Trash; your own data stays unless you tick it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scanning the installed applications…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Collecting...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fewer than two applications were found: there is nothing to uninstall.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ORUtility</name>
    <message>
        <source>today</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OutputPlacement</name>
    <message>
        <source>%1 cannot be opened: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is a folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 already exists</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no file can be made in %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PackageCommands</name>
    <message>
        <source>%1 could not be run: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 failed (exit status %2): %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1; left in place</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 failed with administrator rights (exit status %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>flatpak is not installed; left in place</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 would not remove it; left in place</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>removing it would also remove %1; left in place</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>apt-get is not installed; left in place</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PackageKitRemoval</name>
    <message>
        <source>cancelled; left in place</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PackageKit is not running; left in place</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PackageKit could not plan the removal: %1; left in place</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1; left in place</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PackageKit could not remove it: %1; left in place</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PageStyle</name>
    <message>
        <source>Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>or</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PasswordPanel</name>
    <message>
        <source>Password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is protected by a password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter the password to extract its files.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trying the password…</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PdfCompressor</name>
    <message>
        <source>Compression failed: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ghostscript left no readable PDF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the copy has %1 of the %2 pages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a PDF document that can be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the copy could not be written in %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PdfPasswordPanel</name>
    <message>
        <source>Password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter the document&apos;s password:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wrong password</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PdfWorkFolder</name>
    <message>
        <source>%1 is not a private folder of yours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be locked</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no folder can be made in %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ProgressLine</name>
    <message numerus="yes">
        <source>%Ln item(s)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RefusedPlaces</name>
    <message>
        <source>where it lies could not be checked</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is the home folder or holds it (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it holds the root folder %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is the root folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a protected system folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it lies in the protected system folder %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is or lies in your folder %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RemovalRun</name>
    <message>
        <source>a link lies on its way: it changed since the scan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it lies on another file system mounted below its folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>more entries could not be removed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not inside %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>another file system is mounted here; left alone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it changed since the scan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its folder %1 is missing or was left alone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a top folder is never removed whole</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its folder %1 is missing or cannot be opened</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its folder now leads to %1: a link on its way changed since it was chosen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a plain path below %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is no longer the item that was listed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a top folder is never moved whole</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>STPrivilegedTask</name>
    <message>
        <source>administrator authorisation was cancelled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No password prompt could be shown: no authentication agent is running</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No password prompt could be shown: pkexec is not installed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the password prompt could not be started</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>administrator rights were not granted</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SevenZip</name>
    <message>
        <source>link leads outside the destination</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ShredCommand</name>
    <message>
        <source>refused %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ShredOverwrite</name>
    <message>
        <source>%1; it was kept</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1; it was kept as %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it cannot be removed from its folder (%1); nothing was overwritten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it changed since it was examined</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its contents could not be overwritten (%1)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SmartCleanPrefViewController</name>
    <message>
        <source>Look for these kinds of junk:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Junk Clean</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SystemTools</name>
    <message>
        <source>%1 has no program to start.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not be started: its program %2 was not found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not be started: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TUEncodingPopUp</name>
    <message>
        <source>Western (ASCII)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Japanese (EUC)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unicode (UTF-8)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Western (ISO Latin 1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Japanese (Shift JIS)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Central European (ISO Latin 2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cyrillic (Windows)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Western (Windows Latin 1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Greek (Windows)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turkish (Windows Latin 5)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Central European (Windows Latin 2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Japanese (ISO 2022-JP)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Western (Mac OS Roman)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Greek (Mac OS)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cyrillic (Mac OS)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Central European (Mac OS)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turkish (Mac OS)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Western (ISO Latin 3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Central European (ISO Latin 4)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cyrillic (ISO 8859-5)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arabic (ISO 8859-6)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Greek (ISO 8859-7)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hebrew (ISO 8859-8)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turkish (ISO Latin 5)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nordic (ISO Latin 6)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thai (ISO 8859-11)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Baltic (ISO Latin 7)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Celtic (ISO Latin 8)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Western (ISO Latin 9)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Romanian (ISO Latin 10)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Latin-US (DOS)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Greek (DOS)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Baltic (DOS)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Western (DOS Latin 1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Central European (DOS Latin 2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cyrillic (DOS)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turkish (DOS)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Portuguese (DOS)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Icelandic (DOS)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hebrew (DOS)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Canadian French (DOS)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arabic (DOS)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nordic (DOS)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Russian (DOS)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Greek (DOS Greek 2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thai (Windows, DOS)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Korean (Windows, DOS)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hebrew (Windows)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arabic (Windows)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Baltic (Windows)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vietnamese (Windows)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Simplified Chinese (GBK)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Simplified Chinese (GB 18030)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Japanese (ISO 2022-JP-2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Japanese (ISO 2022-JP-1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chinese (ISO 2022-CN)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chinese (ISO 2022-CN-EXT)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Korean (ISO 2022-KR)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Simplified Chinese (GB 2312)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Traditional Chinese (EUC)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Korean (EUC)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cyrillic (KOI8-R)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Traditional Chinese (Big 5)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Simplified Chinese (HZ GB 2312)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Traditional Chinese (Big 5 HKSCS)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vietnamese (VISCII)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ukrainian (KOI8-U)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Western (EBCDIC Latin 1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unicode (UTF-7)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unicode (UTF-32)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unicode (UTF-16BE)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unicode (UTF-16LE)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unicode (UTF-32BE)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unicode (UTF-32LE)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Detect automatically</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TemporaryBase</name>
    <message>
        <source>TMPDIR (%1) is not an absolute path</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TMPDIR (%1) is not an existing folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TMPDIR (%1) belongs to another user and is not a shared temporary folder</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>XADSimpleUnarchiver</name>
    <message>
        <source>Password required</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wrong password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not enough free space</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This archive format is not supported</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the entry was cut short</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 came out with %2 of its %3 bytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The extracted items could not be checked</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot create the folder %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the name leads outside the destination</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the name is empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>special files (devices, FIFOs, sockets) are not extracted</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>centered_textfield</name>
    <message>
        <source>Copy</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>clirun</name>
    <message numerus="yes">
        <source>%n item(s) could not be removed (%1)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>sw::ArchiveReader</name>
    <message numerus="yes">
        <source>Damaged archive: no progress for %n seconds</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Damaged archive: the reader ended on it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Damaged archive: the same entry header came twice</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>sw::DupItemModel</name>
    <message>
        <source>%1
One copy of every file is always kept.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>sw::DupKeepRule</name>
    <message>
        <source>Best original</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Oldest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Newest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shortest path</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First found</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>sw::EntryWriter</name>
    <message>
        <source>a folder of its path is a link or a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>an item of that name exists</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the name is too long</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not enough free space</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>hard link to an item that was not extracted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>link leads outside the destination</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>sw::FolderListPanel</name>
    <message>
        <source>Folders to scan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drop folders here</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Files…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Folders…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Folder…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose Folders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose Files</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>sw::FolderScanPage</name>
    <message>
        <source>Scan</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>sw::GroupItemModel</name>
    <message>
        <source>Needs administrator rights</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>sw::ImagePreview</name>
    <message>
        <source>This image cannot be shown.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>sw::MediaPreview</name>
    <message>
        <source>This file cannot be played.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>sw::NothingFoundPage</name>
    <message>
        <source>Back</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>sw::PackageKitTransaction</name>
    <message>
        <source>cancelled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PackageKit ended the transaction with exit code %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PackageKit gave no transaction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PackageKit left the bus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PackageKit did not take the request</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PackageKit stopped answering</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PackageKit dropped the transaction before it finished</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>sw::PdfPreview</name>
    <message>
        <source>This PDF document cannot be opened.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This PDF document is locked.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This PDF document has no pages.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This PDF document cannot be shown.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Showing the first %1 of %n pages.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>sw::PreviewDialog</name>
    <message>
        <source>Open</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>sw::PreviewPane</name>
    <message>
        <source>This file cannot be shown: the viewers plugin is missing or broken.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>sw::RemovalDetailsDialog</name>
    <message>
        <source>Details</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Item</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Result</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>sw::RemovalPage</name>
    <message>
        <source>Done</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Details</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancelling…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>items done, their size</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stopped: the rest was left as it was</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Refused: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Went with its folder, counted there</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>sw::RemovalWording</name>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Delete %Ln item(s) (%1)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Deleted items do not go to the Trash.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move to the Trash</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Move %Ln item(s) to the Trash (%1)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Items moved to the Trash can be restored from there.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Remove %Ln item(s) (%1)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Uninstall</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Uninstall %Ln application(s) (%1)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Their files are deleted, not moved to the Trash.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Packages are removed by the package manager; files of yours go to the Trash, where you can restore them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shred</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Shred %Ln item(s) (%1)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Shredded items are removed at once and cannot be restored.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deleting</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%Ln item(s) deleted</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Some items could not be deleted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was deleted</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%Ln item(s) could not be deleted (%1)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Deleted (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moving to the Trash</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%Ln item(s) moved to the Trash</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Some items could not be moved to the Trash</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was moved to the Trash</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%Ln item(s) could not be moved to the Trash (%1)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Moved to the Trash (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Removing</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%Ln item(s) removed</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Some items could not be removed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was removed</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%Ln item(s) could not be removed (%1)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Removed (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shredding</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%Ln item(s) shredded</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Some items could not be shredded</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was shredded</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%Ln item(s) could not be shredded (%1)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Shredded (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete junk files?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move junk files to the Trash?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Junk files deleted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Junk files moved to the Trash</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete large files?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move large files to the Trash?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Large files deleted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Large files moved to the Trash</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete duplicates?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move duplicates to the Trash?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Duplicates deleted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Duplicates moved to the Trash</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Uninstall %Ln application(s)?</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Applications uninstalled</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Remove %Ln extension(s)?</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Move %Ln extension(s) to the Trash?</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Extensions removed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Extensions moved to the Trash</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Shred %Ln item(s)?</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Items shredded</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%Ln item(s) were refused</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>sw::ResultBottomBar</name>
    <message>
        <source>Deselect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selected:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start Over</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>sw::ResultItemList</name>
    <message>
        <source>Search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sort by Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sort by Name</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>sw::ScanProgressPanel</name>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scanning…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing is removed until you confirm.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scanning</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%Ln item(s) looked at</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Cancelling…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Found %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>sw::TextPreview</name>
    <message>
        <source>Only the beginning of this file is shown.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>sw::ViewerFactory</name>
    <message>
        <source>%1 was not found in %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
