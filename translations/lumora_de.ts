<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>CMain</name>
    <message>
        <location filename="../src/ui/cmain.cpp" line="+98"/>
        <source>Active: %1  </source>
        <translation>Aktiv: %1  </translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Preparing the history for the charts: %1 %</source>
        <translation>Verlauf für die Diagramme wird vorbereitet: %1 %</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please complete COM port settings first.</source>
        <translation>Bitte schließen Sie zuerst die COM-Port-Einstellungen ab.</translation>
    </message>
    <message>
        <location line="+279"/>
        <source>Info</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>No data</source>
        <translation>Keine Daten</translation>
    </message>
    <message>
        <location line="+152"/>
        <source>Confirm</source>
        <translation>Bestätigen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Confirm to exit?</source>
        <translation>Möchten Sie das Programm beenden?</translation>
    </message>
    <message>
        <location filename="../src/ui/windowparts.cpp" line="+75"/>
        <source>Not ready</source>
        <translation>Nicht bereit</translation>
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
        <translation>Ansichten</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Main</source>
        <translation>Übersicht</translation>
    </message>
    <message>
        <location line="+43"/>
        <source>Monitoring state</source>
        <translation>Überwachungsstatus</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Not ready</source>
        <translation>Nicht bereit</translation>
    </message>
    <message>
        <location line="+47"/>
        <source>Real time data</source>
        <translation>Echtzeitdaten</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Key parameters</source>
        <translation>Kennwerte</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Graphical analysis</source>
        <translation>Grafische Auswertung</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Event list</source>
        <translation>Ereignisliste</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Data logging</source>
        <translation>Datenaufzeichnung</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Menu bar</source>
        <translation>Menüleiste</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>&amp;Monitoring</source>
        <translation>Ü&amp;berwachung</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>&amp;Configuration</source>
        <translation>&amp;Konfiguration</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Language</source>
        <translation>&amp;Sprache</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>&amp;Window</source>
        <translation>&amp;Fenster</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Tool bar</source>
        <translation>Symbolleiste</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>Language bar</source>
        <translation>Sprachleiste</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>&amp;Print</source>
        <translation>&amp;Drucken</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Export Image</source>
        <translation>Bild e&amp;xportieren</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Export &amp;Data</source>
        <translation>Daten &amp;exportieren</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Start Monitoring</source>
        <translation>Überwachung &amp;starten</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Stop &amp;Monitoring</source>
        <translation>Überwachung &amp;beenden</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;COM port</source>
        <translation>&amp;COM-Port</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Search Inverters</source>
        <translation>&amp;Wechselrichter suchen</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Alarm</source>
        <translation>&amp;Alarm</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Background Graphics</source>
        <translation>&amp;Hintergrundbilder</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Main View Configuration</source>
        <translation>&amp;Übersicht konfigurieren</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Main View Configuration</source>
        <translation>Übersicht konfigurieren</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Sensor Settings</source>
        <translation>Se&amp;nsoreinstellungen</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>M&amp;QTT...</source>
        <translation>M&amp;QTT...</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Configuration &amp;Wizard</source>
        <translation>&amp;Konfigurationsassistent</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Fonts and Colors</source>
        <translation>Schriften und &amp;Farben</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Main</source>
        <translation>&amp;Übersicht</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Real time data</source>
        <translation>&amp;Echtzeitdaten</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Key parameters</source>
        <translation>&amp;Kennwerte</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Graphical analysis</source>
        <translation>&amp;Grafische Auswertung</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Event list</source>
        <translation>E&amp;reignisliste</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Data logging</source>
        <translation>&amp;Datenaufzeichnung</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Line health</source>
        <translation>&amp;Leitungszustand</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>List View</source>
        <translation>Listenansicht</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Group View</source>
        <translation>Gruppenansicht</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>User manual</source>
        <translation>Benutzerhandbuch</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>&amp;About...</source>
        <translation>&amp;Über...</translation>
    </message>
</context>
<context>
    <name>COMPortFrmClass</name>
    <message>
        <location filename="../src/ui/dialogs/comportfrm.ui" line="+14"/>
        <source>Serial Port Settings</source>
        <translation>Einstellungen der seriellen Schnittstelle</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Port:</source>
        <translation>Port:</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Refresh</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Baudrate:</source>
        <translation>Baudrate:</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Direct command</source>
        <translation>Direktbefehl</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>ChartView</name>
    <message>
        <location filename="../src/ui/views/chartview.ui" line="+22"/>
        <source>Inverters</source>
        <translation>Wechselrichter</translation>
    </message>
    <message>
        <location line="+10"/>
        <location line="+54"/>
        <source>Year</source>
        <translation>Jahr</translation>
    </message>
    <message>
        <location line="-42"/>
        <source>Range of date</source>
        <translation>Zeitraum</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>From</source>
        <translation>Von</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>To</source>
        <translation>bis</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Base on</source>
        <translation>Auswertung nach</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Month</source>
        <translation>Monat</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Day</source>
        <translation>Tag</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Query</source>
        <translation>Abfragen</translation>
    </message>
    <message>
        <location filename="../src/ui/views/chartview.cpp" line="+105"/>
        <location line="+9"/>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <location line="-9"/>
        <source>Date range error!</source>
        <translation>Ungültiger Zeitraum!</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Click some one inverter first.</source>
        <translation>Bitte wählen Sie zuerst einen Wechselrichter aus.</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>AC Power
%1 ~ %2
</source>
        <translation>AC-Leistung
%1 ~ %2
</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>--&gt; Power(W)</source>
        <translation>--&gt; Leistung (W)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>--&gt; Month</source>
        <translation>--&gt; Monat</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>--&gt; Day</source>
        <translation>--&gt; Tag</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>--&gt; Hour</source>
        <translation>--&gt; Stunde</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Info</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Please query data first</source>
        <translation>Bitte fragen Sie zuerst Daten ab</translation>
    </message>
</context>
<context>
    <name>CsvFile</name>
    <message>
        <location filename="../src/history/csvfile.cpp" line="+12"/>
        <source>Save *.csv File</source>
        <translation>CSV-Datei speichern</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Excel (*.csv)</source>
        <translation>Excel (*.csv)</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Export OK</source>
        <translation>Export abgeschlossen</translation>
    </message>
</context>
<context>
    <name>DashboardFields</name>
    <message>
        <location filename="../src/ui/views/dashboardfields.cpp" line="+13"/>
        <source>Total Yield</source>
        <translation>Gesamtertrag</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Efficiency</source>
        <translation>Wirkungsgrad</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Earning</source>
        <translation>Erlös</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Co2 Reduction</source>
        <translation>CO2-Einsparung</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>DC Power</source>
        <translation>DC-Leistung</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>AC Power</source>
        <translation>AC-Leistung</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>DC Avg. Power</source>
        <translation>Mittlere DC-Leistung</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>AC Avg. Power</source>
        <translation>Mittlere AC-Leistung</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Power Generation</source>
        <translation>Tagesertrag</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Sensor %1</source>
        <translation>Sensor %1</translation>
    </message>
</context>
<context>
    <name>DataLogView</name>
    <message>
        <location filename="../src/ui/views/datalogview.ui" line="+14"/>
        <source>SN_Name:</source>
        <translation>SN/Name:</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Month:</source>
        <translation>Monat:</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Year:</source>
        <translation>Jahr:</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Query</source>
        <translation>Abfragen</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Readings</source>
        <translation>Messwerte</translation>
    </message>
    <message>
        <location filename="../src/ui/views/datalogview.cpp" line="+66"/>
        <source>info</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>No data found!</source>
        <translation>Keine Daten gefunden!</translation>
    </message>
</context>
<context>
    <name>ErrorTables</name>
    <message>
        <location filename="../src/device/errortables.cpp" line="+20"/>
        <location line="+140"/>
        <source>No AC voltage is detected on the grid side</source>
        <translation>Keine AC-Spannung auf der Netzseite erkannt</translation>
    </message>
    <message>
        <location line="-139"/>
        <location line="+70"/>
        <source>The AC voltage of mains utility is over the upper limit</source>
        <translation>Die Netzspannung liegt über dem oberen Grenzwert</translation>
    </message>
    <message>
        <location line="-69"/>
        <location line="+70"/>
        <source>The AC voltage of mains utility is under the lower limit</source>
        <translation>Die Netzspannung liegt unter dem unteren Grenzwert</translation>
    </message>
    <message>
        <location line="-69"/>
        <location line="+70"/>
        <source>The frequency of AC voltage of the utility is over the upper limit</source>
        <translation>Die Netzfrequenz liegt über dem oberen Grenzwert</translation>
    </message>
    <message>
        <location line="-69"/>
        <source>The frequence of AC voltage of the utility is under the lower limit</source>
        <translation>Die Netzfrequenz liegt unter dem unteren Grenzwert</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+70"/>
        <source>The AC impedance of the grid is out of range</source>
        <translation>Die Netzimpedanz liegt außerhalb des zulässigen Bereichs</translation>
    </message>
    <message>
        <location line="-69"/>
        <location line="+70"/>
        <source>The rate of change of the AC grid impedance is higher than setting value</source>
        <translation>Die Änderungsrate der Netzimpedanz ist höher als der eingestellte Wert</translation>
    </message>
    <message>
        <location line="-69"/>
        <location line="+70"/>
        <source>Islanding is detected</source>
        <translation>Inselbildung erkannt</translation>
    </message>
    <message>
        <location line="-69"/>
        <source>The drastic change of the leakage current has been detected</source>
        <translation>Eine sprunghafte Änderung des Fehlerstroms wurde erkannt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The leakage current has exceeded a safe operating limit</source>
        <translation>Der Fehlerstrom hat den sicheren Betriebsgrenzwert überschritten</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+70"/>
        <source>Over DC current injected into the AC grid is detected</source>
        <translation>Zu hohe DC-Einspeisung in das Netz erkannt</translation>
    </message>
    <message>
        <location line="-69"/>
        <location line="+70"/>
        <source>Over current on the AC side</source>
        <translation>Überstrom auf der AC-Seite</translation>
    </message>
    <message>
        <location line="-69"/>
        <location line="+70"/>
        <source>The internal temperature of the inverter exceeded the safe operating limit</source>
        <translation>Die Innentemperatur des Wechselrichters hat den sicheren Betriebsgrenzwert überschritten</translation>
    </message>
    <message>
        <location line="-69"/>
        <source>The DC  voltage of PV array is over the upper limit</source>
        <translation>Die DC-Spannung des PV-Generators liegt über dem oberen Grenzwert</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The DC  voltage of PV array is under the lower limit</source>
        <translation>Die DC-Spannung des PV-Generators liegt unter dem unteren Grenzwert</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The insulation resistance between PV array and the ground is below the safe operating limit</source>
        <translation>Der Isolationswiderstand zwischen PV-Generator und Erde liegt unter dem sicheren Betriebsgrenzwert</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+70"/>
        <source>Internal DC bus voltage is over the upper limit</source>
        <translation>Die interne DC-Zwischenkreisspannung liegt über dem oberen Grenzwert</translation>
    </message>
    <message>
        <location line="-69"/>
        <location line="+70"/>
        <source>Internal DC bus voltage is under the lower limit</source>
        <translation>Die interne DC-Zwischenkreisspannung liegt unter dem unteren Grenzwert</translation>
    </message>
    <message>
        <location line="-69"/>
        <source>Inverter temperature too low</source>
        <translation>Wechselrichtertemperatur zu niedrig</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+70"/>
        <location line="+2"/>
        <source>Bridge Relay test failed(L)</source>
        <translation>Test des Brückenrelais fehlgeschlagen (L)</translation>
    </message>
    <message>
        <location line="-71"/>
        <location line="+70"/>
        <location line="+2"/>
        <source>Bridge Relay test failed(N)</source>
        <translation>Test des Brückenrelais fehlgeschlagen (N)</translation>
    </message>
    <message>
        <location line="-71"/>
        <source>Network Relay test failed(L)</source>
        <translation>Test des Netzrelais fehlgeschlagen (L)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Network Relay test failed(N)</source>
        <translation>Test des Netzrelais fehlgeschlagen (N)</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+70"/>
        <source>Internal communication failed</source>
        <translation>Interne Kommunikation fehlgeschlagen</translation>
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
        <translation>k. A.</translation>
    </message>
    <message>
        <location line="-178"/>
        <location line="+1"/>
        <location line="+17"/>
        <location line="+52"/>
        <location line="+1"/>
        <location line="+17"/>
        <source>Debug</source>
        <translation>Debug</translation>
    </message>
    <message>
        <location line="-85"/>
        <location line="+70"/>
        <source>External communication failed</source>
        <translation>Externe Kommunikation fehlgeschlagen</translation>
    </message>
    <message>
        <location line="-69"/>
        <location line="+70"/>
        <source>EEPROM failed</source>
        <translation>EEPROM-Fehler</translation>
    </message>
    <message>
        <location line="-68"/>
        <source>L-N miswired</source>
        <translation>L und N falsch angeschlossen</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+70"/>
        <source>The injection DC current exceeded the standard value</source>
        <translation>Die DC-Einspeisung hat den Normwert überschritten</translation>
    </message>
    <message>
        <location line="-69"/>
        <source>The leakage current measurement selftest failed</source>
        <translation>Selbsttest der Fehlerstrommessung fehlgeschlagen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The leakage current measurement function failed</source>
        <translation>Die Fehlerstrommessung ist ausgefallen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The insulation resistance measurement selftest failed</source>
        <translation>Selbsttest der Isolationswiderstandsmessung fehlgeschlagen</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+70"/>
        <source>Offset check for grid monitoring failed</source>
        <translation>Offset-Prüfung der Netzüberwachung fehlgeschlagen</translation>
    </message>
    <message>
        <location line="-69"/>
        <location line="+70"/>
        <source>The internal temperature sensor failed</source>
        <translation>Der interne Temperatursensor ist ausgefallen</translation>
    </message>
    <message>
        <location line="-69"/>
        <source>Autotest fail</source>
        <translation>Autotest fehlgeschlagen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delta CPU error, Fac, Vac, Idc, Zac, If, Riso</source>
        <translation>Messwertabweichung zwischen den CPUs: Fac, Vac, Idc, Zac, If, Riso</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+70"/>
        <source>Debug(GridNA in wait mode)</source>
        <translation>Debug (GridNA im Wartemodus)</translation>
    </message>
    <message>
        <location line="-69"/>
        <location line="+70"/>
        <source>Debug(Grid out of range in wait mode)</source>
        <translation>Debug (Netz außerhalb des Bereichs im Wartemodus)</translation>
    </message>
    <message>
        <location line="-69"/>
        <location line="+70"/>
        <source>No output current</source>
        <translation>Kein Ausgangsstrom</translation>
    </message>
    <message>
        <location line="-68"/>
        <location line="+70"/>
        <source>Over current of input current IpvA</source>
        <translation>Überstrom am Eingang IpvA</translation>
    </message>
    <message>
        <location line="-69"/>
        <source>Over current of input current IpvB</source>
        <translation>Überstrom am Eingang IpvB</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Over current of input current IpvC</source>
        <translation>Überstrom am Eingang IpvC</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+70"/>
        <source>AC grid impedance out of range, continuously</source>
        <translation>Netzimpedanz anhaltend außerhalb des zulässigen Bereichs</translation>
    </message>
    <message>
        <location line="-69"/>
        <source>The rate of change of aC grid impedance out of range, continuously</source>
        <translation>Änderungsrate der Netzimpedanz anhaltend außerhalb des zulässigen Bereichs</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The drastic change of leakage current has been detected, continuously</source>
        <translation>Sprunghafte Änderung des Fehlerstroms anhaltend erkannt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The leakage current has exceeded a safe operationg limit, continuously</source>
        <translation>Fehlerstrom anhaltend über dem sicheren Betriebsgrenzwert</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+70"/>
        <source>AC over current, continuously</source>
        <translation>Anhaltender Überstrom auf der AC-Seite</translation>
    </message>
    <message>
        <location line="-69"/>
        <location line="+70"/>
        <location line="+69"/>
        <source>Relay test failed, continuously</source>
        <translation>Relaistest anhaltend fehlgeschlagen</translation>
    </message>
    <message>
        <location line="-138"/>
        <location line="+70"/>
        <source>Memory self test failed</source>
        <translation>Selbsttest des Speichers fehlgeschlagen</translation>
    </message>
    <message>
        <location line="-69"/>
        <location line="+70"/>
        <source>Calibrate value is out of range</source>
        <translation>Kalibrierwert außerhalb des zulässigen Bereichs</translation>
    </message>
    <message>
        <location line="-69"/>
        <location line="+70"/>
        <source>Self test error(EEPROM data loss)</source>
        <translation>Selbsttestfehler (EEPROM-Datenverlust)</translation>
    </message>
    <message>
        <location line="-69"/>
        <location line="+70"/>
        <source>The firmware version error</source>
        <translation>Fehlerhafte Firmware-Version</translation>
    </message>
    <message>
        <location line="-69"/>
        <location line="+70"/>
        <source>Internal measurement comparison error or defective hardware</source>
        <translation>Interner Messwertvergleich fehlerhaft oder Hardware defekt</translation>
    </message>
    <message>
        <location line="-69"/>
        <location line="+70"/>
        <source>Internal watchdog function triggered</source>
        <translation>Interner Watchdog ausgelöst</translation>
    </message>
    <message>
        <location line="-69"/>
        <location line="+70"/>
        <source>The system failed</source>
        <translation>Das System ist ausgefallen</translation>
    </message>
    <message>
        <location line="-69"/>
        <location line="+70"/>
        <source>SPI test failed</source>
        <translation>SPI-Test fehlgeschlagen</translation>
    </message>
    <message>
        <location line="-69"/>
        <location line="+70"/>
        <location line="+66"/>
        <source>Calibration data is lost</source>
        <translation>Kalibrierdaten verloren</translation>
    </message>
    <message>
        <location line="-132"/>
        <source>No  AC voltage is detected on the grid side</source>
        <translation>Keine AC-Spannung auf der Netzseite erkannt</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The frequency of AC voltage of the utility is under the lower limit</source>
        <translation>Die Netzfrequenz liegt unter dem unteren Grenzwert</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Auto test failed</source>
        <translation>Autotest fehlgeschlagen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The internal temperature of the inverter is under the lower limit</source>
        <translation>Die Innentemperatur des Wechselrichters liegt unter dem unteren Grenzwert</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The DC voltage of PV array is over the upper limit</source>
        <translation>Die DC-Spannung des PV-Generators liegt über dem oberen Grenzwert</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The DC voltage of PV array is under the lower limit</source>
        <translation>Die DC-Spannung des PV-Generators liegt unter dem unteren Grenzwert</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DC/DC HW Failure</source>
        <translation>DC/DC-Hardwarefehler</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>GFDI fault</source>
        <translation>GFDI-Störung</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+29"/>
        <source>Ibuck over current</source>
        <translation>Überstrom Ibuck</translation>
    </message>
    <message>
        <location line="-28"/>
        <source>MOV AC side fault</source>
        <translation>Störung des Überspannungsschutzes (MOV) auf der AC-Seite</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>MOV DC side fault</source>
        <translation>Störung des Überspannungsschutzes (MOV) auf der DC-Seite</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>FAN blocking</source>
        <translation>Lüfter blockiert</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Vrms of L1-N out of maximum value</source>
        <translation>Vrms L1-N über dem Höchstwert</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Vrms of L1-N out of minimum value</source>
        <translation>Vrms L1-N unter dem Mindestwert</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Vrms of L2-N out of maximum value</source>
        <translation>Vrms L2-N über dem Höchstwert</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Driver fault</source>
        <translation>Treiberstörung</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Vrms of L2-N out of minimum value</source>
        <translation>Vrms L2-N unter dem Mindestwert</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delta CPU error Fac, Vac, Idc, Zac, If, Riso</source>
        <translation>Messwertabweichung zwischen den CPUs: Fac, Vac, Idc, Zac, If, Riso</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Input limit by Ibuck(average or peak</source>
        <translation>Eingangsbegrenzung durch Ibuck (Mittel- oder Spitzenwert)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Buck not work, Vdcbus not enough</source>
        <translation>Tiefsetzsteller arbeitet nicht, Vdcbus zu niedrig</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The rate of change of the AC grid impedance out of range, continuously</source>
        <translation>Änderungsrate der Netzimpedanz anhaltend außerhalb des zulässigen Bereichs</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Driver fault, continuously</source>
        <translation>Anhaltende Treiberstörung</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>DC/DC H/W Failure, continuously</source>
        <translation>Anhaltender DC/DC-Hardwarefehler</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>The AC voltage of utility grid is over the upper limit.</source>
        <translation>Die Netzspannung liegt über dem oberen Grenzwert.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The AC voltage of utility grid is under the lower limit.</source>
        <translation>Die Netzspannung liegt unter dem unteren Grenzwert.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The frequency of AC voltage of the utility is over the upper limit.</source>
        <translation>Die Netzfrequenz liegt über dem oberen Grenzwert.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The frequency of AC voltage of the utility is under the lower limit.</source>
        <translation>Die Netzfrequenz liegt unter dem unteren Grenzwert.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>One/Two phase disconnection.</source>
        <translation>Ausfall einer oder zweier Phasen.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>L2, L3 reversed phase sequence.</source>
        <translation>Falsche Phasenfolge: L2 und L3 vertauscht.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Islanding is detected.</source>
        <translation>Inselbildung erkannt.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The drastic change of the leakage current has been detected.</source>
        <translation>Eine sprunghafte Änderung des Fehlerstroms wurde erkannt.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The leakage current has exceeded a safe operating limit.</source>
        <translation>Der Fehlerstrom hat den sicheren Betriebsgrenzwert überschritten.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Over DC current injected into the AC grid is detected.</source>
        <translation>Zu hohe DC-Einspeisung in das Netz erkannt.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Over current on the grid side.</source>
        <translation>Überstrom auf der Netzseite.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The AC current is over the upper limit.</source>
        <translation>Der AC-Strom liegt über dem oberen Grenzwert.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The insulation resistance between PV array and the ground is below the safe operating limit.</source>
        <translation>Der Isolationswiderstand zwischen PV-Generator und Erde liegt unter dem sicheren Betriebsgrenzwert.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The DC voltage of PV array is over the upper limit.</source>
        <translation>Die DC-Spannung des PV-Generators liegt über dem oberen Grenzwert.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Over current on the DC side.</source>
        <translation>Überstrom auf der DC-Seite.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Over power on the DC side.</source>
        <translation>Zu hohe Leistung auf der DC-Seite.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Internal DC bus voltage is over the upper limit.</source>
        <translation>Die interne DC-Zwischenkreisspannung liegt über dem oberen Grenzwert.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Internal DC bus voltage is below the lower limit.</source>
        <translation>Die interne DC-Zwischenkreisspannung liegt unter dem unteren Grenzwert.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The internal temperature of the inverter exceeded the safe operating limit.</source>
        <translation>Die Innentemperatur des Wechselrichters hat den sicheren Betriebsgrenzwert überschritten.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Internal measurement comparison error or defective hardware.</source>
        <translation>Interner Messwertvergleich fehlerhaft oder Hardware defekt.</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+38"/>
        <source>The system is failed.</source>
        <translation>Das System ist ausgefallen.</translation>
    </message>
    <message>
        <location line="-37"/>
        <source>Auto test is failed</source>
        <translation>Autotest fehlgeschlagen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The internal temperature of the inverter below the safe operating limit.</source>
        <translation>Die Innentemperatur des Wechselrichters liegt unter dem sicheren Betriebsgrenzwert.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The output relay is open.</source>
        <translation>Das Ausgangsrelais ist offen.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The output relay is short.</source>
        <translation>Das Ausgangsrelais ist kurzgeschlossen.</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+17"/>
        <source>The leakage current measurement device is failure.</source>
        <translation>Die Fehlerstrommesseinrichtung ist ausgefallen.</translation>
    </message>
    <message>
        <location line="-16"/>
        <source>Input current sensor is failure.</source>
        <translation>Der Eingangsstromsensor ist ausgefallen.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Output current sensor is failure.</source>
        <translation>Der Ausgangsstromsensor ist ausgefallen.</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+16"/>
        <source>The DC injection current monitoring function failure.</source>
        <translation>Die Überwachung der DC-Einspeisung ist ausgefallen.</translation>
    </message>
    <message>
        <location line="-15"/>
        <source>Internal communication is failed.</source>
        <translation>Die interne Kommunikation ist fehlgeschlagen.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>EEPROM test failed. *waring message</source>
        <translation>EEPROM-Test fehlgeschlagen. *Warnmeldung</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <source>The fan is lock.  *waring message</source>
        <translation>Der Lüfter ist blockiert.  *Warnmeldung</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>External communication failed  *waring message</source>
        <translation>Externe Kommunikation fehlgeschlagen  *Warnmeldung</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Internal reference voltage failed, +1.5VA,+1.5VB.</source>
        <translation>Interne Referenzspannung fehlerhaft, +1.5VA,+1.5VB.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Internal reference voltage failed, +1.5VA,+1.5VB</source>
        <translation>Interne Referenzspannung fehlerhaft, +1.5VA,+1.5VB</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The DC/DC converter is failure.</source>
        <translation>Der DC/DC-Wandler ist ausgefallen.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Hall sensor failed</source>
        <translation>Hall-Sensor ausgefallen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>EEPROM test failed</source>
        <translation>EEPROM-Test fehlgeschlagen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The firmware version is not correct</source>
        <translation>Die Firmware-Version ist nicht korrekt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Internal measurement comparison error or defective hardware, continuously</source>
        <translation>Interner Messwertvergleich anhaltend fehlerhaft oder Hardware defekt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The mismatch of hardware MODEL setting and CPU setting.</source>
        <translation>Die MODEL-Einstellung der Hardware passt nicht zur Einstellung der CPU.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Internal communication test failed</source>
        <translation>Test der internen Kommunikation fehlgeschlagen</translation>
    </message>
</context>
<context>
    <name>EventListView</name>
    <message>
        <location filename="../src/ui/views/eventlistview.ui" line="+14"/>
        <source>SN_Name:</source>
        <translation>SN/Name:</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Year:</source>
        <translation>Jahr:</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Month:</source>
        <translation>Monat:</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Query</source>
        <translation>Abfragen</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Events</source>
        <translation>Ereignisse</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Date / Time</source>
        <translation>Datum / Uhrzeit</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>State</source>
        <translation>Status</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Error_Code_1</source>
        <translation>Fehlercode 1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Error_Code_2</source>
        <translation>Fehlercode 2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Error_Code_3</source>
        <translation>Fehlercode 3</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Error_Code_4</source>
        <translation>Fehlercode 4</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Error description</source>
        <translation>Fehlerbeschreibung</translation>
    </message>
    <message>
        <location filename="../src/ui/views/eventlistview.cpp" line="+66"/>
        <source>Info</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>No error events happened!</source>
        <translation>Keine Fehlerereignisse aufgetreten!</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Error Code %1-&gt; </source>
        <translation>Fehlercode %1-&gt; </translation>
    </message>
    <message>
        <location line="+3"/>
        <source>State code-&gt; </source>
        <translation>Statuscode-&gt; </translation>
    </message>
</context>
<context>
    <name>KeyParameterCodes</name>
    <message>
        <location filename="../src/device/keyparametercodes.cpp" line="+20"/>
        <source>Link quality</source>
        <translation>Verbindungsqualität</translation>
    </message>
</context>
<context>
    <name>KeyParametersView</name>
    <message>
        <location filename="../src/ui/views/keyparametersview.ui" line="+11"/>
        <source>Columns:</source>
        <translation>Spalten:</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>Key parameters</source>
        <translation>Wichtige Parameter</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Inverter</source>
        <translation>Wechselrichter</translation>
    </message>
</context>
<context>
    <name>LanguageDialog</name>
    <message>
        <location filename="../src/ui/languagedialog.cpp" line="+14"/>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
</context>
<context>
    <name>LanguageMenus</name>
    <message>
        <location filename="../src/ui/languagemenus.cpp" line="+48"/>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>Language change</source>
        <translation>Sprachwechsel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The language changes will take effect when you restart the application.</source>
        <translation>Die neue Sprache wird nach einem Neustart des Programms wirksam.</translation>
    </message>
</context>
<context>
    <name>Languages</name>
    <message>
        <location filename="../src/base/languages.cpp" line="+10"/>
        <source>English</source>
        <translation>Englisch</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Italian</source>
        <translation>Italienisch</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Traditional Chinese</source>
        <translation>Chinesisch (traditionell)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Spanish</source>
        <translation>Spanisch</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>French</source>
        <translation>Französisch</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>German</source>
        <translation>Deutsch</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Simplified Chinese</source>
        <translation>Chinesisch (vereinfacht)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Korean</source>
        <translation>Koreanisch</translation>
    </message>
</context>
<context>
    <name>LineChoice</name>
    <message>
        <location filename="../src/ui/dialogs/linechoice.cpp" line="+18"/>
        <source>%1 (not present)</source>
        <translation>%1 (nicht vorhanden)</translation>
    </message>
</context>
<context>
    <name>LineHealthDialog</name>
    <message>
        <location filename="../src/ui/dialogs/linehealthdialog.cpp" line="+41"/>
        <source>Line health</source>
        <translation>Leitungszustand</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Device</source>
        <translation>Gerät</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Link
quality %</source>
        <translation>Qualität
(%)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Exchanges</source>
        <translation>Abfragen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>First
try</source>
        <translation>Erster
Versuch</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>After a
retry</source>
        <translation>Nach Wieder-
holung</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Timeouts</source>
        <translation>Ohne
Antwort</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>CRC
errors</source>
        <translation>CRC-
Fehler</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Short
replies</source>
        <translation>Zu kurze
Antworten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Wrong address /
function / length</source>
        <translation>Falsche
Adresse /
Funktion /
Länge</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Round trip (ms)
last / mean / 95 %</source>
        <translation>Antwortzeit (ms)
letzte / Mittel /
95 %</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Counts since the program started. Exchanges: requests with their retry. Link quality: the share answered correctly on the first try; below 95 % the device is marked.</source>
        <translation>Zählung seit dem Programmstart. Abfragen: Anfragen samt Wiederholung. Verbindungsqualität: der Anteil, der beim ersten Versuch richtig beantwortet wurde; unter 95 % wird das Gerät markiert.</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>Sensor %1</source>
        <translation>Sensor %1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Inverter %1</source>
        <translation>Wechselrichter %1</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Link quality below 95 %: check the cable, its terminator and the device&apos;s transceiver.</source>
        <translation>Verbindungsqualität unter 95 %: Kabel, Abschlusswiderstand und Schnittstelle des Geräts prüfen.</translation>
    </message>
</context>
<context>
    <name>MailSettings</name>
    <message>
        <location filename="../src/monitor/mailsettings.cpp" line="+79"/>
        <source>Apply</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Please input all fields.</source>
        <translation>Bitte füllen Sie alle Felder aus.</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+10"/>
        <source>Fail</source>
        <translation>Fehlgeschlagen</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>MailTester</name>
    <message>
        <location filename="../src/monitor/mailtester.cpp" line="+22"/>
        <source>Please waiting...</source>
        <translation>Bitte warten...</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+11"/>
        <location line="+4"/>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <location line="-14"/>
        <location line="+10"/>
        <source>Some fields is not valid.</source>
        <translation>Einige Felder sind ungültig.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Please type at least one recipient.</source>
        <translation>Bitte geben Sie mindestens einen Empfänger ein.</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Send failed.
%1 mails failed since the mail settings were applied: no mail is sent until they are applied again.</source>
        <translation>Senden fehlgeschlagen.
%1 E-Mails sind seit dem Übernehmen der Mail-Einstellungen fehlgeschlagen: Bis sie erneut übernommen werden, wird keine E-Mail gesendet.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Test Connect</source>
        <translation>Verbindungstest</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Test success</source>
        <translation>Test erfolgreich</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Test fail</source>
        <translation>Test fehlgeschlagen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Send Test Mail</source>
        <translation>Test-E-Mail senden</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Send success.</source>
        <translation>Erfolgreich gesendet.</translation>
    </message>
    <message>
        <location line="-20"/>
        <source>Send failed.</source>
        <translation>Senden fehlgeschlagen.</translation>
    </message>
</context>
<context>
    <name>MonitorControl</name>
    <message>
        <location filename="../src/ui/monitorcontrol.cpp" line="+54"/>
        <source>Communication Testing...</source>
        <translation>Kommunikation wird getestet...</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Info</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The last monitoring has not ended yet. Please try again in a moment.</source>
        <translation>Die letzte Überwachung ist noch nicht beendet. Bitte versuchen Sie es gleich noch einmal.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Starting monitoring...</source>
        <translation>Überwachung wird gestartet...</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Stopping monitoring...</source>
        <translation>Überwachung wird beendet...</translation>
    </message>
    <message>
        <location line="+93"/>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The line is being searched for inverters. Please try again when the search has ended.</source>
        <translation>Die Leitung wird gerade nach Wechselrichtern durchsucht. Bitte versuchen Sie es nach dem Ende der Suche erneut.</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>Not ready</source>
        <translation>Nicht bereit</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Ready for monitoring...</source>
        <translation>Bereit zur Überwachung...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Monitoring...</source>
        <translation>Überwachung läuft...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Searching for inverters...</source>
        <translation>Suche nach Wechselrichtern läuft...</translation>
    </message>
</context>
<context>
    <name>MonitorTables</name>
    <message>
        <location filename="../src/device/monitortables.cpp" line="+115"/>
        <source>Sensor 1</source>
        <translation>Sensor 1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sensor 2</source>
        <translation>Sensor 2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sensor 3</source>
        <translation>Sensor 3</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sensor 4</source>
        <translation>Sensor 4</translation>
    </message>
</context>
<context>
    <name>MonitoringSession</name>
    <message>
        <location filename="../src/monitor/monitoringsession.cpp" line="+73"/>
        <location line="+11"/>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <location line="-9"/>
        <source>COM%1 is not available!</source>
        <translation>COM%1 ist nicht verfügbar!</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Communication fail! Please check out your COM Port settings, then search inverters again.</source>
        <translation>Kommunikationsfehler! Bitte prüfen Sie die COM-Port-Einstellungen und suchen Sie dann erneut nach Wechselrichtern.</translation>
    </message>
</context>
<context>
    <name>MqttConnection</name>
    <message>
        <location filename="../src/publish/mqttconnection.cpp" line="+112"/>
        <source>The MQTT broker at %1 does not answer.</source>
        <translation>Der MQTT-Broker unter %1 antwortet nicht.</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>The MQTT client could not be set up (out of memory).</source>
        <translation>Der MQTT-Client konnte nicht eingerichtet werden (kein Speicher frei).</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>The CA file &quot;%1&quot; cannot be read.</source>
        <translation>Die CA-Datei „%1“ kann nicht gelesen werden.</translation>
    </message>
    <message>
        <location line="+53"/>
        <source>The connection to the MQTT broker at %1 was lost.</source>
        <translation>Die Verbindung zum MQTT-Broker unter %1 ist abgebrochen.</translation>
    </message>
    <message>
        <location line="+146"/>
        <source>The MQTT broker &quot;%1&quot; cannot be found: there is no such host.</source>
        <translation>Der MQTT-Broker „%1“ wurde nicht gefunden: Diesen Host gibt es nicht.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The TLS connection to the MQTT broker at %1 failed: its certificate is not trusted (check the CA file and the host name) or it does not speak TLS on this port.</source>
        <translation>Die TLS-Verbindung zum MQTT-Broker unter %1 ist fehlgeschlagen: Seinem Zertifikat wird nicht vertraut (CA-Datei und Hostnamen prüfen), oder er spricht auf diesem Port kein TLS.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The MQTT broker at %1 refuses connections: is it running, and is the port right?</source>
        <translation>Der MQTT-Broker unter %1 lehnt Verbindungen ab: Läuft er, und stimmt der Port?</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The MQTT broker at %1 cannot be reached: %2.</source>
        <translation>Der MQTT-Broker unter %1 ist nicht erreichbar: %2.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The MQTT broker at %1 closed the connection before it was set up.</source>
        <translation>Der MQTT-Broker unter %1 hat die Verbindung geschlossen, bevor sie aufgebaut war.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The connection to the MQTT broker at %1 failed: %2</source>
        <translation>Die Verbindung zum MQTT-Broker unter %1 ist fehlgeschlagen: %2</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The MQTT broker at %1 refused the client id &quot;%2&quot;.</source>
        <translation>Der MQTT-Broker unter %1 hat die Client-ID „%2“ abgelehnt.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The MQTT broker at %1 refused the connection without a login: please enter a user name and password.</source>
        <translation>Der MQTT-Broker unter %1 hat die Verbindung ohne Anmeldung abgelehnt: Bitte Benutzernamen und Passwort eingeben.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The MQTT broker at %1 refused the login of &quot;%2&quot;: wrong user name or password, or the user may not connect.</source>
        <translation>Der MQTT-Broker unter %1 hat die Anmeldung von „%2“ abgelehnt: Benutzername oder Passwort falsch, oder der Benutzer darf sich nicht verbinden.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The MQTT broker at %1 refused the connection: %2</source>
        <translation>Der MQTT-Broker unter %1 hat die Verbindung abgelehnt: %2</translation>
    </message>
</context>
<context>
    <name>MqttDialog</name>
    <message>
        <location filename="../src/ui/dialogs/mqttdialog.cpp" line="+85"/>
        <source>Topics: %1, %2, %3.</source>
        <translation>Topics: %1, %2, %3.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Home Assistant finds the inverters under %1/sensor/.</source>
        <translation>Home Assistant findet die Wechselrichter unter %1/sensor/.</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>CA file</source>
        <translation>CA-Datei</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Certificates (*.pem *.crt *.cer);;All files (*)</source>
        <translation>Zertifikate (*.pem *.crt *.cer);;Alle Dateien (*)</translation>
    </message>
    <message>
        <location line="+11"/>
        <location line="+27"/>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <location line="-3"/>
        <source>Info</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Connected to the MQTT broker at %1.</source>
        <translation>Mit dem MQTT-Broker unter %1 verbunden.</translation>
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
        <translation>Jeden Abfragezyklus an einen MQTT-Broker senden</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Broker host:</source>
        <translation>Broker-Host:</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Port:</source>
        <translation>Port:</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>User:</source>
        <translation>Benutzer:</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Password:</source>
        <translation>Passwort:</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Client id:</source>
        <translation>Client-ID:</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Topic prefix:</source>
        <translation>Topic-Präfix:</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>QoS:</source>
        <translation>QoS:</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>0: at most once</source>
        <translation>0: höchstens einmal</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>1: at least once</source>
        <translation>1: mindestens einmal</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>2: exactly once</source>
        <translation>2: genau einmal</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Home Assistant discovery prefix:</source>
        <translation>Home-Assistant-Discovery-Präfix:</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>empty: no discovery</source>
        <translation>leer: keine Discovery</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Retain the state messages for newcomers</source>
        <translation>Zustandsmeldungen für neue Abonnenten vorhalten (retain)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>TLS (the broker&apos;s certificate is always verified)</source>
        <translation>TLS (das Zertifikat des Brokers wird immer geprüft)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>CA file:</source>
        <translation>CA-Datei:</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>trusted besides the system&apos;s certificates</source>
        <translation>zusätzlich zu den Zertifikaten des Systems vertraut</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>&amp;Test connection</source>
        <translation>Verbindung &amp;testen</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
</context>
<context>
    <name>MqttSettings</name>
    <message>
        <location filename="../src/publish/mqttsettings.cpp" line="+62"/>
        <source>Please enter the host name or address of the MQTT broker.</source>
        <translation>Bitte Hostnamen oder Adresse des MQTT-Brokers eingeben.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The MQTT port must be a number from 1 to 65535.</source>
        <translation>Der MQTT-Port muss eine Zahl von 1 bis 65535 sein.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The MQTT QoS must be 0, 1 or 2.</source>
        <translation>Die MQTT-QoS muss 0, 1 oder 2 sein.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Please enter an MQTT client id.</source>
        <translation>Bitte eine MQTT-Client-ID eingeben.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Topic prefixes must not be empty or contain &quot;+&quot; or &quot;#&quot;.</source>
        <translation>Topic-Präfixe dürfen nicht leer sein und kein „+“ oder „#“ enthalten.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>A password needs a user name.</source>
        <translation>Ein Passwort braucht einen Benutzernamen.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The CA file &quot;%1&quot; cannot be read.</source>
        <translation>Die CA-Datei „%1“ kann nicht gelesen werden.</translation>
    </message>
</context>
<context>
    <name>PageOutput</name>
    <message>
        <location filename="../src/ui/pageoutput.cpp" line="+16"/>
        <source>Print Document</source>
        <translation>Dokument drucken</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Save File</source>
        <translation>Datei speichern</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Images (*.bmp *.jpg)</source>
        <translation>Bilder (*.bmp *.jpg)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Info</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Save OK.</source>
        <translation>Erfolgreich gespeichert.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Can not save image file!</source>
        <translation>Die Bilddatei kann nicht gespeichert werden!</translation>
    </message>
</context>
<context>
    <name>ParamTables</name>
    <message>
        <location filename="../src/device/paramtables.cpp" line="+266"/>
        <source>Language (LCD)</source>
        <translation>Sprache (LCD)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Alarm</source>
        <translation>Alarm</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>N/A</source>
        <translation>k. A.</translation>
    </message>
</context>
<context>
    <name>ParameterView</name>
    <message>
        <location filename="../src/ui/views/parameterview.ui" line="+9"/>
        <source>Parameters</source>
        <translation>Parameter</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Parameter Name</source>
        <translation>Parametername</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Value</source>
        <translation>Wert</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Input new value:</source>
        <translation>Neuer Wert:</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Range:</source>
        <translation>Bereich:</translation>
    </message>
    <message>
        <location filename="../src/ui/views/parameterview.cpp" line="+135"/>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>The value is not valid!</source>
        <translation>Der Wert ist ungültig!</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>Setting parameter, please waiting...</source>
        <translation>Parameter wird gesetzt, bitte warten...</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Save fail.</source>
        <translation>Speichern fehlgeschlagen.</translation>
    </message>
    <message>
        <location line="-1"/>
        <source>continue to monitoring, please waiting...</source>
        <translation>Überwachung wird fortgesetzt, bitte warten...</translation>
    </message>
</context>
<context>
    <name>PortRefusal</name>
    <message>
        <location filename="../src/monitor/portrefusal.cpp" line="+30"/>
        <source>COM%1 (%2) is there, but this user may not open it. Add the user to the dialout group (sudo adduser %3 dialout), then log out and in again.</source>
        <translation>COM%1 (%2) ist vorhanden, aber dieser Benutzer darf ihn nicht öffnen. Fügen Sie den Benutzer der Gruppe dialout hinzu (sudo adduser %3 dialout), melden Sie sich dann ab und wieder an.</translation>
    </message>
</context>
<context>
    <name>QAbout</name>
    <message>
        <location filename="../src/ui/dialogs/qabout.cpp" line="+18"/>
        <source>set by LUMORA_HOME</source>
        <translation>durch LUMORA_HOME festgelegt</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the program&apos;s own folder</source>
        <translation>der Ordner des Programms</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>your data folder</source>
        <translation>Ihr Datenordner</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&lt;b&gt;Supported inverters:&lt;/b&gt; the Lumora families %1, among them the models %2; up to four Modbus RTU sensors on the same line.</source>
        <translation>&lt;b&gt;Unterstützte Wechselrichter:&lt;/b&gt; die Lumora-Baureihen %1, darunter die Modelle %2; bis zu vier Modbus-RTU-Sensoren an derselben Leitung.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&lt;b&gt;Built with:&lt;/b&gt; Qt %1, Qwt %2, SQLite %3.</source>
        <translation>&lt;b&gt;Erstellt mit:&lt;/b&gt; Qt %1, Qwt %2, SQLite %3.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&lt;b&gt;Application directory:&lt;/b&gt; %1 (%2)</source>
        <translation>&lt;b&gt;Anwendungsverzeichnis:&lt;/b&gt; %1 (%2)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&lt;b&gt;Icons:&lt;/b&gt; Silk icon set by Mark James, &lt;a href=&quot;http://www.famfamfam.com/lab/icons/silk/&quot;&gt;famfamfam.com&lt;/a&gt;, licensed under the &lt;a href=&quot;https://creativecommons.org/licenses/by/2.5/&quot;&gt;Creative Commons Attribution 2.5&lt;/a&gt; licence (Debian package famfamfam-silk). Flag icons by Mark James, &lt;a href=&quot;http://www.famfamfam.com/lab/icons/flags/&quot;&gt;famfamfam.com&lt;/a&gt; (Debian package famfamfam-flag-png).</source>
        <translation>&lt;b&gt;Symbole:&lt;/b&gt; Symbolsatz Silk von Mark James, &lt;a href=&quot;http://www.famfamfam.com/lab/icons/silk/&quot;&gt;famfamfam.com&lt;/a&gt;, lizenziert unter der Lizenz &lt;a href=&quot;https://creativecommons.org/licenses/by/2.5/&quot;&gt;Creative Commons Attribution 2.5&lt;/a&gt; (Debian-Paket famfamfam-silk). Flaggensymbole von Mark James, &lt;a href=&quot;http://www.famfamfam.com/lab/icons/flags/&quot;&gt;famfamfam.com&lt;/a&gt; (Debian-Paket famfamfam-flag-png).</translation>
    </message>
</context>
<context>
    <name>QAboutClass</name>
    <message>
        <location filename="../src/ui/dialogs/qabout.ui" line="+6"/>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <location line="+88"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>QBackgroundDlg</name>
    <message>
        <location filename="../src/ui/dialogs/qbackgrounddlg.cpp" line="+110"/>
        <source>Select Image File</source>
        <translation>Bilddatei auswählen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Image Files (*.png *.jpg *.bmp)</source>
        <translation>Bilddateien (*.png *.jpg *.bmp)</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+4"/>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <location line="-4"/>
        <source>This file name exists already.</source>
        <translation>Dieser Dateiname ist bereits vorhanden.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Can not copy the image file.</source>
        <translation>Die Bilddatei kann nicht kopiert werden.</translation>
    </message>
</context>
<context>
    <name>QBackgroundDlgClass</name>
    <message>
        <location filename="../src/ui/dialogs/qbackgrounddlg.ui" line="+6"/>
        <source>Background Graphics</source>
        <translation>Hintergrundbilder</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Graphics List</source>
        <translation>Bilderliste</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Background pictures</source>
        <translation>Hintergrundbilder</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Add external image</source>
        <translation>Externes Bild hinzufügen</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Clear Background</source>
        <translation>Hintergrund entfernen</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Apply</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>QBurnSearch</name>
    <message>
        <location filename="../src/monitor/qburnsearch.cpp" line="+64"/>
        <source>Confirm</source>
        <translation>Bestätigen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Auto change the duplicate Inverter ID?</source>
        <translation>Doppelte Wechselrichter-ID automatisch ändern?</translation>
    </message>
</context>
<context>
    <name>QConfigWizard</name>
    <message>
        <location filename="../src/ui/dialogs/qconfigwizard.cpp" line="+109"/>
        <source>Not found</source>
        <translation>Nicht gefunden</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>No inverters found</source>
        <translation>Keine Wechselrichter gefunden</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>This COM port is not available</source>
        <translation>Dieser COM-Port ist nicht verfügbar</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>%1 inverters found.</source>
        <translation>%1 Wechselrichter gefunden.</translation>
    </message>
</context>
<context>
    <name>QConfigWizardClass</name>
    <message>
        <location filename="../src/ui/dialogs/qconfigwizard.ui" line="+14"/>
        <source>Configuration Wizard</source>
        <translation>Konfigurationsassistent</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Introduction</source>
        <translation>Einführung</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Welcome to use the configuration wizard. This wizard will help you to set up the Lumora Data Manager.</source>
        <translation>Willkommen beim Konfigurationsassistenten. Dieser Assistent hilft Ihnen, den Lumora Data Manager einzurichten.</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Serial Port Settings:</source>
        <translation>Serielle Schnittstelle:</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>COM Port:</source>
        <translation>COM-Port:</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Refresh</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Baudrate:</source>
        <translation>Baudrate:</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Search  for inverters</source>
        <translation>Wechselrichter suchen</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>You can search inverters using the previous settings now.</source>
        <translation>Sie können jetzt mit den vorherigen Einstellungen nach Wechselrichtern suchen.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Search for inverters:</source>
        <translation>Nach Wechselrichtern suchen:</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Search </source>
        <translation>Suchen </translation>
    </message>
    <message>
        <location line="+38"/>
        <source>0 inverters found.</source>
        <translation>0 Wechselrichter gefunden.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Auto search:</source>
        <translation>Automatische Suche:</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Minutes between automatic searches</source>
        <translation>Minuten zwischen automatischen Suchen</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>minutes</source>
        <translation>Minuten</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Change duplicate inverter IDs in automatic searches</source>
        <translation>Doppelte Wechselrichter-IDs bei automatischen Suchen ändern</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Congratulation!</source>
        <translation>Herzlichen Glückwunsch!</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>You have completed the wizard, you can start monitoring right now.</source>
        <translation>Sie haben den Assistenten abgeschlossen und können die Überwachung jetzt starten.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Start monitoring now</source>
        <translation>Überwachung jetzt starten</translation>
    </message>
</context>
<context>
    <name>QDiagnosticsClass</name>
    <message>
        <location filename="../src/ui/dialogs/qdiagnostics.ui" line="+17"/>
        <source>Direct Command</source>
        <translation>Direktbefehl</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Command</source>
        <translation>Befehl</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Slave Addr</source>
        <translation>Slave-Adr.</translation>
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
        <translation>Funktionscode</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>03</source>
        <translation>03</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Data Address</source>
        <translation>Datenadresse</translation>
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
        <translation>Datenlänge</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>Send</source>
        <translation>Senden</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Output command:</source>
        <translation>Gesendeter Befehl:</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Response message:</source>
        <translation>Antwort:</translation>
    </message>
</context>
<context>
    <name>QFontSettingsClass</name>
    <message>
        <location filename="../src/ui/dialogs/qfontsettings.ui" line="+6"/>
        <source>Fonts and Colors</source>
        <translation>Schriften und Farben</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Title:</source>
        <translation>Titel:</translation>
    </message>
    <message>
        <location line="+7"/>
        <location line="+34"/>
        <location line="+28"/>
        <source>font...</source>
        <translation>Schrift...</translation>
    </message>
    <message>
        <location line="-55"/>
        <location line="+34"/>
        <location line="+28"/>
        <source>color...</source>
        <translation>Farbe...</translation>
    </message>
    <message>
        <location line="-49"/>
        <location line="+28"/>
        <location line="+28"/>
        <source>Sample</source>
        <translation>Beispiel</translation>
    </message>
    <message>
        <location line="-49"/>
        <source>Information:</source>
        <translation>Informationen:</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Message:</source>
        <translation>Meldung:</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>QLogData</name>
    <message>
        <location filename="../src/history/qlogdata.cpp" line="+171"/>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>SN_Name</source>
        <translation>SN/Name</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>State</source>
        <translation>Status</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Err%1</source>
        <translation>Fehler%1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>N/A</source>
        <translation>k. A.</translation>
    </message>
</context>
<context>
    <name>QMainViewConfig</name>
    <message>
        <location filename="../src/ui/dialogs/qmainviewconfig.cpp" line="+146"/>
        <source>Start/Stop Record Time</source>
        <translation>Beginn/Ende der Aufzeichnung</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The Settings of start record time and stop record time is error!</source>
        <translation>Die Einstellungen für Beginn und Ende der Aufzeichnung sind ungültig!</translation>
    </message>
</context>
<context>
    <name>QMainViewConfigClass</name>
    <message>
        <location filename="../src/ui/dialogs/qmainviewconfig.ui" line="+6"/>
        <source>Main View Configuration</source>
        <translation>Konfiguration der Übersicht</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Main View </source>
        <translation>Übersicht </translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Save interval</source>
        <translation>Speicherintervall</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>minutes</source>
        <translation>Minuten</translation>
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
        <translation>Aufzeichnungszeitraum</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Automatic</source>
        <translation>Automatisch</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Manual</source>
        <translation>Manuell</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Start record time:</source>
        <translation>Beginn der Aufzeichnung:</translation>
    </message>
    <message>
        <location line="+17"/>
        <location line="+27"/>
        <source>o&apos;clock</source>
        <translation>Uhr</translation>
    </message>
    <message>
        <location line="-17"/>
        <source>Stop record time:</source>
        <translation>Ende der Aufzeichnung:</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Earning Settings</source>
        <translation>Erlöseinstellungen</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Earning:</source>
        <translation>Erlös:</translation>
    </message>
    <message>
        <location line="+29"/>
        <source> / kWh</source>
        <translation> / kWh</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Message Display:</source>
        <translation>Angezeigte Meldung:</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Title Display:</source>
        <translation>Angezeigter Titel:</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Advanced Settings</source>
        <translation>Erweiterte Einstellungen</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Select All</source>
        <translation>Alle auswählen</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Clear All</source>
        <translation>Alle abwählen</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Default</source>
        <translation>Standard</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>&lt;b&gt;Arrangement: (press mouse to move)&lt;/b&gt;</source>
        <translation>&lt;b&gt;Anordnung: (zum Verschieben die Maustaste gedrückt halten)&lt;/b&gt;</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Arrangement</source>
        <translation>Anordnung</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Click and Move</source>
        <translation>Klicken und verschieben</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Default Sequence</source>
        <translation>Standardreihenfolge</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Apply</source>
        <translation>Übernehmen</translation>
    </message>
</context>
<context>
    <name>QMyTreeWidget</name>
    <message>
        <location filename="../src/ui/views/qmytreewidget.cpp" line="+27"/>
        <location line="+1"/>
        <source>Inverters</source>
        <translation>Wechselrichter</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>You can use &apos;Drag and Drop&apos; to move inverter to the group.</source>
        <translation>Sie können Wechselrichter per Drag-and-Drop in eine Gruppe verschieben.</translation>
    </message>
    <message>
        <location line="+89"/>
        <source>UnGrouped</source>
        <translation>Ohne Gruppe</translation>
    </message>
</context>
<context>
    <name>QPassword</name>
    <message>
        <location filename="../src/ui/dialogs/qpassword.cpp" line="+32"/>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Password is wrong</source>
        <translation>Das Passwort ist falsch</translation>
    </message>
</context>
<context>
    <name>QPasswordClass</name>
    <message>
        <location filename="../src/ui/dialogs/qpassword.ui" line="+14"/>
        <location line="+6"/>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>QProgessClass</name>
    <message>
        <location filename="../src/ui/qprogresswin.ui" line="+14"/>
        <source>Progressing...</source>
        <translation>In Bearbeitung...</translation>
    </message>
</context>
<context>
    <name>QSensorSettings</name>
    <message>
        <location filename="../src/ui/dialogs/qsensorsettings.cpp" line="+120"/>
        <source>No response</source>
        <translation>Keine Antwort</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Register Value(HEX: Lo-Hi)</source>
        <translation>Registerwert (HEX: Lo-Hi)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Register Value(HEX: Hi-Lo)</source>
        <translation>Registerwert (HEX: Hi-Lo)</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Append CRC...</source>
        <translation>CRC anhängen...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Although Modbus protocol defines the CRC part of RTU to low byte first, High byte after, but some devices require Modbus RTU messages that appends CRC high byte first. If so, please check this to enable this kind of behavior.</source>
        <translation>Das Modbus-Protokoll legt für RTU fest, dass die CRC mit dem Low-Byte zuerst und dem High-Byte danach angehängt wird. Einige Geräte erwarten jedoch Modbus-RTU-Nachrichten, bei denen das High-Byte der CRC zuerst angehängt wird. Aktivieren Sie in diesem Fall diese Option.</translation>
    </message>
    <message>
        <location line="-64"/>
        <location line="+80"/>
        <location line="+11"/>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <location line="-145"/>
        <source>Line: %1, %2 baud</source>
        <translation>Leitung: %1, %2 Baud</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Line: no port set</source>
        <translation>Leitung: kein Port eingestellt</translation>
    </message>
    <message>
        <location line="+134"/>
        <source>Please input the header field.</source>
        <translation>Bitte geben Sie eine Bezeichnung ein.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please input the unit field.</source>
        <translation>Bitte geben Sie eine Einheit ein.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Can not add new record.</source>
        <translation>Der neue Eintrag kann nicht hinzugefügt werden.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Info</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Save OK</source>
        <translation>Gespeichert</translation>
    </message>
</context>
<context>
    <name>QSensorSettingsClass</name>
    <message>
        <location filename="../src/ui/dialogs/qsensorsettings.ui" line="+14"/>
        <source>Sensor Settings</source>
        <translation>Sensoreinstellungen</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Step 1: Query one register</source>
        <translation>Schritt 1: Ein Register abfragen</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+216"/>
        <source>Slave address</source>
        <translation>Slave-Adresse</translation>
    </message>
    <message>
        <location line="-209"/>
        <location line="+216"/>
        <location line="+338"/>
        <source>Function</source>
        <translation>Funktion</translation>
    </message>
    <message>
        <location line="-547"/>
        <source>Starting address</source>
        <translation>Startadresse</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Number of registers</source>
        <translation>Anzahl Register</translation>
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
        <translation>Abfragen</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>CRC high byte append first</source>
        <translation>CRC mit High-Byte zuerst anhängen</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>?</source>
        <translation>?</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>Step 2: Response</source>
        <translation>Schritt 2: Antwort</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Byte Count</source>
        <translation>Byteanzahl</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Register Value(HEX: Hi-Lo)</source>
        <translation>Registerwert (HEX: Hi-Lo)</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>Register value(DEC)</source>
        <translation>Registerwert (DEZ)</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Low byte first</source>
        <translation>Low-Byte zuerst</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Step 3: Operation</source>
        <translation>Schritt 3: Berechnung</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Register value</source>
        <translation>Registerwert</translation>
    </message>
    <message>
        <location line="+7"/>
        <location line="+274"/>
        <source>Operator</source>
        <translation>Operator</translation>
    </message>
    <message>
        <location line="-267"/>
        <location line="+272"/>
        <source>Factor</source>
        <translation>Faktor</translation>
    </message>
    <message>
        <location line="-265"/>
        <source>After operation(DEC)</source>
        <translation>Ergebnis (DEZ)</translation>
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
        <translation>Berechnen</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Step 4: Save</source>
        <translation>Schritt 4: Speichern</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+190"/>
        <source>Header</source>
        <translation>Bezeichnung</translation>
    </message>
    <message>
        <location line="-180"/>
        <location line="+185"/>
        <source>Unit</source>
        <translation>Einheit</translation>
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
        <translation>Speichern</translation>
    </message>
    <message>
        <location line="+31"/>
        <location line="+113"/>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <location line="-100"/>
        <source>View all</source>
        <translation>Alle anzeigen</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Saved sensors</source>
        <translation>Gespeicherte Sensoren</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Slave</source>
        <translation>Slave</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Start Hi</source>
        <translation>Start Hi</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Start Lo</source>
        <translation>Start Lo</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Regs Hi</source>
        <translation>Reg. Hi</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Regs Lo</source>
        <translation>Reg. Lo</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
</context>
<context>
    <name>QViewSizeClass</name>
    <message>
        <location filename="../src/ui/dialogs/qviewsize.ui" line="+21"/>
        <source>View Size Settings</source>
        <translation>Größe der Anzeigebereiche</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Title:</source>
        <translation>Titel:</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>    pixel</source>
        <translation>    Pixel</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Information</source>
        <translation>Informationen</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Expanding</source>
        <translation>Flexibel</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Message:</source>
        <translation>Meldung:</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>   pixel</source>
        <translation>   Pixel</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Default</source>
        <translation>Standard</translation>
    </message>
</context>
<context>
    <name>QalarmConfig</name>
    <message>
        <location filename="../src/ui/dialogs/qalarmconfig.cpp" line="+144"/>
        <source>N/A</source>
        <translation>k. A.</translation>
    </message>
    <message>
        <location line="+84"/>
        <source>Add recipient</source>
        <translation>Empfänger hinzufügen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Email address:</source>
        <translation>E-Mail-Adresse:</translation>
    </message>
</context>
<context>
    <name>QalarmConfigClass</name>
    <message>
        <location filename="../src/ui/dialogs/qalarmconfig.ui" line="+6"/>
        <source>Alarm Configuration</source>
        <translation>Alarmkonfiguration</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Mail Settings</source>
        <translation>E-Mail-Einstellungen</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Mail account</source>
        <translation>E-Mail-Konto</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Account:</source>
        <translation>Konto:</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Password:</source>
        <translation>Passwort:</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Mail server:</source>
        <translation>Mailserver:</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>smtp.example.com</source>
        <translation>smtp.example.com</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Port:</source>
        <translation>Port:</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Encryption:</source>
        <translation>Verschlüsselung:</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>Sender:</source>
        <translation>Absender:</translation>
    </message>
    <message>
        <location line="+13"/>
        <location line="+6"/>
        <source>Recipients</source>
        <translation>Empfänger</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Add...</source>
        <translation>Hinzufügen...</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Test Connection</source>
        <translation>Verbindung testen</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Send Test Mail</source>
        <translation>Test-E-Mail senden</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Apply</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Error Codes</source>
        <translation>Fehlercodes</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Inverter type:</source>
        <translation>Wechselrichtertyp:</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>Error code:</source>
        <translation>Fehlercode:</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Error Code 1</source>
        <translation>Fehlercode 1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Error Code 2</source>
        <translation>Fehlercode 2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Error Code 3</source>
        <translation>Fehlercode 3</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Error Code 4</source>
        <translation>Fehlercode 4</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Send an alarm mail for these errors</source>
        <translation>Bei diesen Fehlern eine Alarm-E-Mail senden</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Select All</source>
        <translation>Alle auswählen</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Clear All</source>
        <translation>Alle abwählen</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Events</source>
        <translation>Ereignisse</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Inverter states</source>
        <translation>Wechselrichterzustände</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Inverter states (M83)</source>
        <translation>Wechselrichterzustände (M83)</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>RealTimeDisplay</name>
    <message>
        <location filename="../src/ui/views/realtimedisplay.cpp" line="+166"/>
        <source>Total Yield(Eac)</source>
        <translation>Gesamtertrag (Eac)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Total Yield</source>
        <translation>Gesamtertrag</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+2"/>
        <source>Total Output Time</source>
        <translation>Gesamte Einspeisezeit</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Output power</source>
        <translation>Ausgangsleistung</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Output voltage</source>
        <translation>Ausgangsspannung</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Output current</source>
        <translation>Ausgangsstrom</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Output frequency</source>
        <translation>Ausgangsfrequenz</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+2"/>
        <source>DC Power</source>
        <translation>DC-Leistung</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DC Voltage</source>
        <translation>DC-Spannung</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DC Current</source>
        <translation>DC-Strom</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Total input energy</source>
        <translation>Gesamte Eingangsenergie</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Output time today</source>
        <translation>Einspeisezeit heute</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Heatsink temperature</source>
        <translation>Kühlkörpertemperatur</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>AC impedance</source>
        <translation>Netzimpedanz</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Trip voltage</source>
        <translation>Auslösespannung</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Trip frequency</source>
        <translation>Auslösefrequenz</translation>
    </message>
</context>
<context>
    <name>RealTimeView</name>
    <message>
        <location filename="../src/ui/views/realtimeview.ui" line="+11"/>
        <source>UP</source>
        <translation>Nach oben</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Down</source>
        <translation>Nach unten</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Add Group</source>
        <translation>Neue Gruppe</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Del Inverter</source>
        <translation>Wechselrichter löschen</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Del Group</source>
        <translation>Gruppe löschen</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Information</source>
        <translation>Informationen</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Gropu name:</source>
        <translation>Gruppenname:</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Device type:</source>
        <translation>Gerätetyp:</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Device S/N:</source>
        <translation>Seriennummer:</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Devie address:</source>
        <translation>Geräteadresse:</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>DSP1 version:</source>
        <translation>DSP1-Version:</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>DSP2 version:</source>
        <translation>DSP2-Version:</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Line health</source>
        <translation>Leitungszustand</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Link quality:</source>
        <translation>Verbindungsqualität:</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Exchanges:</source>
        <translation>Abfragen:</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Timeouts:</source>
        <translation>Zeitüberschreitungen:</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>CRC errors:</source>
        <translation>CRC-Fehler:</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Short replies:</source>
        <translation>Zu kurze Antworten:</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Wrong address / function / length:</source>
        <translation>Falsche Adresse / Funktion / Länge:</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Round trip:</source>
        <translation>Antwortzeit:</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Real time display</source>
        <translation>Echtzeitanzeige</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Real time values</source>
        <translation>Echtzeitwerte</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Parameter Name</source>
        <translation>Parametername</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Value</source>
        <translation>Wert</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Status code:</source>
        <translation>Statuscode:</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Error Code 1:</source>
        <translation>Fehlercode 1:</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Error Code 1</source>
        <translation>Fehlercode 1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Error Code 2:</source>
        <translation>Fehlercode 2:</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Error Code 2</source>
        <translation>Fehlercode 2</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Error Code 3:</source>
        <translation>Fehlercode 3:</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Error Code 3</source>
        <translation>Fehlercode 3</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Error Code 4:</source>
        <translation>Fehlercode 4:</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Error Code 4</source>
        <translation>Fehlercode 4</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Parameter configuration for devices</source>
        <translation>Parameterkonfiguration der Geräte</translation>
    </message>
    <message>
        <location filename="../src/ui/views/realtimeview.cpp" line="+109"/>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Below 95 %: check the cable, its terminator and the inverter&apos;s transceiver.</source>
        <translation>Unter 95 %: Kabel, Abschlusswiderstand und Schnittstelle des Wechselrichters prüfen.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 (%2 right on the first try, %3 after a retry)</source>
        <translation>%1 (%2 beim ersten Versuch richtig, %3 nach Wiederholung)</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1 ms; mean %2 ms, 95 % within %3 ms</source>
        <translation>%1 ms; Mittel %2 ms, 95 % innerhalb %3 ms</translation>
    </message>
    <message>
        <location line="+60"/>
        <source>add Group</source>
        <translation>Gruppe hinzufügen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Group name:</source>
        <translation>Gruppenname:</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Lumora Data Manager</source>
        <translation>Lumora Data Manager</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>This group name existed!</source>
        <translation>Dieser Gruppenname ist bereits vorhanden!</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Add fail!</source>
        <translation>Hinzufügen fehlgeschlagen!</translation>
    </message>
    <message>
        <location line="+9"/>
        <location line="+18"/>
        <source>Confirm</source>
        <translation>Bestätigen</translation>
    </message>
    <message>
        <location line="-18"/>
        <source>Delete this group and all children?</source>
        <translation>Diese Gruppe und alle untergeordneten Einträge löschen?</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Inverter</source>
        <translation>Wechselrichter</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Delete this inverter?</source>
        <translation>Diesen Wechselrichter löschen?</translation>
    </message>
</context>
<context>
    <name>SearchInverterFrm</name>
    <message>
        <location filename="../src/ui/dialogs/searchinverterfrm.cpp" line="+74"/>
        <location line="+94"/>
        <source>%1 inverters found.</source>
        <translation>%1 Wechselrichter gefunden.</translation>
    </message>
    <message>
        <location line="-60"/>
        <location line="+9"/>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <location line="-7"/>
        <source>COM%1 is not available! The saved inverters are kept.</source>
        <translation>COM%1 ist nicht verfügbar! Die gespeicherten Wechselrichter bleiben erhalten.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>COM%1 failed during the search (hang-up or I/O error). The saved inverters are kept.</source>
        <translation>COM%1 ist während der Suche ausgefallen (Verbindungsabbruch oder E/A-Fehler). Die gespeicherten Wechselrichter bleiben erhalten.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Not found</source>
        <translation>Nicht gefunden</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>No inverters found</source>
        <translation>Keine Wechselrichter gefunden</translation>
    </message>
</context>
<context>
    <name>SearchInverterFrmClass</name>
    <message>
        <location filename="../src/ui/dialogs/searchinverterfrm.ui" line="+14"/>
        <source>Search Inverters</source>
        <translation>Wechselrichter suchen</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Search for Inverters</source>
        <translation>Nach Wechselrichtern suchen</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>0 inverters found.</source>
        <translation>0 Wechselrichter gefunden.</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Automatically search for inverters:</source>
        <translation>Automatisch nach Wechselrichtern suchen:</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Minutes between automatic searches</source>
        <translation>Minuten zwischen automatischen Suchen</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>minutes</source>
        <translation>Minuten</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Change duplicate inverter IDs in automatic searches</source>
        <translation>Doppelte Wechselrichter-IDs bei automatischen Suchen ändern</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Search</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>detail...</source>
        <translation>Details...</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Inverters found</source>
        <translation>Gefundene Wechselrichter</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Addr</source>
        <translation>Adr.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Serial Number</source>
        <translation>Seriennummer</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <location filename="../src/app/startup.cpp" line="+24"/>
        <source>Error -- %1</source>
        <translation>Fehler -- %1</translation>
    </message>
    <message>
        <location line="+59"/>
        <source>Database is broken, please reinstall the application!</source>
        <translation>Die Datenbank ist beschädigt, bitte installieren Sie das Programm neu!</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Database init fail, please reinstall the application!</source>
        <translation>Die Datenbank konnte nicht initialisiert werden, bitte installieren Sie das Programm neu!</translation>
    </message>
    <message>
        <location line="+59"/>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>No COM ports found in this computer!</source>
        <translation>Auf diesem Computer wurden keine COM-Ports gefunden!</translation>
    </message>
</context>
<context>
    <name>StateTables</name>
    <message>
        <location filename="../src/device/statetables.cpp" line="+18"/>
        <location line="+15"/>
        <source>LCD Initialize mode</source>
        <translation>LCD-Initialisierungsmodus</translation>
    </message>
    <message>
        <location line="-14"/>
        <source>Utility frequency detect mode</source>
        <translation>Netzfrequenz-Erkennungsmodus</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Renew mode</source>
        <translation>Erneuerungsmodus</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Wait mode</source>
        <translation>Wartemodus</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Monitoring mode</source>
        <translation>Überwachungsmodus</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Output mode</source>
        <translation>Einspeisemodus</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+17"/>
        <source>Fault mode</source>
        <translation>Störungsmodus</translation>
    </message>
    <message>
        <location line="-16"/>
        <source>IDLE mode</source>
        <translation>Leerlaufmodus</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+17"/>
        <source>Default mode</source>
        <translation>Standardmodus</translation>
    </message>
    <message>
        <location line="-16"/>
        <location line="+17"/>
        <source>Stop mode</source>
        <translation>Stoppmodus</translation>
    </message>
    <message>
        <location line="-16"/>
        <location line="+18"/>
        <source>Calibrate mode</source>
        <translation>Kalibriermodus</translation>
    </message>
    <message>
        <location line="-14"/>
        <source>Program Initialize mode</source>
        <translation>Programm-Initialisierungsmodus</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Check Riso</source>
        <translation>Riso-Prüfung</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Low Illumination mode</source>
        <translation>Schwachlichtmodus</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Auto Test mode</source>
        <translation>Autotest-Modus</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Checking</source>
        <translation>Prüfung läuft</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Count Down mode</source>
        <translation>Countdown-Modus</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Check Relay mode</source>
        <translation>Relaisprüfmodus</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Grid/MPP mode</source>
        <translation>Netz-/MPP-Modus</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Idle mode</source>
        <translation>Leerlaufmodus</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Upgrade Flash mode</source>
        <translation>Flash-Update-Modus</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Setting Parameter mode</source>
        <translation>Parametriermodus</translation>
    </message>
</context>
</TS>
