<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en">
<context>
    <name>CMain</name>
    <message>
        <location filename="../src/ui/cmain.cpp" line="+98"/>
        <source>Active: %1  </source>
        <translation>Actifs&#xa0;: %1  </translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Preparing the history for the charts: %1 %</source>
        <translation>Préparation de l&apos;historique pour les graphiques&#xa0;: %1 %</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please complete COM port settings first.</source>
        <translation>Veuillez d&apos;abord compléter les paramètres du port COM.</translation>
    </message>
    <message>
        <location line="+279"/>
        <source>Info</source>
        <translation>Information</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>No data</source>
        <translation>Aucune donnée</translation>
    </message>
    <message>
        <location line="+152"/>
        <source>Confirm</source>
        <translation>Confirmation</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Confirm to exit?</source>
        <translation>Voulez-vous quitter le programme&#xa0;?</translation>
    </message>
    <message>
        <location filename="../src/ui/windowparts.cpp" line="+75"/>
        <source>Not ready</source>
        <translation>Pas prêt</translation>
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
        <translation>Vues</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Main</source>
        <translation>Principal</translation>
    </message>
    <message>
        <location line="+43"/>
        <source>Monitoring state</source>
        <translation>État de la surveillance</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Not ready</source>
        <translation>Pas prêt</translation>
    </message>
    <message>
        <location line="+47"/>
        <source>Real time data</source>
        <translation>Données en temps réel</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Key parameters</source>
        <translation>Paramètres clés</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Graphical analysis</source>
        <translation>Analyse graphique</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Event list</source>
        <translation>Liste des événements</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Data logging</source>
        <translation>Journal des données</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Menu bar</source>
        <translation>Barre de menus</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>&amp;Monitoring</source>
        <translation>&amp;Surveillance</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>&amp;Configuration</source>
        <translation>&amp;Configuration</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Language</source>
        <translation>La&amp;ngue</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>&amp;Window</source>
        <translation>Fe&amp;nêtre</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&amp;Help</source>
        <translation>A&amp;ide</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Tool bar</source>
        <translation>Barre d&apos;outils</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>Language bar</source>
        <translation>Barre des langues</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>&amp;Print</source>
        <translation>&amp;Imprimer</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Export Image</source>
        <translation>&amp;Exporter l&apos;image</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Export &amp;Data</source>
        <translation>Exporter les &amp;données</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Start Monitoring</source>
        <translation>&amp;Démarrer la surveillance</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Stop &amp;Monitoring</source>
        <translation>A&amp;rrêter la surveillance</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;COM port</source>
        <translation>Port &amp;COM</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Search Inverters</source>
        <translation>&amp;Rechercher les onduleurs</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Alarm</source>
        <translation>A&amp;larme</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Background Graphics</source>
        <translation>Images de &amp;fond</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Main View Configuration</source>
        <translation>Configuration de la &amp;vue principale</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Main View Configuration</source>
        <translation>Configuration de la vue principale</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Sensor Settings</source>
        <translation>&amp;Paramètres des capteurs</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>M&amp;QTT...</source>
        <translation>M&amp;QTT...</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Configuration &amp;Wizard</source>
        <translation>&amp;Assistant de configuration</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Fonts and Colors</source>
        <translation>P&amp;olices et couleurs</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Main</source>
        <translation>&amp;Principal</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Real time data</source>
        <translation>Données en &amp;temps réel</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Key parameters</source>
        <translation>Paramètres &amp;clés</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Graphical analysis</source>
        <translation>&amp;Analyse graphique</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Event list</source>
        <translation>&amp;Liste des événements</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Data logging</source>
        <translation>&amp;Journal des données</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Line health</source>
        <translation>État de la li&amp;gne</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>List View</source>
        <translation>Vue en liste</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Group View</source>
        <translation>Vue par groupes</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>User manual</source>
        <translation>Manuel d&apos;utilisation</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>&amp;About...</source>
        <translation>À &amp;propos...</translation>
    </message>
</context>
<context>
    <name>COMPortFrmClass</name>
    <message>
        <location filename="../src/ui/dialogs/comportfrm.ui" line="+14"/>
        <source>Serial Port Settings</source>
        <translation>Paramètres du port série</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Port:</source>
        <translation>Port&#xa0;:</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Refresh</source>
        <translation>Actualiser</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Baudrate:</source>
        <translation>Débit (bauds)&#xa0;:</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Direct command</source>
        <translation>Commande directe</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>ChartView</name>
    <message>
        <location filename="../src/ui/views/chartview.ui" line="+22"/>
        <source>Inverters</source>
        <translation>Onduleurs</translation>
    </message>
    <message>
        <location line="+10"/>
        <location line="+54"/>
        <source>Year</source>
        <translation>Année</translation>
    </message>
    <message>
        <location line="-42"/>
        <source>Range of date</source>
        <translation>Plage de dates</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>From</source>
        <translation>Du</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>To</source>
        <translation>au</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Base on</source>
        <translation>Regrouper par</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Month</source>
        <translation>Mois</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Day</source>
        <translation>Jour</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Query</source>
        <translation>Afficher</translation>
    </message>
    <message>
        <location filename="../src/ui/views/chartview.cpp" line="+105"/>
        <location line="+9"/>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <location line="-9"/>
        <source>Date range error!</source>
        <translation>Plage de dates non valide&#xa0;!</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Click some one inverter first.</source>
        <translation>Veuillez d&apos;abord sélectionner un onduleur.</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>AC Power
%1 ~ %2
</source>
        <translation>Puissance CA
%1 ~ %2
</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>--&gt; Power(W)</source>
        <translation>--&gt; Puissance (W)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>--&gt; Month</source>
        <translation>--&gt; Mois</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>--&gt; Day</source>
        <translation>--&gt; Jour</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>--&gt; Hour</source>
        <translation>--&gt; Heure</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Info</source>
        <translation>Information</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Please query data first</source>
        <translation>Veuillez d&apos;abord afficher les données.</translation>
    </message>
</context>
<context>
    <name>CsvFile</name>
    <message>
        <location filename="../src/history/csvfile.cpp" line="+12"/>
        <source>Save *.csv File</source>
        <translation>Enregistrer le fichier *.csv</translation>
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
        <translation>Export terminé.</translation>
    </message>
</context>
<context>
    <name>DashboardFields</name>
    <message>
        <location filename="../src/ui/views/dashboardfields.cpp" line="+13"/>
        <source>Total Yield</source>
        <translation>Production totale</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Efficiency</source>
        <translation>Rendement</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Earning</source>
        <translation>Gain</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Co2 Reduction</source>
        <translation>CO2 évité</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>DC Power</source>
        <translation>Puissance CC</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>AC Power</source>
        <translation>Puissance CA</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>DC Avg. Power</source>
        <translation>Puissance moyenne CC</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>AC Avg. Power</source>
        <translation>Puissance moyenne CA</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Power Generation</source>
        <translation>Production du jour</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Sensor %1</source>
        <translation>Capteur %1</translation>
    </message>
</context>
<context>
    <name>DataLogView</name>
    <message>
        <location filename="../src/ui/views/datalogview.ui" line="+14"/>
        <source>SN_Name:</source>
        <translation>SN/Nom&#xa0;:</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Month:</source>
        <translation>Mois&#xa0;:</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Year:</source>
        <translation>Année&#xa0;:</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Query</source>
        <translation>Afficher</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Readings</source>
        <translation>Relevés</translation>
    </message>
    <message>
        <location filename="../src/ui/views/datalogview.cpp" line="+66"/>
        <source>info</source>
        <translation>Information</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>No data found!</source>
        <translation>Aucune donnée trouvée.</translation>
    </message>
</context>
<context>
    <name>ErrorTables</name>
    <message>
        <location filename="../src/device/errortables.cpp" line="+20"/>
        <location line="+140"/>
        <source>No AC voltage is detected on the grid side</source>
        <translation>Aucune tension CA détectée côté réseau</translation>
    </message>
    <message>
        <location line="-139"/>
        <location line="+70"/>
        <source>The AC voltage of mains utility is over the upper limit</source>
        <translation>La tension CA du réseau dépasse la limite supérieure</translation>
    </message>
    <message>
        <location line="-69"/>
        <location line="+70"/>
        <source>The AC voltage of mains utility is under the lower limit</source>
        <translation>La tension CA du réseau est sous la limite inférieure</translation>
    </message>
    <message>
        <location line="-69"/>
        <location line="+70"/>
        <source>The frequency of AC voltage of the utility is over the upper limit</source>
        <translation>La fréquence du réseau dépasse la limite supérieure</translation>
    </message>
    <message>
        <location line="-69"/>
        <source>The frequence of AC voltage of the utility is under the lower limit</source>
        <translation>La fréquence du réseau est sous la limite inférieure</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+70"/>
        <source>The AC impedance of the grid is out of range</source>
        <translation>L&apos;impédance du réseau est hors plage</translation>
    </message>
    <message>
        <location line="-69"/>
        <location line="+70"/>
        <source>The rate of change of the AC grid impedance is higher than setting value</source>
        <translation>La variation de l&apos;impédance du réseau dépasse la valeur de consigne</translation>
    </message>
    <message>
        <location line="-69"/>
        <location line="+70"/>
        <source>Islanding is detected</source>
        <translation>Îlotage détecté</translation>
    </message>
    <message>
        <location line="-69"/>
        <source>The drastic change of the leakage current has been detected</source>
        <translation>Variation brutale du courant de fuite détectée</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The leakage current has exceeded a safe operating limit</source>
        <translation>Le courant de fuite a dépassé la limite de fonctionnement sûr</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+70"/>
        <source>Over DC current injected into the AC grid is detected</source>
        <translation>Injection de CC excessive détectée dans le réseau</translation>
    </message>
    <message>
        <location line="-69"/>
        <location line="+70"/>
        <source>Over current on the AC side</source>
        <translation>Surintensité côté CA</translation>
    </message>
    <message>
        <location line="-69"/>
        <location line="+70"/>
        <source>The internal temperature of the inverter exceeded the safe operating limit</source>
        <translation>La température interne de l&apos;onduleur a dépassé la limite de fonctionnement sûr</translation>
    </message>
    <message>
        <location line="-69"/>
        <source>The DC  voltage of PV array is over the upper limit</source>
        <translation>La tension CC du champ PV dépasse la limite supérieure</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The DC  voltage of PV array is under the lower limit</source>
        <translation>La tension CC du champ PV est sous la limite inférieure</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The insulation resistance between PV array and the ground is below the safe operating limit</source>
        <translation>La résistance d&apos;isolement entre le champ PV et la terre est sous la limite de fonctionnement sûr</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+70"/>
        <source>Internal DC bus voltage is over the upper limit</source>
        <translation>La tension du bus CC interne dépasse la limite supérieure</translation>
    </message>
    <message>
        <location line="-69"/>
        <location line="+70"/>
        <source>Internal DC bus voltage is under the lower limit</source>
        <translation>La tension du bus CC interne est sous la limite inférieure</translation>
    </message>
    <message>
        <location line="-69"/>
        <source>Inverter temperature too low</source>
        <translation>Température de l&apos;onduleur trop basse</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+70"/>
        <location line="+2"/>
        <source>Bridge Relay test failed(L)</source>
        <translation>Échec du test du relais de pont (L)</translation>
    </message>
    <message>
        <location line="-71"/>
        <location line="+70"/>
        <location line="+2"/>
        <source>Bridge Relay test failed(N)</source>
        <translation>Échec du test du relais de pont (N)</translation>
    </message>
    <message>
        <location line="-71"/>
        <source>Network Relay test failed(L)</source>
        <translation>Échec du test du relais réseau (L)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Network Relay test failed(N)</source>
        <translation>Échec du test du relais réseau (N)</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+70"/>
        <source>Internal communication failed</source>
        <translation>Défaut de communication interne</translation>
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
        <translation>Défaut de communication externe</translation>
    </message>
    <message>
        <location line="-69"/>
        <location line="+70"/>
        <source>EEPROM failed</source>
        <translation>Défaut EEPROM</translation>
    </message>
    <message>
        <location line="-68"/>
        <source>L-N miswired</source>
        <translation>Câblage L-N incorrect</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+70"/>
        <source>The injection DC current exceeded the standard value</source>
        <translation>L&apos;injection de CC a dépassé la valeur admise par la norme</translation>
    </message>
    <message>
        <location line="-69"/>
        <source>The leakage current measurement selftest failed</source>
        <translation>Échec de l&apos;autotest de la mesure du courant de fuite</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The leakage current measurement function failed</source>
        <translation>Défaut de la fonction de mesure du courant de fuite</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The insulation resistance measurement selftest failed</source>
        <translation>Échec de l&apos;autotest de la mesure de la résistance d&apos;isolement</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+70"/>
        <source>Offset check for grid monitoring failed</source>
        <translation>Échec du contrôle d&apos;offset de la surveillance du réseau</translation>
    </message>
    <message>
        <location line="-69"/>
        <location line="+70"/>
        <source>The internal temperature sensor failed</source>
        <translation>Défaut du capteur de température interne</translation>
    </message>
    <message>
        <location line="-69"/>
        <source>Autotest fail</source>
        <translation>Échec de l&apos;autotest</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delta CPU error, Fac, Vac, Idc, Zac, If, Riso</source>
        <translation>Écart entre les CPU, Fac, Vac, Idc, Zac, If, Riso</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+70"/>
        <source>Debug(GridNA in wait mode)</source>
        <translation>Debug (réseau absent en mode attente)</translation>
    </message>
    <message>
        <location line="-69"/>
        <location line="+70"/>
        <source>Debug(Grid out of range in wait mode)</source>
        <translation>Debug (réseau hors plage en mode attente)</translation>
    </message>
    <message>
        <location line="-69"/>
        <location line="+70"/>
        <source>No output current</source>
        <translation>Aucun courant de sortie</translation>
    </message>
    <message>
        <location line="-68"/>
        <location line="+70"/>
        <source>Over current of input current IpvA</source>
        <translation>Surintensité d&apos;entrée IpvA</translation>
    </message>
    <message>
        <location line="-69"/>
        <source>Over current of input current IpvB</source>
        <translation>Surintensité d&apos;entrée IpvB</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Over current of input current IpvC</source>
        <translation>Surintensité d&apos;entrée IpvC</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+70"/>
        <source>AC grid impedance out of range, continuously</source>
        <translation>Impédance du réseau hors plage, de façon persistante</translation>
    </message>
    <message>
        <location line="-69"/>
        <source>The rate of change of aC grid impedance out of range, continuously</source>
        <translation>Variation de l&apos;impédance du réseau hors plage, de façon persistante</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The drastic change of leakage current has been detected, continuously</source>
        <translation>Variation brutale du courant de fuite détectée de façon persistante</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The leakage current has exceeded a safe operationg limit, continuously</source>
        <translation>Le courant de fuite a dépassé la limite de fonctionnement sûr, de façon persistante</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+70"/>
        <source>AC over current, continuously</source>
        <translation>Surintensité CA, de façon persistante</translation>
    </message>
    <message>
        <location line="-69"/>
        <location line="+70"/>
        <location line="+69"/>
        <source>Relay test failed, continuously</source>
        <translation>Échec du test des relais, de façon persistante</translation>
    </message>
    <message>
        <location line="-138"/>
        <location line="+70"/>
        <source>Memory self test failed</source>
        <translation>Échec de l&apos;autotest de la mémoire</translation>
    </message>
    <message>
        <location line="-69"/>
        <location line="+70"/>
        <source>Calibrate value is out of range</source>
        <translation>Valeur d&apos;étalonnage hors plage</translation>
    </message>
    <message>
        <location line="-69"/>
        <location line="+70"/>
        <source>Self test error(EEPROM data loss)</source>
        <translation>Erreur d&apos;autotest (perte des données EEPROM)</translation>
    </message>
    <message>
        <location line="-69"/>
        <location line="+70"/>
        <source>The firmware version error</source>
        <translation>Version du micrologiciel erronée</translation>
    </message>
    <message>
        <location line="-69"/>
        <location line="+70"/>
        <source>Internal measurement comparison error or defective hardware</source>
        <translation>Erreur de comparaison des mesures internes ou matériel défectueux</translation>
    </message>
    <message>
        <location line="-69"/>
        <location line="+70"/>
        <source>Internal watchdog function triggered</source>
        <translation>Déclenchement du chien de garde interne</translation>
    </message>
    <message>
        <location line="-69"/>
        <location line="+70"/>
        <source>The system failed</source>
        <translation>Défaut du système</translation>
    </message>
    <message>
        <location line="-69"/>
        <location line="+70"/>
        <source>SPI test failed</source>
        <translation>Échec du test SPI</translation>
    </message>
    <message>
        <location line="-69"/>
        <location line="+70"/>
        <location line="+66"/>
        <source>Calibration data is lost</source>
        <translation>Données d&apos;étalonnage perdues</translation>
    </message>
    <message>
        <location line="-132"/>
        <source>No  AC voltage is detected on the grid side</source>
        <translation>Aucune tension CA détectée côté réseau</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The frequency of AC voltage of the utility is under the lower limit</source>
        <translation>La fréquence du réseau est sous la limite inférieure</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Auto test failed</source>
        <translation>Échec de l&apos;autotest</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The internal temperature of the inverter is under the lower limit</source>
        <translation>La température interne de l&apos;onduleur est sous la limite inférieure</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The DC voltage of PV array is over the upper limit</source>
        <translation>La tension CC du champ PV dépasse la limite supérieure</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The DC voltage of PV array is under the lower limit</source>
        <translation>La tension CC du champ PV est sous la limite inférieure</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DC/DC HW Failure</source>
        <translation>Défaut matériel CC/CC</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>GFDI fault</source>
        <translation>Défaut GFDI</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+29"/>
        <source>Ibuck over current</source>
        <translation>Surintensité Ibuck</translation>
    </message>
    <message>
        <location line="-28"/>
        <source>MOV AC side fault</source>
        <translation>Défaut MOV côté CA</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>MOV DC side fault</source>
        <translation>Défaut MOV côté CC</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>FAN blocking</source>
        <translation>Ventilateur bloqué</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Vrms of L1-N out of maximum value</source>
        <translation>Vrms L1-N au-dessus de la valeur maximale</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Vrms of L1-N out of minimum value</source>
        <translation>Vrms L1-N sous la valeur minimale</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Vrms of L2-N out of maximum value</source>
        <translation>Vrms L2-N au-dessus de la valeur maximale</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Driver fault</source>
        <translation>Défaut du driver</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Vrms of L2-N out of minimum value</source>
        <translation>Vrms L2-N sous la valeur minimale</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delta CPU error Fac, Vac, Idc, Zac, If, Riso</source>
        <translation>Écart entre les CPU, Fac, Vac, Idc, Zac, If, Riso</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Input limit by Ibuck(average or peak</source>
        <translation>Entrée limitée par Ibuck (valeur moyenne ou crête)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Buck not work, Vdcbus not enough</source>
        <translation>Buck hors service, Vdcbus insuffisante</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The rate of change of the AC grid impedance out of range, continuously</source>
        <translation>Variation de l&apos;impédance du réseau hors plage, de façon persistante</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Driver fault, continuously</source>
        <translation>Défaut du driver, de façon persistante</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>DC/DC H/W Failure, continuously</source>
        <translation>Défaut matériel CC/CC, de façon persistante</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>The AC voltage of utility grid is over the upper limit.</source>
        <translation>La tension CA du réseau dépasse la limite supérieure.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The AC voltage of utility grid is under the lower limit.</source>
        <translation>La tension CA du réseau est sous la limite inférieure.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The frequency of AC voltage of the utility is over the upper limit.</source>
        <translation>La fréquence du réseau dépasse la limite supérieure.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The frequency of AC voltage of the utility is under the lower limit.</source>
        <translation>La fréquence du réseau est sous la limite inférieure.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>One/Two phase disconnection.</source>
        <translation>Déconnexion d&apos;une ou deux phases.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>L2, L3 reversed phase sequence.</source>
        <translation>Ordre des phases L2, L3 inversé.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Islanding is detected.</source>
        <translation>Îlotage détecté.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The drastic change of the leakage current has been detected.</source>
        <translation>Variation brutale du courant de fuite détectée.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The leakage current has exceeded a safe operating limit.</source>
        <translation>Le courant de fuite a dépassé la limite de fonctionnement sûr.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Over DC current injected into the AC grid is detected.</source>
        <translation>Injection de CC excessive détectée dans le réseau.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Over current on the grid side.</source>
        <translation>Surintensité côté réseau.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The AC current is over the upper limit.</source>
        <translation>Le courant CA dépasse la limite supérieure.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The insulation resistance between PV array and the ground is below the safe operating limit.</source>
        <translation>La résistance d&apos;isolement entre le champ PV et la terre est sous la limite de fonctionnement sûr.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The DC voltage of PV array is over the upper limit.</source>
        <translation>La tension CC du champ PV dépasse la limite supérieure.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Over current on the DC side.</source>
        <translation>Surintensité côté CC.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Over power on the DC side.</source>
        <translation>Surpuissance côté CC.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Internal DC bus voltage is over the upper limit.</source>
        <translation>La tension du bus CC interne dépasse la limite supérieure.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Internal DC bus voltage is below the lower limit.</source>
        <translation>La tension du bus CC interne est sous la limite inférieure.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The internal temperature of the inverter exceeded the safe operating limit.</source>
        <translation>La température interne de l&apos;onduleur a dépassé la limite de fonctionnement sûr.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Internal measurement comparison error or defective hardware.</source>
        <translation>Erreur de comparaison des mesures internes ou matériel défectueux.</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+38"/>
        <source>The system is failed.</source>
        <translation>Défaut du système.</translation>
    </message>
    <message>
        <location line="-37"/>
        <source>Auto test is failed</source>
        <translation>Échec de l&apos;autotest</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The internal temperature of the inverter below the safe operating limit.</source>
        <translation>La température interne de l&apos;onduleur est sous la limite de fonctionnement sûr.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The output relay is open.</source>
        <translation>Le relais de sortie est ouvert.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The output relay is short.</source>
        <translation>Le relais de sortie est en court-circuit.</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+17"/>
        <source>The leakage current measurement device is failure.</source>
        <translation>Défaut du dispositif de mesure du courant de fuite.</translation>
    </message>
    <message>
        <location line="-16"/>
        <source>Input current sensor is failure.</source>
        <translation>Défaut du capteur de courant d&apos;entrée.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Output current sensor is failure.</source>
        <translation>Défaut du capteur de courant de sortie.</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+16"/>
        <source>The DC injection current monitoring function failure.</source>
        <translation>Défaut de la fonction de surveillance de l&apos;injection de CC.</translation>
    </message>
    <message>
        <location line="-15"/>
        <source>Internal communication is failed.</source>
        <translation>Défaut de communication interne.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>EEPROM test failed. *waring message</source>
        <translation>Échec du test EEPROM. *message d&apos;avertissement</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <source>The fan is lock.  *waring message</source>
        <translation>Ventilateur bloqué.  *message d&apos;avertissement</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>External communication failed  *waring message</source>
        <translation>Défaut de communication externe  *message d&apos;avertissement</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Internal reference voltage failed, +1.5VA,+1.5VB.</source>
        <translation>Défaut de la tension de référence interne, +1.5VA,+1.5VB.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Internal reference voltage failed, +1.5VA,+1.5VB</source>
        <translation>Défaut de la tension de référence interne, +1.5VA,+1.5VB</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The DC/DC converter is failure.</source>
        <translation>Défaut du convertisseur CC/CC.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Hall sensor failed</source>
        <translation>Défaut du capteur à effet Hall</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>EEPROM test failed</source>
        <translation>Échec du test EEPROM</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The firmware version is not correct</source>
        <translation>La version du micrologiciel est incorrecte</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Internal measurement comparison error or defective hardware, continuously</source>
        <translation>Erreur de comparaison des mesures internes ou matériel défectueux, de façon persistante</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The mismatch of hardware MODEL setting and CPU setting.</source>
        <translation>Le réglage MODEL du matériel ne correspond pas à celui de la CPU.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Internal communication test failed</source>
        <translation>Échec du test de communication interne</translation>
    </message>
</context>
<context>
    <name>EventListView</name>
    <message>
        <location filename="../src/ui/views/eventlistview.ui" line="+14"/>
        <source>SN_Name:</source>
        <translation>SN/Nom&#xa0;:</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Year:</source>
        <translation>Année&#xa0;:</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Month:</source>
        <translation>Mois&#xa0;:</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Query</source>
        <translation>Afficher</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Events</source>
        <translation>Événements</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Date / Time</source>
        <translation>Date / heure</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>State</source>
        <translation>État</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Error_Code_1</source>
        <translation>Code d&apos;erreur 1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Error_Code_2</source>
        <translation>Code d&apos;erreur 2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Error_Code_3</source>
        <translation>Code d&apos;erreur 3</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Error_Code_4</source>
        <translation>Code d&apos;erreur 4</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Error description</source>
        <translation>Description de l&apos;erreur</translation>
    </message>
    <message>
        <location filename="../src/ui/views/eventlistview.cpp" line="+66"/>
        <source>Info</source>
        <translation>Information</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>No error events happened!</source>
        <translation>Aucun événement d&apos;erreur ne s&apos;est produit.</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Error Code %1-&gt; </source>
        <translation>Code d&apos;erreur %1-&gt; </translation>
    </message>
    <message>
        <location line="+3"/>
        <source>State code-&gt; </source>
        <translation>Code d&apos;état-&gt; </translation>
    </message>
</context>
<context>
    <name>KeyParameterCodes</name>
    <message>
        <location filename="../src/device/keyparametercodes.cpp" line="+20"/>
        <source>Link quality</source>
        <translation>Qualité de liaison</translation>
    </message>
</context>
<context>
    <name>KeyParametersView</name>
    <message>
        <location filename="../src/ui/views/keyparametersview.ui" line="+11"/>
        <source>Columns:</source>
        <translation>Colonnes&#xa0;:</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>Key parameters</source>
        <translation>Paramètres clés</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Inverter</source>
        <translation>Onduleur</translation>
    </message>
</context>
<context>
    <name>LanguageDialog</name>
    <message>
        <location filename="../src/ui/languagedialog.cpp" line="+14"/>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
</context>
<context>
    <name>LanguageMenus</name>
    <message>
        <location filename="../src/ui/languagemenus.cpp" line="+48"/>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>Language change</source>
        <translation>Changement de langue</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The language changes will take effect when you restart the application.</source>
        <translation>La nouvelle langue sera appliquée au prochain démarrage de l&apos;application.</translation>
    </message>
</context>
<context>
    <name>Languages</name>
    <message>
        <location filename="../src/base/languages.cpp" line="+10"/>
        <source>English</source>
        <translation>Anglais</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Italian</source>
        <translation>Italien</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Traditional Chinese</source>
        <translation>Chinois traditionnel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Spanish</source>
        <translation>Espagnol</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>French</source>
        <translation>Français</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>German</source>
        <translation>Allemand</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Simplified Chinese</source>
        <translation>Chinois simplifié</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Korean</source>
        <translation>Coréen</translation>
    </message>
</context>
<context>
    <name>LineChoice</name>
    <message>
        <location filename="../src/ui/dialogs/linechoice.cpp" line="+18"/>
        <source>%1 (not present)</source>
        <translation>%1 (absent)</translation>
    </message>
</context>
<context>
    <name>LineHealthDialog</name>
    <message>
        <location filename="../src/ui/dialogs/linehealthdialog.cpp" line="+41"/>
        <source>Line health</source>
        <translation>État de la ligne</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Device</source>
        <translation>Appareil</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Link
quality %</source>
        <translation>Qualité
(%)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Exchanges</source>
        <translation>Échanges</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>First
try</source>
        <translation>Du premier
coup</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>After a
retry</source>
        <translation>Après
reprise</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Timeouts</source>
        <translation>Délais
dépassés</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>CRC
errors</source>
        <translation>Erreurs
CRC</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Short
replies</source>
        <translation>Réponses
courtes</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Wrong address /
function / length</source>
        <translation>Erronées :
adresse /
fonction /
longueur</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Round trip (ms)
last / mean / 95 %</source>
        <translation>Aller-retour (ms)
dernier / moyen /
95 %</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Counts since the program started. Exchanges: requests with their retry. Link quality: the share answered correctly on the first try; below 95 % the device is marked.</source>
        <translation>Comptes depuis le démarrage du programme. Échanges : requêtes avec leur reprise. Qualité de liaison : la part des réponses correctes du premier coup ; en dessous de 95 % l&apos;appareil est signalé.</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>Sensor %1</source>
        <translation>Capteur %1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Inverter %1</source>
        <translation>Onduleur %1</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Link quality below 95 %: check the cable, its terminator and the device&apos;s transceiver.</source>
        <translation>Qualité de liaison inférieure à 95 % : vérifiez le câble, sa terminaison et l&apos;émetteur-récepteur de l&apos;appareil.</translation>
    </message>
</context>
<context>
    <name>MailSettings</name>
    <message>
        <location filename="../src/monitor/mailsettings.cpp" line="+79"/>
        <source>Apply</source>
        <translation>Appliquer</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Please input all fields.</source>
        <translation>Veuillez remplir tous les champs.</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+10"/>
        <source>Fail</source>
        <translation>Impossible d&apos;enregistrer les paramètres.</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>OK</source>
        <translation>Paramètres enregistrés.</translation>
    </message>
</context>
<context>
    <name>MailTester</name>
    <message>
        <location filename="../src/monitor/mailtester.cpp" line="+22"/>
        <source>Please waiting...</source>
        <translation>Veuillez patienter...</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+11"/>
        <location line="+4"/>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <location line="-14"/>
        <location line="+10"/>
        <source>Some fields is not valid.</source>
        <translation>Certains champs ne sont pas valides.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Please type at least one recipient.</source>
        <translation>Veuillez saisir au moins un destinataire.</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Send failed.
%1 mails failed since the mail settings were applied: no mail is sent until they are applied again.</source>
        <translation>Échec de l&apos;envoi.
%1 e-mails ont échoué depuis l&apos;application des paramètres de messagerie&#xa0;: aucun e-mail ne sera envoyé tant qu&apos;ils ne seront pas appliqués à nouveau.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Test Connect</source>
        <translation>Test de connexion</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Test success</source>
        <translation>Test réussi</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Test fail</source>
        <translation>Échec du test</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Send Test Mail</source>
        <translation>Envoyer un e-mail de test</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Send success.</source>
        <translation>Envoi réussi.</translation>
    </message>
    <message>
        <location line="-20"/>
        <source>Send failed.</source>
        <translation>Échec de l&apos;envoi.</translation>
    </message>
</context>
<context>
    <name>MonitorControl</name>
    <message>
        <location filename="../src/ui/monitorcontrol.cpp" line="+54"/>
        <source>Communication Testing...</source>
        <translation>Test de la communication...</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Info</source>
        <translation>Information</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The last monitoring has not ended yet. Please try again in a moment.</source>
        <translation>La surveillance précédente n&apos;est pas encore terminée. Veuillez réessayer dans un instant.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Starting monitoring...</source>
        <translation>Démarrage de la surveillance...</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Stopping monitoring...</source>
        <translation>Arrêt de la surveillance...</translation>
    </message>
    <message>
        <location line="+93"/>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The line is being searched for inverters. Please try again when the search has ended.</source>
        <translation>La recherche d&apos;onduleurs sur la ligne est en cours. Veuillez réessayer une fois la recherche terminée.</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>Not ready</source>
        <translation>Pas prêt</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Ready for monitoring...</source>
        <translation>Prêt pour la surveillance...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Monitoring...</source>
        <translation>Surveillance en cours...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Searching for inverters...</source>
        <translation>Recherche des onduleurs en cours...</translation>
    </message>
</context>
<context>
    <name>MonitorTables</name>
    <message>
        <location filename="../src/device/monitortables.cpp" line="+115"/>
        <source>Sensor 1</source>
        <translation>Capteur 1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sensor 2</source>
        <translation>Capteur 2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sensor 3</source>
        <translation>Capteur 3</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sensor 4</source>
        <translation>Capteur 4</translation>
    </message>
</context>
<context>
    <name>MonitoringSession</name>
    <message>
        <location filename="../src/monitor/monitoringsession.cpp" line="+73"/>
        <location line="+11"/>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <location line="-9"/>
        <source>COM%1 is not available!</source>
        <translation>COM%1 n&apos;est pas disponible&#xa0;!</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Communication fail! Please check out your COM Port settings, then search inverters again.</source>
        <translation>Échec de la communication&#xa0;! Veuillez vérifier les paramètres du port COM, puis relancer la recherche des onduleurs.</translation>
    </message>
</context>
<context>
    <name>MqttConnection</name>
    <message>
        <location filename="../src/publish/mqttconnection.cpp" line="+112"/>
        <source>The MQTT broker at %1 does not answer.</source>
        <translation>Le broker MQTT à %1 ne répond pas.</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>The MQTT client could not be set up (out of memory).</source>
        <translation>Le client MQTT n&apos;a pas pu être préparé (mémoire épuisée).</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>The CA file &quot;%1&quot; cannot be read.</source>
        <translation>Le fichier CA «&#xa0;%1&#xa0;» ne peut pas être lu.</translation>
    </message>
    <message>
        <location line="+53"/>
        <source>The connection to the MQTT broker at %1 was lost.</source>
        <translation>La connexion au broker MQTT à %1 a été perdue.</translation>
    </message>
    <message>
        <location line="+146"/>
        <source>The MQTT broker &quot;%1&quot; cannot be found: there is no such host.</source>
        <translation>Le broker MQTT «&#xa0;%1&#xa0;» est introuvable&#xa0;: cet hôte n&apos;existe pas.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The TLS connection to the MQTT broker at %1 failed: its certificate is not trusted (check the CA file and the host name) or it does not speak TLS on this port.</source>
        <translation>La connexion TLS au broker MQTT à %1 a échoué&#xa0;: son certificat n&apos;est pas reconnu (vérifiez le fichier CA et le nom d&apos;hôte) ou il ne parle pas TLS sur ce port.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The MQTT broker at %1 refuses connections: is it running, and is the port right?</source>
        <translation>Le broker MQTT à %1 refuse les connexions&#xa0;: est-il démarré, et le port est-il le bon&#xa0;?</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The MQTT broker at %1 cannot be reached: %2.</source>
        <translation>Le broker MQTT à %1 est injoignable&#xa0;: %2.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The MQTT broker at %1 closed the connection before it was set up.</source>
        <translation>Le broker MQTT à %1 a fermé la connexion avant qu&apos;elle ne soit établie.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The connection to the MQTT broker at %1 failed: %2</source>
        <translation>La connexion au broker MQTT à %1 a échoué&#xa0;: %2</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The MQTT broker at %1 refused the client id &quot;%2&quot;.</source>
        <translation>Le broker MQTT à %1 a refusé l&apos;identifiant client «&#xa0;%2&#xa0;».</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The MQTT broker at %1 refused the connection without a login: please enter a user name and password.</source>
        <translation>Le broker MQTT à %1 a refusé la connexion sans identification&#xa0;: saisissez un nom d&apos;utilisateur et un mot de passe.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The MQTT broker at %1 refused the login of &quot;%2&quot;: wrong user name or password, or the user may not connect.</source>
        <translation>Le broker MQTT à %1 a refusé l&apos;identification de «&#xa0;%2&#xa0;»&#xa0;: nom d&apos;utilisateur ou mot de passe erroné, ou l&apos;utilisateur n&apos;a pas le droit de se connecter.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The MQTT broker at %1 refused the connection: %2</source>
        <translation>Le broker MQTT à %1 a refusé la connexion&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>MqttDialog</name>
    <message>
        <location filename="../src/ui/dialogs/mqttdialog.cpp" line="+85"/>
        <source>Topics: %1, %2, %3.</source>
        <translation>Sujets&#xa0;: %1, %2, %3.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Home Assistant finds the inverters under %1/sensor/.</source>
        <translation>Home Assistant trouve les onduleurs sous %1/sensor/.</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>CA file</source>
        <translation>Fichier CA</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Certificates (*.pem *.crt *.cer);;All files (*)</source>
        <translation>Certificats (*.pem *.crt *.cer);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <location line="+11"/>
        <location line="+27"/>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <location line="-3"/>
        <source>Info</source>
        <translation>Information</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Connected to the MQTT broker at %1.</source>
        <translation>Connecté au broker MQTT à %1.</translation>
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
        <translation>Publier chaque cycle d&apos;interrogation sur un broker MQTT</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Broker host:</source>
        <translation>Hôte du broker&#xa0;:</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Port:</source>
        <translation>Port&#xa0;:</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>User:</source>
        <translation>Utilisateur&#xa0;:</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Password:</source>
        <translation>Mot de passe&#xa0;:</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Client id:</source>
        <translation>Identifiant client&#xa0;:</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Topic prefix:</source>
        <translation>Préfixe des sujets&#xa0;:</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>QoS:</source>
        <translation>QoS&#xa0;:</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>0: at most once</source>
        <translation>0&#xa0;: au plus une fois</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>1: at least once</source>
        <translation>1&#xa0;: au moins une fois</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>2: exactly once</source>
        <translation>2&#xa0;: exactement une fois</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Home Assistant discovery prefix:</source>
        <translation>Préfixe de découverte Home Assistant&#xa0;:</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>empty: no discovery</source>
        <translation>vide&#xa0;: pas de découverte</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Retain the state messages for newcomers</source>
        <translation>Conserver les messages d&apos;état pour les nouveaux abonnés (retain)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>TLS (the broker&apos;s certificate is always verified)</source>
        <translation>TLS (le certificat du broker est toujours vérifié)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>CA file:</source>
        <translation>Fichier CA&#xa0;:</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>trusted besides the system&apos;s certificates</source>
        <translation>reconnu en plus des certificats du système</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>&amp;Test connection</source>
        <translation>&amp;Tester la connexion</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>&amp;Cancel</source>
        <translation>A&amp;nnuler</translation>
    </message>
</context>
<context>
    <name>MqttSettings</name>
    <message>
        <location filename="../src/publish/mqttsettings.cpp" line="+62"/>
        <source>Please enter the host name or address of the MQTT broker.</source>
        <translation>Saisissez le nom d&apos;hôte ou l&apos;adresse du broker MQTT.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The MQTT port must be a number from 1 to 65535.</source>
        <translation>Le port MQTT doit être un nombre de 1 à 65535.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The MQTT QoS must be 0, 1 or 2.</source>
        <translation>La QoS MQTT doit valoir 0, 1 ou 2.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Please enter an MQTT client id.</source>
        <translation>Saisissez un identifiant client MQTT.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Topic prefixes must not be empty or contain &quot;+&quot; or &quot;#&quot;.</source>
        <translation>Les préfixes de sujets ne doivent pas être vides ni contenir «&#xa0;+&#xa0;» ou «&#xa0;#&#xa0;».</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>A password needs a user name.</source>
        <translation>Un mot de passe demande un nom d&apos;utilisateur.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The CA file &quot;%1&quot; cannot be read.</source>
        <translation>Le fichier CA «&#xa0;%1&#xa0;» ne peut pas être lu.</translation>
    </message>
</context>
<context>
    <name>PageOutput</name>
    <message>
        <location filename="../src/ui/pageoutput.cpp" line="+16"/>
        <source>Print Document</source>
        <translation>Imprimer le document</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Save File</source>
        <translation>Enregistrer le fichier</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Images (*.bmp *.jpg)</source>
        <translation>Images (*.bmp *.jpg)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Info</source>
        <translation>Information</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Save OK.</source>
        <translation>Enregistrement réussi.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Can not save image file!</source>
        <translation>Impossible d&apos;enregistrer le fichier image&#xa0;!</translation>
    </message>
</context>
<context>
    <name>ParamTables</name>
    <message>
        <location filename="../src/device/paramtables.cpp" line="+266"/>
        <source>Language (LCD)</source>
        <translation>Langue (LCD)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Alarm</source>
        <translation>Alarme</translation>
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
        <translation>Paramètres</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Parameter Name</source>
        <translation>Nom du paramètre</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Value</source>
        <translation>Valeur</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Input new value:</source>
        <translation>Nouvelle valeur&#xa0;:</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Range:</source>
        <translation>Plage&#xa0;:</translation>
    </message>
    <message>
        <location filename="../src/ui/views/parameterview.cpp" line="+135"/>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>The value is not valid!</source>
        <translation>La valeur n&apos;est pas valide&#xa0;!</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>Setting parameter, please waiting...</source>
        <translation>Réglage du paramètre, veuillez patienter...</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Save fail.</source>
        <translation>Échec de l&apos;enregistrement.</translation>
    </message>
    <message>
        <location line="-1"/>
        <source>continue to monitoring, please waiting...</source>
        <translation>Reprise de la surveillance, veuillez patienter...</translation>
    </message>
</context>
<context>
    <name>PortRefusal</name>
    <message>
        <location filename="../src/monitor/portrefusal.cpp" line="+30"/>
        <source>COM%1 (%2) is there, but this user may not open it. Add the user to the dialout group (sudo adduser %3 dialout), then log out and in again.</source>
        <translation>COM%1 (%2) est présent, mais cet utilisateur n&apos;a pas le droit de l&apos;ouvrir. Ajoutez l&apos;utilisateur au groupe dialout (sudo adduser %3 dialout), puis fermez la session et rouvrez-la.</translation>
    </message>
</context>
<context>
    <name>QAbout</name>
    <message>
        <location filename="../src/ui/dialogs/qabout.cpp" line="+18"/>
        <source>set by LUMORA_HOME</source>
        <translation>défini par LUMORA_HOME</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the program&apos;s own folder</source>
        <translation>le dossier du programme</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>your data folder</source>
        <translation>votre dossier de données</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&lt;b&gt;Supported inverters:&lt;/b&gt; the Lumora families %1, among them the models %2; up to four Modbus RTU sensors on the same line.</source>
        <translation>&lt;b&gt;Onduleurs pris en charge&#xa0;:&lt;/b&gt; les familles Lumora %1, dont les modèles %2&#xa0;; jusqu&apos;à quatre capteurs Modbus RTU sur la même ligne.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&lt;b&gt;Built with:&lt;/b&gt; Qt %1, Qwt %2, SQLite %3.</source>
        <translation>&lt;b&gt;Réalisé avec&#xa0;:&lt;/b&gt; Qt %1, Qwt %2, SQLite %3.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&lt;b&gt;Application directory:&lt;/b&gt; %1 (%2)</source>
        <translation>&lt;b&gt;Dossier de l&apos;application&#xa0;:&lt;/b&gt; %1 (%2)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&lt;b&gt;Icons:&lt;/b&gt; Silk icon set by Mark James, &lt;a href=&quot;http://www.famfamfam.com/lab/icons/silk/&quot;&gt;famfamfam.com&lt;/a&gt;, licensed under the &lt;a href=&quot;https://creativecommons.org/licenses/by/2.5/&quot;&gt;Creative Commons Attribution 2.5&lt;/a&gt; licence (Debian package famfamfam-silk). Flag icons by Mark James, &lt;a href=&quot;http://www.famfamfam.com/lab/icons/flags/&quot;&gt;famfamfam.com&lt;/a&gt; (Debian package famfamfam-flag-png).</source>
        <translation>&lt;b&gt;Icônes&#xa0;:&lt;/b&gt; jeu d&apos;icônes Silk de Mark James, &lt;a href=&quot;http://www.famfamfam.com/lab/icons/silk/&quot;&gt;famfamfam.com&lt;/a&gt;, sous licence &lt;a href=&quot;https://creativecommons.org/licenses/by/2.5/&quot;&gt;Creative Commons Attribution 2.5&lt;/a&gt; (paquet Debian famfamfam-silk). Icônes de drapeaux de Mark James, &lt;a href=&quot;http://www.famfamfam.com/lab/icons/flags/&quot;&gt;famfamfam.com&lt;/a&gt; (paquet Debian famfamfam-flag-png).</translation>
    </message>
</context>
<context>
    <name>QAboutClass</name>
    <message>
        <location filename="../src/ui/dialogs/qabout.ui" line="+6"/>
        <source>About</source>
        <translation>À propos</translation>
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
        <translation>Sélectionner un fichier image</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Image Files (*.png *.jpg *.bmp)</source>
        <translation>Fichiers image (*.png *.jpg *.bmp)</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+4"/>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <location line="-4"/>
        <source>This file name exists already.</source>
        <translation>Un fichier portant ce nom existe déjà.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Can not copy the image file.</source>
        <translation>Impossible de copier le fichier image.</translation>
    </message>
</context>
<context>
    <name>QBackgroundDlgClass</name>
    <message>
        <location filename="../src/ui/dialogs/qbackgrounddlg.ui" line="+6"/>
        <source>Background Graphics</source>
        <translation>Images de fond</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Graphics List</source>
        <translation>Liste des images</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Background pictures</source>
        <translation>Images d&apos;arrière-plan</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Add external image</source>
        <translation>Ajouter une image externe</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Clear Background</source>
        <translation>Supprimer le fond</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Apply</source>
        <translation>Appliquer</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>QBurnSearch</name>
    <message>
        <location filename="../src/monitor/qburnsearch.cpp" line="+64"/>
        <source>Confirm</source>
        <translation>Confirmation</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Auto change the duplicate Inverter ID?</source>
        <translation>Modifier automatiquement l&apos;ID d&apos;onduleur en double&#xa0;?</translation>
    </message>
</context>
<context>
    <name>QConfigWizard</name>
    <message>
        <location filename="../src/ui/dialogs/qconfigwizard.cpp" line="+109"/>
        <source>Not found</source>
        <translation>Aucun résultat</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>No inverters found</source>
        <translation>Aucun onduleur trouvé</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>This COM port is not available</source>
        <translation>Ce port COM n&apos;est pas disponible</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>%1 inverters found.</source>
        <translation>Onduleurs trouvés&#xa0;: %1.</translation>
    </message>
</context>
<context>
    <name>QConfigWizardClass</name>
    <message>
        <location filename="../src/ui/dialogs/qconfigwizard.ui" line="+14"/>
        <source>Configuration Wizard</source>
        <translation>Assistant de configuration</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Introduction</source>
        <translation>Introduction</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Welcome to use the configuration wizard. This wizard will help you to set up the Lumora Data Manager.</source>
        <translation>Bienvenue dans l&apos;assistant de configuration. Cet assistant vous aide à configurer Lumora Data Manager.</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Serial Port Settings:</source>
        <translation>Paramètres du port série&#xa0;:</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>COM Port:</source>
        <translation>Port COM&#xa0;:</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Refresh</source>
        <translation>Actualiser</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Baudrate:</source>
        <translation>Débit (bauds)&#xa0;:</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Search  for inverters</source>
        <translation>Recherche des onduleurs</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>You can search inverters using the previous settings now.</source>
        <translation>Vous pouvez maintenant rechercher les onduleurs avec les paramètres de la page précédente.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Search for inverters:</source>
        <translation>Rechercher les onduleurs&#xa0;:</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Search </source>
        <translation>Rechercher </translation>
    </message>
    <message>
        <location line="+38"/>
        <source>0 inverters found.</source>
        <translation>Onduleurs trouvés&#xa0;: 0.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Auto search:</source>
        <translation>Recherche automatique&#xa0;:</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Minutes between automatic searches</source>
        <translation>Minutes entre les recherches automatiques</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>minutes</source>
        <translation>minutes</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Change duplicate inverter IDs in automatic searches</source>
        <translation>Modifier les ID d&apos;onduleur en double lors des recherches automatiques</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Congratulation!</source>
        <translation>Félicitations&#xa0;!</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>You have completed the wizard, you can start monitoring right now.</source>
        <translation>Vous avez terminé l&apos;assistant&#xa0;; vous pouvez démarrer la surveillance dès maintenant.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Start monitoring now</source>
        <translation>Démarrer la surveillance maintenant</translation>
    </message>
</context>
<context>
    <name>QDiagnosticsClass</name>
    <message>
        <location filename="../src/ui/dialogs/qdiagnostics.ui" line="+17"/>
        <source>Direct Command</source>
        <translation>Commande directe</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Command</source>
        <translation>Commande</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Slave Addr</source>
        <translation>Adr. esclave</translation>
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
        <translation>Code fonction</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>03</source>
        <translation>03</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Data Address</source>
        <translation>Adresse des données</translation>
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
        <translation>Longueur des données</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>Send</source>
        <translation>Envoyer</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Output command:</source>
        <translation>Commande envoyée&#xa0;:</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Response message:</source>
        <translation>Message de réponse&#xa0;:</translation>
    </message>
</context>
<context>
    <name>QFontSettingsClass</name>
    <message>
        <location filename="../src/ui/dialogs/qfontsettings.ui" line="+6"/>
        <source>Fonts and Colors</source>
        <translation>Polices et couleurs</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Title:</source>
        <translation>Titre&#xa0;:</translation>
    </message>
    <message>
        <location line="+7"/>
        <location line="+34"/>
        <location line="+28"/>
        <source>font...</source>
        <translation>police...</translation>
    </message>
    <message>
        <location line="-55"/>
        <location line="+34"/>
        <location line="+28"/>
        <source>color...</source>
        <translation>couleur...</translation>
    </message>
    <message>
        <location line="-49"/>
        <location line="+28"/>
        <location line="+28"/>
        <source>Sample</source>
        <translation>Exemple</translation>
    </message>
    <message>
        <location line="-49"/>
        <source>Information:</source>
        <translation>Informations&#xa0;:</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Message:</source>
        <translation>Message&#xa0;:</translation>
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
        <translation>Date/heure</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>SN_Name</source>
        <translation>SN/Nom</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>State</source>
        <translation>État</translation>
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
        <translation>Heure de début/fin d&apos;enregistrement</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The Settings of start record time and stop record time is error!</source>
        <translation>Les heures de début et de fin d&apos;enregistrement ne sont pas valides&#xa0;!</translation>
    </message>
</context>
<context>
    <name>QMainViewConfigClass</name>
    <message>
        <location filename="../src/ui/dialogs/qmainviewconfig.ui" line="+6"/>
        <source>Main View Configuration</source>
        <translation>Configuration de la vue principale</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Main View </source>
        <translation>Vue principale </translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Save interval</source>
        <translation>Intervalle d&apos;enregistrement</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>minutes</source>
        <translation>minutes</translation>
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
        <translation>Plage horaire d&apos;enregistrement</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Automatic</source>
        <translation>Automatique</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Manual</source>
        <translation>Manuelle</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Start record time:</source>
        <translation>Début d&apos;enregistrement&#xa0;:</translation>
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
        <translation>Fin d&apos;enregistrement&#xa0;:</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Earning Settings</source>
        <translation>Paramètres de gain</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Earning:</source>
        <translation>Gain&#xa0;:</translation>
    </message>
    <message>
        <location line="+29"/>
        <source> / kWh</source>
        <translation> / kWh</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Message Display:</source>
        <translation>Message affiché&#xa0;:</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Title Display:</source>
        <translation>Titre affiché&#xa0;:</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Advanced Settings</source>
        <translation>Paramètres avancés</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Select All</source>
        <translation>Tout sélectionner</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Clear All</source>
        <translation>Tout désélectionner</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Default</source>
        <translation>Par défaut</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>&lt;b&gt;Arrangement: (press mouse to move)&lt;/b&gt;</source>
        <translation>&lt;b&gt;Disposition&#xa0;: (maintenez le bouton de la souris enfoncé pour déplacer)&lt;/b&gt;</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Arrangement</source>
        <translation>Disposition</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Click and Move</source>
        <translation>Cliquer et déplacer</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Default Sequence</source>
        <translation>Ordre par défaut</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Apply</source>
        <translation>Appliquer</translation>
    </message>
</context>
<context>
    <name>QMyTreeWidget</name>
    <message>
        <location filename="../src/ui/views/qmytreewidget.cpp" line="+27"/>
        <location line="+1"/>
        <source>Inverters</source>
        <translation>Onduleurs</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>You can use &apos;Drag and Drop&apos; to move inverter to the group.</source>
        <translation>Vous pouvez déplacer un onduleur vers un groupe par glisser-déposer.</translation>
    </message>
    <message>
        <location line="+89"/>
        <source>UnGrouped</source>
        <translation>Sans groupe</translation>
    </message>
</context>
<context>
    <name>QPassword</name>
    <message>
        <location filename="../src/ui/dialogs/qpassword.cpp" line="+32"/>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Password is wrong</source>
        <translation>Mot de passe incorrect</translation>
    </message>
</context>
<context>
    <name>QPasswordClass</name>
    <message>
        <location filename="../src/ui/dialogs/qpassword.ui" line="+14"/>
        <location line="+6"/>
        <source>Password</source>
        <translation>Mot de passe</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>QProgessClass</name>
    <message>
        <location filename="../src/ui/qprogresswin.ui" line="+14"/>
        <source>Progressing...</source>
        <translation>Traitement en cours...</translation>
    </message>
</context>
<context>
    <name>QSensorSettings</name>
    <message>
        <location filename="../src/ui/dialogs/qsensorsettings.cpp" line="+120"/>
        <source>No response</source>
        <translation>Aucune réponse</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Register Value(HEX: Lo-Hi)</source>
        <translation>Valeur du registre (HEX&#xa0;: Lo-Hi)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Register Value(HEX: Hi-Lo)</source>
        <translation>Valeur du registre (HEX&#xa0;: Hi-Lo)</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Append CRC...</source>
        <translation>Ordre des octets du CRC</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Although Modbus protocol defines the CRC part of RTU to low byte first, High byte after, but some devices require Modbus RTU messages that appends CRC high byte first. If so, please check this to enable this kind of behavior.</source>
        <translation>Le protocole Modbus RTU prévoit que le CRC soit transmis octet de poids faible en premier, octet de poids fort ensuite, mais certains appareils exigent des messages Modbus RTU dont le CRC commence par l&apos;octet de poids fort. Dans ce cas, cochez cette option.</translation>
    </message>
    <message>
        <location line="-64"/>
        <location line="+80"/>
        <location line="+11"/>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <location line="-145"/>
        <source>Line: %1, %2 baud</source>
        <translation>Ligne&#xa0;: %1, %2 bauds</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Line: no port set</source>
        <translation>Ligne&#xa0;: aucun port défini</translation>
    </message>
    <message>
        <location line="+134"/>
        <source>Please input the header field.</source>
        <translation>Veuillez renseigner le champ En-tête.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please input the unit field.</source>
        <translation>Veuillez renseigner le champ Unité.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Can not add new record.</source>
        <translation>Impossible d&apos;ajouter le nouvel enregistrement.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Info</source>
        <translation>Information</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Save OK</source>
        <translation>Enregistrement réussi</translation>
    </message>
</context>
<context>
    <name>QSensorSettingsClass</name>
    <message>
        <location filename="../src/ui/dialogs/qsensorsettings.ui" line="+14"/>
        <source>Sensor Settings</source>
        <translation>Paramètres des capteurs</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Step 1: Query one register</source>
        <translation>Étape 1&#xa0;: lecture d&apos;un registre</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+216"/>
        <source>Slave address</source>
        <translation>Adresse esclave</translation>
    </message>
    <message>
        <location line="-209"/>
        <location line="+216"/>
        <location line="+338"/>
        <source>Function</source>
        <translation>Fonction</translation>
    </message>
    <message>
        <location line="-547"/>
        <source>Starting address</source>
        <translation>Adresse de départ</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Number of registers</source>
        <translation>Nombre de registres</translation>
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
        <translation>Lire</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>CRC high byte append first</source>
        <translation>Octet de poids fort du CRC en premier</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>?</source>
        <translation>?</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>Step 2: Response</source>
        <translation>Étape 2&#xa0;: réponse</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Byte Count</source>
        <translation>Nombre d&apos;octets</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Register Value(HEX: Hi-Lo)</source>
        <translation>Valeur du registre (HEX&#xa0;: Hi-Lo)</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>Register value(DEC)</source>
        <translation>Valeur du registre (DEC)</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Low byte first</source>
        <translation>Octet de poids faible en premier</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Step 3: Operation</source>
        <translation>Étape 3&#xa0;: opération</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Register value</source>
        <translation>Valeur du registre</translation>
    </message>
    <message>
        <location line="+7"/>
        <location line="+274"/>
        <source>Operator</source>
        <translation>Opérateur</translation>
    </message>
    <message>
        <location line="-267"/>
        <location line="+272"/>
        <source>Factor</source>
        <translation>Facteur</translation>
    </message>
    <message>
        <location line="-265"/>
        <source>After operation(DEC)</source>
        <translation>Résultat (DEC)</translation>
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
        <translation>Calculer</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Step 4: Save</source>
        <translation>Étape 4&#xa0;: enregistrement</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+190"/>
        <source>Header</source>
        <translation>En-tête</translation>
    </message>
    <message>
        <location line="-180"/>
        <location line="+185"/>
        <source>Unit</source>
        <translation>Unité</translation>
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
        <translation>Enregistrer</translation>
    </message>
    <message>
        <location line="+31"/>
        <location line="+113"/>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <location line="-100"/>
        <source>View all</source>
        <translation>Tout afficher</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Saved sensors</source>
        <translation>Capteurs enregistrés</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Slave</source>
        <translation>Esclave</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Start Hi</source>
        <translation>Début Hi</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Start Lo</source>
        <translation>Début Lo</translation>
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
        <translation>Supprimer</translation>
    </message>
</context>
<context>
    <name>QViewSizeClass</name>
    <message>
        <location filename="../src/ui/dialogs/qviewsize.ui" line="+21"/>
        <source>View Size Settings</source>
        <translation>Taille de l&apos;affichage</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Title:</source>
        <translation>Titre&#xa0;:</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>    pixel</source>
        <translation>    pixels</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Information</source>
        <translation>Informations</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Expanding</source>
        <translation>Extensible</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Message:</source>
        <translation>Message&#xa0;:</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>   pixel</source>
        <translation>   pixels</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Default</source>
        <translation>Par défaut</translation>
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
        <translation>Ajouter un destinataire</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Email address:</source>
        <translation>Adresse e-mail&#xa0;:</translation>
    </message>
</context>
<context>
    <name>QalarmConfigClass</name>
    <message>
        <location filename="../src/ui/dialogs/qalarmconfig.ui" line="+6"/>
        <source>Alarm Configuration</source>
        <translation>Configuration des alarmes</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Mail Settings</source>
        <translation>Paramètres e-mail</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Mail account</source>
        <translation>Compte de messagerie</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Account:</source>
        <translation>Compte&#xa0;:</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Password:</source>
        <translation>Mot de passe&#xa0;:</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Mail server:</source>
        <translation>Serveur de messagerie&#xa0;:</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>smtp.example.com</source>
        <translation>smtp.example.com</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Port:</source>
        <translation>Port&#xa0;:</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Encryption:</source>
        <translation>Chiffrement&#xa0;:</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>None</source>
        <translation>Aucun</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>Sender:</source>
        <translation>Expéditeur&#xa0;:</translation>
    </message>
    <message>
        <location line="+13"/>
        <location line="+6"/>
        <source>Recipients</source>
        <translation>Destinataires</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Add...</source>
        <translation>Ajouter...</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Test Connection</source>
        <translation>Tester la connexion</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Send Test Mail</source>
        <translation>Envoyer un e-mail de test</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Apply</source>
        <translation>Appliquer</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Error Codes</source>
        <translation>Codes d&apos;erreur</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Inverter type:</source>
        <translation>Type d&apos;onduleur&#xa0;:</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>Error code:</source>
        <translation>Code d&apos;erreur&#xa0;:</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Error Code 1</source>
        <translation>Code d&apos;erreur 1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Error Code 2</source>
        <translation>Code d&apos;erreur 2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Error Code 3</source>
        <translation>Code d&apos;erreur 3</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Error Code 4</source>
        <translation>Code d&apos;erreur 4</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Send an alarm mail for these errors</source>
        <translation>Envoyer un e-mail d&apos;alarme pour ces erreurs</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Select All</source>
        <translation>Tout sélectionner</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Clear All</source>
        <translation>Tout désélectionner</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Events</source>
        <translation>Événements</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Inverter states</source>
        <translation>États de l&apos;onduleur</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Inverter states (M83)</source>
        <translation>États de l&apos;onduleur (M83)</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>RealTimeDisplay</name>
    <message>
        <location filename="../src/ui/views/realtimedisplay.cpp" line="+166"/>
        <source>Total Yield(Eac)</source>
        <translation>Production totale (Eac)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Total Yield</source>
        <translation>Production totale</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+2"/>
        <source>Total Output Time</source>
        <translation>Durée totale d&apos;injection</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Output power</source>
        <translation>Puissance de sortie</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Output voltage</source>
        <translation>Tension de sortie</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Output current</source>
        <translation>Courant de sortie</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Output frequency</source>
        <translation>Fréquence de sortie</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+2"/>
        <source>DC Power</source>
        <translation>Puissance CC</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DC Voltage</source>
        <translation>Tension CC</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DC Current</source>
        <translation>Courant CC</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Total input energy</source>
        <translation>Énergie totale d&apos;entrée</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Output time today</source>
        <translation>Durée d&apos;injection du jour</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Heatsink temperature</source>
        <translation>Température du dissipateur</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>AC impedance</source>
        <translation>Impédance CA</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Trip voltage</source>
        <translation>Seuil de déclenchement en tension</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Trip frequency</source>
        <translation>Seuil de déclenchement en fréquence</translation>
    </message>
</context>
<context>
    <name>RealTimeView</name>
    <message>
        <location filename="../src/ui/views/realtimeview.ui" line="+11"/>
        <source>UP</source>
        <translation>Monter</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Down</source>
        <translation>Descendre</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Add Group</source>
        <translation>Ajouter un groupe</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Del Inverter</source>
        <translation>Supprimer l&apos;onduleur</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Del Group</source>
        <translation>Supprimer le groupe</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Information</source>
        <translation>Informations</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Gropu name:</source>
        <translation>Nom du groupe&#xa0;:</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Device type:</source>
        <translation>Type d&apos;appareil&#xa0;:</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Device S/N:</source>
        <translation>N° de série&#xa0;:</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Devie address:</source>
        <translation>Adresse de l&apos;appareil&#xa0;:</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>DSP1 version:</source>
        <translation>Version DSP1&#xa0;:</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>DSP2 version:</source>
        <translation>Version DSP2&#xa0;:</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Line health</source>
        <translation>État de la ligne</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Link quality:</source>
        <translation>Qualité de liaison :</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Exchanges:</source>
        <translation>Échanges :</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Timeouts:</source>
        <translation>Délais dépassés :</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>CRC errors:</source>
        <translation>Erreurs CRC :</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Short replies:</source>
        <translation>Réponses courtes :</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Wrong address / function / length:</source>
        <translation>Adresse / fonction / longueur erronées :</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Round trip:</source>
        <translation>Aller-retour :</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Real time display</source>
        <translation>Affichage en temps réel</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Real time values</source>
        <translation>Valeurs en temps réel</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Parameter Name</source>
        <translation>Nom du paramètre</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Value</source>
        <translation>Valeur</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Status code:</source>
        <translation>Code d&apos;état&#xa0;:</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Error Code 1:</source>
        <translation>Code d&apos;erreur 1&#xa0;:</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Error Code 1</source>
        <translation>Code d&apos;erreur 1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Error Code 2:</source>
        <translation>Code d&apos;erreur 2&#xa0;:</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Error Code 2</source>
        <translation>Code d&apos;erreur 2</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Error Code 3:</source>
        <translation>Code d&apos;erreur 3&#xa0;:</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Error Code 3</source>
        <translation>Code d&apos;erreur 3</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Error Code 4:</source>
        <translation>Code d&apos;erreur 4&#xa0;:</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Error Code 4</source>
        <translation>Code d&apos;erreur 4</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Parameter configuration for devices</source>
        <translation>Configuration des paramètres des appareils</translation>
    </message>
    <message>
        <location filename="../src/ui/views/realtimeview.cpp" line="+109"/>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Below 95 %: check the cable, its terminator and the inverter&apos;s transceiver.</source>
        <translation>En dessous de 95 % : vérifiez le câble, sa terminaison et l&apos;émetteur-récepteur de l&apos;onduleur.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 (%2 right on the first try, %3 after a retry)</source>
        <translation>%1 (%2 corrects du premier coup, %3 après une reprise)</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1 ms; mean %2 ms, 95 % within %3 ms</source>
        <translation>%1 ms ; moyenne %2 ms, 95 % en moins de %3 ms</translation>
    </message>
    <message>
        <location line="+60"/>
        <source>add Group</source>
        <translation>Ajouter un groupe</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Group name:</source>
        <translation>Nom du groupe&#xa0;:</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Lumora Data Manager</source>
        <translation>Lumora Data Manager</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>This group name existed!</source>
        <translation>Ce nom de groupe existe déjà&#xa0;!</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Add fail!</source>
        <translation>Impossible d&apos;ajouter le groupe&#xa0;!</translation>
    </message>
    <message>
        <location line="+9"/>
        <location line="+18"/>
        <source>Confirm</source>
        <translation>Confirmation</translation>
    </message>
    <message>
        <location line="-18"/>
        <source>Delete this group and all children?</source>
        <translation>Supprimer ce groupe et tous les onduleurs qu&apos;il contient&#xa0;?</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Inverter</source>
        <translation>Onduleur</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Delete this inverter?</source>
        <translation>Supprimer cet onduleur&#xa0;?</translation>
    </message>
</context>
<context>
    <name>SearchInverterFrm</name>
    <message>
        <location filename="../src/ui/dialogs/searchinverterfrm.cpp" line="+74"/>
        <location line="+94"/>
        <source>%1 inverters found.</source>
        <translation>Onduleurs trouvés&#xa0;: %1.</translation>
    </message>
    <message>
        <location line="-60"/>
        <location line="+9"/>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <location line="-7"/>
        <source>COM%1 is not available! The saved inverters are kept.</source>
        <translation>COM%1 n&apos;est pas disponible&#xa0;! Les onduleurs enregistrés sont conservés.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>COM%1 failed during the search (hang-up or I/O error). The saved inverters are kept.</source>
        <translation>COM%1 a été défaillant pendant la recherche (ligne coupée ou erreur d&apos;E/S). Les onduleurs enregistrés sont conservés.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Not found</source>
        <translation>Aucun résultat</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>No inverters found</source>
        <translation>Aucun onduleur trouvé</translation>
    </message>
</context>
<context>
    <name>SearchInverterFrmClass</name>
    <message>
        <location filename="../src/ui/dialogs/searchinverterfrm.ui" line="+14"/>
        <source>Search Inverters</source>
        <translation>Rechercher les onduleurs</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Search for Inverters</source>
        <translation>Recherche des onduleurs</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>0 inverters found.</source>
        <translation>Onduleurs trouvés&#xa0;: 0.</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Automatically search for inverters:</source>
        <translation>Recherche automatique des onduleurs&#xa0;:</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Minutes between automatic searches</source>
        <translation>Minutes entre les recherches automatiques</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>minutes</source>
        <translation>minutes</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Change duplicate inverter IDs in automatic searches</source>
        <translation>Modifier les ID d&apos;onduleur en double lors des recherches automatiques</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Search</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>detail...</source>
        <translation>détails...</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Inverters found</source>
        <translation>Onduleurs trouvés</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Addr</source>
        <translation>Adr.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Serial Number</source>
        <translation>Numéro de série</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <location filename="../src/app/startup.cpp" line="+24"/>
        <source>Error -- %1</source>
        <translation>Erreur -- %1</translation>
    </message>
    <message>
        <location line="+59"/>
        <source>Database is broken, please reinstall the application!</source>
        <translation>La base de données est endommagée, veuillez réinstaller l&apos;application&#xa0;!</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Database init fail, please reinstall the application!</source>
        <translation>Échec de l&apos;initialisation de la base de données, veuillez réinstaller l&apos;application&#xa0;!</translation>
    </message>
    <message>
        <location line="+59"/>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>No COM ports found in this computer!</source>
        <translation>Aucun port COM trouvé sur cet ordinateur&#xa0;!</translation>
    </message>
</context>
<context>
    <name>StateTables</name>
    <message>
        <location filename="../src/device/statetables.cpp" line="+18"/>
        <location line="+15"/>
        <source>LCD Initialize mode</source>
        <translation>Mode initialisation LCD</translation>
    </message>
    <message>
        <location line="-14"/>
        <source>Utility frequency detect mode</source>
        <translation>Mode détection de la fréquence du réseau</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Renew mode</source>
        <translation>Mode reprise</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Wait mode</source>
        <translation>Mode attente</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Monitoring mode</source>
        <translation>Mode surveillance</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Output mode</source>
        <translation>Mode injection</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+17"/>
        <source>Fault mode</source>
        <translation>Mode défaut</translation>
    </message>
    <message>
        <location line="-16"/>
        <source>IDLE mode</source>
        <translation>Mode inactif</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+17"/>
        <source>Default mode</source>
        <translation>Mode par défaut</translation>
    </message>
    <message>
        <location line="-16"/>
        <location line="+17"/>
        <source>Stop mode</source>
        <translation>Mode arrêt</translation>
    </message>
    <message>
        <location line="-16"/>
        <location line="+18"/>
        <source>Calibrate mode</source>
        <translation>Mode étalonnage</translation>
    </message>
    <message>
        <location line="-14"/>
        <source>Program Initialize mode</source>
        <translation>Mode initialisation du programme</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Check Riso</source>
        <translation>Contrôle Riso</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Low Illumination mode</source>
        <translation>Mode faible éclairement</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Auto Test mode</source>
        <translation>Mode autotest</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Checking</source>
        <translation>Vérification</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Count Down mode</source>
        <translation>Mode compte à rebours</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Check Relay mode</source>
        <translation>Mode contrôle des relais</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Grid/MPP mode</source>
        <translation>Mode réseau/MPP</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Idle mode</source>
        <translation>Mode inactif</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Upgrade Flash mode</source>
        <translation>Mode mise à jour flash</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Setting Parameter mode</source>
        <translation>Mode réglage des paramètres</translation>
    </message>
</context>
</TS>
