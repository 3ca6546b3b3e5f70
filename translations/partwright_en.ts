<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>LxFindBar</name>
    <message>
        <source>Find:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previous match (Shift+F3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next match (F3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close the find bar (Escape)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No match</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LxLibInpuDlgDlg</name>
    <message>
        <source>Partwright Wizard</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LxLibInpuDlgForm</name>
    <message>
        <source>Partwright Wizard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please type the package id</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep Contents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ok</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LxLibTable</name>
    <message>
        <source>Time\
Counter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pin  &quot;%1&quot; should not combine with itself</source>
        <extracomment>%1 = Name of a pin</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pin combination &quot;%1 - %2&quot; is already used</source>
        <extracomment>%1 = Name of a pin, %2 = Name of a pin</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Partwright</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LxUndoBinding</name>
    <message>
        <source>Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Redo</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LxWizard</name>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt; &amp;Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Next &gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Finish</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PWAboutForm</name>
    <message>
        <source>About ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;Orvik - Partwright Wizard&lt;/b&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Creates and edits the device models of boundary-scan tests. Every model it saves has been checked in full before it is written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PWDevicePage</name>
    <message>
        <source>Device Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please insert your device id</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Device Type Category</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Passive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Logic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Memory Test [Read Only]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Memory Program [Read Only]</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PWFinishPage</name>
    <message>
        <source>&lt;b&gt;Finish&lt;/b&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Model File Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Browse ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please select the model file name. Click Finish to save it.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PWHeaderPage</name>
    <message>
        <source>Header Information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Author</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copyright</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Category</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Function</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change History:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Design Warnings:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Design Notes:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PWLogicPage</name>
    <message>
        <source>Logic Parts:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pin List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Function Truth Table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Test Sequence</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enable Control</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disable Control</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Latch Sequence</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no Logic Part available</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PWPackagePage</name>
    <message>
        <source>New ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Package id:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Has TAP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Pin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Pins</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no Package available</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PWPassivePage</name>
    <message>
        <source>Parts : Passive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Part List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pin Definitions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Part Name :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Non Conditional</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Conditional</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Condition List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connector</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BoardContact</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Passive Type Not Specified</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PWPinListTab</name>
    <message>
        <source>New ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pin List Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Pin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Pins</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no Pin List available</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PWStartPage</name>
    <message>
        <source>Welcome to Partwright Wizard.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Partwright Wizard </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create Model</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit Model</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Browse ...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PWTestSequenceTab</name>
    <message>
        <source>New ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vector</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Repeat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wait</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Diagnostics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Append</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Insert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>D&amp;own</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no Test Sequence available</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PWTruthTableTab</name>
    <message>
        <source>New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Append a row at the end of the table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Append Row</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert a row before the current row</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert Row</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete the selected rows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Rows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no Truth Table available</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PartwrightDlg</name>
    <message>
        <source>Partwright Wizard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Partwright</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt; &amp;Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Next &gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Finish</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Model</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+Shift+N</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+Shift+O</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+Shift+S</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save As...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+Shift+E</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+Shift+Q</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Memory test</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Memory program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Logic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Passive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current model file can not be altered (read-only).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current view mode is read-only. Please use the Partwright or Partvault to edit a model file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click Finish to save it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 - Partwright %2</source>
        <extracomment>%1 = device id, %2 = the model file, when there is one</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error: Unable to load the file &quot;%1&quot;</source>
        <extracomment>%1 = Name of the model file</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown wizard %1</source>
        <extracomment>%1 = Number of the page the wizard does not know</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Any possible made settings will be lost.
Are you sure that you want to continue?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning: File &quot;%1&quot; is in ReadOnly mode and cannot be changed or saved</source>
        <extracomment>%1 = Name of the model file</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to close this wizard and discard changes ?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Page 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Page 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Page 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Page 5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Page 6</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Page 7</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Page 8</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to create folder name &apos;%1&apos;</source>
        <extracomment>%1 = Name of the folder that could not be created</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Normal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Latch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Latch invert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Some enable patterns have multiple specifications. This is not supported by the Partwright. Only one specification will be handled. Others will get lost.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Some latch patterns have multiple specifications. This is not supported by the Partwright. Only one specification will be handled. Others will get lost.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Some enable and latch patterns have multiple specifications. This is not supported by the Partwright. Only one specification will be handled. Others will get lost.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Some enable patterns have bit value specifications. This is not supported by the Partwright. All bit settings will get lost.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Some latch patterns have bit value specifications. This is not supported by the Partwright. All bit settings will get lost.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Some disable patterns have bit value specifications. This is not supported by the Partwright. All bit settings will get lost.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Some enable and latch patterns have bit value specifications. This is not supported by the Partwright. All bit settings will get lost.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Some enable and disable patterns have bit value specifications. This is not supported by the Partwright. All bit settings will get lost.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Some latch and disable patterns have bit value specifications. This is not supported by the Partwright. All bit settings will get lost.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Some enable, latch and disable patterns have bit value specifications. This is not supported by the Partwright. All bit settings will get lost.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Some enable patterns have differential specifications. This is not supported by the Partwright. All differential settings will get lost.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Some latch patterns have differential specifications. This is not supported by the Partwright. All differential settings will get lost.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Some pins have differential specifications. This is not supported by the Partwright. All differential settings will get lost.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Some enable and latch patterns have differential specifications. This is not supported by the Partwright. All differential settings will get lost.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Some pins and some enable patterns have differential specifications. This is not supported by the Partwright. All differential settings will get lost.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Some pins and latch patterns have differential specifications. This is not supported by the Partwright. All differential settings will get lost.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Some pins and some enable and latch patterns have differential specifications. This is not supported by the Partwright. All differential settings will get lost.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to write the model file, please check your model</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This file is not a correct model</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no model file name specified</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The above model file is read only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The above model file name is invalid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 already exists
 Do you want to replace it?</source>
        <extracomment>%1 = Name of the report file
----------
%1 = the model file</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Model file is saved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to save model file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to save this model
Package information is required</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error %1 %2</source>
        <extracomment>%1 = Name of the part, %2 = the bit sequence problem</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error %1 %2: There is no pin definition specified</source>
        <extracomment>%1 = Name of the part, %2 = Name of the Pin List</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error %1 %2: Pin names are not correctly specified</source>
        <extracomment>%1 = Name of the part, %2 = Name of the Pin List</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error %1 %2: &apos;%3&apos; has an unknown Signal Type</source>
        <extracomment>%1 = Name of the part, %2 = Name of the Pin List, %3 = Name of the pin</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error %1 %2: Bit number &apos;%3&apos; is not valid</source>
        <extracomment>%1 = Name of the part, %2 = Name of the Pin List, %3 = the bit number</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
Signal Type %1 in the package can not be used as %2</source>
        <extracomment>%1 = package pin type, %2 = signal type</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error : %1 %2 %3</source>
        <extracomment>%1 = Name of the part, %2 = Name of the Pin List, %3 = the problem</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pin List &quot;%1&quot; does not match with Pin List &quot;%2&quot;
Signal Types and the Bit Numbers for both Pin Lists have to match</source>
        <extracomment>%1 = Name of the first Pin List, %2 = Name of the other Pin List</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error &apos;%1&apos;: There is no Pin List specified
</source>
        <extracomment>%1 = Name of the part</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error %1 Function Truth Table: This vector &apos;%2&apos; is not valid</source>
        <extracomment>%1 = Name of the part, %2 = the vector</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error %1 %2: Number of times to repeat is not valid</source>
        <extracomment>%1 = Name of the part, %2 = Name of the Test Sequence</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error %1 %2: vector &apos;%3&apos; is not valid</source>
        <extracomment>%1 = Name of the part, %2 = Name of the Test Sequence, %3 = the vector</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error %1 %2: Unit of the wait time is not specified</source>
        <extracomment>%1 = Name of the part, %2 = Name of the Test Sequence</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error %1 %2: This vector %3 is not valid</source>
        <extracomment>%1 = Name of the part, %2 = Name of the Test Sequence, %3 = the vector</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error %1 %2: This vector &apos;%3&apos; is not valid</source>
        <extracomment>%1 = Name of the part, %2 = Name of the pattern, %3 = the vector</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error %1 %2: This signal type &apos;%3&apos; is not valid</source>
        <extracomment>%1 = Name of the part, %2 = Name of the pattern, %3 = the signal type</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This Test Sequence has no name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error %1 %2: There is no Disable Pattern defined</source>
        <extracomment>%1 = Name of the part, %2 = Name of the pattern</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pin Name &quot;%2&quot;</source>
        <extracomment>%2 = Name of the pin</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 - %2: Incorrect bit sequences
Bit numbers start at zero and are continuously
For more info please refer to help</source>
        <extracomment>%1 = Name of the Pin List, %2 = the pin</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Signal Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Signal Bit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stuck At</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no Disable Pattern available</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to add Disable Pattern
Please check your Pin List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter the Disable name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is not possible to add a new Disable Pattern
Maximum number of Disables is reached</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This Disable Pattern name is not allowed!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter the new disable id</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no disable id specified</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to delete  &quot;%1&quot;?</source>
        <extracomment>%1 = Name of the disable pattern
----------
%1 = Name of the enable pattern</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disable Definition</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disable Vector is empty. Delete it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disable Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no Enable Pattern available</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to add Enable Pattern
Please check your Pin List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter the Enable name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is not possible to add a new Enable
Maximum number of Enables is reached</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This Enable Pattern name is not allowed!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter the new enable id </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no enable id specified</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enable Definition</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enable Vector is empty. Delete it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Power Control</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Equation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output Enable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chip Enable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Equal to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connected to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enable Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output Disable %1</source>
        <extracomment>%1 = Signal type whose outputs the enable pattern switches off</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no data available to create an Enable Equation type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no data available to create an Enable Connection type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no Latch Sequence available</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to add Latch Sequence
Please check your Pin List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter the Latch sequence name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is not possible to add a new Latch Sequence
Maximum number of Latch Sequences is reached</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This Latch Sequence name is not allowed!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter the new latch id</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no latch id specified</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to delete &quot;%1&quot;?</source>
        <extracomment>%1 = Name of the latch
----------
%1 = Name of the PinList
----------
%1 = Name of the TestSequence</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Latch Condition</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Vector</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add a vector above the selected row, or at the end</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert Vector</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert a vector before the current row</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Vectors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete the selected rows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vector</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to add a logic part
Please check your Packages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is not possible to add a new Logic Part
Maximum number of logic parts is reached</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Part</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter the Logic Part name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Part name &quot;%1&quot; is already used</source>
        <extracomment>%1 = Name of the logic part
----------
%1 = Name of the part</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter the new part name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to delete Logic Part &quot;%1&quot;?</source>
        <extracomment>%1 = Name of the logic part</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rename ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Model File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Model</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ABEL-HDL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IBIS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to parse file &quot;%1&quot;</source>
        <extracomment>%1 = Name of the model file</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Model As...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to build model
There is no model information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Package id &quot;%1&quot; is already used</source>
        <extracomment>%1 = Name of the package</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Empty package id &quot;%1&quot; is already used</source>
        <extracomment>%1 = The package id, which is empty</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Empty package id is already used</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter the package id</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is not possible to add a new package
Maximum number of package is reached</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter the new package id</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deleting a package will reset or delete the logic parts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to delete package &quot;%1&quot;?</source>
        <extracomment>%1 = Name of the package</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy From...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Package &quot;%1&quot;</source>
        <extracomment>%1 = Name of the package</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This package id is aready used</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is not possible to delete all package id&apos;s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to delete package id &quot;%1&quot;?</source>
        <extracomment>%1 = The package id</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 pasted power, ground or unconnected pins repeat a name. Name them apart by their pin number (GND_A1, GND_B7, ...)?</source>
        <extracomment>%1 = Number of pasted pins refused for a name another pin has</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pin number is already used in this package</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Row %1: &quot;%2&quot; is no signal type this part drives</source>
        <extracomment>%1 = Line of the pasted text, %2 = The text where a signal type was expected</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Row %1: %2</source>
        <extracomment>%1 = Line of the pasted text, %2 = Why its levels were refused
----------
%1 = Line of the pasted text, %2 = Why the row was not taken</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to add a Pin List
Please check your Packages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pin List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter the Pin List name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is not possible to add a new Pin List
Maximum number of Pin Lists is reached</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pin List name &quot;%1&quot; is already used</source>
        <extracomment>%1 = Name of the PinList
----------
%1 = Name of the Pin List</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter the new Pin List name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no Pin List name specified</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is not possible to add a pin definition, because there is no package pin specified</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is nothing to paste: the clipboard holds no rows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The pasted rows replace %1 filled rows from row %2.
Do you want to replace them?</source>
        <extracomment>%1 = Number of rows that hold values, %2 = Number of the first pasted row</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to add Test Sequence
Please check your Pin List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter the Test Sequence name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is not possible to add a new Test Sequence
Maximum number of Test Sequences is reached</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This Test Sequence name is aready used</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This Test Sequence name is not allowed!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter the new Test Sequence id </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no test sequence id specified</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to delete this diagnostic?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Repeat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wait</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Break on No Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Break on Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Option</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Truth Table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to build Function Truth Table
Please check your Pin List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Truth Table Vector is empty. Delete it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to delete this Truth Table?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error %1 %2: A diagnostic rule of row %3 has no signal, bit or stuck-at type</source>
        <extracomment>%1 = Name of the part, %2 = Name of the Test Sequence, %3 = Number of the row</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Input: 0 1 U D N Z</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output: 0 1 L H X T</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IO: U D H L N X Z T</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the pin number is empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pin number &quot;%1&quot; is already used in this package</source>
        <extracomment>%1 = Number of the package pin</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pin name &quot;%1&quot; is already used in this package</source>
        <extracomment>%1 = Name of the package pin</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no pin type</source>
        <extracomment>%1 = The pasted pin type</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the pin name is empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a signal pin of every package</source>
        <extracomment>%1 = Name of the pin</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pin &quot;%1&quot; cannot carry signal type &quot;%2&quot;</source>
        <extracomment>%1 = Name of the pin, %2 = The signal type given for it</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bit &quot;%1&quot; is not a number from 0 to 9999</source>
        <extracomment>%1 = The text given as bit number</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Row %1: %2 fields, but only %3 columns from here</source>
        <extracomment>%1 = Line of the pasted text, %2 = Number of its fields, %3 = Number of columns from the pasted cell on</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>... and %1 more</source>
        <extracomment>%1 = Number of further rows not taken</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2 pasted rows were not taken:
%3</source>
        <extracomment>%1 = Number of rows not taken, %2 = Number of pasted rows, %3 = The reasons, one per line</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>column %1</source>
        <extracomment>%1 = Number of a column, counted from 1</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>column %1 (%2)</source>
        <extracomment>%1 = Number of a column, counted from 1, %2 = Names of its pins</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the table has no signal columns</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 characters, but the table has %2 signal columns</source>
        <extracomment>%1 = Number of characters in the row, %2 = Number of signal columns</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 does not take &quot;%2&quot;; it takes %3</source>
        <extracomment>%1 = Column name, %2 = The refused character, %3 = The characters the column takes</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This passive model has package information. This is not supported by the Partwright. All package settings will get lost.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connector &quot;%1&quot; has pin combinations. This is not supported by the Partwright. The pin combinations of connectors and board contacts will get lost.</source>
        <extracomment>%1 = Name of the part</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pin Id</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to delete part &quot;%1&quot;?</source>
        <extracomment>%1 = Name of the part</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Condition name : %1</source>
        <extracomment>%1 = Name of the condition</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Part name : %1</source>
        <extracomment>%1 = Name of the part</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Condition name &quot;%1&quot; is already used</source>
        <extracomment>%1 = Name of the condition</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to delete condition &quot;%1&quot;?</source>
        <extracomment>%1 = Name of the condition</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Contents...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Index...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Orvik Lodestar Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Html Format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text Format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export to...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PartwrightPI</name>
    <message>
        <source>&amp;Partwright Wizard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>actionPartwright</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PassiveConditionForm</name>
    <message>
        <source>Partwright - Device Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please type condition name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Condition name: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ok</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PassiveTypeForm</name>
    <message>
        <source>Passive Type &amp; Passive Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Passive Type:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connector</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Capacitor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inductor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resistor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resonator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BoardContact</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Part Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ok</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ViewModelForm</name>
    <message>
        <source>Form1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>lxListBox</name>
    <message>
        <source>Rename ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sort</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ascending</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Descending</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Partwright</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please type de name of the item:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Condition name &quot;%1&quot; is already used</source>
        <extracomment>%1 = the name typed</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>lxPrint</name>
    <message>
        <source>File Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Device Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Packages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name : </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Has Tap</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PARTS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Part Name :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pin List : %1</source>
        <extracomment>%1 = Name of the pin list</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Truth Table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Test Sequence</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Diagnose</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Repeat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End Repeat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wait </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enable Pattern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disable Pattern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disable 0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disabled Pin Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File Name : </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Device Name : </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Parts </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Part : </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type : </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Condition : </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chip Enable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output Enable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Power Control</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output Disable %1</source>
        <extracomment>%1 = Signal type whose outputs are disabled</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connection Invert %1 %2</source>
        <extracomment>%1 = First signal type, %2 = Second signal type</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connection %1 %2</source>
        <extracomment>%1 = First signal type, %2 = Second signal type</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is Latch Invert %2</source>
        <extracomment>%1 = First signal type, %2 = Second signal type</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is Latch %2</source>
        <extracomment>%1 = First signal type, %2 = Second signal type</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is Inverted %2</source>
        <extracomment>%1 = First signal type, %2 = Second signal type</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is %2</source>
        <extracomment>%1 = First signal type, %2 = Second signal type</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Break On Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Break On No Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PACKAGES</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Package Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Package Has TAP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nr </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Part Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pin List Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Test Sequence Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wait</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enable Patterns</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disable Patterns</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disable Type : </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Device Name		: %1
</source>
        <extracomment>%1 = Name of the device</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Parts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>	Name	: %1</source>
        <extracomment>%1 = Name of the passive part</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>	Type	: %1</source>
        <extracomment>%1 = Type of the passive part</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>		Condition : %1
</source>
        <extracomment>%1 = Name of the condition</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Device Type Category</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
