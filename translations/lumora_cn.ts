<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
<context>
    <name>CMain</name>
    <message>
        <location filename="../src/ui/cmain.cpp" line="+98"/>
        <source>Active: %1  </source>
        <translation>在线：%1  </translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Preparing the history for the charts: %1 %</source>
        <translation>正在准备图表的历史数据：%1 %</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Error</source>
        <translation>错误</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please complete COM port settings first.</source>
        <translation>请先完成串口设置。</translation>
    </message>
    <message>
        <location line="+279"/>
        <source>Info</source>
        <translation>信息</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>No data</source>
        <translation>无数据</translation>
    </message>
    <message>
        <location line="+152"/>
        <source>Confirm</source>
        <translation>确认</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Confirm to exit?</source>
        <translation>确定要退出程序吗？</translation>
    </message>
    <message>
        <location filename="../src/ui/windowparts.cpp" line="+75"/>
        <source>Not ready</source>
        <translation>未就绪</translation>
    </message>
</context>
<context>
    <name>CMainClass</name>
    <message>
        <location filename="../src/ui/cmain.ui" line="+17"/>
        <source>Lumora Data Manager</source>
        <translation>Lumora Data Manager</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Views</source>
        <translation>视图</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Main</source>
        <translation>主界面</translation>
    </message>
    <message>
        <location line="+43"/>
        <source>Monitoring state</source>
        <translation>监控状态</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Not ready</source>
        <translation>未就绪</translation>
    </message>
    <message>
        <location line="+47"/>
        <source>Real time data</source>
        <translation>实时数据</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Key parameters</source>
        <translation>关键参数</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Graphical analysis</source>
        <translation>图形分析</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Event list</source>
        <translation>事件列表</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Data logging</source>
        <translation>数据记录</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Menu bar</source>
        <translation>菜单栏</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>&amp;Monitoring</source>
        <translation>监控(&amp;M)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&amp;View</source>
        <translation>视图(&amp;V)</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>&amp;Configuration</source>
        <translation>配置(&amp;C)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Language</source>
        <translation>语言(&amp;L)</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>&amp;Window</source>
        <translation>窗口(&amp;W)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Tool bar</source>
        <translation>工具栏</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>Language bar</source>
        <translation>语言栏</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>&amp;Print</source>
        <translation>打印(&amp;P)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Export Image</source>
        <translation>导出图像(&amp;E)</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Export &amp;Data</source>
        <translation>导出数据(&amp;D)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>E&amp;xit</source>
        <translation>退出(&amp;X)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Start Monitoring</source>
        <translation>开始监控(&amp;S)</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Stop &amp;Monitoring</source>
        <translation>停止监控(&amp;M)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;COM port</source>
        <translation>串口(&amp;C)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Search Inverters</source>
        <translation>搜索逆变器(&amp;S)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Alarm</source>
        <translation>告警(&amp;A)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Background Graphics</source>
        <translation>背景图片(&amp;B)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Main View Configuration</source>
        <translation>主界面配置(&amp;M)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Main View Configuration</source>
        <translation>主界面配置</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Sensor Settings</source>
        <translation>传感器设置(&amp;N)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>M&amp;QTT...</source>
        <translation>MQTT(&amp;Q)...</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Configuration &amp;Wizard</source>
        <translation>配置向导(&amp;W)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Fonts and Colors</source>
        <translation>字体和颜色(&amp;F)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Main</source>
        <translation>主界面(&amp;M)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Real time data</source>
        <translation>实时数据(&amp;R)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Key parameters</source>
        <translation>关键参数(&amp;K)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Graphical analysis</source>
        <translation>图形分析(&amp;G)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Event list</source>
        <translation>事件列表(&amp;E)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Data logging</source>
        <translation>数据记录(&amp;D)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Line health</source>
        <translation>线路状态(&amp;L)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>List View</source>
        <translation>列表视图</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Group View</source>
        <translation>分组视图</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>User manual</source>
        <translation>用户手册</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>&amp;About...</source>
        <translation>关于(&amp;A)...</translation>
    </message>
</context>
<context>
    <name>COMPortFrmClass</name>
    <message>
        <location filename="../src/ui/dialogs/comportfrm.ui" line="+14"/>
        <source>Serial Port Settings</source>
        <translation>串口设置</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Port:</source>
        <translation>端口：</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Refresh</source>
        <translation>刷新</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Baudrate:</source>
        <translation>波特率：</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Direct command</source>
        <translation>直接命令</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>ChartView</name>
    <message>
        <location filename="../src/ui/views/chartview.ui" line="+22"/>
        <source>Inverters</source>
        <translation>逆变器</translation>
    </message>
    <message>
        <location line="+10"/>
        <location line="+54"/>
        <source>Year</source>
        <translation>年</translation>
    </message>
    <message>
        <location line="-42"/>
        <source>Range of date</source>
        <translation>日期范围</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>From</source>
        <translation>从</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>To</source>
        <translation>至</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Base on</source>
        <translation>统计周期</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Month</source>
        <translation>月</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Day</source>
        <translation>日</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Query</source>
        <translation>查询</translation>
    </message>
    <message>
        <location filename="../src/ui/views/chartview.cpp" line="+105"/>
        <location line="+9"/>
        <source>Error</source>
        <translation>错误</translation>
    </message>
    <message>
        <location line="-9"/>
        <source>Date range error!</source>
        <translation>日期范围错误！</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Click some one inverter first.</source>
        <translation>请先点击选择一台逆变器。</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>AC Power
%1 ~ %2
</source>
        <translation>交流功率
%1 ~ %2
</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>--&gt; Power(W)</source>
        <translation>--&gt; 功率 (W)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>--&gt; Month</source>
        <translation>--&gt; 月份</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>--&gt; Day</source>
        <translation>--&gt; 日期</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>--&gt; Hour</source>
        <translation>--&gt; 小时</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Info</source>
        <translation>信息</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Please query data first</source>
        <translation>请先查询数据</translation>
    </message>
</context>
<context>
    <name>CsvFile</name>
    <message>
        <location filename="../src/history/csvfile.cpp" line="+12"/>
        <source>Save *.csv File</source>
        <translation>保存 *.csv 文件</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Excel (*.csv)</source>
        <translation>Excel 文件 (*.csv)</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>OK</source>
        <translation>完成</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Export OK</source>
        <translation>导出成功</translation>
    </message>
</context>
<context>
    <name>DashboardFields</name>
    <message>
        <location filename="../src/ui/views/dashboardfields.cpp" line="+13"/>
        <source>Total Yield</source>
        <translation>总发电量</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Efficiency</source>
        <translation>效率</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Earning</source>
        <translation>收益</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Co2 Reduction</source>
        <translation>CO2 减排量</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>DC Power</source>
        <translation>直流功率</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>AC Power</source>
        <translation>交流功率</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>DC Avg. Power</source>
        <translation>直流平均功率</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>AC Avg. Power</source>
        <translation>交流平均功率</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Power Generation</source>
        <translation>今日发电量</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Sensor %1</source>
        <translation>传感器 %1</translation>
    </message>
</context>
<context>
    <name>DataLogView</name>
    <message>
        <location filename="../src/ui/views/datalogview.ui" line="+14"/>
        <source>SN_Name:</source>
        <translation>序列号：</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Month:</source>
        <translation>月份：</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Year:</source>
        <translation>年份：</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Query</source>
        <translation>查询</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Readings</source>
        <translation>读数</translation>
    </message>
    <message>
        <location filename="../src/ui/views/datalogview.cpp" line="+66"/>
        <source>info</source>
        <translation>信息</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>No data found!</source>
        <translation>未找到数据！</translation>
    </message>
</context>
<context>
    <name>ErrorTables</name>
    <message>
        <location filename="../src/device/errortables.cpp" line="+20"/>
        <location line="+140"/>
        <source>No AC voltage is detected on the grid side</source>
        <translation>电网侧未检测到交流电压</translation>
    </message>
    <message>
        <location line="-139"/>
        <location line="+70"/>
        <source>The AC voltage of mains utility is over the upper limit</source>
        <translation>电网交流电压超过上限</translation>
    </message>
    <message>
        <location line="-69"/>
        <location line="+70"/>
        <source>The AC voltage of mains utility is under the lower limit</source>
        <translation>电网交流电压低于下限</translation>
    </message>
    <message>
        <location line="-69"/>
        <location line="+70"/>
        <source>The frequency of AC voltage of the utility is over the upper limit</source>
        <translation>电网频率超过上限</translation>
    </message>
    <message>
        <location line="-69"/>
        <source>The frequence of AC voltage of the utility is under the lower limit</source>
        <translation>电网频率低于下限</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+70"/>
        <source>The AC impedance of the grid is out of range</source>
        <translation>电网阻抗超出范围</translation>
    </message>
    <message>
        <location line="-69"/>
        <location line="+70"/>
        <source>The rate of change of the AC grid impedance is higher than setting value</source>
        <translation>电网阻抗变化率高于设定值</translation>
    </message>
    <message>
        <location line="-69"/>
        <location line="+70"/>
        <source>Islanding is detected</source>
        <translation>检测到孤岛效应</translation>
    </message>
    <message>
        <location line="-69"/>
        <source>The drastic change of the leakage current has been detected</source>
        <translation>检测到漏电流突变</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The leakage current has exceeded a safe operating limit</source>
        <translation>漏电流超过安全运行限值</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+70"/>
        <source>Over DC current injected into the AC grid is detected</source>
        <translation>检测到注入交流电网的直流电流过大</translation>
    </message>
    <message>
        <location line="-69"/>
        <location line="+70"/>
        <source>Over current on the AC side</source>
        <translation>交流侧过流</translation>
    </message>
    <message>
        <location line="-69"/>
        <location line="+70"/>
        <source>The internal temperature of the inverter exceeded the safe operating limit</source>
        <translation>逆变器内部温度超过安全运行限值</translation>
    </message>
    <message>
        <location line="-69"/>
        <source>The DC  voltage of PV array is over the upper limit</source>
        <translation>光伏阵列直流电压超过上限</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The DC  voltage of PV array is under the lower limit</source>
        <translation>光伏阵列直流电压低于下限</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The insulation resistance between PV array and the ground is below the safe operating limit</source>
        <translation>光伏阵列对地绝缘阻抗低于安全运行限值</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+70"/>
        <source>Internal DC bus voltage is over the upper limit</source>
        <translation>内部直流母线电压超过上限</translation>
    </message>
    <message>
        <location line="-69"/>
        <location line="+70"/>
        <source>Internal DC bus voltage is under the lower limit</source>
        <translation>内部直流母线电压低于下限</translation>
    </message>
    <message>
        <location line="-69"/>
        <source>Inverter temperature too low</source>
        <translation>逆变器温度过低</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+70"/>
        <location line="+2"/>
        <source>Bridge Relay test failed(L)</source>
        <translation>桥臂继电器测试失败 (L)</translation>
    </message>
    <message>
        <location line="-71"/>
        <location line="+70"/>
        <location line="+2"/>
        <source>Bridge Relay test failed(N)</source>
        <translation>桥臂继电器测试失败 (N)</translation>
    </message>
    <message>
        <location line="-71"/>
        <source>Network Relay test failed(L)</source>
        <translation>电网侧继电器测试失败 (L)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Network Relay test failed(N)</source>
        <translation>电网侧继电器测试失败 (N)</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+70"/>
        <source>Internal communication failed</source>
        <translation>内部通信故障</translation>
    </message>
    <message>
        <location line="-69"/>
        <location line="+1"/>
        <location line="+1"/>
        <location line="+3"/>
        <location line="+25"/>
        <location line="+98"/>
        <location line="+1"/>
        <location line="+1"/>
        <location line="+13"/>
        <location line="+1"/>
        <location line="+1"/>
        <location line="+1"/>
        <location line="+1"/>
        <location line="+14"/>
        <location line="+1"/>
        <location line="+1"/>
        <location line="+1"/>
        <location line="+15"/>
        <location line="+1"/>
        <location line="+1"/>
        <source>N/A</source>
        <translation>不适用</translation>
    </message>
    <message>
        <location line="-178"/>
        <location line="+1"/>
        <location line="+17"/>
        <location line="+52"/>
        <location line="+1"/>
        <location line="+17"/>
        <source>Debug</source>
        <translation>调试</translation>
    </message>
    <message>
        <location line="-85"/>
        <location line="+70"/>
        <source>External communication failed</source>
        <translation>外部通信故障</translation>
    </message>
    <message>
        <location line="-69"/>
        <location line="+70"/>
        <source>EEPROM failed</source>
        <translation>EEPROM 故障</translation>
    </message>
    <message>
        <location line="-68"/>
        <source>L-N miswired</source>
        <translation>L-N 接线错误</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+70"/>
        <source>The injection DC current exceeded the standard value</source>
        <translation>注入的直流电流超过标准值</translation>
    </message>
    <message>
        <location line="-69"/>
        <source>The leakage current measurement selftest failed</source>
        <translation>漏电流测量自检失败</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The leakage current measurement function failed</source>
        <translation>漏电流测量功能故障</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The insulation resistance measurement selftest failed</source>
        <translation>绝缘阻抗测量自检失败</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+70"/>
        <source>Offset check for grid monitoring failed</source>
        <translation>电网监测零点偏移检查失败</translation>
    </message>
    <message>
        <location line="-69"/>
        <location line="+70"/>
        <source>The internal temperature sensor failed</source>
        <translation>内部温度传感器故障</translation>
    </message>
    <message>
        <location line="-69"/>
        <source>Autotest fail</source>
        <translation>自动测试失败</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delta CPU error, Fac, Vac, Idc, Zac, If, Riso</source>
        <translation>双 CPU 测量偏差错误：Fac, Vac, Idc, Zac, If, Riso</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+70"/>
        <source>Debug(GridNA in wait mode)</source>
        <translation>调试 (等待模式下 GridNA)</translation>
    </message>
    <message>
        <location line="-69"/>
        <location line="+70"/>
        <source>Debug(Grid out of range in wait mode)</source>
        <translation>调试 (等待模式下电网超出范围)</translation>
    </message>
    <message>
        <location line="-69"/>
        <location line="+70"/>
        <source>No output current</source>
        <translation>无输出电流</translation>
    </message>
    <message>
        <location line="-68"/>
        <location line="+70"/>
        <source>Over current of input current IpvA</source>
        <translation>输入电流 IpvA 过流</translation>
    </message>
    <message>
        <location line="-69"/>
        <source>Over current of input current IpvB</source>
        <translation>输入电流 IpvB 过流</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Over current of input current IpvC</source>
        <translation>输入电流 IpvC 过流</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+70"/>
        <source>AC grid impedance out of range, continuously</source>
        <translation>电网阻抗超出范围（持续）</translation>
    </message>
    <message>
        <location line="-69"/>
        <source>The rate of change of aC grid impedance out of range, continuously</source>
        <translation>电网阻抗变化率超出范围（持续）</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The drastic change of leakage current has been detected, continuously</source>
        <translation>检测到漏电流突变（持续）</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The leakage current has exceeded a safe operationg limit, continuously</source>
        <translation>漏电流超过安全运行限值（持续）</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+70"/>
        <source>AC over current, continuously</source>
        <translation>交流过流（持续）</translation>
    </message>
    <message>
        <location line="-69"/>
        <location line="+70"/>
        <location line="+69"/>
        <source>Relay test failed, continuously</source>
        <translation>继电器测试失败（持续）</translation>
    </message>
    <message>
        <location line="-138"/>
        <location line="+70"/>
        <source>Memory self test failed</source>
        <translation>存储器自检失败</translation>
    </message>
    <message>
        <location line="-69"/>
        <location line="+70"/>
        <source>Calibrate value is out of range</source>
        <translation>校准值超出范围</translation>
    </message>
    <message>
        <location line="-69"/>
        <location line="+70"/>
        <source>Self test error(EEPROM data loss)</source>
        <translation>自检错误 (EEPROM 数据丢失)</translation>
    </message>
    <message>
        <location line="-69"/>
        <location line="+70"/>
        <source>The firmware version error</source>
        <translation>固件版本错误</translation>
    </message>
    <message>
        <location line="-69"/>
        <location line="+70"/>
        <source>Internal measurement comparison error or defective hardware</source>
        <translation>内部测量比较错误或硬件故障</translation>
    </message>
    <message>
        <location line="-69"/>
        <location line="+70"/>
        <source>Internal watchdog function triggered</source>
        <translation>内部看门狗功能已触发</translation>
    </message>
    <message>
        <location line="-69"/>
        <location line="+70"/>
        <source>The system failed</source>
        <translation>系统故障</translation>
    </message>
    <message>
        <location line="-69"/>
        <location line="+70"/>
        <source>SPI test failed</source>
        <translation>SPI 测试失败</translation>
    </message>
    <message>
        <location line="-69"/>
        <location line="+70"/>
        <location line="+66"/>
        <source>Calibration data is lost</source>
        <translation>校准数据丢失</translation>
    </message>
    <message>
        <location line="-132"/>
        <source>No  AC voltage is detected on the grid side</source>
        <translation>电网侧未检测到交流电压</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The frequency of AC voltage of the utility is under the lower limit</source>
        <translation>电网频率低于下限</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Auto test failed</source>
        <translation>自动测试失败</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The internal temperature of the inverter is under the lower limit</source>
        <translation>逆变器内部温度低于下限</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The DC voltage of PV array is over the upper limit</source>
        <translation>光伏阵列直流电压超过上限</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The DC voltage of PV array is under the lower limit</source>
        <translation>光伏阵列直流电压低于下限</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DC/DC HW Failure</source>
        <translation>DC/DC 硬件故障</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>GFDI fault</source>
        <translation>GFDI 接地故障</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+29"/>
        <source>Ibuck over current</source>
        <translation>Ibuck 过流</translation>
    </message>
    <message>
        <location line="-28"/>
        <source>MOV AC side fault</source>
        <translation>交流侧 MOV (压敏电阻) 故障</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>MOV DC side fault</source>
        <translation>直流侧 MOV (压敏电阻) 故障</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>FAN blocking</source>
        <translation>风扇堵转</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Vrms of L1-N out of maximum value</source>
        <translation>L1-N 的 Vrms 超过最大值</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Vrms of L1-N out of minimum value</source>
        <translation>L1-N 的 Vrms 低于最小值</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Vrms of L2-N out of maximum value</source>
        <translation>L2-N 的 Vrms 超过最大值</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Driver fault</source>
        <translation>驱动故障</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Vrms of L2-N out of minimum value</source>
        <translation>L2-N 的 Vrms 低于最小值</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delta CPU error Fac, Vac, Idc, Zac, If, Riso</source>
        <translation>双 CPU 测量偏差错误：Fac, Vac, Idc, Zac, If, Riso</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Input limit by Ibuck(average or peak</source>
        <translation>输入受 Ibuck 限制 (平均值或峰值)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Buck not work, Vdcbus not enough</source>
        <translation>Buck 电路未工作，Vdcbus 电压不足</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The rate of change of the AC grid impedance out of range, continuously</source>
        <translation>电网阻抗变化率超出范围（持续）</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Driver fault, continuously</source>
        <translation>驱动故障（持续）</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>DC/DC H/W Failure, continuously</source>
        <translation>DC/DC 硬件故障（持续）</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>The AC voltage of utility grid is over the upper limit.</source>
        <translation>电网交流电压超过上限。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The AC voltage of utility grid is under the lower limit.</source>
        <translation>电网交流电压低于下限。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The frequency of AC voltage of the utility is over the upper limit.</source>
        <translation>电网频率超过上限。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The frequency of AC voltage of the utility is under the lower limit.</source>
        <translation>电网频率低于下限。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>One/Two phase disconnection.</source>
        <translation>一相或两相断线。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>L2, L3 reversed phase sequence.</source>
        <translation>L2、L3 相序接反。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Islanding is detected.</source>
        <translation>检测到孤岛效应。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The drastic change of the leakage current has been detected.</source>
        <translation>检测到漏电流突变。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The leakage current has exceeded a safe operating limit.</source>
        <translation>漏电流超过安全运行限值。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Over DC current injected into the AC grid is detected.</source>
        <translation>检测到注入交流电网的直流电流过大。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Over current on the grid side.</source>
        <translation>电网侧过流。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The AC current is over the upper limit.</source>
        <translation>交流电流超过上限。</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The insulation resistance between PV array and the ground is below the safe operating limit.</source>
        <translation>光伏阵列对地绝缘阻抗低于安全运行限值。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The DC voltage of PV array is over the upper limit.</source>
        <translation>光伏阵列直流电压超过上限。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Over current on the DC side.</source>
        <translation>直流侧过流。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Over power on the DC side.</source>
        <translation>直流侧过功率。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Internal DC bus voltage is over the upper limit.</source>
        <translation>内部直流母线电压超过上限。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Internal DC bus voltage is below the lower limit.</source>
        <translation>内部直流母线电压低于下限。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The internal temperature of the inverter exceeded the safe operating limit.</source>
        <translation>逆变器内部温度超过安全运行限值。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Internal measurement comparison error or defective hardware.</source>
        <translation>内部测量比较错误或硬件故障。</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+38"/>
        <source>The system is failed.</source>
        <translation>系统故障。</translation>
    </message>
    <message>
        <location line="-37"/>
        <source>Auto test is failed</source>
        <translation>自动测试失败</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The internal temperature of the inverter below the safe operating limit.</source>
        <translation>逆变器内部温度低于安全运行限值。</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The output relay is open.</source>
        <translation>输出继电器开路。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The output relay is short.</source>
        <translation>输出继电器短路。</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+17"/>
        <source>The leakage current measurement device is failure.</source>
        <translation>漏电流测量装置故障。</translation>
    </message>
    <message>
        <location line="-16"/>
        <source>Input current sensor is failure.</source>
        <translation>输入电流传感器故障。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Output current sensor is failure.</source>
        <translation>输出电流传感器故障。</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+16"/>
        <source>The DC injection current monitoring function failure.</source>
        <translation>直流注入电流监测功能故障。</translation>
    </message>
    <message>
        <location line="-15"/>
        <source>Internal communication is failed.</source>
        <translation>内部通信故障。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>EEPROM test failed. *waring message</source>
        <translation>EEPROM 测试失败。*警告信息</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <source>The fan is lock.  *waring message</source>
        <translation>风扇堵转。  *警告信息</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>External communication failed  *waring message</source>
        <translation>外部通信故障  *警告信息</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Internal reference voltage failed, +1.5VA,+1.5VB.</source>
        <translation>内部参考电压故障，+1.5VA,+1.5VB。</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Internal reference voltage failed, +1.5VA,+1.5VB</source>
        <translation>内部参考电压故障，+1.5VA,+1.5VB</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The DC/DC converter is failure.</source>
        <translation>DC/DC 变换器故障。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Hall sensor failed</source>
        <translation>霍尔传感器故障</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>EEPROM test failed</source>
        <translation>EEPROM 测试失败</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The firmware version is not correct</source>
        <translation>固件版本不正确</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Internal measurement comparison error or defective hardware, continuously</source>
        <translation>内部测量比较错误或硬件故障（持续）</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The mismatch of hardware MODEL setting and CPU setting.</source>
        <translation>硬件 MODEL 设置与 CPU 设置不匹配。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Internal communication test failed</source>
        <translation>内部通信测试失败</translation>
    </message>
</context>
<context>
    <name>EventListView</name>
    <message>
        <location filename="../src/ui/views/eventlistview.ui" line="+14"/>
        <source>SN_Name:</source>
        <translation>序列号：</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Year:</source>
        <translation>年份：</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Month:</source>
        <translation>月份：</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Query</source>
        <translation>查询</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Events</source>
        <translation>事件</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Date / Time</source>
        <translation>日期 / 时间</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>State</source>
        <translation>状态</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Error_Code_1</source>
        <translation>错误代码 1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Error_Code_2</source>
        <translation>错误代码 2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Error_Code_3</source>
        <translation>错误代码 3</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Error_Code_4</source>
        <translation>错误代码 4</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Error description</source>
        <translation>错误说明</translation>
    </message>
    <message>
        <location filename="../src/ui/views/eventlistview.cpp" line="+66"/>
        <source>Info</source>
        <translation>信息</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>No error events happened!</source>
        <translation>没有发生错误事件！</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Error Code %1-&gt; </source>
        <translation>错误代码 %1-&gt; </translation>
    </message>
    <message>
        <location line="+3"/>
        <source>State code-&gt; </source>
        <translation>状态代码-&gt; </translation>
    </message>
</context>
<context>
    <name>KeyParameterCodes</name>
    <message>
        <location filename="../src/device/keyparametercodes.cpp" line="+20"/>
        <source>Link quality</source>
        <translation>连接质量</translation>
    </message>
</context>
<context>
    <name>KeyParametersView</name>
    <message>
        <location filename="../src/ui/views/keyparametersview.ui" line="+11"/>
        <source>Columns:</source>
        <translation>显示列：</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>Key parameters</source>
        <translation>关键参数</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Inverter</source>
        <translation>逆变器</translation>
    </message>
</context>
<context>
    <name>LanguageDialog</name>
    <message>
        <location filename="../src/ui/languagedialog.cpp" line="+14"/>
        <source>Language</source>
        <translation>语言</translation>
    </message>
</context>
<context>
    <name>LanguageMenus</name>
    <message>
        <location filename="../src/ui/languagemenus.cpp" line="+48"/>
        <source>Language</source>
        <translation>语言</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>Language change</source>
        <translation>更改语言</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The language changes will take effect when you restart the application.</source>
        <translation>语言更改将在重新启动应用程序后生效。</translation>
    </message>
</context>
<context>
    <name>Languages</name>
    <message>
        <location filename="../src/base/languages.cpp" line="+10"/>
        <source>English</source>
        <translation>英语</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Italian</source>
        <translation>意大利语</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Traditional Chinese</source>
        <translation>繁体中文</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Spanish</source>
        <translation>西班牙语</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>French</source>
        <translation>法语</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>German</source>
        <translation>德语</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Simplified Chinese</source>
        <translation>简体中文</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Korean</source>
        <translation>韩语</translation>
    </message>
</context>
<context>
    <name>LineChoice</name>
    <message>
        <location filename="../src/ui/dialogs/linechoice.cpp" line="+18"/>
        <source>%1 (not present)</source>
        <translation>%1 (不存在)</translation>
    </message>
</context>
<context>
    <name>LineHealthDialog</name>
    <message>
        <location filename="../src/ui/dialogs/linehealthdialog.cpp" line="+41"/>
        <source>Line health</source>
        <translation>线路状态</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Device</source>
        <translation>设备</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Link
quality %</source>
        <translation>连接
质量 %</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Exchanges</source>
        <translation>交换次数</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>First
try</source>
        <translation>首次
成功</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>After a
retry</source>
        <translation>重试后
成功</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Timeouts</source>
        <translation>超时</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>CRC
errors</source>
        <translation>CRC
错误</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Short
replies</source>
        <translation>应答
过短</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Wrong address /
function / length</source>
        <translation>地址 / 功能 /
长度错误</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Round trip (ms)
last / mean / 95 %</source>
        <translation>往返时间 (ms)
最近 / 平均 / 95 %</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Counts since the program started. Exchanges: requests with their retry. Link quality: the share answered correctly on the first try; below 95 % the device is marked.</source>
        <translation>自程序启动以来的计数。交换次数：请求及其重试。连接质量：首次即正确应答的比例；低于 95 % 的设备会被标记。</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>Sensor %1</source>
        <translation>传感器 %1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Inverter %1</source>
        <translation>逆变器 %1</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Link quality below 95 %: check the cable, its terminator and the device&apos;s transceiver.</source>
        <translation>连接质量低于 95 %：请检查电缆、终端电阻及设备的收发器。</translation>
    </message>
</context>
<context>
    <name>MailSettings</name>
    <message>
        <location filename="../src/monitor/mailsettings.cpp" line="+79"/>
        <source>Apply</source>
        <translation>应用</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Please input all fields.</source>
        <translation>请填写所有字段。</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+10"/>
        <source>Fail</source>
        <translation>失败</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>OK</source>
        <translation>成功</translation>
    </message>
</context>
<context>
    <name>MailTester</name>
    <message>
        <location filename="../src/monitor/mailtester.cpp" line="+22"/>
        <source>Please waiting...</source>
        <translation>请稍候...</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+11"/>
        <location line="+4"/>
        <source>Error</source>
        <translation>错误</translation>
    </message>
    <message>
        <location line="-14"/>
        <location line="+10"/>
        <source>Some fields is not valid.</source>
        <translation>部分字段无效。</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Please type at least one recipient.</source>
        <translation>请至少输入一个收件人。</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Send failed.
%1 mails failed since the mail settings were applied: no mail is sent until they are applied again.</source>
        <translation>发送失败。
自应用邮件设置以来已有 %1 封邮件发送失败：在重新应用设置之前不会再发送邮件。</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Test Connect</source>
        <translation>测试连接</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Test success</source>
        <translation>测试成功</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Test fail</source>
        <translation>测试失败</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Send Test Mail</source>
        <translation>发送测试邮件</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Send success.</source>
        <translation>发送成功。</translation>
    </message>
    <message>
        <location line="-20"/>
        <source>Send failed.</source>
        <translation>发送失败。</translation>
    </message>
</context>
<context>
    <name>MonitorControl</name>
    <message>
        <location filename="../src/ui/monitorcontrol.cpp" line="+54"/>
        <source>Communication Testing...</source>
        <translation>正在测试通信...</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Info</source>
        <translation>信息</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The last monitoring has not ended yet. Please try again in a moment.</source>
        <translation>上一次监控尚未结束，请稍后再试。</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Starting monitoring...</source>
        <translation>正在启动监控...</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Stopping monitoring...</source>
        <translation>正在停止监控...</translation>
    </message>
    <message>
        <location line="+93"/>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The line is being searched for inverters. Please try again when the search has ended.</source>
        <translation>正在线路上搜索逆变器。请在搜索结束后重试。</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>Not ready</source>
        <translation>未就绪</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Ready for monitoring...</source>
        <translation>监控准备就绪...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Monitoring...</source>
        <translation>正在监控...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Searching for inverters...</source>
        <translation>正在搜索逆变器...</translation>
    </message>
</context>
<context>
    <name>MonitorTables</name>
    <message>
        <location filename="../src/device/monitortables.cpp" line="+115"/>
        <source>Sensor 1</source>
        <translation>传感器 1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sensor 2</source>
        <translation>传感器 2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sensor 3</source>
        <translation>传感器 3</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sensor 4</source>
        <translation>传感器 4</translation>
    </message>
</context>
<context>
    <name>MonitoringSession</name>
    <message>
        <location filename="../src/monitor/monitoringsession.cpp" line="+73"/>
        <location line="+11"/>
        <source>Error</source>
        <translation>错误</translation>
    </message>
    <message>
        <location line="-9"/>
        <source>COM%1 is not available!</source>
        <translation>串口 COM%1 不可用！</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Communication fail! Please check out your COM Port settings, then search inverters again.</source>
        <translation>通信失败！请检查串口设置，然后重新搜索逆变器。</translation>
    </message>
</context>
<context>
    <name>MqttConnection</name>
    <message>
        <location filename="../src/publish/mqttconnection.cpp" line="+112"/>
        <source>The MQTT broker at %1 does not answer.</source>
        <translation>位于 %1 的 MQTT 代理服务器没有响应。</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>The MQTT client could not be set up (out of memory).</source>
        <translation>无法创建 MQTT 客户端（内存不足）。</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>The CA file &quot;%1&quot; cannot be read.</source>
        <translation>无法读取 CA 文件“%1”。</translation>
    </message>
    <message>
        <location line="+53"/>
        <source>The connection to the MQTT broker at %1 was lost.</source>
        <translation>与位于 %1 的 MQTT 代理服务器的连接已断开。</translation>
    </message>
    <message>
        <location line="+146"/>
        <source>The MQTT broker &quot;%1&quot; cannot be found: there is no such host.</source>
        <translation>找不到 MQTT 代理服务器“%1”：没有这个主机。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The TLS connection to the MQTT broker at %1 failed: its certificate is not trusted (check the CA file and the host name) or it does not speak TLS on this port.</source>
        <translation>与位于 %1 的 MQTT 代理服务器的 TLS 连接失败：其证书不受信任（请检查 CA 文件和主机名），或此端口不使用 TLS。</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The MQTT broker at %1 refuses connections: is it running, and is the port right?</source>
        <translation>位于 %1 的 MQTT 代理服务器拒绝连接：它是否在运行？端口是否正确？</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The MQTT broker at %1 cannot be reached: %2.</source>
        <translation>无法连接到位于 %1 的 MQTT 代理服务器：%2。</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The MQTT broker at %1 closed the connection before it was set up.</source>
        <translation>位于 %1 的 MQTT 代理服务器在连接建立前关闭了连接。</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The connection to the MQTT broker at %1 failed: %2</source>
        <translation>与位于 %1 的 MQTT 代理服务器连接失败：%2</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The MQTT broker at %1 refused the client id &quot;%2&quot;.</source>
        <translation>位于 %1 的 MQTT 代理服务器拒绝了客户端 ID“%2”。</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The MQTT broker at %1 refused the connection without a login: please enter a user name and password.</source>
        <translation>位于 %1 的 MQTT 代理服务器拒绝未登录的连接：请输入用户名和密码。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The MQTT broker at %1 refused the login of &quot;%2&quot;: wrong user name or password, or the user may not connect.</source>
        <translation>位于 %1 的 MQTT 代理服务器拒绝了“%2”的登录：用户名或密码错误，或该用户不允许连接。</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The MQTT broker at %1 refused the connection: %2</source>
        <translation>位于 %1 的 MQTT 代理服务器拒绝了连接：%2</translation>
    </message>
</context>
<context>
    <name>MqttDialog</name>
    <message>
        <location filename="../src/ui/dialogs/mqttdialog.cpp" line="+85"/>
        <source>Topics: %1, %2, %3.</source>
        <translation>主题：%1、%2、%3。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Home Assistant finds the inverters under %1/sensor/.</source>
        <translation>Home Assistant 会在 %1/sensor/ 下找到逆变器。</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>CA file</source>
        <translation>CA 文件</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Certificates (*.pem *.crt *.cer);;All files (*)</source>
        <translation>证书 (*.pem *.crt *.cer);;所有文件 (*)</translation>
    </message>
    <message>
        <location line="+11"/>
        <location line="+27"/>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <location line="-3"/>
        <source>Info</source>
        <translation>信息</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Connected to the MQTT broker at %1.</source>
        <translation>已连接到位于 %1 的 MQTT 代理服务器。</translation>
    </message>
</context>
<context>
    <name>MqttDialogClass</name>
    <message>
        <location filename="../src/ui/dialogs/mqttdialog.ui" line="+6"/>
        <source>MQTT</source>
        <translation>MQTT</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Publish every polling cycle to an MQTT broker</source>
        <translation>将每个轮询周期发布到 MQTT 代理服务器</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Broker host:</source>
        <translation>代理服务器主机：</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Port:</source>
        <translation>端口：</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>User:</source>
        <translation>用户：</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Password:</source>
        <translation>密码：</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Client id:</source>
        <translation>客户端 ID：</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Topic prefix:</source>
        <translation>主题前缀：</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>QoS:</source>
        <translation>QoS：</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>0: at most once</source>
        <translation>0：最多一次</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>1: at least once</source>
        <translation>1：至少一次</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>2: exactly once</source>
        <translation>2：恰好一次</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Home Assistant discovery prefix:</source>
        <translation>Home Assistant 发现前缀：</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>empty: no discovery</source>
        <translation>留空：不使用发现</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Retain the state messages for newcomers</source>
        <translation>为新订阅者保留状态消息 (retain)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>TLS (the broker&apos;s certificate is always verified)</source>
        <translation>TLS（始终验证代理服务器的证书）</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>CA file:</source>
        <translation>CA 文件：</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>trusted besides the system&apos;s certificates</source>
        <translation>除系统证书外另行信任</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>&amp;Test connection</source>
        <translation>测试连接(&amp;T)</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>&amp;OK</source>
        <translation>确定(&amp;O)</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>&amp;Cancel</source>
        <translation>取消(&amp;C)</translation>
    </message>
</context>
<context>
    <name>MqttSettings</name>
    <message>
        <location filename="../src/publish/mqttsettings.cpp" line="+62"/>
        <source>Please enter the host name or address of the MQTT broker.</source>
        <translation>请输入 MQTT 代理服务器的主机名或地址。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The MQTT port must be a number from 1 to 65535.</source>
        <translation>MQTT 端口必须是 1 到 65535 之间的数字。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The MQTT QoS must be 0, 1 or 2.</source>
        <translation>MQTT QoS 必须是 0、1 或 2。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Please enter an MQTT client id.</source>
        <translation>请输入 MQTT 客户端 ID。</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Topic prefixes must not be empty or contain &quot;+&quot; or &quot;#&quot;.</source>
        <translation>主题前缀不能为空，也不能包含“+”或“#”。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>A password needs a user name.</source>
        <translation>密码需要搭配用户名。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The CA file &quot;%1&quot; cannot be read.</source>
        <translation>无法读取 CA 文件“%1”。</translation>
    </message>
</context>
<context>
    <name>PageOutput</name>
    <message>
        <location filename="../src/ui/pageoutput.cpp" line="+16"/>
        <source>Print Document</source>
        <translation>打印文档</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Save File</source>
        <translation>保存文件</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Images (*.bmp *.jpg)</source>
        <translation>图像文件 (*.bmp *.jpg)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Info</source>
        <translation>信息</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Save OK.</source>
        <translation>保存成功。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Error</source>
        <translation>错误</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Can not save image file!</source>
        <translation>无法保存图像文件！</translation>
    </message>
</context>
<context>
    <name>ParamTables</name>
    <message>
        <location filename="../src/device/paramtables.cpp" line="+266"/>
        <source>Language (LCD)</source>
        <translation>LCD 语言</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Alarm</source>
        <translation>告警</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>N/A</source>
        <translation>无</translation>
    </message>
</context>
<context>
    <name>ParameterView</name>
    <message>
        <location filename="../src/ui/views/parameterview.ui" line="+9"/>
        <source>Parameters</source>
        <translation>参数</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Parameter Name</source>
        <translation>参数名称</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Value</source>
        <translation>数值</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Input new value:</source>
        <translation>输入新值：</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Range:</source>
        <translation>范围：</translation>
    </message>
    <message>
        <location filename="../src/ui/views/parameterview.cpp" line="+135"/>
        <source>Error</source>
        <translation>错误</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>The value is not valid!</source>
        <translation>数值无效！</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>Setting parameter, please waiting...</source>
        <translation>正在设置参数，请稍候...</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Save fail.</source>
        <translation>保存失败。</translation>
    </message>
    <message>
        <location line="-1"/>
        <source>continue to monitoring, please waiting...</source>
        <translation>正在继续监控，请稍候...</translation>
    </message>
</context>
<context>
    <name>PortRefusal</name>
    <message>
        <location filename="../src/monitor/portrefusal.cpp" line="+30"/>
        <source>COM%1 (%2) is there, but this user may not open it. Add the user to the dialout group (sudo adduser %3 dialout), then log out and in again.</source>
        <translation>COM%1 (%2) 存在，但当前用户无权打开。请将该用户加入 dialout 组 (sudo adduser %3 dialout)，然后注销并重新登录。</translation>
    </message>
</context>
<context>
    <name>QAbout</name>
    <message>
        <location filename="../src/ui/dialogs/qabout.cpp" line="+18"/>
        <source>set by LUMORA_HOME</source>
        <translation>由 LUMORA_HOME 指定</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the program&apos;s own folder</source>
        <translation>程序自身的文件夹</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>your data folder</source>
        <translation>您的数据文件夹</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Version %1</source>
        <translation>版本 %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&lt;b&gt;Supported inverters:&lt;/b&gt; the Lumora families %1, among them the models %2; up to four Modbus RTU sensors on the same line.</source>
        <translation>&lt;b&gt;支持的逆变器：&lt;/b&gt;Lumora %1 系列，其中包括型号 %2；同一条串行总线上最多可连接四个 Modbus RTU 传感器。</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&lt;b&gt;Built with:&lt;/b&gt; Qt %1, Qwt %2, SQLite %3.</source>
        <translation>&lt;b&gt;使用的库：&lt;/b&gt;Qt %1、Qwt %2、SQLite %3。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&lt;b&gt;Application directory:&lt;/b&gt; %1 (%2)</source>
        <translation>&lt;b&gt;应用程序目录：&lt;/b&gt; %1 (%2)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&lt;b&gt;Icons:&lt;/b&gt; Silk icon set by Mark James, &lt;a href=&quot;http://www.famfamfam.com/lab/icons/silk/&quot;&gt;famfamfam.com&lt;/a&gt;, licensed under the &lt;a href=&quot;https://creativecommons.org/licenses/by/2.5/&quot;&gt;Creative Commons Attribution 2.5&lt;/a&gt; licence (Debian package famfamfam-silk). Flag icons by Mark James, &lt;a href=&quot;http://www.famfamfam.com/lab/icons/flags/&quot;&gt;famfamfam.com&lt;/a&gt; (Debian package famfamfam-flag-png).</source>
        <translation>&lt;b&gt;图标：&lt;/b&gt;Silk 图标集，作者 Mark James，&lt;a href=&quot;http://www.famfamfam.com/lab/icons/silk/&quot;&gt;famfamfam.com&lt;/a&gt;，采用 &lt;a href=&quot;https://creativecommons.org/licenses/by/2.5/&quot;&gt;Creative Commons Attribution 2.5&lt;/a&gt; 许可协议（Debian 软件包 famfamfam-silk）。国旗图标作者 Mark James，&lt;a href=&quot;http://www.famfamfam.com/lab/icons/flags/&quot;&gt;famfamfam.com&lt;/a&gt;（Debian 软件包 famfamfam-flag-png）。</translation>
    </message>
</context>
<context>
    <name>QAboutClass</name>
    <message>
        <location filename="../src/ui/dialogs/qabout.ui" line="+6"/>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <location line="+88"/>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>QBackgroundDlg</name>
    <message>
        <location filename="../src/ui/dialogs/qbackgrounddlg.cpp" line="+110"/>
        <source>Select Image File</source>
        <translation>选择图像文件</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Image Files (*.png *.jpg *.bmp)</source>
        <translation>图像文件 (*.png *.jpg *.bmp)</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+4"/>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <location line="-4"/>
        <source>This file name exists already.</source>
        <translation>该文件名已存在。</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Can not copy the image file.</source>
        <translation>无法复制图像文件。</translation>
    </message>
</context>
<context>
    <name>QBackgroundDlgClass</name>
    <message>
        <location filename="../src/ui/dialogs/qbackgrounddlg.ui" line="+6"/>
        <source>Background Graphics</source>
        <translation>背景图片</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Graphics List</source>
        <translation>图片列表</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Background pictures</source>
        <translation>背景图片</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Add external image</source>
        <translation>添加外部图片</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Clear Background</source>
        <translation>清除背景</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Apply</source>
        <translation>应用</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>QBurnSearch</name>
    <message>
        <location filename="../src/monitor/qburnsearch.cpp" line="+64"/>
        <source>Confirm</source>
        <translation>确认</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Auto change the duplicate Inverter ID?</source>
        <translation>是否自动修改重复的逆变器 ID？</translation>
    </message>
</context>
<context>
    <name>QConfigWizard</name>
    <message>
        <location filename="../src/ui/dialogs/qconfigwizard.cpp" line="+109"/>
        <source>Not found</source>
        <translation>未找到</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>No inverters found</source>
        <translation>未找到逆变器</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Error</source>
        <translation>错误</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>This COM port is not available</source>
        <translation>该串口不可用</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>%1 inverters found.</source>
        <translation>找到 %1 台逆变器。</translation>
    </message>
</context>
<context>
    <name>QConfigWizardClass</name>
    <message>
        <location filename="../src/ui/dialogs/qconfigwizard.ui" line="+14"/>
        <source>Configuration Wizard</source>
        <translation>配置向导</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Introduction</source>
        <translation>简介</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Welcome to use the configuration wizard. This wizard will help you to set up the Lumora Data Manager.</source>
        <translation>欢迎使用配置向导。本向导将帮助您设置 Lumora Data Manager。</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Serial Port Settings:</source>
        <translation>串口设置：</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>COM Port:</source>
        <translation>串口：</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Refresh</source>
        <translation>刷新</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Baudrate:</source>
        <translation>波特率：</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Search  for inverters</source>
        <translation>搜索逆变器</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>You can search inverters using the previous settings now.</source>
        <translation>现在可以使用上一步的设置搜索逆变器。</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Search for inverters:</source>
        <translation>搜索逆变器：</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Search </source>
        <translation>搜索 </translation>
    </message>
    <message>
        <location line="+38"/>
        <source>0 inverters found.</source>
        <translation>找到 0 台逆变器。</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Auto search:</source>
        <translation>自动搜索：</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Minutes between automatic searches</source>
        <translation>自动搜索间隔分钟数</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>minutes</source>
        <translation>分钟</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Change duplicate inverter IDs in automatic searches</source>
        <translation>自动搜索时修改重复的逆变器 ID</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Congratulation!</source>
        <translation>恭喜！</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>You have completed the wizard, you can start monitoring right now.</source>
        <translation>您已完成配置向导，现在即可开始监控。</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Start monitoring now</source>
        <translation>立即开始监控</translation>
    </message>
</context>
<context>
    <name>QDiagnosticsClass</name>
    <message>
        <location filename="../src/ui/dialogs/qdiagnostics.ui" line="+17"/>
        <source>Direct Command</source>
        <translation>直接命令</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Command</source>
        <translation>命令</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Slave Addr</source>
        <translation>从站地址</translation>
    </message>
    <message>
        <location line="+13"/>
        <location line="+26"/>
        <location line="+26"/>
        <location line="+19"/>
        <location line="+26"/>
        <location line="+19"/>
        <source>&gt;HH;_</source>
        <translation>&gt;HH;_</translation>
    </message>
    <message>
        <location line="-113"/>
        <location line="+71"/>
        <location line="+45"/>
        <source>01</source>
        <translation>01</translation>
    </message>
    <message>
        <location line="-106"/>
        <source>Function Code</source>
        <translation>功能码</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>03</source>
        <translation>03</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Data Address</source>
        <translation>数据地址</translation>
    </message>
    <message>
        <location line="+16"/>
        <location line="+45"/>
        <source>00</source>
        <translation>00</translation>
    </message>
    <message>
        <location line="-16"/>
        <source>Data Length</source>
        <translation>数据长度</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>Send</source>
        <translation>发送</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Output command:</source>
        <translation>发送的命令：</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Response message:</source>
        <translation>响应报文：</translation>
    </message>
</context>
<context>
    <name>QFontSettingsClass</name>
    <message>
        <location filename="../src/ui/dialogs/qfontsettings.ui" line="+6"/>
        <source>Fonts and Colors</source>
        <translation>字体和颜色</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Title:</source>
        <translation>标题：</translation>
    </message>
    <message>
        <location line="+7"/>
        <location line="+34"/>
        <location line="+28"/>
        <source>font...</source>
        <translation>字体...</translation>
    </message>
    <message>
        <location line="-55"/>
        <location line="+34"/>
        <location line="+28"/>
        <source>color...</source>
        <translation>颜色...</translation>
    </message>
    <message>
        <location line="-49"/>
        <location line="+28"/>
        <location line="+28"/>
        <source>Sample</source>
        <translation>示例</translation>
    </message>
    <message>
        <location line="-49"/>
        <source>Information:</source>
        <translation>信息：</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Message:</source>
        <translation>消息：</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>QLogData</name>
    <message>
        <location filename="../src/history/qlogdata.cpp" line="+171"/>
        <source>Time</source>
        <translation>时间</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>SN_Name</source>
        <translation>序列号</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>State</source>
        <translation>状态</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Err%1</source>
        <translation>错误%1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>N/A</source>
        <translation>无</translation>
    </message>
</context>
<context>
    <name>QMainViewConfig</name>
    <message>
        <location filename="../src/ui/dialogs/qmainviewconfig.cpp" line="+146"/>
        <source>Start/Stop Record Time</source>
        <translation>开始/停止记录时间</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The Settings of start record time and stop record time is error!</source>
        <translation>开始记录时间和停止记录时间的设置有误！</translation>
    </message>
</context>
<context>
    <name>QMainViewConfigClass</name>
    <message>
        <location filename="../src/ui/dialogs/qmainviewconfig.ui" line="+6"/>
        <source>Main View Configuration</source>
        <translation>主界面配置</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Main View </source>
        <translation>主界面 </translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Save interval</source>
        <translation>保存间隔</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>minutes</source>
        <translation>分钟</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>CO2/kWh </source>
        <translation>CO2 减排系数 </translation>
    </message>
    <message>
        <location line="+23"/>
        <source>kg / kWh</source>
        <translation>kg / kWh</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>System record time</source>
        <translation>系统记录时间</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Automatic</source>
        <translation>自动</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Manual</source>
        <translation>手动</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Start record time:</source>
        <translation>开始记录时间：</translation>
    </message>
    <message>
        <location line="+17"/>
        <location line="+27"/>
        <source>o&apos;clock</source>
        <translation>点</translation>
    </message>
    <message>
        <location line="-17"/>
        <source>Stop record time:</source>
        <translation>停止记录时间：</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Earning Settings</source>
        <translation>收益设置</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Earning:</source>
        <translation>收益：</translation>
    </message>
    <message>
        <location line="+29"/>
        <source> / kWh</source>
        <translation> / kWh</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Message Display:</source>
        <translation>消息显示：</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Title Display:</source>
        <translation>标题显示：</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Advanced Settings</source>
        <translation>高级设置</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Select All</source>
        <translation>全选</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Clear All</source>
        <translation>全部清除</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Default</source>
        <translation>默认</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>&lt;b&gt;Arrangement: (press mouse to move)&lt;/b&gt;</source>
        <translation>&lt;b&gt;排列：(按住鼠标拖动)&lt;/b&gt;</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Arrangement</source>
        <translation>排列</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Click and Move</source>
        <translation>点击并拖动</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Default Sequence</source>
        <translation>默认顺序</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Apply</source>
        <translation>应用</translation>
    </message>
</context>
<context>
    <name>QMyTreeWidget</name>
    <message>
        <location filename="../src/ui/views/qmytreewidget.cpp" line="+27"/>
        <location line="+1"/>
        <source>Inverters</source>
        <translation>逆变器</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>You can use &apos;Drag and Drop&apos; to move inverter to the group.</source>
        <translation>可以通过“拖放”将逆变器移动到分组中。</translation>
    </message>
    <message>
        <location line="+89"/>
        <source>UnGrouped</source>
        <translation>未分组</translation>
    </message>
</context>
<context>
    <name>QPassword</name>
    <message>
        <location filename="../src/ui/dialogs/qpassword.cpp" line="+32"/>
        <source>Error</source>
        <translation>错误</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Password is wrong</source>
        <translation>密码错误</translation>
    </message>
</context>
<context>
    <name>QPasswordClass</name>
    <message>
        <location filename="../src/ui/dialogs/qpassword.ui" line="+14"/>
        <location line="+6"/>
        <source>Password</source>
        <translation>密码</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>QProgessClass</name>
    <message>
        <location filename="../src/ui/qprogresswin.ui" line="+14"/>
        <source>Progressing...</source>
        <translation>正在处理...</translation>
    </message>
</context>
<context>
    <name>QSensorSettings</name>
    <message>
        <location filename="../src/ui/dialogs/qsensorsettings.cpp" line="+120"/>
        <source>No response</source>
        <translation>无响应</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Register Value(HEX: Lo-Hi)</source>
        <translation>寄存器值 (HEX: 低-高)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Register Value(HEX: Hi-Lo)</source>
        <translation>寄存器值 (HEX: 高-低)</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Append CRC...</source>
        <translation>附加 CRC...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Although Modbus protocol defines the CRC part of RTU to low byte first, High byte after, but some devices require Modbus RTU messages that appends CRC high byte first. If so, please check this to enable this kind of behavior.</source>
        <translation>虽然 Modbus 协议规定 RTU 报文的 CRC 部分低字节在前、高字节在后，但有些设备要求 Modbus RTU 报文先附加 CRC 高字节。如果是这种情况，请勾选此项以启用这种方式。</translation>
    </message>
    <message>
        <location line="-64"/>
        <location line="+80"/>
        <location line="+11"/>
        <source>Error</source>
        <translation>错误</translation>
    </message>
    <message>
        <location line="-145"/>
        <source>Line: %1, %2 baud</source>
        <translation>线路：%1，%2 波特</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Line: no port set</source>
        <translation>线路：未设置串口</translation>
    </message>
    <message>
        <location line="+134"/>
        <source>Please input the header field.</source>
        <translation>请输入标题字段。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please input the unit field.</source>
        <translation>请输入单位字段。</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Can not add new record.</source>
        <translation>无法添加新记录。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Info</source>
        <translation>信息</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Save OK</source>
        <translation>保存成功</translation>
    </message>
</context>
<context>
    <name>QSensorSettingsClass</name>
    <message>
        <location filename="../src/ui/dialogs/qsensorsettings.ui" line="+14"/>
        <source>Sensor Settings</source>
        <translation>传感器设置</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Settings</source>
        <translation>设置</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Step 1: Query one register</source>
        <translation>第 1 步：查询一个寄存器</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+216"/>
        <source>Slave address</source>
        <translation>从站地址</translation>
    </message>
    <message>
        <location line="-209"/>
        <location line="+216"/>
        <location line="+338"/>
        <source>Function</source>
        <translation>功能码</translation>
    </message>
    <message>
        <location line="-547"/>
        <source>Starting address</source>
        <translation>起始地址</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Number of registers</source>
        <translation>寄存器数量</translation>
    </message>
    <message>
        <location line="+13"/>
        <location line="+40"/>
        <location line="+19"/>
        <location line="+23"/>
        <location line="+19"/>
        <source>&gt;HH;_</source>
        <translation>&gt;HH;_</translation>
    </message>
    <message>
        <location line="-98"/>
        <location line="+40"/>
        <location line="+42"/>
        <source>00</source>
        <translation>00</translation>
    </message>
    <message>
        <location line="-63"/>
        <source>03</source>
        <translation>03</translation>
    </message>
    <message>
        <location line="+40"/>
        <location line="+42"/>
        <source>01</source>
        <translation>01</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Query</source>
        <translation>查询</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>CRC high byte append first</source>
        <translation>先附加 CRC 高字节</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>?</source>
        <translation>?</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>Step 2: Response</source>
        <translation>第 2 步：响应</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Byte Count</source>
        <translation>字节数</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Register Value(HEX: Hi-Lo)</source>
        <translation>寄存器值 (HEX: 高-低)</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>Register value(DEC)</source>
        <translation>寄存器值 (DEC)</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Low byte first</source>
        <translation>低字节在前</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Step 3: Operation</source>
        <translation>第 3 步：运算</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Register value</source>
        <translation>寄存器值</translation>
    </message>
    <message>
        <location line="+7"/>
        <location line="+274"/>
        <source>Operator</source>
        <translation>运算符</translation>
    </message>
    <message>
        <location line="-267"/>
        <location line="+272"/>
        <source>Factor</source>
        <translation>系数</translation>
    </message>
    <message>
        <location line="-265"/>
        <source>After operation(DEC)</source>
        <translation>运算结果 (DEC)</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>*</source>
        <translation>*</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>/</source>
        <translation>/</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>+</source>
        <translation>+</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>-</source>
        <translation>-</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Operate</source>
        <translation>计算</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Step 4: Save</source>
        <translation>第 4 步：保存</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+190"/>
        <source>Header</source>
        <translation>标题</translation>
    </message>
    <message>
        <location line="-180"/>
        <location line="+185"/>
        <source>Unit</source>
        <translation>单位</translation>
    </message>
    <message>
        <location line="-174"/>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>W/m2</source>
        <translation>W/m2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>°C</source>
        <translation>°C</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>℉</source>
        <translation>℉</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>W</source>
        <translation>W</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>kW</source>
        <translation>kW</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>kWh</source>
        <translation>kWh</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>°</source>
        <translation>°</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>m/s</source>
        <translation>m/s</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>mA</source>
        <translation>mA</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>A</source>
        <translation>A</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>V</source>
        <translation>V</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <location line="+31"/>
        <location line="+113"/>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <location line="-100"/>
        <source>View all</source>
        <translation>查看全部</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Saved sensors</source>
        <translation>已保存的传感器</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Slave</source>
        <translation>从站</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Start Hi</source>
        <translation>起始地址高字节</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Start Lo</source>
        <translation>起始地址低字节</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Regs Hi</source>
        <translation>寄存器数高字节</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Regs Lo</source>
        <translation>寄存器数低字节</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
</context>
<context>
    <name>QViewSizeClass</name>
    <message>
        <location filename="../src/ui/dialogs/qviewsize.ui" line="+21"/>
        <source>View Size Settings</source>
        <translation>视图尺寸设置</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Title:</source>
        <translation>标题：</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>    pixel</source>
        <translation>    像素</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Information</source>
        <translation>信息</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Expanding</source>
        <translation>自动扩展</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Message:</source>
        <translation>消息：</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>   pixel</source>
        <translation>   像素</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Default</source>
        <translation>默认</translation>
    </message>
</context>
<context>
    <name>QalarmConfig</name>
    <message>
        <location filename="../src/ui/dialogs/qalarmconfig.cpp" line="+144"/>
        <source>N/A</source>
        <translation>不适用</translation>
    </message>
    <message>
        <location line="+84"/>
        <source>Add recipient</source>
        <translation>添加收件人</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Email address:</source>
        <translation>电子邮件地址：</translation>
    </message>
</context>
<context>
    <name>QalarmConfigClass</name>
    <message>
        <location filename="../src/ui/dialogs/qalarmconfig.ui" line="+6"/>
        <source>Alarm Configuration</source>
        <translation>告警配置</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Mail Settings</source>
        <translation>邮件设置</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Mail account</source>
        <translation>邮件账户</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Account:</source>
        <translation>账户：</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Password:</source>
        <translation>密码：</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Mail server:</source>
        <translation>邮件服务器：</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>smtp.example.com</source>
        <translation>smtp.example.com</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Port:</source>
        <translation>端口：</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Encryption:</source>
        <translation>加密：</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>None</source>
        <translation>无</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>Sender:</source>
        <translation>发件人：</translation>
    </message>
    <message>
        <location line="+13"/>
        <location line="+6"/>
        <source>Recipients</source>
        <translation>收件人</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Add...</source>
        <translation>添加...</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Test Connection</source>
        <translation>测试连接</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Send Test Mail</source>
        <translation>发送测试邮件</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Apply</source>
        <translation>应用</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Error Codes</source>
        <translation>错误代码</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Inverter type:</source>
        <translation>逆变器类型：</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>Error code:</source>
        <translation>错误代码：</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Error Code 1</source>
        <translation>错误代码 1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Error Code 2</source>
        <translation>错误代码 2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Error Code 3</source>
        <translation>错误代码 3</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Error Code 4</source>
        <translation>错误代码 4</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Send an alarm mail for these errors</source>
        <translation>发生以下错误时发送告警邮件</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Select All</source>
        <translation>全选</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Clear All</source>
        <translation>全部清除</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Events</source>
        <translation>事件</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Inverter states</source>
        <translation>逆变器状态</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Inverter states (M83)</source>
        <translation>逆变器状态 (M83)</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
</context>
<context>
    <name>RealTimeDisplay</name>
    <message>
        <location filename="../src/ui/views/realtimedisplay.cpp" line="+166"/>
        <source>Total Yield(Eac)</source>
        <translation>总发电量 (Eac)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Total Yield</source>
        <translation>总发电量</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+2"/>
        <source>Total Output Time</source>
        <translation>总输出时间</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Output power</source>
        <translation>输出功率</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Output voltage</source>
        <translation>输出电压</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Output current</source>
        <translation>输出电流</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Output frequency</source>
        <translation>输出频率</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+2"/>
        <source>DC Power</source>
        <translation>直流功率</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DC Voltage</source>
        <translation>直流电压</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DC Current</source>
        <translation>直流电流</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Total input energy</source>
        <translation>总输入电量</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Output time today</source>
        <translation>今日输出时间</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Heatsink temperature</source>
        <translation>散热器温度</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>AC impedance</source>
        <translation>交流阻抗</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Trip voltage</source>
        <translation>电压保护阈值</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Trip frequency</source>
        <translation>频率保护阈值</translation>
    </message>
</context>
<context>
    <name>RealTimeView</name>
    <message>
        <location filename="../src/ui/views/realtimeview.ui" line="+11"/>
        <source>UP</source>
        <translation>上移</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Down</source>
        <translation>下移</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Add Group</source>
        <translation>添加分组</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Del Inverter</source>
        <translation>删除逆变器</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Del Group</source>
        <translation>删除分组</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Information</source>
        <translation>信息</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Gropu name:</source>
        <translation>分组名称：</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Device type:</source>
        <translation>设备类型：</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Device S/N:</source>
        <translation>设备序列号：</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Devie address:</source>
        <translation>设备地址：</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>DSP1 version:</source>
        <translation>DSP1 版本：</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>DSP2 version:</source>
        <translation>DSP2 版本：</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Line health</source>
        <translation>线路状态</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Link quality:</source>
        <translation>连接质量：</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Exchanges:</source>
        <translation>交换次数：</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Timeouts:</source>
        <translation>超时：</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>CRC errors:</source>
        <translation>CRC 错误：</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Short replies:</source>
        <translation>应答过短：</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Wrong address / function / length:</source>
        <translation>地址 / 功能 / 长度错误：</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Round trip:</source>
        <translation>往返时间：</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Real time display</source>
        <translation>实时显示</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Real time values</source>
        <translation>实时数值</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Parameter Name</source>
        <translation>参数名称</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Value</source>
        <translation>数值</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Status code:</source>
        <translation>状态代码：</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Error Code 1:</source>
        <translation>错误代码 1：</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Error Code 1</source>
        <translation>错误码 1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Error Code 2:</source>
        <translation>错误代码 2：</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Error Code 2</source>
        <translation>错误码 2</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Error Code 3:</source>
        <translation>错误代码 3：</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Error Code 3</source>
        <translation>错误码 3</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Error Code 4:</source>
        <translation>错误代码 4：</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Error Code 4</source>
        <translation>错误码 4</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Parameter configuration for devices</source>
        <translation>设备参数配置</translation>
    </message>
    <message>
        <location filename="../src/ui/views/realtimeview.cpp" line="+109"/>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Below 95 %: check the cable, its terminator and the inverter&apos;s transceiver.</source>
        <translation>低于 95 %：请检查电缆、终端电阻及逆变器的收发器。</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 (%2 right on the first try, %3 after a retry)</source>
        <translation>%1（%2 次首次即正确，%3 次重试后成功）</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1 ms; mean %2 ms, 95 % within %3 ms</source>
        <translation>%1 ms；平均 %2 ms，95 % 在 %3 ms 内</translation>
    </message>
    <message>
        <location line="+60"/>
        <source>add Group</source>
        <translation>添加分组</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Group name:</source>
        <translation>分组名称：</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Lumora Data Manager</source>
        <translation>Lumora Data Manager</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>This group name existed!</source>
        <translation>该分组名称已存在！</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Add fail!</source>
        <translation>添加失败！</translation>
    </message>
    <message>
        <location line="+9"/>
        <location line="+18"/>
        <source>Confirm</source>
        <translation>确认</translation>
    </message>
    <message>
        <location line="-18"/>
        <source>Delete this group and all children?</source>
        <translation>确定删除该分组及其所有子项吗？</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Inverter</source>
        <translation>逆变器</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Delete this inverter?</source>
        <translation>确定删除该逆变器吗？</translation>
    </message>
</context>
<context>
    <name>SearchInverterFrm</name>
    <message>
        <location filename="../src/ui/dialogs/searchinverterfrm.cpp" line="+74"/>
        <location line="+94"/>
        <source>%1 inverters found.</source>
        <translation>找到 %1 台逆变器。</translation>
    </message>
    <message>
        <location line="-60"/>
        <location line="+9"/>
        <source>Error</source>
        <translation>错误</translation>
    </message>
    <message>
        <location line="-7"/>
        <source>COM%1 is not available! The saved inverters are kept.</source>
        <translation>串口 COM%1 不可用！已保留保存的逆变器。</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>COM%1 failed during the search (hang-up or I/O error). The saved inverters are kept.</source>
        <translation>搜索期间串口 COM%1 出现故障（线路断开或 I/O 错误）。已保留保存的逆变器。</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Not found</source>
        <translation>未找到</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>No inverters found</source>
        <translation>未找到逆变器</translation>
    </message>
</context>
<context>
    <name>SearchInverterFrmClass</name>
    <message>
        <location filename="../src/ui/dialogs/searchinverterfrm.ui" line="+14"/>
        <source>Search Inverters</source>
        <translation>搜索逆变器</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Search for Inverters</source>
        <translation>搜索逆变器</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>0 inverters found.</source>
        <translation>找到 0 台逆变器。</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Automatically search for inverters:</source>
        <translation>自动搜索逆变器：</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Minutes between automatic searches</source>
        <translation>自动搜索间隔分钟数</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>minutes</source>
        <translation>分钟</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Change duplicate inverter IDs in automatic searches</source>
        <translation>自动搜索时修改重复的逆变器 ID</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Search</source>
        <translation>搜索</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>detail...</source>
        <translation>详细信息...</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Inverters found</source>
        <translation>找到的逆变器</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Addr</source>
        <translation>地址</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Serial Number</source>
        <translation>序列号</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <location filename="../src/app/startup.cpp" line="+24"/>
        <source>Error -- %1</source>
        <translation>错误 -- %1</translation>
    </message>
    <message>
        <location line="+59"/>
        <source>Database is broken, please reinstall the application!</source>
        <translation>数据库已损坏，请重新安装应用程序！</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Database init fail, please reinstall the application!</source>
        <translation>数据库初始化失败，请重新安装应用程序！</translation>
    </message>
    <message>
        <location line="+59"/>
        <source>Error</source>
        <translation>错误</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>No COM ports found in this computer!</source>
        <translation>在本计算机上未找到串口！</translation>
    </message>
</context>
<context>
    <name>StateTables</name>
    <message>
        <location filename="../src/device/statetables.cpp" line="+18"/>
        <location line="+15"/>
        <source>LCD Initialize mode</source>
        <translation>LCD 初始化模式</translation>
    </message>
    <message>
        <location line="-14"/>
        <source>Utility frequency detect mode</source>
        <translation>电网频率检测模式</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Renew mode</source>
        <translation>恢复模式</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Wait mode</source>
        <translation>等待模式</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Monitoring mode</source>
        <translation>监测模式</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Output mode</source>
        <translation>输出模式</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+17"/>
        <source>Fault mode</source>
        <translation>故障模式</translation>
    </message>
    <message>
        <location line="-16"/>
        <source>IDLE mode</source>
        <translation>空闲模式</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+17"/>
        <source>Default mode</source>
        <translation>默认模式</translation>
    </message>
    <message>
        <location line="-16"/>
        <location line="+17"/>
        <source>Stop mode</source>
        <translation>停机模式</translation>
    </message>
    <message>
        <location line="-16"/>
        <location line="+18"/>
        <source>Calibrate mode</source>
        <translation>校准模式</translation>
    </message>
    <message>
        <location line="-14"/>
        <source>Program Initialize mode</source>
        <translation>程序初始化模式</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Check Riso</source>
        <translation>检测 Riso</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Low Illumination mode</source>
        <translation>低光照模式</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Auto Test mode</source>
        <translation>自动测试模式</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Checking</source>
        <translation>检测中</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Count Down mode</source>
        <translation>倒计时模式</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Check Relay mode</source>
        <translation>继电器检测模式</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Grid/MPP mode</source>
        <translation>并网/MPP 模式</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Idle mode</source>
        <translation>空闲模式</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Upgrade Flash mode</source>
        <translation>Flash 升级模式</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Setting Parameter mode</source>
        <translation>参数设置模式</translation>
    </message>
</context>
</TS>
