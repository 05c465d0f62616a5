<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR" sourcelanguage="en">
<context>
    <name>CMain</name>
    <message>
        <location filename="../src/ui/cmain.cpp" line="+98"/>
        <source>Active: %1  </source>
        <translation>연결됨: %1  </translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Preparing the history for the charts: %1 %</source>
        <translation>차트용 이력 데이터를 준비하는 중: %1 %</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Error</source>
        <translation>오류</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please complete COM port settings first.</source>
        <translation>먼저 COM 포트 설정을 완료하십시오.</translation>
    </message>
    <message>
        <location line="+279"/>
        <source>Info</source>
        <translation>정보</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>No data</source>
        <translation>데이터가 없습니다</translation>
    </message>
    <message>
        <location line="+152"/>
        <source>Confirm</source>
        <translation>확인</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Confirm to exit?</source>
        <translation>프로그램을 종료하시겠습니까?</translation>
    </message>
    <message>
        <location filename="../src/ui/windowparts.cpp" line="+75"/>
        <source>Not ready</source>
        <translation>준비 안 됨</translation>
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
        <translation>보기</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Main</source>
        <translation>메인 화면</translation>
    </message>
    <message>
        <location line="+43"/>
        <source>Monitoring state</source>
        <translation>모니터링 상태</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Not ready</source>
        <translation>준비 안 됨</translation>
    </message>
    <message>
        <location line="+47"/>
        <source>Real time data</source>
        <translation>실시간 데이터</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Key parameters</source>
        <translation>주요 파라미터</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Graphical analysis</source>
        <translation>그래프 분석</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Event list</source>
        <translation>이벤트 목록</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Data logging</source>
        <translation>데이터 기록</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Menu bar</source>
        <translation>메뉴 모음</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>&amp;File</source>
        <translation>파일(&amp;F)</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>&amp;Monitoring</source>
        <translation>모니터링(&amp;M)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&amp;View</source>
        <translation>보기(&amp;V)</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>&amp;Configuration</source>
        <translation>설정(&amp;C)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Language</source>
        <translation>언어(&amp;L)</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>&amp;Window</source>
        <translation>창(&amp;W)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&amp;Help</source>
        <translation>도움말(&amp;H)</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Tool bar</source>
        <translation>도구 모음</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>Language bar</source>
        <translation>언어 모음</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>&amp;Print</source>
        <translation>인쇄(&amp;P)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Export Image</source>
        <translation>이미지 내보내기(&amp;E)</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Export &amp;Data</source>
        <translation>데이터 내보내기(&amp;D)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>E&amp;xit</source>
        <translation>종료(&amp;X)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Start Monitoring</source>
        <translation>모니터링 시작(&amp;S)</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Stop &amp;Monitoring</source>
        <translation>모니터링 중지(&amp;M)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;COM port</source>
        <translation>COM 포트(&amp;C)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Search Inverters</source>
        <translation>인버터 검색(&amp;S)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Alarm</source>
        <translation>알람(&amp;A)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Background Graphics</source>
        <translation>배경 이미지(&amp;B)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Main View Configuration</source>
        <translation>메인 화면 설정(&amp;M)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Main View Configuration</source>
        <translation>메인 화면 설정</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Sensor Settings</source>
        <translation>센서 설정(&amp;N)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>M&amp;QTT...</source>
        <translation>MQTT(&amp;Q)...</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Configuration &amp;Wizard</source>
        <translation>설정 마법사(&amp;W)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Fonts and Colors</source>
        <translation>글꼴 및 색상(&amp;F)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Main</source>
        <translation>메인 화면(&amp;M)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Real time data</source>
        <translation>실시간 데이터(&amp;R)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Key parameters</source>
        <translation>주요 파라미터(&amp;K)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Graphical analysis</source>
        <translation>그래프 분석(&amp;G)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Event list</source>
        <translation>이벤트 목록(&amp;E)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Data logging</source>
        <translation>데이터 기록(&amp;D)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Line health</source>
        <translation>회선 상태(&amp;L)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>List View</source>
        <translation>목록 보기</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Group View</source>
        <translation>그룹 보기</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>User manual</source>
        <translation>사용자 설명서</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>&amp;About...</source>
        <translation>프로그램 정보(&amp;A)...</translation>
    </message>
</context>
<context>
    <name>COMPortFrmClass</name>
    <message>
        <location filename="../src/ui/dialogs/comportfrm.ui" line="+14"/>
        <source>Serial Port Settings</source>
        <translation>시리얼 포트 설정</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Port:</source>
        <translation>포트:</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Refresh</source>
        <translation>새로 고침</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Baudrate:</source>
        <translation>보드레이트:</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Direct command</source>
        <translation>직접 명령</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
</context>
<context>
    <name>ChartView</name>
    <message>
        <location filename="../src/ui/views/chartview.ui" line="+22"/>
        <source>Inverters</source>
        <translation>인버터</translation>
    </message>
    <message>
        <location line="+10"/>
        <location line="+54"/>
        <source>Year</source>
        <translation>연도</translation>
    </message>
    <message>
        <location line="-42"/>
        <source>Range of date</source>
        <translation>기간</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>From</source>
        <translation>시작</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>To</source>
        <translation>~</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Base on</source>
        <translation>집계 단위</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Month</source>
        <translation>월</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Day</source>
        <translation>일</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Query</source>
        <translation>조회</translation>
    </message>
    <message>
        <location filename="../src/ui/views/chartview.cpp" line="+105"/>
        <location line="+9"/>
        <source>Error</source>
        <translation>오류</translation>
    </message>
    <message>
        <location line="-9"/>
        <source>Date range error!</source>
        <translation>기간이 올바르지 않습니다!</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Click some one inverter first.</source>
        <translation>먼저 인버터를 하나 선택하십시오.</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>AC Power
%1 ~ %2
</source>
        <translation>AC 전력
%1 ~ %2
</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>--&gt; Power(W)</source>
        <translation>--&gt; 전력(W)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>--&gt; Month</source>
        <translation>--&gt; 월</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>--&gt; Day</source>
        <translation>--&gt; 일</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>--&gt; Hour</source>
        <translation>--&gt; 시</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Info</source>
        <translation>정보</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Please query data first</source>
        <translation>먼저 데이터를 조회하십시오.</translation>
    </message>
</context>
<context>
    <name>CsvFile</name>
    <message>
        <location filename="../src/history/csvfile.cpp" line="+12"/>
        <source>Save *.csv File</source>
        <translation>*.csv 파일 저장</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Excel (*.csv)</source>
        <translation>Excel (*.csv)</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>OK</source>
        <translation>완료</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Export OK</source>
        <translation>내보내기가 완료되었습니다.</translation>
    </message>
</context>
<context>
    <name>DashboardFields</name>
    <message>
        <location filename="../src/ui/views/dashboardfields.cpp" line="+13"/>
        <source>Total Yield</source>
        <translation>누적 발전량</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Efficiency</source>
        <translation>효율</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Earning</source>
        <translation>수익</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Co2 Reduction</source>
        <translation>CO2 저감량</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>DC Power</source>
        <translation>DC 전력</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>AC Power</source>
        <translation>AC 전력</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>DC Avg. Power</source>
        <translation>DC 평균 전력</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>AC Avg. Power</source>
        <translation>AC 평균 전력</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Power Generation</source>
        <translation>금일 발전량</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Sensor %1</source>
        <translation>센서 %1</translation>
    </message>
</context>
<context>
    <name>DataLogView</name>
    <message>
        <location filename="../src/ui/views/datalogview.ui" line="+14"/>
        <source>SN_Name:</source>
        <translation>일련번호/이름:</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Month:</source>
        <translation>월:</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Year:</source>
        <translation>연도:</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Query</source>
        <translation>조회</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Readings</source>
        <translation>측정값</translation>
    </message>
    <message>
        <location filename="../src/ui/views/datalogview.cpp" line="+66"/>
        <source>info</source>
        <translation>정보</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>No data found!</source>
        <translation>데이터가 없습니다!</translation>
    </message>
</context>
<context>
    <name>ErrorTables</name>
    <message>
        <location filename="../src/device/errortables.cpp" line="+20"/>
        <location line="+140"/>
        <source>No AC voltage is detected on the grid side</source>
        <translation>계통 측 AC 전압 미검출</translation>
    </message>
    <message>
        <location line="-139"/>
        <location line="+70"/>
        <source>The AC voltage of mains utility is over the upper limit</source>
        <translation>계통 AC 전압 상한 초과</translation>
    </message>
    <message>
        <location line="-69"/>
        <location line="+70"/>
        <source>The AC voltage of mains utility is under the lower limit</source>
        <translation>계통 AC 전압 하한 미만</translation>
    </message>
    <message>
        <location line="-69"/>
        <location line="+70"/>
        <source>The frequency of AC voltage of the utility is over the upper limit</source>
        <translation>계통 주파수 상한 초과</translation>
    </message>
    <message>
        <location line="-69"/>
        <source>The frequence of AC voltage of the utility is under the lower limit</source>
        <translation>계통 주파수 하한 미만</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+70"/>
        <source>The AC impedance of the grid is out of range</source>
        <translation>계통 임피던스 범위 이탈</translation>
    </message>
    <message>
        <location line="-69"/>
        <location line="+70"/>
        <source>The rate of change of the AC grid impedance is higher than setting value</source>
        <translation>계통 임피던스 변화율이 설정값보다 높음</translation>
    </message>
    <message>
        <location line="-69"/>
        <location line="+70"/>
        <source>Islanding is detected</source>
        <translation>단독운전 검출</translation>
    </message>
    <message>
        <location line="-69"/>
        <source>The drastic change of the leakage current has been detected</source>
        <translation>누설전류 급변 검출</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The leakage current has exceeded a safe operating limit</source>
        <translation>누설전류가 안전 운전 한계를 초과함</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+70"/>
        <source>Over DC current injected into the AC grid is detected</source>
        <translation>AC 계통으로의 직류 유입 과다 검출</translation>
    </message>
    <message>
        <location line="-69"/>
        <location line="+70"/>
        <source>Over current on the AC side</source>
        <translation>AC 측 과전류</translation>
    </message>
    <message>
        <location line="-69"/>
        <location line="+70"/>
        <source>The internal temperature of the inverter exceeded the safe operating limit</source>
        <translation>인버터 내부 온도가 안전 운전 한계를 초과함</translation>
    </message>
    <message>
        <location line="-69"/>
        <source>The DC  voltage of PV array is over the upper limit</source>
        <translation>PV 어레이 DC 전압 상한 초과</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The DC  voltage of PV array is under the lower limit</source>
        <translation>PV 어레이 DC 전압 하한 미만</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The insulation resistance between PV array and the ground is below the safe operating limit</source>
        <translation>PV 어레이와 접지 간 절연저항이 안전 운전 한계 미만</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+70"/>
        <source>Internal DC bus voltage is over the upper limit</source>
        <translation>내부 DC 버스 전압 상한 초과</translation>
    </message>
    <message>
        <location line="-69"/>
        <location line="+70"/>
        <source>Internal DC bus voltage is under the lower limit</source>
        <translation>내부 DC 버스 전압 하한 미만</translation>
    </message>
    <message>
        <location line="-69"/>
        <source>Inverter temperature too low</source>
        <translation>인버터 저온</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+70"/>
        <location line="+2"/>
        <source>Bridge Relay test failed(L)</source>
        <translation>브리지 릴레이 테스트 실패(L)</translation>
    </message>
    <message>
        <location line="-71"/>
        <location line="+70"/>
        <location line="+2"/>
        <source>Bridge Relay test failed(N)</source>
        <translation>브리지 릴레이 테스트 실패(N)</translation>
    </message>
    <message>
        <location line="-71"/>
        <source>Network Relay test failed(L)</source>
        <translation>계통 연계 릴레이 테스트 실패(L)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Network Relay test failed(N)</source>
        <translation>계통 연계 릴레이 테스트 실패(N)</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+70"/>
        <source>Internal communication failed</source>
        <translation>내부 통신 실패</translation>
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
        <translation>디버그</translation>
    </message>
    <message>
        <location line="-85"/>
        <location line="+70"/>
        <source>External communication failed</source>
        <translation>외부 통신 실패</translation>
    </message>
    <message>
        <location line="-69"/>
        <location line="+70"/>
        <source>EEPROM failed</source>
        <translation>EEPROM 고장</translation>
    </message>
    <message>
        <location line="-68"/>
        <source>L-N miswired</source>
        <translation>L-N 오결선</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+70"/>
        <source>The injection DC current exceeded the standard value</source>
        <translation>직류 유입 전류가 기준값을 초과함</translation>
    </message>
    <message>
        <location line="-69"/>
        <source>The leakage current measurement selftest failed</source>
        <translation>누설전류 측정 자가진단 실패</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The leakage current measurement function failed</source>
        <translation>누설전류 측정 기능 고장</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The insulation resistance measurement selftest failed</source>
        <translation>절연저항 측정 자가진단 실패</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+70"/>
        <source>Offset check for grid monitoring failed</source>
        <translation>계통 감시 회로 오프셋 점검 실패</translation>
    </message>
    <message>
        <location line="-69"/>
        <location line="+70"/>
        <source>The internal temperature sensor failed</source>
        <translation>내부 온도 센서 고장</translation>
    </message>
    <message>
        <location line="-69"/>
        <source>Autotest fail</source>
        <translation>자동 테스트 실패</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delta CPU error, Fac, Vac, Idc, Zac, If, Riso</source>
        <translation>CPU 간 측정값 불일치, Fac, Vac, Idc, Zac, If, Riso</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+70"/>
        <source>Debug(GridNA in wait mode)</source>
        <translation>디버그(대기 모드 중 계통 없음)</translation>
    </message>
    <message>
        <location line="-69"/>
        <location line="+70"/>
        <source>Debug(Grid out of range in wait mode)</source>
        <translation>디버그(대기 모드 중 계통 범위 이탈)</translation>
    </message>
    <message>
        <location line="-69"/>
        <location line="+70"/>
        <source>No output current</source>
        <translation>출력 전류 없음</translation>
    </message>
    <message>
        <location line="-68"/>
        <location line="+70"/>
        <source>Over current of input current IpvA</source>
        <translation>입력 전류 IpvA 과전류</translation>
    </message>
    <message>
        <location line="-69"/>
        <source>Over current of input current IpvB</source>
        <translation>입력 전류 IpvB 과전류</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Over current of input current IpvC</source>
        <translation>입력 전류 IpvC 과전류</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+70"/>
        <source>AC grid impedance out of range, continuously</source>
        <translation>계통 임피던스 범위 이탈(지속)</translation>
    </message>
    <message>
        <location line="-69"/>
        <source>The rate of change of aC grid impedance out of range, continuously</source>
        <translation>계통 임피던스 변화율 범위 이탈(지속)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The drastic change of leakage current has been detected, continuously</source>
        <translation>누설전류 급변 검출(지속)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The leakage current has exceeded a safe operationg limit, continuously</source>
        <translation>누설전류 안전 운전 한계 초과(지속)</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+70"/>
        <source>AC over current, continuously</source>
        <translation>AC 과전류(지속)</translation>
    </message>
    <message>
        <location line="-69"/>
        <location line="+70"/>
        <location line="+69"/>
        <source>Relay test failed, continuously</source>
        <translation>릴레이 테스트 실패(지속)</translation>
    </message>
    <message>
        <location line="-138"/>
        <location line="+70"/>
        <source>Memory self test failed</source>
        <translation>메모리 자가진단 실패</translation>
    </message>
    <message>
        <location line="-69"/>
        <location line="+70"/>
        <source>Calibrate value is out of range</source>
        <translation>보정값 범위 이탈</translation>
    </message>
    <message>
        <location line="-69"/>
        <location line="+70"/>
        <source>Self test error(EEPROM data loss)</source>
        <translation>자가진단 오류(EEPROM 데이터 손실)</translation>
    </message>
    <message>
        <location line="-69"/>
        <location line="+70"/>
        <source>The firmware version error</source>
        <translation>펌웨어 버전 오류</translation>
    </message>
    <message>
        <location line="-69"/>
        <location line="+70"/>
        <source>Internal measurement comparison error or defective hardware</source>
        <translation>내부 측정값 비교 오류 또는 하드웨어 결함</translation>
    </message>
    <message>
        <location line="-69"/>
        <location line="+70"/>
        <source>Internal watchdog function triggered</source>
        <translation>내부 워치독 기능 작동</translation>
    </message>
    <message>
        <location line="-69"/>
        <location line="+70"/>
        <source>The system failed</source>
        <translation>시스템 고장</translation>
    </message>
    <message>
        <location line="-69"/>
        <location line="+70"/>
        <source>SPI test failed</source>
        <translation>SPI 테스트 실패</translation>
    </message>
    <message>
        <location line="-69"/>
        <location line="+70"/>
        <location line="+66"/>
        <source>Calibration data is lost</source>
        <translation>보정 데이터 손실</translation>
    </message>
    <message>
        <location line="-132"/>
        <source>No  AC voltage is detected on the grid side</source>
        <translation>계통 측 AC 전압 미검출</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The frequency of AC voltage of the utility is under the lower limit</source>
        <translation>계통 주파수 하한 미만</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Auto test failed</source>
        <translation>자동 테스트 실패</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The internal temperature of the inverter is under the lower limit</source>
        <translation>인버터 내부 온도 하한 미만</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The DC voltage of PV array is over the upper limit</source>
        <translation>PV 어레이 DC 전압 상한 초과</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The DC voltage of PV array is under the lower limit</source>
        <translation>PV 어레이 DC 전압 하한 미만</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DC/DC HW Failure</source>
        <translation>DC/DC 하드웨어 고장</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>GFDI fault</source>
        <translation>GFDI 고장</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+29"/>
        <source>Ibuck over current</source>
        <translation>Ibuck 과전류</translation>
    </message>
    <message>
        <location line="-28"/>
        <source>MOV AC side fault</source>
        <translation>AC 측 MOV 고장</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>MOV DC side fault</source>
        <translation>DC 측 MOV 고장</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>FAN blocking</source>
        <translation>팬 잠김</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Vrms of L1-N out of maximum value</source>
        <translation>L1-N Vrms 최댓값 초과</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Vrms of L1-N out of minimum value</source>
        <translation>L1-N Vrms 최솟값 미만</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Vrms of L2-N out of maximum value</source>
        <translation>L2-N Vrms 최댓값 초과</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Driver fault</source>
        <translation>드라이버 회로 고장</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Vrms of L2-N out of minimum value</source>
        <translation>L2-N Vrms 최솟값 미만</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delta CPU error Fac, Vac, Idc, Zac, If, Riso</source>
        <translation>CPU 간 측정값 불일치 Fac, Vac, Idc, Zac, If, Riso</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Input limit by Ibuck(average or peak</source>
        <translation>Ibuck에 의한 입력 제한(평균 또는 피크)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Buck not work, Vdcbus not enough</source>
        <translation>Buck 동작 안 함, Vdcbus 부족</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The rate of change of the AC grid impedance out of range, continuously</source>
        <translation>계통 임피던스 변화율 범위 이탈(지속)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Driver fault, continuously</source>
        <translation>드라이버 회로 고장(지속)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>DC/DC H/W Failure, continuously</source>
        <translation>DC/DC 하드웨어 고장(지속)</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>The AC voltage of utility grid is over the upper limit.</source>
        <translation>계통 AC 전압이 상한을 초과했습니다.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The AC voltage of utility grid is under the lower limit.</source>
        <translation>계통 AC 전압이 하한 미만입니다.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The frequency of AC voltage of the utility is over the upper limit.</source>
        <translation>계통 주파수가 상한을 초과했습니다.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The frequency of AC voltage of the utility is under the lower limit.</source>
        <translation>계통 주파수가 하한 미만입니다.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>One/Two phase disconnection.</source>
        <translation>1상 또는 2상이 단선되었습니다.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>L2, L3 reversed phase sequence.</source>
        <translation>L2, L3 상순이 반대입니다.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Islanding is detected.</source>
        <translation>단독운전이 검출되었습니다.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The drastic change of the leakage current has been detected.</source>
        <translation>누설전류 급변이 검출되었습니다.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The leakage current has exceeded a safe operating limit.</source>
        <translation>누설전류가 안전 운전 한계를 초과했습니다.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Over DC current injected into the AC grid is detected.</source>
        <translation>AC 계통으로의 직류 유입 과다가 검출되었습니다.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Over current on the grid side.</source>
        <translation>계통 측 과전류가 발생했습니다.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The AC current is over the upper limit.</source>
        <translation>AC 전류가 상한을 초과했습니다.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The insulation resistance between PV array and the ground is below the safe operating limit.</source>
        <translation>PV 어레이와 접지 간 절연저항이 안전 운전 한계 미만입니다.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The DC voltage of PV array is over the upper limit.</source>
        <translation>PV 어레이 DC 전압이 상한을 초과했습니다.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Over current on the DC side.</source>
        <translation>DC 측 과전류가 발생했습니다.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Over power on the DC side.</source>
        <translation>DC 측 과전력이 발생했습니다.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Internal DC bus voltage is over the upper limit.</source>
        <translation>내부 DC 버스 전압이 상한을 초과했습니다.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Internal DC bus voltage is below the lower limit.</source>
        <translation>내부 DC 버스 전압이 하한 미만입니다.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The internal temperature of the inverter exceeded the safe operating limit.</source>
        <translation>인버터 내부 온도가 안전 운전 한계를 초과했습니다.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Internal measurement comparison error or defective hardware.</source>
        <translation>내부 측정값 비교 오류 또는 하드웨어 결함입니다.</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+38"/>
        <source>The system is failed.</source>
        <translation>시스템 고장입니다.</translation>
    </message>
    <message>
        <location line="-37"/>
        <source>Auto test is failed</source>
        <translation>자동 테스트 실패</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The internal temperature of the inverter below the safe operating limit.</source>
        <translation>인버터 내부 온도가 안전 운전 한계 미만입니다.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The output relay is open.</source>
        <translation>출력 릴레이가 닫히지 않습니다(개방 고장).</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The output relay is short.</source>
        <translation>출력 릴레이가 열리지 않습니다(단락 고장).</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+17"/>
        <source>The leakage current measurement device is failure.</source>
        <translation>누설전류 측정 장치 고장입니다.</translation>
    </message>
    <message>
        <location line="-16"/>
        <source>Input current sensor is failure.</source>
        <translation>입력 전류 센서 고장입니다.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Output current sensor is failure.</source>
        <translation>출력 전류 센서 고장입니다.</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+16"/>
        <source>The DC injection current monitoring function failure.</source>
        <translation>직류 유입 전류 감시 기능 고장입니다.</translation>
    </message>
    <message>
        <location line="-15"/>
        <source>Internal communication is failed.</source>
        <translation>내부 통신에 실패했습니다.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>EEPROM test failed. *waring message</source>
        <translation>EEPROM 테스트에 실패했습니다. *경고 메시지</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <source>The fan is lock.  *waring message</source>
        <translation>팬이 잠겼습니다. *경고 메시지</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>External communication failed  *waring message</source>
        <translation>외부 통신 실패 *경고 메시지</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Internal reference voltage failed, +1.5VA,+1.5VB.</source>
        <translation>내부 기준 전압 고장, +1.5VA, +1.5VB.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Internal reference voltage failed, +1.5VA,+1.5VB</source>
        <translation>내부 기준 전압 고장, +1.5VA, +1.5VB</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The DC/DC converter is failure.</source>
        <translation>DC/DC 컨버터 고장입니다.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Hall sensor failed</source>
        <translation>홀 센서 고장</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>EEPROM test failed</source>
        <translation>EEPROM 테스트 실패</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The firmware version is not correct</source>
        <translation>펌웨어 버전이 올바르지 않음</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Internal measurement comparison error or defective hardware, continuously</source>
        <translation>내부 측정값 비교 오류 또는 하드웨어 결함(지속)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The mismatch of hardware MODEL setting and CPU setting.</source>
        <translation>하드웨어 MODEL 설정과 CPU 설정이 일치하지 않습니다.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Internal communication test failed</source>
        <translation>내부 통신 테스트 실패</translation>
    </message>
</context>
<context>
    <name>EventListView</name>
    <message>
        <location filename="../src/ui/views/eventlistview.ui" line="+14"/>
        <source>SN_Name:</source>
        <translation>일련번호/이름:</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Year:</source>
        <translation>연도:</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Month:</source>
        <translation>월:</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Query</source>
        <translation>조회</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Events</source>
        <translation>이벤트</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Date / Time</source>
        <translation>날짜 / 시간</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>State</source>
        <translation>상태</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Error_Code_1</source>
        <translation>오류 코드 1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Error_Code_2</source>
        <translation>오류 코드 2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Error_Code_3</source>
        <translation>오류 코드 3</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Error_Code_4</source>
        <translation>오류 코드 4</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Error description</source>
        <translation>오류 설명</translation>
    </message>
    <message>
        <location filename="../src/ui/views/eventlistview.cpp" line="+66"/>
        <source>Info</source>
        <translation>정보</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>No error events happened!</source>
        <translation>발생한 오류 이벤트가 없습니다!</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Error Code %1-&gt; </source>
        <translation>오류 코드 %1-&gt; </translation>
    </message>
    <message>
        <location line="+3"/>
        <source>State code-&gt; </source>
        <translation>상태 코드-&gt; </translation>
    </message>
</context>
<context>
    <name>KeyParameterCodes</name>
    <message>
        <location filename="../src/device/keyparametercodes.cpp" line="+20"/>
        <source>Link quality</source>
        <translation>통신 품질</translation>
    </message>
</context>
<context>
    <name>KeyParametersView</name>
    <message>
        <location filename="../src/ui/views/keyparametersview.ui" line="+11"/>
        <source>Columns:</source>
        <translation>표시 열:</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>Key parameters</source>
        <translation>주요 파라미터</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Inverter</source>
        <translation>인버터</translation>
    </message>
</context>
<context>
    <name>LanguageDialog</name>
    <message>
        <location filename="../src/ui/languagedialog.cpp" line="+14"/>
        <source>Language</source>
        <translation>언어</translation>
    </message>
</context>
<context>
    <name>LanguageMenus</name>
    <message>
        <location filename="../src/ui/languagemenus.cpp" line="+48"/>
        <source>Language</source>
        <translation>언어</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>Language change</source>
        <translation>언어 변경</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The language changes will take effect when you restart the application.</source>
        <translation>변경한 언어는 프로그램을 다시 시작하면 적용됩니다.</translation>
    </message>
</context>
<context>
    <name>Languages</name>
    <message>
        <location filename="../src/base/languages.cpp" line="+10"/>
        <source>English</source>
        <translation>영어</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Italian</source>
        <translation>이탈리아어</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Traditional Chinese</source>
        <translation>중국어(번체)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Spanish</source>
        <translation>스페인어</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>French</source>
        <translation>프랑스어</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>German</source>
        <translation>독일어</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Simplified Chinese</source>
        <translation>중국어(간체)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Korean</source>
        <translation>한국어</translation>
    </message>
</context>
<context>
    <name>LineChoice</name>
    <message>
        <location filename="../src/ui/dialogs/linechoice.cpp" line="+18"/>
        <source>%1 (not present)</source>
        <translation>%1 (없음)</translation>
    </message>
</context>
<context>
    <name>LineHealthDialog</name>
    <message>
        <location filename="../src/ui/dialogs/linehealthdialog.cpp" line="+41"/>
        <source>Line health</source>
        <translation>회선 상태</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Device</source>
        <translation>장치</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Link
quality %</source>
        <translation>통신
품질 %</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Exchanges</source>
        <translation>교환 횟수</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>First
try</source>
        <translation>첫 시도
성공</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>After a
retry</source>
        <translation>재시도 후
성공</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Timeouts</source>
        <translation>시간 초과</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>CRC
errors</source>
        <translation>CRC
오류</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Short
replies</source>
        <translation>짧은
응답</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Wrong address /
function / length</source>
        <translation>주소 / 기능 /
길이 오류</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Round trip (ms)
last / mean / 95 %</source>
        <translation>왕복 시간 (ms)
최근 / 평균 / 95 %</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Counts since the program started. Exchanges: requests with their retry. Link quality: the share answered correctly on the first try; below 95 % the device is marked.</source>
        <translation>프로그램 시작 이후의 집계입니다. 교환 횟수: 재시도를 포함한 요청. 통신 품질: 첫 시도에 올바르게 응답한 비율이며, 95 % 미만인 장치는 표시됩니다.</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>Sensor %1</source>
        <translation>센서 %1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Inverter %1</source>
        <translation>인버터 %1</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Link quality below 95 %: check the cable, its terminator and the device&apos;s transceiver.</source>
        <translation>통신 품질이 95 % 미만입니다: 케이블, 종단 저항, 장치의 송수신기를 점검하십시오.</translation>
    </message>
</context>
<context>
    <name>MailSettings</name>
    <message>
        <location filename="../src/monitor/mailsettings.cpp" line="+79"/>
        <source>Apply</source>
        <translation>적용</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Please input all fields.</source>
        <translation>모든 항목을 입력하십시오.</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+10"/>
        <source>Fail</source>
        <translation>실패</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>OK</source>
        <translation>성공</translation>
    </message>
</context>
<context>
    <name>MailTester</name>
    <message>
        <location filename="../src/monitor/mailtester.cpp" line="+22"/>
        <source>Please waiting...</source>
        <translation>잠시 기다려 주십시오...</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+11"/>
        <location line="+4"/>
        <source>Error</source>
        <translation>오류</translation>
    </message>
    <message>
        <location line="-14"/>
        <location line="+10"/>
        <source>Some fields is not valid.</source>
        <translation>일부 항목이 올바르지 않습니다.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Please type at least one recipient.</source>
        <translation>받는 사람을 한 명 이상 입력하십시오.</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Send failed.
%1 mails failed since the mail settings were applied: no mail is sent until they are applied again.</source>
        <translation>보내기에 실패했습니다.
메일 설정을 적용한 후 %1개의 메일이 실패했습니다. 설정을 다시 적용할 때까지 메일을 보내지 않습니다.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Test Connect</source>
        <translation>연결 테스트</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Test success</source>
        <translation>테스트 성공</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Test fail</source>
        <translation>테스트 실패</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Send Test Mail</source>
        <translation>테스트 메일 보내기</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Send success.</source>
        <translation>메일을 보냈습니다.</translation>
    </message>
    <message>
        <location line="-20"/>
        <source>Send failed.</source>
        <translation>메일을 보내지 못했습니다.</translation>
    </message>
</context>
<context>
    <name>MonitorControl</name>
    <message>
        <location filename="../src/ui/monitorcontrol.cpp" line="+54"/>
        <source>Communication Testing...</source>
        <translation>통신 테스트 중...</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Info</source>
        <translation>정보</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The last monitoring has not ended yet. Please try again in a moment.</source>
        <translation>이전 모니터링이 아직 종료되지 않았습니다. 잠시 후 다시 시도하십시오.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Starting monitoring...</source>
        <translation>모니터링을 시작하는 중...</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Stopping monitoring...</source>
        <translation>모니터링을 중지하는 중...</translation>
    </message>
    <message>
        <location line="+93"/>
        <source>Warning</source>
        <translation>경고</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The line is being searched for inverters. Please try again when the search has ended.</source>
        <translation>회선에서 인버터를 검색하는 중입니다. 검색이 끝난 후 다시 시도하십시오.</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>Not ready</source>
        <translation>준비 안 됨</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Ready for monitoring...</source>
        <translation>모니터링 준비 완료...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Monitoring...</source>
        <translation>모니터링 중...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Searching for inverters...</source>
        <translation>인버터를 검색하는 중...</translation>
    </message>
</context>
<context>
    <name>MonitorTables</name>
    <message>
        <location filename="../src/device/monitortables.cpp" line="+115"/>
        <source>Sensor 1</source>
        <translation>센서 1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sensor 2</source>
        <translation>센서 2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sensor 3</source>
        <translation>센서 3</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sensor 4</source>
        <translation>센서 4</translation>
    </message>
</context>
<context>
    <name>MonitoringSession</name>
    <message>
        <location filename="../src/monitor/monitoringsession.cpp" line="+73"/>
        <location line="+11"/>
        <source>Error</source>
        <translation>오류</translation>
    </message>
    <message>
        <location line="-9"/>
        <source>COM%1 is not available!</source>
        <translation>COM%1 포트를 사용할 수 없습니다!</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Communication fail! Please check out your COM Port settings, then search inverters again.</source>
        <translation>통신에 실패했습니다! COM 포트 설정을 확인한 후 인버터를 다시 검색하십시오.</translation>
    </message>
</context>
<context>
    <name>MqttConnection</name>
    <message>
        <location filename="../src/publish/mqttconnection.cpp" line="+112"/>
        <source>The MQTT broker at %1 does not answer.</source>
        <translation>%1의 MQTT 브로커가 응답하지 않습니다.</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>The MQTT client could not be set up (out of memory).</source>
        <translation>MQTT 클라이언트를 준비할 수 없습니다(메모리 부족).</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>The CA file &quot;%1&quot; cannot be read.</source>
        <translation>CA 파일 &quot;%1&quot;을(를) 읽을 수 없습니다.</translation>
    </message>
    <message>
        <location line="+53"/>
        <source>The connection to the MQTT broker at %1 was lost.</source>
        <translation>%1의 MQTT 브로커와의 연결이 끊어졌습니다.</translation>
    </message>
    <message>
        <location line="+146"/>
        <source>The MQTT broker &quot;%1&quot; cannot be found: there is no such host.</source>
        <translation>MQTT 브로커 &quot;%1&quot;을(를) 찾을 수 없습니다: 그런 호스트가 없습니다.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The TLS connection to the MQTT broker at %1 failed: its certificate is not trusted (check the CA file and the host name) or it does not speak TLS on this port.</source>
        <translation>%1의 MQTT 브로커와의 TLS 연결에 실패했습니다: 인증서를 신뢰할 수 없거나(CA 파일과 호스트 이름을 확인하십시오) 이 포트에서 TLS를 사용하지 않습니다.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The MQTT broker at %1 refuses connections: is it running, and is the port right?</source>
        <translation>%1의 MQTT 브로커가 연결을 거부합니다: 실행 중인지, 포트가 맞는지 확인하십시오.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The MQTT broker at %1 cannot be reached: %2.</source>
        <translation>%1의 MQTT 브로커에 연결할 수 없습니다: %2.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The MQTT broker at %1 closed the connection before it was set up.</source>
        <translation>%1의 MQTT 브로커가 연결이 설정되기 전에 연결을 닫았습니다.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The connection to the MQTT broker at %1 failed: %2</source>
        <translation>%1의 MQTT 브로커에 연결하지 못했습니다: %2</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The MQTT broker at %1 refused the client id &quot;%2&quot;.</source>
        <translation>%1의 MQTT 브로커가 클라이언트 ID &quot;%2&quot;을(를) 거부했습니다.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The MQTT broker at %1 refused the connection without a login: please enter a user name and password.</source>
        <translation>%1의 MQTT 브로커가 로그인 없는 연결을 거부했습니다: 사용자 이름과 비밀번호를 입력하십시오.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The MQTT broker at %1 refused the login of &quot;%2&quot;: wrong user name or password, or the user may not connect.</source>
        <translation>%1의 MQTT 브로커가 &quot;%2&quot;의 로그인을 거부했습니다: 사용자 이름이나 비밀번호가 틀렸거나 이 사용자는 연결할 수 없습니다.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The MQTT broker at %1 refused the connection: %2</source>
        <translation>%1의 MQTT 브로커가 연결을 거부했습니다: %2</translation>
    </message>
</context>
<context>
    <name>MqttDialog</name>
    <message>
        <location filename="../src/ui/dialogs/mqttdialog.cpp" line="+85"/>
        <source>Topics: %1, %2, %3.</source>
        <translation>토픽: %1, %2, %3.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Home Assistant finds the inverters under %1/sensor/.</source>
        <translation>Home Assistant는 %1/sensor/ 아래에서 인버터를 찾습니다.</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>CA file</source>
        <translation>CA 파일</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Certificates (*.pem *.crt *.cer);;All files (*)</source>
        <translation>인증서 (*.pem *.crt *.cer);;모든 파일 (*)</translation>
    </message>
    <message>
        <location line="+11"/>
        <location line="+27"/>
        <source>Warning</source>
        <translation>경고</translation>
    </message>
    <message>
        <location line="-3"/>
        <source>Info</source>
        <translation>정보</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Connected to the MQTT broker at %1.</source>
        <translation>%1의 MQTT 브로커에 연결되었습니다.</translation>
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
        <translation>모든 폴링 주기를 MQTT 브로커에 게시</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Broker host:</source>
        <translation>브로커 호스트:</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Port:</source>
        <translation>포트:</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>User:</source>
        <translation>사용자:</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Password:</source>
        <translation>비밀번호:</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Client id:</source>
        <translation>클라이언트 ID:</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Topic prefix:</source>
        <translation>토픽 접두사:</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>QoS:</source>
        <translation>QoS:</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>0: at most once</source>
        <translation>0: 최대 한 번</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>1: at least once</source>
        <translation>1: 최소 한 번</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>2: exactly once</source>
        <translation>2: 정확히 한 번</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Home Assistant discovery prefix:</source>
        <translation>Home Assistant 검색 접두사:</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>empty: no discovery</source>
        <translation>비워 두면 검색 없음</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Retain the state messages for newcomers</source>
        <translation>새 구독자를 위해 상태 메시지 보존 (retain)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>TLS (the broker&apos;s certificate is always verified)</source>
        <translation>TLS (브로커 인증서는 항상 검증됨)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>CA file:</source>
        <translation>CA 파일:</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>trusted besides the system&apos;s certificates</source>
        <translation>시스템 인증서 외에 추가로 신뢰</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>&amp;Test connection</source>
        <translation>연결 테스트(&amp;T)</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>&amp;OK</source>
        <translation>확인(&amp;O)</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>&amp;Cancel</source>
        <translation>취소(&amp;C)</translation>
    </message>
</context>
<context>
    <name>MqttSettings</name>
    <message>
        <location filename="../src/publish/mqttsettings.cpp" line="+62"/>
        <source>Please enter the host name or address of the MQTT broker.</source>
        <translation>MQTT 브로커의 호스트 이름이나 주소를 입력하십시오.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The MQTT port must be a number from 1 to 65535.</source>
        <translation>MQTT 포트는 1에서 65535 사이의 숫자여야 합니다.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The MQTT QoS must be 0, 1 or 2.</source>
        <translation>MQTT QoS는 0, 1, 2 중 하나여야 합니다.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Please enter an MQTT client id.</source>
        <translation>MQTT 클라이언트 ID를 입력하십시오.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Topic prefixes must not be empty or contain &quot;+&quot; or &quot;#&quot;.</source>
        <translation>토픽 접두사는 비어 있거나 &quot;+&quot; 또는 &quot;#&quot;을 포함할 수 없습니다.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>A password needs a user name.</source>
        <translation>비밀번호에는 사용자 이름이 필요합니다.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The CA file &quot;%1&quot; cannot be read.</source>
        <translation>CA 파일 &quot;%1&quot;을(를) 읽을 수 없습니다.</translation>
    </message>
</context>
<context>
    <name>PageOutput</name>
    <message>
        <location filename="../src/ui/pageoutput.cpp" line="+16"/>
        <source>Print Document</source>
        <translation>문서 인쇄</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Save File</source>
        <translation>파일 저장</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Images (*.bmp *.jpg)</source>
        <translation>이미지 (*.bmp *.jpg)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Info</source>
        <translation>정보</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Save OK.</source>
        <translation>저장되었습니다.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Error</source>
        <translation>오류</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Can not save image file!</source>
        <translation>이미지 파일을 저장할 수 없습니다!</translation>
    </message>
</context>
<context>
    <name>ParamTables</name>
    <message>
        <location filename="../src/device/paramtables.cpp" line="+266"/>
        <source>Language (LCD)</source>
        <translation>언어 (LCD)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Alarm</source>
        <translation>알람</translation>
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
        <translation>파라미터</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Parameter Name</source>
        <translation>파라미터 이름</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Value</source>
        <translation>값</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Input new value:</source>
        <translation>새 값 입력:</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Save</source>
        <translation>저장</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Range:</source>
        <translation>범위:</translation>
    </message>
    <message>
        <location filename="../src/ui/views/parameterview.cpp" line="+135"/>
        <source>Error</source>
        <translation>오류</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>The value is not valid!</source>
        <translation>올바르지 않은 값입니다!</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>Setting parameter, please waiting...</source>
        <translation>파라미터를 설정하는 중입니다. 잠시 기다려 주십시오...</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Warning</source>
        <translation>경고</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Save fail.</source>
        <translation>저장에 실패했습니다.</translation>
    </message>
    <message>
        <location line="-1"/>
        <source>continue to monitoring, please waiting...</source>
        <translation>모니터링을 계속합니다. 잠시 기다려 주십시오...</translation>
    </message>
</context>
<context>
    <name>PortRefusal</name>
    <message>
        <location filename="../src/monitor/portrefusal.cpp" line="+30"/>
        <source>COM%1 (%2) is there, but this user may not open it. Add the user to the dialout group (sudo adduser %3 dialout), then log out and in again.</source>
        <translation>COM%1 (%2) 포트가 있지만 이 사용자는 열 수 없습니다. 사용자를 dialout 그룹에 추가한 후 (sudo adduser %3 dialout) 로그아웃했다가 다시 로그인하십시오.</translation>
    </message>
</context>
<context>
    <name>QAbout</name>
    <message>
        <location filename="../src/ui/dialogs/qabout.cpp" line="+18"/>
        <source>set by LUMORA_HOME</source>
        <translation>LUMORA_HOME으로 지정됨</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the program&apos;s own folder</source>
        <translation>프로그램 자체 폴더</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>your data folder</source>
        <translation>사용자 데이터 폴더</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Version %1</source>
        <translation>버전 %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&lt;b&gt;Supported inverters:&lt;/b&gt; the Lumora families %1, among them the models %2; up to four Modbus RTU sensors on the same line.</source>
        <translation>&lt;b&gt;지원 인버터:&lt;/b&gt; Lumora %1 제품군이며, %2 모델이 여기에 포함됩니다. 같은 선로에 Modbus RTU 센서를 최대 4대까지 연결할 수 있습니다.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&lt;b&gt;Built with:&lt;/b&gt; Qt %1, Qwt %2, SQLite %3.</source>
        <translation>&lt;b&gt;사용 라이브러리:&lt;/b&gt; Qt %1, Qwt %2, SQLite %3.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&lt;b&gt;Application directory:&lt;/b&gt; %1 (%2)</source>
        <translation>&lt;b&gt;응용 프로그램 디렉터리:&lt;/b&gt; %1 (%2)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&lt;b&gt;Icons:&lt;/b&gt; Silk icon set by Mark James, &lt;a href=&quot;http://www.famfamfam.com/lab/icons/silk/&quot;&gt;famfamfam.com&lt;/a&gt;, licensed under the &lt;a href=&quot;https://creativecommons.org/licenses/by/2.5/&quot;&gt;Creative Commons Attribution 2.5&lt;/a&gt; licence (Debian package famfamfam-silk). Flag icons by Mark James, &lt;a href=&quot;http://www.famfamfam.com/lab/icons/flags/&quot;&gt;famfamfam.com&lt;/a&gt; (Debian package famfamfam-flag-png).</source>
        <translation>&lt;b&gt;아이콘:&lt;/b&gt; Mark James의 Silk 아이콘 세트, &lt;a href=&quot;http://www.famfamfam.com/lab/icons/silk/&quot;&gt;famfamfam.com&lt;/a&gt;, &lt;a href=&quot;https://creativecommons.org/licenses/by/2.5/&quot;&gt;크리에이티브 커먼즈 저작자표시 2.5 (Creative Commons Attribution 2.5)&lt;/a&gt; 라이선스 적용 (Debian 패키지 famfamfam-silk). 국기 아이콘: Mark James, &lt;a href=&quot;http://www.famfamfam.com/lab/icons/flags/&quot;&gt;famfamfam.com&lt;/a&gt; (Debian 패키지 famfamfam-flag-png).</translation>
    </message>
</context>
<context>
    <name>QAboutClass</name>
    <message>
        <location filename="../src/ui/dialogs/qabout.ui" line="+6"/>
        <source>About</source>
        <translation>프로그램 정보</translation>
    </message>
    <message>
        <location line="+88"/>
        <source>OK</source>
        <translation>확인</translation>
    </message>
</context>
<context>
    <name>QBackgroundDlg</name>
    <message>
        <location filename="../src/ui/dialogs/qbackgrounddlg.cpp" line="+110"/>
        <source>Select Image File</source>
        <translation>이미지 파일 선택</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Image Files (*.png *.jpg *.bmp)</source>
        <translation>이미지 파일 (*.png *.jpg *.bmp)</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+4"/>
        <source>Warning</source>
        <translation>경고</translation>
    </message>
    <message>
        <location line="-4"/>
        <source>This file name exists already.</source>
        <translation>같은 이름의 파일이 이미 있습니다.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Can not copy the image file.</source>
        <translation>이미지 파일을 복사할 수 없습니다.</translation>
    </message>
</context>
<context>
    <name>QBackgroundDlgClass</name>
    <message>
        <location filename="../src/ui/dialogs/qbackgrounddlg.ui" line="+6"/>
        <source>Background Graphics</source>
        <translation>배경 이미지</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Graphics List</source>
        <translation>이미지 목록</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Background pictures</source>
        <translation>배경 그림</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Add external image</source>
        <translation>외부 이미지 추가</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Delete</source>
        <translation>삭제</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Clear Background</source>
        <translation>배경 지우기</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Apply</source>
        <translation>적용</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
</context>
<context>
    <name>QBurnSearch</name>
    <message>
        <location filename="../src/monitor/qburnsearch.cpp" line="+64"/>
        <source>Confirm</source>
        <translation>확인</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Auto change the duplicate Inverter ID?</source>
        <translation>중복된 인버터 ID를 자동으로 변경하시겠습니까?</translation>
    </message>
</context>
<context>
    <name>QConfigWizard</name>
    <message>
        <location filename="../src/ui/dialogs/qconfigwizard.cpp" line="+109"/>
        <source>Not found</source>
        <translation>찾을 수 없음</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>No inverters found</source>
        <translation>인버터를 찾지 못했습니다</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Error</source>
        <translation>오류</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>This COM port is not available</source>
        <translation>이 COM 포트를 사용할 수 없습니다</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>%1 inverters found.</source>
        <translation>인버터 %1대를 찾았습니다.</translation>
    </message>
</context>
<context>
    <name>QConfigWizardClass</name>
    <message>
        <location filename="../src/ui/dialogs/qconfigwizard.ui" line="+14"/>
        <source>Configuration Wizard</source>
        <translation>설정 마법사</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Introduction</source>
        <translation>소개</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Welcome to use the configuration wizard. This wizard will help you to set up the Lumora Data Manager.</source>
        <translation>설정 마법사를 시작합니다. 이 마법사가 Lumora Data Manager 설정을 도와 드립니다.</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Serial Port Settings:</source>
        <translation>시리얼 포트 설정:</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>COM Port:</source>
        <translation>COM 포트:</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Refresh</source>
        <translation>새로 고침</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Baudrate:</source>
        <translation>보드레이트:</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Search  for inverters</source>
        <translation>인버터 검색</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>You can search inverters using the previous settings now.</source>
        <translation>이제 앞 단계의 설정으로 인버터를 검색할 수 있습니다.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Search for inverters:</source>
        <translation>인버터 검색:</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Search </source>
        <translation>검색 </translation>
    </message>
    <message>
        <location line="+38"/>
        <source>0 inverters found.</source>
        <translation>인버터 0대를 찾았습니다.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Auto search:</source>
        <translation>자동 검색:</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Minutes between automatic searches</source>
        <translation>자동 검색 간격(분)</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>minutes</source>
        <translation>분</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Change duplicate inverter IDs in automatic searches</source>
        <translation>자동 검색 시 중복된 인버터 ID 변경</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Congratulation!</source>
        <translation>축하합니다!</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>You have completed the wizard, you can start monitoring right now.</source>
        <translation>마법사를 완료했습니다. 지금 바로 모니터링을 시작할 수 있습니다.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Start monitoring now</source>
        <translation>지금 모니터링 시작</translation>
    </message>
</context>
<context>
    <name>QDiagnosticsClass</name>
    <message>
        <location filename="../src/ui/dialogs/qdiagnostics.ui" line="+17"/>
        <source>Direct Command</source>
        <translation>직접 명령</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Command</source>
        <translation>명령</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Slave Addr</source>
        <translation>슬레이브 주소</translation>
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
        <translation>기능 코드</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>03</source>
        <translation>03</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Data Address</source>
        <translation>데이터 주소</translation>
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
        <translation>데이터 길이</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>Send</source>
        <translation>보내기</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Output command:</source>
        <translation>송신 명령:</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Response message:</source>
        <translation>응답 메시지:</translation>
    </message>
</context>
<context>
    <name>QFontSettingsClass</name>
    <message>
        <location filename="../src/ui/dialogs/qfontsettings.ui" line="+6"/>
        <source>Fonts and Colors</source>
        <translation>글꼴 및 색상</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Title:</source>
        <translation>제목:</translation>
    </message>
    <message>
        <location line="+7"/>
        <location line="+34"/>
        <location line="+28"/>
        <source>font...</source>
        <translation>글꼴...</translation>
    </message>
    <message>
        <location line="-55"/>
        <location line="+34"/>
        <location line="+28"/>
        <source>color...</source>
        <translation>색상...</translation>
    </message>
    <message>
        <location line="-49"/>
        <location line="+28"/>
        <location line="+28"/>
        <source>Sample</source>
        <translation>미리 보기</translation>
    </message>
    <message>
        <location line="-49"/>
        <source>Information:</source>
        <translation>정보:</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Message:</source>
        <translation>메시지:</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>OK</source>
        <translation>확인</translation>
    </message>
</context>
<context>
    <name>QLogData</name>
    <message>
        <location filename="../src/history/qlogdata.cpp" line="+171"/>
        <source>Time</source>
        <translation>시간</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>SN_Name</source>
        <translation>일련번호/이름</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>State</source>
        <translation>상태</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Err%1</source>
        <translation>오류%1</translation>
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
        <translation>기록 시작/종료 시각</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The Settings of start record time and stop record time is error!</source>
        <translation>기록 시작 시각과 기록 종료 시각 설정이 잘못되었습니다!</translation>
    </message>
</context>
<context>
    <name>QMainViewConfigClass</name>
    <message>
        <location filename="../src/ui/dialogs/qmainviewconfig.ui" line="+6"/>
        <source>Main View Configuration</source>
        <translation>메인 화면 설정</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Main View </source>
        <translation>메인 화면 </translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Save interval</source>
        <translation>저장 간격</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>minutes</source>
        <translation>분</translation>
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
        <translation>시스템 기록 시간</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Automatic</source>
        <translation>자동</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Manual</source>
        <translation>수동</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Start record time:</source>
        <translation>기록 시작 시각:</translation>
    </message>
    <message>
        <location line="+17"/>
        <location line="+27"/>
        <source>o&apos;clock</source>
        <translation>시</translation>
    </message>
    <message>
        <location line="-17"/>
        <source>Stop record time:</source>
        <translation>기록 종료 시각:</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Earning Settings</source>
        <translation>수익 설정</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Earning:</source>
        <translation>수익:</translation>
    </message>
    <message>
        <location line="+29"/>
        <source> / kWh</source>
        <translation> / kWh</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Message Display:</source>
        <translation>메시지 표시:</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Title Display:</source>
        <translation>제목 표시:</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Advanced Settings</source>
        <translation>고급 설정</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Select All</source>
        <translation>모두 선택</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Clear All</source>
        <translation>모두 해제</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Default</source>
        <translation>기본값</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>&lt;b&gt;Arrangement: (press mouse to move)&lt;/b&gt;</source>
        <translation>&lt;b&gt;배치 순서: (마우스를 누른 채 끌어서 이동)&lt;/b&gt;</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Arrangement</source>
        <translation>배치</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Click and Move</source>
        <translation>클릭하여 이동</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Default Sequence</source>
        <translation>기본 순서</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Apply</source>
        <translation>적용</translation>
    </message>
</context>
<context>
    <name>QMyTreeWidget</name>
    <message>
        <location filename="../src/ui/views/qmytreewidget.cpp" line="+27"/>
        <location line="+1"/>
        <source>Inverters</source>
        <translation>인버터</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>You can use &apos;Drag and Drop&apos; to move inverter to the group.</source>
        <translation>&apos;끌어서 놓기&apos;로 인버터를 그룹으로 옮길 수 있습니다.</translation>
    </message>
    <message>
        <location line="+89"/>
        <source>UnGrouped</source>
        <translation>그룹 없음</translation>
    </message>
</context>
<context>
    <name>QPassword</name>
    <message>
        <location filename="../src/ui/dialogs/qpassword.cpp" line="+32"/>
        <source>Error</source>
        <translation>오류</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Password is wrong</source>
        <translation>비밀번호가 올바르지 않습니다</translation>
    </message>
</context>
<context>
    <name>QPasswordClass</name>
    <message>
        <location filename="../src/ui/dialogs/qpassword.ui" line="+14"/>
        <location line="+6"/>
        <source>Password</source>
        <translation>비밀번호</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
</context>
<context>
    <name>QProgessClass</name>
    <message>
        <location filename="../src/ui/qprogresswin.ui" line="+14"/>
        <source>Progressing...</source>
        <translation>처리 중...</translation>
    </message>
</context>
<context>
    <name>QSensorSettings</name>
    <message>
        <location filename="../src/ui/dialogs/qsensorsettings.cpp" line="+120"/>
        <source>No response</source>
        <translation>응답 없음</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Register Value(HEX: Lo-Hi)</source>
        <translation>레지스터 값(HEX: Lo-Hi)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Register Value(HEX: Hi-Lo)</source>
        <translation>레지스터 값(HEX: Hi-Lo)</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Append CRC...</source>
        <translation>CRC 추가...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Although Modbus protocol defines the CRC part of RTU to low byte first, High byte after, but some devices require Modbus RTU messages that appends CRC high byte first. If so, please check this to enable this kind of behavior.</source>
        <translation>Modbus 프로토콜은 RTU 메시지의 CRC를 하위 바이트 먼저, 상위 바이트 나중 순서로 규정하지만, 일부 장치는 CRC 상위 바이트를 먼저 붙인 Modbus RTU 메시지를 요구합니다. 이러한 장치라면 이 항목을 선택하여 해당 방식을 사용하십시오.</translation>
    </message>
    <message>
        <location line="-64"/>
        <location line="+80"/>
        <location line="+11"/>
        <source>Error</source>
        <translation>오류</translation>
    </message>
    <message>
        <location line="-145"/>
        <source>Line: %1, %2 baud</source>
        <translation>회선: %1, %2 보드</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Line: no port set</source>
        <translation>회선: 포트가 설정되지 않음</translation>
    </message>
    <message>
        <location line="+134"/>
        <source>Please input the header field.</source>
        <translation>표시 이름 항목을 입력하십시오.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please input the unit field.</source>
        <translation>단위 항목을 입력하십시오.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Can not add new record.</source>
        <translation>새 레코드를 추가할 수 없습니다.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Info</source>
        <translation>정보</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Save OK</source>
        <translation>저장되었습니다</translation>
    </message>
</context>
<context>
    <name>QSensorSettingsClass</name>
    <message>
        <location filename="../src/ui/dialogs/qsensorsettings.ui" line="+14"/>
        <source>Sensor Settings</source>
        <translation>센서 설정</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Settings</source>
        <translation>설정</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Step 1: Query one register</source>
        <translation>1단계: 레지스터 하나 조회</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+216"/>
        <source>Slave address</source>
        <translation>슬레이브 주소</translation>
    </message>
    <message>
        <location line="-209"/>
        <location line="+216"/>
        <location line="+338"/>
        <source>Function</source>
        <translation>기능 코드</translation>
    </message>
    <message>
        <location line="-547"/>
        <source>Starting address</source>
        <translation>시작 주소</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Number of registers</source>
        <translation>레지스터 개수</translation>
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
        <translation>조회</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>CRC high byte append first</source>
        <translation>CRC 상위 바이트 먼저 추가</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>?</source>
        <translation>?</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>Step 2: Response</source>
        <translation>2단계: 응답</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Byte Count</source>
        <translation>바이트 수</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Register Value(HEX: Hi-Lo)</source>
        <translation>레지스터 값(HEX: Hi-Lo)</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>Register value(DEC)</source>
        <translation>레지스터 값(DEC)</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Low byte first</source>
        <translation>하위 바이트 먼저</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Step 3: Operation</source>
        <translation>3단계: 연산</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Register value</source>
        <translation>레지스터 값</translation>
    </message>
    <message>
        <location line="+7"/>
        <location line="+274"/>
        <source>Operator</source>
        <translation>연산자</translation>
    </message>
    <message>
        <location line="-267"/>
        <location line="+272"/>
        <source>Factor</source>
        <translation>계수</translation>
    </message>
    <message>
        <location line="-265"/>
        <source>After operation(DEC)</source>
        <translation>연산 결과(DEC)</translation>
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
        <translation>연산</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Step 4: Save</source>
        <translation>4단계: 저장</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+190"/>
        <source>Header</source>
        <translation>표시 이름</translation>
    </message>
    <message>
        <location line="-180"/>
        <location line="+185"/>
        <source>Unit</source>
        <translation>단위</translation>
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
        <translation>저장</translation>
    </message>
    <message>
        <location line="+31"/>
        <location line="+113"/>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
    <message>
        <location line="-100"/>
        <source>View all</source>
        <translation>전체 보기</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Saved sensors</source>
        <translation>저장된 센서</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Slave</source>
        <translation>슬레이브</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Start Hi</source>
        <translation>시작 Hi</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Start Lo</source>
        <translation>시작 Lo</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Regs Hi</source>
        <translation>레지스터 수 Hi</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Regs Lo</source>
        <translation>레지스터 수 Lo</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>Delete</source>
        <translation>삭제</translation>
    </message>
</context>
<context>
    <name>QViewSizeClass</name>
    <message>
        <location filename="../src/ui/dialogs/qviewsize.ui" line="+21"/>
        <source>View Size Settings</source>
        <translation>표시 크기 설정</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Title:</source>
        <translation>제목:</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>    pixel</source>
        <translation>    픽셀</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Information</source>
        <translation>정보</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Expanding</source>
        <translation>자동 확장</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Message:</source>
        <translation>메시지:</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>   pixel</source>
        <translation>   픽셀</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Default</source>
        <translation>기본값</translation>
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
        <translation>받는 사람 추가</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Email address:</source>
        <translation>이메일 주소:</translation>
    </message>
</context>
<context>
    <name>QalarmConfigClass</name>
    <message>
        <location filename="../src/ui/dialogs/qalarmconfig.ui" line="+6"/>
        <source>Alarm Configuration</source>
        <translation>알람 설정</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Mail Settings</source>
        <translation>메일 설정</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Mail account</source>
        <translation>메일 계정</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Account:</source>
        <translation>계정:</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Password:</source>
        <translation>비밀번호:</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Mail server:</source>
        <translation>메일 서버:</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>smtp.example.com</source>
        <translation>smtp.example.com</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Port:</source>
        <translation>포트:</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Encryption:</source>
        <translation>암호화:</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>None</source>
        <translation>없음</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>Sender:</source>
        <translation>보내는 사람:</translation>
    </message>
    <message>
        <location line="+13"/>
        <location line="+6"/>
        <source>Recipients</source>
        <translation>받는 사람</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Add...</source>
        <translation>추가...</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Delete</source>
        <translation>삭제</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Test Connection</source>
        <translation>연결 테스트</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Send Test Mail</source>
        <translation>테스트 메일 보내기</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Apply</source>
        <translation>적용</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Error Codes</source>
        <translation>오류 코드</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Inverter type:</source>
        <translation>인버터 유형:</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>Error code:</source>
        <translation>오류 코드:</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Error Code 1</source>
        <translation>오류 코드 1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Error Code 2</source>
        <translation>오류 코드 2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Error Code 3</source>
        <translation>오류 코드 3</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Error Code 4</source>
        <translation>오류 코드 4</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Send an alarm mail for these errors</source>
        <translation>다음 오류가 발생하면 알람 메일 보내기</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Select All</source>
        <translation>모두 선택</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Clear All</source>
        <translation>모두 해제</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Events</source>
        <translation>이벤트</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Inverter states</source>
        <translation>인버터 상태</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Inverter states (M83)</source>
        <translation>인버터 상태 (M83)</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
</context>
<context>
    <name>RealTimeDisplay</name>
    <message>
        <location filename="../src/ui/views/realtimedisplay.cpp" line="+166"/>
        <source>Total Yield(Eac)</source>
        <translation>누적 발전량(Eac)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Total Yield</source>
        <translation>누적 발전량</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+2"/>
        <source>Total Output Time</source>
        <translation>누적 출력 시간</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Output power</source>
        <translation>출력 전력</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Output voltage</source>
        <translation>출력 전압</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Output current</source>
        <translation>출력 전류</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Output frequency</source>
        <translation>출력 주파수</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+2"/>
        <source>DC Power</source>
        <translation>DC 전력</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DC Voltage</source>
        <translation>DC 전압</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DC Current</source>
        <translation>DC 전류</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Total input energy</source>
        <translation>누적 입력 전력량</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Output time today</source>
        <translation>금일 출력 시간</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Heatsink temperature</source>
        <translation>방열판 온도</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>AC impedance</source>
        <translation>AC 임피던스</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Trip voltage</source>
        <translation>트립 전압</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Trip frequency</source>
        <translation>트립 주파수</translation>
    </message>
</context>
<context>
    <name>RealTimeView</name>
    <message>
        <location filename="../src/ui/views/realtimeview.ui" line="+11"/>
        <source>UP</source>
        <translation>위로</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Down</source>
        <translation>아래로</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Add Group</source>
        <translation>그룹 추가</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Del Inverter</source>
        <translation>인버터 삭제</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Del Group</source>
        <translation>그룹 삭제</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Information</source>
        <translation>정보</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Gropu name:</source>
        <translation>그룹 이름:</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Device type:</source>
        <translation>장치 유형:</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Device S/N:</source>
        <translation>장치 일련번호:</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Devie address:</source>
        <translation>장치 주소:</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>DSP1 version:</source>
        <translation>DSP1 버전:</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>DSP2 version:</source>
        <translation>DSP2 버전:</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Line health</source>
        <translation>회선 상태</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Link quality:</source>
        <translation>통신 품질:</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Exchanges:</source>
        <translation>교환 횟수:</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Timeouts:</source>
        <translation>시간 초과:</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>CRC errors:</source>
        <translation>CRC 오류:</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Short replies:</source>
        <translation>짧은 응답:</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Wrong address / function / length:</source>
        <translation>주소 / 기능 / 길이 오류:</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Round trip:</source>
        <translation>왕복 시간:</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Real time display</source>
        <translation>실시간 표시</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Real time values</source>
        <translation>실시간 값</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Parameter Name</source>
        <translation>파라미터 이름</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Value</source>
        <translation>값</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Status code:</source>
        <translation>상태 코드:</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Error Code 1:</source>
        <translation>오류 코드 1:</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Error Code 1</source>
        <translation>오류 코드 1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Error Code 2:</source>
        <translation>오류 코드 2:</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Error Code 2</source>
        <translation>오류 코드 2</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Error Code 3:</source>
        <translation>오류 코드 3:</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Error Code 3</source>
        <translation>오류 코드 3</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Error Code 4:</source>
        <translation>오류 코드 4:</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Error Code 4</source>
        <translation>오류 코드 4</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Parameter configuration for devices</source>
        <translation>장치 파라미터 설정</translation>
    </message>
    <message>
        <location filename="../src/ui/views/realtimeview.cpp" line="+109"/>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Below 95 %: check the cable, its terminator and the inverter&apos;s transceiver.</source>
        <translation>95 % 미만: 케이블, 종단 저항, 인버터의 송수신기를 점검하십시오.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 (%2 right on the first try, %3 after a retry)</source>
        <translation>%1 (첫 시도에 정상 %2회, 재시도 후 %3회)</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1 ms; mean %2 ms, 95 % within %3 ms</source>
        <translation>%1 ms; 평균 %2 ms, 95 %가 %3 ms 이내</translation>
    </message>
    <message>
        <location line="+60"/>
        <source>add Group</source>
        <translation>그룹 추가</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Group name:</source>
        <translation>그룹 이름:</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Lumora Data Manager</source>
        <translation>Lumora Data Manager</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>This group name existed!</source>
        <translation>이미 있는 그룹 이름입니다!</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Add fail!</source>
        <translation>추가에 실패했습니다!</translation>
    </message>
    <message>
        <location line="+9"/>
        <location line="+18"/>
        <source>Confirm</source>
        <translation>확인</translation>
    </message>
    <message>
        <location line="-18"/>
        <source>Delete this group and all children?</source>
        <translation>이 그룹과 그 안의 모든 항목을 삭제하시겠습니까?</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Inverter</source>
        <translation>인버터</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Delete this inverter?</source>
        <translation>이 인버터를 삭제하시겠습니까?</translation>
    </message>
</context>
<context>
    <name>SearchInverterFrm</name>
    <message>
        <location filename="../src/ui/dialogs/searchinverterfrm.cpp" line="+74"/>
        <location line="+94"/>
        <source>%1 inverters found.</source>
        <translation>인버터 %1대를 찾았습니다.</translation>
    </message>
    <message>
        <location line="-60"/>
        <location line="+9"/>
        <source>Error</source>
        <translation>오류</translation>
    </message>
    <message>
        <location line="-7"/>
        <source>COM%1 is not available! The saved inverters are kept.</source>
        <translation>COM%1 포트를 사용할 수 없습니다! 저장된 인버터는 그대로 유지됩니다.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>COM%1 failed during the search (hang-up or I/O error). The saved inverters are kept.</source>
        <translation>검색 중 COM%1 포트에 오류가 발생했습니다(회선 끊김 또는 I/O 오류). 저장된 인버터는 그대로 유지됩니다.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Not found</source>
        <translation>찾을 수 없음</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>No inverters found</source>
        <translation>인버터를 찾지 못했습니다</translation>
    </message>
</context>
<context>
    <name>SearchInverterFrmClass</name>
    <message>
        <location filename="../src/ui/dialogs/searchinverterfrm.ui" line="+14"/>
        <source>Search Inverters</source>
        <translation>인버터 검색</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Search for Inverters</source>
        <translation>인버터 검색</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>0 inverters found.</source>
        <translation>인버터 0대를 찾았습니다.</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Automatically search for inverters:</source>
        <translation>인버터 자동 검색:</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Minutes between automatic searches</source>
        <translation>자동 검색 간격(분)</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>minutes</source>
        <translation>분</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Change duplicate inverter IDs in automatic searches</source>
        <translation>자동 검색 시 중복된 인버터 ID 변경</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Search</source>
        <translation>검색</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Stop</source>
        <translation>중지</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>detail...</source>
        <translation>자세히...</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>close</source>
        <translation>닫기</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Inverters found</source>
        <translation>찾은 인버터</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Addr</source>
        <translation>주소</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Serial Number</source>
        <translation>일련번호</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <location filename="../src/app/startup.cpp" line="+24"/>
        <source>Error -- %1</source>
        <translation>오류 -- %1</translation>
    </message>
    <message>
        <location line="+59"/>
        <source>Database is broken, please reinstall the application!</source>
        <translation>데이터베이스가 손상되었습니다. 프로그램을 다시 설치하십시오!</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Database init fail, please reinstall the application!</source>
        <translation>데이터베이스 초기화에 실패했습니다. 프로그램을 다시 설치하십시오!</translation>
    </message>
    <message>
        <location line="+59"/>
        <source>Error</source>
        <translation>오류</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>No COM ports found in this computer!</source>
        <translation>이 컴퓨터에서 COM 포트를 찾을 수 없습니다!</translation>
    </message>
</context>
<context>
    <name>StateTables</name>
    <message>
        <location filename="../src/device/statetables.cpp" line="+18"/>
        <location line="+15"/>
        <source>LCD Initialize mode</source>
        <translation>LCD 초기화 모드</translation>
    </message>
    <message>
        <location line="-14"/>
        <source>Utility frequency detect mode</source>
        <translation>계통 주파수 검출 모드</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Renew mode</source>
        <translation>갱신 모드</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Wait mode</source>
        <translation>대기 모드</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Monitoring mode</source>
        <translation>모니터링 모드</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Output mode</source>
        <translation>출력 모드</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+17"/>
        <source>Fault mode</source>
        <translation>고장 모드</translation>
    </message>
    <message>
        <location line="-16"/>
        <source>IDLE mode</source>
        <translation>유휴 모드</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+17"/>
        <source>Default mode</source>
        <translation>기본 모드</translation>
    </message>
    <message>
        <location line="-16"/>
        <location line="+17"/>
        <source>Stop mode</source>
        <translation>정지 모드</translation>
    </message>
    <message>
        <location line="-16"/>
        <location line="+18"/>
        <source>Calibrate mode</source>
        <translation>보정 모드</translation>
    </message>
    <message>
        <location line="-14"/>
        <source>Program Initialize mode</source>
        <translation>프로그램 초기화 모드</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Check Riso</source>
        <translation>Riso 점검</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Low Illumination mode</source>
        <translation>저일사 모드</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Auto Test mode</source>
        <translation>자동 테스트 모드</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Checking</source>
        <translation>점검 중</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Count Down mode</source>
        <translation>카운트다운 모드</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Check Relay mode</source>
        <translation>릴레이 점검 모드</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Grid/MPP mode</source>
        <translation>계통/MPP 모드</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Idle mode</source>
        <translation>유휴 모드</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Upgrade Flash mode</source>
        <translation>플래시 업그레이드 모드</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Setting Parameter mode</source>
        <translation>파라미터 설정 모드</translation>
    </message>
</context>
</TS>
