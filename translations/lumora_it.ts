<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT" sourcelanguage="en">
<context>
    <name>CMain</name>
    <message>
        <location filename="../src/ui/cmain.cpp" line="+98"/>
        <source>Active: %1  </source>
        <translation>Attivi: %1  </translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Preparing the history for the charts: %1 %</source>
        <translation>Preparazione dello storico per i grafici: %1 %</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please complete COM port settings first.</source>
        <translation>Completare prima le impostazioni della porta COM.</translation>
    </message>
    <message>
        <location line="+279"/>
        <source>Info</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>No data</source>
        <translation>Nessun dato</translation>
    </message>
    <message>
        <location line="+152"/>
        <source>Confirm</source>
        <translation>Conferma</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Confirm to exit?</source>
        <translation>Uscire dal programma?</translation>
    </message>
    <message>
        <location filename="../src/ui/windowparts.cpp" line="+75"/>
        <source>Not ready</source>
        <translation>Non pronto</translation>
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
        <translation>Viste</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Main</source>
        <translation>Principale</translation>
    </message>
    <message>
        <location line="+43"/>
        <source>Monitoring state</source>
        <translation>Stato del monitoraggio</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Not ready</source>
        <translation>Non pronto</translation>
    </message>
    <message>
        <location line="+47"/>
        <source>Real time data</source>
        <translation>Dati in tempo reale</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Key parameters</source>
        <translation>Parametri principali</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Graphical analysis</source>
        <translation>Analisi grafica</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Event list</source>
        <translation>Elenco eventi</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Data logging</source>
        <translation>Registrazione dati</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Menu bar</source>
        <translation>Barra dei menu</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>&amp;Monitoring</source>
        <translation>&amp;Monitoraggio</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&amp;View</source>
        <translation>&amp;Visualizza</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>&amp;Configuration</source>
        <translation>&amp;Configurazione</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Language</source>
        <translation>&amp;Lingua</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>&amp;Window</source>
        <translation>Fi&amp;nestra</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&amp;Help</source>
        <translation>&amp;Guida</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Tool bar</source>
        <translation>Barra degli strumenti</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>Language bar</source>
        <translation>Barra delle lingue</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>&amp;Print</source>
        <translation>&amp;Stampa</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Export Image</source>
        <translation>Esporta &amp;immagine</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Export &amp;Data</source>
        <translation>Esporta &amp;dati</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Start Monitoring</source>
        <translation>&amp;Avvia monitoraggio</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Stop &amp;Monitoring</source>
        <translation>&amp;Interrompi monitoraggio</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;COM port</source>
        <translation>Porta &amp;COM</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Search Inverters</source>
        <translation>&amp;Ricerca inverter</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Alarm</source>
        <translation>&amp;Allarme</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Background Graphics</source>
        <translation>&amp;Immagini di sfondo</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Main View Configuration</source>
        <translation>Configurazione &amp;vista principale</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Main View Configuration</source>
        <translation>Configurazione vista principale</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Sensor Settings</source>
        <translation>Impostazioni &amp;sensori</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>M&amp;QTT...</source>
        <translation>M&amp;QTT...</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Configuration &amp;Wizard</source>
        <translation>&amp;Procedura guidata di configurazione</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Fonts and Colors</source>
        <translation>Caratteri e c&amp;olori</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Main</source>
        <translation>&amp;Principale</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Real time data</source>
        <translation>Dati in &amp;tempo reale</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Key parameters</source>
        <translation>Para&amp;metri principali</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Graphical analysis</source>
        <translation>&amp;Analisi grafica</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Event list</source>
        <translation>&amp;Elenco eventi</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Data logging</source>
        <translation>&amp;Registrazione dati</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Line health</source>
        <translation>Stato della &amp;linea</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>List View</source>
        <translation>Vista elenco</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Group View</source>
        <translation>Vista a gruppi</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>User manual</source>
        <translation>Manuale utente</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>&amp;About...</source>
        <translation>&amp;Informazioni su...</translation>
    </message>
</context>
<context>
    <name>COMPortFrmClass</name>
    <message>
        <location filename="../src/ui/dialogs/comportfrm.ui" line="+14"/>
        <source>Serial Port Settings</source>
        <translation>Impostazioni porta seriale</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Port:</source>
        <translation>Porta:</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Refresh</source>
        <translation>Aggiorna</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Baudrate:</source>
        <translation>Velocità (baud):</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Direct command</source>
        <translation>Comando diretto</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>ChartView</name>
    <message>
        <location filename="../src/ui/views/chartview.ui" line="+22"/>
        <source>Inverters</source>
        <translation>Inverter</translation>
    </message>
    <message>
        <location line="+10"/>
        <location line="+54"/>
        <source>Year</source>
        <translation>Anno</translation>
    </message>
    <message>
        <location line="-42"/>
        <source>Range of date</source>
        <translation>Intervallo di date</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>From</source>
        <translation>Da</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>To</source>
        <translation>a</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Base on</source>
        <translation>In base a</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Month</source>
        <translation>Mese</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Day</source>
        <translation>Giorno</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Query</source>
        <translation>Cerca</translation>
    </message>
    <message>
        <location filename="../src/ui/views/chartview.cpp" line="+105"/>
        <location line="+9"/>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <location line="-9"/>
        <source>Date range error!</source>
        <translation>Intervallo di date non valido.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Click some one inverter first.</source>
        <translation>Selezionare prima un inverter.</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>AC Power
%1 ~ %2
</source>
        <translation>Potenza CA
%1 ~ %2
</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>--&gt; Power(W)</source>
        <translation>--&gt; Potenza (W)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>--&gt; Month</source>
        <translation>--&gt; Mese</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>--&gt; Day</source>
        <translation>--&gt; Giorno</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>--&gt; Hour</source>
        <translation>--&gt; Ora</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Info</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Please query data first</source>
        <translation>Eseguire prima una ricerca dei dati.</translation>
    </message>
</context>
<context>
    <name>CsvFile</name>
    <message>
        <location filename="../src/history/csvfile.cpp" line="+12"/>
        <source>Save *.csv File</source>
        <translation>Salva file *.csv</translation>
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
        <translation>Esportazione completata.</translation>
    </message>
</context>
<context>
    <name>DashboardFields</name>
    <message>
        <location filename="../src/ui/views/dashboardfields.cpp" line="+13"/>
        <source>Total Yield</source>
        <translation>Produzione totale</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Efficiency</source>
        <translation>Rendimento</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Earning</source>
        <translation>Ricavo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Co2 Reduction</source>
        <translation>CO2 evitata</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>DC Power</source>
        <translation>Potenza CC</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>AC Power</source>
        <translation>Potenza CA</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>DC Avg. Power</source>
        <translation>Potenza media CC</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>AC Avg. Power</source>
        <translation>Potenza media CA</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Power Generation</source>
        <translation>Produzione giornaliera</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Sensor %1</source>
        <translation>Sensore %1</translation>
    </message>
</context>
<context>
    <name>DataLogView</name>
    <message>
        <location filename="../src/ui/views/datalogview.ui" line="+14"/>
        <source>SN_Name:</source>
        <translation>SN/Nome:</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Month:</source>
        <translation>Mese:</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Year:</source>
        <translation>Anno:</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Query</source>
        <translation>Cerca</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Readings</source>
        <translation>Letture</translation>
    </message>
    <message>
        <location filename="../src/ui/views/datalogview.cpp" line="+66"/>
        <source>info</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>No data found!</source>
        <translation>Nessun dato trovato.</translation>
    </message>
</context>
<context>
    <name>ErrorTables</name>
    <message>
        <location filename="../src/device/errortables.cpp" line="+20"/>
        <location line="+140"/>
        <source>No AC voltage is detected on the grid side</source>
        <translation>Nessuna tensione CA rilevata sul lato rete</translation>
    </message>
    <message>
        <location line="-139"/>
        <location line="+70"/>
        <source>The AC voltage of mains utility is over the upper limit</source>
        <translation>La tensione CA della rete elettrica supera il limite superiore</translation>
    </message>
    <message>
        <location line="-69"/>
        <location line="+70"/>
        <source>The AC voltage of mains utility is under the lower limit</source>
        <translation>La tensione CA della rete elettrica è sotto il limite inferiore</translation>
    </message>
    <message>
        <location line="-69"/>
        <location line="+70"/>
        <source>The frequency of AC voltage of the utility is over the upper limit</source>
        <translation>La frequenza della rete elettrica supera il limite superiore</translation>
    </message>
    <message>
        <location line="-69"/>
        <source>The frequence of AC voltage of the utility is under the lower limit</source>
        <translation>La frequenza della rete elettrica è sotto il limite inferiore</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+70"/>
        <source>The AC impedance of the grid is out of range</source>
        <translation>L&apos;impedenza di rete è fuori dall&apos;intervallo ammesso</translation>
    </message>
    <message>
        <location line="-69"/>
        <location line="+70"/>
        <source>The rate of change of the AC grid impedance is higher than setting value</source>
        <translation>La variazione dell&apos;impedenza di rete supera il valore impostato</translation>
    </message>
    <message>
        <location line="-69"/>
        <location line="+70"/>
        <source>Islanding is detected</source>
        <translation>Rilevato funzionamento in isola</translation>
    </message>
    <message>
        <location line="-69"/>
        <source>The drastic change of the leakage current has been detected</source>
        <translation>Rilevata una variazione brusca della corrente di dispersione</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The leakage current has exceeded a safe operating limit</source>
        <translation>La corrente di dispersione ha superato il limite di funzionamento sicuro</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+70"/>
        <source>Over DC current injected into the AC grid is detected</source>
        <translation>Rilevata un&apos;immissione eccessiva di CC nella rete elettrica</translation>
    </message>
    <message>
        <location line="-69"/>
        <location line="+70"/>
        <source>Over current on the AC side</source>
        <translation>Sovracorrente sul lato CA</translation>
    </message>
    <message>
        <location line="-69"/>
        <location line="+70"/>
        <source>The internal temperature of the inverter exceeded the safe operating limit</source>
        <translation>La temperatura interna dell&apos;inverter ha superato il limite di funzionamento sicuro</translation>
    </message>
    <message>
        <location line="-69"/>
        <source>The DC  voltage of PV array is over the upper limit</source>
        <translation>La tensione CC del generatore FV supera il limite superiore</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The DC  voltage of PV array is under the lower limit</source>
        <translation>La tensione CC del generatore FV è sotto il limite inferiore</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The insulation resistance between PV array and the ground is below the safe operating limit</source>
        <translation>La resistenza di isolamento tra generatore FV e terra è sotto il limite di funzionamento sicuro</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+70"/>
        <source>Internal DC bus voltage is over the upper limit</source>
        <translation>La tensione del bus CC interno supera il limite superiore</translation>
    </message>
    <message>
        <location line="-69"/>
        <location line="+70"/>
        <source>Internal DC bus voltage is under the lower limit</source>
        <translation>La tensione del bus CC interno è sotto il limite inferiore</translation>
    </message>
    <message>
        <location line="-69"/>
        <source>Inverter temperature too low</source>
        <translation>Temperatura dell&apos;inverter troppo bassa</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+70"/>
        <location line="+2"/>
        <source>Bridge Relay test failed(L)</source>
        <translation>Test del relè del ponte non riuscito (L)</translation>
    </message>
    <message>
        <location line="-71"/>
        <location line="+70"/>
        <location line="+2"/>
        <source>Bridge Relay test failed(N)</source>
        <translation>Test del relè del ponte non riuscito (N)</translation>
    </message>
    <message>
        <location line="-71"/>
        <source>Network Relay test failed(L)</source>
        <translation>Test del relè di rete non riuscito (L)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Network Relay test failed(N)</source>
        <translation>Test del relè di rete non riuscito (N)</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+70"/>
        <source>Internal communication failed</source>
        <translation>Errore di comunicazione interna</translation>
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
        <translation>N/D</translation>
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
        <translation>Errore di comunicazione esterna</translation>
    </message>
    <message>
        <location line="-69"/>
        <location line="+70"/>
        <source>EEPROM failed</source>
        <translation>Guasto EEPROM</translation>
    </message>
    <message>
        <location line="-68"/>
        <source>L-N miswired</source>
        <translation>Cablaggio L-N errato</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+70"/>
        <source>The injection DC current exceeded the standard value</source>
        <translation>L&apos;immissione di CC ha superato il valore ammesso dalla norma</translation>
    </message>
    <message>
        <location line="-69"/>
        <source>The leakage current measurement selftest failed</source>
        <translation>Autotest della misura della corrente di dispersione non riuscito</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The leakage current measurement function failed</source>
        <translation>Guasto della funzione di misura della corrente di dispersione</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The insulation resistance measurement selftest failed</source>
        <translation>Autotest della misura della resistenza di isolamento non riuscito</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+70"/>
        <source>Offset check for grid monitoring failed</source>
        <translation>Controllo dell&apos;offset del monitoraggio di rete non riuscito</translation>
    </message>
    <message>
        <location line="-69"/>
        <location line="+70"/>
        <source>The internal temperature sensor failed</source>
        <translation>Guasto del sensore di temperatura interno</translation>
    </message>
    <message>
        <location line="-69"/>
        <source>Autotest fail</source>
        <translation>Autotest non riuscito</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delta CPU error, Fac, Vac, Idc, Zac, If, Riso</source>
        <translation>Discordanza tra le CPU, Fac, Vac, Idc, Zac, If, Riso</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+70"/>
        <source>Debug(GridNA in wait mode)</source>
        <translation>Debug (rete assente in modalità attesa)</translation>
    </message>
    <message>
        <location line="-69"/>
        <location line="+70"/>
        <source>Debug(Grid out of range in wait mode)</source>
        <translation>Debug (rete fuori limiti in modalità attesa)</translation>
    </message>
    <message>
        <location line="-69"/>
        <location line="+70"/>
        <source>No output current</source>
        <translation>Nessuna corrente in uscita</translation>
    </message>
    <message>
        <location line="-68"/>
        <location line="+70"/>
        <source>Over current of input current IpvA</source>
        <translation>Sovracorrente in ingresso IpvA</translation>
    </message>
    <message>
        <location line="-69"/>
        <source>Over current of input current IpvB</source>
        <translation>Sovracorrente in ingresso IpvB</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Over current of input current IpvC</source>
        <translation>Sovracorrente in ingresso IpvC</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+70"/>
        <source>AC grid impedance out of range, continuously</source>
        <translation>Impedenza di rete fuori dall&apos;intervallo ammesso, in modo persistente</translation>
    </message>
    <message>
        <location line="-69"/>
        <source>The rate of change of aC grid impedance out of range, continuously</source>
        <translation>Variazione dell&apos;impedenza di rete fuori dall&apos;intervallo ammesso, in modo persistente</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The drastic change of leakage current has been detected, continuously</source>
        <translation>Variazione brusca della corrente di dispersione rilevata in modo persistente</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The leakage current has exceeded a safe operationg limit, continuously</source>
        <translation>La corrente di dispersione ha superato il limite di funzionamento sicuro, in modo persistente</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+70"/>
        <source>AC over current, continuously</source>
        <translation>Sovracorrente CA, in modo persistente</translation>
    </message>
    <message>
        <location line="-69"/>
        <location line="+70"/>
        <location line="+69"/>
        <source>Relay test failed, continuously</source>
        <translation>Test dei relè non riuscito, in modo persistente</translation>
    </message>
    <message>
        <location line="-138"/>
        <location line="+70"/>
        <source>Memory self test failed</source>
        <translation>Autotest della memoria non riuscito</translation>
    </message>
    <message>
        <location line="-69"/>
        <location line="+70"/>
        <source>Calibrate value is out of range</source>
        <translation>Valore di calibrazione fuori dall&apos;intervallo ammesso</translation>
    </message>
    <message>
        <location line="-69"/>
        <location line="+70"/>
        <source>Self test error(EEPROM data loss)</source>
        <translation>Errore di autotest (perdita dei dati EEPROM)</translation>
    </message>
    <message>
        <location line="-69"/>
        <location line="+70"/>
        <source>The firmware version error</source>
        <translation>Versione del firmware errata</translation>
    </message>
    <message>
        <location line="-69"/>
        <location line="+70"/>
        <source>Internal measurement comparison error or defective hardware</source>
        <translation>Errore nel confronto delle misure interne o hardware difettoso</translation>
    </message>
    <message>
        <location line="-69"/>
        <location line="+70"/>
        <source>Internal watchdog function triggered</source>
        <translation>Intervento del watchdog interno</translation>
    </message>
    <message>
        <location line="-69"/>
        <location line="+70"/>
        <source>The system failed</source>
        <translation>Guasto del sistema</translation>
    </message>
    <message>
        <location line="-69"/>
        <location line="+70"/>
        <source>SPI test failed</source>
        <translation>Test SPI non riuscito</translation>
    </message>
    <message>
        <location line="-69"/>
        <location line="+70"/>
        <location line="+66"/>
        <source>Calibration data is lost</source>
        <translation>Dati di calibrazione persi</translation>
    </message>
    <message>
        <location line="-132"/>
        <source>No  AC voltage is detected on the grid side</source>
        <translation>Nessuna tensione CA rilevata sul lato rete</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The frequency of AC voltage of the utility is under the lower limit</source>
        <translation>La frequenza della rete elettrica è sotto il limite inferiore</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Auto test failed</source>
        <translation>Autotest non riuscito</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The internal temperature of the inverter is under the lower limit</source>
        <translation>La temperatura interna dell&apos;inverter è sotto il limite inferiore</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The DC voltage of PV array is over the upper limit</source>
        <translation>La tensione CC del generatore FV supera il limite superiore</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The DC voltage of PV array is under the lower limit</source>
        <translation>La tensione CC del generatore FV è sotto il limite inferiore</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DC/DC HW Failure</source>
        <translation>Guasto hardware CC/CC</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>GFDI fault</source>
        <translation>Guasto GFDI</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+29"/>
        <source>Ibuck over current</source>
        <translation>Sovracorrente Ibuck</translation>
    </message>
    <message>
        <location line="-28"/>
        <source>MOV AC side fault</source>
        <translation>Guasto MOV lato CA</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>MOV DC side fault</source>
        <translation>Guasto MOV lato CC</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>FAN blocking</source>
        <translation>Ventola bloccata</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Vrms of L1-N out of maximum value</source>
        <translation>Vrms L1-N oltre il valore massimo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Vrms of L1-N out of minimum value</source>
        <translation>Vrms L1-N sotto il valore minimo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Vrms of L2-N out of maximum value</source>
        <translation>Vrms L2-N oltre il valore massimo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Driver fault</source>
        <translation>Guasto del driver</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Vrms of L2-N out of minimum value</source>
        <translation>Vrms L2-N sotto il valore minimo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delta CPU error Fac, Vac, Idc, Zac, If, Riso</source>
        <translation>Discordanza tra le CPU, Fac, Vac, Idc, Zac, If, Riso</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Input limit by Ibuck(average or peak</source>
        <translation>Ingresso limitato da Ibuck (valore medio o di picco)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Buck not work, Vdcbus not enough</source>
        <translation>Buck non funzionante, Vdcbus insufficiente</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The rate of change of the AC grid impedance out of range, continuously</source>
        <translation>Variazione dell&apos;impedenza di rete fuori dall&apos;intervallo ammesso, in modo persistente</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Driver fault, continuously</source>
        <translation>Guasto del driver, in modo persistente</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>DC/DC H/W Failure, continuously</source>
        <translation>Guasto hardware CC/CC, in modo persistente</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>The AC voltage of utility grid is over the upper limit.</source>
        <translation>La tensione CA della rete elettrica supera il limite superiore.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The AC voltage of utility grid is under the lower limit.</source>
        <translation>La tensione CA della rete elettrica è sotto il limite inferiore.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The frequency of AC voltage of the utility is over the upper limit.</source>
        <translation>La frequenza della rete elettrica supera il limite superiore.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The frequency of AC voltage of the utility is under the lower limit.</source>
        <translation>La frequenza della rete elettrica è sotto il limite inferiore.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>One/Two phase disconnection.</source>
        <translation>Una o due fasi scollegate.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>L2, L3 reversed phase sequence.</source>
        <translation>Sequenza delle fasi L2, L3 invertita.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Islanding is detected.</source>
        <translation>Rilevato funzionamento in isola.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The drastic change of the leakage current has been detected.</source>
        <translation>Rilevata una variazione brusca della corrente di dispersione.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The leakage current has exceeded a safe operating limit.</source>
        <translation>La corrente di dispersione ha superato il limite di funzionamento sicuro.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Over DC current injected into the AC grid is detected.</source>
        <translation>Rilevata un&apos;immissione eccessiva di CC nella rete elettrica.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Over current on the grid side.</source>
        <translation>Sovracorrente sul lato rete.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The AC current is over the upper limit.</source>
        <translation>La corrente CA supera il limite superiore.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The insulation resistance between PV array and the ground is below the safe operating limit.</source>
        <translation>La resistenza di isolamento tra generatore FV e terra è sotto il limite di funzionamento sicuro.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The DC voltage of PV array is over the upper limit.</source>
        <translation>La tensione CC del generatore FV supera il limite superiore.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Over current on the DC side.</source>
        <translation>Sovracorrente sul lato CC.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Over power on the DC side.</source>
        <translation>Potenza eccessiva sul lato CC.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Internal DC bus voltage is over the upper limit.</source>
        <translation>La tensione del bus CC interno supera il limite superiore.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Internal DC bus voltage is below the lower limit.</source>
        <translation>La tensione del bus CC interno è sotto il limite inferiore.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The internal temperature of the inverter exceeded the safe operating limit.</source>
        <translation>La temperatura interna dell&apos;inverter ha superato il limite di funzionamento sicuro.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Internal measurement comparison error or defective hardware.</source>
        <translation>Errore nel confronto delle misure interne o hardware difettoso.</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+38"/>
        <source>The system is failed.</source>
        <translation>Guasto del sistema.</translation>
    </message>
    <message>
        <location line="-37"/>
        <source>Auto test is failed</source>
        <translation>Autotest non riuscito</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The internal temperature of the inverter below the safe operating limit.</source>
        <translation>La temperatura interna dell&apos;inverter è sotto il limite di funzionamento sicuro.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The output relay is open.</source>
        <translation>Il relè di uscita è aperto.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The output relay is short.</source>
        <translation>Il relè di uscita è in cortocircuito.</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+17"/>
        <source>The leakage current measurement device is failure.</source>
        <translation>Guasto del dispositivo di misura della corrente di dispersione.</translation>
    </message>
    <message>
        <location line="-16"/>
        <source>Input current sensor is failure.</source>
        <translation>Guasto del sensore della corrente di ingresso.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Output current sensor is failure.</source>
        <translation>Guasto del sensore della corrente di uscita.</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+16"/>
        <source>The DC injection current monitoring function failure.</source>
        <translation>Guasto della funzione di monitoraggio dell&apos;immissione di CC.</translation>
    </message>
    <message>
        <location line="-15"/>
        <source>Internal communication is failed.</source>
        <translation>Errore di comunicazione interna.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>EEPROM test failed. *waring message</source>
        <translation>Test EEPROM non riuscito. *messaggio di avviso</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <source>The fan is lock.  *waring message</source>
        <translation>Ventola bloccata.  *messaggio di avviso</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>External communication failed  *waring message</source>
        <translation>Errore di comunicazione esterna  *messaggio di avviso</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Internal reference voltage failed, +1.5VA,+1.5VB.</source>
        <translation>Guasto della tensione di riferimento interna, +1.5VA,+1.5VB.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Internal reference voltage failed, +1.5VA,+1.5VB</source>
        <translation>Guasto della tensione di riferimento interna, +1.5VA,+1.5VB</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The DC/DC converter is failure.</source>
        <translation>Guasto del convertitore CC/CC.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Hall sensor failed</source>
        <translation>Guasto del sensore Hall</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>EEPROM test failed</source>
        <translation>Test EEPROM non riuscito</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The firmware version is not correct</source>
        <translation>La versione del firmware non è corretta</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Internal measurement comparison error or defective hardware, continuously</source>
        <translation>Errore nel confronto delle misure interne o hardware difettoso, in modo persistente</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The mismatch of hardware MODEL setting and CPU setting.</source>
        <translation>L&apos;impostazione MODEL dell&apos;hardware non corrisponde a quella della CPU.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Internal communication test failed</source>
        <translation>Test della comunicazione interna non riuscito</translation>
    </message>
</context>
<context>
    <name>EventListView</name>
    <message>
        <location filename="../src/ui/views/eventlistview.ui" line="+14"/>
        <source>SN_Name:</source>
        <translation>SN/Nome:</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Year:</source>
        <translation>Anno:</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Month:</source>
        <translation>Mese:</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Query</source>
        <translation>Cerca</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Events</source>
        <translation>Eventi</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Date / Time</source>
        <translation>Data / ora</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>State</source>
        <translation>Stato</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Error_Code_1</source>
        <translation>Codice errore 1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Error_Code_2</source>
        <translation>Codice errore 2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Error_Code_3</source>
        <translation>Codice errore 3</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Error_Code_4</source>
        <translation>Codice errore 4</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Error description</source>
        <translation>Descrizione dell&apos;errore</translation>
    </message>
    <message>
        <location filename="../src/ui/views/eventlistview.cpp" line="+66"/>
        <source>Info</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>No error events happened!</source>
        <translation>Nessun evento di errore registrato.</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Error Code %1-&gt; </source>
        <translation>Codice errore %1-&gt; </translation>
    </message>
    <message>
        <location line="+3"/>
        <source>State code-&gt; </source>
        <translation>Codice di stato-&gt; </translation>
    </message>
</context>
<context>
    <name>KeyParameterCodes</name>
    <message>
        <location filename="../src/device/keyparametercodes.cpp" line="+20"/>
        <source>Link quality</source>
        <translation>Qualità del collegamento</translation>
    </message>
</context>
<context>
    <name>KeyParametersView</name>
    <message>
        <location filename="../src/ui/views/keyparametersview.ui" line="+11"/>
        <source>Columns:</source>
        <translation>Colonne:</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>Key parameters</source>
        <translation>Parametri principali</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Inverter</source>
        <translation>Inverter</translation>
    </message>
</context>
<context>
    <name>LanguageDialog</name>
    <message>
        <location filename="../src/ui/languagedialog.cpp" line="+14"/>
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
</context>
<context>
    <name>LanguageMenus</name>
    <message>
        <location filename="../src/ui/languagemenus.cpp" line="+48"/>
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>Language change</source>
        <translation>Cambio lingua</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The language changes will take effect when you restart the application.</source>
        <translation>La nuova lingua sarà attiva al prossimo avvio dell&apos;applicazione.</translation>
    </message>
</context>
<context>
    <name>Languages</name>
    <message>
        <location filename="../src/base/languages.cpp" line="+10"/>
        <source>English</source>
        <translation>Inglese</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Italian</source>
        <translation>Italiano</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Traditional Chinese</source>
        <translation>Cinese tradizionale</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Spanish</source>
        <translation>Spagnolo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>French</source>
        <translation>Francese</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>German</source>
        <translation>Tedesco</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Simplified Chinese</source>
        <translation>Cinese semplificato</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Korean</source>
        <translation>Coreano</translation>
    </message>
</context>
<context>
    <name>LineChoice</name>
    <message>
        <location filename="../src/ui/dialogs/linechoice.cpp" line="+18"/>
        <source>%1 (not present)</source>
        <translation>%1 (non presente)</translation>
    </message>
</context>
<context>
    <name>LineHealthDialog</name>
    <message>
        <location filename="../src/ui/dialogs/linehealthdialog.cpp" line="+41"/>
        <source>Line health</source>
        <translation>Stato della linea</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Device</source>
        <translation>Dispositivo</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Link
quality %</source>
        <translation>Qualità
(%)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Exchanges</source>
        <translation>Scambi</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>First
try</source>
        <translation>Al primo
tentativo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>After a
retry</source>
        <translation>Dopo
ripetizione</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Timeouts</source>
        <translation>Timeout</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>CRC
errors</source>
        <translation>Errori
CRC</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Short
replies</source>
        <translation>Risposte
troncate</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Wrong address /
function / length</source>
        <translation>Errati:
indirizzo /
funzione /
lunghezza</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Round trip (ms)
last / mean / 95 %</source>
        <translation>Andata e ritorno
(ms) ultimo /
medio / 95 %</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Counts since the program started. Exchanges: requests with their retry. Link quality: the share answered correctly on the first try; below 95 % the device is marked.</source>
        <translation>Conteggi dall&apos;avvio del programma. Scambi: richieste con il loro nuovo tentativo. Qualità del collegamento: la quota con risposta corretta al primo tentativo; sotto il 95 % il dispositivo è evidenziato.</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>Sensor %1</source>
        <translation>Sensore %1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Inverter %1</source>
        <translation>Inverter %1</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Link quality below 95 %: check the cable, its terminator and the device&apos;s transceiver.</source>
        <translation>Qualità del collegamento sotto il 95 %: controllare il cavo, la sua terminazione e il ricetrasmettitore del dispositivo.</translation>
    </message>
</context>
<context>
    <name>MailSettings</name>
    <message>
        <location filename="../src/monitor/mailsettings.cpp" line="+79"/>
        <source>Apply</source>
        <translation>Applica</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Please input all fields.</source>
        <translation>Compilare tutti i campi.</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+10"/>
        <source>Fail</source>
        <translation>Impossibile salvare le impostazioni.</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>OK</source>
        <translation>Impostazioni salvate.</translation>
    </message>
</context>
<context>
    <name>MailTester</name>
    <message>
        <location filename="../src/monitor/mailtester.cpp" line="+22"/>
        <source>Please waiting...</source>
        <translation>Attendere...</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+11"/>
        <location line="+4"/>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <location line="-14"/>
        <location line="+10"/>
        <source>Some fields is not valid.</source>
        <translation>Alcuni campi non sono validi.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Please type at least one recipient.</source>
        <translation>Inserire almeno un destinatario.</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Send failed.
%1 mails failed since the mail settings were applied: no mail is sent until they are applied again.</source>
        <translation>Invio non riuscito.
%1 e-mail non sono state inviate da quando sono state applicate le impostazioni di posta: nessuna e-mail viene inviata finché non vengono applicate di nuovo.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Test Connect</source>
        <translation>Test della connessione</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Test success</source>
        <translation>Test riuscito</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Test fail</source>
        <translation>Test non riuscito</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Send Test Mail</source>
        <translation>Invia e-mail di prova</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Send success.</source>
        <translation>Invio riuscito.</translation>
    </message>
    <message>
        <location line="-20"/>
        <source>Send failed.</source>
        <translation>Invio non riuscito.</translation>
    </message>
</context>
<context>
    <name>MonitorControl</name>
    <message>
        <location filename="../src/ui/monitorcontrol.cpp" line="+54"/>
        <source>Communication Testing...</source>
        <translation>Test della comunicazione...</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Info</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The last monitoring has not ended yet. Please try again in a moment.</source>
        <translation>Il monitoraggio precedente non è ancora terminato. Riprovare tra qualche istante.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Starting monitoring...</source>
        <translation>Avvio del monitoraggio...</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Stopping monitoring...</source>
        <translation>Arresto del monitoraggio...</translation>
    </message>
    <message>
        <location line="+93"/>
        <source>Warning</source>
        <translation>Avviso</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The line is being searched for inverters. Please try again when the search has ended.</source>
        <translation>È in corso la ricerca di inverter sulla linea. Riprovare al termine della ricerca.</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>Not ready</source>
        <translation>Non pronto</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Ready for monitoring...</source>
        <translation>Pronto per il monitoraggio...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Monitoring...</source>
        <translation>Monitoraggio in corso...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Searching for inverters...</source>
        <translation>Ricerca degli inverter in corso...</translation>
    </message>
</context>
<context>
    <name>MonitorTables</name>
    <message>
        <location filename="../src/device/monitortables.cpp" line="+115"/>
        <source>Sensor 1</source>
        <translation>Sensore 1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sensor 2</source>
        <translation>Sensore 2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sensor 3</source>
        <translation>Sensore 3</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sensor 4</source>
        <translation>Sensore 4</translation>
    </message>
</context>
<context>
    <name>MonitoringSession</name>
    <message>
        <location filename="../src/monitor/monitoringsession.cpp" line="+73"/>
        <location line="+11"/>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <location line="-9"/>
        <source>COM%1 is not available!</source>
        <translation>COM%1 non è disponibile.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Communication fail! Please check out your COM Port settings, then search inverters again.</source>
        <translation>Errore di comunicazione. Verificare le impostazioni della porta COM, quindi ripetere la ricerca degli inverter.</translation>
    </message>
</context>
<context>
    <name>MqttConnection</name>
    <message>
        <location filename="../src/publish/mqttconnection.cpp" line="+112"/>
        <source>The MQTT broker at %1 does not answer.</source>
        <translation>Il broker MQTT su %1 non risponde.</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>The MQTT client could not be set up (out of memory).</source>
        <translation>Impossibile preparare il client MQTT (memoria esaurita).</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>The CA file &quot;%1&quot; cannot be read.</source>
        <translation>Impossibile leggere il file CA &quot;%1&quot;.</translation>
    </message>
    <message>
        <location line="+53"/>
        <source>The connection to the MQTT broker at %1 was lost.</source>
        <translation>La connessione al broker MQTT su %1 si è interrotta.</translation>
    </message>
    <message>
        <location line="+146"/>
        <source>The MQTT broker &quot;%1&quot; cannot be found: there is no such host.</source>
        <translation>Broker MQTT &quot;%1&quot; non trovato: l&apos;host non esiste.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The TLS connection to the MQTT broker at %1 failed: its certificate is not trusted (check the CA file and the host name) or it does not speak TLS on this port.</source>
        <translation>La connessione TLS al broker MQTT su %1 non è riuscita: il suo certificato non è attendibile (controllare il file CA e il nome host) oppure su questa porta non usa TLS.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The MQTT broker at %1 refuses connections: is it running, and is the port right?</source>
        <translation>Il broker MQTT su %1 rifiuta le connessioni: è in esecuzione e la porta è giusta?</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The MQTT broker at %1 cannot be reached: %2.</source>
        <translation>Il broker MQTT su %1 non è raggiungibile: %2.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The MQTT broker at %1 closed the connection before it was set up.</source>
        <translation>Il broker MQTT su %1 ha chiuso la connessione prima che fosse stabilita.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The connection to the MQTT broker at %1 failed: %2</source>
        <translation>La connessione al broker MQTT su %1 non è riuscita: %2</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The MQTT broker at %1 refused the client id &quot;%2&quot;.</source>
        <translation>Il broker MQTT su %1 ha rifiutato l&apos;id client &quot;%2&quot;.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The MQTT broker at %1 refused the connection without a login: please enter a user name and password.</source>
        <translation>Il broker MQTT su %1 ha rifiutato la connessione senza accesso: inserire nome utente e password.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The MQTT broker at %1 refused the login of &quot;%2&quot;: wrong user name or password, or the user may not connect.</source>
        <translation>Il broker MQTT su %1 ha rifiutato l&apos;accesso di &quot;%2&quot;: nome utente o password errati, oppure l&apos;utente non può connettersi.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The MQTT broker at %1 refused the connection: %2</source>
        <translation>Il broker MQTT su %1 ha rifiutato la connessione: %2</translation>
    </message>
</context>
<context>
    <name>MqttDialog</name>
    <message>
        <location filename="../src/ui/dialogs/mqttdialog.cpp" line="+85"/>
        <source>Topics: %1, %2, %3.</source>
        <translation>Topic: %1, %2, %3.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Home Assistant finds the inverters under %1/sensor/.</source>
        <translation>Home Assistant trova gli inverter in %1/sensor/.</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>CA file</source>
        <translation>File CA</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Certificates (*.pem *.crt *.cer);;All files (*)</source>
        <translation>Certificati (*.pem *.crt *.cer);;Tutti i file (*)</translation>
    </message>
    <message>
        <location line="+11"/>
        <location line="+27"/>
        <source>Warning</source>
        <translation>Avviso</translation>
    </message>
    <message>
        <location line="-3"/>
        <source>Info</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Connected to the MQTT broker at %1.</source>
        <translation>Connesso al broker MQTT su %1.</translation>
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
        <translation>Pubblica ogni ciclo di lettura su un broker MQTT</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Broker host:</source>
        <translation>Host del broker:</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Port:</source>
        <translation>Porta:</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>User:</source>
        <translation>Utente:</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Password:</source>
        <translation>Password:</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Client id:</source>
        <translation>Id client:</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Topic prefix:</source>
        <translation>Prefisso dei topic:</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>QoS:</source>
        <translation>QoS:</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>0: at most once</source>
        <translation>0: al massimo una volta</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>1: at least once</source>
        <translation>1: almeno una volta</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>2: exactly once</source>
        <translation>2: esattamente una volta</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Home Assistant discovery prefix:</source>
        <translation>Prefisso discovery di Home Assistant:</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>empty: no discovery</source>
        <translation>vuoto: nessuna discovery</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Retain the state messages for newcomers</source>
        <translation>Conserva i messaggi di stato per i nuovi iscritti (retain)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>TLS (the broker&apos;s certificate is always verified)</source>
        <translation>TLS (il certificato del broker viene sempre verificato)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>CA file:</source>
        <translation>File CA:</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>trusted besides the system&apos;s certificates</source>
        <translation>attendibile oltre ai certificati del sistema</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>&amp;Test connection</source>
        <translation>&amp;Prova connessione</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>&amp;Cancel</source>
        <translation>A&amp;nnulla</translation>
    </message>
</context>
<context>
    <name>MqttSettings</name>
    <message>
        <location filename="../src/publish/mqttsettings.cpp" line="+62"/>
        <source>Please enter the host name or address of the MQTT broker.</source>
        <translation>Inserire il nome host o l&apos;indirizzo del broker MQTT.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The MQTT port must be a number from 1 to 65535.</source>
        <translation>La porta MQTT deve essere un numero da 1 a 65535.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The MQTT QoS must be 0, 1 or 2.</source>
        <translation>La QoS MQTT deve essere 0, 1 o 2.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Please enter an MQTT client id.</source>
        <translation>Inserire un id client MQTT.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Topic prefixes must not be empty or contain &quot;+&quot; or &quot;#&quot;.</source>
        <translation>I prefissi dei topic non possono essere vuoti né contenere &quot;+&quot; o &quot;#&quot;.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>A password needs a user name.</source>
        <translation>Una password richiede un nome utente.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The CA file &quot;%1&quot; cannot be read.</source>
        <translation>Impossibile leggere il file CA &quot;%1&quot;.</translation>
    </message>
</context>
<context>
    <name>PageOutput</name>
    <message>
        <location filename="../src/ui/pageoutput.cpp" line="+16"/>
        <source>Print Document</source>
        <translation>Stampa documento</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Save File</source>
        <translation>Salva file</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Images (*.bmp *.jpg)</source>
        <translation>Immagini (*.bmp *.jpg)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Info</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Save OK.</source>
        <translation>Salvataggio completato.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Can not save image file!</source>
        <translation>Impossibile salvare il file immagine.</translation>
    </message>
</context>
<context>
    <name>ParamTables</name>
    <message>
        <location filename="../src/device/paramtables.cpp" line="+266"/>
        <source>Language (LCD)</source>
        <translation>Lingua (LCD)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Alarm</source>
        <translation>Allarme</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>N/A</source>
        <translation>N/D</translation>
    </message>
</context>
<context>
    <name>ParameterView</name>
    <message>
        <location filename="../src/ui/views/parameterview.ui" line="+9"/>
        <source>Parameters</source>
        <translation>Parametri</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Parameter Name</source>
        <translation>Nome parametro</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Value</source>
        <translation>Valore</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Input new value:</source>
        <translation>Nuovo valore:</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Range:</source>
        <translation>Intervallo:</translation>
    </message>
    <message>
        <location filename="../src/ui/views/parameterview.cpp" line="+135"/>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>The value is not valid!</source>
        <translation>Il valore non è valido.</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>Setting parameter, please waiting...</source>
        <translation>Impostazione del parametro in corso, attendere...</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Warning</source>
        <translation>Avviso</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Save fail.</source>
        <translation>Salvataggio non riuscito.</translation>
    </message>
    <message>
        <location line="-1"/>
        <source>continue to monitoring, please waiting...</source>
        <translation>Ripresa del monitoraggio, attendere...</translation>
    </message>
</context>
<context>
    <name>PortRefusal</name>
    <message>
        <location filename="../src/monitor/portrefusal.cpp" line="+30"/>
        <source>COM%1 (%2) is there, but this user may not open it. Add the user to the dialout group (sudo adduser %3 dialout), then log out and in again.</source>
        <translation>COM%1 (%2) è presente, ma questo utente non può aprirla. Aggiungere l&apos;utente al gruppo dialout (sudo adduser %3 dialout), quindi uscire e accedere di nuovo.</translation>
    </message>
</context>
<context>
    <name>QAbout</name>
    <message>
        <location filename="../src/ui/dialogs/qabout.cpp" line="+18"/>
        <source>set by LUMORA_HOME</source>
        <translation>impostata da LUMORA_HOME</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the program&apos;s own folder</source>
        <translation>la cartella del programma</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>your data folder</source>
        <translation>la cartella dei dati dell&apos;utente</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Version %1</source>
        <translation>Versione %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&lt;b&gt;Supported inverters:&lt;/b&gt; the Lumora families %1, among them the models %2; up to four Modbus RTU sensors on the same line.</source>
        <translation>&lt;b&gt;Inverter supportati:&lt;/b&gt; le famiglie Lumora %1, tra cui i modelli %2; fino a quattro sensori Modbus RTU sulla stessa linea.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&lt;b&gt;Built with:&lt;/b&gt; Qt %1, Qwt %2, SQLite %3.</source>
        <translation>&lt;b&gt;Realizzato con:&lt;/b&gt; Qt %1, Qwt %2, SQLite %3.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&lt;b&gt;Application directory:&lt;/b&gt; %1 (%2)</source>
        <translation>&lt;b&gt;Cartella dell&apos;applicazione:&lt;/b&gt; %1 (%2)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&lt;b&gt;Icons:&lt;/b&gt; Silk icon set by Mark James, &lt;a href=&quot;http://www.famfamfam.com/lab/icons/silk/&quot;&gt;famfamfam.com&lt;/a&gt;, licensed under the &lt;a href=&quot;https://creativecommons.org/licenses/by/2.5/&quot;&gt;Creative Commons Attribution 2.5&lt;/a&gt; licence (Debian package famfamfam-silk). Flag icons by Mark James, &lt;a href=&quot;http://www.famfamfam.com/lab/icons/flags/&quot;&gt;famfamfam.com&lt;/a&gt; (Debian package famfamfam-flag-png).</source>
        <translation>&lt;b&gt;Icone:&lt;/b&gt; set di icone Silk di Mark James, &lt;a href=&quot;http://www.famfamfam.com/lab/icons/silk/&quot;&gt;famfamfam.com&lt;/a&gt;, distribuito con licenza &lt;a href=&quot;https://creativecommons.org/licenses/by/2.5/&quot;&gt;Creative Commons Attribution 2.5&lt;/a&gt; (pacchetto Debian famfamfam-silk). Icone delle bandiere di Mark James, &lt;a href=&quot;http://www.famfamfam.com/lab/icons/flags/&quot;&gt;famfamfam.com&lt;/a&gt; (pacchetto Debian famfamfam-flag-png).</translation>
    </message>
</context>
<context>
    <name>QAboutClass</name>
    <message>
        <location filename="../src/ui/dialogs/qabout.ui" line="+6"/>
        <source>About</source>
        <translation>Informazioni</translation>
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
        <translation>Seleziona file immagine</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Image Files (*.png *.jpg *.bmp)</source>
        <translation>File immagine (*.png *.jpg *.bmp)</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+4"/>
        <source>Warning</source>
        <translation>Avviso</translation>
    </message>
    <message>
        <location line="-4"/>
        <source>This file name exists already.</source>
        <translation>Esiste già un file con questo nome.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Can not copy the image file.</source>
        <translation>Impossibile copiare il file immagine.</translation>
    </message>
</context>
<context>
    <name>QBackgroundDlgClass</name>
    <message>
        <location filename="../src/ui/dialogs/qbackgrounddlg.ui" line="+6"/>
        <source>Background Graphics</source>
        <translation>Immagini di sfondo</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Graphics List</source>
        <translation>Elenco immagini</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Background pictures</source>
        <translation>Immagini di sfondo</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Add external image</source>
        <translation>Aggiungi immagine esterna</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Clear Background</source>
        <translation>Rimuovi sfondo</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Apply</source>
        <translation>Applica</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>QBurnSearch</name>
    <message>
        <location filename="../src/monitor/qburnsearch.cpp" line="+64"/>
        <source>Confirm</source>
        <translation>Conferma</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Auto change the duplicate Inverter ID?</source>
        <translation>Modificare automaticamente l&apos;ID duplicato dell&apos;inverter?</translation>
    </message>
</context>
<context>
    <name>QConfigWizard</name>
    <message>
        <location filename="../src/ui/dialogs/qconfigwizard.cpp" line="+109"/>
        <source>Not found</source>
        <translation>Nessun risultato</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>No inverters found</source>
        <translation>Nessun inverter trovato</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>This COM port is not available</source>
        <translation>Questa porta COM non è disponibile</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>%1 inverters found.</source>
        <translation>Inverter trovati: %1.</translation>
    </message>
</context>
<context>
    <name>QConfigWizardClass</name>
    <message>
        <location filename="../src/ui/dialogs/qconfigwizard.ui" line="+14"/>
        <source>Configuration Wizard</source>
        <translation>Procedura guidata di configurazione</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Introduction</source>
        <translation>Introduzione</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Welcome to use the configuration wizard. This wizard will help you to set up the Lumora Data Manager.</source>
        <translation>Benvenuti nella procedura guidata di configurazione, che vi aiuterà a configurare Lumora Data Manager.</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Serial Port Settings:</source>
        <translation>Impostazioni porta seriale:</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>COM Port:</source>
        <translation>Porta COM:</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Refresh</source>
        <translation>Aggiorna</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Baudrate:</source>
        <translation>Velocità (baud):</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Search  for inverters</source>
        <translation>Ricerca inverter</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>You can search inverters using the previous settings now.</source>
        <translation>Ora è possibile cercare gli inverter con le impostazioni della pagina precedente.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Search for inverters:</source>
        <translation>Ricerca inverter:</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Search </source>
        <translation>Cerca </translation>
    </message>
    <message>
        <location line="+38"/>
        <source>0 inverters found.</source>
        <translation>Inverter trovati: 0.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Auto search:</source>
        <translation>Ricerca automatica:</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Minutes between automatic searches</source>
        <translation>Minuti tra le ricerche automatiche</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>minutes</source>
        <translation>minuti</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Change duplicate inverter IDs in automatic searches</source>
        <translation>Modificare gli ID duplicati degli inverter nelle ricerche automatiche</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Congratulation!</source>
        <translation>Congratulazioni!</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>You have completed the wizard, you can start monitoring right now.</source>
        <translation>La configurazione guidata è completata: è possibile avviare subito il monitoraggio.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Start monitoring now</source>
        <translation>Avvia subito il monitoraggio</translation>
    </message>
</context>
<context>
    <name>QDiagnosticsClass</name>
    <message>
        <location filename="../src/ui/dialogs/qdiagnostics.ui" line="+17"/>
        <source>Direct Command</source>
        <translation>Comando diretto</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Command</source>
        <translation>Comando</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Slave Addr</source>
        <translation>Indir. slave</translation>
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
        <translation>Codice funzione</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>03</source>
        <translation>03</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Data Address</source>
        <translation>Indirizzo dati</translation>
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
        <translation>Lunghezza dati</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>Send</source>
        <translation>Invia</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Output command:</source>
        <translation>Comando inviato:</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Response message:</source>
        <translation>Messaggio di risposta:</translation>
    </message>
</context>
<context>
    <name>QFontSettingsClass</name>
    <message>
        <location filename="../src/ui/dialogs/qfontsettings.ui" line="+6"/>
        <source>Fonts and Colors</source>
        <translation>Caratteri e colori</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Title:</source>
        <translation>Titolo:</translation>
    </message>
    <message>
        <location line="+7"/>
        <location line="+34"/>
        <location line="+28"/>
        <source>font...</source>
        <translation>carattere...</translation>
    </message>
    <message>
        <location line="-55"/>
        <location line="+34"/>
        <location line="+28"/>
        <source>color...</source>
        <translation>colore...</translation>
    </message>
    <message>
        <location line="-49"/>
        <location line="+28"/>
        <location line="+28"/>
        <source>Sample</source>
        <translation>Esempio</translation>
    </message>
    <message>
        <location line="-49"/>
        <source>Information:</source>
        <translation>Informazioni:</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Message:</source>
        <translation>Messaggio:</translation>
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
        <translation>Data/ora</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>SN_Name</source>
        <translation>SN/Nome</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>State</source>
        <translation>Stato</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Err%1</source>
        <translation>Err%1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>N/A</source>
        <translation>N/D</translation>
    </message>
</context>
<context>
    <name>QMainViewConfig</name>
    <message>
        <location filename="../src/ui/dialogs/qmainviewconfig.cpp" line="+146"/>
        <source>Start/Stop Record Time</source>
        <translation>Ora di inizio/fine registrazione</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The Settings of start record time and stop record time is error!</source>
        <translation>Le ore di inizio e di fine registrazione non sono valide.</translation>
    </message>
</context>
<context>
    <name>QMainViewConfigClass</name>
    <message>
        <location filename="../src/ui/dialogs/qmainviewconfig.ui" line="+6"/>
        <source>Main View Configuration</source>
        <translation>Configurazione vista principale</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Main View </source>
        <translation>Vista principale </translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Save interval</source>
        <translation>Intervallo di salvataggio</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>minutes</source>
        <translation>minuti</translation>
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
        <translation>Orario di registrazione</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Automatic</source>
        <translation>Automatico</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Manual</source>
        <translation>Manuale</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Start record time:</source>
        <translation>Inizio registrazione:</translation>
    </message>
    <message>
        <location line="+17"/>
        <location line="+27"/>
        <source>o&apos;clock</source>
        <translation>h</translation>
    </message>
    <message>
        <location line="-17"/>
        <source>Stop record time:</source>
        <translation>Fine registrazione:</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Earning Settings</source>
        <translation>Impostazioni ricavo</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Earning:</source>
        <translation>Ricavo:</translation>
    </message>
    <message>
        <location line="+29"/>
        <source> / kWh</source>
        <translation> / kWh</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Message Display:</source>
        <translation>Messaggio visualizzato:</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Title Display:</source>
        <translation>Titolo visualizzato:</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Advanced Settings</source>
        <translation>Impostazioni avanzate</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Select All</source>
        <translation>Seleziona tutto</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Clear All</source>
        <translation>Deseleziona tutto</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Default</source>
        <translation>Predefinito</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>&lt;b&gt;Arrangement: (press mouse to move)&lt;/b&gt;</source>
        <translation>&lt;b&gt;Disposizione: (tenere premuto il mouse per spostare)&lt;/b&gt;</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Arrangement</source>
        <translation>Disposizione</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Click and Move</source>
        <translation>Fare clic e trascinare</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Default Sequence</source>
        <translation>Ordine predefinito</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Apply</source>
        <translation>Applica</translation>
    </message>
</context>
<context>
    <name>QMyTreeWidget</name>
    <message>
        <location filename="../src/ui/views/qmytreewidget.cpp" line="+27"/>
        <location line="+1"/>
        <source>Inverters</source>
        <translation>Inverter</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>You can use &apos;Drag and Drop&apos; to move inverter to the group.</source>
        <translation>È possibile trascinare un inverter su un gruppo per spostarlo.</translation>
    </message>
    <message>
        <location line="+89"/>
        <source>UnGrouped</source>
        <translation>Senza gruppo</translation>
    </message>
</context>
<context>
    <name>QPassword</name>
    <message>
        <location filename="../src/ui/dialogs/qpassword.cpp" line="+32"/>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Password is wrong</source>
        <translation>Password errata</translation>
    </message>
</context>
<context>
    <name>QPasswordClass</name>
    <message>
        <location filename="../src/ui/dialogs/qpassword.ui" line="+14"/>
        <location line="+6"/>
        <source>Password</source>
        <translation>Password</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>QProgessClass</name>
    <message>
        <location filename="../src/ui/qprogresswin.ui" line="+14"/>
        <source>Progressing...</source>
        <translation>Operazione in corso...</translation>
    </message>
</context>
<context>
    <name>QSensorSettings</name>
    <message>
        <location filename="../src/ui/dialogs/qsensorsettings.cpp" line="+120"/>
        <source>No response</source>
        <translation>Nessuna risposta</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Register Value(HEX: Lo-Hi)</source>
        <translation>Valore registro (HEX: Lo-Hi)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Register Value(HEX: Hi-Lo)</source>
        <translation>Valore registro (HEX: Hi-Lo)</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Append CRC...</source>
        <translation>Ordine dei byte del CRC</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Although Modbus protocol defines the CRC part of RTU to low byte first, High byte after, but some devices require Modbus RTU messages that appends CRC high byte first. If so, please check this to enable this kind of behavior.</source>
        <translation>Il protocollo Modbus RTU prevede che il CRC sia trasmesso con il byte basso per primo e il byte alto dopo, ma alcuni dispositivi richiedono messaggi Modbus RTU con il byte alto del CRC per primo. In tal caso, selezionare questa opzione.</translation>
    </message>
    <message>
        <location line="-64"/>
        <location line="+80"/>
        <location line="+11"/>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <location line="-145"/>
        <source>Line: %1, %2 baud</source>
        <translation>Linea: %1, %2 baud</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Line: no port set</source>
        <translation>Linea: nessuna porta impostata</translation>
    </message>
    <message>
        <location line="+134"/>
        <source>Please input the header field.</source>
        <translation>Compilare il campo Intestazione.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please input the unit field.</source>
        <translation>Compilare il campo Unità.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Can not add new record.</source>
        <translation>Impossibile aggiungere il nuovo record.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Info</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Save OK</source>
        <translation>Salvataggio completato</translation>
    </message>
</context>
<context>
    <name>QSensorSettingsClass</name>
    <message>
        <location filename="../src/ui/dialogs/qsensorsettings.ui" line="+14"/>
        <source>Sensor Settings</source>
        <translation>Impostazioni sensori</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Settings</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Step 1: Query one register</source>
        <translation>Passo 1: lettura di un registro</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+216"/>
        <source>Slave address</source>
        <translation>Indirizzo slave</translation>
    </message>
    <message>
        <location line="-209"/>
        <location line="+216"/>
        <location line="+338"/>
        <source>Function</source>
        <translation>Funzione</translation>
    </message>
    <message>
        <location line="-547"/>
        <source>Starting address</source>
        <translation>Indirizzo iniziale</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Number of registers</source>
        <translation>Numero di registri</translation>
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
        <translation>Leggi</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>CRC high byte append first</source>
        <translation>Byte alto del CRC per primo</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>?</source>
        <translation>?</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>Step 2: Response</source>
        <translation>Passo 2: risposta</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Byte Count</source>
        <translation>Numero di byte</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Register Value(HEX: Hi-Lo)</source>
        <translation>Valore registro (HEX: Hi-Lo)</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>Register value(DEC)</source>
        <translation>Valore registro (DEC)</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Low byte first</source>
        <translation>Byte basso per primo</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Step 3: Operation</source>
        <translation>Passo 3: calcolo</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Register value</source>
        <translation>Valore registro</translation>
    </message>
    <message>
        <location line="+7"/>
        <location line="+274"/>
        <source>Operator</source>
        <translation>Operatore</translation>
    </message>
    <message>
        <location line="-267"/>
        <location line="+272"/>
        <source>Factor</source>
        <translation>Fattore</translation>
    </message>
    <message>
        <location line="-265"/>
        <source>After operation(DEC)</source>
        <translation>Risultato (DEC)</translation>
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
        <translation>Calcola</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Step 4: Save</source>
        <translation>Passo 4: salvataggio</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+190"/>
        <source>Header</source>
        <translation>Intestazione</translation>
    </message>
    <message>
        <location line="-180"/>
        <location line="+185"/>
        <source>Unit</source>
        <translation>Unità</translation>
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
        <translation>Salva</translation>
    </message>
    <message>
        <location line="+31"/>
        <location line="+113"/>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <location line="-100"/>
        <source>View all</source>
        <translation>Mostra tutti</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Saved sensors</source>
        <translation>Sensori salvati</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Slave</source>
        <translation>Slave</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Start Hi</source>
        <translation>Inizio Hi</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Start Lo</source>
        <translation>Inizio Lo</translation>
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
        <translation>Elimina</translation>
    </message>
</context>
<context>
    <name>QViewSizeClass</name>
    <message>
        <location filename="../src/ui/dialogs/qviewsize.ui" line="+21"/>
        <source>View Size Settings</source>
        <translation>Dimensioni della vista</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Title:</source>
        <translation>Titolo:</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>    pixel</source>
        <translation>    pixel</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Information</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Expanding</source>
        <translation>Espansione</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Message:</source>
        <translation>Messaggio:</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>   pixel</source>
        <translation>   pixel</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Default</source>
        <translation>Predefinito</translation>
    </message>
</context>
<context>
    <name>QalarmConfig</name>
    <message>
        <location filename="../src/ui/dialogs/qalarmconfig.cpp" line="+144"/>
        <source>N/A</source>
        <translation>N/D</translation>
    </message>
    <message>
        <location line="+84"/>
        <source>Add recipient</source>
        <translation>Aggiungi destinatario</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Email address:</source>
        <translation>Indirizzo e-mail:</translation>
    </message>
</context>
<context>
    <name>QalarmConfigClass</name>
    <message>
        <location filename="../src/ui/dialogs/qalarmconfig.ui" line="+6"/>
        <source>Alarm Configuration</source>
        <translation>Configurazione allarmi</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Mail Settings</source>
        <translation>Impostazioni e-mail</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Mail account</source>
        <translation>Account e-mail</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Account:</source>
        <translation>Account:</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Password:</source>
        <translation>Password:</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Mail server:</source>
        <translation>Server di posta:</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>smtp.example.com</source>
        <translation>smtp.example.com</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Port:</source>
        <translation>Porta:</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Encryption:</source>
        <translation>Crittografia:</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>None</source>
        <translation>Nessuna</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>Sender:</source>
        <translation>Mittente:</translation>
    </message>
    <message>
        <location line="+13"/>
        <location line="+6"/>
        <source>Recipients</source>
        <translation>Destinatari</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Add...</source>
        <translation>Aggiungi...</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Test Connection</source>
        <translation>Verifica connessione</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Send Test Mail</source>
        <translation>Invia e-mail di prova</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Apply</source>
        <translation>Applica</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Error Codes</source>
        <translation>Codici di errore</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Inverter type:</source>
        <translation>Tipo di inverter:</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>Error code:</source>
        <translation>Codice di errore:</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Error Code 1</source>
        <translation>Codice errore 1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Error Code 2</source>
        <translation>Codice errore 2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Error Code 3</source>
        <translation>Codice errore 3</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Error Code 4</source>
        <translation>Codice errore 4</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Send an alarm mail for these errors</source>
        <translation>Invia un&apos;e-mail di allarme per questi errori</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Select All</source>
        <translation>Seleziona tutto</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Clear All</source>
        <translation>Deseleziona tutto</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Events</source>
        <translation>Eventi</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Inverter states</source>
        <translation>Stati dell&apos;inverter</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Inverter states (M83)</source>
        <translation>Stati dell&apos;inverter (M83)</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
</context>
<context>
    <name>RealTimeDisplay</name>
    <message>
        <location filename="../src/ui/views/realtimedisplay.cpp" line="+166"/>
        <source>Total Yield(Eac)</source>
        <translation>Produzione totale (Eac)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Total Yield</source>
        <translation>Produzione totale</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+2"/>
        <source>Total Output Time</source>
        <translation>Tempo totale di immissione</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Output power</source>
        <translation>Potenza di uscita</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Output voltage</source>
        <translation>Tensione di uscita</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Output current</source>
        <translation>Corrente di uscita</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Output frequency</source>
        <translation>Frequenza di uscita</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+2"/>
        <source>DC Power</source>
        <translation>Potenza CC</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DC Voltage</source>
        <translation>Tensione CC</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DC Current</source>
        <translation>Corrente CC</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Total input energy</source>
        <translation>Energia totale in ingresso</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Output time today</source>
        <translation>Tempo di immissione odierno</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Heatsink temperature</source>
        <translation>Temperatura dissipatore</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>AC impedance</source>
        <translation>Impedenza CA</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Trip voltage</source>
        <translation>Soglia di intervento in tensione</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Trip frequency</source>
        <translation>Soglia di intervento in frequenza</translation>
    </message>
</context>
<context>
    <name>RealTimeView</name>
    <message>
        <location filename="../src/ui/views/realtimeview.ui" line="+11"/>
        <source>UP</source>
        <translation>Su</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Down</source>
        <translation>Giù</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Add Group</source>
        <translation>Aggiungi gruppo</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Del Inverter</source>
        <translation>Elimina inverter</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Del Group</source>
        <translation>Elimina gruppo</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Information</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Gropu name:</source>
        <translation>Nome gruppo:</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Device type:</source>
        <translation>Tipo di dispositivo:</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Device S/N:</source>
        <translation>N. di serie:</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Devie address:</source>
        <translation>Indirizzo dispositivo:</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>DSP1 version:</source>
        <translation>Versione DSP1:</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>DSP2 version:</source>
        <translation>Versione DSP2:</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Line health</source>
        <translation>Stato della linea</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Link quality:</source>
        <translation>Qualità del collegamento:</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Exchanges:</source>
        <translation>Scambi:</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Timeouts:</source>
        <translation>Timeout:</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>CRC errors:</source>
        <translation>Errori CRC:</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Short replies:</source>
        <translation>Risposte troncate:</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Wrong address / function / length:</source>
        <translation>Indirizzo / funzione / lunghezza errati:</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Round trip:</source>
        <translation>Andata e ritorno:</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Real time display</source>
        <translation>Visualizzazione in tempo reale</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Real time values</source>
        <translation>Valori in tempo reale</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Parameter Name</source>
        <translation>Nome parametro</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Value</source>
        <translation>Valore</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Status code:</source>
        <translation>Codice di stato:</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Error Code 1:</source>
        <translation>Codice errore 1:</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Error Code 1</source>
        <translation>Codice errore 1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Error Code 2:</source>
        <translation>Codice errore 2:</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Error Code 2</source>
        <translation>Codice errore 2</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Error Code 3:</source>
        <translation>Codice errore 3:</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Error Code 3</source>
        <translation>Codice errore 3</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Error Code 4:</source>
        <translation>Codice errore 4:</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Error Code 4</source>
        <translation>Codice errore 4</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Parameter configuration for devices</source>
        <translation>Configurazione parametri dei dispositivi</translation>
    </message>
    <message>
        <location filename="../src/ui/views/realtimeview.cpp" line="+109"/>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Below 95 %: check the cable, its terminator and the inverter&apos;s transceiver.</source>
        <translation>Sotto il 95 %: controllare il cavo, la sua terminazione e il ricetrasmettitore dell&apos;inverter.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 (%2 right on the first try, %3 after a retry)</source>
        <translation>%1 (%2 corretti al primo tentativo, %3 dopo un nuovo tentativo)</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1 ms; mean %2 ms, 95 % within %3 ms</source>
        <translation>%1 ms; media %2 ms, 95 % entro %3 ms</translation>
    </message>
    <message>
        <location line="+60"/>
        <source>add Group</source>
        <translation>Aggiungi gruppo</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Group name:</source>
        <translation>Nome gruppo:</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Lumora Data Manager</source>
        <translation>Lumora Data Manager</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>This group name existed!</source>
        <translation>Esiste già un gruppo con questo nome.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Add fail!</source>
        <translation>Impossibile aggiungere il gruppo.</translation>
    </message>
    <message>
        <location line="+9"/>
        <location line="+18"/>
        <source>Confirm</source>
        <translation>Conferma</translation>
    </message>
    <message>
        <location line="-18"/>
        <source>Delete this group and all children?</source>
        <translation>Eliminare questo gruppo e tutti gli inverter che contiene?</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Inverter</source>
        <translation>Inverter</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Delete this inverter?</source>
        <translation>Eliminare questo inverter?</translation>
    </message>
</context>
<context>
    <name>SearchInverterFrm</name>
    <message>
        <location filename="../src/ui/dialogs/searchinverterfrm.cpp" line="+74"/>
        <location line="+94"/>
        <source>%1 inverters found.</source>
        <translation>Inverter trovati: %1.</translation>
    </message>
    <message>
        <location line="-60"/>
        <location line="+9"/>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <location line="-7"/>
        <source>COM%1 is not available! The saved inverters are kept.</source>
        <translation>COM%1 non è disponibile. Gli inverter salvati vengono mantenuti.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>COM%1 failed during the search (hang-up or I/O error). The saved inverters are kept.</source>
        <translation>COM%1 ha smesso di funzionare durante la ricerca (linea interrotta o errore di I/O). Gli inverter salvati vengono mantenuti.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Not found</source>
        <translation>Nessun risultato</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>No inverters found</source>
        <translation>Nessun inverter trovato</translation>
    </message>
</context>
<context>
    <name>SearchInverterFrmClass</name>
    <message>
        <location filename="../src/ui/dialogs/searchinverterfrm.ui" line="+14"/>
        <source>Search Inverters</source>
        <translation>Ricerca inverter</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Search for Inverters</source>
        <translation>Ricerca inverter</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>0 inverters found.</source>
        <translation>Inverter trovati: 0.</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Automatically search for inverters:</source>
        <translation>Ricerca automatica degli inverter:</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Minutes between automatic searches</source>
        <translation>Minuti tra le ricerche automatiche</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>minutes</source>
        <translation>minuti</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Change duplicate inverter IDs in automatic searches</source>
        <translation>Modificare gli ID duplicati degli inverter nelle ricerche automatiche</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Search</source>
        <translation>Cerca</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Stop</source>
        <translation>Interrompi</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>detail...</source>
        <translation>dettagli...</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Inverters found</source>
        <translation>Inverter trovati</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Addr</source>
        <translation>Indir.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Serial Number</source>
        <translation>Numero di serie</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <location filename="../src/app/startup.cpp" line="+24"/>
        <source>Error -- %1</source>
        <translation>Errore -- %1</translation>
    </message>
    <message>
        <location line="+59"/>
        <source>Database is broken, please reinstall the application!</source>
        <translation>Il database è danneggiato: reinstallare l&apos;applicazione.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Database init fail, please reinstall the application!</source>
        <translation>Inizializzazione del database non riuscita: reinstallare l&apos;applicazione.</translation>
    </message>
    <message>
        <location line="+59"/>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>No COM ports found in this computer!</source>
        <translation>Nessuna porta COM trovata su questo computer.</translation>
    </message>
</context>
<context>
    <name>StateTables</name>
    <message>
        <location filename="../src/device/statetables.cpp" line="+18"/>
        <location line="+15"/>
        <source>LCD Initialize mode</source>
        <translation>Modalità inizializzazione LCD</translation>
    </message>
    <message>
        <location line="-14"/>
        <source>Utility frequency detect mode</source>
        <translation>Modalità rilevamento frequenza di rete</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Renew mode</source>
        <translation>Modalità ripristino</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Wait mode</source>
        <translation>Modalità attesa</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Monitoring mode</source>
        <translation>Modalità monitoraggio</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Output mode</source>
        <translation>Modalità immissione in rete</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+17"/>
        <source>Fault mode</source>
        <translation>Modalità guasto</translation>
    </message>
    <message>
        <location line="-16"/>
        <source>IDLE mode</source>
        <translation>Modalità inattiva</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+17"/>
        <source>Default mode</source>
        <translation>Modalità predefinita</translation>
    </message>
    <message>
        <location line="-16"/>
        <location line="+17"/>
        <source>Stop mode</source>
        <translation>Modalità arresto</translation>
    </message>
    <message>
        <location line="-16"/>
        <location line="+18"/>
        <source>Calibrate mode</source>
        <translation>Modalità calibrazione</translation>
    </message>
    <message>
        <location line="-14"/>
        <source>Program Initialize mode</source>
        <translation>Modalità inizializzazione programma</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Check Riso</source>
        <translation>Controllo Riso</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Low Illumination mode</source>
        <translation>Modalità irraggiamento insufficiente</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Auto Test mode</source>
        <translation>Modalità autotest</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Checking</source>
        <translation>Verifica in corso</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Count Down mode</source>
        <translation>Modalità conto alla rovescia</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Check Relay mode</source>
        <translation>Modalità controllo relè</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Grid/MPP mode</source>
        <translation>Modalità rete/MPP</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Idle mode</source>
        <translation>Modalità inattiva</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Upgrade Flash mode</source>
        <translation>Modalità aggiornamento flash</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Setting Parameter mode</source>
        <translation>Modalità impostazione parametri</translation>
    </message>
</context>
</TS>
