<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>About</name>
    <message>
        <source>Resizes, turns and converts many pictures in one go, and hands them to your mail program.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tessary is free software under the MIT licence:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About Tessary</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Batch</name>
    <message>
        <source>it is in the list already, as %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it has %1 pages and only its first could be written in its place, so it is kept as it is</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its name would put it outside %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>something that is not a file has its name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it would be written over the source picture %1, which is not to be overwritten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>another result of this batch, from %1, has its name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its name %1 is a source picture&apos;s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the batch was stopped</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The padding colour &quot;%1&quot; is not an RGB colour in hex, such as FFFFFF for white, nor empty for transparent.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the new size of %1 x %2 pixels is not possible</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a &apos;}&apos; without its &apos;{&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a &apos;{&apos; without its &apos;}&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The name template &quot;%1&quot; has %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The name template &quot;%1&quot; has the unknown token {%2}; the tokens are {name}, {ext}, {w}, {h}, {n}, {n:3}, {date}, {time} and {folder}.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The name template &quot;%1&quot; would put results outside the destination folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The name template &quot;%1&quot; gives no file name after its last &quot;/&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be changed for a further output</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>further output %1 (%2): %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the source&apos;s type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>full size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>fitted to the desktop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot make the folder %1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>another result of this batch has its name %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a file of its name appeared while the batch ran, and is kept</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot write the file (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>about %1 in all</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>; a mail of them fits in %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>; a mail of them would be made smaller to fit in %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it cannot be made as small as %1 KB</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BatchRun</name>
    <message>
        <source>One result could not be made:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 results could not be made:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One picture could not be processed:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 pictures could not be processed:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>... and %1 more (see the details)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Browse</name>
    <message>
        <source>File Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 pictures</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, %1 marked, %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please mark the pictures before Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please mark the pictures before Move</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please mark the pictures before Mail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please mark the pictures before Resize</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>These pictures could not be %1:

%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>These pictures are already in &quot;%1&quot;, so they were not %2:

%3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>moved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>copied</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: it is not a picture or a folder that can be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot open %1 of the given files: they are not pictures or folders that can be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 given picture is in another folder and was not marked.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 given pictures are in other folders and were not marked.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 can be changed by other users</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot write %1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a thumbnail itself</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CommandPrompt</name>
    <message>
        <source>Mark the selected picture in order to resize, mail, move or copy the marked pictures</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mark the selected picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select the all pictures in the folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Refresh the file list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy the marked pictures to pointed folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move the marked pictures to pointed folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mail the marked pictures</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resize the marked pictures</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tessary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set the program option</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Option</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the pictures as a list with their size, type and time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Details</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the pictures as thumbnails</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thumbnails</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sort the list by name; again: the other way round</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sort the list by size; again: the other way round</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sort the list by type; again: the other way round</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sort the list by time; again: the other way round</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display program information, version number and copyright</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Go back to the folder shown before</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Go forward to the folder left by Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show or hide the files and folders whose names begin with a dot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the picture on the whole screen; the arrow keys go through the folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the folder&apos;s pictures one after the other on the whole screen</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ConfirmDialog</name>
    <message>
        <source>Tessary Confirm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yes to all</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No to all</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ContextMenu</name>
    <message>
        <source>Resize</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resize as default setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resize as default setting and mail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display resize dialog then mail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resize with preset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tessary has been removed from this computer,
so its menu items cannot run any more.

To take them out of the menus, install Tessary again
and run: tessary-menu --uninstall</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FileOperation</name>
    <message>
        <source>Moving</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copying</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This folder already holds a file named &quot;%1&quot;.

Replace it with the one you are moving or copying?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From: %1
To: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yes to &amp;all</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>N&amp;o to all</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; does not exist.

Create it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>stopped</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the copy is not complete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>: copied, but the original could not be removed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>: no such file</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>no space left on the device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a link that leads nowhere (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>something that is not a file has its name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is read-only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its folder is read-only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file it replaces cannot be moved to the Trash (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a file of that name is there already</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 belongs to another user</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>others may enter %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Frame</name>
    <message>
        <source>Slideshow &amp;Pace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 seconds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This folder has no picture to show</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Address </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FurtherOutputDialog</name>
    <message>
        <source>Further output</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>as the main output</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quality:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Size:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>x</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folder:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DPI:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This output cannot be used: %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HandOff</name>
    <message>
        <source>Resize with Tessary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Resize</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tessary found %1 in %2 and the folders under it.

Resize them?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tessary found %1 in %2 folders and the folders under them.

Resize them?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tessary found %1: %2 you chose, and %3 in %4 and the folders under it.

Resize them?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tessary found %1: %2 you chose, and %3 in %4 folders and the folders under them.

Resize them?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 pictures</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no picture in %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None of the chosen files is a picture.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no preset named &quot;%1&quot; any more.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Mail</name>
    <message>
        <source>Tessary cannot hand pictures to a mail program: the xdg-email command (package xdg-utils) is not installed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No mail program could be found to write the message. Choose a default mail program in your desktop&apos;s settings and try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The mail program could not be started to write the message.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainMenu</name>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Up Folder	Backspace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mark</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resize ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mail To ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Copy To ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move To ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select All	Ctrl+A</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Refresh	F5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Option ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Details	Ctrl+1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>T&amp;humbnails	Ctrl+2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sort by &amp;Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sort by Si&amp;ze</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sort by T&amp;ype</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sort by &amp;Create Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>H&amp;idden Files	Ctrl+H</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Full Screen	F11</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slidesho&amp;w	Shift+F11</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Go</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Back	Alt+Left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Forward	Alt+Right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Visit my web</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check the new version ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mail to me</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bug report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About ...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Menus</name>
    <message>
        <source>cannot write %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 was changed since Tessary wrote it; it was left as it is</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot remove %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 was left as it is: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the program&apos;s path cannot stand in a menu entry: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>; no menu was changed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not Tessary&apos;s; it was left as it is</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is written in %1, which Tessary cannot write back unchanged</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not valid %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not a list of Thunar actions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not a list of Thunar actions without ours</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Options</name>
    <message>
        <source>The file managers&apos; menus could not all be written:

</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Option...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Menu Context</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Subject</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The %1 can have at most %2 bytes: the rest was not taken.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>subject</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(%F = Attach file name)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Body</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select the menu items that viewed in menu context </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resize</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resize as default setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resize and mail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resize as default setting and mail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display resize dialog then mail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resize with preset, an item for each preset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown option name &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos; is not a number from 0 to 4294967295</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it changes no option</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not NAME=VALUE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 is not from %3 to %4</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Picture</name>
    <message>
        <source>cannot write the file (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its %1 pages differ in size, and a picture of this type keeps its pages in one size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot open the file (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file is not of the expected picture type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a picture of a type Tessary reads</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file is too large</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot read the file (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the picture is too large (%1 x %2 pixels)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 x %2 pixels is not a size a picture can have</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the encoder&apos;s HEIF file has no EXIF item to hold the camera data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the encoder made no JPEG XL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the picture is damaged or unsupported</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>an icon can be at most %1 x %1 pixels; this picture is %2 x %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pictures of this type cannot be written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its result could not be read back (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its result still holds %1, which is not to be kept</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the encoder made no JPEG</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its EXIF block of %1 bytes is more than a JPEG file holds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the encoder made no PNG</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the encoder made no WebP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the encoder made an empty WebP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the encoder made no TIFF</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Presets</name>
    <message>
        <source>it is not a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a file: the presets that come with Tessary are offered, and none can be saved or deleted until it is moved away.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The presets file %1 was damaged: the presets that could be read are kept, and those that come with Tessary are back.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The presets cannot be written to %1: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no preset named &apos;%1&apos; to delete.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A preset needs a name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A preset&apos;s name can have at most %1 characters.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A preset&apos;s name cannot hold control characters.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A preset&apos;s name must be text: this one holds bytes that are not UTF-8.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A preset&apos;s name cannot begin with a dot.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A preset&apos;s name cannot begin or end with a space.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the presets could not be put into words</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Preview</name>
    <message>
        <source>Picture Properties</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Image Width</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Image Height</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot show %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only part of %1 can be shown: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ProgressDialog</name>
    <message>
        <source>Process</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading Pictures Information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resizing Pictures</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Resize</name>
    <message>
        <source>Resizing : </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading : </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to overwrite this file?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transfer to GIF from 24 bit to 8 bit colors will lose some colors and take some time, would you keep on?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no file name was given</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no private folder for the mail copies could be made in %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ResizeDialog</name>
    <message>
        <source>Tessary...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>in the folder:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>If the dest folder is empty, TSY will auto create .\resize\ folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>save image type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quality
(JPEG only)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Worst</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Best</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Overwrite the source file (not recommend)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Image to resize</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Image Resize option</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Constrain Proportion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resize as</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Width</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Height</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pixel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>percent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resize as your desktop size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Image to rotate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Image rotate option</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rotate 90 degree</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flip Horizontal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rotate -90 degree</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Image to set DPI</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DPI</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>X</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Y</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>More</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do not enlarge smaller pictures</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep file dates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move replaced files to the Trash</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>At most</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>KB per picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mail at most</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>KB in all</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no limit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Names</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Further outputs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name of each result:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>{name} {ext} of the source, {w} {h} of the result, {n} or {n:3} its number, {date} {time} when taken, {folder}; &quot;/&quot; makes folders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>When a file exists:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ask</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep both</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The name template is too long: it can have at most %1 bytes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The further outputs are too many to store: together they can have at most %1 bytes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Each picture is also written as each of these, from the same decode.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sharing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Framing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A size in pixels:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Take exactly that size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fill it, cropping what is over</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fit inside it, on a canvas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the centre</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the most interesting part</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the top or left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the bottom or right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Canvas colour:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>transparent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Width is for:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the width, height for the height</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the longer side</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the shorter side</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preset:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(the options below)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save as...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name of the preset:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete the preset &quot;%1&quot;?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Metadata kept:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In mailed copies:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All of it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All but location and personal data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only the colour profile and resolution</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Location and personal data: GPS position, place names, serial numbers, owner and author names, maker notes and contacts. Camera, exposure, date taken and copyright stay.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Convert colours to sRGB for the web</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>working out the size...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set as default</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resize</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resize and mail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the same as source</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>select the destination folder...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The destination folder&apos;s name is too long: it can have at most %1 bytes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter a positive integer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The pictures you&apos;ve selected will be auto resize to fit the desktop&apos;s size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The pictures you&apos;ve selected will be resize to the desktop&apos;s size (%1*%2)<byte value="xd"/>
uncheck Constrain Proportion might distort your picture(s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The pictures you&apos;ve selected are not the same size<byte value="xd"/>
Please resize them in percent or uncheck Constrain Proportion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The pictures you&apos;ve selected are not the same size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The size of the pictures you&apos;ve selected is:%1*%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source><byte value="xd"/>
uncheck Constrain Proportion might distort your picture(s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The size(%1*%2) of the pictures you&apos;ve selected is not match the Constrain Proportion of your setting: %3*%4<byte value="xd"/>
Please reset width and height or uncheck Constrain Proportion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The longer side of each picture will be %1, the other in proportion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The shorter side of each picture will be %1, the other in proportion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 pixels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 % of it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source><byte value="xd"/>
(%1*%2 for the pictures you&apos;ve selected)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The pictures will fill %1*%2 exactly, cropped where their proportions differ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The pictures will fit inside %1*%2 whole, on a canvas of exactly that size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please give the new width and height: 1 to %1 pixels, or 1 to %2 percent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source><byte value="xd"/>
Please give a DPI from 1 to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your select Pictures:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source><byte value="xd"/>
the X DPI:%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source><byte value="xd"/>
The X DPI: not the same</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source><byte value="xd"/>
The Y DPI:%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source><byte value="xd"/>
The Y DPI: not the same</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Shell</name>
    <message>
        <source>Home</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Computer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Control Panel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File System</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Desktop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Home Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pictures Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Volume</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tessary</name>
    <message>
        <source>Usage: tessary [--] [FILE...]
       tessary --help | --version
Opens the picture browser; given files, it shows their folder with
the pictures marked and the first one previewed.
</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tessary-batch</name>
    <message>
        <source>Usage: tessary-batch [OPTION]... FILE...
Resize, rotate, flip, set the DPI of and convert the pictures FILE... in one
batch, with the options stored by Tessary (&quot;Set as default&quot; in its resize
dialog), changed for this run by --set.

Options:
  --set NAME=VALUE     change one stored option for this run only (nothing is
                       saved); may be given many times. NAME is one of:
                         override         1: write over the source pictures
                         dest             destination folder; empty: a folder
                                          &quot;resize&quot; beside each picture;
                                          relative: taken from each picture&apos;s
                                          folder
                         imagetype        0 same as source, 1 JPEG, 2 BMP,
                                          3 GIF, 4 ICO, 5 PNG, 6 TIFF, 7 PCX,
                                          8 WebP, 9 AVIF, 10 HEIC, 11 JPEG XL
                         qualilty         quality of JPEG, WebP, AVIF, HEIC
                                          and JPEG XL, 0 to 100
                         image_to_resize  1: resize
                         image_to_rotate  1: rotate or flip (see rotate)
                         image_set_dpi    1: set xdpi and ydpi
                         constraint       1: keep proportions (dialog only)
                         desktop          1: fit into the desktop size
                         width, height    new size
                         wpercent,        unit of width and height:
                         hpercent           0 pixels, 1 percent
                         rotate           0 rotate 90 degrees left, 1 flip top
                                          to bottom, 2 rotate 90 degrees right
                         xdpi, ydpi       resolution to write
                         noenlarge        1: a picture smaller than its new
                                          size keeps its own (default 0)
                         keepdates        1: each result gets its source&apos;s
                                          modification time (default 1)
                         trash            1: a file the batch replaces is
                                          moved to the Trash (default 1)
                         maxkb            most KB of each result: a lower
                                          quality (JPEG, WebP, AVIF, HEIC,
                                          JPEG XL), then a smaller size; 0: no
                                          limit (default)
                         mailmaxkb        with --mail: most KB of all copies
                                          together; 0: no limit (default)
                         nametemplate     the result&apos;s name without its
                                          extension (default {name}):
                                          {name} and {ext} of the source,
                                          {w} and {h} of the result, {n} the
                                          picture&apos;s number (from 1; {n:3}
                                          as 001), {date} and {time} when
                                          it was taken (YYYY-MM-DD,
                                          HH-MM-SS), {folder} the source&apos;s
                                          folder; &quot;/&quot; makes folders below
                                          the destination; not used with
                                          override=1
                         onexists         when a result&apos;s name exists:
                                          0 ask (default), 1 keep both
                                          (&quot;name (2).jpg&quot;), 2 skip,
                                          3 replace
                         also             the stored further outputs, as
                                          --also&apos;s, separated by &quot;;&quot;
                         metadata         what each result keeps of the
                                          photo&apos;s metadata: 0 everything
                                          (default); 1 only the camera, the
                                          lens, the exposure, the date
                                          taken, the copyright, the colour
                                          profile and the resolution; 2
                                          only the colour profile and the
                                          resolution. Whatever no list
                                          names goes; each result is read
                                          back by Exiv2, and one holding
                                          anything else fails
                         mailmetadata     the same for the copies of --mail
                                          (default 1)
                         srgb             1: pixels in sRGB with the sRGB
                                          profile embedded, for the web
                         fit              with width and height in pixels:
                                          0 the picture takes that size
                                          (default), 1 fill: scaled to
                                          cover it and cropped, 2 pad:
                                          scaled to fit inside and laid on
                                          a canvas of that size
                         anchor           what fill keeps: 0 the centre
                                          (default), 1 the most interesting
                                          part, 2 top or left, 3 bottom or
                                          right
                         padcolour        the canvas of pad, RGB in hex
                                          (default FFFFFF, white); empty:
                                          transparent where the type can be
                         side             0 width and height (default),
                                          1 the longer side takes width,
                                          2 the shorter side does; the
                                          other follows in proportion
                       Numbers outside their range are refused: switches 0-1,
                       imagetype 0-11, qualilty 0-100, rotate 0-2, DPI
                       1-65535, sizes 1-65535 pixels or 1-10000 percent.
  --also CHANGES       one further output of every picture, from the same
                       decode: the options with CHANGES, NAME=VALUE pairs
                       separated by &quot;,&quot; (a backslash keeps a &quot;,&quot; or &quot;;&quot; in
                       a value), e.g. --also &apos;width=320,nametemplate={name}-
                       thumb&apos;; may be given many times, after the stored
                       further outputs. An output that fails fails alone.
                       Not with --mail, which sends one copy of a picture
  --files-from FILE    also take the pictures listed in FILE, one a line,
                       or standard input for &quot;-&quot;: for lists of any length,
                       from find or another program
  --null               with --files-from: the names are separated by NUL
                       bytes (find -print0), so any name is safe
  --dry-run            write nothing: print the batch&apos;s plan, each result&apos;s
                       path, its size in pixels as written, about how many
                       bytes it would take and what it does to a file of
                       its name, one a line separated by tabs, then the
                       total; the bytes come from encoding a few of the
                       pictures (the first, the middle and the last). The
                       run writes exactly where its plan says
  --preset NAME        start from the preset NAME instead of the stored
                       options (--set and --also still apply on top)
  --save-preset NAME   store the options of this command line (the stored
                       ones or --preset&apos;s, with --set and --also) as the
                       preset NAME, replacing one of that name, and exit
  --list-presets       print the presets&apos; names, one a line, and exit
  --delete-preset NAME delete the preset NAME (those that come with Tessary
                       too) and exit
  --answer POLICY      how to answer the questions of the batch (&quot;overwrite
                       this file?&quot;, &quot;convert to 256 colours?&quot;):
                         ask         ask on the terminal
                         yes-to-all  answer &quot;Yes to all&quot; every time
                         no-to-all   answer &quot;No to all&quot; every time
                       Default: ask when standard input is a terminal,
                       else no-to-all.
  --desktop-size WxH   the desktop size used with desktop=1; default: the
                       primary screen&apos;s size
  --jobs N             pictures worked on at once (default: one per core)
  --mail               resize into temporary copies and hand them to your mail
                       client as attachments of a new message, with the mail
                       subject and body stored by Tessary (with override=1 the
                       overwritten pictures are attached); needs xdg-email
  --recursive          a FILE that is a folder stands for every picture under
                       it, depth first in name order; the batch&apos;s own
                       &quot;resize&quot; folders are never entered, and with an
                       absolute dest the folders below FILE are made again
                       under it. Without it a folder is a usage error
  --info               resize nothing: print each FILE&apos;s properties as the
                       preview shows them, after a line &quot;== FILE&quot;: its EXIF
                       entries as &quot;title&lt;TAB&gt;value&quot; with an empty line between
                       the IFD groups, or its width and height when it has no
                       EXIF, or &quot;cannot read picture&quot;
  --list FOLDER        resize nothing: print the rows Tessary&apos;s file list shows
                       for FOLDER, one a line: name, size, type and time,
                       separated by tabs, &quot;..&quot; first where the list has it
  --sort COLUMN        with --list: name (the default), size, type or time
  --descending         with --list: the other way round (folders stay first)
  --help               show this text and exit
  --version            show the version and exit
  --                   end of options: every later argument is a FILE, even
                       one that starts with a dash

While it runs, the picture being handled is shown on standard error when
that is a terminal. At the end one line &quot;written: N, skipped: M, failed: K&quot;
goes to standard output, counting results (a picture with further outputs
has several), then one line &quot;PATH: reason&quot; per failed result, &quot;PATH (output
N, NAME): reason&quot; when pictures have several. A result skipped by an answer
or by onexists=2 is not a failure. When results were to lose metadata, a
last line says what was removed: &quot;removed: GPS position from 12 pictures,
serial numbers from 12&quot;.

Exit status: 0 when no picture failed, 1 when one failed (with --info: one
could not be read), 2 for a usage error (nothing is done then).
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--sort needs name, size, type or time, not &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--set takes NAME=VALUE, not &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--answer takes ask, yes-to-all or no-to-all, not &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--desktop-size takes WIDTHxHEIGHT in pixels, not &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--files-from needs a FILE, or - for standard input</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--jobs takes a number from 1 to 64, not &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos; (a file whose name starts with a dash goes after --)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--null goes with --files-from</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--also cannot go with --mail, which sends one copy of a picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the list is longer than %1 MB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>name %1 of the list is longer than %2 bytes, which no path is</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Try &apos;tessary-batch --help&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--list needs one FOLDER</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a folder: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>there is no preset named &apos;%1&apos;; --list-presets lists them</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>desktop=1 needs the desktop size, and there is no screen; give it with --desktop-size WxH</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot find the primary screen&apos;s size; give it with --desktop-size WxH</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--files-from: cannot read %1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is a folder; --recursive takes the pictures under it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--answer ask reads its answers from standard input, which --files-from - reads the list from</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>there is no picture under %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tessary-menu</name>
    <message>
        <source>Usage: tessary-menu --command N [--preset NAME] [--wait] [--pictures-only] [--nautilus]
                    [--] FILE...
       tessary-menu --install | --uninstall

Hands FILEs to Tessary the way its file-manager menu items do, or puts those
items into the menus of Dolphin, Nautilus, Nemo and Thunar. A FILE that is a
folder stands for every picture under it, as with tessary-batch --recursive.

  --command N      the command for tessary: 0 the resize dialog, 1 resize with
                   the default settings, 2 the same and mail the results,
                   3 resize with the preset of --preset; other numbers open
                   the main window
  --preset NAME    the preset of --command 3
  --wait           wait for tessary to end and exit with its status
  --pictures-only  pass on only the files with a picture extension
  --nautilus       take the files from NAUTILUS_SCRIPT_SELECTED_URIS when it is
                   set (what Nautilus&apos;s scripts get), not from the arguments

A folder, or files none of which is a picture, is shown to the user in a window
first (the pictures found, with Resize and Cancel), so it needs a screen.
  --install        write the menu items that Tessary&apos;s options select
  --uninstall      remove every menu item of Tessary&apos;s
  --help           show this help
  --version        show the version

Exit status: 0 done, 1 failed, 2 wrong usage or a path too long for a hand-off.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Try &apos;tessary-menu --help&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot start %1: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Tessary asks before it resizes a folder&apos;s pictures, in a window; there is no screen (tessary-batch --recursive works without one).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no preset named &quot;%1&quot; any more.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The path is longer than a hand-off can carry (%1 bytes): %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot find the tessary program.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no private folder for the hand-off: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot lock the hand-off: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot make the hand-off block %1: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tessary works on the files of this computer, and %1 is not one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nothing to do</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--command needs a number from 0 to 4294967295</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--preset needs a NAME</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--command N is missing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--preset NAME goes with --command 3, and only with it</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
