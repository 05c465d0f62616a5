<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW" sourcelanguage="en">
<context>
    <name>CMain</name>
    <message>
        <location filename="../src/ui/cmain.cpp" line="+98"/>
        <source>Active: %1  </source>
        <translation>連線中: %1  </translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Preparing the history for the charts: %1 %</source>
        <translation>正在準備圖表的歷史資料: %1 %</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Error</source>
        <translation>錯誤</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please complete COM port settings first.</source>
        <translation>請先完成 COM 埠設定。</translation>
    </message>
    <message>
        <location line="+279"/>
        <source>Info</source>
        <translation>訊息</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>No data</source>
        <translation>沒有資料</translation>
    </message>
    <message>
        <location line="+152"/>
        <source>Confirm</source>
        <translation>確認</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Confirm to exit?</source>
        <translation>確定要結束程式嗎？</translation>
    </message>
    <message>
        <location filename="../src/ui/windowparts.cpp" line="+75"/>
        <source>Not ready</source>
        <translation>未就緒</translation>
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
        <translation>檢視</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Main</source>
        <translation>主畫面</translation>
    </message>
    <message>
        <location line="+43"/>
        <source>Monitoring state</source>
        <translation>監控狀態</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Not ready</source>
        <translation>未就緒</translation>
    </message>
    <message>
        <location line="+47"/>
        <source>Real time data</source>
        <translation>即時資料</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Key parameters</source>
        <translation>關鍵參數</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Graphical analysis</source>
        <translation>圖表分析</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Event list</source>
        <translation>事件清單</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Data logging</source>
        <translation>資料記錄</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Menu bar</source>
        <translation>功能表列</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>&amp;File</source>
        <translation>檔案(&amp;F)</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>&amp;Monitoring</source>
        <translation>監控(&amp;M)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&amp;View</source>
        <translation>檢視(&amp;V)</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>&amp;Configuration</source>
        <translation>設定(&amp;C)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Language</source>
        <translation>語言(&amp;L)</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>&amp;Window</source>
        <translation>視窗(&amp;W)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&amp;Help</source>
        <translation>說明(&amp;H)</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Tool bar</source>
        <translation>工具列</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>Language bar</source>
        <translation>語言列</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>&amp;Print</source>
        <translation>列印(&amp;P)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Export Image</source>
        <translation>匯出圖片(&amp;E)</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Export &amp;Data</source>
        <translation>匯出資料(&amp;D)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>E&amp;xit</source>
        <translation>結束(&amp;X)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Start Monitoring</source>
        <translation>開始監控(&amp;S)</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Stop &amp;Monitoring</source>
        <translation>停止監控(&amp;M)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;COM port</source>
        <translation>COM 埠(&amp;C)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Search Inverters</source>
        <translation>搜尋變流器(&amp;S)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Alarm</source>
        <translation>警報(&amp;A)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Background Graphics</source>
        <translation>背景圖片(&amp;B)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Main View Configuration</source>
        <translation>主畫面設定(&amp;M)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Main View Configuration</source>
        <translation>主畫面設定</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Sensor Settings</source>
        <translation>感測器設定(&amp;N)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>M&amp;QTT...</source>
        <translation>MQTT(&amp;Q)...</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Configuration &amp;Wizard</source>
        <translation>設定精靈(&amp;W)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Fonts and Colors</source>
        <translation>字型與色彩(&amp;F)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Main</source>
        <translation>主畫面(&amp;M)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Real time data</source>
        <translation>即時資料(&amp;R)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Key parameters</source>
        <translation>關鍵參數(&amp;K)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Graphical analysis</source>
        <translation>圖表分析(&amp;G)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Event list</source>
        <translation>事件清單(&amp;E)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Data logging</source>
        <translation>資料記錄(&amp;D)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Line health</source>
        <translation>線路狀態(&amp;L)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>List View</source>
        <translation>清單檢視</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Group View</source>
        <translation>群組檢視</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>User manual</source>
        <translation>使用手冊</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>&amp;About...</source>
        <translation>關於(&amp;A)...</translation>
    </message>
</context>
<context>
    <name>COMPortFrmClass</name>
    <message>
        <location filename="../src/ui/dialogs/comportfrm.ui" line="+14"/>
        <source>Serial Port Settings</source>
        <translation>序列埠設定</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Port:</source>
        <translation>連接埠:</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Refresh</source>
        <translation>重新整理</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Baudrate:</source>
        <translation>鮑率:</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Direct command</source>
        <translation>直接命令</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>OK</source>
        <translation>確定</translation>
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
        <translation>變流器</translation>
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
        <translation>日期範圍</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>From</source>
        <translation>從</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>To</source>
        <translation>至</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Base on</source>
        <translation>統計單位</translation>
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
        <translation>查詢</translation>
    </message>
    <message>
        <location filename="../src/ui/views/chartview.cpp" line="+105"/>
        <location line="+9"/>
        <source>Error</source>
        <translation>錯誤</translation>
    </message>
    <message>
        <location line="-9"/>
        <source>Date range error!</source>
        <translation>日期範圍錯誤！</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Click some one inverter first.</source>
        <translation>請先點選一台變流器。</translation>
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
        <translation>--&gt; 功率(W)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>--&gt; Month</source>
        <translation>--&gt; 月</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>--&gt; Day</source>
        <translation>--&gt; 日</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>--&gt; Hour</source>
        <translation>--&gt; 時</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Info</source>
        <translation>訊息</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Please query data first</source>
        <translation>請先查詢資料</translation>
    </message>
</context>
<context>
    <name>CsvFile</name>
    <message>
        <location filename="../src/history/csvfile.cpp" line="+12"/>
        <source>Save *.csv File</source>
        <translation>儲存 *.csv 檔案</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Excel (*.csv)</source>
        <translation>Excel (*.csv)</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>OK</source>
        <translation>完成</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Export OK</source>
        <translation>匯出成功</translation>
    </message>
</context>
<context>
    <name>DashboardFields</name>
    <message>
        <location filename="../src/ui/views/dashboardfields.cpp" line="+13"/>
        <source>Total Yield</source>
        <translation>總發電量</translation>
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
        <translation>CO2 減排量</translation>
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
        <translation>今日發電量</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Sensor %1</source>
        <translation>感測器 %1</translation>
    </message>
</context>
<context>
    <name>DataLogView</name>
    <message>
        <location filename="../src/ui/views/datalogview.ui" line="+14"/>
        <source>SN_Name:</source>
        <translation>序號/名稱:</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Month:</source>
        <translation>月份:</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Year:</source>
        <translation>年份:</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Query</source>
        <translation>查詢</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Readings</source>
        <translation>讀數</translation>
    </message>
    <message>
        <location filename="../src/ui/views/datalogview.cpp" line="+66"/>
        <source>info</source>
        <translation>訊息</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>No data found!</source>
        <translation>查無資料！</translation>
    </message>
</context>
<context>
    <name>ErrorTables</name>
    <message>
        <location filename="../src/device/errortables.cpp" line="+20"/>
        <location line="+140"/>
        <source>No AC voltage is detected on the grid side</source>
        <translation>未偵測到市電側的交流電壓</translation>
    </message>
    <message>
        <location line="-139"/>
        <location line="+70"/>
        <source>The AC voltage of mains utility is over the upper limit</source>
        <translation>市電交流電壓超過上限</translation>
    </message>
    <message>
        <location line="-69"/>
        <location line="+70"/>
        <source>The AC voltage of mains utility is under the lower limit</source>
        <translation>市電交流電壓低於下限</translation>
    </message>
    <message>
        <location line="-69"/>
        <location line="+70"/>
        <source>The frequency of AC voltage of the utility is over the upper limit</source>
        <translation>市電交流電壓頻率超過上限</translation>
    </message>
    <message>
        <location line="-69"/>
        <source>The frequence of AC voltage of the utility is under the lower limit</source>
        <translation>市電交流電壓頻率低於下限</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+70"/>
        <source>The AC impedance of the grid is out of range</source>
        <translation>電網交流阻抗超出範圍</translation>
    </message>
    <message>
        <location line="-69"/>
        <location line="+70"/>
        <source>The rate of change of the AC grid impedance is higher than setting value</source>
        <translation>電網交流阻抗變化率高於設定值</translation>
    </message>
    <message>
        <location line="-69"/>
        <location line="+70"/>
        <source>Islanding is detected</source>
        <translation>偵測到孤島效應</translation>
    </message>
    <message>
        <location line="-69"/>
        <source>The drastic change of the leakage current has been detected</source>
        <translation>偵測到漏電流劇烈變化</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The leakage current has exceeded a safe operating limit</source>
        <translation>漏電流已超過安全運轉限值</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+70"/>
        <source>Over DC current injected into the AC grid is detected</source>
        <translation>偵測到注入交流電網的直流電流過高</translation>
    </message>
    <message>
        <location line="-69"/>
        <location line="+70"/>
        <source>Over current on the AC side</source>
        <translation>交流側過電流</translation>
    </message>
    <message>
        <location line="-69"/>
        <location line="+70"/>
        <source>The internal temperature of the inverter exceeded the safe operating limit</source>
        <translation>變流器內部溫度超過安全運轉限值</translation>
    </message>
    <message>
        <location line="-69"/>
        <source>The DC  voltage of PV array is over the upper limit</source>
        <translation>太陽光電陣列直流電壓超過上限</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The DC  voltage of PV array is under the lower limit</source>
        <translation>太陽光電陣列直流電壓低於下限</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The insulation resistance between PV array and the ground is below the safe operating limit</source>
        <translation>太陽光電陣列對地絕緣阻抗低於安全運轉限值</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+70"/>
        <source>Internal DC bus voltage is over the upper limit</source>
        <translation>內部直流匯流排電壓超過上限</translation>
    </message>
    <message>
        <location line="-69"/>
        <location line="+70"/>
        <source>Internal DC bus voltage is under the lower limit</source>
        <translation>內部直流匯流排電壓低於下限</translation>
    </message>
    <message>
        <location line="-69"/>
        <source>Inverter temperature too low</source>
        <translation>變流器溫度過低</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+70"/>
        <location line="+2"/>
        <source>Bridge Relay test failed(L)</source>
        <translation>橋式繼電器測試失敗(L)</translation>
    </message>
    <message>
        <location line="-71"/>
        <location line="+70"/>
        <location line="+2"/>
        <source>Bridge Relay test failed(N)</source>
        <translation>橋式繼電器測試失敗(N)</translation>
    </message>
    <message>
        <location line="-71"/>
        <source>Network Relay test failed(L)</source>
        <translation>併網繼電器測試失敗(L)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Network Relay test failed(N)</source>
        <translation>併網繼電器測試失敗(N)</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+70"/>
        <source>Internal communication failed</source>
        <translation>內部通訊失敗</translation>
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
        <translation>N/A</translation>
    </message>
    <message>
        <location line="-178"/>
        <location line="+1"/>
        <location line="+17"/>
        <location line="+52"/>
        <location line="+1"/>
        <location line="+17"/>
        <source>Debug</source>
        <translation>除錯</translation>
    </message>
    <message>
        <location line="-85"/>
        <location line="+70"/>
        <source>External communication failed</source>
        <translation>外部通訊失敗</translation>
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
        <translation>L-N 接線錯誤</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+70"/>
        <source>The injection DC current exceeded the standard value</source>
        <translation>直流注入電流超過標準值</translation>
    </message>
    <message>
        <location line="-69"/>
        <source>The leakage current measurement selftest failed</source>
        <translation>漏電流量測自我測試失敗</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The leakage current measurement function failed</source>
        <translation>漏電流量測功能故障</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The insulation resistance measurement selftest failed</source>
        <translation>絕緣阻抗量測自我測試失敗</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+70"/>
        <source>Offset check for grid monitoring failed</source>
        <translation>電網監測的偏移量檢查失敗</translation>
    </message>
    <message>
        <location line="-69"/>
        <location line="+70"/>
        <source>The internal temperature sensor failed</source>
        <translation>內部溫度感測器故障</translation>
    </message>
    <message>
        <location line="-69"/>
        <source>Autotest fail</source>
        <translation>自動測試失敗</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delta CPU error, Fac, Vac, Idc, Zac, If, Riso</source>
        <translation>雙 CPU 量測值不一致, Fac, Vac, Idc, Zac, If, Riso</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+70"/>
        <source>Debug(GridNA in wait mode)</source>
        <translation>除錯(等待模式下無市電)</translation>
    </message>
    <message>
        <location line="-69"/>
        <location line="+70"/>
        <source>Debug(Grid out of range in wait mode)</source>
        <translation>除錯(等待模式下市電超出範圍)</translation>
    </message>
    <message>
        <location line="-69"/>
        <location line="+70"/>
        <source>No output current</source>
        <translation>無輸出電流</translation>
    </message>
    <message>
        <location line="-68"/>
        <location line="+70"/>
        <source>Over current of input current IpvA</source>
        <translation>輸入電流 IpvA 過電流</translation>
    </message>
    <message>
        <location line="-69"/>
        <source>Over current of input current IpvB</source>
        <translation>輸入電流 IpvB 過電流</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Over current of input current IpvC</source>
        <translation>輸入電流 IpvC 過電流</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+70"/>
        <source>AC grid impedance out of range, continuously</source>
        <translation>電網交流阻抗持續超出範圍</translation>
    </message>
    <message>
        <location line="-69"/>
        <source>The rate of change of aC grid impedance out of range, continuously</source>
        <translation>電網交流阻抗變化率持續超出範圍</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The drastic change of leakage current has been detected, continuously</source>
        <translation>持續偵測到漏電流劇烈變化</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The leakage current has exceeded a safe operationg limit, continuously</source>
        <translation>漏電流持續超過安全運轉限值</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+70"/>
        <source>AC over current, continuously</source>
        <translation>交流側持續過電流</translation>
    </message>
    <message>
        <location line="-69"/>
        <location line="+70"/>
        <location line="+69"/>
        <source>Relay test failed, continuously</source>
        <translation>繼電器測試持續失敗</translation>
    </message>
    <message>
        <location line="-138"/>
        <location line="+70"/>
        <source>Memory self test failed</source>
        <translation>記憶體自我測試失敗</translation>
    </message>
    <message>
        <location line="-69"/>
        <location line="+70"/>
        <source>Calibrate value is out of range</source>
        <translation>校正值超出範圍</translation>
    </message>
    <message>
        <location line="-69"/>
        <location line="+70"/>
        <source>Self test error(EEPROM data loss)</source>
        <translation>自我測試錯誤(EEPROM 資料遺失)</translation>
    </message>
    <message>
        <location line="-69"/>
        <location line="+70"/>
        <source>The firmware version error</source>
        <translation>韌體版本錯誤</translation>
    </message>
    <message>
        <location line="-69"/>
        <location line="+70"/>
        <source>Internal measurement comparison error or defective hardware</source>
        <translation>內部量測比對錯誤或硬體故障</translation>
    </message>
    <message>
        <location line="-69"/>
        <location line="+70"/>
        <source>Internal watchdog function triggered</source>
        <translation>內部看門狗功能已觸發</translation>
    </message>
    <message>
        <location line="-69"/>
        <location line="+70"/>
        <source>The system failed</source>
        <translation>系統故障</translation>
    </message>
    <message>
        <location line="-69"/>
        <location line="+70"/>
        <source>SPI test failed</source>
        <translation>SPI 測試失敗</translation>
    </message>
    <message>
        <location line="-69"/>
        <location line="+70"/>
        <location line="+66"/>
        <source>Calibration data is lost</source>
        <translation>校正資料遺失</translation>
    </message>
    <message>
        <location line="-132"/>
        <source>No  AC voltage is detected on the grid side</source>
        <translation>未偵測到市電側的交流電壓</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The frequency of AC voltage of the utility is under the lower limit</source>
        <translation>市電交流電壓頻率低於下限</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Auto test failed</source>
        <translation>自動測試失敗</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The internal temperature of the inverter is under the lower limit</source>
        <translation>變流器內部溫度低於下限</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The DC voltage of PV array is over the upper limit</source>
        <translation>太陽光電陣列直流電壓超過上限</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The DC voltage of PV array is under the lower limit</source>
        <translation>太陽光電陣列直流電壓低於下限</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DC/DC HW Failure</source>
        <translation>DC/DC 硬體故障</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>GFDI fault</source>
        <translation>GFDI 故障</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+29"/>
        <source>Ibuck over current</source>
        <translation>Ibuck 過電流</translation>
    </message>
    <message>
        <location line="-28"/>
        <source>MOV AC side fault</source>
        <translation>交流側 MOV 故障</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>MOV DC side fault</source>
        <translation>直流側 MOV 故障</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>FAN blocking</source>
        <translation>風扇卡住</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Vrms of L1-N out of maximum value</source>
        <translation>L1-N 的 Vrms 超過最大值</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Vrms of L1-N out of minimum value</source>
        <translation>L1-N 的 Vrms 低於最小值</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Vrms of L2-N out of maximum value</source>
        <translation>L2-N 的 Vrms 超過最大值</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Driver fault</source>
        <translation>驅動電路故障</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Vrms of L2-N out of minimum value</source>
        <translation>L2-N 的 Vrms 低於最小值</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delta CPU error Fac, Vac, Idc, Zac, If, Riso</source>
        <translation>雙 CPU 量測值不一致 Fac, Vac, Idc, Zac, If, Riso</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Input limit by Ibuck(average or peak</source>
        <translation>輸入受 Ibuck 限制(平均值或峰值)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Buck not work, Vdcbus not enough</source>
        <translation>Buck 未運作，Vdcbus 不足</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The rate of change of the AC grid impedance out of range, continuously</source>
        <translation>電網交流阻抗變化率持續超出範圍</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Driver fault, continuously</source>
        <translation>驅動電路持續故障</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>DC/DC H/W Failure, continuously</source>
        <translation>DC/DC 硬體持續故障</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>The AC voltage of utility grid is over the upper limit.</source>
        <translation>市電交流電壓超過上限。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The AC voltage of utility grid is under the lower limit.</source>
        <translation>市電交流電壓低於下限。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The frequency of AC voltage of the utility is over the upper limit.</source>
        <translation>市電交流電壓頻率超過上限。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The frequency of AC voltage of the utility is under the lower limit.</source>
        <translation>市電交流電壓頻率低於下限。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>One/Two phase disconnection.</source>
        <translation>一相或兩相斷線。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>L2, L3 reversed phase sequence.</source>
        <translation>L2、L3 相序反接。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Islanding is detected.</source>
        <translation>偵測到孤島效應。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The drastic change of the leakage current has been detected.</source>
        <translation>偵測到漏電流劇烈變化。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The leakage current has exceeded a safe operating limit.</source>
        <translation>漏電流已超過安全運轉限值。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Over DC current injected into the AC grid is detected.</source>
        <translation>偵測到注入交流電網的直流電流過高。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Over current on the grid side.</source>
        <translation>市電側過電流。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The AC current is over the upper limit.</source>
        <translation>交流電流超過上限。</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The insulation resistance between PV array and the ground is below the safe operating limit.</source>
        <translation>太陽光電陣列對地絕緣阻抗低於安全運轉限值。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The DC voltage of PV array is over the upper limit.</source>
        <translation>太陽光電陣列直流電壓超過上限。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Over current on the DC side.</source>
        <translation>直流側過電流。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Over power on the DC side.</source>
        <translation>直流側功率過高。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Internal DC bus voltage is over the upper limit.</source>
        <translation>內部直流匯流排電壓超過上限。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Internal DC bus voltage is below the lower limit.</source>
        <translation>內部直流匯流排電壓低於下限。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The internal temperature of the inverter exceeded the safe operating limit.</source>
        <translation>變流器內部溫度超過安全運轉限值。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Internal measurement comparison error or defective hardware.</source>
        <translation>內部量測比對錯誤或硬體故障。</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+38"/>
        <source>The system is failed.</source>
        <translation>系統故障。</translation>
    </message>
    <message>
        <location line="-37"/>
        <source>Auto test is failed</source>
        <translation>自動測試失敗</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The internal temperature of the inverter below the safe operating limit.</source>
        <translation>變流器內部溫度低於安全運轉限值。</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The output relay is open.</source>
        <translation>輸出繼電器無法閉合(開路)。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The output relay is short.</source>
        <translation>輸出繼電器無法斷開(短路)。</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+17"/>
        <source>The leakage current measurement device is failure.</source>
        <translation>漏電流量測裝置故障。</translation>
    </message>
    <message>
        <location line="-16"/>
        <source>Input current sensor is failure.</source>
        <translation>輸入電流感測器故障。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Output current sensor is failure.</source>
        <translation>輸出電流感測器故障。</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+16"/>
        <source>The DC injection current monitoring function failure.</source>
        <translation>直流注入電流監測功能故障。</translation>
    </message>
    <message>
        <location line="-15"/>
        <source>Internal communication is failed.</source>
        <translation>內部通訊失敗。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>EEPROM test failed. *waring message</source>
        <translation>EEPROM 測試失敗。*警告訊息</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <source>The fan is lock.  *waring message</source>
        <translation>風扇卡住。*警告訊息</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>External communication failed  *waring message</source>
        <translation>外部通訊失敗 *警告訊息</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Internal reference voltage failed, +1.5VA,+1.5VB.</source>
        <translation>內部參考電壓故障，+1.5VA、+1.5VB。</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Internal reference voltage failed, +1.5VA,+1.5VB</source>
        <translation>內部參考電壓故障，+1.5VA、+1.5VB</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The DC/DC converter is failure.</source>
        <translation>DC/DC 轉換器故障。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Hall sensor failed</source>
        <translation>霍爾感測器故障</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>EEPROM test failed</source>
        <translation>EEPROM 測試失敗</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The firmware version is not correct</source>
        <translation>韌體版本不正確</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Internal measurement comparison error or defective hardware, continuously</source>
        <translation>持續發生內部量測比對錯誤或硬體故障</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The mismatch of hardware MODEL setting and CPU setting.</source>
        <translation>硬體 MODEL 設定與 CPU 設定不符。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Internal communication test failed</source>
        <translation>內部通訊測試失敗</translation>
    </message>
</context>
<context>
    <name>EventListView</name>
    <message>
        <location filename="../src/ui/views/eventlistview.ui" line="+14"/>
        <source>SN_Name:</source>
        <translation>序號/名稱:</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Year:</source>
        <translation>年份:</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Month:</source>
        <translation>月份:</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Query</source>
        <translation>查詢</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Events</source>
        <translation>事件</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Date / Time</source>
        <translation>日期 / 時間</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>State</source>
        <translation>狀態</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Error_Code_1</source>
        <translation>錯誤碼 1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Error_Code_2</source>
        <translation>錯誤碼 2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Error_Code_3</source>
        <translation>錯誤碼 3</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Error_Code_4</source>
        <translation>錯誤碼 4</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Error description</source>
        <translation>錯誤說明</translation>
    </message>
    <message>
        <location filename="../src/ui/views/eventlistview.cpp" line="+66"/>
        <source>Info</source>
        <translation>訊息</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>No error events happened!</source>
        <translation>沒有發生任何錯誤事件！</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Error Code %1-&gt; </source>
        <translation>錯誤碼 %1-&gt; </translation>
    </message>
    <message>
        <location line="+3"/>
        <source>State code-&gt; </source>
        <translation>狀態碼-&gt; </translation>
    </message>
</context>
<context>
    <name>KeyParameterCodes</name>
    <message>
        <location filename="../src/device/keyparametercodes.cpp" line="+20"/>
        <source>Link quality</source>
        <translation>連線品質</translation>
    </message>
</context>
<context>
    <name>KeyParametersView</name>
    <message>
        <location filename="../src/ui/views/keyparametersview.ui" line="+11"/>
        <source>Columns:</source>
        <translation>顯示欄位:</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>Key parameters</source>
        <translation>關鍵參數</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Inverter</source>
        <translation>變流器</translation>
    </message>
</context>
<context>
    <name>LanguageDialog</name>
    <message>
        <location filename="../src/ui/languagedialog.cpp" line="+14"/>
        <source>Language</source>
        <translation>語言</translation>
    </message>
</context>
<context>
    <name>LanguageMenus</name>
    <message>
        <location filename="../src/ui/languagemenus.cpp" line="+48"/>
        <source>Language</source>
        <translation>語言</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>Language change</source>
        <translation>變更語言</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The language changes will take effect when you restart the application.</source>
        <translation>變更的語言將在重新啟動應用程式後生效。</translation>
    </message>
</context>
<context>
    <name>Languages</name>
    <message>
        <location filename="../src/base/languages.cpp" line="+10"/>
        <source>English</source>
        <translation>英文</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Italian</source>
        <translation>義大利文</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Traditional Chinese</source>
        <translation>繁體中文</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Spanish</source>
        <translation>西班牙文</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>French</source>
        <translation>法文</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>German</source>
        <translation>德文</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Simplified Chinese</source>
        <translation>簡體中文</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Korean</source>
        <translation>韓文</translation>
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
        <translation>線路狀態</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Device</source>
        <translation>裝置</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Link
quality %</source>
        <translation>連線
品質 %</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Exchanges</source>
        <translation>交換次數</translation>
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
        <translation>重試後
成功</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Timeouts</source>
        <translation>逾時</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>CRC
errors</source>
        <translation>CRC
錯誤</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Short
replies</source>
        <translation>回應
過短</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Wrong address /
function / length</source>
        <translation>位址 / 功能 /
長度錯誤</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Round trip (ms)
last / mean / 95 %</source>
        <translation>往返時間 (ms)
最近 / 平均 / 95 %</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Counts since the program started. Exchanges: requests with their retry. Link quality: the share answered correctly on the first try; below 95 % the device is marked.</source>
        <translation>自程式啟動以來的計數。交換次數：請求及其重試。連線品質：首次即正確回應的比例；低於 95 % 的裝置會被標示。</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>Sensor %1</source>
        <translation>感測器 %1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Inverter %1</source>
        <translation>變流器 %1</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Link quality below 95 %: check the cable, its terminator and the device&apos;s transceiver.</source>
        <translation>連線品質低於 95 %：請檢查電纜、終端電阻及裝置的收發器。</translation>
    </message>
</context>
<context>
    <name>MailSettings</name>
    <message>
        <location filename="../src/monitor/mailsettings.cpp" line="+79"/>
        <source>Apply</source>
        <translation>套用</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Please input all fields.</source>
        <translation>請填寫所有欄位。</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+10"/>
        <source>Fail</source>
        <translation>失敗</translation>
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
        <translation>請稍候...</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+11"/>
        <location line="+4"/>
        <source>Error</source>
        <translation>錯誤</translation>
    </message>
    <message>
        <location line="-14"/>
        <location line="+10"/>
        <source>Some fields is not valid.</source>
        <translation>部分欄位的內容無效。</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Please type at least one recipient.</source>
        <translation>請至少輸入一位收件者。</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Send failed.
%1 mails failed since the mail settings were applied: no mail is sent until they are applied again.</source>
        <translation>傳送失敗。
自套用郵件設定以來已有 %1 封郵件傳送失敗：在重新套用設定之前不會再傳送任何郵件。</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Test Connect</source>
        <translation>測試連線</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Test success</source>
        <translation>測試成功</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Test fail</source>
        <translation>測試失敗</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Send Test Mail</source>
        <translation>傳送測試郵件</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Send success.</source>
        <translation>傳送成功。</translation>
    </message>
    <message>
        <location line="-20"/>
        <source>Send failed.</source>
        <translation>傳送失敗。</translation>
    </message>
</context>
<context>
    <name>MonitorControl</name>
    <message>
        <location filename="../src/ui/monitorcontrol.cpp" line="+54"/>
        <source>Communication Testing...</source>
        <translation>正在測試通訊...</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Info</source>
        <translation>訊息</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The last monitoring has not ended yet. Please try again in a moment.</source>
        <translation>上一次監控尚未結束，請稍後再試。</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Starting monitoring...</source>
        <translation>正在開始監控...</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Stopping monitoring...</source>
        <translation>正在停止監控...</translation>
    </message>
    <message>
        <location line="+93"/>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The line is being searched for inverters. Please try again when the search has ended.</source>
        <translation>正在線路上搜尋變流器。請在搜尋結束後再試一次。</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>Not ready</source>
        <translation>未就緒</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Ready for monitoring...</source>
        <translation>已就緒，可開始監控...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Monitoring...</source>
        <translation>監控中...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Searching for inverters...</source>
        <translation>正在搜尋變流器...</translation>
    </message>
</context>
<context>
    <name>MonitorTables</name>
    <message>
        <location filename="../src/device/monitortables.cpp" line="+115"/>
        <source>Sensor 1</source>
        <translation>感測器 1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sensor 2</source>
        <translation>感測器 2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sensor 3</source>
        <translation>感測器 3</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sensor 4</source>
        <translation>感測器 4</translation>
    </message>
</context>
<context>
    <name>MonitoringSession</name>
    <message>
        <location filename="../src/monitor/monitoringsession.cpp" line="+73"/>
        <location line="+11"/>
        <source>Error</source>
        <translation>錯誤</translation>
    </message>
    <message>
        <location line="-9"/>
        <source>COM%1 is not available!</source>
        <translation>COM%1 無法使用！</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Communication fail! Please check out your COM Port settings, then search inverters again.</source>
        <translation>通訊失敗！請檢查 COM 埠設定，然後重新搜尋變流器。</translation>
    </message>
</context>
<context>
    <name>MqttConnection</name>
    <message>
        <location filename="../src/publish/mqttconnection.cpp" line="+112"/>
        <source>The MQTT broker at %1 does not answer.</source>
        <translation>位於 %1 的 MQTT 代理伺服器沒有回應。</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>The MQTT client could not be set up (out of memory).</source>
        <translation>無法建立 MQTT 用戶端（記憶體不足）。</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>The CA file &quot;%1&quot; cannot be read.</source>
        <translation>無法讀取 CA 檔案「%1」。</translation>
    </message>
    <message>
        <location line="+53"/>
        <source>The connection to the MQTT broker at %1 was lost.</source>
        <translation>與位於 %1 的 MQTT 代理伺服器的連線已中斷。</translation>
    </message>
    <message>
        <location line="+146"/>
        <source>The MQTT broker &quot;%1&quot; cannot be found: there is no such host.</source>
        <translation>找不到 MQTT 代理伺服器「%1」：沒有這個主機。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The TLS connection to the MQTT broker at %1 failed: its certificate is not trusted (check the CA file and the host name) or it does not speak TLS on this port.</source>
        <translation>與位於 %1 的 MQTT 代理伺服器的 TLS 連線失敗：其憑證不受信任（請檢查 CA 檔案與主機名稱），或此連接埠不使用 TLS。</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The MQTT broker at %1 refuses connections: is it running, and is the port right?</source>
        <translation>位於 %1 的 MQTT 代理伺服器拒絕連線：它是否正在執行？連接埠是否正確？</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The MQTT broker at %1 cannot be reached: %2.</source>
        <translation>無法連到位於 %1 的 MQTT 代理伺服器：%2。</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The MQTT broker at %1 closed the connection before it was set up.</source>
        <translation>位於 %1 的 MQTT 代理伺服器在連線建立前就關閉了連線。</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The connection to the MQTT broker at %1 failed: %2</source>
        <translation>與位於 %1 的 MQTT 代理伺服器連線失敗：%2</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The MQTT broker at %1 refused the client id &quot;%2&quot;.</source>
        <translation>位於 %1 的 MQTT 代理伺服器拒絕了用戶端 ID「%2」。</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The MQTT broker at %1 refused the connection without a login: please enter a user name and password.</source>
        <translation>位於 %1 的 MQTT 代理伺服器拒絕未登入的連線：請輸入使用者名稱與密碼。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The MQTT broker at %1 refused the login of &quot;%2&quot;: wrong user name or password, or the user may not connect.</source>
        <translation>位於 %1 的 MQTT 代理伺服器拒絕了「%2」的登入：使用者名稱或密碼錯誤，或該使用者不得連線。</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The MQTT broker at %1 refused the connection: %2</source>
        <translation>位於 %1 的 MQTT 代理伺服器拒絕了連線：%2</translation>
    </message>
</context>
<context>
    <name>MqttDialog</name>
    <message>
        <location filename="../src/ui/dialogs/mqttdialog.cpp" line="+85"/>
        <source>Topics: %1, %2, %3.</source>
        <translation>主題：%1、%2、%3。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Home Assistant finds the inverters under %1/sensor/.</source>
        <translation>Home Assistant 會在 %1/sensor/ 下找到變流器。</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>CA file</source>
        <translation>CA 檔案</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Certificates (*.pem *.crt *.cer);;All files (*)</source>
        <translation>憑證 (*.pem *.crt *.cer);;所有檔案 (*)</translation>
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
        <translation>訊息</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Connected to the MQTT broker at %1.</source>
        <translation>已連線到位於 %1 的 MQTT 代理伺服器。</translation>
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
        <translation>將每個輪詢週期發布到 MQTT 代理伺服器</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Broker host:</source>
        <translation>代理伺服器主機:</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Port:</source>
        <translation>連接埠:</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>User:</source>
        <translation>使用者:</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Password:</source>
        <translation>密碼:</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Client id:</source>
        <translation>用戶端 ID:</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Topic prefix:</source>
        <translation>主題前綴:</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>QoS:</source>
        <translation>QoS:</translation>
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
        <translation>Home Assistant 探索前綴:</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>empty: no discovery</source>
        <translation>空白：不使用探索</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Retain the state messages for newcomers</source>
        <translation>為新訂閱者保留狀態訊息 (retain)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>TLS (the broker&apos;s certificate is always verified)</source>
        <translation>TLS（一律驗證代理伺服器的憑證）</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>CA file:</source>
        <translation>CA 檔案:</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>trusted besides the system&apos;s certificates</source>
        <translation>除系統憑證外另行信任</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>&amp;Test connection</source>
        <translation>測試連線(&amp;T)</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>&amp;OK</source>
        <translation>確定(&amp;O)</translation>
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
        <translation>請輸入 MQTT 代理伺服器的主機名稱或位址。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The MQTT port must be a number from 1 to 65535.</source>
        <translation>MQTT 連接埠必須是 1 到 65535 的數字。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The MQTT QoS must be 0, 1 or 2.</source>
        <translation>MQTT QoS 必須是 0、1 或 2。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Please enter an MQTT client id.</source>
        <translation>請輸入 MQTT 用戶端 ID。</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Topic prefixes must not be empty or contain &quot;+&quot; or &quot;#&quot;.</source>
        <translation>主題前綴不得為空白，也不得包含「+」或「#」。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>A password needs a user name.</source>
        <translation>密碼需要搭配使用者名稱。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The CA file &quot;%1&quot; cannot be read.</source>
        <translation>無法讀取 CA 檔案「%1」。</translation>
    </message>
</context>
<context>
    <name>PageOutput</name>
    <message>
        <location filename="../src/ui/pageoutput.cpp" line="+16"/>
        <source>Print Document</source>
        <translation>列印文件</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Save File</source>
        <translation>儲存檔案</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Images (*.bmp *.jpg)</source>
        <translation>圖片 (*.bmp *.jpg)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Info</source>
        <translation>訊息</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Save OK.</source>
        <translation>儲存成功。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Error</source>
        <translation>錯誤</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Can not save image file!</source>
        <translation>無法儲存圖片檔！</translation>
    </message>
</context>
<context>
    <name>ParamTables</name>
    <message>
        <location filename="../src/device/paramtables.cpp" line="+266"/>
        <source>Language (LCD)</source>
        <translation>語言 (LCD)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Alarm</source>
        <translation>警報</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>N/A</source>
        <translation>N/A</translation>
    </message>
</context>
<context>
    <name>ParameterView</name>
    <message>
        <location filename="../src/ui/views/parameterview.ui" line="+9"/>
        <source>Parameters</source>
        <translation>參數</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Parameter Name</source>
        <translation>參數名稱</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Value</source>
        <translation>數值</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Input new value:</source>
        <translation>輸入新數值:</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Save</source>
        <translation>儲存</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Range:</source>
        <translation>範圍:</translation>
    </message>
    <message>
        <location filename="../src/ui/views/parameterview.cpp" line="+135"/>
        <source>Error</source>
        <translation>錯誤</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>The value is not valid!</source>
        <translation>數值無效！</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>Setting parameter, please waiting...</source>
        <translation>正在設定參數，請稍候...</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Save fail.</source>
        <translation>儲存失敗。</translation>
    </message>
    <message>
        <location line="-1"/>
        <source>continue to monitoring, please waiting...</source>
        <translation>正在繼續監控，請稍候...</translation>
    </message>
</context>
<context>
    <name>PortRefusal</name>
    <message>
        <location filename="../src/monitor/portrefusal.cpp" line="+30"/>
        <source>COM%1 (%2) is there, but this user may not open it. Add the user to the dialout group (sudo adduser %3 dialout), then log out and in again.</source>
        <translation>COM%1 (%2) 存在，但此使用者無權開啟。請將使用者加入 dialout 群組 (sudo adduser %3 dialout)，然後登出再重新登入。</translation>
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
        <translation>程式本身的資料夾</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>your data folder</source>
        <translation>您的資料夾</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Version %1</source>
        <translation>版本 %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&lt;b&gt;Supported inverters:&lt;/b&gt; the Lumora families %1, among them the models %2; up to four Modbus RTU sensors on the same line.</source>
        <translation>&lt;b&gt;支援的變流器:&lt;/b&gt; Lumora %1 系列，其中包括 %2 等型號；同一條線路上另可連接最多四個 Modbus RTU 感測器。</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&lt;b&gt;Built with:&lt;/b&gt; Qt %1, Qwt %2, SQLite %3.</source>
        <translation>&lt;b&gt;使用元件:&lt;/b&gt; Qt %1、Qwt %2、SQLite %3。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&lt;b&gt;Application directory:&lt;/b&gt; %1 (%2)</source>
        <translation>&lt;b&gt;應用程式目錄:&lt;/b&gt; %1 (%2)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&lt;b&gt;Icons:&lt;/b&gt; Silk icon set by Mark James, &lt;a href=&quot;http://www.famfamfam.com/lab/icons/silk/&quot;&gt;famfamfam.com&lt;/a&gt;, licensed under the &lt;a href=&quot;https://creativecommons.org/licenses/by/2.5/&quot;&gt;Creative Commons Attribution 2.5&lt;/a&gt; licence (Debian package famfamfam-silk). Flag icons by Mark James, &lt;a href=&quot;http://www.famfamfam.com/lab/icons/flags/&quot;&gt;famfamfam.com&lt;/a&gt; (Debian package famfamfam-flag-png).</source>
        <translation>&lt;b&gt;圖示:&lt;/b&gt; Silk 圖示集由 Mark James 製作，&lt;a href=&quot;http://www.famfamfam.com/lab/icons/silk/&quot;&gt;famfamfam.com&lt;/a&gt;，採用 &lt;a href=&quot;https://creativecommons.org/licenses/by/2.5/&quot;&gt;創用CC 姓名標示 2.5 (Creative Commons Attribution 2.5)&lt;/a&gt; 授權條款 (Debian 套件 famfamfam-silk)。國旗圖示由 Mark James 製作，&lt;a href=&quot;http://www.famfamfam.com/lab/icons/flags/&quot;&gt;famfamfam.com&lt;/a&gt; (Debian 套件 famfamfam-flag-png)。</translation>
    </message>
</context>
<context>
    <name>QAboutClass</name>
    <message>
        <location filename="../src/ui/dialogs/qabout.ui" line="+6"/>
        <source>About</source>
        <translation>關於</translation>
    </message>
    <message>
        <location line="+88"/>
        <source>OK</source>
        <translation>確定</translation>
    </message>
</context>
<context>
    <name>QBackgroundDlg</name>
    <message>
        <location filename="../src/ui/dialogs/qbackgrounddlg.cpp" line="+110"/>
        <source>Select Image File</source>
        <translation>選擇圖片檔</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Image Files (*.png *.jpg *.bmp)</source>
        <translation>圖片檔 (*.png *.jpg *.bmp)</translation>
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
        <translation>此檔案名稱已存在。</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Can not copy the image file.</source>
        <translation>無法複製圖片檔。</translation>
    </message>
</context>
<context>
    <name>QBackgroundDlgClass</name>
    <message>
        <location filename="../src/ui/dialogs/qbackgrounddlg.ui" line="+6"/>
        <source>Background Graphics</source>
        <translation>背景圖片</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Graphics List</source>
        <translation>圖片清單</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Background pictures</source>
        <translation>背景圖片</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Add external image</source>
        <translation>加入外部圖片</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Delete</source>
        <translation>刪除</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Clear Background</source>
        <translation>清除背景</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Apply</source>
        <translation>套用</translation>
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
        <translation>確認</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Auto change the duplicate Inverter ID?</source>
        <translation>是否自動變更重複的變流器 ID？</translation>
    </message>
</context>
<context>
    <name>QConfigWizard</name>
    <message>
        <location filename="../src/ui/dialogs/qconfigwizard.cpp" line="+109"/>
        <source>Not found</source>
        <translation>找不到</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>No inverters found</source>
        <translation>找不到任何變流器</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Error</source>
        <translation>錯誤</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>This COM port is not available</source>
        <translation>此 COM 埠無法使用</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>%1 inverters found.</source>
        <translation>找到 %1 台變流器。</translation>
    </message>
</context>
<context>
    <name>QConfigWizardClass</name>
    <message>
        <location filename="../src/ui/dialogs/qconfigwizard.ui" line="+14"/>
        <source>Configuration Wizard</source>
        <translation>設定精靈</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Introduction</source>
        <translation>簡介</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Welcome to use the configuration wizard. This wizard will help you to set up the Lumora Data Manager.</source>
        <translation>歡迎使用設定精靈。本精靈將協助您完成 Lumora Data Manager 的設定。</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Serial Port Settings:</source>
        <translation>序列埠設定:</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>COM Port:</source>
        <translation>COM 埠:</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Refresh</source>
        <translation>重新整理</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Baudrate:</source>
        <translation>鮑率:</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Search  for inverters</source>
        <translation>搜尋變流器</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>You can search inverters using the previous settings now.</source>
        <translation>現在可以使用上一步的設定搜尋變流器。</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Search for inverters:</source>
        <translation>搜尋變流器:</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Search </source>
        <translation>搜尋 </translation>
    </message>
    <message>
        <location line="+38"/>
        <source>0 inverters found.</source>
        <translation>找到 0 台變流器。</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Auto search:</source>
        <translation>自動搜尋:</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Minutes between automatic searches</source>
        <translation>自動搜尋間隔分鐘數</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>minutes</source>
        <translation>分鐘</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Change duplicate inverter IDs in automatic searches</source>
        <translation>自動搜尋時變更重複的變流器 ID</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Congratulation!</source>
        <translation>恭喜！</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>You have completed the wizard, you can start monitoring right now.</source>
        <translation>您已完成設定精靈，現在就可以開始監控。</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Start monitoring now</source>
        <translation>立即開始監控</translation>
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
        <translation>從站位址</translation>
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
        <translation>功能碼</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>03</source>
        <translation>03</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Data Address</source>
        <translation>資料位址</translation>
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
        <translation>資料長度</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>Send</source>
        <translation>傳送</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Output command:</source>
        <translation>送出的命令:</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Response message:</source>
        <translation>回應訊息:</translation>
    </message>
</context>
<context>
    <name>QFontSettingsClass</name>
    <message>
        <location filename="../src/ui/dialogs/qfontsettings.ui" line="+6"/>
        <source>Fonts and Colors</source>
        <translation>字型與色彩</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Title:</source>
        <translation>標題:</translation>
    </message>
    <message>
        <location line="+7"/>
        <location line="+34"/>
        <location line="+28"/>
        <source>font...</source>
        <translation>字型...</translation>
    </message>
    <message>
        <location line="-55"/>
        <location line="+34"/>
        <location line="+28"/>
        <source>color...</source>
        <translation>色彩...</translation>
    </message>
    <message>
        <location line="-49"/>
        <location line="+28"/>
        <location line="+28"/>
        <source>Sample</source>
        <translation>範例</translation>
    </message>
    <message>
        <location line="-49"/>
        <source>Information:</source>
        <translation>資訊:</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Message:</source>
        <translation>訊息:</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>OK</source>
        <translation>確定</translation>
    </message>
</context>
<context>
    <name>QLogData</name>
    <message>
        <location filename="../src/history/qlogdata.cpp" line="+171"/>
        <source>Time</source>
        <translation>時間</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>SN_Name</source>
        <translation>序號/名稱</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>State</source>
        <translation>狀態</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Err%1</source>
        <translation>錯誤%1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>N/A</source>
        <translation>N/A</translation>
    </message>
</context>
<context>
    <name>QMainViewConfig</name>
    <message>
        <location filename="../src/ui/dialogs/qmainviewconfig.cpp" line="+146"/>
        <source>Start/Stop Record Time</source>
        <translation>開始/停止記錄時間</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The Settings of start record time and stop record time is error!</source>
        <translation>開始記錄時間與停止記錄時間的設定有誤！</translation>
    </message>
</context>
<context>
    <name>QMainViewConfigClass</name>
    <message>
        <location filename="../src/ui/dialogs/qmainviewconfig.ui" line="+6"/>
        <source>Main View Configuration</source>
        <translation>主畫面設定</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Main View </source>
        <translation>主畫面 </translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Save interval</source>
        <translation>儲存間隔</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>minutes</source>
        <translation>分鐘</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>CO2/kWh </source>
        <translation>CO2/kWh </translation>
    </message>
    <message>
        <location line="+23"/>
        <source>kg / kWh</source>
        <translation>kg / kWh</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>System record time</source>
        <translation>系統記錄時間</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Automatic</source>
        <translation>自動</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Manual</source>
        <translation>手動</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Start record time:</source>
        <translation>開始記錄時間:</translation>
    </message>
    <message>
        <location line="+17"/>
        <location line="+27"/>
        <source>o&apos;clock</source>
        <translation>時</translation>
    </message>
    <message>
        <location line="-17"/>
        <source>Stop record time:</source>
        <translation>停止記錄時間:</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Earning Settings</source>
        <translation>收益設定</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Earning:</source>
        <translation>收益:</translation>
    </message>
    <message>
        <location line="+29"/>
        <source> / kWh</source>
        <translation> / kWh</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Message Display:</source>
        <translation>訊息顯示:</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Title Display:</source>
        <translation>標題顯示:</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Advanced Settings</source>
        <translation>進階設定</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Select All</source>
        <translation>全選</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Clear All</source>
        <translation>全部清除</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Default</source>
        <translation>預設值</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>&lt;b&gt;Arrangement: (press mouse to move)&lt;/b&gt;</source>
        <translation>&lt;b&gt;排列順序: (按住滑鼠拖曳即可移動)&lt;/b&gt;</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Arrangement</source>
        <translation>排列</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Click and Move</source>
        <translation>點選並拖曳</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Default Sequence</source>
        <translation>預設順序</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Apply</source>
        <translation>套用</translation>
    </message>
</context>
<context>
    <name>QMyTreeWidget</name>
    <message>
        <location filename="../src/ui/views/qmytreewidget.cpp" line="+27"/>
        <location line="+1"/>
        <source>Inverters</source>
        <translation>變流器</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>You can use &apos;Drag and Drop&apos; to move inverter to the group.</source>
        <translation>您可以用「拖放」將變流器移到群組中。</translation>
    </message>
    <message>
        <location line="+89"/>
        <source>UnGrouped</source>
        <translation>未分組</translation>
    </message>
</context>
<context>
    <name>QPassword</name>
    <message>
        <location filename="../src/ui/dialogs/qpassword.cpp" line="+32"/>
        <source>Error</source>
        <translation>錯誤</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Password is wrong</source>
        <translation>密碼錯誤</translation>
    </message>
</context>
<context>
    <name>QPasswordClass</name>
    <message>
        <location filename="../src/ui/dialogs/qpassword.ui" line="+14"/>
        <location line="+6"/>
        <source>Password</source>
        <translation>密碼</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>OK</source>
        <translation>確定</translation>
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
        <translation>處理中...</translation>
    </message>
</context>
<context>
    <name>QSensorSettings</name>
    <message>
        <location filename="../src/ui/dialogs/qsensorsettings.cpp" line="+120"/>
        <source>No response</source>
        <translation>沒有回應</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Register Value(HEX: Lo-Hi)</source>
        <translation>暫存器值(HEX: Lo-Hi)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Register Value(HEX: Hi-Lo)</source>
        <translation>暫存器值(HEX: Hi-Lo)</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Append CRC...</source>
        <translation>附加 CRC...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Although Modbus protocol defines the CRC part of RTU to low byte first, High byte after, but some devices require Modbus RTU messages that appends CRC high byte first. If so, please check this to enable this kind of behavior.</source>
        <translation>Modbus 協定規定 RTU 訊息的 CRC 先傳低位元組、後傳高位元組，但有些裝置要求 Modbus RTU 訊息先附加 CRC 高位元組。遇到這類裝置時，請勾選此項以啟用這種方式。</translation>
    </message>
    <message>
        <location line="-64"/>
        <location line="+80"/>
        <location line="+11"/>
        <source>Error</source>
        <translation>錯誤</translation>
    </message>
    <message>
        <location line="-145"/>
        <source>Line: %1, %2 baud</source>
        <translation>線路: %1, %2 鮑</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Line: no port set</source>
        <translation>線路: 未設定連接埠</translation>
    </message>
    <message>
        <location line="+134"/>
        <source>Please input the header field.</source>
        <translation>請輸入顯示名稱欄位。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please input the unit field.</source>
        <translation>請輸入單位欄位。</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Can not add new record.</source>
        <translation>無法新增記錄。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Info</source>
        <translation>訊息</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Save OK</source>
        <translation>儲存成功</translation>
    </message>
</context>
<context>
    <name>QSensorSettingsClass</name>
    <message>
        <location filename="../src/ui/dialogs/qsensorsettings.ui" line="+14"/>
        <source>Sensor Settings</source>
        <translation>感測器設定</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Step 1: Query one register</source>
        <translation>步驟 1: 查詢一個暫存器</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+216"/>
        <source>Slave address</source>
        <translation>從站位址</translation>
    </message>
    <message>
        <location line="-209"/>
        <location line="+216"/>
        <location line="+338"/>
        <source>Function</source>
        <translation>功能碼</translation>
    </message>
    <message>
        <location line="-547"/>
        <source>Starting address</source>
        <translation>起始位址</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Number of registers</source>
        <translation>暫存器數量</translation>
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
        <translation>查詢</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>CRC high byte append first</source>
        <translation>CRC 先附加高位元組</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>?</source>
        <translation>?</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>Step 2: Response</source>
        <translation>步驟 2: 回應</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Byte Count</source>
        <translation>位元組數</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Register Value(HEX: Hi-Lo)</source>
        <translation>暫存器值(HEX: Hi-Lo)</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>Register value(DEC)</source>
        <translation>暫存器值(DEC)</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Low byte first</source>
        <translation>低位元組在前</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Step 3: Operation</source>
        <translation>步驟 3: 運算</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Register value</source>
        <translation>暫存器值</translation>
    </message>
    <message>
        <location line="+7"/>
        <location line="+274"/>
        <source>Operator</source>
        <translation>運算子</translation>
    </message>
    <message>
        <location line="-267"/>
        <location line="+272"/>
        <source>Factor</source>
        <translation>係數</translation>
    </message>
    <message>
        <location line="-265"/>
        <source>After operation(DEC)</source>
        <translation>運算結果(DEC)</translation>
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
        <translation>運算</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Step 4: Save</source>
        <translation>步驟 4: 儲存</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+190"/>
        <source>Header</source>
        <translation>顯示名稱</translation>
    </message>
    <message>
        <location line="-180"/>
        <location line="+185"/>
        <source>Unit</source>
        <translation>單位</translation>
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
        <translation>儲存</translation>
    </message>
    <message>
        <location line="+31"/>
        <location line="+113"/>
        <source>Close</source>
        <translation>關閉</translation>
    </message>
    <message>
        <location line="-100"/>
        <source>View all</source>
        <translation>全部檢視</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Saved sensors</source>
        <translation>已儲存的感測器</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Slave</source>
        <translation>從站</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Start Hi</source>
        <translation>起始 Hi</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Start Lo</source>
        <translation>起始 Lo</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Regs Hi</source>
        <translation>暫存器數 Hi</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Regs Lo</source>
        <translation>暫存器數 Lo</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>Delete</source>
        <translation>刪除</translation>
    </message>
</context>
<context>
    <name>QViewSizeClass</name>
    <message>
        <location filename="../src/ui/dialogs/qviewsize.ui" line="+21"/>
        <source>View Size Settings</source>
        <translation>顯示大小設定</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Title:</source>
        <translation>標題:</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>    pixel</source>
        <translation>    像素</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Information</source>
        <translation>資訊</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Expanding</source>
        <translation>自動延展</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Message:</source>
        <translation>訊息:</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>   pixel</source>
        <translation>   像素</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Default</source>
        <translation>預設值</translation>
    </message>
</context>
<context>
    <name>QalarmConfig</name>
    <message>
        <location filename="../src/ui/dialogs/qalarmconfig.cpp" line="+144"/>
        <source>N/A</source>
        <translation>N/A</translation>
    </message>
    <message>
        <location line="+84"/>
        <source>Add recipient</source>
        <translation>新增收件者</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Email address:</source>
        <translation>電子郵件地址:</translation>
    </message>
</context>
<context>
    <name>QalarmConfigClass</name>
    <message>
        <location filename="../src/ui/dialogs/qalarmconfig.ui" line="+6"/>
        <source>Alarm Configuration</source>
        <translation>警報設定</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Mail Settings</source>
        <translation>郵件設定</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Mail account</source>
        <translation>郵件帳號</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Account:</source>
        <translation>帳號:</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Password:</source>
        <translation>密碼:</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Mail server:</source>
        <translation>郵件伺服器:</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>smtp.example.com</source>
        <translation>smtp.example.com</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Port:</source>
        <translation>連接埠:</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Encryption:</source>
        <translation>加密:</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>None</source>
        <translation>無</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>Sender:</source>
        <translation>寄件者:</translation>
    </message>
    <message>
        <location line="+13"/>
        <location line="+6"/>
        <source>Recipients</source>
        <translation>收件者</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Add...</source>
        <translation>新增...</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Delete</source>
        <translation>刪除</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Test Connection</source>
        <translation>測試連線</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Send Test Mail</source>
        <translation>傳送測試郵件</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Apply</source>
        <translation>套用</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Error Codes</source>
        <translation>錯誤碼</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Inverter type:</source>
        <translation>變流器類型:</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>Error code:</source>
        <translation>錯誤碼:</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Error Code 1</source>
        <translation>錯誤碼 1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Error Code 2</source>
        <translation>錯誤碼 2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Error Code 3</source>
        <translation>錯誤碼 3</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Error Code 4</source>
        <translation>錯誤碼 4</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Send an alarm mail for these errors</source>
        <translation>發生下列錯誤時寄送警報郵件</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Select All</source>
        <translation>全選</translation>
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
        <translation>變流器狀態</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Inverter states (M83)</source>
        <translation>變流器狀態 (M83)</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Close</source>
        <translation>關閉</translation>
    </message>
</context>
<context>
    <name>RealTimeDisplay</name>
    <message>
        <location filename="../src/ui/views/realtimedisplay.cpp" line="+166"/>
        <source>Total Yield(Eac)</source>
        <translation>總發電量(Eac)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Total Yield</source>
        <translation>總發電量</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+2"/>
        <source>Total Output Time</source>
        <translation>總輸出時間</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Output power</source>
        <translation>輸出功率</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Output voltage</source>
        <translation>輸出電壓</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Output current</source>
        <translation>輸出電流</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Output frequency</source>
        <translation>輸出頻率</translation>
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
        <translation>直流電壓</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DC Current</source>
        <translation>直流電流</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Total input energy</source>
        <translation>總輸入電能</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Output time today</source>
        <translation>今日輸出時間</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Heatsink temperature</source>
        <translation>散熱片溫度</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>AC impedance</source>
        <translation>交流阻抗</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Trip voltage</source>
        <translation>跳脫電壓</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Trip frequency</source>
        <translation>跳脫頻率</translation>
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
        <translation>新增群組</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Del Inverter</source>
        <translation>刪除變流器</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Del Group</source>
        <translation>刪除群組</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Information</source>
        <translation>資訊</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Gropu name:</source>
        <translation>群組名稱:</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Device type:</source>
        <translation>裝置類型:</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Device S/N:</source>
        <translation>裝置序號:</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Devie address:</source>
        <translation>裝置位址:</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>DSP1 version:</source>
        <translation>DSP1 版本:</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>DSP2 version:</source>
        <translation>DSP2 版本:</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Line health</source>
        <translation>線路狀態</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Link quality:</source>
        <translation>連線品質：</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Exchanges:</source>
        <translation>交換次數：</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Timeouts:</source>
        <translation>逾時：</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>CRC errors:</source>
        <translation>CRC 錯誤：</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Short replies:</source>
        <translation>回應過短：</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Wrong address / function / length:</source>
        <translation>位址 / 功能 / 長度錯誤：</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Round trip:</source>
        <translation>往返時間：</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Real time display</source>
        <translation>即時顯示</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Real time values</source>
        <translation>即時數值</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Parameter Name</source>
        <translation>參數名稱</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Value</source>
        <translation>數值</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Status code:</source>
        <translation>狀態碼:</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Error Code 1:</source>
        <translation>錯誤碼 1:</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Error Code 1</source>
        <translation>錯誤碼 1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Error Code 2:</source>
        <translation>錯誤碼 2:</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Error Code 2</source>
        <translation>錯誤碼 2</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Error Code 3:</source>
        <translation>錯誤碼 3:</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Error Code 3</source>
        <translation>錯誤碼 3</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Error Code 4:</source>
        <translation>錯誤碼 4:</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Error Code 4</source>
        <translation>錯誤碼 4</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Parameter configuration for devices</source>
        <translation>裝置參數設定</translation>
    </message>
    <message>
        <location filename="../src/ui/views/realtimeview.cpp" line="+109"/>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Below 95 %: check the cable, its terminator and the inverter&apos;s transceiver.</source>
        <translation>低於 95 %：請檢查電纜、終端電阻及變流器的收發器。</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 (%2 right on the first try, %3 after a retry)</source>
        <translation>%1（%2 次首次即正確，%3 次重試後成功）</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1 ms; mean %2 ms, 95 % within %3 ms</source>
        <translation>%1 ms；平均 %2 ms，95 % 在 %3 ms 內</translation>
    </message>
    <message>
        <location line="+60"/>
        <source>add Group</source>
        <translation>新增群組</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Group name:</source>
        <translation>群組名稱:</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Lumora Data Manager</source>
        <translation>Lumora Data Manager</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>This group name existed!</source>
        <translation>此群組名稱已存在！</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Add fail!</source>
        <translation>新增失敗！</translation>
    </message>
    <message>
        <location line="+9"/>
        <location line="+18"/>
        <source>Confirm</source>
        <translation>確認</translation>
    </message>
    <message>
        <location line="-18"/>
        <source>Delete this group and all children?</source>
        <translation>確定要刪除此群組及其中所有項目嗎？</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Inverter</source>
        <translation>變流器</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Delete this inverter?</source>
        <translation>確定要刪除此變流器嗎？</translation>
    </message>
</context>
<context>
    <name>SearchInverterFrm</name>
    <message>
        <location filename="../src/ui/dialogs/searchinverterfrm.cpp" line="+74"/>
        <location line="+94"/>
        <source>%1 inverters found.</source>
        <translation>找到 %1 台變流器。</translation>
    </message>
    <message>
        <location line="-60"/>
        <location line="+9"/>
        <source>Error</source>
        <translation>錯誤</translation>
    </message>
    <message>
        <location line="-7"/>
        <source>COM%1 is not available! The saved inverters are kept.</source>
        <translation>COM%1 無法使用！已保留儲存的變流器。</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>COM%1 failed during the search (hang-up or I/O error). The saved inverters are kept.</source>
        <translation>搜尋期間 COM%1 發生故障（線路中斷或 I/O 錯誤）。已保留儲存的變流器。</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Not found</source>
        <translation>找不到</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>No inverters found</source>
        <translation>找不到任何變流器</translation>
    </message>
</context>
<context>
    <name>SearchInverterFrmClass</name>
    <message>
        <location filename="../src/ui/dialogs/searchinverterfrm.ui" line="+14"/>
        <source>Search Inverters</source>
        <translation>搜尋變流器</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Search for Inverters</source>
        <translation>搜尋變流器</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>0 inverters found.</source>
        <translation>找到 0 台變流器。</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Automatically search for inverters:</source>
        <translation>自動搜尋變流器:</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Minutes between automatic searches</source>
        <translation>自動搜尋間隔分鐘數</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>minutes</source>
        <translation>分鐘</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Change duplicate inverter IDs in automatic searches</source>
        <translation>自動搜尋時變更重複的變流器 ID</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Search</source>
        <translation>搜尋</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>detail...</source>
        <translation>詳細資料...</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>close</source>
        <translation>關閉</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Inverters found</source>
        <translation>找到的變流器</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Addr</source>
        <translation>位址</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Serial Number</source>
        <translation>序號</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <location filename="../src/app/startup.cpp" line="+24"/>
        <source>Error -- %1</source>
        <translation>錯誤 -- %1</translation>
    </message>
    <message>
        <location line="+59"/>
        <source>Database is broken, please reinstall the application!</source>
        <translation>資料庫已損毀，請重新安裝應用程式！</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Database init fail, please reinstall the application!</source>
        <translation>資料庫初始化失敗，請重新安裝應用程式！</translation>
    </message>
    <message>
        <location line="+59"/>
        <source>Error</source>
        <translation>錯誤</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>No COM ports found in this computer!</source>
        <translation>這台電腦上找不到任何 COM 埠！</translation>
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
        <translation>市電頻率偵測模式</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Renew mode</source>
        <translation>更新模式</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Wait mode</source>
        <translation>等待模式</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Monitoring mode</source>
        <translation>監控模式</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Output mode</source>
        <translation>輸出模式</translation>
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
        <translation>閒置模式</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+17"/>
        <source>Default mode</source>
        <translation>預設模式</translation>
    </message>
    <message>
        <location line="-16"/>
        <location line="+17"/>
        <source>Stop mode</source>
        <translation>停止模式</translation>
    </message>
    <message>
        <location line="-16"/>
        <location line="+18"/>
        <source>Calibrate mode</source>
        <translation>校正模式</translation>
    </message>
    <message>
        <location line="-14"/>
        <source>Program Initialize mode</source>
        <translation>程式初始化模式</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Check Riso</source>
        <translation>檢查 Riso</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Low Illumination mode</source>
        <translation>低日照模式</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Auto Test mode</source>
        <translation>自動測試模式</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Checking</source>
        <translation>檢查中</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Count Down mode</source>
        <translation>倒數計時模式</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Check Relay mode</source>
        <translation>繼電器檢查模式</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Grid/MPP mode</source>
        <translation>併網/MPP 模式</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Idle mode</source>
        <translation>閒置模式</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Upgrade Flash mode</source>
        <translation>Flash 更新模式</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Setting Parameter mode</source>
        <translation>參數設定模式</translation>
    </message>
</context>
</TS>
