<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>AdvertisingSloganDlg</name>
    <message>
        <source>Advertising Slogan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Header</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AtomicFile</name>
    <message>
        <source>Cannot write &quot;%1&quot;: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The device took no more bytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A folder has this name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1; the file set is finished when it is opened next</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BarcodeLayout</name>
    <message>
        <source>no decimals</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 decimal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 decimals</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>prefix</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>dept</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LF code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>price</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unit price</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>weight</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>discount</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>check</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is negative; the barcode shows 0.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 needs more digits than the %2 the layout gives.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Department %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Code %1 needs more digits than the %2 the layout gives.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LF code %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The price %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The unit price %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The weight %1 %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Discount %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The last digit %1 is not the check digit %2: tills refuse this barcode.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BarcodePainter</name>
    <message>
        <source>The scale decides what this barcode type prints.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>These digits make no valid barcode.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The barcode library refused %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CancelOutcome</name>
    <message>
        <source>cancelled: the scale is unchanged</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cancelled: the scale&apos;s old list was cleared; what it holds now is not known</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cancelled: the scale holds %1 of %2 PLUs (its old list was cleared)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cancelled: the scale took %1 of %2 PLUs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cancelled: the scale took part of the send</source>
        <translation type="unfinished"></translation>
    </message>
</context>
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
        <source>Nutrition</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0~127：DIscount,129~138 schedule</source>
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
    <message>
        <source>Upload PLU</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send changes</source>
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
        <source>Download AD</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Test connection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>all %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>plu-manager: unknown option &apos;%1&apos;
Try &apos;plu-manager --help&apos;.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>plu-manager: one file at a time (&apos;%1&apos; and &apos;%2&apos;)
Try &apos;plu-manager --help&apos;.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Usage: plu-manager [OPTION] [FILE]
Edits the PLU list of retail label scales and sends it to the scales.
FILE, when given, is opened at start: a PLU list (.txp, .txu, .csv) or a hotkey sheet (.hotk).

  -h, --help     print this help and exit
  -v, --version  print the version and exit
  --             take what follows as a file name, even when it starts with &apos;-&apos;

Qt&apos;s own options (-platform, -style, ...) are taken as well.
The user guide opens with F1 or Help &gt; User Guide.
</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DepartmentTable</name>
    <message>
        <source>&quot;%1&quot; is missing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be read: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is cut or damaged: %2 bytes are not whole records of %3</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DiscountScheduleDlg</name>
    <message>
        <source>Rebate schedule</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Period I:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Discount:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Period II:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Period III:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Period IV:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Period V:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mode%1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DocumentGuard</name>
    <message>
        <source>%1 is open in another editor: %2.

Open it read-only? Your changes can then be saved under another name only.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File in use</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Read-Only</source>
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
        <source>%1 is open in another editor: %2.
Save under another name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 was changed on disk since it was opened or last saved here, perhaps by another editor.

Overwrite it with this version, save this version under another name, or cancel the save?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File changed on disk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 was changed on disk by another program.

Reload it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read-only: open in another editor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a list that was never saved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The editor was not closed properly. Unsaved changes to %1 were kept in a copy from %2.

Restore them?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recover unsaved changes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Discard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not Now</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DocumentLock</name>
    <message>
        <source>an unknown user</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>an unknown computer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>an unknown time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 on %2, since %3</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EditorsController</name>
    <message>
        <source>Row %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Row %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Package types are unavailable: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please save the PLU file first</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FleetProgressDlg</name>
    <message>
        <source>waiting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sending</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>verifying</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>done</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scale</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>State</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Packets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Progress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Result</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Retry failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel all</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>warning: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FleetSend</name>
    <message>
        <source>%1 of %2 scales succeeded.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not done:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warnings:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sending everything: the send history cannot be read (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the send history could not be kept: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no answer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>connected in %1 ms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ok</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sent, but reading back failed: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>verified</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>differs: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the scale did not answer the goodbye</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cancelled while reading back: the list was sent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the send journal could not be written: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>User Guide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The user guide is not installed: %1 is missing.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HotkeyCard</name>
    <message>
        <source>The card of this sheet type is %1 x %2 mm and does not fit on the page. Choose landscape or a larger page.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The printer could not be started.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hotkey card %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HotkeyController</name>
    <message>
        <source>Export File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>KEY Files (*.key)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HotkeyFunctions</name>
    <message>
        <source>找零</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>开钱箱</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>二维码</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>扫码</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>V0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>V1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>V2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>V3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>V4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>V5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>V6</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>V7</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>V8</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>V9</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>V10</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>V11</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>V12</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>V13</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HotkeySheetFile</name>
    <message>
        <source>bad picture marker</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the picture is not a PNG image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the picture is cut short</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the picture has no header</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the picture&apos;s size %1 x %2 is impossible</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the picture does not decode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a font is damaged</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the record is cut short</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>layout %1 is not 0 to 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a colour is not valid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a font size is not valid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a PLU number is negative</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a hotkey number is out of range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The hotkey sheet is damaged at key %1: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be opened: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HotkeySheetTypes</name>
    <message>
        <source>112HotkeyX2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>56HotkeyX2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>60HotkeyX2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>56HotkeyX2(1315)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>40HotkeyX2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ImportCheck</name>
    <message>
        <source>not a number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>more decimals than the price scaling takes (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no weight unit has this import value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>row %1, %2: %3: %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>also in row %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ImportExcelDialog</name>
    <message>
        <source>Import rules</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set imported PLU properties</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Excel start/end row</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PLU Manager row</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rows that can be imported: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rows left out for fewer than %1 cells: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>critical</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Content</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rows read: %1; the last row is beyond them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The first row counts from 1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The first row is after the last row.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The PLU Manager row counts from 1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update from sheet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Articles whose LF code a row has take the ticked properties of that row; everything else stays.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add the rows that match no article at the end</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tick &quot;PLU name&quot;: a row without a name is not kept. To change some properties of the articles of the table, choose &quot;Update from sheet&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ImportInstructions</name>
    <message>
        <source>The instructions are missing from the program.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>InboxDistributor</name>
    <message>
        <source>the inbox &quot;%1&quot; is not a folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be made</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>watching %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>stopping: the send under way is broken off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be moved to %2/</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 was not sent to any scale:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the report cannot be written: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%1: refused, %n problem(s); moved to failed/ with %2</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>%1: the scale list cannot be read: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the work cannot be kept: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: takes the place of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%1: taken, %2 PLU(s), for %n scale(s)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>%1: the file left to send cannot be read any more; its scales are given up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: taken up again where the last run left it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the work cannot be read: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: every scale has it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the scale list cannot be read: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 is no longer in the scale list</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%1: sending to %n scale(s)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>an earlier file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 -&gt; %2: ok%3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 -&gt; %2: %3; left to do</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 -&gt; %2: failed: %3; next try in %4 s</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>InboxFile</name>
    <message>
        <source>the file cannot be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file holds no PLU</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>InboxWatcher</name>
    <message>
        <source>&quot;%1&quot; is not a folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be watched</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>InstallationDb</name>
    <message>
        <source>cannot open &quot;%1&quot;: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot lay out &quot;%1&quot;: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>IoController</name>
    <message>
        <source>Warning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be imported: %2.
The table is unchanged.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading %1 ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Excel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Excel Files (*.xls *xlsx)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OpenDocument Spreadsheets (*.ods)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no row of its first sheet has the %1 cells of an article</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import PLU from Excel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TXT Files (*.TXT)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Custom import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The table holds %1 rows; the last %2 lines of the file were left out.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Excel Workbook (*.xlsx)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Excel Files (*.xls)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create Or Open file Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Info</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Excel Success</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>These cells of &quot;%1&quot; cannot be taken as they are (rows as the file counts them). Import the good rows and leave these rows out, or cancel and keep the table as it is.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import the good rows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update from sheet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Articles updated: %1, unchanged: %2.
Rows added: %3, without a matching article: %4.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>... and %1 more</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no row can be imported</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the stored layout takes no PLU name, and a row without a name is not kept</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LinkFailure</name>
    <message>
        <source>Connect Fail: port busy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connect Fail: no permission to open %1. Add your user to the dialout group and log in again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connect Fail: %1 does not exist. Check the cable and choose the port again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connect Fail: connection refused by %1. Start the scale simulator (scale-sim) or choose another scale.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connect Fail: connection refused by %1. Is the scale on, and is its TCP port right?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connect Fail: %1 is unreachable. Check the network cable and the address.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connect Fail: no answer in time. Check that the scale is on and the link settings are right.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connect Fail: %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connect Fail</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LocalDatabase</name>
    <message>
        <source>%1 (%2): %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The local database is not open.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot open the local database</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the folder cannot be created</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot read the package types</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot replace the rows of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot read the hotkey functions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot store a hotkey function</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot clear the hotkey functions</source>
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
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PCS</source>
        <translation type="unfinished"></translation>
    </message>
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
    <message>
        <source>Download AD Infomation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scales</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was saved: no row of the table has a PLU name, and a row without a name is not written. Give the rows their names first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User Guide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send history</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MessageEditingDlg</name>
    <message>
        <source>File Open fail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Message Editing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export</source>
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
        <source>This is no message file: it holds binary data.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file holds %1 messages; the first %2 were read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The last %1 lines of the file make no complete message of %2 lines; they were left out.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Msg Files (*.Msg)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open file fail</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MessageTableModel</name>
    <message>
        <source>Line %1</source>
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
    <name>MultiLabelDlg</name>
    <message>
        <source>Multi-Label</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Label</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>B0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>B1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>D0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>D1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NutritionElementDlg</name>
    <message>
        <source>Nutrition Element Set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Invert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nutrition name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add produce Nutrition Element</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NutritionElementFile</name>
    <message>
        <source>&quot;%1&quot; cannot be read: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is damaged: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not a nutrition element table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it holds no list of elements</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the PLU file has no name</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NutritionValueStore</name>
    <message>
        <source>&quot;%1&quot;: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the PLU file has no name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>disk full</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OdsReader</name>
    <message>
        <source>the workbook is password-protected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the sheet has more than %1 rows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the part &quot;%1&quot; is damaged (%2, line %3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the workbook has no worksheet</source>
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
    <message>
        <source>no PLU name (a row without a name is not kept)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>longer than %1 characters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>has characters that %1 cannot encode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>takes %1 bytes, more than %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a code of at most %1 digits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a whole number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a leading zero that the code cannot keep</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>more than %1 decimals</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>outside %1</source>
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
    <name>PluFile</name>
    <message>
        <source>&quot;%1&quot; is not a PLU file: line %2 holds a NUL byte.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line %1 of &quot;%2&quot; is not valid %3 text. If the file was written in another code page, set CodePage in [Setting] of %4 to it.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PluVerify</name>
    <message>
        <source>LF code %1 is on the scale but was not sent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>row %1, %2: sent &quot;%3&quot;, read &quot;%4&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>missing</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Printpreview</name>
    <message>
        <source>Print preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Portriat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RecoveryCopy</name>
    <message>
        <source>Cannot make the recovery folder %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The recovery copy in %1 cannot be read</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RecoveryGrid</name>
    <message>
        <source>The recovery copy&apos;s grid is not whole</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The recovery copy&apos;s grid has more rows than the table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Row %1 of the recovery copy&apos;s grid cannot be read</source>
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
    <name>ScaleEntry</name>
    <message>
        <source>a scale needs a name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the time-out %1 ms is not between 0 and 600000</source>
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
    <name>ScaleList</name>
    <message>
        <source>a scale called &quot;%1&quot; is already in the list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no scale called &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ScaleListCsv</name>
    <message>
        <source>line %1: a quote is not closed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>line %1: expected name, group, address, baud and time-out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>line %1: baud and time-out are numbers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>line %1: the name &quot;%2&quot; is already used</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ScaleListDlg</name>
    <message>
        <source>Scales</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Group</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Link</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Address or port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BaudRate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time-out (s)</source>
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
        <source>Add the current link</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Test connection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import CSV...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export CSV...</source>
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
        <source>Send changes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download AD</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verify after send</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a group:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send to the chosen scales:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The scale list cannot be read: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>default</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(choose rows)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All scales</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose one or more scales, or a group.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IP address, IP:port, or serial port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Group:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Address or port:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BaudRate:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time-out:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add a scale</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose one scale to edit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit a scale</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scale %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scale %1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import scales</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file is too large for a scale list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot;: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export scales</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last good send</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Changes to send</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Answers now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check all now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>checking...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>yes, in %1 ms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SelectBarcodeDlg</name>
    <message>
        <source>Select Barcode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Barcode Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bulk change weight Plu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bulk change PCS Plu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What the scale prints</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sample weight (kg)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy till rule</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Barcode Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Department</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LFCode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Price</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unit Price</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Weight</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Batch number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DisCount</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CheckSum</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The scale decides what this barcode type prints.</source>
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
    <message>
        <source>Message %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Discount schedule %1: Hour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Discount schedule %1: Minute</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Discount schedule %1: Discount</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Departments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 departments are more than the %2 a scale keeps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Department %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is in the table twice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the name has bytes that %2 cannot read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: CGST</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: SGST</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Package types</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 package types are more than the %2 a scale keeps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Package type %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nutrition element %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the unit &quot;%2&quot; is none of %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nutrition</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LF code %1, element %2 (%3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 is outside %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 is sent as %3, outside %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: NRV %</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n row(s) are marked with nutrition, but the file&apos;s nutrition values are missing</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Sending the PLUs clears the scale&apos;s messages, and the file&apos;s messages are not among the parts chosen: the scale will hold no messages.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The list is empty: sending it removes every PLU from the scale. Send anyway?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SendFingerprints</name>
    <message>
        <source>the send history of %1 is damaged</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sending everything: the last send did not finish</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sending everything: the scale never had a full send from this installation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sending everything: the last send to the scale failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>sending everything: %n PLU(s) were removed since the last send</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SendHistoryDlg</name>
    <message>
        <source>Failed and cancelled only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send history</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>every scale</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scale:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scale</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Result</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PLUs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Parts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reason</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export as CSV...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The send history cannot be read: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ok</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>refused</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n send(s)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Export send history</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV (*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning</source>
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
    <message>
        <source>Problem</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send anyway?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SetHotkeyStyle</name>
    <message>
        <source>Parameter set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>General options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HotKey sheet type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>112HotkeyX2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>56HotkeyX2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>60HotkeyX2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>56HotkeyX2(1315)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>40HotkeyX2</source>
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
    <name>SheetExport</name>
    <message>
        <source>Cannot write &quot;%1&quot;: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the workbook cannot be created</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SheetImport</name>
    <message>
        <source>a date, not a number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a truth value, not a number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no LF code to match an article by</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no article has this LF code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the table holds %1 rows and is full</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SheetReader</name>
    <message>
        <source>the file is empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a zip archive, but no workbook</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the workbook is password-protected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a spreadsheet (xlsx, xls, ods or tab-separated text)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file is larger than %1 MB</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TextSheetReader</name>
    <message>
        <source>the sheet has more than %1 rows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cancelled</source>
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
    <message>
        <source>Asking the scale what it holds...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WindowHabits</name>
    <message>
        <source>Scale: %1, %2 baud (RS-232)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scale: none chosen yet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scale: %1 (simulator)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scale: %1 (TCP/IP)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The scale that Download PLU, Update PLU and Upload PLU talk to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This list is empty.

Open a PLU file (File &gt; Open), import one (File &gt; Import PLU from Excel or Custom import), or read the list of a scale (Communication &gt; Upload PLU).

F1 opens the user guide.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>XlsReader</name>
    <message>
        <source>the file cannot be opened</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the workbook does not fit in memory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>an Office file, but no workbook</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the workbook is password-protected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the workbook has no worksheet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the sheet has more than %1 rows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the workbook has more than %1 cells</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the cell in row %1, column %2 cannot be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the workbook is damaged (its reader gave no usable answer)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the workbook is damaged</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the .xls reader &quot;%1&quot; is missing beside the program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the workbook is damaged (reading it did not end)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the workbook is damaged (its reader stopped)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the workbook&apos;s container has a damaged header</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the workbook ends before its last part (a broken copy or download?)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the table of the workbook&apos;s container points outside the file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the workbook does not start as an Excel 97-2003 workbook does</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a cell refers to a shared text that does not exist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the workbook&apos;s texts are in a character set that cannot be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a number of the workbook cannot be read</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>XlsxReader</name>
    <message>
        <source>the part &quot;%1&quot; is damaged (%2, line %3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the zip archive holds no workbook</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the workbook has no worksheet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the sheet has more than %1 rows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a cell refers to a shared text that does not exist</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>XlsxWriterLibrary</name>
    <message>
        <source>the workbook writer (libxlsxwriter) cannot be loaded: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the workbook writer (libxlsxwriter) is incomplete</source>
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
        <source>Download Hotkey fail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Upload Plu Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Upload Hotkey fail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Upload Message fail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Upload DisCountSchedule fail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The scale&apos;s memory is full (%1 PLUs)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The scale&apos;s memory is full</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n changed PLU(s)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>sending everything: the scale was reset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sending everything: the scale was changed by another sender</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sending everything: the scale cannot say what it holds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sending everything: what the scale held after the last send is not known</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download Nutrition Table fail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download plu Nutrition fail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download Nutrition Info</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear plu Nutrition fail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download Department fail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Upload Department fail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to download package type number fail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Upload package type fail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finish (the scale did not answer the goodbye)</source>
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
    <message>
        <source>The scale&apos;s IP address</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ZQConfig</name>
    <message>
        <source>Unknown code page &apos;%1&apos; in %2; using %3</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ZQDataImportDialog</name>
    <message>
        <source>Data Import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please determine the format,and save,and then import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Separator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First line is title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Project Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Length</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HotKey</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plu Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>*</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LFCode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Barcode Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unit Price</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unit Weight</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unit value setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Department</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PT Weight</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shelf Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tolerance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fixed unit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Multiplied By 100 when importing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Multiplied By 1000 when importing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comma|&quot;,&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tabs|TAB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Semicolon|&quot;;&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Space|spcace (&quot; &quot;)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No delimiter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Customize</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plu Name is not NULL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LFCode is not NULL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Custom separator can&apos;t be empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Info</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Param is not saved,Cann&apos;t take effect,Do you want to save it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TXT Files (*.TXT)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No text viewer could open &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ZQDepartmentConfigDialog</name>
    <message>
        <source>Print Department No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Department No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Name of department</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name of department</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CGST(%)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SGST(%)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Upload</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select All &quot;Print Department No&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select All &quot;Print Name of Departments&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit Deparment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Deparment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning</source>
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
    <message>
        <source>Verify after send</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ZQMessageInputDialog</name>
    <message>
        <source>Input Message</source>
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
        <source>Line %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ZQNutritionSetDlg</name>
    <message>
        <source>Nutrition facts set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Element No.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Element Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uint</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Content</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NVR%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Database open failt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please save the PLU file first</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t Create File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The nutrition values were not saved.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ZQPackagesettingDialog</name>
    <message>
        <source>Package Type function setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CODE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Upload</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The package types could not be saved: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot add more than %1 records</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data cannot be recovered after deletion. Are you sure you want to delete?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ZQRebateSelectDialog</name>
    <message>
        <source>Discount/Schedule</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Discount</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Discount period</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mode1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mode2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mode3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mode4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mode5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mode6</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mode7</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mode8</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mode9</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mode10</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit</source>
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
    <name>ZQWeightUnitSetDialog</name>
    <message>
        <source>Unit value set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uint</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unit value of import</source>
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
        <source>Value cannot be repeated</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ZQheaderwidget</name>
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
        <source>Nutrition</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NgTolerance</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ZipPackage</name>
    <message>
        <source>the zip container cannot be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the zip container holds more than %1 parts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the part &quot;%1&quot; is missing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the workbook is password-protected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the part &quot;%1&quot; cannot be unpacked</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a part of the workbook unpacks to more than %1 MB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the zip container is damaged</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the part &quot;%1&quot; is larger than expected</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ZqSetHotKey</name>
    <message>
        <source>Import PLU HotKey</source>
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
        <source>Import PLU hotkey</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save PLU hotkey</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>upload</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First layer (page1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LF Code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Price</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Font</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Colour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Function</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Second layer (page2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the second layer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>page1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>font set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>load plu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>background set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>clear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>page2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>full page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>show price</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>import picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cancel picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>use page2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cancel page2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>checkall(Ctrl+A)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>select</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>*.bmp *.jpg *.pbm *.pgm *.png *.ppm *.xbm *.xpm);;All files (*.*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; cannot be read: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure to import main interface PLU hotkey</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>warning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This will update the hotkey on main interface.Do you want to continue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hot Key Files (*.Hotk)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create File fail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OPen File fail</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ZqsethotkeyLoadPLUdialog</name>
    <message>
        <source>PLU Load</source>
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
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unit Price</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
