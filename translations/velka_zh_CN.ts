<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
<context>
    <name>About</name>
    <message>
        <source>About Velka</source>
        <translation>关于Velka</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>Analysis</name>
    <message>
        <source>The logger&apos;s own limits</source>
        <translation>记录仪自身限值</translation>
    </message>
    <message>
        <source>WHO PQS shipping indicator, type 1</source>
        <translation>WHO PQS运输指示器，1型</translation>
    </message>
    <message>
        <source>WHO PQS shipping indicator, type 2</source>
        <translation>WHO PQS运输指示器，2型</translation>
    </message>
    <message>
        <source>USP controlled room temperature</source>
        <translation>USP受控室温</translation>
    </message>
    <message>
        <source>%1 (ΔH %2)</source>
        <translation>%1（ΔH %2）</translation>
    </message>
    <message>
        <source>%1 from %2</source>
        <translation>%1（自%2起）</translation>
    </message>
    <message>
        <source>%1 in %2 event</source>
        <translation>%1，共%2次事件</translation>
    </message>
    <message>
        <source>%1 in %2 events</source>
        <translation>%1，共%2次事件</translation>
    </message>
    <message>
        <source>Alarm: above %1 for %2 from %3</source>
        <translation>报警：自%3起高于%1，共%2</translation>
    </message>
    <message>
        <source>Alarm: below %1 for %2 from %3</source>
        <translation>报警：自%3起低于%1，共%2</translation>
    </message>
    <message>
        <source>Alarm: MKT %1 above %2</source>
        <translation>报警：MKT %1高于%2</translation>
    </message>
    <message>
        <source>Analysis</source>
        <translation>分析</translation>
    </message>
    <message>
        <source>No alarm</source>
        <translation>无报警</translation>
    </message>
    <message>
        <source>no alarm</source>
        <translation>无报警</translation>
    </message>
    <message>
        <source>record shorter than 24 h</source>
        <translation>记录不足24小时</translation>
    </message>
    <message>
        <source>none</source>
        <translation>无</translation>
    </message>
    <message>
        <source>no delay</source>
        <translation>无延时</translation>
    </message>
    <message>
        <source>above</source>
        <translation>高于</translation>
    </message>
    <message>
        <source>below</source>
        <translation>低于</translation>
    </message>
    <message>
        <source>single event</source>
        <translation>单次事件</translation>
    </message>
    <message>
        <source>cumulative</source>
        <translation>累计</translation>
    </message>
    <message>
        <source>inclusive</source>
        <translation>含边界</translation>
    </message>
    <message>
        <source>strict</source>
        <translation>不含边界</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <translation>%1，出现于%2</translation>
    </message>
    <message>
        <source>Alarm Profile</source>
        <translation>报警方案</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>判定</translation>
    </message>
    <message>
        <source>Mean Kinetic Temperature</source>
        <translation>平均动力学温度</translation>
    </message>
    <message>
        <source>Worst 24-hour MKT</source>
        <translation>24小时MKT最高值</translation>
    </message>
    <message>
        <source>MKT Ceiling</source>
        <translation>MKT上限</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>记录时长</translation>
    </message>
    <message>
        <source>%1 (%2 samples, %3 apart)</source>
        <translation>%1（%2个采样点，间隔%3）</translation>
    </message>
    <message>
        <source>Trip Length</source>
        <translation>运输时长</translation>
    </message>
    <message>
        <source>Highest Temperature</source>
        <translation>最高温度</translation>
    </message>
    <message>
        <source>Lowest Temperature</source>
        <translation>最低温度</translation>
    </message>
    <message>
        <source>The logger profile is this program&apos;s evaluation of the logger&apos;s limits and alarm delay; the logger&apos;s own alarm may differ.</source>
        <translation>logger方案是本程序依据记录仪的报警上下限和报警延时所做的评估，记录仪自身的报警结果可能与此不同。</translation>
    </message>
    <message>
        <source>Rule</source>
        <translation>规则</translation>
    </message>
    <message>
        <source>Events</source>
        <translation>事件数</translation>
    </message>
    <message>
        <source>Time Beyond</source>
        <translation>超限时长</translation>
    </message>
    <message>
        <source>Longest Event</source>
        <translation>最长事件</translation>
    </message>
    <message>
        <source>First Out</source>
        <translation>首次超限</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>报警</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>规则</translation>
    </message>
</context>
<context>
    <name>Archive</name>
    <message>
        <source>This recording was changed after it was archived</source>
        <translation>此记录在归档后已被修改</translation>
    </message>
    <message>
        <source>the recording is in %1, but %2</source>
        <translation>记录已保存在 %1，但 %2</translation>
    </message>
    <message>
        <source>the archive folder %1 is in use by another program</source>
        <translation>归档文件夹 %1 正被其他程序使用</translation>
    </message>
    <message>
        <source>the archive folder cannot be locked: %1</source>
        <translation>无法锁定归档文件夹：%1</translation>
    </message>
    <message>
        <source>every name for this recording in %1 is taken</source>
        <translation>%1 中此记录的所有文件名均已被占用</translation>
    </message>
</context>
<context>
    <name>Central</name>
    <message>
        <source>Central archive: up to date</source>
        <translation>中央归档：已是最新</translation>
    </message>
    <message>
        <source>Central archive: uploading…</source>
        <translation>中央归档：正在上传…</translation>
    </message>
    <message>
        <source>Central archive: server unreachable since %1</source>
        <translation>中央归档：服务器自 %1 起无法访问</translation>
    </message>
    <message>
        <source>Central archive: 1 recording waiting — server unreachable since %1</source>
        <translation>中央归档：1 条记录等待上传 — 服务器自 %1 起无法访问</translation>
    </message>
    <message>
        <source>Central archive: %1 recordings waiting — server unreachable since %2</source>
        <translation>中央归档：%1 条记录等待上传 — 服务器自 %2 起无法访问</translation>
    </message>
    <message>
        <source>Central archive: not in use: %1</source>
        <translation>中央归档：未启用：%1</translation>
    </message>
</context>
<context>
    <name>Chart</name>
    <message>
        <source>Temperature</source>
        <translation>温度</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>正常</translation>
    </message>
    <message>
        <source>Upper limit</source>
        <translation>上限</translation>
    </message>
    <message>
        <source>Lower limit</source>
        <translation>下限</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>时间</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>序号</translation>
    </message>
    <message>
        <source>Temp</source>
        <translation>温度</translation>
    </message>
    <message>
        <source>MKT</source>
        <translation>MKT</translation>
    </message>
    <message>
        <source>Above Limit</source>
        <translation>超上限</translation>
    </message>
    <message>
        <source>Below Limit</source>
        <translation>超下限</translation>
    </message>
    <message>
        <source>Longest Excursion</source>
        <translation>最长偏离</translation>
    </message>
    <message>
        <source>%1 (profile %2)</source>
        <translation>%1（方案：%2）</translation>
    </message>
    <message>
        <source>Check Result</source>
        <translation>检查结果</translation>
    </message>
</context>
<context>
    <name>ChartPage</name>
    <message>
        <source><byte value="xd"/>
</source>
        <translation><byte value="xd"/>
</translation>
    </message>
    <message>
        <source>
</source>
        <translation>
</translation>
    </message>
    <message>
        <source>Lateral Reduction</source>
        <translation>横向缩小</translation>
    </message>
    <message>
        <source>Lateral Magnification</source>
        <translation>横向放大</translation>
    </message>
    <message>
        <source>Overall Magnification</source>
        <translation>整体放大</translation>
    </message>
    <message>
        <source>Overall Reduction</source>
        <translation>整体缩小</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>还原</translation>
    </message>
    <message>
        <source>：</source>
        <translation>：</translation>
    </message>
    <message>
        <source>Alarm Profile：</source>
        <translation>报警方案：</translation>
    </message>
    <message>
        <source>Alarm Profile</source>
        <translation>报警方案</translation>
    </message>
    <message>
        <source>MKT Activation Energy：</source>
        <translation>MKT活化能：</translation>
    </message>
    <message>
        <source>MKT Activation Energy</source>
        <translation>MKT活化能</translation>
    </message>
    <message>
        <source> kJ/mol</source>
        <translation> kJ/mol</translation>
    </message>
</context>
<context>
    <name>Device</name>
    <message>
        <source>The logger is in use by another program</source>
        <translation>记录仪正被其他程序占用</translation>
    </message>
    <message>
        <source>reading the logger</source>
        <translation>读取记录仪</translation>
    </message>
    <message>
        <source>writing the settings</source>
        <translation>写入设置</translation>
    </message>
    <message>
        <source>reading the status block</source>
        <translation>读取状态块</translation>
    </message>
    <message>
        <source>clearing the status block</source>
        <translation>清除状态块</translation>
    </message>
    <message>
        <source>reading the logger back</source>
        <translation>回读记录仪</translation>
    </message>
    <message>
        <source>emptying the record</source>
        <translation>清空记录</translation>
    </message>
    <message>
        <source>writing the settings back</source>
        <translation>写回设置</translation>
    </message>
    <message>
        <source>the final command</source>
        <translation>最终命令</translation>
    </message>
    <message>
        <source>the transfer</source>
        <translation>传输</translation>
    </message>
    <message>
        <source>final command not acknowledged: %1</source>
        <translation>最终命令未被确认：%1</translation>
    </message>
    <message>
        <source>%1 failed at block %2 of %3: %4</source>
        <translation>%1失败（第 %2 块，共 %3 块）：%4</translation>
    </message>
    <message>
        <source>%1 failed: %2</source>
        <translation>%1失败：%2</translation>
    </message>
    <message>
        <source>success</source>
        <translation>成功</translation>
    </message>
    <message>
        <source>the logger is not open</source>
        <translation>记录仪未打开</translation>
    </message>
    <message>
        <source>no logger was found</source>
        <translation>未找到记录仪</translation>
    </message>
    <message>
        <source>the logger did not answer in time</source>
        <translation>记录仪未及时响应</translation>
    </message>
    <message>
        <source>the logger was unplugged during the transfer</source>
        <translation>传输过程中记录仪被拔出</translation>
    </message>
    <message>
        <source>the logger gave a malformed answer</source>
        <translation>记录仪返回了格式错误的应答</translation>
    </message>
    <message>
        <source>the reference tables cannot be used</source>
        <translation>参考表无法使用</translation>
    </message>
    <message>
        <source>the write was refused</source>
        <translation>写入被拒绝</translation>
    </message>
    <message>
        <source>system error: %1</source>
        <translation>系统错误：%1</translation>
    </message>
    <message>
        <source>error code %1</source>
        <translation>错误代码 %1</translation>
    </message>
</context>
<context>
    <name>Fields</name>
    <message>
        <source>Enter an integer.</source>
        <translation>请输入整数。</translation>
    </message>
    <message>
        <source>Enter a number.</source>
        <translation>请输入数字。</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>The data folder %1 cannot be used: %2</source>
        <translation>数据文件夹 %1 无法使用：%2</translation>
    </message>
    <message>
        <source>Not a regular file</source>
        <translation>不是普通文件</translation>
    </message>
    <message>
        <source>File too large</source>
        <translation>文件过大</translation>
    </message>
    <message>
        <source>not a complete logger image</source>
        <translation>不是完整的记录仪映像</translation>
    </message>
    <message>
        <source>Cannot be read</source>
        <translation>无法读取</translation>
    </message>
    <message>
        <source>The reference tables in %1 cannot be used: %2</source>
        <translation>%1 中的参考表无法使用：%2</translation>
    </message>
    <message>
        <source>%1 of %2 rows</source>
        <translation>%1 行（应为 %2 行）</translation>
    </message>
    <message>
        <source>%1 is a link that another user made in the shared folder %2, which is not followed</source>
        <translation>%1 是其他用户在共享文件夹 %2 中创建的链接，不会跟随该链接</translation>
    </message>
</context>
<context>
    <name>History</name>
    <message>
        <source>Number</source>
        <translation>序号</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>开始时间</translation>
    </message>
    <message>
        <source>Stop Time</source>
        <translation>结束时间</translation>
    </message>
</context>
<context>
    <name>HistoryPage</name>
    <message>
        <source>Query</source>
        <translation>查询</translation>
    </message>
    <message>
        <source>Recordings</source>
        <translation>记录列表</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>加载</translation>
    </message>
    <message>
        <source>&lt;&lt; Home page</source>
        <translation>&lt;&lt; 首页</translation>
    </message>
    <message>
        <source>&lt; Previous page</source>
        <translation>&lt; 上一页</translation>
    </message>
    <message>
        <source>Next page &gt;</source>
        <translation>下一页 &gt;</translation>
    </message>
    <message>
        <source>Last page &gt;&gt;</source>
        <translation>末页 &gt;&gt;</translation>
    </message>
    <message>
        <source>Page number</source>
        <translation>页码</translation>
    </message>
    <message>
        <source>Go</source>
        <translation>跳转</translation>
    </message>
    <message>
        <source>Start Query Time：</source>
        <translation>开始时间：</translation>
    </message>
    <message>
        <source>End Query Time：</source>
        <translation>结束时间：</translation>
    </message>
    <message>
        <source>Query text</source>
        <translation>查询内容</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Scanning … %1 of %2</source>
        <translation>正在扫描…%1/%2</translation>
    </message>
    <message>
        <source>Site</source>
        <translation>站点</translation>
    </message>
    <message>
        <source>Workstation</source>
        <translation>工作站</translation>
    </message>
    <message>
        <source>Not in the central archive yet: it is uploaded when the server answers</source>
        <translation>尚未进入中央归档：服务器响应后即上传</translation>
    </message>
    <message>
        <source>central archive (%1)</source>
        <translation>中央归档（%1）</translation>
    </message>
    <message>
        <source>Local archive</source>
        <translation>本地归档</translation>
    </message>
    <message>
        <source>Central archive</source>
        <translation>中央归档</translation>
    </message>
    <message>
        <source>Fetching the recording …</source>
        <translation>正在获取记录…</translation>
    </message>
    <message>
        <source>Asking the central archive …</source>
        <translation>正在查询中央归档…</translation>
    </message>
    <message>
        <source>The central archive did not answer: %1</source>
        <translation>中央归档没有响应：%1</translation>
    </message>
    <message>
        <source>Central archive: %1 recordings found</source>
        <translation>中央归档：找到 %1 条记录</translation>
    </message>
    <message>
        <source>The central archive could not give the recording: %1</source>
        <translation>中央归档无法提供该记录：%1</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>System</source>
        <translation>系统</translation>
    </message>
    <message>
        <source>Parameters</source>
        <translation>参数</translation>
    </message>
    <message>
        <source>Chart</source>
        <translation>曲线图</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>数据表</translation>
    </message>
    <message>
        <source>History</source>
        <translation>历史记录</translation>
    </message>
    <message>
        <source>Save PDF report</source>
        <translation>保存PDF报告</translation>
    </message>
    <message>
        <source>Save Excel workbook</source>
        <translation>保存Excel报表</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>最小化</translation>
    </message>
    <message>
        <source>&amp;About Velka...</source>
        <translation>关于Velka(&amp;A)...</translation>
    </message>
    <message>
        <source>Unplug demo logger</source>
        <translation>拔出演示记录仪</translation>
    </message>
    <message>
        <source>Plug in demo logger</source>
        <translation>插入演示记录仪</translation>
    </message>
    <message>
        <source>New demo recording</source>
        <translation>新建演示记录</translation>
    </message>
    <message>
        <source>Application is already running, please do not open again!</source>
        <translation>程序已在运行，请勿重复打开！</translation>
    </message>
    <message>
        <source>Temperature data logger</source>
        <translation>温度记录仪</translation>
    </message>
    <message>
        <source>PDF</source>
        <translation>PDF</translation>
    </message>
    <message>
        <source>Excel</source>
        <translation>Excel</translation>
    </message>
</context>
<context>
    <name>MessageBox</name>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>是</translation>
    </message>
    <message>
        <source>No</source>
        <translation>否</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>提示</translation>
    </message>
</context>
<context>
    <name>Pages</name>
    <message>
        <source>Page count</source>
        <translation>总页数</translation>
    </message>
</context>
<context>
    <name>ParameterPage</name>
    <message>
        <source>Open</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>Parameter setting</source>
        <translation>参数设置</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>手动</translation>
    </message>
    <message>
        <source>Transport Information</source>
        <translation>运输信息</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>写入</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>加载</translation>
    </message>
    <message>
        <source>Shows the stored recording %1; Write goes to its logger only</source>
        <translation>当前显示已存储的记录%1；写入仅作用于该记录所属的记录仪</translation>
    </message>
    <message>
        <source>Write Success</source>
        <translation>写入成功</translation>
    </message>
    <message>
        <source>Write FAILED</source>
        <translation>写入失败</translation>
    </message>
    <message>
        <source>Product Information</source>
        <translation>产品信息</translation>
    </message>
    <message>
        <source>Unit: the logger keeps %1 characters</source>
        <translation>单位：记录仪仅保存%1个字符</translation>
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
        <source>Update</source>
        <translation>修改</translation>
    </message>
    <message>
        <source>Products</source>
        <translation>产品列表</translation>
    </message>
    <message>
        <source>Please select Product Information first</source>
        <translation>请先选择产品信息</translation>
    </message>
    <message>
        <source>* For Required Projects</source>
        <translation>*为必填项</translation>
    </message>
</context>
<context>
    <name>Products</name>
    <message>
        <source>Add Success</source>
        <translation>添加成功</translation>
    </message>
    <message>
        <source>Update FAILED - Overrun Capacity!</source>
        <translation>修改失败：超出容量！</translation>
    </message>
    <message>
        <source>Update success</source>
        <translation>修改成功</translation>
    </message>
    <message>
        <source>Product Information Upper Limit is 10, reach the upper limit!</source>
        <translation>产品信息最多10条，已达上限！</translation>
    </message>
    <message>
        <source>Please Add Product Information</source>
        <translation>请添加产品信息</translation>
    </message>
    <message>
        <source>Add Failed - Overrun the capacity</source>
        <translation>添加失败：超出容量</translation>
    </message>
</context>
<context>
    <name>RecordTable</name>
    <message>
        <source>Number</source>
        <translation>序号</translation>
    </message>
    <message>
        <source>Record time</source>
        <translation>记录时间</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>温度</translation>
    </message>
</context>
<context>
    <name>RecordTablePage</name>
    <message>
        <source>Query Time</source>
        <translation>时间查询</translation>
    </message>
    <message>
        <source>Temperature Query</source>
        <translation>温度查询</translation>
    </message>
    <message>
        <source>Samples</source>
        <translation>采样点</translation>
    </message>
    <message>
        <source>&lt;&lt; Home Page</source>
        <translation>&lt;&lt; 首页</translation>
    </message>
    <message>
        <source>&lt; previous Page</source>
        <translation>&lt; 上一页</translation>
    </message>
    <message>
        <source>Next Page &gt;</source>
        <translation>下一页 &gt;</translation>
    </message>
    <message>
        <source>Last Page &gt;&gt;</source>
        <translation>末页 &gt;&gt;</translation>
    </message>
    <message>
        <source>Page number</source>
        <translation>页码</translation>
    </message>
    <message>
        <source>Go</source>
        <translation>跳转</translation>
    </message>
    <message>
        <source>Query by time</source>
        <translation>按时间查询</translation>
    </message>
    <message>
        <source>Query Start Time：</source>
        <translation>开始时间：</translation>
    </message>
    <message>
        <source>Query End time：</source>
        <translation>结束时间：</translation>
    </message>
    <message>
        <source>Query by temperature</source>
        <translation>按温度查询</translation>
    </message>
    <message>
        <source>Query</source>
        <translation>查询</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Temperature Max</source>
        <translation>最高温度</translation>
    </message>
    <message>
        <source>Temperature Min</source>
        <translation>最低温度</translation>
    </message>
    <message>
        <source>：</source>
        <translation>：</translation>
    </message>
</context>
<context>
    <name>ReferenceTables</name>
    <message>
        <source>row %1 holds a temperature that is not a number</source>
        <translation>第 %1 行的温度不是数字</translation>
    </message>
    <message>
        <source>row %1 holds a resistance that is not a number</source>
        <translation>第 %1 行的电阻不是数字</translation>
    </message>
    <message>
        <source>row %1 holds no resistance</source>
        <translation>第 %1 行没有电阻值</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>above</source>
        <translation>超上限</translation>
    </message>
    <message>
        <source>below</source>
        <translation>超下限</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>报警</translation>
    </message>
    <message>
        <source>Manual mode</source>
        <translation>手动模式</translation>
    </message>
    <message>
        <source>lower Limit Alarm</source>
        <translation>报警下限</translation>
    </message>
    <message>
        <source>unit</source>
        <translation>单位</translation>
    </message>
    <message>
        <source>Excel Export Success</source>
        <translation>Excel导出成功</translation>
    </message>
    <message>
        <source>Excel Export FAILED</source>
        <translation>Excel导出失败</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>序号</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>时间</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>温度</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>第%1页，共%2页</translation>
    </message>
    <message>
        <source>Product</source>
        <translation>产品</translation>
    </message>
    <message>
        <source>Batch Number</source>
        <translation>批号</translation>
    </message>
    <message>
        <source>Period of</source>
        <translation>有效</translation>
    </message>
    <message>
        <source>validity</source>
        <translation>期限</translation>
    </message>
    <message>
        <source>PDF save success</source>
        <translation>PDF保存成功</translation>
    </message>
    <message>
        <source>PDF save FAILED</source>
        <translation>PDF保存失败</translation>
    </message>
    <message>
        <source>%1 already exists. Replace it?</source>
        <translation>%1已存在。是否替换？</translation>
    </message>
    <message>
        <source>Temperature information</source>
        <translation>温度信息</translation>
    </message>
    <message>
        <source>Report Date</source>
        <translation>报告日期</translation>
    </message>
    <message>
        <source>Device Information</source>
        <translation>设备信息</translation>
    </message>
    <message>
        <source>Logging Summary</source>
        <translation>记录摘要</translation>
    </message>
    <message>
        <source>Data Chart</source>
        <translation>数据曲线图</translation>
    </message>
    <message>
        <source>Please Insert Device</source>
        <translation>请插入设备</translation>
    </message>
    <message>
        <source>Source: %1</source>
        <translation>来源：%1</translation>
    </message>
    <message>
        <source>times in %1</source>
        <translation>时间为%1</translation>
    </message>
    <message>
        <source>not archived</source>
        <translation>未归档</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>内存不足</translation>
    </message>
    <message>
        <source>a file could not be read or written</source>
        <translation>无法读取或写入文件</translation>
    </message>
    <message>
        <source>a file could not be opened</source>
        <translation>无法打开文件</translation>
    </message>
    <message>
        <source>compressing the document failed</source>
        <translation>压缩文档失败</translation>
    </message>
    <message>
        <source>the report font file is damaged or not a TrueType font</source>
        <translation>报告字体文件已损坏或不是 TrueType 字体</translation>
    </message>
    <message>
        <source>the report font does not allow embedding</source>
        <translation>报告字体不允许嵌入</translation>
    </message>
    <message>
        <source>the PDF library met an unexpected state</source>
        <translation>PDF 库遇到意外状态</translation>
    </message>
    <message>
        <source>the report font %1 is damaged</source>
        <translation>报告字体 %1 已损坏</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>无法写入：%1</translation>
    </message>
    <message>
        <source>%1 is %2, which a report never replaces</source>
        <translation>%1 是%2，报告从不替换它</translation>
    </message>
    <message>
        <source>a stored logger image</source>
        <translation>已存储的记录仪映像</translation>
    </message>
    <message>
        <source>in the archive folder %1</source>
        <translation>归档文件夹 %1 中的文件</translation>
    </message>
    <message>
        <source>the settings file</source>
        <translation>设置文件</translation>
    </message>
    <message>
        <source>a reference table</source>
        <translation>参考表</translation>
    </message>
</context>
<context>
    <name>ReportPages</name>
    <message>
        <source>Save PDF</source>
        <translation>保存PDF</translation>
    </message>
    <message>
        <source>Save Excel</source>
        <translation>保存Excel</translation>
    </message>
    <message>
        <source>Report path</source>
        <translation>报告路径</translation>
    </message>
    <message>
        <source>The report is signed as %1</source>
        <translation>报告已签名，保存为%1</translation>
    </message>
</context>
<context>
    <name>SaveDialog</name>
    <message>
        <source>Save As</source>
        <translation>另存为</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>浏览</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>Session</name>
    <message>
        <source>Detection of device insertion, data reading...</source>
        <translation>检测到设备插入，正在读取数据...</translation>
    </message>
    <message>
        <source>Data reading</source>
        <translation>正在读取数据</translation>
    </message>
    <message>
        <source>Detection of device insertion, Data read completed</source>
        <translation>检测到设备插入，数据读取完成</translation>
    </message>
    <message>
        <source>Data read completed</source>
        <translation>数据读取完成</translation>
    </message>
    <message>
        <source>Data read FAILED</source>
        <translation>数据读取失败</translation>
    </message>
    <message>
        <source>Archive save FAILED</source>
        <translation>归档保存失败</translation>
    </message>
    <message>
        <source>Erase FAILED</source>
        <translation>擦除失败</translation>
    </message>
    <message>
        <source>Load FAILED</source>
        <translation>加载失败</translation>
    </message>
    <message>
        <source>Data erased</source>
        <translation>数据已擦除</translation>
    </message>
    <message>
        <source>Please make sure device is connected correctly</source>
        <translation>请确认设备已正确连接</translation>
    </message>
    <message>
        <source>Plug it in again.</source>
        <translation>请重新插入记录仪。</translation>
    </message>
    <message>
        <source>Close the program that is using it.</source>
        <translation>请关闭正在使用它的程序。</translation>
    </message>
    <message>
        <source>The logger at %1 cannot be opened: %2. %3</source>
        <translation>无法打开位于%1的记录仪：%2。%3</translation>
    </message>
    <message>
        <source>the record was erased and the settings written back</source>
        <translation>记录已擦除，设置已写回</translation>
    </message>
    <message>
        <source>the record was erased</source>
        <translation>记录已擦除</translation>
    </message>
    <message>
        <source>the record is partly erased</source>
        <translation>记录已部分擦除</translation>
    </message>
    <message>
        <source>the status block was cleared, so the record&apos;s start time is lost, but its samples are still on the logger</source>
        <translation>状态块已清除，记录的开始时间已丢失，但其采样数据仍保存在记录仪中</translation>
    </message>
    <message>
        <source>nothing on the logger was changed</source>
        <translation>记录仪上的内容均未更改</translation>
    </message>
    <message>
        <source>settings and limits</source>
        <translation>设置与限值</translation>
    </message>
    <message>
        <source>transport details</source>
        <translation>运输信息</translation>
    </message>
    <message>
        <source>product list</source>
        <translation>产品列表</translation>
    </message>
    <message>
        <source>%1 written</source>
        <translation>%1已写入</translation>
    </message>
    <message>
        <source>%1 not written</source>
        <translation>%1未写入</translation>
    </message>
    <message>
        <source>%1 partly written</source>
        <translation>%1部分写入</translation>
    </message>
    <message>
        <source>%1: write again</source>
        <translation>%1：请重新写入</translation>
    </message>
    <message>
        <source>The logger plugged in (serial number %1) is not the one these settings are for (serial number %2), so nothing was written</source>
        <translation>插入的记录仪（序列号%1）不是这些设置所属的记录仪（序列号%2），因此未写入任何内容</translation>
    </message>
    <message>
        <source>%1; the record is kept in the archive as %2</source>
        <translation>%1；记录已归档为%2</translation>
    </message>
    <message>
        <source>The logger holds %1 samples that cannot be archived (it was never set up), so nothing was written</source>
        <translation>记录仪中有%1个无法归档的采样点（该记录仪从未设置过），因此未写入任何内容</translation>
    </message>
    <message>
        <source>The logger holds %1 samples that cannot be archived (it was never set up), so it was not erased</source>
        <translation>记录仪中有%1个无法归档的采样点（该记录仪从未设置过），因此未擦除</translation>
    </message>
    <message>
        <source>The logger holds %1 samples whose archived copy cannot be checked (%2), so nothing was written</source>
        <translation>记录仪中%1个采样点的归档副本无法校验（%2），因此未写入任何内容</translation>
    </message>
    <message>
        <source>The logger holds %1 samples whose archived copy cannot be checked (%2), so it was not erased</source>
        <translation>记录仪中%1个采样点的归档副本无法校验（%2），因此未擦除</translation>
    </message>
    <message>
        <source>The logger holds %1 samples that are not in the archive, so nothing was written. Plug it in again to archive them first</source>
        <translation>记录仪中有%1个采样点尚未归档，因此未写入任何内容。请重新插入记录仪，先将其归档</translation>
    </message>
    <message>
        <source>The logger holds %1 samples that are not in the archive, so it was not erased. Plug it in again to archive them first</source>
        <translation>记录仪中有%1个采样点尚未归档，因此未擦除。请重新插入记录仪，先将其归档</translation>
    </message>
    <message>
        <source>the archive folder %1 cannot be created</source>
        <translation>无法创建归档文件夹%1</translation>
    </message>
    <message>
        <source>nothing was written</source>
        <translation>未写入任何内容</translation>
    </message>
    <message>
        <source>no logger is connected</source>
        <translation>未连接记录仪</translation>
    </message>
    <message>
        <source>The udev rule %1 gives access; once it is there, run &quot;%2&quot; and plug the logger in again.</source>
        <translation>udev 规则 %1 提供访问权限；安装该规则后，运行“%2”并重新插入记录仪。</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Manual Button</source>
        <translation>手动按键</translation>
    </message>
    <message>
        <source>Device S/N</source>
        <translation>设备序列号</translation>
    </message>
    <message>
        <source>Shutdown Mode</source>
        <translation>停止方式</translation>
    </message>
    <message>
        <source>Start Delay</source>
        <translation>启动延时</translation>
    </message>
    <message>
        <source>Alarm Delay</source>
        <translation>报警延时</translation>
    </message>
    <message>
        <source>Upper Limit Alarm</source>
        <translation>报警上限</translation>
    </message>
    <message>
        <source>Lower Limit Alarm</source>
        <translation>报警下限</translation>
    </message>
    <message>
        <source>Log Interval</source>
        <translation>记录间隔</translation>
    </message>
    <message>
        <source>Log Cycle</source>
        <translation>记录周期</translation>
    </message>
    <message>
        <source>Delivery Company</source>
        <translation>发货单位</translation>
    </message>
    <message>
        <source>Receiving Company</source>
        <translation>收货单位</translation>
    </message>
    <message>
        <source>Transport Company</source>
        <translation>承运单位</translation>
    </message>
    <message>
        <source>Transport Number</source>
        <translation>运单号</translation>
    </message>
    <message>
        <source>Date Of Delivery</source>
        <translation>发货日期</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>编号</translation>
    </message>
    <message>
        <source>Product Name</source>
        <translation>产品名称</translation>
    </message>
    <message>
        <source>Specification Model</source>
        <translation>规格型号</translation>
    </message>
    <message>
        <source>Product Batch Number</source>
        <translation>产品批号</translation>
    </message>
    <message>
        <source>Period of validity</source>
        <translation>有效期</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>单位</translation>
    </message>
    <message>
        <source>Quantity</source>
        <translation>数量</translation>
    </message>
    <message>
        <source>Shipment Number</source>
        <translation>发货单号</translation>
    </message>
    <message>
        <source>%1 must not hold a NUL character</source>
        <translation>%1不能包含NUL字符</translation>
    </message>
    <message>
        <source>Product %1: %2 must not hold a NUL character</source>
        <translation>产品%1：%2不能包含NUL字符</translation>
    </message>
    <message>
        <source>Please input %1</source>
        <translation>请输入%1</translation>
    </message>
    <message>
        <source>%1 must be below %2</source>
        <translation>%1必须低于%2</translation>
    </message>
    <message>
        <source>%1 is longer than %2 characters</source>
        <translation>%1超过%2个字符</translation>
    </message>
    <message>
        <source>Product %1: </source>
        <translation>产品%1： </translation>
    </message>
    <message>
        <source>%1 must be between 0 and %2</source>
        <translation>%1必须在0到%2之间</translation>
    </message>
</context>
<context>
    <name>SignDialog</name>
    <message>
        <source>Sign…</source>
        <translation>签名…</translation>
    </message>
    <message>
        <source>Sign the report with the certificate &quot;%1&quot;.</source>
        <translation>使用证书“%1”对报告签名。</translation>
    </message>
    <message>
        <source>Meaning</source>
        <translation>签名含义</translation>
    </message>
    <message>
        <source>Meaning:</source>
        <translation>签名含义：</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>密码</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>密码：</translation>
    </message>
    <message>
        <source>Sign</source>
        <translation>签名</translation>
    </message>
    <message>
        <source>Not now</source>
        <translation>暂不签名</translation>
    </message>
</context>
<context>
    <name>Signing</name>
    <message>
        <source>Signing FAILED</source>
        <translation>签名失败</translation>
    </message>
    <message>
        <source>this run already uses the NSS database %1; start the program again to sign with %2</source>
        <translation>本次运行已在使用 NSS 数据库 %1；请重新启动程序以使用 %2 签名</translation>
    </message>
    <message>
        <source>no NSS certificate database in %1</source>
        <translation>%1 中没有 NSS 证书数据库</translation>
    </message>
    <message>
        <source>this build of poppler cannot sign (no NSS support)</source>
        <translation>此版本的 poppler 无法签名（不支持 NSS）</translation>
    </message>
    <message>
        <source>the password of the NSS database %1 is wrong</source>
        <translation>NSS 数据库 %1 的密码错误</translation>
    </message>
    <message>
        <source>the NSS database %1 needs a password</source>
        <translation>NSS 数据库 %1 需要密码</translation>
    </message>
    <message>
        <source>no signing certificate &quot;%1&quot; in %2 (it holds none)</source>
        <translation>%2 中没有签名证书“%1”（其中没有任何证书）</translation>
    </message>
    <message>
        <source>no signing certificate &quot;%1&quot; in %2 (it holds %3)</source>
        <translation>%2 中没有签名证书“%1”（其中有 %3）</translation>
    </message>
    <message>
        <source>the certificate &quot;%1&quot; is not valid before %2</source>
        <translation>证书“%1”在 %2 之前无效</translation>
    </message>
    <message>
        <source>the certificate &quot;%1&quot; expired on %2</source>
        <translation>证书“%1”已于 %2 过期</translation>
    </message>
    <message>
        <source>%1 is not a PDF that can be signed</source>
        <translation>%1 不是可签名的 PDF</translation>
    </message>
    <message>
        <source>signing failed: the key of &quot;%1&quot; could not be used</source>
        <translation>签名失败：无法使用“%1”的密钥</translation>
    </message>
</context>
<context>
    <name>Summary</name>
    <message>
        <source>Highest Temperature</source>
        <translation>最高温度</translation>
    </message>
    <message>
        <source>Average Temperature</source>
        <translation>平均温度</translation>
    </message>
    <message>
        <source>Lowest Temperature</source>
        <translation>最低温度</translation>
    </message>
    <message>
        <source>Data Points</source>
        <translation>数据点数</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>开始时间</translation>
    </message>
    <message>
        <source>Stop Time</source>
        <translation>结束时间</translation>
    </message>
</context>
<context>
    <name>SystemPage</name>
    <message>
        <source>Temperature Unit：</source>
        <translation>温度单位：</translation>
    </message>
    <message>
        <source>Temperature Unit</source>
        <translation>温度单位</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>Erase</source>
        <translation>擦除</translation>
    </message>
    <message>
        <source>Empty all data of the logger</source>
        <translation>清空记录仪中的全部数据</translation>
    </message>
    <message>
        <source>The user guide cannot be opened: %1</source>
        <translation>无法打开用户手册：%1</translation>
    </message>
    <message>
        <source>Empty All Data?</source>
        <translation>清空全部数据？</translation>
    </message>
    <message>
        <source>Velka temperature data logger software</source>
        <translation>Velka温度记录仪软件</translation>
    </message>
    <message>
        <source>Version %1  Copyright (C) 2026 the Velka developers</source>
        <translation>版本%1  版权所有(C) 2026 Velka开发者</translation>
    </message>
    <message>
        <source>Temperature data logger companion</source>
        <translation>温度记录仪配套软件</translation>
    </message>
</context>
<context>
    <name>Units</name>
    <message>
        <source>min</source>
        <translation>分钟</translation>
    </message>
    <message>
        <source>d</source>
        <translation>天</translation>
    </message>
    <message>
        <source>h</source>
        <translation>小时</translation>
    </message>
    <message>
        <source>s</source>
        <translation>秒</translation>
    </message>
    <message>
        <source>sec</source>
        <translation>秒</translation>
    </message>
    <message>
        <source>day</source>
        <translation>天</translation>
    </message>
    <message>
        <source>Fahrenheit</source>
        <translation>华氏度</translation>
    </message>
    <message>
        <source>Celsius</source>
        <translation>摄氏度</translation>
    </message>
</context>
</TS>
