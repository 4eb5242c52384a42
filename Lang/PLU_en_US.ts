<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>ColumnHints</name>
    <message>
        <source>0~168,0~224</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 ASCII characters,%2 Chinese characters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0~999999(6 digits)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0~9999999999(10 digits)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0~98</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unit Price</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Double Click to select weight unit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0~15</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0~99</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Input Tare</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0~365</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Double Click to select corresponding value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tare</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0~20</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0~10000</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0~197</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Double Click to select label</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0~127Iscount,129~138 schedule</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nutrition</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CommController</name>
    <message>
        <source>Info</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Communication End</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainMenus</name>
    <message>
        <source>Download AD Infomation</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Normal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fixed Weight</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fixed Price</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Both Fixed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>QR Code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hotkey</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PLU name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LF Code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Barcode type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unit Price</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Weight unit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quantity type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Department</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tare</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shelf time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Package type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Package Weight</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tolerance (%)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Message 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Message 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Label</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Discount/Schedule</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Account</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ProDate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TraceID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recomdays</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nutrition</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PackPrice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NgTolerance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>kg</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save As</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import PLU from Excel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Custom import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export to Excel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Hotkey to ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose Parameter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PLU Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Redo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cut</source>
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
        <source>Move to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sort by Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sort by LF Code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sort by Code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hotkey editing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Discount schedule</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nutrition elements set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PLU Selection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select entire row</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select block, column</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fill</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Generate hotkey</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Generate LF Code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Generate Code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Generate Message ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Info</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Advertising slogan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Message editing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Package type setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Communication</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download PLU</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update PLU</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Upload PLU</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DownloadADInfo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Font</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preview Hotkey Card</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import from TXP file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>50g</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>g</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10g</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>100g</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>oz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>lb</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>500g</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>600g</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PCS(g)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PCS(kg)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PCS(oz)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PCS(lb)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Main</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HotKey</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PluName</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find Content</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ZQPLU</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The document has been modified.
Do you want to save your changes?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TXP Files (*.TXP;*.TXU;*.CSV)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save File Success</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Txp Files (*.Txp)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The translation file for %1 is missing.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MessageEditingDlg</name>
    <message>
        <source>File Open fail</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MoveToDlg</name>
    <message>
        <source>Move To</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Input target rows (1~20000)：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PluCellChecker</name>
    <message>
        <source>The quality must be between 0~15000.00</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The quality must be between 0~15.00</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The quality must be between 0~529.11</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The quality must be between 0~33.07</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Row[%1]LFcode repeated!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Row[%1]Hotkey repeated!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The error range is 0~20</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PluEditCommands</name>
    <message>
        <source>Edit %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cut</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sort by Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sort by LF Code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sort by Code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Generate hotkey</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Generate LF Code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Generate Code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Generate Message ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fill</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Weight unit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Package type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Barcode type</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PluFileSet</name>
    <message>
        <source>Unsupported file type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open File Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file holds %1 more lines than the table has rows; they were not loaded.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ScaleAddress</name>
    <message>
        <source>&quot;%1&quot; is not a valid IPv4 address and port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a baud rate the scale link supports</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is neither an IPv4 address nor a serial port</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ScaleJobRunner</name>
    <message>
        <source>The scale link library could not be loaded</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SendCheck</name>
    <message>
        <source>%1 &quot;%2&quot; is not a whole number in %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; is not a number in %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2 is outside %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>characters of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; has characters that %3 cannot encode: %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>at most %1 bytes in %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; takes %3 bytes in %4, more than %5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>at most %1 characters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; is longer than %3 characters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>at most %1 digits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; is not %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; is not %3; it would be sent as &quot;%4&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unique</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2 is also in row %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a weight unit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a package type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2 is outside %3 for %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>row %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Advertising head</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Advertising tail</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SendProblemsDlg</name>
    <message>
        <source>Warning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Row</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Column</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rule</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was sent. These cells would not reach the scale as they are; double-click a line to go to its cell.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UploadDownDlg</name>
    <message>
        <source>Download Data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current package:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total package:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Upload PLU</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update PLU</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download PLU</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download Department info</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Upload Department info</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download Nutrition Element</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Upload PLU Model Info</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download Ad Infomation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download Packet type info</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>upload Packet type info</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ZQAboutDialog</name>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PLU Manager</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version 1.0.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Build</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PLU Manager developers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Build %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ZQCommucationProcess</name>
    <message>
        <source>Connect...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connect Fail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data Send Fail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finish</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>update plu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download plu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download Ad Info</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear PLU data Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download Plu Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download Hotkey</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download Ad Header fail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download Ad Tail fail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download Message Info</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download Message fail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download Discount Info</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download DisCountSchedule fail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>upload plu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Advertisement Info</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Upload Ad Header fail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Upload Ad Tail fail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Message Info</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Discount Info</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connect Fail: port busy</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ZQCommunicationConfig</name>
    <message>
        <source>Communication Config</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Communication Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RS-232</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TCP/IP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Port:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BaudRate:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scale No./IP Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please input the correct IP adress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Serial port not recognized</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time-out (s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How long the program waits for each answer of the scale</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ZQDownloadSelectDlg</name>
    <message>
        <source>Select Download Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PLU</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Info</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Schedule</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HotKey</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nutrition</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All select</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
