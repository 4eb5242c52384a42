<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>AdvertisingSloganDlg</name>
    <message>
        <source>Advertising Slogan</source>
        <translation>广告语</translation>
    </message>
    <message>
        <source>Header</source>
        <translation>广告头</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>广告尾</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
</context>
<context>
    <name>AtomicFile</name>
    <message>
        <source>Cannot write &quot;%1&quot;: %2</source>
        <translation>无法写入“%1”：%2</translation>
    </message>
    <message>
        <source>The device took no more bytes</source>
        <translation>设备不再接受更多字节</translation>
    </message>
    <message>
        <source>A folder has this name</source>
        <translation>已有同名文件夹</translation>
    </message>
    <message>
        <source>%1; the file set is finished when it is opened next</source>
        <translation>%1；下次打开时会完成该文件组</translation>
    </message>
</context>
<context>
    <name>BarcodeLayout</name>
    <message>
        <source>no decimals</source>
        <translation>无小数</translation>
    </message>
    <message>
        <source>1 decimal</source>
        <translation>1 位小数</translation>
    </message>
    <message>
        <source>%1 decimals</source>
        <translation>%1 位小数</translation>
    </message>
    <message>
        <source>prefix</source>
        <translation>前缀</translation>
    </message>
    <message>
        <source>dept</source>
        <translation>部门</translation>
    </message>
    <message>
        <source>code</source>
        <translation>货号</translation>
    </message>
    <message>
        <source>LF code</source>
        <translation>LF码</translation>
    </message>
    <message>
        <source>price</source>
        <translation>金额</translation>
    </message>
    <message>
        <source>unit price</source>
        <translation>单价</translation>
    </message>
    <message>
        <source>weight</source>
        <translation>重量</translation>
    </message>
    <message>
        <source>discount</source>
        <translation>折扣</translation>
    </message>
    <message>
        <source>check</source>
        <translation>校验位</translation>
    </message>
    <message>
        <source>%1 is negative; the barcode shows 0.</source>
        <translation>%1 为负数，条码中显示 0。</translation>
    </message>
    <message>
        <source>%1 needs more digits than the %2 the layout gives.</source>
        <translation>%1 需要的位数多于格式给出的 %2 位。</translation>
    </message>
    <message>
        <source>Department %1</source>
        <translation>部门 %1</translation>
    </message>
    <message>
        <source>Code %1 needs more digits than the %2 the layout gives.</source>
        <translation>货号 %1 需要的位数多于格式给出的 %2 位。</translation>
    </message>
    <message>
        <source>LF code %1</source>
        <translation>LF码 %1</translation>
    </message>
    <message>
        <source>The price %1</source>
        <translation>金额 %1</translation>
    </message>
    <message>
        <source>The unit price %1</source>
        <translation>单价 %1</translation>
    </message>
    <message>
        <source>The weight %1 %2</source>
        <translation>重量 %1 %2</translation>
    </message>
    <message>
        <source>Discount %1</source>
        <translation>折扣 %1</translation>
    </message>
    <message>
        <source>The last digit %1 is not the check digit %2: tills refuse this barcode.</source>
        <translation>最后一位 %1 不是校验位 %2：收银机会拒收此条码。</translation>
    </message>
</context>
<context>
    <name>BarcodePainter</name>
    <message>
        <source>The scale decides what this barcode type prints.</source>
        <translation>此条码类型打印的内容由秤决定。</translation>
    </message>
    <message>
        <source>These digits make no valid barcode.</source>
        <translation>这些数字不能组成有效的条码。</translation>
    </message>
    <message>
        <source>The barcode library refused %1: %2</source>
        <translation>条码库拒绝了 %1：%2</translation>
    </message>
</context>
<context>
    <name>CancelOutcome</name>
    <message>
        <source>cancelled: the scale is unchanged</source>
        <translation>已取消：秤未改变</translation>
    </message>
    <message>
        <source>cancelled: the scale&apos;s old list was cleared; what it holds now is not known</source>
        <translation>已取消：秤上原有的列表已清除；现在保存的内容未知</translation>
    </message>
    <message>
        <source>cancelled: the scale holds %1 of %2 PLUs (its old list was cleared)</source>
        <translation>已取消：秤上保存了 %2 个PLU中的 %1 个（原有列表已清除）</translation>
    </message>
    <message>
        <source>cancelled: the scale took %1 of %2 PLUs</source>
        <translation>已取消：秤接收了 %2 个PLU中的 %1 个</translation>
    </message>
    <message>
        <source>cancelled: the scale took part of the send</source>
        <translation>已取消：秤接收了部分发送内容</translation>
    </message>
</context>
<context>
    <name>ColumnHints</name>
    <message>
        <source>0~168,0~224</source>
        <translation>0~168,0~224</translation>
    </message>
    <message>
        <source>%1 ASCII characters,%2 Chinese characters</source>
        <translation>%1 个 ASCII 字符，%2 个汉字</translation>
    </message>
    <message>
        <source>0~999999(6 digits)</source>
        <translation>0~999999（6 位数字）</translation>
    </message>
    <message>
        <source>0~9999999999(10 digits)</source>
        <translation>0~9999999999（10 位数字）</translation>
    </message>
    <message>
        <source>0~98</source>
        <translation>0~98</translation>
    </message>
    <message>
        <source>Unit Price</source>
        <translation>单价</translation>
    </message>
    <message>
        <source>Double Click to select weight unit</source>
        <translation>双击选择重量单位</translation>
    </message>
    <message>
        <source>0~15</source>
        <translation>0~15</translation>
    </message>
    <message>
        <source>0~99</source>
        <translation>0~99</translation>
    </message>
    <message>
        <source>Input Tare</source>
        <translation>输入皮重</translation>
    </message>
    <message>
        <source>0~365</source>
        <translation>0~365</translation>
    </message>
    <message>
        <source>Double Click to select corresponding value</source>
        <translation>双击选择对应的值</translation>
    </message>
    <message>
        <source>Tare</source>
        <translation>皮重</translation>
    </message>
    <message>
        <source>0~20</source>
        <translation>0~20</translation>
    </message>
    <message>
        <source>0~10000</source>
        <translation>0~10000</translation>
    </message>
    <message>
        <source>0~197</source>
        <translation>0~197</translation>
    </message>
    <message>
        <source>Double Click to select label</source>
        <translation>双击选择标签</translation>
    </message>
    <message>
        <source>Nutrition</source>
        <translation>营养成分</translation>
    </message>
    <message>
        <source>0~127：DIscount,129~138 schedule</source>
        <translation>0~127：折扣，129~138：折扣时间表</translation>
    </message>
</context>
<context>
    <name>CommController</name>
    <message>
        <source>Upload PLU</source>
        <translation>上传PLU</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>Communication End</source>
        <translation>通讯结束</translation>
    </message>
    <message>
        <source>Send changes</source>
        <translation>发送更改</translation>
    </message>
    <message>
        <source>Download PLU</source>
        <translation>下载PLU</translation>
    </message>
    <message>
        <source>Update PLU</source>
        <translation>更新PLU</translation>
    </message>
    <message>
        <source>Download AD</source>
        <translation>下载广告</translation>
    </message>
    <message>
        <source>Test connection</source>
        <translation>测试连接</translation>
    </message>
    <message>
        <source>all %1</source>
        <translation>全部 %1</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>plu-manager: unknown option &apos;%1&apos;
Try &apos;plu-manager --help&apos;.
</source>
        <translation>plu-manager：未知选项 &apos;%1&apos;
请试 &apos;plu-manager --help&apos;。
</translation>
    </message>
    <message>
        <source>plu-manager: one file at a time (&apos;%1&apos; and &apos;%2&apos;)
Try &apos;plu-manager --help&apos;.
</source>
        <translation>plu-manager：一次只能打开一个文件（&apos;%1&apos; 和 &apos;%2&apos;）
请试 &apos;plu-manager --help&apos;。
</translation>
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
        <translation>用法：plu-manager [选项] [文件]
编辑条码秤的 PLU 清单并发送到秤。
给出的文件在启动时打开：PLU 清单（.txp、.txu、.csv）或热键表（.hotk）。

  -h, --help     显示本帮助并退出
  -v, --version  显示版本并退出
  --             其后的参数都作为文件名，即使以 &apos;-&apos; 开头

也接受 Qt 自己的选项（-platform、-style 等）。
按 F1 或选择 帮助 &gt; 用户指南 打开用户指南。
</translation>
    </message>
</context>
<context>
    <name>DepartmentTable</name>
    <message>
        <source>&quot;%1&quot; is missing</source>
        <translation>“%1”不存在</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be read: %2</source>
        <translation>无法读取“%1”：%2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is empty</source>
        <translation>“%1”是空的</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is cut or damaged: %2 bytes are not whole records of %3</source>
        <translation>“%1”不完整或已损坏：%2 字节不是整条 %3 字节的记录</translation>
    </message>
</context>
<context>
    <name>DiscountScheduleDlg</name>
    <message>
        <source>Rebate schedule</source>
        <translation>折扣时间表</translation>
    </message>
    <message>
        <source>Period I:</source>
        <translation>时段 I：</translation>
    </message>
    <message>
        <source>Discount:</source>
        <translation>折扣：</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>Period II:</source>
        <translation>时段 II：</translation>
    </message>
    <message>
        <source>Period III:</source>
        <translation>时段 III：</translation>
    </message>
    <message>
        <source>Period IV:</source>
        <translation>时段 IV：</translation>
    </message>
    <message>
        <source>Period V:</source>
        <translation>时段 V：</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Mode%1</source>
        <translation>模式%1</translation>
    </message>
</context>
<context>
    <name>DocumentGuard</name>
    <message>
        <source>%1 is open in another editor: %2.

Open it read-only? Your changes can then be saved under another name only.</source>
        <translation>%1 已在另一个编辑器中打开：%2。

以只读方式打开吗？之后您的更改只能以其他文件名保存。</translation>
    </message>
    <message>
        <source>File in use</source>
        <translation>文件正在使用</translation>
    </message>
    <message>
        <source>Open Read-Only</source>
        <translation>以只读方式打开</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>%1 is open in another editor: %2.
Save under another name.</source>
        <translation>%1 已在另一个编辑器中打开：%2。
请以其他文件名保存。</translation>
    </message>
    <message>
        <source>%1 was changed on disk since it was opened or last saved here, perhaps by another editor.

Overwrite it with this version, save this version under another name, or cancel the save?</source>
        <translation>%1 自在此打开或上次保存以来已在磁盘上被更改，可能是另一个编辑器所为。

用此版本覆盖它、将此版本以其他文件名保存，还是取消保存？</translation>
    </message>
    <message>
        <source>File changed on disk</source>
        <translation>磁盘上的文件已更改</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation>覆盖</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>另存为...</translation>
    </message>
    <message>
        <source>%1 was changed on disk by another program.

Reload it?</source>
        <translation>%1 已在磁盘上被其他程序更改。

重新载入吗？</translation>
    </message>
    <message>
        <source>Read-only: open in another editor</source>
        <translation>只读：已在另一个编辑器中打开</translation>
    </message>
    <message>
        <source>a list that was never saved</source>
        <translation>一个从未保存的列表</translation>
    </message>
    <message>
        <source>The editor was not closed properly. Unsaved changes to %1 were kept in a copy from %2.

Restore them?</source>
        <translation>编辑器上次未正常关闭。对 %1 的未保存更改已保存在 %2 的副本中。

恢复这些更改吗？</translation>
    </message>
    <message>
        <source>Recover unsaved changes</source>
        <translation>恢复未保存的更改</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>恢复</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>丢弃</translation>
    </message>
    <message>
        <source>Not Now</source>
        <translation>暂不</translation>
    </message>
</context>
<context>
    <name>DocumentLock</name>
    <message>
        <source>an unknown user</source>
        <translation>未知用户</translation>
    </message>
    <message>
        <source>an unknown computer</source>
        <translation>未知计算机</translation>
    </message>
    <message>
        <source>an unknown time</source>
        <translation>未知时间</translation>
    </message>
    <message>
        <source>%1 on %2, since %3</source>
        <translation>%2 上的 %1，自 %3 起</translation>
    </message>
</context>
<context>
    <name>EditorsController</name>
    <message>
        <source>Row %1</source>
        <translation>第 %1 行</translation>
    </message>
    <message>
        <source>Row %1: %2</source>
        <translation>第 %1 行：%2</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Package types are unavailable: %1</source>
        <translation>无法获取包装类型：%1</translation>
    </message>
    <message>
        <source>Please save the PLU file first</source>
        <translation>请先保存PLU文件</translation>
    </message>
</context>
<context>
    <name>FleetProgressDlg</name>
    <message>
        <source>waiting</source>
        <translation>等待中</translation>
    </message>
    <message>
        <source>sending</source>
        <translation>发送中</translation>
    </message>
    <message>
        <source>verifying</source>
        <translation>校验中</translation>
    </message>
    <message>
        <source>done</source>
        <translation>完成</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>失败</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>已取消</translation>
    </message>
    <message>
        <source>Scale</source>
        <translation>秤</translation>
    </message>
    <message>
        <source>State</source>
        <translation>状态</translation>
    </message>
    <message>
        <source>Packets</source>
        <translation>数据包</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>进度</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>结果</translation>
    </message>
    <message>
        <source>Retry failed</source>
        <translation>重试失败的秤</translation>
    </message>
    <message>
        <source>Cancel all</source>
        <translation>全部取消</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>warning: %1</source>
        <translation>警告：%1</translation>
    </message>
</context>
<context>
    <name>FleetSend</name>
    <message>
        <source>%1 of %2 scales succeeded.</source>
        <translation>%2 台秤中有 %1 台成功。</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>Not done:</source>
        <translation>未完成：</translation>
    </message>
    <message>
        <source>sending everything: the send history cannot be read (%1)</source>
        <translation>全部发送：无法读取发送记录（%1）</translation>
    </message>
    <message>
        <source>no answer</source>
        <translation>无应答</translation>
    </message>
    <message>
        <source>connected in %1 ms</source>
        <translation>已连接，用时 %1 毫秒</translation>
    </message>
    <message>
        <source>ok</source>
        <translation>成功</translation>
    </message>
    <message>
        <source>sent, but reading back failed: %1</source>
        <translation>已发送，但回读失败：%1</translation>
    </message>
    <message>
        <source>verified</source>
        <translation>已校验</translation>
    </message>
    <message>
        <source>differs: %1</source>
        <translation>不一致：%1</translation>
    </message>
    <message>
        <source>the send history could not be kept: %1</source>
        <translation>无法保存发送记录：%1</translation>
    </message>
    <message>
        <source>Warnings:</source>
        <translation>警告：</translation>
    </message>
    <message>
        <source>the scale did not answer the goodbye</source>
        <translation>秤没有回应结束请求</translation>
    </message>
    <message>
        <source>cancelled while reading back: the list was sent</source>
        <translation>读回时已取消：列表已发送</translation>
    </message>
    <message>
        <source>the send journal could not be written: %1</source>
        <translation>无法写入发送日志：%1</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>User Guide</source>
        <translation>用户指南</translation>
    </message>
    <message>
        <source>The user guide is not installed: %1 is missing.</source>
        <translation>用户指南未安装：缺少 %1。</translation>
    </message>
</context>
<context>
    <name>HotkeyCard</name>
    <message>
        <source>The card of this sheet type is %1 x %2 mm and does not fit on the page. Choose landscape or a larger page.</source>
        <translation>此热键纸类型的卡片为 %1 x %2 毫米，页面放不下。请选择横向或更大的纸张。</translation>
    </message>
    <message>
        <source>The printer could not be started.</source>
        <translation>无法启动打印机。</translation>
    </message>
    <message>
        <source>Hotkey card %1</source>
        <translation>热键卡 %1</translation>
    </message>
</context>
<context>
    <name>HotkeyController</name>
    <message>
        <source>Export File</source>
        <translation>导出文件</translation>
    </message>
    <message>
        <source>KEY Files (*.key)</source>
        <translation>KEY 文件 (*.key)</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
</context>
<context>
    <name>HotkeyFunctions</name>
    <message>
        <source>找零</source>
        <translation>找零</translation>
    </message>
    <message>
        <source>开钱箱</source>
        <translation>开钱箱</translation>
    </message>
    <message>
        <source>二维码</source>
        <translation>二维码</translation>
    </message>
    <message>
        <source>扫码</source>
        <translation>扫码</translation>
    </message>
    <message>
        <source>V0</source>
        <translation>V0</translation>
    </message>
    <message>
        <source>V1</source>
        <translation>V1</translation>
    </message>
    <message>
        <source>V2</source>
        <translation>V2</translation>
    </message>
    <message>
        <source>V3</source>
        <translation>V3</translation>
    </message>
    <message>
        <source>V4</source>
        <translation>V4</translation>
    </message>
    <message>
        <source>V5</source>
        <translation>V5</translation>
    </message>
    <message>
        <source>V6</source>
        <translation>V6</translation>
    </message>
    <message>
        <source>V7</source>
        <translation>V7</translation>
    </message>
    <message>
        <source>V8</source>
        <translation>V8</translation>
    </message>
    <message>
        <source>V9</source>
        <translation>V9</translation>
    </message>
    <message>
        <source>V10</source>
        <translation>V10</translation>
    </message>
    <message>
        <source>V11</source>
        <translation>V11</translation>
    </message>
    <message>
        <source>V12</source>
        <translation>V12</translation>
    </message>
    <message>
        <source>V13</source>
        <translation>V13</translation>
    </message>
</context>
<context>
    <name>HotkeySheetFile</name>
    <message>
        <source>bad picture marker</source>
        <translation>图片标记错误</translation>
    </message>
    <message>
        <source>the picture is not a PNG image</source>
        <translation>图片不是 PNG 格式</translation>
    </message>
    <message>
        <source>the picture is cut short</source>
        <translation>图片数据不完整</translation>
    </message>
    <message>
        <source>the picture has no header</source>
        <translation>图片缺少文件头</translation>
    </message>
    <message>
        <source>the picture&apos;s size %1 x %2 is impossible</source>
        <translation>图片尺寸 %1 x %2 不可能</translation>
    </message>
    <message>
        <source>the picture does not decode</source>
        <translation>图片无法解码</translation>
    </message>
    <message>
        <source>a font is damaged</source>
        <translation>字体数据已损坏</translation>
    </message>
    <message>
        <source>the record is cut short</source>
        <translation>记录不完整</translation>
    </message>
    <message>
        <source>layout %1 is not 0 to 3</source>
        <translation>布局 %1 不在 0 到 3 之间</translation>
    </message>
    <message>
        <source>a colour is not valid</source>
        <translation>颜色无效</translation>
    </message>
    <message>
        <source>a font size is not valid</source>
        <translation>字号无效</translation>
    </message>
    <message>
        <source>a PLU number is negative</source>
        <translation>PLU 编号为负数</translation>
    </message>
    <message>
        <source>a hotkey number is out of range</source>
        <translation>热键编号超出范围</translation>
    </message>
    <message>
        <source>The hotkey sheet is damaged at key %1: %2.</source>
        <translation>热键表在第 %1 键处损坏：%2。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be opened: %2</source>
        <translation>无法打开“%1”：%2</translation>
    </message>
</context>
<context>
    <name>HotkeySheetTypes</name>
    <message>
        <source>112HotkeyX2</source>
        <translation>112热键X2</translation>
    </message>
    <message>
        <source>56HotkeyX2</source>
        <translation>56热键X2</translation>
    </message>
    <message>
        <source>60HotkeyX2</source>
        <translation>60热键X2</translation>
    </message>
    <message>
        <source>56HotkeyX2(1315)</source>
        <translation>56热键X2(1315)</translation>
    </message>
    <message>
        <source>40HotkeyX2</source>
        <translation>40热键X2</translation>
    </message>
</context>
<context>
    <name>ImportCheck</name>
    <message>
        <source>not a number</source>
        <translation>不是数字</translation>
    </message>
    <message>
        <source>more decimals than the price scaling takes (%1)</source>
        <translation>小数位多于价格倍数所能取的位数（%1）</translation>
    </message>
    <message>
        <source>no weight unit has this import value</source>
        <translation>没有重量单位使用这个导入值</translation>
    </message>
    <message>
        <source>row %1, %2: %3: %4</source>
        <translation>第 %1 行，%2：%3：%4</translation>
    </message>
    <message>
        <source>also in row %1</source>
        <translation>与第 %1 行重复</translation>
    </message>
</context>
<context>
    <name>ImportExcelDialog</name>
    <message>
        <source>Import rules</source>
        <translation>导入规则</translation>
    </message>
    <message>
        <source>Set imported PLU properties</source>
        <translation>设置导入的PLU属性</translation>
    </message>
    <message>
        <source>Excel start/end row</source>
        <translation>Excel 起始/结束行</translation>
    </message>
    <message>
        <source>PLU Manager row</source>
        <translation>表格起始行</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Rows that can be imported: %1.</source>
        <translation>可导入的行数：%1。</translation>
    </message>
    <message>
        <source>Rows left out for fewer than %1 cells: %2.</source>
        <translation>因少于 %1 个单元格而略过的行数：%2。</translation>
    </message>
    <message>
        <source>critical</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>Content</source>
        <translation>内容</translation>
    </message>
    <message>
        <source>Rows read: %1; the last row is beyond them.</source>
        <translation>已读取 %1 行；结束行超出了范围。</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>The first row counts from 1.</source>
        <translation>起始行从 1 开始计数。</translation>
    </message>
    <message>
        <source>The first row is after the last row.</source>
        <translation>起始行在结束行之后。</translation>
    </message>
    <message>
        <source>The PLU Manager row counts from 1.</source>
        <translation>表格起始行从 1 开始计数。</translation>
    </message>
    <message>
        <source>Update from sheet</source>
        <translation>按表格更新</translation>
    </message>
    <message>
        <source>Articles whose LF code a row has take the ticked properties of that row; everything else stays.</source>
        <translation>LF码与表格某行相同的商品取该行勾选的属性，其余不变。</translation>
    </message>
    <message>
        <source>Add the rows that match no article at the end</source>
        <translation>把没有对应商品的行添加到末尾</translation>
    </message>
    <message>
        <source>Tick &quot;PLU name&quot;: a row without a name is not kept. To change some properties of the articles of the table, choose &quot;Update from sheet&quot;.</source>
        <translation>请勾选“PLU name”：没有名称的行不会保存。若只修改表中商品的部分属性，请选择“按表格更新”。</translation>
    </message>
</context>
<context>
    <name>ImportInstructions</name>
    <message>
        <source>The instructions are missing from the program.</source>
        <translation>程序中缺少操作说明。</translation>
    </message>
</context>
<context>
    <name>InboxDistributor</name>
    <message>
        <source>the inbox &quot;%1&quot; is not a folder</source>
        <translation>收件夹“%1”不是文件夹</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be made</source>
        <translation>无法创建“%1”</translation>
    </message>
    <message>
        <source>watching %1</source>
        <translation>正在监视 %1</translation>
    </message>
    <message>
        <source>stopping: the send under way is broken off</source>
        <translation>正在停止：中断进行中的发送</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be moved to %2/</source>
        <translation>无法将“%1”移到 %2/</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>%1 was not sent to any scale:</source>
        <translation>%1 没有发送到任何秤：</translation>
    </message>
    <message>
        <source>%1: the report cannot be written: %2</source>
        <translation>%1：无法写入报告：%2</translation>
    </message>
    <message numerus="yes">
        <source>%1: refused, %n problem(s); moved to failed/ with %2</source>
        <translation>
            <numerusform>%1：已拒绝，%n 个问题；已移到 failed/，附 %2</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: the scale list cannot be read: %2</source>
        <translation>%1：无法读取秤列表：%2</translation>
    </message>
    <message>
        <source>%1: the work cannot be kept: %2</source>
        <translation>%1：无法保存待办工作：%2</translation>
    </message>
    <message>
        <source>%1: takes the place of %2</source>
        <translation>%1：取代 %2</translation>
    </message>
    <message numerus="yes">
        <source>%1: taken, %2 PLU(s), for %n scale(s)</source>
        <translation>
            <numerusform>%1：已接收，%2 个PLU，发往 %n 台秤</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: the file left to send cannot be read any more; its scales are given up</source>
        <translation>%1：待发送的文件已无法读取；放弃其余的秤</translation>
    </message>
    <message>
        <source>%1: taken up again where the last run left it</source>
        <translation>%1：从上次运行中断处继续</translation>
    </message>
    <message>
        <source>the work cannot be read: %1</source>
        <translation>无法读取待办工作：%1</translation>
    </message>
    <message>
        <source>%1: every scale has it</source>
        <translation>%1：所有秤都已收到</translation>
    </message>
    <message>
        <source>the scale list cannot be read: %1</source>
        <translation>无法读取秤列表：%1</translation>
    </message>
    <message>
        <source>%1: %2 is no longer in the scale list</source>
        <translation>%1：%2 已不在秤列表中</translation>
    </message>
    <message numerus="yes">
        <source>%1: sending to %n scale(s)</source>
        <translation>
            <numerusform>%1：正在发送到 %n 台秤</numerusform>
        </translation>
    </message>
    <message>
        <source>an earlier file</source>
        <translation>较早的文件</translation>
    </message>
    <message>
        <source>%1 -&gt; %2: ok%3</source>
        <translation>%1 -&gt; %2：成功%3</translation>
    </message>
    <message>
        <source>%1 -&gt; %2: %3; left to do</source>
        <translation>%1 -&gt; %2：%3；留待以后</translation>
    </message>
    <message>
        <source>%1 -&gt; %2: failed: %3; next try in %4 s</source>
        <translation>%1 -&gt; %2：失败：%3；%4 秒后重试</translation>
    </message>
</context>
<context>
    <name>InboxFile</name>
    <message>
        <source>the file cannot be read</source>
        <translation>无法读取该文件</translation>
    </message>
    <message>
        <source>the file holds no PLU</source>
        <translation>该文件中没有PLU</translation>
    </message>
</context>
<context>
    <name>InboxWatcher</name>
    <message>
        <source>&quot;%1&quot; is not a folder</source>
        <translation>“%1”不是文件夹</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be watched</source>
        <translation>无法监视“%1”</translation>
    </message>
</context>
<context>
    <name>InstallationDb</name>
    <message>
        <source>cannot open &quot;%1&quot;: %2</source>
        <translation>无法打开“%1”：%2</translation>
    </message>
    <message>
        <source>cannot lay out &quot;%1&quot;: %2</source>
        <translation>无法建立“%1”的表结构：%2</translation>
    </message>
</context>
<context>
    <name>IoController</name>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be imported: %2.
The table is unchanged.</source>
        <translation>无法导入“%1”：%2。
表格未作改动。</translation>
    </message>
    <message>
        <source>Reading %1 ...</source>
        <translation>正在读取 %1 ...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Open Excel</source>
        <translation>打开 Excel</translation>
    </message>
    <message>
        <source>Excel Files (*.xls *xlsx)</source>
        <translation>Excel 文件 (*.xls *xlsx)</translation>
    </message>
    <message>
        <source>OpenDocument Spreadsheets (*.ods)</source>
        <translation>OpenDocument 电子表格 (*.ods)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>所有文件 (*)</translation>
    </message>
    <message>
        <source>no row of its first sheet has the %1 cells of an article</source>
        <translation>第一个工作表中没有一行具有商品所需的 %1 个单元格</translation>
    </message>
    <message>
        <source>Import PLU from Excel</source>
        <translation>从 Excel 导入PLU</translation>
    </message>
    <message>
        <source>Select File</source>
        <translation>选择文件</translation>
    </message>
    <message>
        <source>TXT Files (*.TXT)</source>
        <translation>TXT 文件 (*.TXT)</translation>
    </message>
    <message>
        <source>Custom import</source>
        <translation>自定义导入</translation>
    </message>
    <message>
        <source>The table holds %1 rows; the last %2 lines of the file were left out.</source>
        <translation>表格最多 %1 行；文件的最后 %2 行未导入。</translation>
    </message>
    <message>
        <source>Excel Workbook (*.xlsx)</source>
        <translation>Excel 工作簿 (*.xlsx)</translation>
    </message>
    <message>
        <source>Export File</source>
        <translation>导出文件</translation>
    </message>
    <message>
        <source>Excel Files (*.xls)</source>
        <translation>Excel 文件 (*.xls)</translation>
    </message>
    <message>
        <source>Create Or Open file Error</source>
        <translation>创建或打开文件出错</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>Export Excel Success</source>
        <translation>导出 Excel 成功</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>导入</translation>
    </message>
    <message>
        <source>These cells of &quot;%1&quot; cannot be taken as they are (rows as the file counts them). Import the good rows and leave these rows out, or cancel and keep the table as it is.</source>
        <translation>“%1”中的这些单元格不能照原样导入（行号按文件计）。可以只导入正确的行并略过这些行，或取消并保持表格不变。</translation>
    </message>
    <message>
        <source>Import the good rows</source>
        <translation>导入正确的行</translation>
    </message>
    <message>
        <source>Update from sheet</source>
        <translation>按表格更新</translation>
    </message>
    <message>
        <source>Articles updated: %1, unchanged: %2.
Rows added: %3, without a matching article: %4.</source>
        <translation>已更新商品：%1，未变：%2。
已添加行：%3，无对应商品：%4。</translation>
    </message>
    <message>
        <source>... and %1 more</source>
        <translation>……还有 %1 条</translation>
    </message>
    <message>
        <source>no row can be imported</source>
        <translation>没有可导入的行</translation>
    </message>
    <message>
        <source>the stored layout takes no PLU name, and a row without a name is not kept</source>
        <translation>保存的格式不含商品名称，而没有名称的行不会保存</translation>
    </message>
</context>
<context>
    <name>LinkFailure</name>
    <message>
        <source>Connect Fail: port busy</source>
        <translation>连接失败：端口被占用</translation>
    </message>
    <message>
        <source>Connect Fail: no permission to open %1. Add your user to the dialout group and log in again.</source>
        <translation>连接失败：无权打开 %1。请把您的用户加入 dialout 组，然后重新登录。</translation>
    </message>
    <message>
        <source>Connect Fail: %1 does not exist. Check the cable and choose the port again.</source>
        <translation>连接失败：%1 不存在。请检查连接线并重新选择端口。</translation>
    </message>
    <message>
        <source>Connect Fail: connection refused by %1. Start the scale simulator (scale-sim) or choose another scale.</source>
        <translation>连接失败：%1 拒绝连接。请启动秤模拟器（scale-sim）或选择其他秤。</translation>
    </message>
    <message>
        <source>Connect Fail: connection refused by %1. Is the scale on, and is its TCP port right?</source>
        <translation>连接失败：%1 拒绝连接。秤是否已开机，TCP 端口是否正确？</translation>
    </message>
    <message>
        <source>Connect Fail: %1 is unreachable. Check the network cable and the address.</source>
        <translation>连接失败：无法到达 %1。请检查网线和地址。</translation>
    </message>
    <message>
        <source>Connect Fail: no answer in time. Check that the scale is on and the link settings are right.</source>
        <translation>连接失败：秤未及时应答。请检查秤是否已开机以及通讯设置是否正确。</translation>
    </message>
    <message>
        <source>Connect Fail: %1: %2</source>
        <translation>连接失败：%1：%2</translation>
    </message>
    <message>
        <source>Connect Fail</source>
        <translation>连接失败</translation>
    </message>
</context>
<context>
    <name>LocalDatabase</name>
    <message>
        <source>%1 (%2): %3</source>
        <translation>%1（%2）：%3</translation>
    </message>
    <message>
        <source>The local database is not open.</source>
        <translation>本地数据库未打开。</translation>
    </message>
    <message>
        <source>Cannot open the local database</source>
        <translation>无法打开本地数据库</translation>
    </message>
    <message>
        <source>the folder cannot be created</source>
        <translation>无法创建文件夹</translation>
    </message>
    <message>
        <source>Cannot read the package types</source>
        <translation>无法读取包装类型</translation>
    </message>
    <message>
        <source>Cannot replace the rows of %1</source>
        <translation>无法替换表 %1 中的行</translation>
    </message>
    <message>
        <source>Cannot read the hotkey functions</source>
        <translation>无法读取热键功能</translation>
    </message>
    <message>
        <source>Cannot store a hotkey function</source>
        <translation>无法保存热键功能</translation>
    </message>
    <message>
        <source>Cannot clear the hotkey functions</source>
        <translation>无法清除热键功能</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Normal</source>
        <translation>普通</translation>
    </message>
    <message>
        <source>Fixed Weight</source>
        <translation>定重</translation>
    </message>
    <message>
        <source>Fixed Price</source>
        <translation>定价</translation>
    </message>
    <message>
        <source>Both Fixed</source>
        <translation>定重定价</translation>
    </message>
    <message>
        <source>QR Code</source>
        <translation>二维码</translation>
    </message>
    <message>
        <source>PT</source>
        <translation>PT</translation>
    </message>
    <message>
        <source>Hotkey</source>
        <translation>热键</translation>
    </message>
    <message>
        <source>PLU name</source>
        <translation>商品名称</translation>
    </message>
    <message>
        <source>LF Code</source>
        <translation>LF码</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>货号</translation>
    </message>
    <message>
        <source>Barcode type</source>
        <translation>条码类型</translation>
    </message>
    <message>
        <source>Unit Price</source>
        <translation>单价</translation>
    </message>
    <message>
        <source>Weight unit</source>
        <translation>重量单位</translation>
    </message>
    <message>
        <source>Quantity type</source>
        <translation>数量类型</translation>
    </message>
    <message>
        <source>Department</source>
        <translation>部门</translation>
    </message>
    <message>
        <source>Tare</source>
        <translation>皮重</translation>
    </message>
    <message>
        <source>Shelf time</source>
        <translation>保质期</translation>
    </message>
    <message>
        <source>Package type</source>
        <translation>包装类型</translation>
    </message>
    <message>
        <source>Package Weight</source>
        <translation>包装重量</translation>
    </message>
    <message>
        <source>Tolerance (%)</source>
        <translation>误差 (%)</translation>
    </message>
    <message>
        <source>Message 1</source>
        <translation>信息 1</translation>
    </message>
    <message>
        <source>Message 2</source>
        <translation>信息 2</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>标签</translation>
    </message>
    <message>
        <source>Discount/Schedule</source>
        <translation>折扣/时间表</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>金额</translation>
    </message>
    <message>
        <source>ProDate</source>
        <translation>生产日期</translation>
    </message>
    <message>
        <source>TraceID</source>
        <translation>追溯号</translation>
    </message>
    <message>
        <source>Recomdays</source>
        <translation>建议天数</translation>
    </message>
    <message>
        <source>Nutrition</source>
        <translation>营养成分</translation>
    </message>
    <message>
        <source>Ice</source>
        <translation>冰衣</translation>
    </message>
    <message>
        <source>PackPrice</source>
        <translation>包装价格</translation>
    </message>
    <message>
        <source>NgTolerance</source>
        <translation>负误差</translation>
    </message>
    <message>
        <source>kg</source>
        <translation>kg</translation>
    </message>
    <message>
        <source>File</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>New</source>
        <translation>新建</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>另存为</translation>
    </message>
    <message>
        <source>Import PLU from Excel</source>
        <translation>从 Excel 导入PLU</translation>
    </message>
    <message>
        <source>Custom import</source>
        <translation>自定义导入</translation>
    </message>
    <message>
        <source>Export to Excel</source>
        <translation>导出到 Excel</translation>
    </message>
    <message>
        <source>Export Hotkey to ...</source>
        <translation>导出热键到 ...</translation>
    </message>
    <message>
        <source>Choose Parameter</source>
        <translation>选择参数</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>PLU Edit</source>
        <translation>PLU 编辑</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>撤销</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>重做</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>剪切</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>复制</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>粘贴</translation>
    </message>
    <message>
        <source>Move to</source>
        <translation>移动到</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>插入</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Sort by Name</source>
        <translation>按名称排序</translation>
    </message>
    <message>
        <source>Sort by LF Code</source>
        <translation>按LF码排序</translation>
    </message>
    <message>
        <source>Sort by Code</source>
        <translation>按货号排序</translation>
    </message>
    <message>
        <source>Hotkey editing</source>
        <translation>热键编辑</translation>
    </message>
    <message>
        <source>Discount schedule</source>
        <translation>折扣时间表</translation>
    </message>
    <message>
        <source>Nutrition elements set</source>
        <translation>营养成分设置</translation>
    </message>
    <message>
        <source>PLU Selection</source>
        <translation>PLU 选择</translation>
    </message>
    <message>
        <source>Select entire row</source>
        <translation>选择整行</translation>
    </message>
    <message>
        <source>Select block, column</source>
        <translation>选择区域、列</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>全选</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>填充</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>清除</translation>
    </message>
    <message>
        <source>Generate hotkey</source>
        <translation>生成热键</translation>
    </message>
    <message>
        <source>Generate LF Code</source>
        <translation>生成LF码</translation>
    </message>
    <message>
        <source>Generate Code</source>
        <translation>生成货号</translation>
    </message>
    <message>
        <source>Generate Message ID</source>
        <translation>生成信息编号</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>信息</translation>
    </message>
    <message>
        <source>Advertising slogan</source>
        <translation>广告语</translation>
    </message>
    <message>
        <source>Message editing</source>
        <translation>信息编辑</translation>
    </message>
    <message>
        <source>Package type setting</source>
        <translation>包装类型设置</translation>
    </message>
    <message>
        <source>Communication</source>
        <translation>通讯</translation>
    </message>
    <message>
        <source>Download PLU</source>
        <translation>下载PLU</translation>
    </message>
    <message>
        <source>Update PLU</source>
        <translation>更新PLU</translation>
    </message>
    <message>
        <source>Upload PLU</source>
        <translation>上传PLU</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>DownloadADInfo</source>
        <translation>下载广告</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>字体</translation>
    </message>
    <message>
        <source>Preview Hotkey Card</source>
        <translation>预览热键卡</translation>
    </message>
    <message>
        <source>Import from TXP file</source>
        <translation>从 TXP 文件导入</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>语言</translation>
    </message>
    <message>
        <source>50g</source>
        <translation>50g</translation>
    </message>
    <message>
        <source>g</source>
        <translation>g</translation>
    </message>
    <message>
        <source>10g</source>
        <translation>10g</translation>
    </message>
    <message>
        <source>100g</source>
        <translation>100g</translation>
    </message>
    <message>
        <source>oz</source>
        <translation>oz</translation>
    </message>
    <message>
        <source>lb</source>
        <translation>lb</translation>
    </message>
    <message>
        <source>500g</source>
        <translation>500g</translation>
    </message>
    <message>
        <source>600g</source>
        <translation>600g</translation>
    </message>
    <message>
        <source>PCS(g)</source>
        <translation>PCS(g)</translation>
    </message>
    <message>
        <source>PCS(kg)</source>
        <translation>PCS(kg)</translation>
    </message>
    <message>
        <source>PCS(oz)</source>
        <translation>PCS(oz)</translation>
    </message>
    <message>
        <source>PCS(lb)</source>
        <translation>PCS(lb)</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Main</source>
        <translation>主工具栏</translation>
    </message>
    <message>
        <source>Line No</source>
        <translation>行号</translation>
    </message>
    <message>
        <source>HotKey</source>
        <translation>热键</translation>
    </message>
    <message>
        <source>PluName</source>
        <translation>商品名称</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>查找</translation>
    </message>
    <message>
        <source>Find Content</source>
        <translation>查找内容</translation>
    </message>
    <message>
        <source>The translation file for %1 is missing.</source>
        <translation>缺少 %1 的翻译文件。</translation>
    </message>
    <message>
        <source>ZQPLU</source>
        <translation>ZQPLU</translation>
    </message>
    <message>
        <source>The document has been modified.
Do you want to save your changes?</source>
        <translation>文档已修改。
是否保存更改？</translation>
    </message>
    <message>
        <source>Select File</source>
        <translation>选择文件</translation>
    </message>
    <message>
        <source>TXP Files (*.TXP;*.TXU;*.CSV)</source>
        <translation>TXP 文件 (*.TXP;*.TXU;*.CSV)</translation>
    </message>
    <message>
        <source>Save File Success</source>
        <translation>保存文件成功</translation>
    </message>
    <message>
        <source>Export File</source>
        <translation>导出文件</translation>
    </message>
    <message>
        <source>Txp Files (*.Txp)</source>
        <translation>Txp 文件 (*.Txp)</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 已存在。
是否替换？</translation>
    </message>
    <message>
        <source>PCS</source>
        <translation>PCS</translation>
    </message>
    <message>
        <source>Unsupported file type</source>
        <translation>不支持的文件类型</translation>
    </message>
    <message>
        <source>Open File Error</source>
        <translation>打开文件出错</translation>
    </message>
    <message>
        <source>The file holds %1 more lines than the table has rows; they were not loaded.</source>
        <translation>文件比表格多出 %1 行，这些行未载入。</translation>
    </message>
    <message>
        <source>Download AD Infomation</source>
        <translation>下载广告信息</translation>
    </message>
    <message>
        <source>Scales</source>
        <translation>秤列表</translation>
    </message>
    <message>
        <source>Nothing was saved: no row of the table has a PLU name, and a row without a name is not written. Give the rows their names first.</source>
        <translation>未保存：表格中没有一行有商品名称，而没有名称的行不会写入。请先为各行填写名称。</translation>
    </message>
    <message>
        <source>User Guide</source>
        <translation>用户指南</translation>
    </message>
    <message>
        <source>Send history</source>
        <translation>发送记录</translation>
    </message>
</context>
<context>
    <name>MessageEditingDlg</name>
    <message>
        <source>Message Editing</source>
        <translation>信息编辑</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>导入</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>导出</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>This is no message file: it holds binary data.</source>
        <translation>这不是信息文件：其中含有二进制数据。</translation>
    </message>
    <message>
        <source>The file holds %1 messages; the first %2 were read.</source>
        <translation>文件含有 %1 条信息；已读取前 %2 条。</translation>
    </message>
    <message>
        <source>The last %1 lines of the file make no complete message of %2 lines; they were left out.</source>
        <translation>文件最后 %1 行不足一条 %2 行的完整信息，已略过。</translation>
    </message>
    <message>
        <source>File Open fail</source>
        <translation>文件打开失败</translation>
    </message>
    <message>
        <source>Select File</source>
        <translation>选择文件</translation>
    </message>
    <message>
        <source>Msg Files (*.Msg)</source>
        <translation>Msg 文件 (*.Msg)</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Export File</source>
        <translation>导出文件</translation>
    </message>
    <message>
        <source>Open file fail</source>
        <translation>打开文件失败</translation>
    </message>
</context>
<context>
    <name>MessageTableModel</name>
    <message>
        <source>Line %1</source>
        <translation>第 %1 行</translation>
    </message>
</context>
<context>
    <name>MoveToDlg</name>
    <message>
        <source>Move To</source>
        <translation>移动到</translation>
    </message>
    <message>
        <source>Input target rows (1~20000)：</source>
        <translation>输入目标行 (1~20000)：</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>MultiLabelDlg</name>
    <message>
        <source>Multi-Label</source>
        <translation>多标签</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>标签</translation>
    </message>
    <message>
        <source>A0</source>
        <translation>A0</translation>
    </message>
    <message>
        <source>A1</source>
        <translation>A1</translation>
    </message>
    <message>
        <source>B0</source>
        <translation>B0</translation>
    </message>
    <message>
        <source>B1</source>
        <translation>B1</translation>
    </message>
    <message>
        <source>C0</source>
        <translation>C0</translation>
    </message>
    <message>
        <source>C1</source>
        <translation>C1</translation>
    </message>
    <message>
        <source>D0</source>
        <translation>D0</translation>
    </message>
    <message>
        <source>D1</source>
        <translation>D1</translation>
    </message>
    <message>
        <source>E0</source>
        <translation>E0</translation>
    </message>
    <message>
        <source>E1</source>
        <translation>E1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>退出</translation>
    </message>
</context>
<context>
    <name>NutritionElementDlg</name>
    <message>
        <source>Nutrition Element Set</source>
        <translation>营养成分设置</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>全选</translation>
    </message>
    <message>
        <source>Select Invert</source>
        <translation>反选</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>编辑</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>下载</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>选择</translation>
    </message>
    <message>
        <source>Nutrition name</source>
        <translation>营养成分名称</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>单位</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Add produce Nutrition Element</source>
        <translation>添加商品营养成分</translation>
    </message>
</context>
<context>
    <name>NutritionElementFile</name>
    <message>
        <source>&quot;%1&quot; cannot be read: %2</source>
        <translation>无法读取“%1”：%2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is damaged: %2</source>
        <translation>“%1”已损坏：%2</translation>
    </message>
    <message>
        <source>it is not a nutrition element table</source>
        <translation>这不是营养成分表</translation>
    </message>
    <message>
        <source>it holds no list of elements</source>
        <translation>其中没有成分列表</translation>
    </message>
    <message>
        <source>the PLU file has no name</source>
        <translation>PLU文件尚未命名</translation>
    </message>
</context>
<context>
    <name>NutritionValueStore</name>
    <message>
        <source>&quot;%1&quot;: %2</source>
        <translation>“%1”：%2</translation>
    </message>
    <message>
        <source>the PLU file has no name</source>
        <translation>PLU文件尚未命名</translation>
    </message>
    <message>
        <source>disk full</source>
        <translation>磁盘已满</translation>
    </message>
</context>
<context>
    <name>OdsReader</name>
    <message>
        <source>the workbook is password-protected</source>
        <translation>工作簿有密码保护</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>已取消</translation>
    </message>
    <message>
        <source>the sheet has more than %1 rows</source>
        <translation>工作表超过 %1 行</translation>
    </message>
    <message>
        <source>the part &quot;%1&quot; is damaged (%2, line %3)</source>
        <translation>部件“%1”已损坏（%2，第 %3 行）</translation>
    </message>
    <message>
        <source>the workbook has no worksheet</source>
        <translation>工作簿中没有工作表</translation>
    </message>
</context>
<context>
    <name>PluCellChecker</name>
    <message>
        <source>The quality must be between 0~15.00</source>
        <translation>重量必须在 0~15.00 之间</translation>
    </message>
    <message>
        <source>The quality must be between 0~529.11</source>
        <translation>重量必须在 0~529.11 之间</translation>
    </message>
    <message>
        <source>The quality must be between 0~33.07</source>
        <translation>重量必须在 0~33.07 之间</translation>
    </message>
    <message>
        <source>The quality must be between 0~15000.00</source>
        <translation>重量必须在 0~15000.00 之间</translation>
    </message>
    <message>
        <source>Row[%1]LFcode repeated!</source>
        <translation>第[%1]行 LF码重复！</translation>
    </message>
    <message>
        <source>Row[%1]Hotkey repeated!</source>
        <translation>第[%1]行 热键重复！</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>The error range is 0~20</source>
        <translation>误差范围为 0~20</translation>
    </message>
    <message>
        <source>no PLU name (a row without a name is not kept)</source>
        <translation>没有商品名称（没有名称的行不会保存）</translation>
    </message>
    <message>
        <source>longer than %1 characters</source>
        <translation>超过 %1 个字符</translation>
    </message>
    <message>
        <source>has characters that %1 cannot encode</source>
        <translation>含有 %1 无法编码的字符</translation>
    </message>
    <message>
        <source>takes %1 bytes, more than %2</source>
        <translation>占 %1 字节，超过 %2</translation>
    </message>
    <message>
        <source>not a code of at most %1 digits</source>
        <translation>不是最多 %1 位数字的货号</translation>
    </message>
    <message>
        <source>not a number</source>
        <translation>不是数字</translation>
    </message>
    <message>
        <source>not a whole number</source>
        <translation>不是整数</translation>
    </message>
    <message>
        <source>a leading zero that the code cannot keep</source>
        <translation>开头的 0 无法保留</translation>
    </message>
    <message>
        <source>more than %1 decimals</source>
        <translation>超过 %1 位小数</translation>
    </message>
    <message>
        <source>outside %1</source>
        <translation>超出 %1</translation>
    </message>
</context>
<context>
    <name>PluEditCommands</name>
    <message>
        <source>Edit %1</source>
        <translation>编辑 %1</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>剪切</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>粘贴</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>插入</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Move to</source>
        <translation>移动到</translation>
    </message>
    <message>
        <source>Sort by Name</source>
        <translation>按名称排序</translation>
    </message>
    <message>
        <source>Sort by LF Code</source>
        <translation>按LF码排序</translation>
    </message>
    <message>
        <source>Sort by Code</source>
        <translation>按货号排序</translation>
    </message>
    <message>
        <source>Generate hotkey</source>
        <translation>生成热键</translation>
    </message>
    <message>
        <source>Generate LF Code</source>
        <translation>生成LF码</translation>
    </message>
    <message>
        <source>Generate Code</source>
        <translation>生成货号</translation>
    </message>
    <message>
        <source>Generate Message ID</source>
        <translation>生成信息编号</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>填充</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>清除</translation>
    </message>
    <message>
        <source>Weight unit</source>
        <translation>重量单位</translation>
    </message>
    <message>
        <source>Package type</source>
        <translation>包装类型</translation>
    </message>
    <message>
        <source>Barcode type</source>
        <translation>条码类型</translation>
    </message>
</context>
<context>
    <name>PluFile</name>
    <message>
        <source>&quot;%1&quot; is not a PLU file: line %2 holds a NUL byte.</source>
        <translation>“%1”不是PLU文件：第 %2 行含有 NUL 字节。</translation>
    </message>
    <message>
        <source>Line %1 of &quot;%2&quot; is not valid %3 text. If the file was written in another code page, set CodePage in [Setting] of %4 to it.</source>
        <translation>“%2”的第 %1 行不是有效的 %3 文本。如果文件是用其他代码页写的，请在 %4 的 [Setting] 中把 CodePage 设为该代码页。</translation>
    </message>
</context>
<context>
    <name>PluVerify</name>
    <message>
        <source>LF code %1 is on the scale but was not sent</source>
        <translation>LF码 %1 在秤上，但未被发送</translation>
    </message>
    <message>
        <source>row %1, %2: sent &quot;%3&quot;, read &quot;%4&quot;</source>
        <translation>第 %1 行，%2：发送“%3”，读回“%4”</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>缺失</translation>
    </message>
</context>
<context>
    <name>Printpreview</name>
    <message>
        <source>Print preview</source>
        <translation>打印预览</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>横向</translation>
    </message>
    <message>
        <source>Portriat</source>
        <translation>纵向</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>导出 PDF</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>打印</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)</source>
        <translation>PDF 文件 (*.pdf)</translation>
    </message>
</context>
<context>
    <name>RecoveryCopy</name>
    <message>
        <source>Cannot make the recovery folder %1</source>
        <translation>无法创建恢复文件夹 %1</translation>
    </message>
    <message>
        <source>The recovery copy in %1 cannot be read</source>
        <translation>无法读取 %1 中的恢复副本</translation>
    </message>
</context>
<context>
    <name>RecoveryGrid</name>
    <message>
        <source>The recovery copy&apos;s grid is not whole</source>
        <translation>恢复副本的表格不完整</translation>
    </message>
    <message>
        <source>The recovery copy&apos;s grid has more rows than the table</source>
        <translation>恢复副本的表格行数多于表格</translation>
    </message>
    <message>
        <source>Row %1 of the recovery copy&apos;s grid cannot be read</source>
        <translation>无法读取恢复副本表格的第 %1 行</translation>
    </message>
</context>
<context>
    <name>ScaleAddress</name>
    <message>
        <source>&quot;%1&quot; is not a valid IPv4 address and port</source>
        <translation>“%1”不是有效的 IPv4 地址和端口</translation>
    </message>
    <message>
        <source>%1 is not a baud rate the scale link supports</source>
        <translation>%1 不是秤通讯支持的波特率</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is neither an IPv4 address nor a serial port</source>
        <translation>“%1”既不是 IPv4 地址，也不是串口</translation>
    </message>
</context>
<context>
    <name>ScaleEntry</name>
    <message>
        <source>a scale needs a name</source>
        <translation>秤必须有名称</translation>
    </message>
    <message>
        <source>the time-out %1 ms is not between 0 and 600000</source>
        <translation>超时 %1 毫秒不在 0 到 600000 之间</translation>
    </message>
</context>
<context>
    <name>ScaleJobRunner</name>
    <message>
        <source>The scale link library could not be loaded</source>
        <translation>无法加载秤通讯库</translation>
    </message>
</context>
<context>
    <name>ScaleList</name>
    <message>
        <source>a scale called &quot;%1&quot; is already in the list</source>
        <translation>列表中已有名为“%1”的秤</translation>
    </message>
    <message>
        <source>no scale called &quot;%1&quot;</source>
        <translation>没有名为“%1”的秤</translation>
    </message>
</context>
<context>
    <name>ScaleListCsv</name>
    <message>
        <source>line %1: a quote is not closed</source>
        <translation>第 %1 行：引号未闭合</translation>
    </message>
    <message>
        <source>line %1: expected name, group, address, baud and time-out</source>
        <translation>第 %1 行：应为名称、分组、地址、波特率和超时</translation>
    </message>
    <message>
        <source>line %1: baud and time-out are numbers</source>
        <translation>第 %1 行：波特率和超时必须是数字</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>第 %1 行：%2</translation>
    </message>
    <message>
        <source>line %1: the name &quot;%2&quot; is already used</source>
        <translation>第 %1 行：名称“%2”已被使用</translation>
    </message>
</context>
<context>
    <name>ScaleListDlg</name>
    <message>
        <source>Scales</source>
        <translation>秤列表</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>分组</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>通讯方式</translation>
    </message>
    <message>
        <source>Address or port</source>
        <translation>地址或端口</translation>
    </message>
    <message>
        <source>BaudRate</source>
        <translation>波特率</translation>
    </message>
    <message>
        <source>Time-out (s)</source>
        <translation>超时 (秒)</translation>
    </message>
    <message>
        <source>Add...</source>
        <translation>添加...</translation>
    </message>
    <message>
        <source>Edit...</source>
        <translation>编辑...</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>移除</translation>
    </message>
    <message>
        <source>Add the current link</source>
        <translation>添加当前通讯设置的秤</translation>
    </message>
    <message>
        <source>Test connection</source>
        <translation>测试连接</translation>
    </message>
    <message>
        <source>Import CSV...</source>
        <translation>导入 CSV...</translation>
    </message>
    <message>
        <source>Export CSV...</source>
        <translation>导出 CSV...</translation>
    </message>
    <message>
        <source>Download PLU</source>
        <translation>下载PLU</translation>
    </message>
    <message>
        <source>Update PLU</source>
        <translation>更新PLU</translation>
    </message>
    <message>
        <source>Send changes</source>
        <translation>发送更改</translation>
    </message>
    <message>
        <source>Download AD</source>
        <translation>下载广告</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Verify after send</source>
        <translation>发送后校验</translation>
    </message>
    <message>
        <source>Choose a group:</source>
        <translation>选择分组：</translation>
    </message>
    <message>
        <source>Send to the chosen scales:</source>
        <translation>发送到所选的秤：</translation>
    </message>
    <message>
        <source>The scale list cannot be read: %1</source>
        <translation>无法读取秤列表：%1</translation>
    </message>
    <message>
        <source>default</source>
        <translation>默认</translation>
    </message>
    <message>
        <source>(choose rows)</source>
        <translation>（按行选择）</translation>
    </message>
    <message>
        <source>All scales</source>
        <translation>所有秤</translation>
    </message>
    <message>
        <source>Choose one or more scales, or a group.</source>
        <translation>请选择一台或多台秤，或选择一个分组。</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>IP address, IP:port, or serial port</source>
        <translation>IP 地址、IP:端口或串口</translation>
    </message>
    <message>
        <source> s</source>
        <translation> 秒</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>名称：</translation>
    </message>
    <message>
        <source>Group:</source>
        <translation>分组：</translation>
    </message>
    <message>
        <source>Address or port:</source>
        <translation>地址或端口：</translation>
    </message>
    <message>
        <source>BaudRate:</source>
        <translation>波特率：</translation>
    </message>
    <message>
        <source>Time-out:</source>
        <translation>超时：</translation>
    </message>
    <message>
        <source>Add a scale</source>
        <translation>添加秤</translation>
    </message>
    <message>
        <source>Choose one scale to edit.</source>
        <translation>请选择一台要编辑的秤。</translation>
    </message>
    <message>
        <source>Edit a scale</source>
        <translation>编辑秤</translation>
    </message>
    <message>
        <source>Scale %1</source>
        <translation>秤 %1</translation>
    </message>
    <message>
        <source>Scale %1 (%2)</source>
        <translation>秤 %1（%2）</translation>
    </message>
    <message>
        <source>Import scales</source>
        <translation>导入秤列表</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <translation>CSV 文件 (*.csv)</translation>
    </message>
    <message>
        <source>the file is too large for a scale list</source>
        <translation>文件太大，不可能是秤列表</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: %2</source>
        <translation>“%1”：%2</translation>
    </message>
    <message>
        <source>Export scales</source>
        <translation>导出秤列表</translation>
    </message>
    <message>
        <source>Last good send</source>
        <translation>上次成功发送</translation>
    </message>
    <message>
        <source>Changes to send</source>
        <translation>待发送的更改</translation>
    </message>
    <message>
        <source>Last error</source>
        <translation>上次错误</translation>
    </message>
    <message>
        <source>Answers now</source>
        <translation>当前是否应答</translation>
    </message>
    <message>
        <source>Check all now</source>
        <translation>立即检查全部</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1，%2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>checking...</source>
        <translation>正在检查...</translation>
    </message>
    <message>
        <source>yes, in %1 ms</source>
        <translation>是，%1 毫秒</translation>
    </message>
    <message>
        <source>no: %1</source>
        <translation>否：%1</translation>
    </message>
</context>
<context>
    <name>SelectBarcodeDlg</name>
    <message>
        <source>Select Barcode</source>
        <translation>选择条码</translation>
    </message>
    <message>
        <source>Barcode Type</source>
        <translation>条码类型</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Bulk change weight Plu</source>
        <translation>批量修改称重PLU</translation>
    </message>
    <message>
        <source>Bulk change PCS Plu</source>
        <translation>批量修改计件PLU</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>What the scale prints</source>
        <translation>秤打印的内容</translation>
    </message>
    <message>
        <source>Sample weight (kg)</source>
        <translation>示例重量 (kg)</translation>
    </message>
    <message>
        <source>Copy till rule</source>
        <translation>复制收银机规则</translation>
    </message>
    <message>
        <source>Barcode Name</source>
        <translation>条码名称</translation>
    </message>
    <message>
        <source>Department</source>
        <translation>部门</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>货号</translation>
    </message>
    <message>
        <source>LFCode</source>
        <translation>LF码</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>金额</translation>
    </message>
    <message>
        <source>Unit Price</source>
        <translation>单价</translation>
    </message>
    <message>
        <source>Weight</source>
        <translation>重量</translation>
    </message>
    <message>
        <source>Batch number</source>
        <translation>批号</translation>
    </message>
    <message>
        <source>DisCount</source>
        <translation>折扣</translation>
    </message>
    <message>
        <source>CheckSum</source>
        <translation>校验位</translation>
    </message>
    <message>
        <source>The scale decides what this barcode type prints.</source>
        <translation>此条码类型打印的内容由秤决定。</translation>
    </message>
</context>
<context>
    <name>SendCheck</name>
    <message>
        <source>%1 &quot;%2&quot; is not a whole number in %3</source>
        <translation>%1“%2”不是 %3 范围内的整数</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; is not a number in %3</source>
        <translation>%1“%2”不是 %3 范围内的数字</translation>
    </message>
    <message>
        <source>%1 %2 is outside %3</source>
        <translation>%1 %2 超出范围 %3</translation>
    </message>
    <message>
        <source>characters of %1</source>
        <translation>%1 中的字符</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; has characters that %3 cannot encode: %4</source>
        <translation>%1“%2”含有 %3 无法编码的字符：%4</translation>
    </message>
    <message>
        <source>at most %1 characters</source>
        <translation>最多 %1 个字符</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; is longer than %3 characters</source>
        <translation>%1“%2”超过 %3 个字符</translation>
    </message>
    <message>
        <source>at most %1 bytes in %2</source>
        <translation>%2 下最多 %1 字节</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; takes %3 bytes in %4, more than %5</source>
        <translation>%1“%2”在 %4 下占 %3 字节，超过 %5</translation>
    </message>
    <message>
        <source>at most %1 digits</source>
        <translation>最多 %1 位数字</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; is not %3</source>
        <translation>%1“%2”不符合：%3</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; is not %3; it would be sent as &quot;%4&quot;</source>
        <translation>%1“%2”不符合：%3；将按“%4”发送</translation>
    </message>
    <message>
        <source>unique</source>
        <translation>不得重复</translation>
    </message>
    <message>
        <source>%1 %2 is also in row %3</source>
        <translation>%1 %2 在第 %3 行也有</translation>
    </message>
    <message>
        <source>a weight unit</source>
        <translation>有效的重量单位</translation>
    </message>
    <message>
        <source>a package type</source>
        <translation>有效的包装类型</translation>
    </message>
    <message>
        <source>%1 %2 is outside %3 for %4</source>
        <translation>%1 %2 超出 %4 的范围 %3</translation>
    </message>
    <message>
        <source>row %1: %2</source>
        <translation>第 %1 行：%2</translation>
    </message>
    <message>
        <source>Advertising head</source>
        <translation>广告头</translation>
    </message>
    <message>
        <source>Advertising tail</source>
        <translation>广告尾</translation>
    </message>
    <message>
        <source>Message %1</source>
        <translation>信息 %1</translation>
    </message>
    <message>
        <source>Discount schedule %1: Hour</source>
        <translation>折扣时间表 %1：小时</translation>
    </message>
    <message>
        <source>Discount schedule %1: Minute</source>
        <translation>折扣时间表 %1：分钟</translation>
    </message>
    <message>
        <source>Discount schedule %1: Discount</source>
        <translation>折扣时间表 %1：折扣</translation>
    </message>
    <message>
        <source>Departments</source>
        <translation>部门</translation>
    </message>
    <message>
        <source>%1 departments are more than the %2 a scale keeps</source>
        <translation>%1 个部门超过了秤能保存的 %2 个</translation>
    </message>
    <message>
        <source>Department %1</source>
        <translation>部门 %1</translation>
    </message>
    <message>
        <source>%1 is in the table twice</source>
        <translation>%1 在表中出现了两次</translation>
    </message>
    <message>
        <source>%1: the name has bytes that %2 cannot read</source>
        <translation>%1：名称中有 %2 无法读取的字节</translation>
    </message>
    <message>
        <source>%1: CGST</source>
        <translation>%1：CGST</translation>
    </message>
    <message>
        <source>%1: SGST</source>
        <translation>%1：SGST</translation>
    </message>
    <message>
        <source>Package types</source>
        <translation>包装类型</translation>
    </message>
    <message>
        <source>%1 package types are more than the %2 a scale keeps</source>
        <translation>%1 个包装类型超过了秤能保存的 %2 个</translation>
    </message>
    <message>
        <source>Package type %1</source>
        <translation>包装类型 %1</translation>
    </message>
    <message>
        <source>Nutrition element %1</source>
        <translation>营养元素 %1</translation>
    </message>
    <message>
        <source>%1: the unit &quot;%2&quot; is none of %3</source>
        <translation>%1：单位“%2”不是 %3 之一</translation>
    </message>
    <message>
        <source>Nutrition</source>
        <translation>营养</translation>
    </message>
    <message>
        <source>LF code %1, element %2 (%3)</source>
        <translation>LF码 %1，元素 %2（%3）</translation>
    </message>
    <message>
        <source>%1: %2 is outside %3</source>
        <translation>%1：%2 超出 %3</translation>
    </message>
    <message>
        <source>%1: %2 is sent as %3, outside %4</source>
        <translation>%1：%2 发送时为 %3，超出 %4</translation>
    </message>
    <message>
        <source>%1: NRV %</source>
        <translation>%1：NRV %</translation>
    </message>
    <message numerus="yes">
        <source>%n row(s) are marked with nutrition, but the file&apos;s nutrition values are missing</source>
        <translation>
            <numerusform>%n 行标记了营养，但文件的营养值不存在</numerusform>
        </translation>
    </message>
    <message>
        <source>Sending the PLUs clears the scale&apos;s messages, and the file&apos;s messages are not among the parts chosen: the scale will hold no messages.</source>
        <translation>发送PLU会清除秤上的信息，而所选内容不包括文件的信息：秤上将没有信息。</translation>
    </message>
    <message>
        <source>The list is empty: sending it removes every PLU from the scale. Send anyway?</source>
        <translation>列表为空：发送它会删除秤上的所有PLU。仍要发送吗？</translation>
    </message>
</context>
<context>
    <name>SendFingerprints</name>
    <message>
        <source>sending everything: the scale never had a full send from this installation</source>
        <translation>全部发送：本机从未向该秤完整发送过</translation>
    </message>
    <message>
        <source>sending everything: the last send to the scale failed</source>
        <translation>全部发送：上次向该秤发送失败</translation>
    </message>
    <message numerus="yes">
        <source>sending everything: %n PLU(s) were removed since the last send</source>
        <translation>
            <numerusform>全部发送：自上次发送以来已删除 %n 个PLU</numerusform>
        </translation>
    </message>
    <message>
        <source>the send history of %1 is damaged</source>
        <translation>%1 的发送记录已损坏</translation>
    </message>
    <message>
        <source>sending everything: the last send did not finish</source>
        <translation>全部发送：上次发送没有完成</translation>
    </message>
</context>
<context>
    <name>SendHistoryDlg</name>
    <message>
        <source>Failed and cancelled only</source>
        <translation>仅显示失败和取消的</translation>
    </message>
    <message>
        <source>Send history</source>
        <translation>发送记录</translation>
    </message>
    <message>
        <source>every scale</source>
        <translation>所有秤</translation>
    </message>
    <message>
        <source>Scale:</source>
        <translation>秤：</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>从：</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>到：</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>时间</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>程序</translation>
    </message>
    <message>
        <source>Scale</source>
        <translation>秤</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>结果</translation>
    </message>
    <message>
        <source>PLUs</source>
        <translation>PLU数</translation>
    </message>
    <message>
        <source>Parts</source>
        <translation>内容</translation>
    </message>
    <message>
        <source>File</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>原因</translation>
    </message>
    <message>
        <source>Export as CSV...</source>
        <translation>导出为CSV...</translation>
    </message>
    <message>
        <source>The send history cannot be read: %1</source>
        <translation>无法读取发送记录：%1</translation>
    </message>
    <message>
        <source>ok</source>
        <translation>成功</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>失败</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>已取消</translation>
    </message>
    <message>
        <source>refused</source>
        <translation>已拒绝</translation>
    </message>
    <message numerus="yes">
        <source>%n send(s)</source>
        <translation>
            <numerusform>%n 次发送</numerusform>
        </translation>
    </message>
    <message>
        <source>Export send history</source>
        <translation>导出发送记录</translation>
    </message>
    <message>
        <source>CSV (*.csv)</source>
        <translation>CSV (*.csv)</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
</context>
<context>
    <name>SendProblemsDlg</name>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Row</source>
        <translation>行</translation>
    </message>
    <message>
        <source>Column</source>
        <translation>列</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>值</translation>
    </message>
    <message>
        <source>Rule</source>
        <translation>规则</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Nothing was sent. These cells would not reach the scale as they are; double-click a line to go to its cell.</source>
        <translation>未发送任何数据。以下单元格按现状无法正确传到秤上；双击某一行可转到其单元格。</translation>
    </message>
    <message>
        <source>Problem</source>
        <translation>问题</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Send anyway?</source>
        <translation>仍要发送吗？</translation>
    </message>
</context>
<context>
    <name>SetHotkeyStyle</name>
    <message>
        <source>Parameter set</source>
        <translation>参数设置</translation>
    </message>
    <message>
        <source>General options</source>
        <translation>常规选项</translation>
    </message>
    <message>
        <source>HotKey sheet type</source>
        <translation>热键纸类型</translation>
    </message>
    <message>
        <source>112HotkeyX2</source>
        <translation>112热键X2</translation>
    </message>
    <message>
        <source>56HotkeyX2</source>
        <translation>56热键X2</translation>
    </message>
    <message>
        <source>60HotkeyX2</source>
        <translation>60热键X2</translation>
    </message>
    <message>
        <source>56HotkeyX2(1315)</source>
        <translation>56热键X2(1315)</translation>
    </message>
    <message>
        <source>40HotkeyX2</source>
        <translation>40热键X2</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>SheetExport</name>
    <message>
        <source>Cannot write &quot;%1&quot;: %2</source>
        <translation>无法写入“%1”：%2</translation>
    </message>
    <message>
        <source>the workbook cannot be created</source>
        <translation>无法创建工作簿</translation>
    </message>
</context>
<context>
    <name>SheetImport</name>
    <message>
        <source>a date, not a number</source>
        <translation>是日期，不是数字</translation>
    </message>
    <message>
        <source>a truth value, not a number</source>
        <translation>是逻辑值，不是数字</translation>
    </message>
    <message>
        <source>no LF code to match an article by</source>
        <translation>没有可用于匹配商品的LF码</translation>
    </message>
    <message>
        <source>no article has this LF code</source>
        <translation>没有商品使用这个LF码</translation>
    </message>
    <message>
        <source>the table holds %1 rows and is full</source>
        <translation>表格只有 %1 行，已满</translation>
    </message>
</context>
<context>
    <name>SheetReader</name>
    <message>
        <source>the file is empty</source>
        <translation>文件为空</translation>
    </message>
    <message>
        <source>a zip archive, but no workbook</source>
        <translation>是 zip 压缩包，但不是工作簿</translation>
    </message>
    <message>
        <source>the workbook is password-protected</source>
        <translation>工作簿有密码保护</translation>
    </message>
    <message>
        <source>not a spreadsheet (xlsx, xls, ods or tab-separated text)</source>
        <translation>不是电子表格（xlsx、xls、ods 或制表符分隔的文本）</translation>
    </message>
    <message>
        <source>the file is larger than %1 MB</source>
        <translation>文件大于 %1 MB</translation>
    </message>
</context>
<context>
    <name>TextSheetReader</name>
    <message>
        <source>the sheet has more than %1 rows</source>
        <translation>工作表超过 %1 行</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>已取消</translation>
    </message>
</context>
<context>
    <name>UploadDownDlg</name>
    <message>
        <source>Download Data</source>
        <translation>下载数据</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>状态：</translation>
    </message>
    <message>
        <source>Current package:</source>
        <translation>当前包：</translation>
    </message>
    <message>
        <source>Total package:</source>
        <translation>总包数：</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Upload PLU</source>
        <translation>上传PLU</translation>
    </message>
    <message>
        <source>Update PLU</source>
        <translation>更新PLU</translation>
    </message>
    <message>
        <source>Download PLU</source>
        <translation>下载PLU</translation>
    </message>
    <message>
        <source>Download Department info</source>
        <translation>下载部门信息</translation>
    </message>
    <message>
        <source>Upload Department info</source>
        <translation>上传部门信息</translation>
    </message>
    <message>
        <source>Download Nutrition Element</source>
        <translation>下载营养成分</translation>
    </message>
    <message>
        <source>Upload PLU Model Info</source>
        <translation>上传PLU型号信息</translation>
    </message>
    <message>
        <source>Download Ad Infomation</source>
        <translation>下载广告信息</translation>
    </message>
    <message>
        <source>Download Packet type info</source>
        <translation>下载包装类型信息</translation>
    </message>
    <message>
        <source>upload Packet type info</source>
        <translation>上传包装类型信息</translation>
    </message>
    <message>
        <source>Asking the scale what it holds...</source>
        <translation>正在询问秤保存的内容...</translation>
    </message>
</context>
<context>
    <name>WindowHabits</name>
    <message>
        <source>Scale: %1, %2 baud (RS-232)</source>
        <translation>秤：%1，%2 波特（RS-232）</translation>
    </message>
    <message>
        <source>Scale: none chosen yet</source>
        <translation>秤：尚未选择</translation>
    </message>
    <message>
        <source>Scale: %1 (simulator)</source>
        <translation>秤：%1（模拟器）</translation>
    </message>
    <message>
        <source>Scale: %1 (TCP/IP)</source>
        <translation>秤：%1（TCP/IP）</translation>
    </message>
    <message>
        <source>The scale that Download PLU, Update PLU and Upload PLU talk to</source>
        <translation>下载PLU、更新PLU 和上传PLU 所连接的秤</translation>
    </message>
    <message>
        <source>This list is empty.

Open a PLU file (File &gt; Open), import one (File &gt; Import PLU from Excel or Custom import), or read the list of a scale (Communication &gt; Upload PLU).

F1 opens the user guide.</source>
        <translation>清单是空的。

请打开 PLU 文件（文件 &gt; 打开），导入一个（文件 &gt; 从 Excel 导入PLU 或 自定义导入），或读取秤上的清单（通讯 &gt; 上传PLU）。

按 F1 打开用户指南。</translation>
    </message>
</context>
<context>
    <name>XlsReader</name>
    <message>
        <source>the file cannot be opened</source>
        <translation>文件无法打开</translation>
    </message>
    <message>
        <source>the workbook does not fit in memory</source>
        <translation>工作簿太大，内存放不下</translation>
    </message>
    <message>
        <source>an Office file, but no workbook</source>
        <translation>是 Office 文件，但不是工作簿</translation>
    </message>
    <message>
        <source>the workbook is password-protected</source>
        <translation>工作簿有密码保护</translation>
    </message>
    <message>
        <source>the workbook has no worksheet</source>
        <translation>工作簿中没有工作表</translation>
    </message>
    <message>
        <source>the sheet has more than %1 rows</source>
        <translation>工作表超过 %1 行</translation>
    </message>
    <message>
        <source>the workbook has more than %1 cells</source>
        <translation>工作簿超过 %1 个单元格</translation>
    </message>
    <message>
        <source>the cell in row %1, column %2 cannot be read</source>
        <translation>第 %1 行第 %2 列的单元格无法读取</translation>
    </message>
    <message>
        <source>the workbook is damaged (its reader gave no usable answer)</source>
        <translation>工作簿已损坏（读取程序没有给出可用的结果）</translation>
    </message>
    <message>
        <source>the workbook is damaged</source>
        <translation>工作簿已损坏</translation>
    </message>
    <message>
        <source>the .xls reader &quot;%1&quot; is missing beside the program</source>
        <translation>程序旁缺少 .xls 读取程序“%1”</translation>
    </message>
    <message>
        <source>the workbook is damaged (reading it did not end)</source>
        <translation>工作簿已损坏（读取无法结束）</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>已取消</translation>
    </message>
    <message>
        <source>the workbook is damaged (its reader stopped)</source>
        <translation>工作簿已损坏（读取程序中止）</translation>
    </message>
    <message>
        <source>the workbook&apos;s container has a damaged header</source>
        <translation>工作簿容器的文件头已损坏</translation>
    </message>
    <message>
        <source>the workbook ends before its last part (a broken copy or download?)</source>
        <translation>工作簿在最后一部分之前就结束了（复制或下载不完整？）</translation>
    </message>
    <message>
        <source>the table of the workbook&apos;s container points outside the file</source>
        <translation>工作簿容器的分配表指向文件之外</translation>
    </message>
    <message>
        <source>the workbook does not start as an Excel 97-2003 workbook does</source>
        <translation>工作簿的开头不是 Excel 97-2003 工作簿的格式</translation>
    </message>
    <message>
        <source>a cell refers to a shared text that does not exist</source>
        <translation>某个单元格引用了不存在的共享文本</translation>
    </message>
    <message>
        <source>the workbook&apos;s texts are in a character set that cannot be read</source>
        <translation>工作簿文本所用的字符集无法读取</translation>
    </message>
    <message>
        <source>a number of the workbook cannot be read</source>
        <translation>工作簿中的某个数字无法读取</translation>
    </message>
</context>
<context>
    <name>XlsxReader</name>
    <message>
        <source>the part &quot;%1&quot; is damaged (%2, line %3)</source>
        <translation>部件“%1”已损坏（%2，第 %3 行）</translation>
    </message>
    <message>
        <source>the zip archive holds no workbook</source>
        <translation>zip 压缩包中没有工作簿</translation>
    </message>
    <message>
        <source>the workbook has no worksheet</source>
        <translation>工作簿中没有工作表</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>已取消</translation>
    </message>
    <message>
        <source>the sheet has more than %1 rows</source>
        <translation>工作表超过 %1 行</translation>
    </message>
    <message>
        <source>a cell refers to a shared text that does not exist</source>
        <translation>某单元格引用了不存在的共享文本</translation>
    </message>
</context>
<context>
    <name>XlsxWriterLibrary</name>
    <message>
        <source>the workbook writer (libxlsxwriter) cannot be loaded: %1</source>
        <translation>无法加载工作簿写入库 (libxlsxwriter)：%1</translation>
    </message>
    <message>
        <source>the workbook writer (libxlsxwriter) is incomplete</source>
        <translation>工作簿写入库 (libxlsxwriter) 不完整</translation>
    </message>
</context>
<context>
    <name>ZQAboutDialog</name>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>PLU Manager</source>
        <translation>PLU 管理器</translation>
    </message>
    <message>
        <source>Version 1.0.0</source>
        <translation>版本 1.0.0</translation>
    </message>
    <message>
        <source>Build</source>
        <translation>构建</translation>
    </message>
    <message>
        <source>PLU Manager developers</source>
        <translation>PLU 管理器开发者</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>版本 %1</translation>
    </message>
    <message>
        <source>Build %1</source>
        <translation>构建 %1</translation>
    </message>
</context>
<context>
    <name>ZQCommucationProcess</name>
    <message>
        <source>Connect...</source>
        <translation>正在连接...</translation>
    </message>
    <message>
        <source>Connect Fail</source>
        <translation>连接失败</translation>
    </message>
    <message>
        <source>Data Send Fail</source>
        <translation>数据发送失败</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>完成</translation>
    </message>
    <message>
        <source>update plu</source>
        <translation>更新PLU</translation>
    </message>
    <message>
        <source>Download plu</source>
        <translation>下载PLU</translation>
    </message>
    <message>
        <source>Download Ad Info</source>
        <translation>下载广告信息</translation>
    </message>
    <message>
        <source>Download Hotkey fail</source>
        <translation>下载热键失败</translation>
    </message>
    <message>
        <source>Clear PLU data Error</source>
        <translation>清除PLU数据出错</translation>
    </message>
    <message>
        <source>Download Plu Error</source>
        <translation>下载PLU出错</translation>
    </message>
    <message>
        <source>Download Hotkey</source>
        <translation>下载热键</translation>
    </message>
    <message>
        <source>Download Ad Header fail</source>
        <translation>下载广告头失败</translation>
    </message>
    <message>
        <source>Download Ad Tail fail</source>
        <translation>下载广告尾失败</translation>
    </message>
    <message>
        <source>Download Message Info</source>
        <translation>下载信息</translation>
    </message>
    <message>
        <source>Download Message fail</source>
        <translation>下载信息失败</translation>
    </message>
    <message>
        <source>Download Discount Info</source>
        <translation>下载折扣信息</translation>
    </message>
    <message>
        <source>Download DisCountSchedule fail</source>
        <translation>下载折扣时间表失败</translation>
    </message>
    <message>
        <source>upload plu</source>
        <translation>上传PLU</translation>
    </message>
    <message>
        <source>Upload Plu Error</source>
        <translation>上传PLU出错</translation>
    </message>
    <message>
        <source>Upload Hotkey fail</source>
        <translation>上传热键失败</translation>
    </message>
    <message>
        <source>Advertisement Info</source>
        <translation>广告信息</translation>
    </message>
    <message>
        <source>Upload Ad Header fail</source>
        <translation>上传广告头失败</translation>
    </message>
    <message>
        <source>Upload Ad Tail fail</source>
        <translation>上传广告尾失败</translation>
    </message>
    <message>
        <source>Message Info</source>
        <translation>信息</translation>
    </message>
    <message>
        <source>Upload Message fail</source>
        <translation>上传信息失败</translation>
    </message>
    <message>
        <source>Discount Info</source>
        <translation>折扣信息</translation>
    </message>
    <message>
        <source>Upload DisCountSchedule fail</source>
        <translation>上传折扣时间表失败</translation>
    </message>
    <message>
        <source>Download Nutrition Table fail</source>
        <translation>下载营养成分表失败</translation>
    </message>
    <message>
        <source>Download Nutrition Info</source>
        <translation>下载营养成分信息</translation>
    </message>
    <message>
        <source>Clear plu Nutrition fail</source>
        <translation>清除PLU营养成分失败</translation>
    </message>
    <message>
        <source>Download plu Nutrition fail</source>
        <translation>下载PLU营养成分失败</translation>
    </message>
    <message>
        <source>Download Department fail</source>
        <translation>下载部门失败</translation>
    </message>
    <message>
        <source>Upload Department fail</source>
        <translation>上传部门失败</translation>
    </message>
    <message>
        <source>Failed to download package type number fail</source>
        <translation>下载包装类型失败</translation>
    </message>
    <message>
        <source>Upload package type fail</source>
        <translation>上传包装类型失败</translation>
    </message>
    <message>
        <source>The scale&apos;s memory is full (%1 PLUs)</source>
        <translation>秤的存储已满（%1 个PLU）</translation>
    </message>
    <message>
        <source>The scale&apos;s memory is full</source>
        <translation>秤的存储已满</translation>
    </message>
    <message numerus="yes">
        <source>%n changed PLU(s)</source>
        <translation>
            <numerusform>%n 个已更改的PLU</numerusform>
        </translation>
    </message>
    <message>
        <source>sending everything: the scale was reset</source>
        <translation>全部发送：秤已被重置</translation>
    </message>
    <message>
        <source>sending everything: the scale was changed by another sender</source>
        <translation>全部发送：秤已被其他发送方更改</translation>
    </message>
    <message>
        <source>sending everything: the scale cannot say what it holds</source>
        <translation>全部发送：秤无法说明它保存的内容</translation>
    </message>
    <message>
        <source>sending everything: what the scale held after the last send is not known</source>
        <translation>全部发送：上次发送后秤上保存的内容未知</translation>
    </message>
    <message>
        <source>Finish (the scale did not answer the goodbye)</source>
        <translation>完成（秤没有回应结束请求）</translation>
    </message>
</context>
<context>
    <name>ZQCommunicationConfig</name>
    <message>
        <source>Communication Config</source>
        <translation>通讯设置</translation>
    </message>
    <message>
        <source>Communication Mode</source>
        <translation>通讯方式</translation>
    </message>
    <message>
        <source>RS-232</source>
        <translation>RS-232</translation>
    </message>
    <message>
        <source>TCP/IP</source>
        <translation>TCP/IP</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>端口</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>端口：</translation>
    </message>
    <message>
        <source>BaudRate:</source>
        <translation>波特率：</translation>
    </message>
    <message>
        <source>Scale No./IP Address</source>
        <translation>秤号/IP 地址</translation>
    </message>
    <message>
        <source>Time-out (s)</source>
        <translation>超时 (秒)</translation>
    </message>
    <message>
        <source>How long the program waits for each answer of the scale</source>
        <translation>程序等待秤每次应答的时间</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Please input the correct IP adress</source>
        <translation>请输入正确的 IP 地址</translation>
    </message>
    <message>
        <source>Serial port not recognized</source>
        <translation>无法识别串口</translation>
    </message>
    <message>
        <source>The scale&apos;s IP address</source>
        <translation>秤的IP地址</translation>
    </message>
</context>
<context>
    <name>ZQConfig</name>
    <message>
        <source>Unknown code page &apos;%1&apos; in %2; using %3</source>
        <translation>%2 中的代码页“%1”未知；改用 %3</translation>
    </message>
</context>
<context>
    <name>ZQDataImportDialog</name>
    <message>
        <source>Data Import</source>
        <translation>数据导入</translation>
    </message>
    <message>
        <source>Please determine the format,and save,and then import</source>
        <translation>请先确定格式并保存，然后导入</translation>
    </message>
    <message>
        <source>Separator</source>
        <translation>分隔符</translation>
    </message>
    <message>
        <source>First line is title</source>
        <translation>第一行为标题</translation>
    </message>
    <message>
        <source>Project Name</source>
        <translation>项目名称</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>位置</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>长度</translation>
    </message>
    <message>
        <source>HotKey</source>
        <translation>热键</translation>
    </message>
    <message>
        <source>Plu Name</source>
        <translation>商品名称</translation>
    </message>
    <message>
        <source>*</source>
        <translation>*</translation>
    </message>
    <message>
        <source>LFCode</source>
        <translation>LF码</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>货号</translation>
    </message>
    <message>
        <source>Barcode Type</source>
        <translation>条码类型</translation>
    </message>
    <message>
        <source>Unit Price</source>
        <translation>单价</translation>
    </message>
    <message>
        <source>Unit Weight</source>
        <translation>重量单位</translation>
    </message>
    <message>
        <source>Unit value setting</source>
        <translation>单位对应值设置</translation>
    </message>
    <message>
        <source>Department</source>
        <translation>部门</translation>
    </message>
    <message>
        <source>PT Weight</source>
        <translation>PT 重量</translation>
    </message>
    <message>
        <source>Shelf Time</source>
        <translation>保质期</translation>
    </message>
    <message>
        <source>Tolerance</source>
        <translation>误差</translation>
    </message>
    <message>
        <source>Fixed unit</source>
        <translation>固定单位</translation>
    </message>
    <message>
        <source>Multiplied By 100 when importing</source>
        <translation>导入时乘以 100</translation>
    </message>
    <message>
        <source>Multiplied By 1000 when importing</source>
        <translation>导入时乘以 1000</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>操作说明</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>导入</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Comma|&quot;,&quot;</source>
        <translation>逗号|&quot;,&quot;</translation>
    </message>
    <message>
        <source>Tabs|TAB</source>
        <translation>制表符|TAB</translation>
    </message>
    <message>
        <source>Semicolon|&quot;;&quot;</source>
        <translation>分号|&quot;;&quot;</translation>
    </message>
    <message>
        <source>Space|spcace (&quot; &quot;)</source>
        <translation>空格|(&quot; &quot;)</translation>
    </message>
    <message>
        <source>No delimiter</source>
        <translation>无分隔符</translation>
    </message>
    <message>
        <source>Customize</source>
        <translation>自定义</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Plu Name is not NULL</source>
        <translation>商品名称不能为空</translation>
    </message>
    <message>
        <source>LFCode is not NULL</source>
        <translation>LF码不能为空</translation>
    </message>
    <message>
        <source>Custom separator can&apos;t be empty</source>
        <translation>自定义分隔符不能为空</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>Param is not saved,Cann&apos;t take effect,Do you want to save it?</source>
        <translation>参数未保存，无法生效。是否保存？</translation>
    </message>
    <message>
        <source>Select File</source>
        <translation>选择文件</translation>
    </message>
    <message>
        <source>TXT Files (*.TXT)</source>
        <translation>TXT 文件 (*.TXT)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>所有文件 (*)</translation>
    </message>
    <message>
        <source>No text viewer could open &quot;%1&quot;.</source>
        <translation>没有文本查看程序能打开“%1”。</translation>
    </message>
</context>
<context>
    <name>ZQDepartmentConfigDialog</name>
    <message>
        <source>Print Department No</source>
        <translation>打印部门号</translation>
    </message>
    <message>
        <source>Department No</source>
        <translation>部门号</translation>
    </message>
    <message>
        <source>Print Name of department</source>
        <translation>打印部门名称</translation>
    </message>
    <message>
        <source>Name of department</source>
        <translation>部门名称</translation>
    </message>
    <message>
        <source>CGST(%)</source>
        <translation>CGST(%)</translation>
    </message>
    <message>
        <source>SGST(%)</source>
        <translation>SGST(%)</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>编辑</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>下载</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>上传</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>添加</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Select All &quot;Print Department No&quot;</source>
        <translation>全选“打印部门号”</translation>
    </message>
    <message>
        <source>Select All &quot;Print Name of Departments&quot;</source>
        <translation>全选“打印部门名称”</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Edit Deparment</source>
        <translation>编辑部门</translation>
    </message>
    <message>
        <source>Select Deparment</source>
        <translation>选择部门</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
</context>
<context>
    <name>ZQDownloadSelectDlg</name>
    <message>
        <source>Select Download Options</source>
        <translation>选择下载内容</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>选择</translation>
    </message>
    <message>
        <source>PLU</source>
        <translation>PLU</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>广告信息</translation>
    </message>
    <message>
        <source>Schedule</source>
        <translation>折扣时间表</translation>
    </message>
    <message>
        <source>HotKey</source>
        <translation>热键</translation>
    </message>
    <message>
        <source>Nutrition</source>
        <translation>营养成分</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>信息</translation>
    </message>
    <message>
        <source>All select</source>
        <translation>全选</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Verify after send</source>
        <translation>发送后校验</translation>
    </message>
</context>
<context>
    <name>ZQMessageInputDialog</name>
    <message>
        <source>Input Message</source>
        <translation>输入信息</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Line %1</source>
        <translation>第 %1 行</translation>
    </message>
</context>
<context>
    <name>ZQNutritionSetDlg</name>
    <message>
        <source>Nutrition facts set</source>
        <translation>营养成分表设置</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>添加</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Element No.</source>
        <translation>成分编号</translation>
    </message>
    <message>
        <source>Element Name</source>
        <translation>成分名称</translation>
    </message>
    <message>
        <source>Uint</source>
        <translation>单位</translation>
    </message>
    <message>
        <source>Content</source>
        <translation>含量</translation>
    </message>
    <message>
        <source>NVR%</source>
        <translation>NRV%</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>Database open failt</source>
        <translation>数据库打开失败</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Please save the PLU file first</source>
        <translation>请先保存PLU文件</translation>
    </message>
    <message>
        <source>Can&apos;t Create File</source>
        <translation>无法创建文件</translation>
    </message>
    <message>
        <source>The nutrition values were not saved.</source>
        <translation>营养成分值未保存。</translation>
    </message>
</context>
<context>
    <name>ZQPackagesettingDialog</name>
    <message>
        <source>Package Type function setting</source>
        <translation>包装类型功能设置</translation>
    </message>
    <message>
        <source>CODE</source>
        <translation>编码</translation>
    </message>
    <message>
        <source>New</source>
        <translation>新建</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>下载</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>上传</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>The package types could not be saved: %1</source>
        <translation>无法保存包装类型：%1</translation>
    </message>
    <message>
        <source>Cannot add more than %1 records</source>
        <translation>最多只能添加 %1 条记录</translation>
    </message>
    <message>
        <source>Data cannot be recovered after deletion. Are you sure you want to delete?</source>
        <translation>删除后数据无法恢复。确定要删除吗？</translation>
    </message>
</context>
<context>
    <name>ZQRebateSelectDialog</name>
    <message>
        <source>Discount/Schedule</source>
        <translation>折扣/时间表</translation>
    </message>
    <message>
        <source>Discount</source>
        <translation>折扣</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>Discount period</source>
        <translation>折扣时段</translation>
    </message>
    <message>
        <source>Mode1</source>
        <translation>模式1</translation>
    </message>
    <message>
        <source>Mode2</source>
        <translation>模式2</translation>
    </message>
    <message>
        <source>Mode3</source>
        <translation>模式3</translation>
    </message>
    <message>
        <source>Mode4</source>
        <translation>模式4</translation>
    </message>
    <message>
        <source>Mode5</source>
        <translation>模式5</translation>
    </message>
    <message>
        <source>Mode6</source>
        <translation>模式6</translation>
    </message>
    <message>
        <source>Mode7</source>
        <translation>模式7</translation>
    </message>
    <message>
        <source>Mode8</source>
        <translation>模式8</translation>
    </message>
    <message>
        <source>Mode9</source>
        <translation>模式9</translation>
    </message>
    <message>
        <source>Mode10</source>
        <translation>模式10</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>编辑</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>ZQWeightUnitSetDialog</name>
    <message>
        <source>Unit value set</source>
        <translation>单位值设置</translation>
    </message>
    <message>
        <source>Uint</source>
        <translation>单位</translation>
    </message>
    <message>
        <source>Unit value of import</source>
        <translation>导入的单位值</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Value cannot be repeated</source>
        <translation>值不能重复</translation>
    </message>
</context>
<context>
    <name>ZQheaderwidget</name>
    <message>
        <source>PLU name</source>
        <translation>商品名称</translation>
    </message>
    <message>
        <source>LF Code</source>
        <translation>LF码</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>货号</translation>
    </message>
    <message>
        <source>Barcode type</source>
        <translation>条码类型</translation>
    </message>
    <message>
        <source>Unit Price</source>
        <translation>单价</translation>
    </message>
    <message>
        <source>Weight unit</source>
        <translation>重量单位</translation>
    </message>
    <message>
        <source>Quantity type</source>
        <translation>数量类型</translation>
    </message>
    <message>
        <source>Department</source>
        <translation>部门</translation>
    </message>
    <message>
        <source>Tare</source>
        <translation>皮重</translation>
    </message>
    <message>
        <source>Shelf time</source>
        <translation>保质期</translation>
    </message>
    <message>
        <source>Package type</source>
        <translation>包装类型</translation>
    </message>
    <message>
        <source>Package Weight</source>
        <translation>包装重量</translation>
    </message>
    <message>
        <source>Tolerance (%)</source>
        <translation>误差 (%)</translation>
    </message>
    <message>
        <source>Message 1</source>
        <translation>信息 1</translation>
    </message>
    <message>
        <source>Message 2</source>
        <translation>信息 2</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>标签</translation>
    </message>
    <message>
        <source>Discount/Schedule</source>
        <translation>折扣/时间表</translation>
    </message>
    <message>
        <source>Nutrition</source>
        <translation>营养成分</translation>
    </message>
    <message>
        <source>NgTolerance</source>
        <translation>负误差</translation>
    </message>
</context>
<context>
    <name>ZipPackage</name>
    <message>
        <source>the zip container cannot be read</source>
        <translation>无法读取 zip 容器</translation>
    </message>
    <message>
        <source>the zip container holds more than %1 parts</source>
        <translation>zip 容器中的部件超过 %1 个</translation>
    </message>
    <message>
        <source>the part &quot;%1&quot; is missing</source>
        <translation>缺少部件“%1”</translation>
    </message>
    <message>
        <source>the workbook is password-protected</source>
        <translation>工作簿有密码保护</translation>
    </message>
    <message>
        <source>the part &quot;%1&quot; cannot be unpacked</source>
        <translation>部件“%1”无法解压</translation>
    </message>
    <message>
        <source>a part of the workbook unpacks to more than %1 MB</source>
        <translation>工作簿的某个部件解压后超过 %1 MB</translation>
    </message>
    <message>
        <source>the zip container is damaged</source>
        <translation>zip 容器已损坏</translation>
    </message>
    <message>
        <source>the part &quot;%1&quot; is larger than expected</source>
        <translation>部件“%1”比预期大</translation>
    </message>
</context>
<context>
    <name>ZqSetHotKey</name>
    <message>
        <source>Import PLU HotKey</source>
        <translation>导入PLU热键</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>另存为</translation>
    </message>
    <message>
        <source>Import PLU hotkey</source>
        <translation>导入PLU热键</translation>
    </message>
    <message>
        <source>Save PLU hotkey</source>
        <translation>保存PLU热键</translation>
    </message>
    <message>
        <source>Print preview</source>
        <translation>打印预览</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>下载</translation>
    </message>
    <message>
        <source>upload</source>
        <translation>上传</translation>
    </message>
    <message>
        <source>close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>First layer (page1)</source>
        <translation>第一层 (page1)</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>LF Code</source>
        <translation>LF码</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>单价</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>字体</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>颜色</translation>
    </message>
    <message>
        <source>Function</source>
        <translation>功能</translation>
    </message>
    <message>
        <source>Second layer (page2)</source>
        <translation>第二层 (page2)</translation>
    </message>
    <message>
        <source>Show the second layer</source>
        <translation>显示第二层</translation>
    </message>
    <message>
        <source>page1</source>
        <translation>第一页</translation>
    </message>
    <message>
        <source>font set</source>
        <translation>字体设置</translation>
    </message>
    <message>
        <source>load plu</source>
        <translation>载入PLU</translation>
    </message>
    <message>
        <source>background set</source>
        <translation>背景设置</translation>
    </message>
    <message>
        <source>clear</source>
        <translation>清除</translation>
    </message>
    <message>
        <source>page2</source>
        <translation>第二页</translation>
    </message>
    <message>
        <source>full page</source>
        <translation>整页</translation>
    </message>
    <message>
        <source>show price</source>
        <translation>显示价格</translation>
    </message>
    <message>
        <source>import picture</source>
        <translation>导入图片</translation>
    </message>
    <message>
        <source>cancel picture</source>
        <translation>取消图片</translation>
    </message>
    <message>
        <source>use page2</source>
        <translation>使用第二页</translation>
    </message>
    <message>
        <source>cancel page2</source>
        <translation>取消第二页</translation>
    </message>
    <message>
        <source>checkall(Ctrl+A)</source>
        <translation>全选(Ctrl+A)</translation>
    </message>
    <message>
        <source>select</source>
        <translation>选择</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>打开文件</translation>
    </message>
    <message>
        <source>*.bmp *.jpg *.pbm *.pgm *.png *.ppm *.xbm *.xpm);;All files (*.*)</source>
        <translation>*.bmp *.jpg *.pbm *.pgm *.png *.ppm *.xbm *.xpm);;所有文件 (*.*)</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; cannot be read: %2</source>
        <translation>无法读取图片“%1”：%2</translation>
    </message>
    <message>
        <source>Are you sure to import main interface PLU hotkey</source>
        <translation>确定要导入主界面的PLU热键吗</translation>
    </message>
    <message>
        <source>warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>This will update the hotkey on main interface.Do you want to continue</source>
        <translation>这将更新主界面上的热键。是否继续</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>保存文件</translation>
    </message>
    <message>
        <source>Hot Key Files (*.Hotk)</source>
        <translation>热键文件 (*.Hotk)</translation>
    </message>
    <message>
        <source>Create File fail</source>
        <translation>创建文件失败</translation>
    </message>
    <message>
        <source>OPen File fail</source>
        <translation>打开文件失败</translation>
    </message>
</context>
<context>
    <name>ZqsethotkeyLoadPLUdialog</name>
    <message>
        <source>PLU Load</source>
        <translation>载入PLU</translation>
    </message>
    <message>
        <source>PLU name</source>
        <translation>商品名称</translation>
    </message>
    <message>
        <source>LF Code</source>
        <translation>LF码</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Unit Price</source>
        <translation>单价</translation>
    </message>
</context>
</TS>
