<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="en">
<context>
    <name>CMain</name>
    <message>
        <location filename="../src/ui/cmain.cpp" line="+98"/>
        <source>Active: %1  </source>
        <translation>Activos: %1  </translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Preparing the history for the charts: %1 %</source>
        <translation>Preparando el historial para los gráficos: %1 %</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please complete COM port settings first.</source>
        <translation>Complete primero la configuración del puerto COM.</translation>
    </message>
    <message>
        <location line="+279"/>
        <source>Info</source>
        <translation>Información</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>No data</source>
        <translation>No hay datos</translation>
    </message>
    <message>
        <location line="+152"/>
        <source>Confirm</source>
        <translation>Confirmar</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Confirm to exit?</source>
        <translation>¿Desea salir del programa?</translation>
    </message>
    <message>
        <location filename="../src/ui/windowparts.cpp" line="+75"/>
        <source>Not ready</source>
        <translation>No preparado</translation>
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
        <translation>Vistas</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Main</source>
        <translation>Principal</translation>
    </message>
    <message>
        <location line="+43"/>
        <source>Monitoring state</source>
        <translation>Estado de la monitorización</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Not ready</source>
        <translation>No preparado</translation>
    </message>
    <message>
        <location line="+47"/>
        <source>Real time data</source>
        <translation>Datos en tiempo real</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Key parameters</source>
        <translation>Parámetros clave</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Graphical analysis</source>
        <translation>Análisis gráfico</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Event list</source>
        <translation>Lista de eventos</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Data logging</source>
        <translation>Registro de datos</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Menu bar</source>
        <translation>Barra de menús</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>&amp;Monitoring</source>
        <translation>&amp;Monitorización</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>&amp;Configuration</source>
        <translation>&amp;Configuración</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Language</source>
        <translation>&amp;Idioma</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>&amp;Window</source>
        <translation>Ve&amp;ntana</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Tool bar</source>
        <translation>Barra de herramientas</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>Language bar</source>
        <translation>Barra de idiomas</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>&amp;Print</source>
        <translation>&amp;Imprimir</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Export Image</source>
        <translation>&amp;Exportar imagen</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Export &amp;Data</source>
        <translation>Exportar &amp;datos</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Start Monitoring</source>
        <translation>&amp;Iniciar monitorización</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Stop &amp;Monitoring</source>
        <translation>&amp;Detener monitorización</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;COM port</source>
        <translation>Puerto &amp;COM</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Search Inverters</source>
        <translation>&amp;Buscar inversores</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Alarm</source>
        <translation>A&amp;larma</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Background Graphics</source>
        <translation>Imágenes de &amp;fondo</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Main View Configuration</source>
        <translation>Configuración de la &amp;vista principal</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Main View Configuration</source>
        <translation>Configuración de la vista principal</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Sensor Settings</source>
        <translation>Configuración de &amp;sensores</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>M&amp;QTT...</source>
        <translation>M&amp;QTT...</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Configuration &amp;Wizard</source>
        <translation>&amp;Asistente de configuración</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Fonts and Colors</source>
        <translation>F&amp;uentes y colores</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Main</source>
        <translation>&amp;Principal</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Real time data</source>
        <translation>Datos en &amp;tiempo real</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Key parameters</source>
        <translation>Parámetros &amp;clave</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Graphical analysis</source>
        <translation>&amp;Análisis gráfico</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Event list</source>
        <translation>Lista de &amp;eventos</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Data logging</source>
        <translation>&amp;Registro de datos</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Line health</source>
        <translation>Estado de la &amp;línea</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>List View</source>
        <translation>Vista de lista</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Group View</source>
        <translation>Vista por grupos</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>User manual</source>
        <translation>Manual de usuario</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>&amp;About...</source>
        <translation>&amp;Acerca de...</translation>
    </message>
</context>
<context>
    <name>COMPortFrmClass</name>
    <message>
        <location filename="../src/ui/dialogs/comportfrm.ui" line="+14"/>
        <source>Serial Port Settings</source>
        <translation>Configuración del puerto serie</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Port:</source>
        <translation>Puerto:</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Refresh</source>
        <translation>Actualizar</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Baudrate:</source>
        <translation>Velocidad (baudios):</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Direct command</source>
        <translation>Comando directo</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>ChartView</name>
    <message>
        <location filename="../src/ui/views/chartview.ui" line="+22"/>
        <source>Inverters</source>
        <translation>Inversores</translation>
    </message>
    <message>
        <location line="+10"/>
        <location line="+54"/>
        <source>Year</source>
        <translation>Año</translation>
    </message>
    <message>
        <location line="-42"/>
        <source>Range of date</source>
        <translation>Intervalo de fechas</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>From</source>
        <translation>Desde</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>To</source>
        <translation>a</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Base on</source>
        <translation>Según</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Month</source>
        <translation>Mes</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Day</source>
        <translation>Día</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Query</source>
        <translation>Consultar</translation>
    </message>
    <message>
        <location filename="../src/ui/views/chartview.cpp" line="+105"/>
        <location line="+9"/>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <location line="-9"/>
        <source>Date range error!</source>
        <translation>Intervalo de fechas no válido.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Click some one inverter first.</source>
        <translation>Seleccione primero un inversor.</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>AC Power
%1 ~ %2
</source>
        <translation>Potencia CA
%1 ~ %2
</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>--&gt; Power(W)</source>
        <translation>--&gt; Potencia (W)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>--&gt; Month</source>
        <translation>--&gt; Mes</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>--&gt; Day</source>
        <translation>--&gt; Día</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>--&gt; Hour</source>
        <translation>--&gt; Hora</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Info</source>
        <translation>Información</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Please query data first</source>
        <translation>Consulte primero los datos.</translation>
    </message>
</context>
<context>
    <name>CsvFile</name>
    <message>
        <location filename="../src/history/csvfile.cpp" line="+12"/>
        <source>Save *.csv File</source>
        <translation>Guardar archivo *.csv</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Excel (*.csv)</source>
        <translation>Excel (*.csv)</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>OK</source>
        <translation>Correcto</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Export OK</source>
        <translation>Exportación completada.</translation>
    </message>
</context>
<context>
    <name>DashboardFields</name>
    <message>
        <location filename="../src/ui/views/dashboardfields.cpp" line="+13"/>
        <source>Total Yield</source>
        <translation>Producción total</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Efficiency</source>
        <translation>Rendimiento</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Earning</source>
        <translation>Ingresos</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Co2 Reduction</source>
        <translation>CO2 evitado</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>DC Power</source>
        <translation>Potencia CC</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>AC Power</source>
        <translation>Potencia CA</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>DC Avg. Power</source>
        <translation>Potencia media CC</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>AC Avg. Power</source>
        <translation>Potencia media CA</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Power Generation</source>
        <translation>Producción diaria</translation>
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
        <translation>SN/Nombre:</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Month:</source>
        <translation>Mes:</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Year:</source>
        <translation>Año:</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Query</source>
        <translation>Consultar</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Readings</source>
        <translation>Lecturas</translation>
    </message>
    <message>
        <location filename="../src/ui/views/datalogview.cpp" line="+66"/>
        <source>info</source>
        <translation>Información</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>No data found!</source>
        <translation>No se han encontrado datos.</translation>
    </message>
</context>
<context>
    <name>ErrorTables</name>
    <message>
        <location filename="../src/device/errortables.cpp" line="+20"/>
        <location line="+140"/>
        <source>No AC voltage is detected on the grid side</source>
        <translation>No se detecta tensión CA en el lado de red</translation>
    </message>
    <message>
        <location line="-139"/>
        <location line="+70"/>
        <source>The AC voltage of mains utility is over the upper limit</source>
        <translation>La tensión CA de la red eléctrica supera el límite superior</translation>
    </message>
    <message>
        <location line="-69"/>
        <location line="+70"/>
        <source>The AC voltage of mains utility is under the lower limit</source>
        <translation>La tensión CA de la red eléctrica está por debajo del límite inferior</translation>
    </message>
    <message>
        <location line="-69"/>
        <location line="+70"/>
        <source>The frequency of AC voltage of the utility is over the upper limit</source>
        <translation>La frecuencia de la red eléctrica supera el límite superior</translation>
    </message>
    <message>
        <location line="-69"/>
        <source>The frequence of AC voltage of the utility is under the lower limit</source>
        <translation>La frecuencia de la red eléctrica está por debajo del límite inferior</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+70"/>
        <source>The AC impedance of the grid is out of range</source>
        <translation>La impedancia de red está fuera del rango admisible</translation>
    </message>
    <message>
        <location line="-69"/>
        <location line="+70"/>
        <source>The rate of change of the AC grid impedance is higher than setting value</source>
        <translation>La variación de la impedancia de red supera el valor configurado</translation>
    </message>
    <message>
        <location line="-69"/>
        <location line="+70"/>
        <source>Islanding is detected</source>
        <translation>Se ha detectado funcionamiento en isla</translation>
    </message>
    <message>
        <location line="-69"/>
        <source>The drastic change of the leakage current has been detected</source>
        <translation>Se ha detectado una variación brusca de la corriente de fuga</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The leakage current has exceeded a safe operating limit</source>
        <translation>La corriente de fuga ha superado el límite de funcionamiento seguro</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+70"/>
        <source>Over DC current injected into the AC grid is detected</source>
        <translation>Se ha detectado una inyección de CC excesiva en la red eléctrica</translation>
    </message>
    <message>
        <location line="-69"/>
        <location line="+70"/>
        <source>Over current on the AC side</source>
        <translation>Sobrecorriente en el lado CA</translation>
    </message>
    <message>
        <location line="-69"/>
        <location line="+70"/>
        <source>The internal temperature of the inverter exceeded the safe operating limit</source>
        <translation>La temperatura interna del inversor ha superado el límite de funcionamiento seguro</translation>
    </message>
    <message>
        <location line="-69"/>
        <source>The DC  voltage of PV array is over the upper limit</source>
        <translation>La tensión CC del generador FV supera el límite superior</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The DC  voltage of PV array is under the lower limit</source>
        <translation>La tensión CC del generador FV está por debajo del límite inferior</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The insulation resistance between PV array and the ground is below the safe operating limit</source>
        <translation>La resistencia de aislamiento entre el generador FV y tierra está por debajo del límite de funcionamiento seguro</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+70"/>
        <source>Internal DC bus voltage is over the upper limit</source>
        <translation>La tensión del bus CC interno supera el límite superior</translation>
    </message>
    <message>
        <location line="-69"/>
        <location line="+70"/>
        <source>Internal DC bus voltage is under the lower limit</source>
        <translation>La tensión del bus CC interno está por debajo del límite inferior</translation>
    </message>
    <message>
        <location line="-69"/>
        <source>Inverter temperature too low</source>
        <translation>Temperatura del inversor demasiado baja</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+70"/>
        <location line="+2"/>
        <source>Bridge Relay test failed(L)</source>
        <translation>Fallo en la prueba del relé del puente (L)</translation>
    </message>
    <message>
        <location line="-71"/>
        <location line="+70"/>
        <location line="+2"/>
        <source>Bridge Relay test failed(N)</source>
        <translation>Fallo en la prueba del relé del puente (N)</translation>
    </message>
    <message>
        <location line="-71"/>
        <source>Network Relay test failed(L)</source>
        <translation>Fallo en la prueba del relé de red (L)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Network Relay test failed(N)</source>
        <translation>Fallo en la prueba del relé de red (N)</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+70"/>
        <source>Internal communication failed</source>
        <translation>Fallo de comunicación interna</translation>
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
        <translation>Fallo de comunicación externa</translation>
    </message>
    <message>
        <location line="-69"/>
        <location line="+70"/>
        <source>EEPROM failed</source>
        <translation>Fallo de la EEPROM</translation>
    </message>
    <message>
        <location line="-68"/>
        <source>L-N miswired</source>
        <translation>Cableado L-N incorrecto</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+70"/>
        <source>The injection DC current exceeded the standard value</source>
        <translation>La inyección de CC ha superado el valor admitido por la norma</translation>
    </message>
    <message>
        <location line="-69"/>
        <source>The leakage current measurement selftest failed</source>
        <translation>Fallo en el autotest de la medida de corriente de fuga</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The leakage current measurement function failed</source>
        <translation>Fallo de la función de medida de corriente de fuga</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The insulation resistance measurement selftest failed</source>
        <translation>Fallo en el autotest de la medida de resistencia de aislamiento</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+70"/>
        <source>Offset check for grid monitoring failed</source>
        <translation>Fallo en la comprobación del offset de la monitorización de red</translation>
    </message>
    <message>
        <location line="-69"/>
        <location line="+70"/>
        <source>The internal temperature sensor failed</source>
        <translation>Fallo del sensor de temperatura interno</translation>
    </message>
    <message>
        <location line="-69"/>
        <source>Autotest fail</source>
        <translation>Fallo en el autotest</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delta CPU error, Fac, Vac, Idc, Zac, If, Riso</source>
        <translation>Discrepancia entre las CPU, Fac, Vac, Idc, Zac, If, Riso</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+70"/>
        <source>Debug(GridNA in wait mode)</source>
        <translation>Debug (red ausente en modo de espera)</translation>
    </message>
    <message>
        <location line="-69"/>
        <location line="+70"/>
        <source>Debug(Grid out of range in wait mode)</source>
        <translation>Debug (red fuera de rango en modo de espera)</translation>
    </message>
    <message>
        <location line="-69"/>
        <location line="+70"/>
        <source>No output current</source>
        <translation>Sin corriente de salida</translation>
    </message>
    <message>
        <location line="-68"/>
        <location line="+70"/>
        <source>Over current of input current IpvA</source>
        <translation>Sobrecorriente de entrada IpvA</translation>
    </message>
    <message>
        <location line="-69"/>
        <source>Over current of input current IpvB</source>
        <translation>Sobrecorriente de entrada IpvB</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Over current of input current IpvC</source>
        <translation>Sobrecorriente de entrada IpvC</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+70"/>
        <source>AC grid impedance out of range, continuously</source>
        <translation>Impedancia de red fuera del rango admisible, de forma persistente</translation>
    </message>
    <message>
        <location line="-69"/>
        <source>The rate of change of aC grid impedance out of range, continuously</source>
        <translation>Variación de la impedancia de red fuera del rango admisible, de forma persistente</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The drastic change of leakage current has been detected, continuously</source>
        <translation>Variación brusca de la corriente de fuga detectada de forma persistente</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The leakage current has exceeded a safe operationg limit, continuously</source>
        <translation>La corriente de fuga ha superado el límite de funcionamiento seguro, de forma persistente</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+70"/>
        <source>AC over current, continuously</source>
        <translation>Sobrecorriente CA, de forma persistente</translation>
    </message>
    <message>
        <location line="-69"/>
        <location line="+70"/>
        <location line="+69"/>
        <source>Relay test failed, continuously</source>
        <translation>Fallo en la prueba de los relés, de forma persistente</translation>
    </message>
    <message>
        <location line="-138"/>
        <location line="+70"/>
        <source>Memory self test failed</source>
        <translation>Fallo en el autotest de la memoria</translation>
    </message>
    <message>
        <location line="-69"/>
        <location line="+70"/>
        <source>Calibrate value is out of range</source>
        <translation>Valor de calibración fuera de rango</translation>
    </message>
    <message>
        <location line="-69"/>
        <location line="+70"/>
        <source>Self test error(EEPROM data loss)</source>
        <translation>Error de autotest (pérdida de datos de la EEPROM)</translation>
    </message>
    <message>
        <location line="-69"/>
        <location line="+70"/>
        <source>The firmware version error</source>
        <translation>Versión de firmware errónea</translation>
    </message>
    <message>
        <location line="-69"/>
        <location line="+70"/>
        <source>Internal measurement comparison error or defective hardware</source>
        <translation>Error en la comparación de medidas internas o hardware defectuoso</translation>
    </message>
    <message>
        <location line="-69"/>
        <location line="+70"/>
        <source>Internal watchdog function triggered</source>
        <translation>Se ha activado el watchdog interno</translation>
    </message>
    <message>
        <location line="-69"/>
        <location line="+70"/>
        <source>The system failed</source>
        <translation>Fallo del sistema</translation>
    </message>
    <message>
        <location line="-69"/>
        <location line="+70"/>
        <source>SPI test failed</source>
        <translation>Fallo en la prueba SPI</translation>
    </message>
    <message>
        <location line="-69"/>
        <location line="+70"/>
        <location line="+66"/>
        <source>Calibration data is lost</source>
        <translation>Se han perdido los datos de calibración</translation>
    </message>
    <message>
        <location line="-132"/>
        <source>No  AC voltage is detected on the grid side</source>
        <translation>No se detecta tensión CA en el lado de red</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The frequency of AC voltage of the utility is under the lower limit</source>
        <translation>La frecuencia de la red eléctrica está por debajo del límite inferior</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Auto test failed</source>
        <translation>Fallo en el autotest</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The internal temperature of the inverter is under the lower limit</source>
        <translation>La temperatura interna del inversor está por debajo del límite inferior</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The DC voltage of PV array is over the upper limit</source>
        <translation>La tensión CC del generador FV supera el límite superior</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The DC voltage of PV array is under the lower limit</source>
        <translation>La tensión CC del generador FV está por debajo del límite inferior</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DC/DC HW Failure</source>
        <translation>Fallo de hardware CC/CC</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>GFDI fault</source>
        <translation>Fallo GFDI</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+29"/>
        <source>Ibuck over current</source>
        <translation>Sobrecorriente Ibuck</translation>
    </message>
    <message>
        <location line="-28"/>
        <source>MOV AC side fault</source>
        <translation>Fallo del MOV del lado CA</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>MOV DC side fault</source>
        <translation>Fallo del MOV del lado CC</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>FAN blocking</source>
        <translation>Ventilador bloqueado</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Vrms of L1-N out of maximum value</source>
        <translation>Vrms L1-N por encima del valor máximo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Vrms of L1-N out of minimum value</source>
        <translation>Vrms L1-N por debajo del valor mínimo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Vrms of L2-N out of maximum value</source>
        <translation>Vrms L2-N por encima del valor máximo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Driver fault</source>
        <translation>Fallo del driver</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Vrms of L2-N out of minimum value</source>
        <translation>Vrms L2-N por debajo del valor mínimo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delta CPU error Fac, Vac, Idc, Zac, If, Riso</source>
        <translation>Discrepancia entre las CPU, Fac, Vac, Idc, Zac, If, Riso</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Input limit by Ibuck(average or peak</source>
        <translation>Entrada limitada por Ibuck (valor medio o de pico)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Buck not work, Vdcbus not enough</source>
        <translation>El buck no funciona, Vdcbus insuficiente</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The rate of change of the AC grid impedance out of range, continuously</source>
        <translation>Variación de la impedancia de red fuera del rango admisible, de forma persistente</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Driver fault, continuously</source>
        <translation>Fallo del driver, de forma persistente</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>DC/DC H/W Failure, continuously</source>
        <translation>Fallo de hardware CC/CC, de forma persistente</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>The AC voltage of utility grid is over the upper limit.</source>
        <translation>La tensión CA de la red eléctrica supera el límite superior.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The AC voltage of utility grid is under the lower limit.</source>
        <translation>La tensión CA de la red eléctrica está por debajo del límite inferior.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The frequency of AC voltage of the utility is over the upper limit.</source>
        <translation>La frecuencia de la red eléctrica supera el límite superior.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The frequency of AC voltage of the utility is under the lower limit.</source>
        <translation>La frecuencia de la red eléctrica está por debajo del límite inferior.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>One/Two phase disconnection.</source>
        <translation>Desconexión de una o dos fases.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>L2, L3 reversed phase sequence.</source>
        <translation>Secuencia de fases L2, L3 invertida.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Islanding is detected.</source>
        <translation>Se ha detectado funcionamiento en isla.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The drastic change of the leakage current has been detected.</source>
        <translation>Se ha detectado una variación brusca de la corriente de fuga.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The leakage current has exceeded a safe operating limit.</source>
        <translation>La corriente de fuga ha superado el límite de funcionamiento seguro.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Over DC current injected into the AC grid is detected.</source>
        <translation>Se ha detectado una inyección de CC excesiva en la red eléctrica.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Over current on the grid side.</source>
        <translation>Sobrecorriente en el lado de red.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The AC current is over the upper limit.</source>
        <translation>La corriente CA supera el límite superior.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The insulation resistance between PV array and the ground is below the safe operating limit.</source>
        <translation>La resistencia de aislamiento entre el generador FV y tierra está por debajo del límite de funcionamiento seguro.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The DC voltage of PV array is over the upper limit.</source>
        <translation>La tensión CC del generador FV supera el límite superior.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Over current on the DC side.</source>
        <translation>Sobrecorriente en el lado CC.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Over power on the DC side.</source>
        <translation>Potencia excesiva en el lado CC.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Internal DC bus voltage is over the upper limit.</source>
        <translation>La tensión del bus CC interno supera el límite superior.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Internal DC bus voltage is below the lower limit.</source>
        <translation>La tensión del bus CC interno está por debajo del límite inferior.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The internal temperature of the inverter exceeded the safe operating limit.</source>
        <translation>La temperatura interna del inversor ha superado el límite de funcionamiento seguro.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Internal measurement comparison error or defective hardware.</source>
        <translation>Error en la comparación de medidas internas o hardware defectuoso.</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+38"/>
        <source>The system is failed.</source>
        <translation>Fallo del sistema.</translation>
    </message>
    <message>
        <location line="-37"/>
        <source>Auto test is failed</source>
        <translation>Fallo en el autotest</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The internal temperature of the inverter below the safe operating limit.</source>
        <translation>La temperatura interna del inversor está por debajo del límite de funcionamiento seguro.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The output relay is open.</source>
        <translation>El relé de salida está abierto.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The output relay is short.</source>
        <translation>El relé de salida está en cortocircuito.</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+17"/>
        <source>The leakage current measurement device is failure.</source>
        <translation>Fallo del dispositivo de medida de corriente de fuga.</translation>
    </message>
    <message>
        <location line="-16"/>
        <source>Input current sensor is failure.</source>
        <translation>Fallo del sensor de corriente de entrada.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Output current sensor is failure.</source>
        <translation>Fallo del sensor de corriente de salida.</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+16"/>
        <source>The DC injection current monitoring function failure.</source>
        <translation>Fallo de la función de monitorización de la inyección de CC.</translation>
    </message>
    <message>
        <location line="-15"/>
        <source>Internal communication is failed.</source>
        <translation>Fallo de comunicación interna.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>EEPROM test failed. *waring message</source>
        <translation>Fallo en la prueba de la EEPROM. *mensaje de advertencia</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <source>The fan is lock.  *waring message</source>
        <translation>Ventilador bloqueado.  *mensaje de advertencia</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>External communication failed  *waring message</source>
        <translation>Fallo de comunicación externa  *mensaje de advertencia</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Internal reference voltage failed, +1.5VA,+1.5VB.</source>
        <translation>Fallo de la tensión de referencia interna, +1.5VA,+1.5VB.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Internal reference voltage failed, +1.5VA,+1.5VB</source>
        <translation>Fallo de la tensión de referencia interna, +1.5VA,+1.5VB</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The DC/DC converter is failure.</source>
        <translation>Fallo del convertidor CC/CC.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Hall sensor failed</source>
        <translation>Fallo del sensor Hall</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>EEPROM test failed</source>
        <translation>Fallo en la prueba de la EEPROM</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The firmware version is not correct</source>
        <translation>La versión del firmware no es correcta</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Internal measurement comparison error or defective hardware, continuously</source>
        <translation>Error en la comparación de medidas internas o hardware defectuoso, de forma persistente</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The mismatch of hardware MODEL setting and CPU setting.</source>
        <translation>El ajuste MODEL del hardware no coincide con el de la CPU.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Internal communication test failed</source>
        <translation>Fallo en la prueba de comunicación interna</translation>
    </message>
</context>
<context>
    <name>EventListView</name>
    <message>
        <location filename="../src/ui/views/eventlistview.ui" line="+14"/>
        <source>SN_Name:</source>
        <translation>SN/Nombre:</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Year:</source>
        <translation>Año:</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Month:</source>
        <translation>Mes:</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Query</source>
        <translation>Consultar</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Events</source>
        <translation>Eventos</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Date / Time</source>
        <translation>Fecha / hora</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>State</source>
        <translation>Estado</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Error_Code_1</source>
        <translation>Código de error 1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Error_Code_2</source>
        <translation>Código de error 2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Error_Code_3</source>
        <translation>Código de error 3</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Error_Code_4</source>
        <translation>Código de error 4</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Error description</source>
        <translation>Descripción del error</translation>
    </message>
    <message>
        <location filename="../src/ui/views/eventlistview.cpp" line="+66"/>
        <source>Info</source>
        <translation>Información</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>No error events happened!</source>
        <translation>No se ha producido ningún evento de error.</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Error Code %1-&gt; </source>
        <translation>Código de error %1-&gt; </translation>
    </message>
    <message>
        <location line="+3"/>
        <source>State code-&gt; </source>
        <translation>Código de estado-&gt; </translation>
    </message>
</context>
<context>
    <name>KeyParameterCodes</name>
    <message>
        <location filename="../src/device/keyparametercodes.cpp" line="+20"/>
        <source>Link quality</source>
        <translation>Calidad del enlace</translation>
    </message>
</context>
<context>
    <name>KeyParametersView</name>
    <message>
        <location filename="../src/ui/views/keyparametersview.ui" line="+11"/>
        <source>Columns:</source>
        <translation>Columnas:</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>Key parameters</source>
        <translation>Parámetros clave</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Inverter</source>
        <translation>Inversor</translation>
    </message>
</context>
<context>
    <name>LanguageDialog</name>
    <message>
        <location filename="../src/ui/languagedialog.cpp" line="+14"/>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
</context>
<context>
    <name>LanguageMenus</name>
    <message>
        <location filename="../src/ui/languagemenus.cpp" line="+48"/>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>Language change</source>
        <translation>Cambio de idioma</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The language changes will take effect when you restart the application.</source>
        <translation>El nuevo idioma se aplicará la próxima vez que inicie la aplicación.</translation>
    </message>
</context>
<context>
    <name>Languages</name>
    <message>
        <location filename="../src/base/languages.cpp" line="+10"/>
        <source>English</source>
        <translation>Inglés</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Italian</source>
        <translation>Italiano</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Traditional Chinese</source>
        <translation>Chino tradicional</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Spanish</source>
        <translation>Español</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>French</source>
        <translation>Francés</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>German</source>
        <translation>Alemán</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Simplified Chinese</source>
        <translation>Chino simplificado</translation>
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
        <translation>%1 (no presente)</translation>
    </message>
</context>
<context>
    <name>LineHealthDialog</name>
    <message>
        <location filename="../src/ui/dialogs/linehealthdialog.cpp" line="+41"/>
        <source>Line health</source>
        <translation>Estado de la línea</translation>
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
        <translation>Calidad
(%)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Exchanges</source>
        <translation>Intercambios</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>First
try</source>
        <translation>Al primer
intento</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>After a
retry</source>
        <translation>Tras
reintento</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Timeouts</source>
        <translation>Tiempos
agotados</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>CRC
errors</source>
        <translation>Errores
CRC</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Short
replies</source>
        <translation>Respuestas
cortas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Wrong address /
function / length</source>
        <translation>Erróneas:
dirección /
función /
longitud</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Round trip (ms)
last / mean / 95 %</source>
        <translation>Ida y vuelta
(ms) último /
medio / 95 %</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Counts since the program started. Exchanges: requests with their retry. Link quality: the share answered correctly on the first try; below 95 % the device is marked.</source>
        <translation>Recuentos desde el inicio del programa. Intercambios: solicitudes con su reintento. Calidad del enlace: la parte respondida correctamente al primer intento; por debajo del 95 % el dispositivo se marca.</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>Sensor %1</source>
        <translation>Sensor %1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Inverter %1</source>
        <translation>Inversor %1</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Link quality below 95 %: check the cable, its terminator and the device&apos;s transceiver.</source>
        <translation>Calidad del enlace por debajo del 95 %: revise el cable, su terminación y el transceptor del dispositivo.</translation>
    </message>
</context>
<context>
    <name>MailSettings</name>
    <message>
        <location filename="../src/monitor/mailsettings.cpp" line="+79"/>
        <source>Apply</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Please input all fields.</source>
        <translation>Rellene todos los campos.</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+10"/>
        <source>Fail</source>
        <translation>No se ha podido guardar la configuración.</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>OK</source>
        <translation>Configuración guardada.</translation>
    </message>
</context>
<context>
    <name>MailTester</name>
    <message>
        <location filename="../src/monitor/mailtester.cpp" line="+22"/>
        <source>Please waiting...</source>
        <translation>Espere...</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+11"/>
        <location line="+4"/>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <location line="-14"/>
        <location line="+10"/>
        <source>Some fields is not valid.</source>
        <translation>Algunos campos no son válidos.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Please type at least one recipient.</source>
        <translation>Introduzca al menos un destinatario.</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Send failed.
%1 mails failed since the mail settings were applied: no mail is sent until they are applied again.</source>
        <translation>Error al enviar.
%1 correos han fallado desde que se aplicaron los ajustes de correo: no se enviará ningún correo hasta que se vuelvan a aplicar.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Test Connect</source>
        <translation>Prueba de conexión</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Test success</source>
        <translation>Prueba correcta</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Test fail</source>
        <translation>Prueba fallida</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Send Test Mail</source>
        <translation>Enviar correo de prueba</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Send success.</source>
        <translation>Envío correcto.</translation>
    </message>
    <message>
        <location line="-20"/>
        <source>Send failed.</source>
        <translation>Error en el envío.</translation>
    </message>
</context>
<context>
    <name>MonitorControl</name>
    <message>
        <location filename="../src/ui/monitorcontrol.cpp" line="+54"/>
        <source>Communication Testing...</source>
        <translation>Probando la comunicación...</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Info</source>
        <translation>Información</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The last monitoring has not ended yet. Please try again in a moment.</source>
        <translation>La monitorización anterior aún no ha terminado. Inténtelo de nuevo dentro de unos instantes.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Starting monitoring...</source>
        <translation>Iniciando la monitorización...</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Stopping monitoring...</source>
        <translation>Deteniendo la monitorización...</translation>
    </message>
    <message>
        <location line="+93"/>
        <source>Warning</source>
        <translation>Advertencia</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The line is being searched for inverters. Please try again when the search has ended.</source>
        <translation>Se están buscando inversores en la línea. Vuelva a intentarlo cuando termine la búsqueda.</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>Not ready</source>
        <translation>No preparado</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Ready for monitoring...</source>
        <translation>Preparado para la monitorización...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Monitoring...</source>
        <translation>Monitorizando...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Searching for inverters...</source>
        <translation>Buscando inversores...</translation>
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
        <translation>Error</translation>
    </message>
    <message>
        <location line="-9"/>
        <source>COM%1 is not available!</source>
        <translation>COM%1 no está disponible.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Communication fail! Please check out your COM Port settings, then search inverters again.</source>
        <translation>Error de comunicación. Compruebe la configuración del puerto COM y vuelva a buscar los inversores.</translation>
    </message>
</context>
<context>
    <name>MqttConnection</name>
    <message>
        <location filename="../src/publish/mqttconnection.cpp" line="+112"/>
        <source>The MQTT broker at %1 does not answer.</source>
        <translation>El broker MQTT en %1 no responde.</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>The MQTT client could not be set up (out of memory).</source>
        <translation>No se pudo preparar el cliente MQTT (memoria agotada).</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>The CA file &quot;%1&quot; cannot be read.</source>
        <translation>No se puede leer el archivo CA &quot;%1&quot;.</translation>
    </message>
    <message>
        <location line="+53"/>
        <source>The connection to the MQTT broker at %1 was lost.</source>
        <translation>Se perdió la conexión con el broker MQTT en %1.</translation>
    </message>
    <message>
        <location line="+146"/>
        <source>The MQTT broker &quot;%1&quot; cannot be found: there is no such host.</source>
        <translation>No se encuentra el broker MQTT &quot;%1&quot;: ese host no existe.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The TLS connection to the MQTT broker at %1 failed: its certificate is not trusted (check the CA file and the host name) or it does not speak TLS on this port.</source>
        <translation>Falló la conexión TLS con el broker MQTT en %1: su certificado no es de confianza (revise el archivo CA y el nombre de host) o no usa TLS en este puerto.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The MQTT broker at %1 refuses connections: is it running, and is the port right?</source>
        <translation>El broker MQTT en %1 rechaza las conexiones: ¿está en marcha y el puerto es correcto?</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The MQTT broker at %1 cannot be reached: %2.</source>
        <translation>No se puede llegar al broker MQTT en %1: %2.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The MQTT broker at %1 closed the connection before it was set up.</source>
        <translation>El broker MQTT en %1 cerró la conexión antes de establecerla.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The connection to the MQTT broker at %1 failed: %2</source>
        <translation>Falló la conexión con el broker MQTT en %1: %2</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The MQTT broker at %1 refused the client id &quot;%2&quot;.</source>
        <translation>El broker MQTT en %1 rechazó el id de cliente &quot;%2&quot;.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The MQTT broker at %1 refused the connection without a login: please enter a user name and password.</source>
        <translation>El broker MQTT en %1 rechazó la conexión sin inicio de sesión: introduzca un usuario y una contraseña.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The MQTT broker at %1 refused the login of &quot;%2&quot;: wrong user name or password, or the user may not connect.</source>
        <translation>El broker MQTT en %1 rechazó el inicio de sesión de &quot;%2&quot;: usuario o contraseña incorrectos, o el usuario no puede conectarse.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The MQTT broker at %1 refused the connection: %2</source>
        <translation>El broker MQTT en %1 rechazó la conexión: %2</translation>
    </message>
</context>
<context>
    <name>MqttDialog</name>
    <message>
        <location filename="../src/ui/dialogs/mqttdialog.cpp" line="+85"/>
        <source>Topics: %1, %2, %3.</source>
        <translation>Temas: %1, %2, %3.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Home Assistant finds the inverters under %1/sensor/.</source>
        <translation>Home Assistant encuentra los inversores en %1/sensor/.</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>CA file</source>
        <translation>Archivo CA</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Certificates (*.pem *.crt *.cer);;All files (*)</source>
        <translation>Certificados (*.pem *.crt *.cer);;Todos los archivos (*)</translation>
    </message>
    <message>
        <location line="+11"/>
        <location line="+27"/>
        <source>Warning</source>
        <translation>Advertencia</translation>
    </message>
    <message>
        <location line="-3"/>
        <source>Info</source>
        <translation>Información</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Connected to the MQTT broker at %1.</source>
        <translation>Conectado al broker MQTT en %1.</translation>
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
        <translation>Publicar cada ciclo de lectura en un broker MQTT</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Broker host:</source>
        <translation>Host del broker:</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Port:</source>
        <translation>Puerto:</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>User:</source>
        <translation>Usuario:</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Password:</source>
        <translation>Contraseña:</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Client id:</source>
        <translation>Id de cliente:</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Topic prefix:</source>
        <translation>Prefijo de temas:</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>QoS:</source>
        <translation>QoS:</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>0: at most once</source>
        <translation>0: como máximo una vez</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>1: at least once</source>
        <translation>1: al menos una vez</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>2: exactly once</source>
        <translation>2: exactamente una vez</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Home Assistant discovery prefix:</source>
        <translation>Prefijo de descubrimiento de Home Assistant:</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>empty: no discovery</source>
        <translation>vacío: sin descubrimiento</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Retain the state messages for newcomers</source>
        <translation>Retener los mensajes de estado para los nuevos suscriptores</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>TLS (the broker&apos;s certificate is always verified)</source>
        <translation>TLS (el certificado del broker se verifica siempre)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>CA file:</source>
        <translation>Archivo CA:</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>trusted besides the system&apos;s certificates</source>
        <translation>de confianza además de los certificados del sistema</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>&amp;Test connection</source>
        <translation>&amp;Probar conexión</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
</context>
<context>
    <name>MqttSettings</name>
    <message>
        <location filename="../src/publish/mqttsettings.cpp" line="+62"/>
        <source>Please enter the host name or address of the MQTT broker.</source>
        <translation>Introduzca el nombre de host o la dirección del broker MQTT.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The MQTT port must be a number from 1 to 65535.</source>
        <translation>El puerto MQTT debe ser un número de 1 a 65535.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The MQTT QoS must be 0, 1 or 2.</source>
        <translation>La QoS de MQTT debe ser 0, 1 o 2.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Please enter an MQTT client id.</source>
        <translation>Introduzca un id de cliente MQTT.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Topic prefixes must not be empty or contain &quot;+&quot; or &quot;#&quot;.</source>
        <translation>Los prefijos de temas no pueden estar vacíos ni contener &quot;+&quot; o &quot;#&quot;.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>A password needs a user name.</source>
        <translation>Una contraseña necesita un nombre de usuario.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The CA file &quot;%1&quot; cannot be read.</source>
        <translation>No se puede leer el archivo CA &quot;%1&quot;.</translation>
    </message>
</context>
<context>
    <name>PageOutput</name>
    <message>
        <location filename="../src/ui/pageoutput.cpp" line="+16"/>
        <source>Print Document</source>
        <translation>Imprimir documento</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Save File</source>
        <translation>Guardar archivo</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Images (*.bmp *.jpg)</source>
        <translation>Imágenes (*.bmp *.jpg)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Info</source>
        <translation>Información</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Save OK.</source>
        <translation>Guardado correctamente.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Can not save image file!</source>
        <translation>No se puede guardar el archivo de imagen.</translation>
    </message>
</context>
<context>
    <name>ParamTables</name>
    <message>
        <location filename="../src/device/paramtables.cpp" line="+266"/>
        <source>Language (LCD)</source>
        <translation>Idioma (LCD)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Alarm</source>
        <translation>Alarma</translation>
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
        <translation>Parámetros</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Parameter Name</source>
        <translation>Nombre del parámetro</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Value</source>
        <translation>Valor</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Input new value:</source>
        <translation>Nuevo valor:</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Range:</source>
        <translation>Rango:</translation>
    </message>
    <message>
        <location filename="../src/ui/views/parameterview.cpp" line="+135"/>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>The value is not valid!</source>
        <translation>El valor no es válido.</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>Setting parameter, please waiting...</source>
        <translation>Configurando el parámetro, espere...</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Warning</source>
        <translation>Advertencia</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Save fail.</source>
        <translation>Error al guardar.</translation>
    </message>
    <message>
        <location line="-1"/>
        <source>continue to monitoring, please waiting...</source>
        <translation>Reanudando la monitorización, espere...</translation>
    </message>
</context>
<context>
    <name>PortRefusal</name>
    <message>
        <location filename="../src/monitor/portrefusal.cpp" line="+30"/>
        <source>COM%1 (%2) is there, but this user may not open it. Add the user to the dialout group (sudo adduser %3 dialout), then log out and in again.</source>
        <translation>COM%1 (%2) existe, pero este usuario no puede abrirlo. Añada el usuario al grupo dialout (sudo adduser %3 dialout) y después cierre la sesión y vuelva a iniciarla.</translation>
    </message>
</context>
<context>
    <name>QAbout</name>
    <message>
        <location filename="../src/ui/dialogs/qabout.cpp" line="+18"/>
        <source>set by LUMORA_HOME</source>
        <translation>definido por LUMORA_HOME</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the program&apos;s own folder</source>
        <translation>la carpeta del propio programa</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>your data folder</source>
        <translation>su carpeta de datos</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&lt;b&gt;Supported inverters:&lt;/b&gt; the Lumora families %1, among them the models %2; up to four Modbus RTU sensors on the same line.</source>
        <translation>&lt;b&gt;Inversores compatibles:&lt;/b&gt; las familias Lumora %1, entre ellas los modelos %2; hasta cuatro sensores Modbus RTU en la misma línea.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&lt;b&gt;Built with:&lt;/b&gt; Qt %1, Qwt %2, SQLite %3.</source>
        <translation>&lt;b&gt;Desarrollado con:&lt;/b&gt; Qt %1, Qwt %2, SQLite %3.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&lt;b&gt;Application directory:&lt;/b&gt; %1 (%2)</source>
        <translation>&lt;b&gt;Directorio de la aplicación:&lt;/b&gt; %1 (%2)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&lt;b&gt;Icons:&lt;/b&gt; Silk icon set by Mark James, &lt;a href=&quot;http://www.famfamfam.com/lab/icons/silk/&quot;&gt;famfamfam.com&lt;/a&gt;, licensed under the &lt;a href=&quot;https://creativecommons.org/licenses/by/2.5/&quot;&gt;Creative Commons Attribution 2.5&lt;/a&gt; licence (Debian package famfamfam-silk). Flag icons by Mark James, &lt;a href=&quot;http://www.famfamfam.com/lab/icons/flags/&quot;&gt;famfamfam.com&lt;/a&gt; (Debian package famfamfam-flag-png).</source>
        <translation>&lt;b&gt;Iconos:&lt;/b&gt; conjunto de iconos Silk de Mark James, &lt;a href=&quot;http://www.famfamfam.com/lab/icons/silk/&quot;&gt;famfamfam.com&lt;/a&gt;, con licencia &lt;a href=&quot;https://creativecommons.org/licenses/by/2.5/&quot;&gt;Creative Commons Attribution 2.5&lt;/a&gt; (paquete de Debian famfamfam-silk). Iconos de banderas de Mark James, &lt;a href=&quot;http://www.famfamfam.com/lab/icons/flags/&quot;&gt;famfamfam.com&lt;/a&gt; (paquete de Debian famfamfam-flag-png).</translation>
    </message>
</context>
<context>
    <name>QAboutClass</name>
    <message>
        <location filename="../src/ui/dialogs/qabout.ui" line="+6"/>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <location line="+88"/>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>QBackgroundDlg</name>
    <message>
        <location filename="../src/ui/dialogs/qbackgrounddlg.cpp" line="+110"/>
        <source>Select Image File</source>
        <translation>Seleccionar archivo de imagen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Image Files (*.png *.jpg *.bmp)</source>
        <translation>Archivos de imagen (*.png *.jpg *.bmp)</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+4"/>
        <source>Warning</source>
        <translation>Advertencia</translation>
    </message>
    <message>
        <location line="-4"/>
        <source>This file name exists already.</source>
        <translation>Ya existe un archivo con este nombre.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Can not copy the image file.</source>
        <translation>No se puede copiar el archivo de imagen.</translation>
    </message>
</context>
<context>
    <name>QBackgroundDlgClass</name>
    <message>
        <location filename="../src/ui/dialogs/qbackgrounddlg.ui" line="+6"/>
        <source>Background Graphics</source>
        <translation>Imágenes de fondo</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Graphics List</source>
        <translation>Lista de imágenes</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Background pictures</source>
        <translation>Imágenes de fondo</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Add external image</source>
        <translation>Añadir imagen externa</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Clear Background</source>
        <translation>Quitar fondo</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Apply</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>QBurnSearch</name>
    <message>
        <location filename="../src/monitor/qburnsearch.cpp" line="+64"/>
        <source>Confirm</source>
        <translation>Confirmar</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Auto change the duplicate Inverter ID?</source>
        <translation>¿Cambiar automáticamente el ID de inversor duplicado?</translation>
    </message>
</context>
<context>
    <name>QConfigWizard</name>
    <message>
        <location filename="../src/ui/dialogs/qconfigwizard.cpp" line="+109"/>
        <source>Not found</source>
        <translation>Sin resultados</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>No inverters found</source>
        <translation>No se ha encontrado ningún inversor</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>This COM port is not available</source>
        <translation>Este puerto COM no está disponible</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>%1 inverters found.</source>
        <translation>Inversores encontrados: %1.</translation>
    </message>
</context>
<context>
    <name>QConfigWizardClass</name>
    <message>
        <location filename="../src/ui/dialogs/qconfigwizard.ui" line="+14"/>
        <source>Configuration Wizard</source>
        <translation>Asistente de configuración</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Introduction</source>
        <translation>Introducción</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Welcome to use the configuration wizard. This wizard will help you to set up the Lumora Data Manager.</source>
        <translation>Bienvenido al asistente de configuración. Este asistente le ayudará a configurar Lumora Data Manager.</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Serial Port Settings:</source>
        <translation>Configuración del puerto serie:</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>COM Port:</source>
        <translation>Puerto COM:</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Refresh</source>
        <translation>Actualizar</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Baudrate:</source>
        <translation>Velocidad (baudios):</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Search  for inverters</source>
        <translation>Búsqueda de inversores</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>You can search inverters using the previous settings now.</source>
        <translation>Ahora puede buscar los inversores con la configuración de la página anterior.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Search for inverters:</source>
        <translation>Buscar inversores:</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Search </source>
        <translation>Buscar </translation>
    </message>
    <message>
        <location line="+38"/>
        <source>0 inverters found.</source>
        <translation>Inversores encontrados: 0.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Auto search:</source>
        <translation>Búsqueda automática:</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Minutes between automatic searches</source>
        <translation>Minutos entre búsquedas automáticas</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>minutes</source>
        <translation>minutos</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Change duplicate inverter IDs in automatic searches</source>
        <translation>Cambiar los ID de inversor duplicados en las búsquedas automáticas</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Congratulation!</source>
        <translation>¡Enhorabuena!</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>You have completed the wizard, you can start monitoring right now.</source>
        <translation>Ha completado el asistente; ya puede iniciar la monitorización.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Start monitoring now</source>
        <translation>Iniciar la monitorización ahora</translation>
    </message>
</context>
<context>
    <name>QDiagnosticsClass</name>
    <message>
        <location filename="../src/ui/dialogs/qdiagnostics.ui" line="+17"/>
        <source>Direct Command</source>
        <translation>Comando directo</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Command</source>
        <translation>Comando</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Slave Addr</source>
        <translation>Dir. esclavo</translation>
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
        <translation>Código de función</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>03</source>
        <translation>03</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Data Address</source>
        <translation>Dirección de datos</translation>
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
        <translation>Longitud de datos</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>Send</source>
        <translation>Enviar</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Output command:</source>
        <translation>Comando enviado:</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Response message:</source>
        <translation>Mensaje de respuesta:</translation>
    </message>
</context>
<context>
    <name>QFontSettingsClass</name>
    <message>
        <location filename="../src/ui/dialogs/qfontsettings.ui" line="+6"/>
        <source>Fonts and Colors</source>
        <translation>Fuentes y colores</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Title:</source>
        <translation>Título:</translation>
    </message>
    <message>
        <location line="+7"/>
        <location line="+34"/>
        <location line="+28"/>
        <source>font...</source>
        <translation>fuente...</translation>
    </message>
    <message>
        <location line="-55"/>
        <location line="+34"/>
        <location line="+28"/>
        <source>color...</source>
        <translation>color...</translation>
    </message>
    <message>
        <location line="-49"/>
        <location line="+28"/>
        <location line="+28"/>
        <source>Sample</source>
        <translation>Muestra</translation>
    </message>
    <message>
        <location line="-49"/>
        <source>Information:</source>
        <translation>Información:</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Message:</source>
        <translation>Mensaje:</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>QLogData</name>
    <message>
        <location filename="../src/history/qlogdata.cpp" line="+171"/>
        <source>Time</source>
        <translation>Fecha/hora</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>SN_Name</source>
        <translation>SN/Nombre</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>State</source>
        <translation>Estado</translation>
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
        <translation>Hora de inicio/fin del registro</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The Settings of start record time and stop record time is error!</source>
        <translation>Las horas de inicio y fin del registro no son válidas.</translation>
    </message>
</context>
<context>
    <name>QMainViewConfigClass</name>
    <message>
        <location filename="../src/ui/dialogs/qmainviewconfig.ui" line="+6"/>
        <source>Main View Configuration</source>
        <translation>Configuración de la vista principal</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Main View </source>
        <translation>Vista principal </translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Save interval</source>
        <translation>Intervalo de guardado</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>minutes</source>
        <translation>minutos</translation>
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
        <translation>Horario de registro</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Automatic</source>
        <translation>Automático</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Manual</source>
        <translation>Manual</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Start record time:</source>
        <translation>Inicio del registro:</translation>
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
        <translation>Fin del registro:</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Earning Settings</source>
        <translation>Configuración de ingresos</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Earning:</source>
        <translation>Ingresos:</translation>
    </message>
    <message>
        <location line="+29"/>
        <source> / kWh</source>
        <translation> / kWh</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Message Display:</source>
        <translation>Mensaje mostrado:</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Title Display:</source>
        <translation>Título mostrado:</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Advanced Settings</source>
        <translation>Configuración avanzada</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Select All</source>
        <translation>Seleccionar todo</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Clear All</source>
        <translation>Deseleccionar todo</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Default</source>
        <translation>Predeterminado</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>&lt;b&gt;Arrangement: (press mouse to move)&lt;/b&gt;</source>
        <translation>&lt;b&gt;Disposición: (mantenga pulsado el ratón para mover)&lt;/b&gt;</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Arrangement</source>
        <translation>Disposición</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Click and Move</source>
        <translation>Haga clic y arrastre</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Default Sequence</source>
        <translation>Orden predeterminado</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Apply</source>
        <translation>Aplicar</translation>
    </message>
</context>
<context>
    <name>QMyTreeWidget</name>
    <message>
        <location filename="../src/ui/views/qmytreewidget.cpp" line="+27"/>
        <location line="+1"/>
        <source>Inverters</source>
        <translation>Inversores</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>You can use &apos;Drag and Drop&apos; to move inverter to the group.</source>
        <translation>Puede arrastrar y soltar un inversor en un grupo para moverlo.</translation>
    </message>
    <message>
        <location line="+89"/>
        <source>UnGrouped</source>
        <translation>Sin grupo</translation>
    </message>
</context>
<context>
    <name>QPassword</name>
    <message>
        <location filename="../src/ui/dialogs/qpassword.cpp" line="+32"/>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Password is wrong</source>
        <translation>Contraseña incorrecta</translation>
    </message>
</context>
<context>
    <name>QPasswordClass</name>
    <message>
        <location filename="../src/ui/dialogs/qpassword.ui" line="+14"/>
        <location line="+6"/>
        <source>Password</source>
        <translation>Contraseña</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>QProgessClass</name>
    <message>
        <location filename="../src/ui/qprogresswin.ui" line="+14"/>
        <source>Progressing...</source>
        <translation>Procesando...</translation>
    </message>
</context>
<context>
    <name>QSensorSettings</name>
    <message>
        <location filename="../src/ui/dialogs/qsensorsettings.cpp" line="+120"/>
        <source>No response</source>
        <translation>Sin respuesta</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Register Value(HEX: Lo-Hi)</source>
        <translation>Valor del registro (HEX: Lo-Hi)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Register Value(HEX: Hi-Lo)</source>
        <translation>Valor del registro (HEX: Hi-Lo)</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Append CRC...</source>
        <translation>Orden de bytes del CRC</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Although Modbus protocol defines the CRC part of RTU to low byte first, High byte after, but some devices require Modbus RTU messages that appends CRC high byte first. If so, please check this to enable this kind of behavior.</source>
        <translation>Aunque el protocolo Modbus RTU define que el CRC se transmite con el byte bajo primero y el byte alto después, algunos dispositivos requieren mensajes Modbus RTU con el byte alto del CRC primero. En ese caso, marque esta opción.</translation>
    </message>
    <message>
        <location line="-64"/>
        <location line="+80"/>
        <location line="+11"/>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <location line="-145"/>
        <source>Line: %1, %2 baud</source>
        <translation>Línea: %1, %2 baudios</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Line: no port set</source>
        <translation>Línea: no hay puerto configurado</translation>
    </message>
    <message>
        <location line="+134"/>
        <source>Please input the header field.</source>
        <translation>Rellene el campo Encabezado.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please input the unit field.</source>
        <translation>Rellene el campo Unidad.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Can not add new record.</source>
        <translation>No se puede añadir la nueva entrada.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Info</source>
        <translation>Información</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Save OK</source>
        <translation>Guardado correctamente</translation>
    </message>
</context>
<context>
    <name>QSensorSettingsClass</name>
    <message>
        <location filename="../src/ui/dialogs/qsensorsettings.ui" line="+14"/>
        <source>Sensor Settings</source>
        <translation>Configuración de sensores</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Settings</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Step 1: Query one register</source>
        <translation>Paso 1: consulta de un registro</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+216"/>
        <source>Slave address</source>
        <translation>Dirección de esclavo</translation>
    </message>
    <message>
        <location line="-209"/>
        <location line="+216"/>
        <location line="+338"/>
        <source>Function</source>
        <translation>Función</translation>
    </message>
    <message>
        <location line="-547"/>
        <source>Starting address</source>
        <translation>Dirección inicial</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Number of registers</source>
        <translation>Número de registros</translation>
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
        <translation>Consultar</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>CRC high byte append first</source>
        <translation>Byte alto del CRC primero</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>?</source>
        <translation>?</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>Step 2: Response</source>
        <translation>Paso 2: respuesta</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Byte Count</source>
        <translation>Número de bytes</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Register Value(HEX: Hi-Lo)</source>
        <translation>Valor del registro (HEX: Hi-Lo)</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>Register value(DEC)</source>
        <translation>Valor del registro (DEC)</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Low byte first</source>
        <translation>Byte bajo primero</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Step 3: Operation</source>
        <translation>Paso 3: operación</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Register value</source>
        <translation>Valor del registro</translation>
    </message>
    <message>
        <location line="+7"/>
        <location line="+274"/>
        <source>Operator</source>
        <translation>Operador</translation>
    </message>
    <message>
        <location line="-267"/>
        <location line="+272"/>
        <source>Factor</source>
        <translation>Factor</translation>
    </message>
    <message>
        <location line="-265"/>
        <source>After operation(DEC)</source>
        <translation>Resultado (DEC)</translation>
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
        <translation>Calcular</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Step 4: Save</source>
        <translation>Paso 4: guardar</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+190"/>
        <source>Header</source>
        <translation>Encabezado</translation>
    </message>
    <message>
        <location line="-180"/>
        <location line="+185"/>
        <source>Unit</source>
        <translation>Unidad</translation>
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
        <translation>Guardar</translation>
    </message>
    <message>
        <location line="+31"/>
        <location line="+113"/>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <location line="-100"/>
        <source>View all</source>
        <translation>Ver todo</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Saved sensors</source>
        <translation>Sensores guardados</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Slave</source>
        <translation>Esclavo</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Start Hi</source>
        <translation>Inicio Hi</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Start Lo</source>
        <translation>Inicio Lo</translation>
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
        <translation>Eliminar</translation>
    </message>
</context>
<context>
    <name>QViewSizeClass</name>
    <message>
        <location filename="../src/ui/dialogs/qviewsize.ui" line="+21"/>
        <source>View Size Settings</source>
        <translation>Tamaño de la vista</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Title:</source>
        <translation>Título:</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>    pixel</source>
        <translation>    píxeles</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Information</source>
        <translation>Información</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Expanding</source>
        <translation>Expansión</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Message:</source>
        <translation>Mensaje:</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>   pixel</source>
        <translation>   píxeles</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Default</source>
        <translation>Predeterminado</translation>
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
        <translation>Añadir destinatario</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Email address:</source>
        <translation>Dirección de correo electrónico:</translation>
    </message>
</context>
<context>
    <name>QalarmConfigClass</name>
    <message>
        <location filename="../src/ui/dialogs/qalarmconfig.ui" line="+6"/>
        <source>Alarm Configuration</source>
        <translation>Configuración de alarmas</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Mail Settings</source>
        <translation>Configuración del correo</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Mail account</source>
        <translation>Cuenta de correo</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Account:</source>
        <translation>Cuenta:</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Password:</source>
        <translation>Contraseña:</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Mail server:</source>
        <translation>Servidor de correo:</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>smtp.example.com</source>
        <translation>smtp.example.com</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Port:</source>
        <translation>Puerto:</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Encryption:</source>
        <translation>Cifrado:</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>None</source>
        <translation>Ninguno</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>Sender:</source>
        <translation>Remitente:</translation>
    </message>
    <message>
        <location line="+13"/>
        <location line="+6"/>
        <source>Recipients</source>
        <translation>Destinatarios</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Add...</source>
        <translation>Añadir...</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Test Connection</source>
        <translation>Probar conexión</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Send Test Mail</source>
        <translation>Enviar correo de prueba</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Apply</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Error Codes</source>
        <translation>Códigos de error</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Inverter type:</source>
        <translation>Tipo de inversor:</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>Error code:</source>
        <translation>Código de error:</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Error Code 1</source>
        <translation>Código de error 1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Error Code 2</source>
        <translation>Código de error 2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Error Code 3</source>
        <translation>Código de error 3</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Error Code 4</source>
        <translation>Código de error 4</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Send an alarm mail for these errors</source>
        <translation>Enviar un correo de alarma para estos errores</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Select All</source>
        <translation>Seleccionar todo</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Clear All</source>
        <translation>Deseleccionar todo</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Events</source>
        <translation>Eventos</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Inverter states</source>
        <translation>Estados del inversor</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Inverter states (M83)</source>
        <translation>Estados del inversor (M83)</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>RealTimeDisplay</name>
    <message>
        <location filename="../src/ui/views/realtimedisplay.cpp" line="+166"/>
        <source>Total Yield(Eac)</source>
        <translation>Producción total (Eac)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Total Yield</source>
        <translation>Producción total</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+2"/>
        <source>Total Output Time</source>
        <translation>Tiempo total de inyección</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Output power</source>
        <translation>Potencia de salida</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Output voltage</source>
        <translation>Tensión de salida</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Output current</source>
        <translation>Corriente de salida</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Output frequency</source>
        <translation>Frecuencia de salida</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+2"/>
        <source>DC Power</source>
        <translation>Potencia CC</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DC Voltage</source>
        <translation>Tensión CC</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DC Current</source>
        <translation>Corriente CC</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Total input energy</source>
        <translation>Energía total de entrada</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Output time today</source>
        <translation>Tiempo de inyección de hoy</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Heatsink temperature</source>
        <translation>Temperatura del disipador</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>AC impedance</source>
        <translation>Impedancia CA</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Trip voltage</source>
        <translation>Valor de disparo de tensión</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Trip frequency</source>
        <translation>Valor de disparo de frecuencia</translation>
    </message>
</context>
<context>
    <name>RealTimeView</name>
    <message>
        <location filename="../src/ui/views/realtimeview.ui" line="+11"/>
        <source>UP</source>
        <translation>Subir</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Down</source>
        <translation>Bajar</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Add Group</source>
        <translation>Añadir grupo</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Del Inverter</source>
        <translation>Eliminar inversor</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Del Group</source>
        <translation>Eliminar grupo</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Information</source>
        <translation>Información</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Gropu name:</source>
        <translation>Nombre del grupo:</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Device type:</source>
        <translation>Tipo de dispositivo:</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Device S/N:</source>
        <translation>N.º de serie:</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Devie address:</source>
        <translation>Dirección del dispositivo:</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>DSP1 version:</source>
        <translation>Versión DSP1:</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>DSP2 version:</source>
        <translation>Versión DSP2:</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Line health</source>
        <translation>Estado de la línea</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Link quality:</source>
        <translation>Calidad del enlace:</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Exchanges:</source>
        <translation>Intercambios:</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Timeouts:</source>
        <translation>Tiempos agotados:</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>CRC errors:</source>
        <translation>Errores CRC:</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Short replies:</source>
        <translation>Respuestas cortas:</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Wrong address / function / length:</source>
        <translation>Dirección / función / longitud erróneas:</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Round trip:</source>
        <translation>Ida y vuelta:</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Real time display</source>
        <translation>Visualización en tiempo real</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Real time values</source>
        <translation>Valores en tiempo real</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Parameter Name</source>
        <translation>Nombre del parámetro</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Value</source>
        <translation>Valor</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Status code:</source>
        <translation>Código de estado:</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Error Code 1:</source>
        <translation>Código de error 1:</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Error Code 1</source>
        <translation>Código de error 1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Error Code 2:</source>
        <translation>Código de error 2:</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Error Code 2</source>
        <translation>Código de error 2</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Error Code 3:</source>
        <translation>Código de error 3:</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Error Code 3</source>
        <translation>Código de error 3</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Error Code 4:</source>
        <translation>Código de error 4:</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Error Code 4</source>
        <translation>Código de error 4</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Parameter configuration for devices</source>
        <translation>Configuración de parámetros de los dispositivos</translation>
    </message>
    <message>
        <location filename="../src/ui/views/realtimeview.cpp" line="+109"/>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Below 95 %: check the cable, its terminator and the inverter&apos;s transceiver.</source>
        <translation>Por debajo del 95 %: revise el cable, su terminación y el transceptor del inversor.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 (%2 right on the first try, %3 after a retry)</source>
        <translation>%1 (%2 correctos al primer intento, %3 tras un reintento)</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1 ms; mean %2 ms, 95 % within %3 ms</source>
        <translation>%1 ms; media %2 ms, 95 % en %3 ms o menos</translation>
    </message>
    <message>
        <location line="+60"/>
        <source>add Group</source>
        <translation>Añadir grupo</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Group name:</source>
        <translation>Nombre del grupo:</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Lumora Data Manager</source>
        <translation>Lumora Data Manager</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>This group name existed!</source>
        <translation>Ya existe un grupo con este nombre.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Add fail!</source>
        <translation>No se ha podido añadir el grupo.</translation>
    </message>
    <message>
        <location line="+9"/>
        <location line="+18"/>
        <source>Confirm</source>
        <translation>Confirmar</translation>
    </message>
    <message>
        <location line="-18"/>
        <source>Delete this group and all children?</source>
        <translation>¿Eliminar este grupo y todos los inversores que contiene?</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Inverter</source>
        <translation>Inversor</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Delete this inverter?</source>
        <translation>¿Eliminar este inversor?</translation>
    </message>
</context>
<context>
    <name>SearchInverterFrm</name>
    <message>
        <location filename="../src/ui/dialogs/searchinverterfrm.cpp" line="+74"/>
        <location line="+94"/>
        <source>%1 inverters found.</source>
        <translation>Inversores encontrados: %1.</translation>
    </message>
    <message>
        <location line="-60"/>
        <location line="+9"/>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <location line="-7"/>
        <source>COM%1 is not available! The saved inverters are kept.</source>
        <translation>COM%1 no está disponible. Se conservan los inversores guardados.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>COM%1 failed during the search (hang-up or I/O error). The saved inverters are kept.</source>
        <translation>COM%1 falló durante la búsqueda (línea colgada o error de E/S). Se conservan los inversores guardados.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Not found</source>
        <translation>Sin resultados</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>No inverters found</source>
        <translation>No se ha encontrado ningún inversor</translation>
    </message>
</context>
<context>
    <name>SearchInverterFrmClass</name>
    <message>
        <location filename="../src/ui/dialogs/searchinverterfrm.ui" line="+14"/>
        <source>Search Inverters</source>
        <translation>Buscar inversores</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Search for Inverters</source>
        <translation>Búsqueda de inversores</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>0 inverters found.</source>
        <translation>Inversores encontrados: 0.</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Automatically search for inverters:</source>
        <translation>Búsqueda automática de inversores:</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Minutes between automatic searches</source>
        <translation>Minutos entre búsquedas automáticas</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>minutes</source>
        <translation>minutos</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Change duplicate inverter IDs in automatic searches</source>
        <translation>Cambiar los ID de inversor duplicados en las búsquedas automáticas</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Search</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>detail...</source>
        <translation>detalles...</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Inverters found</source>
        <translation>Inversores encontrados</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Addr</source>
        <translation>Dir.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Serial Number</source>
        <translation>Número de serie</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <location filename="../src/app/startup.cpp" line="+24"/>
        <source>Error -- %1</source>
        <translation>Error -- %1</translation>
    </message>
    <message>
        <location line="+59"/>
        <source>Database is broken, please reinstall the application!</source>
        <translation>La base de datos está dañada. Reinstale la aplicación.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Database init fail, please reinstall the application!</source>
        <translation>No se ha podido inicializar la base de datos. Reinstale la aplicación.</translation>
    </message>
    <message>
        <location line="+59"/>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>No COM ports found in this computer!</source>
        <translation>No se ha encontrado ningún puerto COM en este equipo.</translation>
    </message>
</context>
<context>
    <name>StateTables</name>
    <message>
        <location filename="../src/device/statetables.cpp" line="+18"/>
        <location line="+15"/>
        <source>LCD Initialize mode</source>
        <translation>Modo de inicialización LCD</translation>
    </message>
    <message>
        <location line="-14"/>
        <source>Utility frequency detect mode</source>
        <translation>Modo de detección de frecuencia de red</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Renew mode</source>
        <translation>Modo de restablecimiento</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Wait mode</source>
        <translation>Modo de espera</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Monitoring mode</source>
        <translation>Modo de monitorización</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Output mode</source>
        <translation>Modo de inyección a red</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+17"/>
        <source>Fault mode</source>
        <translation>Modo de fallo</translation>
    </message>
    <message>
        <location line="-16"/>
        <source>IDLE mode</source>
        <translation>Modo inactivo</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+17"/>
        <source>Default mode</source>
        <translation>Modo predeterminado</translation>
    </message>
    <message>
        <location line="-16"/>
        <location line="+17"/>
        <source>Stop mode</source>
        <translation>Modo de parada</translation>
    </message>
    <message>
        <location line="-16"/>
        <location line="+18"/>
        <source>Calibrate mode</source>
        <translation>Modo de calibración</translation>
    </message>
    <message>
        <location line="-14"/>
        <source>Program Initialize mode</source>
        <translation>Modo de inicialización del programa</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Check Riso</source>
        <translation>Comprobación de Riso</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Low Illumination mode</source>
        <translation>Modo de baja irradiancia</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Auto Test mode</source>
        <translation>Modo de autotest</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Checking</source>
        <translation>Comprobando</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Count Down mode</source>
        <translation>Modo de cuenta atrás</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Check Relay mode</source>
        <translation>Modo de comprobación de relés</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Grid/MPP mode</source>
        <translation>Modo red/MPP</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Idle mode</source>
        <translation>Modo inactivo</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Upgrade Flash mode</source>
        <translation>Modo de actualización de flash</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Setting Parameter mode</source>
        <translation>Modo de configuración de parámetros</translation>
    </message>
</context>
</TS>
