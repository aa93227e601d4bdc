<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>FileDialogs</name>
    <message>
        <source>Text Files (*.csv *.txt);;All Files (*)</source>
        <translation>Textdateien (*.csv *.txt);;Alle Dateien (*)</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>There is no Brevanta data in %1. Create it?</source>
        <translation>In %1 gibt es keine Brevanta-Daten. Sollen sie angelegt werden?</translation>
    </message>
    <message>
        <source>The data in %1 cannot be read.

%2</source>
        <translation>Die Daten in %1 können nicht gelesen werden.

%2</translation>
    </message>
</context>
<context>
    <name>Platform</name>
    <message>
        <source>Confirm</source>
        <translation>Bestätigen</translation>
    </message>
    <message>
        <source>%1 already exists.<byte value="xd"/>
Do you want to replace it?</source>
        <translation>%1 ist bereits vorhanden.<byte value="xd"/>
Soll die Datei ersetzt werden?</translation>
    </message>
</context>
<context>
    <name>QDialog</name>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>RecordListPanel</name>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Transaction</source>
        <translation>Transaktion</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Betrag</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Modify the selected transaction</source>
        <translation>Die ausgewählte Transaktion ändern</translation>
    </message>
    <message>
        <source>Remove the selected transaction</source>
        <translation>Die ausgewählte Transaktion entfernen</translation>
    </message>
    <message>
        <source>Remove Transaction</source>
        <translation>Transaktion entfernen</translation>
    </message>
    <message>
        <source>Are you sure you want to remove the selected transaction(s)?</source>
        <translation>Sollen die ausgewählten Transaktionen wirklich entfernt werden?</translation>
    </message>
    <message>
        <source>Import Transactions</source>
        <translation>Transaktionen importieren</translation>
    </message>
    <message>
        <source>Export Transactions</source>
        <translation>Transaktionen exportieren</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Wert</translation>
    </message>
    <message>
        <source>Modify the selected value</source>
        <translation>Den ausgewählten Wert ändern</translation>
    </message>
    <message>
        <source>Remove the selected value</source>
        <translation>Den ausgewählten Wert entfernen</translation>
    </message>
    <message>
        <source>Remove Historical Value</source>
        <translation>Historischen Wert entfernen</translation>
    </message>
    <message>
        <source>Are you sure you want to remove the selected value(s)?</source>
        <translation>Sollen die ausgewählten Werte wirklich entfernt werden?</translation>
    </message>
    <message>
        <source>Import Historical Values</source>
        <translation>Historische Werte importieren</translation>
    </message>
    <message>
        <source>Export Historical Values</source>
        <translation>Historische Werte exportieren</translation>
    </message>
    <message>
        <source>Transactions</source>
        <translation>Transaktionen</translation>
    </message>
    <message>
        <source>Historical values</source>
        <translation>Historische Werte</translation>
    </message>
    <message>
        <source>The investment&apos;s contributions, reinvested dividends and withdrawals. Modify... or a double-click changes the selected one, a click on a column&apos;s caption sorts by it.</source>
        <translation>Die Einzahlungen, wiederangelegten Ausschüttungen und Entnahmen der Anlage. Ändern... oder ein Doppelklick ändert die ausgewählte, ein Klick auf eine Spaltenüberschrift sortiert danach.</translation>
    </message>
    <message>
        <source>The investment&apos;s market values at the dates they were recorded. Modify... or a double-click changes the selected one, a click on a column&apos;s caption sorts by it.</source>
        <translation>Die Marktwerte der Anlage zu den Daten, an denen sie erfasst wurden. Ändern... oder ein Doppelklick ändert den ausgewählten, ein Klick auf eine Spaltenüberschrift sortiert danach.</translation>
    </message>
</context>
<context>
    <name>Reports</name>
    <message>
        <source>The report could not be written.</source>
        <translation>Der Bericht konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>Report written to %1</source>
        <translation>Bericht gespeichert unter %1</translation>
    </message>
    <message>
        <source>The report was written to %1, but no browser could be started to show it.</source>
        <translation>Der Bericht wurde unter %1 gespeichert, aber es konnte kein Browser gestartet werden, um ihn anzuzeigen.</translation>
    </message>
</context>
<context>
    <name>brevanta::AboutDialog</name>
    <message>
        <source>About</source>
        <translation>Über Brevanta</translation>
    </message>
    <message>
        <source>Release %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Time-weighted and dollar-weighted returns of your portfolios.
Your data stays in the tables of your data directory.</source>
        <translation>Zeitgewichtete und kapitalgewichtete Renditen Ihrer Portfolios.
Ihre Daten bleiben in den Tabellen Ihres Datenverzeichnisses.</translation>
    </message>
    <message>
        <source>Free software under the GNU General Public License, version 3 or later (GPL-3.0-or-later).
It comes with ABSOLUTELY NO WARRANTY; you may redistribute it under the terms of that licence.</source>
        <translation>Freie Software unter der GNU General Public License, Version 3 oder später (GPL-3.0-or-later).
Sie wird OHNE JEDE GEWÄHRLEISTUNG bereitgestellt; Sie dürfen sie unter den Bedingungen dieser Lizenz weitergeben.</translation>
    </message>
    <message>
        <source>Using Qt %1</source>
        <translation>Verwendet Qt %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>brevanta::AuditViewer</name>
    <message>
        <source>Investment</source>
        <translation>Anlage</translation>
    </message>
    <message>
        <source>Portfolio</source>
        <translation>Portfolio</translation>
    </message>
    <message>
        <source>Date1</source>
        <translation>Datum1</translation>
    </message>
    <message>
        <source>Date2</source>
        <translation>Datum2</translation>
    </message>
    <message>
        <source>BMV</source>
        <translation>AMW</translation>
    </message>
    <message>
        <source>EMV</source>
        <translation>EMW</translation>
    </message>
    <message>
        <source>SOC</source>
        <translation>NZ</translation>
    </message>
    <message>
        <source> EMV-.5 SOC / BMV+.5 SOC</source>
        <translation> EMW-0,5 NZ / AMW+0,5 NZ</translation>
    </message>
    <message>
        <source>No monthly periods were calculated: the investment is less than a month old at the performance date.</source>
        <translation>Es wurden keine Monatsperioden berechnet: Die Anlage ist am Berechnungsdatum jünger als ein Monat.</translation>
    </message>
    <message>
        <source>Calculation Audit Detail: %1</source>
        <translation>Berechnungsprotokoll: %1</translation>
    </message>
    <message>
        <source>Quarter</source>
        <translation>Quartal</translation>
    </message>
    <message>
        <source>1 Year</source>
        <translation>1 Jahr</translation>
    </message>
    <message>
        <source>3 Year</source>
        <translation>3 Jahre</translation>
    </message>
    <message>
        <source>5 Year</source>
        <translation>5 Jahre</translation>
    </message>
    <message>
        <source>10 Year</source>
        <translation>10 Jahre</translation>
    </message>
    <message>
        <source>From Inception</source>
        <translation>Seit Beginn</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Save As...</source>
        <translation>&amp;Speichern unter...</translation>
    </message>
    <message>
        <source>Save Calculation Audit Detail</source>
        <translation>Berechnungsprotokoll speichern</translation>
    </message>
    <message>
        <source>Periods</source>
        <translation>Zeiträume</translation>
    </message>
    <message>
        <source>Monthly periods</source>
        <translation>Monatliche Perioden</translation>
    </message>
    <message>
        <source>The monthly periods behind the time-weighted figure: start and end dates (Date1, Date2), beginning and ending market values (BMV, EMV), the sum of the cash flows (SOC) and the month&apos;s growth factor.</source>
        <translation>Die monatlichen Perioden hinter der zeitgewichteten Rendite: Anfangs- und Enddatum (Datum1, Datum2), Marktwert am Anfang und am Ende (AMW, EMW), die Summe der Nettozahlungen (NZ) und der Wachstumsfaktor des Monats.</translation>
    </message>
</context>
<context>
    <name>brevanta::CalculateAllDialog</name>
    <message>
        <source>Every Portfolio</source>
        <translation>Alle Portfolios</translation>
    </message>
    <message>
        <source>Selected Portfolios</source>
        <translation>Ausgewählte Portfolios</translation>
    </message>
    <message>
        <source>Calculate Performance</source>
        <translation>Wertentwicklung berechnen</translation>
    </message>
    <message>
        <source>Calculate the performance of the selected investments up to the calculation date.</source>
        <translation>Die Wertentwicklung der ausgewählten Anlagen bis zum Berechnungsdatum berechnen.</translation>
    </message>
    <message>
        <source>Calculation Date:</source>
        <translation>Berechnungsdatum:</translation>
    </message>
    <message>
        <source>This date will be used as the last day of the last monthly compounding period.</source>
        <translation>Dieses Datum ist der letzte Tag der letzten monatlichen Verzinsungsperiode.</translation>
    </message>
    <message>
        <source>Hold down the Control (CTRL) or Shift keys to select multiple</source>
        <translation>Halten Sie die Strg- oder Umschalttaste gedrückt, um mehrere auszuwählen</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Please enter a valid date.</source>
        <translation>Bitte geben Sie ein gültiges Datum ein.</translation>
    </message>
    <message>
        <source>Please select one or more portfolios</source>
        <translation>Bitte wählen Sie ein oder mehrere Portfolios aus</translation>
    </message>
    <message>
        <source>Finished calculating performance numbers.</source>
        <translation>Die Berechnung der Wertentwicklung ist abgeschlossen.</translation>
    </message>
    <message>
        <source>Portfolios</source>
        <translation>Portfolios</translation>
    </message>
</context>
<context>
    <name>brevanta::CalculateInvestmentDialog</name>
    <message>
        <source>Display calculation detail for Time-weighted returns</source>
        <translation>Berechnungsdetails der zeitgewichteten Renditen anzeigen</translation>
    </message>
    <message>
        <source>Calculate Performance</source>
        <translation>Wertentwicklung berechnen</translation>
    </message>
    <message>
        <source>Calculate the performance of this investment up to the following date.   Note: This date will be used as the last day of the last monthly compounding period.</source>
        <translation>Die Wertentwicklung dieser Anlage bis zum folgenden Datum berechnen.   Hinweis: Dieses Datum ist der letzte Tag der letzten monatlichen Verzinsungsperiode.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Please enter a valid date.</source>
        <translation>Bitte geben Sie ein gültiges Datum ein.</translation>
    </message>
    <message>
        <source>You must enter a date that is after the holdings<byte value="xd"/>
inception date of %1.<byte value="xd"/>
<byte value="xd"/>
Please try again.</source>
        <translation>Bitte geben Sie ein Datum nach dem Anfangsdatum<byte value="xd"/>
der Anlage (%1) ein.<byte value="xd"/>
<byte value="xd"/>
Bitte versuchen Sie es erneut.</translation>
    </message>
</context>
<context>
    <name>brevanta::DateField</name>
    <message>
        <source>Choose a date from the calendar</source>
        <translation>Ein Datum aus dem Kalender wählen</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
</context>
<context>
    <name>brevanta::EntryDialog</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>&amp;Übernehmen</translation>
    </message>
    <message>
        <source>Portfolio: </source>
        <translation>Portfolio: </translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Datum:</translation>
    </message>
</context>
<context>
    <name>brevanta::ExportWizard</name>
    <message>
        <source>Export Wizard - %1 of %2</source>
        <translation>Export-Assistent - %1 von %2</translation>
    </message>
    <message>
        <source>Select the type of data you would like to Export.</source>
        <translation>Wählen Sie die Art der Daten, die Sie exportieren möchten.</translation>
    </message>
    <message>
        <source>File to export:</source>
        <translation>Exportdatei:</translation>
    </message>
    <message>
        <source>Performance Numbers</source>
        <translation>Renditekennzahlen</translation>
    </message>
    <message>
        <source>Transactions</source>
        <translation>Transaktionen</translation>
    </message>
    <message>
        <source>Historical Values</source>
        <translation>Historische Werte</translation>
    </message>
    <message>
        <source>Export File</source>
        <translation>Exportdatei</translation>
    </message>
    <message>
        <source>Select the portfolio that you would like to Export performance numbers from.</source>
        <translation>Wählen Sie das Portfolio, dessen Renditekennzahlen Sie exportieren möchten.</translation>
    </message>
    <message>
        <source>Select the Portfolio and Investment that you would like to Export data from.</source>
        <translation>Wählen Sie das Portfolio und die Anlage, deren Daten Sie exportieren möchten.</translation>
    </message>
    <message>
        <source>You must select a Portfolio to Export.</source>
        <translation>Bitte wählen Sie ein Portfolio für den Export aus.</translation>
    </message>
    <message>
        <source>You must select an Investment to Export.</source>
        <translation>Bitte wählen Sie eine Anlage für den Export aus.</translation>
    </message>
    <message>
        <source>You must enter a file name<byte value="xd"/>
to Export.</source>
        <translation>Bitte geben Sie einen Dateinamen<byte value="xd"/>
für den Export ein.</translation>
    </message>
</context>
<context>
    <name>brevanta::FileWizard</name>
    <message>
        <source>Browse ...</source>
        <translation>Durchsuchen ...</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>&lt; &amp;Back</source>
        <translation>&lt; &amp;Zurück</translation>
    </message>
    <message>
        <source>&amp;Next &gt;</source>
        <translation>&amp;Weiter &gt;</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Finished</source>
        <translation>Fertigstellen</translation>
    </message>
</context>
<context>
    <name>brevanta::GrowthView</name>
    <message>
        <source>Save as Report...</source>
        <translation>Als Bericht speichern...</translation>
    </message>
    <message>
        <source>Market value</source>
        <translation>Marktwert</translation>
    </message>
    <message>
        <source>Cost basis</source>
        <translation>Einstandswert</translation>
    </message>
    <message>
        <source>As of:</source>
        <translation>Stichtag:</translation>
    </message>
    <message>
        <source>Please enter a valid date.</source>
        <translation>Bitte geben Sie ein gültiges Datum ein.</translation>
    </message>
    <message>
        <source>Benchmark: %1</source>
        <translation>Benchmark: %1</translation>
    </message>
    <message>
        <source>There is no history to show as of this date.</source>
        <translation>Zu diesem Stichtag gibt es keinen Verlauf.</translation>
    </message>
    <message>
        <source>Save as Report</source>
        <translation>Als Bericht speichern</translation>
    </message>
    <message>
        <source>HTML Files (*.html *.htm);;All Files (*)</source>
        <translation>HTML-Dateien (*.html *.htm);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>The report could not be written.</source>
        <translation>Der Bericht konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>Calendar years</source>
        <translation>Kalenderjahre</translation>
    </message>
    <message>
        <source>Monthly returns</source>
        <translation>Monatsrenditen</translation>
    </message>
    <message>
        <source>Market value and cost basis</source>
        <translation>Marktwert und Einstandswert</translation>
    </message>
</context>
<context>
    <name>brevanta::HeatMapModel</name>
    <message>
        <source>Year %</source>
        <translation>Jahr %</translation>
    </message>
    <message>
        <source>Year %1: %2 %</source>
        <translation>Jahr %1: %2 %</translation>
    </message>
    <message>
        <source>%1 %2: %3 %</source>
        <translation>%1 %2: %3 %</translation>
    </message>
</context>
<context>
    <name>brevanta::HelpViewer</name>
    <message>
        <source>Brevanta Help</source>
        <translation>Brevanta-Hilfe</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>brevanta::HoldingPicker</name>
    <message>
        <source>Investments:</source>
        <translation>Anlagen:</translation>
    </message>
    <message>
        <source>Portfolios:</source>
        <translation>Portfolios:</translation>
    </message>
    <message>
        <source>Portfolios</source>
        <translation>Portfolios</translation>
    </message>
    <message>
        <source>Investments</source>
        <translation>Anlagen</translation>
    </message>
</context>
<context>
    <name>brevanta::ImportWizard</name>
    <message>
        <source>Import Wizard - %1 of %2</source>
        <translation>Import-Assistent - %1 von %2</translation>
    </message>
    <message>
        <source>Select the type of data the you would like to Import.</source>
        <translation>Wählen Sie die Art der Daten, die Sie importieren möchten.</translation>
    </message>
    <message>
        <source>File to import:</source>
        <translation>Importdatei:</translation>
    </message>
    <message>
        <source>Transactions</source>
        <translation>Transaktionen</translation>
    </message>
    <message>
        <source>Historical Values</source>
        <translation>Historische Werte</translation>
    </message>
    <message>
        <source>Select the Portfolio and Investment that you would like to Import data to.</source>
        <translation>Wählen Sie das Portfolio und die Anlage, in die Sie Daten importieren möchten.</translation>
    </message>
    <message>
        <source>Import Files</source>
        <translation>Dateien importieren</translation>
    </message>
    <message>
        <source>You must select a Portfolio and Investment<byte value="xd"/>
to import.</source>
        <translation>Bitte wählen Sie ein Portfolio und eine Anlage<byte value="xd"/>
für den Import aus.</translation>
    </message>
    <message>
        <source>You must enter a file name<byte value="xd"/>
to import.</source>
        <translation>Bitte geben Sie einen Dateinamen<byte value="xd"/>
für den Import ein.</translation>
    </message>
    <message>
        <source>The file name you entered does not exist.<byte value="xd"/>
Please try again.</source>
        <translation>Die angegebene Datei ist nicht vorhanden.<byte value="xd"/>
Bitte versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source><byte value="xd"/>
The mapping was saved as %1.</source>
        <translation><byte value="xd"/>
Die Zuordnung wurde als %1 gespeichert.</translation>
    </message>
    <message>
        <source><byte value="xd"/>
The mapping was not saved: %1</source>
        <translation><byte value="xd"/>
Die Zuordnung wurde nicht gespeichert: %1</translation>
    </message>
    <message>
        <source>A mapping named %1 already exists.<byte value="xd"/>
Do you want to replace it?</source>
        <translation>Eine Zuordnung namens %1 ist bereits vorhanden.<byte value="xd"/>
Soll sie ersetzt werden?</translation>
    </message>
</context>
<context>
    <name>brevanta::InvestmentListPanel</name>
    <message>
        <source>Investments</source>
        <translation>Anlagen</translation>
    </message>
    <message>
        <source>The investments of the current portfolio with their figures and a total line. Enter shows the details of the current investment.</source>
        <translation>Die Anlagen des aktuellen Portfolios mit ihren Kennzahlen und einer Summenzeile. Die Eingabetaste zeigt die Details der aktuellen Anlage.</translation>
    </message>
</context>
<context>
    <name>brevanta::InvestmentTransfer</name>
    <message>
        <source>The investment to paste no longer exists.</source>
        <translation>Die einzufügende Anlage ist nicht mehr vorhanden.</translation>
    </message>
    <message>
        <source>The investment could not be moved.</source>
        <translation>Die Anlage konnte nicht verschoben werden.</translation>
    </message>
    <message>
        <source>The investment could not be copied.</source>
        <translation>Die Anlage konnte nicht kopiert werden.</translation>
    </message>
</context>
<context>
    <name>brevanta::InvestmentWindow</name>
    <message>
        <source>Transactions</source>
        <translation>Transaktionen</translation>
    </message>
    <message>
        <source>Historical Values</source>
        <translation>Historische Werte</translation>
    </message>
    <message>
        <source>Returns - Time weighted</source>
        <translation>Renditen - zeitgewichtet</translation>
    </message>
    <message>
        <source>Returns - Dollar weighted</source>
        <translation>Renditen - kapitalgewichtet</translation>
    </message>
    <message>
        <source>Growth</source>
        <translation>Wachstum</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Generate Report</source>
        <translation>&amp;Bericht erstellen</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Portfolio:</source>
        <translation>Portfolio:</translation>
    </message>
    <message>
        <source>Holding:</source>
        <translation>Anlage:</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Beschreibung:</translation>
    </message>
    <message>
        <source>Inception Date:</source>
        <translation>Anfangsdatum:</translation>
    </message>
    <message>
        <source>Initial Value:</source>
        <translation>Anfangswert:</translation>
    </message>
    <message>
        <source>Enter the historical value of this investment below.  It is recommended that you enter in the value each month.</source>
        <translation>Geben Sie unten die historischen Werte dieser Anlage ein.  Am besten erfassen Sie den Wert jeden Monat.</translation>
    </message>
    <message>
        <source>Details: %1</source>
        <translation>Details: %1</translation>
    </message>
    <message>
        <source>The performance figures could not be stored.</source>
        <translation>Die Renditekennzahlen konnten nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>The investment could not be saved.</source>
        <translation>Die Anlage konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Seiten</translation>
    </message>
</context>
<context>
    <name>brevanta::MainWindow</name>
    <message>
        <source>&amp;Portfolio...</source>
        <translation>&amp;Portfolio...</translation>
    </message>
    <message>
        <source>Portfolio</source>
        <translation>Portfolio</translation>
    </message>
    <message>
        <source>Add A New Portfolio</source>
        <translation>Ein neues Portfolio anlegen</translation>
    </message>
    <message>
        <source>&amp;Investment...</source>
        <translation>&amp;Anlage...</translation>
    </message>
    <message>
        <source>Investment</source>
        <translation>Anlage</translation>
    </message>
    <message>
        <source>Add A New Investment</source>
        <translation>Eine neue Anlage anlegen</translation>
    </message>
    <message>
        <source>&amp;Calculate Performance...</source>
        <translation>&amp;Wertentwicklung berechnen...</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Berechnen</translation>
    </message>
    <message>
        <source>Calculate Performance</source>
        <translation>Wertentwicklung berechnen</translation>
    </message>
    <message>
        <source>&amp;Details...</source>
        <translation>&amp;Details...</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Details</translation>
    </message>
    <message>
        <source>Show Details For The Current Portfolio Or Investment</source>
        <translation>Details des aktuellen Portfolios oder der aktuellen Anlage anzeigen</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Verlauf</translation>
    </message>
    <message>
        <source>Performance</source>
        <translation>Wertentwicklung</translation>
    </message>
    <message>
        <source>&amp;Growth...</source>
        <translation>&amp;Wachstum...</translation>
    </message>
    <message>
        <source>Returns By Calendar Year And The Growth Of The Money</source>
        <translation>Renditen nach Kalenderjahren und das Wachstum des Vermögens</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Opens the Help File</source>
        <translation>Öffnet die Hilfe</translation>
    </message>
    <message>
        <source>D&amp;elete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>&amp;Open Data Directory...</source>
        <translation>Daten&amp;verzeichnis öffnen...</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>&amp;Importieren...</translation>
    </message>
    <message>
        <source>Expor&amp;t...</source>
        <translation>E&amp;xportieren...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Cut Investment</source>
        <translation>Anlage &amp;ausschneiden</translation>
    </message>
    <message>
        <source>C&amp;opy Investment</source>
        <translation>Anlage &amp;kopieren</translation>
    </message>
    <message>
        <source>&amp;Paste Investment</source>
        <translation>Anlage &amp;einfügen</translation>
    </message>
    <message>
        <source>&amp;Expand All Portfolios</source>
        <translation>Alle &amp;Portfolios aufklappen</translation>
    </message>
    <message>
        <source>Co&amp;llapse All Portfolios</source>
        <translation>Alle Portfolios &amp;zuklappen</translation>
    </message>
    <message>
        <source>&amp;Reports...</source>
        <translation>&amp;Berichte...</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>&amp;Optionen...</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Über Brevanta...</translation>
    </message>
    <message>
        <source>Speed Buttons</source>
        <translation>Schnellzugriff</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>E&amp;xtras</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Reports</source>
        <translation>&amp;Berichte</translation>
    </message>
    <message>
        <source>Open Data Directory</source>
        <translation>Datenverzeichnis öffnen</translation>
    </message>
    <message>
        <source>%1 (read-only)</source>
        <translation>%1 (schreibgeschützt)</translation>
    </message>
    <message>
        <source>Add A New Investment To The &apos;%1&apos; Portfolio</source>
        <translation>Eine neue Anlage im Portfolio „%1“ anlegen</translation>
    </message>
    <message>
        <source>Show Historical Values for the &apos;%1&apos; Investment</source>
        <translation>Historische Werte der Anlage „%1“ anzeigen</translation>
    </message>
    <message>
        <source>Show Performance Detail for the &apos;%1&apos; Investment</source>
        <translation>Wertentwicklung der Anlage „%1“ anzeigen</translation>
    </message>
    <message>
        <source>Show Transaction, Historical and Performance Details for the &apos;%1&apos; Investment</source>
        <translation>Transaktionen, historische Werte und Wertentwicklung der Anlage „%1“ anzeigen</translation>
    </message>
    <message>
        <source>Show Details for the &apos;%1&apos; Portfolio</source>
        <translation>Details des Portfolios „%1“ anzeigen</translation>
    </message>
    <message>
        <source>Delete Holding</source>
        <translation>Anlage löschen</translation>
    </message>
    <message>
        <source>Delete Portfolio</source>
        <translation>Portfolio löschen</translation>
    </message>
    <message>
        <source>Are you sure you want to delete %1?</source>
        <translation>Soll %1 wirklich gelöscht werden?</translation>
    </message>
    <message>
        <source>&amp;Portfolio - Performance</source>
        <translation>&amp;Portfolio - Wertentwicklung</translation>
    </message>
    <message>
        <source>Portfolio - &amp;Market Value and Cash Flows</source>
        <translation>Portfolio - &amp;Marktwerte und Zahlungsströme</translation>
    </message>
    <message>
        <source>&amp;Investment - Detail</source>
        <translation>&amp;Anlage - Details</translation>
    </message>
</context>
<context>
    <name>brevanta::MappingPage</name>
    <message>
        <source>Text in the file</source>
        <translation>Text in der Datei</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Art</translation>
    </message>
    <message>
        <source>a name, to use the mapping again</source>
        <translation>ein Name, um die Zuordnung wiederzuverwenden</translation>
    </message>
    <message>
        <source>Comma</source>
        <translation>Komma</translation>
    </message>
    <message>
        <source>Semicolon</source>
        <translation>Semikolon</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tabulator</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatisch</translation>
    </message>
    <message>
        <source>Point (.)</source>
        <translation>Punkt (.)</translation>
    </message>
    <message>
        <source>Comma (,)</source>
        <translation>Komma (,)</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Blank</source>
        <translation>Leerzeichen</translation>
    </message>
    <message>
        <source>One signed amount</source>
        <translation>Ein Betrag mit Vorzeichen</translation>
    </message>
    <message>
        <source>Debit and credit</source>
        <translation>Soll und Haben</translation>
    </message>
    <message>
        <source>From the sign (+ CC, − WI)</source>
        <translation>Aus dem Vorzeichen (+ CC, − WI)</translation>
    </message>
    <message>
        <source>From a column</source>
        <translation>Aus einer Spalte</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>&amp;Delimiter:</source>
        <translation>&amp;Trennzeichen:</translation>
    </message>
    <message>
        <source>C&amp;haracter set:</source>
        <translation>&amp;Zeichensatz:</translation>
    </message>
    <message>
        <source>S&amp;kip leading lines:</source>
        <translation>&amp;Anfangszeilen überspringen:</translation>
    </message>
    <message>
        <source>Decimal se&amp;parator:</source>
        <translation>&amp;Dezimaltrennzeichen:</translation>
    </message>
    <message>
        <source>&amp;Grouping:</source>
        <translation>Tausender&amp;trennzeichen:</translation>
    </message>
    <message>
        <source>T&amp;ype:</source>
        <translation>A&amp;rt:</translation>
    </message>
    <message>
        <source>Descr&amp;iption:</source>
        <translation>Beschrei&amp;bung:</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Spalten</translation>
    </message>
    <message>
        <source>Da&amp;te:</source>
        <translation>Dat&amp;um:</translation>
    </message>
    <message>
        <source>&amp;Amount:</source>
        <translation>Betra&amp;g:</translation>
    </message>
    <message>
        <source>&amp;Saved mapping:</source>
        <translation>Gespeicherte &amp;Zuordnung:</translation>
    </message>
    <message>
        <source>Sa&amp;ve the mapping as:</source>
        <translation>Zuordnung speichern &amp;als:</translation>
    </message>
    <message>
        <source>P&amp;review of the first lines:</source>
        <translation>&amp;Vorschau der ersten Zeilen:</translation>
    </message>
    <message>
        <source>Guessed from the file</source>
        <translation>Aus der Datei erkannt</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Spalte %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Not imported</source>
        <translation>Nicht importiert</translation>
    </message>
    <message>
        <source>CC - Cash Contribution</source>
        <translation>CC - Einzahlung</translation>
    </message>
    <message>
        <source>DI - Dividend/Distribution Reinvested</source>
        <translation>DI - Wiederangelegte Ausschüttung</translation>
    </message>
    <message>
        <source>WI - Withdrawal</source>
        <translation>WI - Entnahme</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Zeile</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Betrag</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Wert</translation>
    </message>
    <message>
        <source>Skipped because</source>
        <translation>Übersprungen, weil</translation>
    </message>
    <message>
        <source>Automatic (%1)</source>
        <translation>Automatisch (%1)</translation>
    </message>
    <message>
        <source>The grouping must differ from the decimal separator.</source>
        <translation>Das Tausendertrennzeichen muss sich vom Dezimaltrennzeichen unterscheiden.</translation>
    </message>
    <message>
        <source>Column %1 holds no dates: choose the date column.</source>
        <translation>Spalte %1 enthält keine Datumsangaben: Wählen Sie die Datumsspalte.</translation>
    </message>
    <message>
        <source>No date format reads every date in column %1: choose the format.</source>
        <translation>Kein Datumsformat liest alle Datumsangaben in Spalte %1: Wählen Sie das Format.</translation>
    </message>
    <message>
        <source>The dates in column %1 read as %2: choose their format.</source>
        <translation>Die Datumsangaben in Spalte %1 lassen sich als %2 lesen: Wählen Sie ihr Format.</translation>
    </message>
    <message>
        <source> and as </source>
        <translation> und als </translation>
    </message>
    <message>
        <source>%1 lines will be imported and %2 skipped; the preview shows the first %3.</source>
        <translation>%1 Zeilen werden importiert und %2 übersprungen; die Vorschau zeigt die ersten %3.</translation>
    </message>
    <message>
        <source>Types</source>
        <translation>Buchungsarten</translation>
    </message>
    <message>
        <source>Date column</source>
        <translation>Datumsspalte</translation>
    </message>
    <message>
        <source>Amount column</source>
        <translation>Betragsspalte</translation>
    </message>
    <message>
        <source>Debit column</source>
        <translation>Soll-Spalte</translation>
    </message>
    <message>
        <source>Credit column</source>
        <translation>Haben-Spalte</translation>
    </message>
    <message>
        <source>Type column</source>
        <translation>Buchungsartspalte</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
</context>
<context>
    <name>brevanta::NewInvestmentDialog</name>
    <message>
        <source>New Investment / Holding</source>
        <translation>Neue Anlage</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Beschreibung:</translation>
    </message>
    <message>
        <source>Inception Date:</source>
        <translation>Anfangsdatum:</translation>
    </message>
    <message>
        <source>Initial Value:</source>
        <translation>Anfangswert:</translation>
    </message>
    <message>
        <source>Enter a new investment for the %1 portfolio</source>
        <translation>Geben Sie eine neue Anlage für das Portfolio %1 ein</translation>
    </message>
    <message>
        <source>Could not save the investment.</source>
        <translation>Die Anlage konnte nicht gespeichert werden.</translation>
    </message>
</context>
<context>
    <name>brevanta::OptionsDialog</name>
    <message>
        <source>Add selected</source>
        <translation>Ausgewählte hinzufügen</translation>
    </message>
    <message>
        <source>Add all</source>
        <translation>Alle hinzufügen</translation>
    </message>
    <message>
        <source>Remove selected</source>
        <translation>Ausgewählte entfernen</translation>
    </message>
    <message>
        <source>Remove all</source>
        <translation>Alle entfernen</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Nach oben</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Nach unten</translation>
    </message>
    <message>
        <source>Log performance calculation detail to Audit file.</source>
        <translation>Details der Renditeberechnung in die Protokolldatei schreiben.</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>&amp;Display</source>
        <translation>&amp;Anzeige</translation>
    </message>
    <message>
        <source>&amp;Format</source>
        <translation>&amp;Format</translation>
    </message>
    <message>
        <source>&amp;Loging</source>
        <translation>&amp;Protokoll</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Items Available</source>
        <translation>Verfügbare Spalten</translation>
    </message>
    <message>
        <source>Items Selected</source>
        <translation>Ausgewählte Spalten</translation>
    </message>
    <message>
        <source>Select the items you would like displayed on the main window</source>
        <translation>Wählen Sie die Spalten, die das Hauptfenster zeigen soll</translation>
    </message>
    <message>
        <source>&quot;$&quot; Indicates Dollar Weighted Returns</source>
        <translation>„$“ kennzeichnet kapitalgewichtete Renditen</translation>
    </message>
    <message>
        <source> # of Digits After Decimal </source>
        <translation> Nachkommastellen </translation>
    </message>
    <message>
        <source>Digits</source>
        <translation>Stellen</translation>
    </message>
    <message>
        <source> Risk Figures </source>
        <translation> Risikokennzahlen </translation>
    </message>
    <message>
        <source>&amp;Risk-free rate (% a year):</source>
        <translation>&amp;Risikofreier Zins (% p. a.):</translation>
    </message>
    <message>
        <source>The yearly rate the Sharpe and Sortino ratios measure returns against; 3 means 3 %</source>
        <translation>Der jährliche Zins, an dem Sharpe- und Sortino-Ratio die Renditen messen; 3 bedeutet 3 %</translation>
    </message>
    <message>
        <source>Selecting this option will generate a log file that stores the 
numbers used to calculate all time weighted rates of return.
The log file is named:  calclog.txt
Note: This file can get large and should be deleted or
edited from time to time if you calculate performance on 
a large number of investments regularly.
It is stored in the data directory:
%1</source>
        <translation>Mit dieser Option entsteht eine Protokolldatei, die die Zahlen
hinter allen zeitgewichteten Renditen festhält.
Die Protokolldatei heißt:  calclog.txt
Hinweis: Diese Datei kann groß werden und sollte von Zeit zu Zeit
gelöscht oder gekürzt werden, wenn Sie regelmäßig die
Wertentwicklung vieler Anlagen berechnen.
Sie liegt im Datenverzeichnis:
%1</translation>
    </message>
    <message>
        <source>Please enter a risk-free rate in percent above -100, such as 3 for 3 %.</source>
        <translation>Bitte geben Sie einen risikofreien Zins in Prozent über -100 ein, etwa 3 für 3 %.</translation>
    </message>
    <message>
        <source>The options could not be saved.</source>
        <translation>Die Optionen konnten nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Seiten</translation>
    </message>
    <message>
        <source>Columns not shown</source>
        <translation>Nicht angezeigte Spalten</translation>
    </message>
    <message>
        <source>Columns shown</source>
        <translation>Angezeigte Spalten</translation>
    </message>
    <message>
        <source>Columns the main window&apos;s investment list can show; a $ marks a dollar-weighted return.</source>
        <translation>Spalten, die die Anlagenliste des Hauptfensters zeigen kann; ein $ kennzeichnet eine kapitalgewichtete Rendite.</translation>
    </message>
    <message>
        <source>The columns of the main window&apos;s investment list, from left to right.</source>
        <translation>Die Spalten der Anlagenliste des Hauptfensters, von links nach rechts.</translation>
    </message>
    <message>
        <source>How many digits the main window shows after the decimal point of a return.</source>
        <translation>Wie viele Nachkommastellen das Hauptfenster bei einer Rendite zeigt.</translation>
    </message>
    <message>
        <source>Appends the figures behind every time-weighted return calculated to calclog.txt in the data directory.</source>
        <translation>Schreibt die Zahlen hinter jeder berechneten zeitgewichteten Rendite an das Ende von calclog.txt im Datenverzeichnis.</translation>
    </message>
    <message>
        <source> Money </source>
        <translation> Geld </translation>
    </message>
    <message>
        <source>&amp;Currency symbol:</source>
        <translation>&amp;Währungssymbol:</translation>
    </message>
    <message>
        <source>Currency symbol</source>
        <translation>Währungssymbol</translation>
    </message>
    <message>
        <source>The symbol amounts carry, such as $ or €; the windows place it as the system&apos;s locale places its currency</source>
        <translation>Das Symbol der Beträge, etwa $ oder €; die Fenster stellen es dorthin, wo die Ländereinstellung des Systems die Währung stellt</translation>
    </message>
    <message>
        <source>Please enter a currency symbol.</source>
        <translation>Bitte geben Sie ein Währungssymbol ein.</translation>
    </message>
    <message>
        <source>The currency symbol cannot hold a tab or another control character.</source>
        <translation>Das Währungssymbol darf keinen Tabulator und kein anderes Steuerzeichen enthalten.</translation>
    </message>
    <message>
        <source>The currency symbol can hold only Western European (Windows-1252) characters.</source>
        <translation>Das Währungssymbol darf nur westeuropäische Zeichen (Windows-1252) enthalten.</translation>
    </message>
    <message>
        <source>The currency symbol can be at most %1 characters long.</source>
        <translation>Das Währungssymbol darf höchstens %1 Zeichen lang sein.</translation>
    </message>
</context>
<context>
    <name>brevanta::PortfolioDialog</name>
    <message>
        <source>The investment, of any portfolio, that this portfolio&apos;s returns are compared with</source>
        <translation>Die Anlage aus einem beliebigen Portfolio, mit der die Renditen dieses Portfolios verglichen werden</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Beschreibung:</translation>
    </message>
    <message>
        <source>&amp;Benchmark:</source>
        <translation>&amp;Benchmark:</translation>
    </message>
    <message>
        <source>New Portfolio</source>
        <translation>Neues Portfolio</translation>
    </message>
    <message>
        <source>Enter your new portfolio information below.</source>
        <translation>Geben Sie unten die Angaben zum neuen Portfolio ein.</translation>
    </message>
    <message>
        <source>Update Portfolio</source>
        <translation>Portfolio ändern</translation>
    </message>
    <message>
        <source>Update this portfolio information below.</source>
        <translation>Ändern Sie unten die Angaben zu diesem Portfolio.</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Could not save the portfolio.</source>
        <translation>Das Portfolio konnte nicht gespeichert werden.</translation>
    </message>
</context>
<context>
    <name>brevanta::PortfolioGrowthWindow</name>
    <message>
        <source>Growth: %1</source>
        <translation>Wachstum: %1</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
</context>
<context>
    <name>brevanta::PortfolioTreePanel</name>
    <message>
        <source> All Portfolios</source>
        <translation> Alle Portfolios</translation>
    </message>
    <message>
        <source>Moving Investment...</source>
        <translation>Anlage wird verschoben...</translation>
    </message>
    <message>
        <source>Portfolios</source>
        <translation>Portfolios</translation>
    </message>
    <message>
        <source>Portfolios with their investments. Enter shows the details of the current one, Delete deletes it, the menu key or Shift+F10 shows its commands.</source>
        <translation>Portfolios mit ihren Anlagen. Die Eingabetaste zeigt die Details des aktuellen Eintrags, Entf löscht ihn, die Menütaste oder Umschalt+F10 zeigt seine Befehle.</translation>
    </message>
</context>
<context>
    <name>brevanta::RecordListPanel</name>
    <message>
        <source>Add...</source>
        <translation>Hinzufügen...</translation>
    </message>
    <message>
        <source>Modify...</source>
        <translation>Ändern...</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Import...</source>
        <translation>Importieren...</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>Exportieren...</translation>
    </message>
    <message>
        <source>The selection could not be removed.</source>
        <translation>Die Auswahl konnte nicht entfernt werden.</translation>
    </message>
    <message>
        <source>A file named: %1 does not exist.<byte value="xd"/>
Please try again.</source>
        <translation>Die Datei %1 ist nicht vorhanden.<byte value="xd"/>
Bitte versuchen Sie es erneut.</translation>
    </message>
</context>
<context>
    <name>brevanta::ReportDialog</name>
    <message>
        <source>Portfolio - Performance</source>
        <translation>Portfolio - Wertentwicklung</translation>
    </message>
    <message>
        <source>Portfolio - Market Values and Cash Flows</source>
        <translation>Portfolio - Marktwerte und Zahlungsströme</translation>
    </message>
    <message>
        <source>Portfolio - Growth  (Returns by Calendar Year)</source>
        <translation>Portfolio - Wachstum  (Renditen nach Kalenderjahren)</translation>
    </message>
    <message>
        <source>Investment - Detail  (Performance and Transactions)</source>
        <translation>Anlage - Details  (Wertentwicklung und Transaktionen)</translation>
    </message>
    <message>
        <source>Investment - Performance</source>
        <translation>Anlage - Wertentwicklung</translation>
    </message>
    <message>
        <source>Investment - Transactions</source>
        <translation>Anlage - Transaktionen</translation>
    </message>
    <message>
        <source>Investment - Growth  (Returns by Calendar Year)</source>
        <translation>Anlage - Wachstum  (Renditen nach Kalenderjahren)</translation>
    </message>
    <message>
        <source>Reports</source>
        <translation>Berichte</translation>
    </message>
    <message>
        <source>Select the report that you would like to run.</source>
        <translation>Wählen Sie den Bericht, den Sie erstellen möchten.</translation>
    </message>
    <message>
        <source>Dollar weighted</source>
        <translation>Kapitalgewichtet</translation>
    </message>
    <message>
        <source>Time weighted</source>
        <translation>Zeitgewichtet</translation>
    </message>
    <message>
        <source>Select the item that you would like to run a report for.</source>
        <translation>Wählen Sie, wofür Sie den Bericht erstellen möchten.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>You must select a Portfolio to run a report on.</source>
        <translation>Bitte wählen Sie ein Portfolio für den Bericht aus.</translation>
    </message>
    <message>
        <source>You must select an Investment to run a report on.</source>
        <translation>Bitte wählen Sie eine Anlage für den Bericht aus.</translation>
    </message>
</context>
<context>
    <name>brevanta::ReturnsPage</name>
    <message>
        <source> Calculate Performance...</source>
        <translation> Wertentwicklung berechnen...</translation>
    </message>
    <message>
        <source>Time-Weighted Returns  (%)</source>
        <translation>Zeitgewichtete Renditen  (%)</translation>
    </message>
    <message>
        <source>Dollar-Weighted Returns (IRR) (%)</source>
        <translation>Kapitalgewichtete Renditen (IZF) (%)</translation>
    </message>
    <message>
        <source>Performance Calculated Up To:</source>
        <translation>Wertentwicklung berechnet bis:</translation>
    </message>
    <message>
        <source>Quarter</source>
        <translation>Quartal</translation>
    </message>
    <message>
        <source>1 Year</source>
        <translation>1 Jahr</translation>
    </message>
    <message>
        <source>3 Year</source>
        <translation>3 Jahre</translation>
    </message>
    <message>
        <source>5 Year</source>
        <translation>5 Jahre</translation>
    </message>
    <message>
        <source>10 Year</source>
        <translation>10 Jahre</translation>
    </message>
    <message>
        <source>Since Inception</source>
        <translation>Seit Beginn</translation>
    </message>
    <message>
        <source>Benchmark</source>
        <translation>Benchmark</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Differenz</translation>
    </message>
    <message>
        <source>The return minus the benchmark&apos;s, in percentage points</source>
        <translation>Die Rendite abzüglich der Rendite der Benchmark, in Prozentpunkten</translation>
    </message>
    <message>
        <source>Total Contributions:</source>
        <translation>Summe der Einzahlungen:</translation>
    </message>
    <message>
        <source>Total Dividend/Distributions:</source>
        <translation>Summe der Ausschüttungen:</translation>
    </message>
    <message>
        <source>Total Withdrawls:</source>
        <translation>Summe der Entnahmen:</translation>
    </message>
    <message>
        <source>Cost Basis: </source>
        <translation>Einstandswert: </translation>
    </message>
    <message>
        <source>Recent Value:</source>
        <translation>Aktueller Wert:</translation>
    </message>
    <message>
        <source>%1: time-weighted return in percent</source>
        <translation>%1: zeitgewichtete Rendite in Prozent</translation>
    </message>
    <message>
        <source>%1: dollar-weighted return (IRR) in percent</source>
        <translation>%1: kapitalgewichtete Rendite (IZF) in Prozent</translation>
    </message>
    <message>
        <source>%1: the benchmark&apos;s return in percent</source>
        <translation>%1: Rendite der Benchmark in Prozent</translation>
    </message>
    <message>
        <source>%1: the return minus the benchmark&apos;s, in percentage points</source>
        <translation>%1: Rendite abzüglich der Benchmark-Rendite, in Prozentpunkten</translation>
    </message>
</context>
<context>
    <name>brevanta::RiskPanel</name>
    <message>
        <source>Risk</source>
        <translation>Risiko</translation>
    </message>
</context>
<context>
    <name>brevanta::TransactionDialog</name>
    <message>
        <source>Investment:</source>
        <translation>Anlage:</translation>
    </message>
    <message>
        <source>Transaction Type: </source>
        <translation>Transaktionsart: </translation>
    </message>
    <message>
        <source>Amount: </source>
        <translation>Betrag: </translation>
    </message>
    <message>
        <source>Description: </source>
        <translation>Beschreibung: </translation>
    </message>
    <message>
        <source>Repeat Transaction</source>
        <translation>Transaktion wiederholen</translation>
    </message>
    <message>
        <source>Type of Period:</source>
        <translation>Periodenart:</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Jahr</translation>
    </message>
    <message>
        <source>Quarter</source>
        <translation>Quartal</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Monat</translation>
    </message>
    <message>
        <source># of Periods:</source>
        <translation>Anzahl Perioden:</translation>
    </message>
    <message>
        <source>Add Transaction</source>
        <translation>Transaktion hinzufügen</translation>
    </message>
    <message>
        <source>Enter the new transaction information below.</source>
        <translation>Geben Sie unten die Angaben zur neuen Transaktion ein.</translation>
    </message>
    <message>
        <source>Modify Transaction</source>
        <translation>Transaktion ändern</translation>
    </message>
    <message>
        <source>Modify transaction information below.</source>
        <translation>Ändern Sie unten die Angaben zur Transaktion.</translation>
    </message>
    <message>
        <source>The transaction could not be saved.</source>
        <translation>Die Transaktion konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>None of the %1 transactions could be saved.</source>
        <translation>Keine der %1 Transaktionen konnte gespeichert werden.</translation>
    </message>
    <message>
        <source>The transaction could not be found. It may have been removed.</source>
        <translation>Die Transaktion wurde nicht gefunden. Sie wurde möglicherweise entfernt.</translation>
    </message>
</context>
<context>
    <name>brevanta::ValueDialog</name>
    <message>
        <source>Holding : </source>
        <translation>Anlage: </translation>
    </message>
    <message>
        <source>Value:</source>
        <translation>Wert:</translation>
    </message>
    <message>
        <source>Add Historical Value</source>
        <translation>Historischen Wert hinzufügen</translation>
    </message>
    <message>
        <source>Enter a new historical value for the investment below.</source>
        <translation>Geben Sie unten einen neuen historischen Wert der Anlage ein.</translation>
    </message>
    <message>
        <source>Modify Historical Value</source>
        <translation>Historischen Wert ändern</translation>
    </message>
    <message>
        <source>Modify the historical value information below.</source>
        <translation>Ändern Sie unten die Angaben zum historischen Wert.</translation>
    </message>
    <message>
        <source>The value could not be saved.</source>
        <translation>Der Wert konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>The historical value could not be found. It may have been removed.</source>
        <translation>Der historische Wert wurde nicht gefunden. Er wurde möglicherweise entfernt.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Performance of investment portfolios.</source>
        <translation>Wertentwicklung von Anlageportfolios.</translation>
    </message>
    <message>
        <source>The data directory to open.</source>
        <translation>Das zu öffnende Datenverzeichnis.</translation>
    </message>
    <message>
        <source>Draw the windows in light text on dark.</source>
        <translation>Die Fenster mit heller Schrift auf dunklem Grund zeichnen.</translation>
    </message>
</context>
</TS>
