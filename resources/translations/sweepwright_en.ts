<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
<context>
    <name>AppsCommand</name>
    <message numerus="yes">
        <source>&quot;%1&quot; names %n applications; give one of their identifiers or paths:</source>
        <translation>
            <numerusform>&quot;%1&quot; names %n application; give one of their identifiers or paths:</numerusform>
            <numerusform>&quot;%1&quot; names %n applications; give one of their identifiers or paths:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Found %n application(s), %1 in total.
</source>
        <translation>
            <numerusform>Found %n application, %1 in total.
</numerusform>
            <numerusform>Found %n applications, %1 in total.
</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DupsCommand</name>
    <message numerus="yes">
        <source>%1  %n copies of %2
</source>
        <translation>
            <numerusform>%1  %n copy of %2
</numerusform>
            <numerusform>%1  %n copies of %2
</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Found %n set(s) of duplicates, %1 in all copies.
</source>
        <translation>
            <numerusform>Found %n set of duplicates, %1 in all copies.
</numerusform>
            <numerusform>Found %n sets of duplicates, %1 in all copies.
</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1  %n item(s), %2
</source>
        <translation>
            <numerusform>%1  %n item, %2
</numerusform>
            <numerusform>%1  %n items, %2
</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Found %n kind(s) of empty or broken items, %1 in all.
</source>
        <translation>
            <numerusform>Found %n kind of empty or broken items, %1 in all.
</numerusform>
            <numerusform>Found %n kinds of empty or broken items, %1 in all.
</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ExtensionsCommand</name>
    <message numerus="yes">
        <source>Found %n add-on(s), %1 in total.
</source>
        <translation>
            <numerusform>Found %n add-on, %1 in total.
</numerusform>
            <numerusform>Found %n add-ons, %1 in total.
</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ExtractReport</name>
    <message numerus="yes">
        <source>%n item(s) written before the error stay in %1</source>
        <translation>
            <numerusform>%n item written before the error stay in %1</numerusform>
            <numerusform>%n items written before the error stay in %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ExtractToStatus</name>
    <message numerus="yes">
        <source>Extracted to %1; %n item(s) left out</source>
        <translation>
            <numerusform>Extracted to %1; %n item left out</numerusform>
            <numerusform>Extracted to %1; %n items left out</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>GhostscriptRun</name>
    <message numerus="yes">
        <source>Ghostscript finished no page for %n second(s)</source>
        <translation>
            <numerusform>Ghostscript finished no page for %n second</numerusform>
            <numerusform>Ghostscript finished no page for %n seconds</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>HistoryCommand</name>
    <message numerus="yes">
        <source>Put back %n item(s) (%1)?</source>
        <translation>
            <numerusform>Put back %n item (%1)?</numerusform>
            <numerusform>Put back %n items (%1)?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>HistoryWording</name>
    <message numerus="yes">
        <source>%n item(s): %1</source>
        <translation>
            <numerusform>%n item: %1</numerusform>
            <numerusform>%n items: %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>JunkReport</name>
    <message numerus="yes">
        <source>Found %1 in %n item(s); %2 marked for removal.
</source>
        <translation>
            <numerusform>Found %1 in %n item; %2 marked for removal.
</numerusform>
            <numerusform>Found %1 in %n items; %2 marked for removal.
</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>only items older than %n day(s)</source>
        <translation>
            <numerusform>only items older than %n day</numerusform>
            <numerusform>only items older than %n days</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>LargeCommand</name>
    <message numerus="yes">
        <source>Found %1 in %n item(s) of %2 or more.
</source>
        <translation>
            <numerusform>Found %1 in %n item of %2 or more.
</numerusform>
            <numerusform>Found %1 in %n items of %2 or more.
</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>LoginCommand</name>
    <message numerus="yes">
        <source>%n item(s) start at login.</source>
        <translation>
            <numerusform>%n item starts at login.</numerusform>
            <numerusform>%n items start at login.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MLoginItemsPage</name>
    <message numerus="yes">
        <source>%n application(s) start at login</source>
        <translation>
            <numerusform>%n application starts at login</numerusform>
            <numerusform>%n applications start at login</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Switching one off keeps it from starting the next time you log in. %n part(s) of the desktop start too; they are listed last.</source>
        <translation>
            <numerusform>Switching one off keeps it from starting the next time you log in. %n part of the desktop starts too; it is listed last.</numerusform>
            <numerusform>Switching one off keeps it from starting the next time you log in. %n parts of the desktop start too; they are listed last.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ORBigResultViewCter</name>
    <message numerus="yes">
        <source>%n file(s)</source>
        <translation>
            <numerusform>%n file</numerusform>
            <numerusform>%n files</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ORDupDataCollection</name>
    <message numerus="yes">
        <source>Modified in the last %n day(s): only older copies go</source>
        <translation>
            <numerusform>Modified in the last %n day: only older copies go</numerusform>
            <numerusform>Modified in the last %n days: only older copies go</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ORDupResultItemObject</name>
    <message numerus="yes">
        <source>%n copies of %1 each; one copy is always kept.</source>
        <translation>
            <numerusform>%n copy of %1 each; one copy is always kept.</numerusform>
            <numerusform>%n copies of %1 each; one copy is always kept.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n item(s), %1 in all; each may go to the Trash.</source>
        <translation>
            <numerusform>%n item, %1; it may go to the Trash.</numerusform>
            <numerusform>%n items, %1 in all; each may go to the Trash.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ORDupResultViewCter</name>
    <message numerus="yes">
        <source>%1: %n set(s), %2</source>
        <extracomment>The kind listed (&quot;All duplicates&quot;, &quot;Documents&quot;, ...), the number of sets and their size</extracomment>
        <translation>
            <numerusform>%1: %n set, %2</numerusform>
            <numerusform>%1: %n sets, %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Empty and broken: %n item(s), %1</source>
        <translation>
            <numerusform>Empty and broken: %n item, %1</numerusform>
            <numerusform>Empty and broken: %n items, %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ORDupViewCter</name>
    <message numerus="yes">
        <source>Found %n set(s) of duplicates, %1</source>
        <translation>
            <numerusform>Found %n set of duplicates, %1</numerusform>
            <numerusform>Found %n sets of duplicates, %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n item(s) of the saved result were left out: they changed since it was saved, or cannot be acted on.</source>
        <translation>
            <numerusform>%n item of the saved result was left out: it changed since the result was saved, or cannot be acted on.</numerusform>
            <numerusform>%n items of the saved result were left out: they changed since it was saved, or cannot be acted on.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ORFileConvertViewCter</name>
    <message numerus="yes">
        <source>%n item(s) could not be saved.</source>
        <translation>
            <numerusform>%n item could not be saved.</numerusform>
            <numerusform>%n items could not be saved.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ORJunkFilesCollection</name>
    <message numerus="yes">
        <source>Only items older than %n day(s) are listed.</source>
        <translation>
            <numerusform>Only items older than %n day are listed.</numerusform>
            <numerusform>Only items older than %n days are listed.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ORUninstResultViewCter</name>
    <message numerus="yes">
        <source>%n item(s)</source>
        <translation>
            <numerusform>%n item</numerusform>
            <numerusform>%n items</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PdfCommand</name>
    <message numerus="yes">
        <source>Would compress %1 (%n page(s), %2) at quality %3 into %4 (replacing it)</source>
        <translation>
            <numerusform>Would compress %1 (%n page, %2) at quality %3 into %4 (replacing it)</numerusform>
            <numerusform>Would compress %1 (%n pages, %2) at quality %3 into %4 (replacing it)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Would compress %1 (%n page(s), %2) at quality %3 into %4</source>
        <translation>
            <numerusform>Would compress %1 (%n page, %2) at quality %3 into %4</numerusform>
            <numerusform>Would compress %1 (%n pages, %2) at quality %3 into %4</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %n page(s), %2 -&gt; %3</source>
        <translation>
            <numerusform>%1: %n page, %2 -&gt; %3</numerusform>
            <numerusform>%1: %n pages, %2 -&gt; %3</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ProgressLine</name>
    <message numerus="yes">
        <source>%Ln item(s)</source>
        <translation>
            <numerusform>%Ln item</numerusform>
            <numerusform>%Ln items</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ScheduledRunNotice</name>
    <message numerus="yes">
        <source>Removed %n item(s), %1.</source>
        <translation>
            <numerusform>Removed %n item, %1.</numerusform>
            <numerusform>Removed %n items, %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n item(s) could not be removed.</source>
        <translation>
            <numerusform>%n item could not be removed.</numerusform>
            <numerusform>%n items could not be removed.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n item(s) left: they need administrator rights.</source>
        <translation>
            <numerusform>%n item left: it needs administrator rights.</numerusform>
            <numerusform>%n items left: they need administrator rights.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ShredCommand</name>
    <message numerus="yes">
        <source>Refused %n path(s) (named on stderr).</source>
        <translation>
            <numerusform>Refused %n path (named on stderr).</numerusform>
            <numerusform>Refused %n paths (named on stderr).</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>clirun</name>
    <message numerus="yes">
        <source>Removed %1 in total; %n item(s) could not be removed (%2).</source>
        <translation>
            <numerusform>Removed %1 in total; %n item could not be removed (%2).</numerusform>
            <numerusform>Removed %1 in total; %n items could not be removed (%2).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Moved to the Trash %1 in total; %n item(s) could not be removed (%2).</source>
        <translation>
            <numerusform>Moved to the Trash %1 in total; %n item could not be removed (%2).</numerusform>
            <numerusform>Moved to the Trash %1 in total; %n items could not be removed (%2).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Shredded %1 in total; %n item(s) could not be removed (%2).</source>
        <translation>
            <numerusform>Shredded %1 in total; %n item could not be removed (%2).</numerusform>
            <numerusform>Shredded %1 in total; %n items could not be removed (%2).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Freed %1 in total; %n copy(s) could not be replaced (%2).</source>
        <translation>
            <numerusform>Freed %1 in total; %n copy could not be replaced (%2).</numerusform>
            <numerusform>Freed %1 in total; %n copies could not be replaced (%2).</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>sw::AgeLimitControl</name>
    <message numerus="yes">
        <source>day(s)</source>
        <extracomment>After the number of an age limit: &quot;Only files older than [30] days&quot;</extracomment>
        <translation>
            <numerusform>day</numerusform>
            <numerusform>days</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>sw::ArchiveReader</name>
    <message numerus="yes">
        <source>Damaged archive: no progress for %n seconds</source>
        <translation>
            <numerusform>Damaged archive: no progress for %n second</numerusform>
            <numerusform>Damaged archive: no progress for %n seconds</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>sw::HistoryPage</name>
    <message numerus="yes">
        <source>%n item(s) put back.</source>
        <translation>
            <numerusform>%n item put back.</numerusform>
            <numerusform>%n items put back.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n item(s) could not be put back; the list says why.</source>
        <translation>
            <numerusform>%n item could not be put back; the list says why.</numerusform>
            <numerusform>%n items could not be put back; the list says why.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>sw::PdfPreview</name>
    <message numerus="yes">
        <source>Showing the first %1 of %n pages.</source>
        <translation>
            <numerusform>Showing the first %1 of %n page.</numerusform>
            <numerusform>Showing the first %1 of %n pages.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>sw::RemovalWording</name>
    <message numerus="yes">
        <source>Delete %Ln item(s) (%1)</source>
        <translation>
            <numerusform>Delete %Ln item (%1)</numerusform>
            <numerusform>Delete %Ln items (%1)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Move %Ln item(s) to the Trash (%1)</source>
        <translation>
            <numerusform>Move %Ln item to the Trash (%1)</numerusform>
            <numerusform>Move %Ln items to the Trash (%1)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Remove %Ln item(s) (%1)</source>
        <translation>
            <numerusform>Remove %Ln item (%1)</numerusform>
            <numerusform>Remove %Ln items (%1)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Uninstall %Ln application(s) (%1)</source>
        <translation>
            <numerusform>Uninstall %Ln application (%1)</numerusform>
            <numerusform>Uninstall %Ln applications (%1)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Shred %Ln item(s) (%1)</source>
        <translation>
            <numerusform>Shred %Ln item (%1)</numerusform>
            <numerusform>Shred %Ln items (%1)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln item(s) deleted</source>
        <translation>
            <numerusform>%Ln item deleted</numerusform>
            <numerusform>%Ln items deleted</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln item(s) could not be deleted (%1)</source>
        <translation>
            <numerusform>%Ln item could not be deleted (%1)</numerusform>
            <numerusform>%Ln items could not be deleted (%1)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln item(s) moved to the Trash</source>
        <translation>
            <numerusform>%Ln item moved to the Trash</numerusform>
            <numerusform>%Ln items moved to the Trash</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln item(s) could not be moved to the Trash (%1)</source>
        <translation>
            <numerusform>%Ln item could not be moved to the Trash (%1)</numerusform>
            <numerusform>%Ln items could not be moved to the Trash (%1)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln item(s) removed</source>
        <translation>
            <numerusform>%Ln item removed</numerusform>
            <numerusform>%Ln items removed</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln item(s) could not be removed (%1)</source>
        <translation>
            <numerusform>%Ln item could not be removed (%1)</numerusform>
            <numerusform>%Ln items could not be removed (%1)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln item(s) shredded</source>
        <translation>
            <numerusform>%Ln item shredded</numerusform>
            <numerusform>%Ln items shredded</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln item(s) could not be shredded (%1)</source>
        <translation>
            <numerusform>%Ln item could not be shredded (%1)</numerusform>
            <numerusform>%Ln items could not be shredded (%1)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Uninstall %Ln application(s)?</source>
        <translation>
            <numerusform>Uninstall %Ln application?</numerusform>
            <numerusform>Uninstall %Ln applications?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Remove %Ln extension(s)?</source>
        <translation>
            <numerusform>Remove %Ln extension?</numerusform>
            <numerusform>Remove %Ln extensions?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Move %Ln extension(s) to the Trash?</source>
        <translation>
            <numerusform>Move %Ln extension to the Trash?</numerusform>
            <numerusform>Move %Ln extensions to the Trash?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Shred %Ln item(s)?</source>
        <translation>
            <numerusform>Shred %Ln item?</numerusform>
            <numerusform>Shred %Ln items?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln item(s) were refused</source>
        <translation>
            <numerusform>%Ln item was refused</numerusform>
            <numerusform>%Ln items were refused</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Replace %Ln copy(s) with links (%1)</source>
        <translation>
            <numerusform>Replace %Ln copy with a link (%1)</numerusform>
            <numerusform>Replace %Ln copies with links (%1)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln copy(s) replaced with links</source>
        <translation>
            <numerusform>%Ln copy replaced with a link</numerusform>
            <numerusform>%Ln copies replaced with links</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln copy(s) could not be replaced (%1)</source>
        <translation>
            <numerusform>%Ln copy could not be replaced (%1)</numerusform>
            <numerusform>%Ln copies could not be replaced (%1)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>sw::ScanProgressPanel</name>
    <message numerus="yes">
        <source>%Ln item(s) looked at</source>
        <translation>
            <numerusform>%Ln item looked at</numerusform>
            <numerusform>%Ln items looked at</numerusform>
        </translation>
    </message>
</context>
</TS>
