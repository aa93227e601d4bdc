<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Columns</name>
    <message>
        <source>Month</source>
        <translation>Monat</translation>
    </message>
    <message>
        <source>QTR</source>
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
        <source>Inc</source>
        <translation>Kum.</translation>
    </message>
    <message>
        <source>Inception</source>
        <translation>Seit Beginn</translation>
    </message>
    <message>
        <source>QTR$</source>
        <translation>Quartal$</translation>
    </message>
    <message>
        <source>1 Year$</source>
        <translation>1 Jahr$</translation>
    </message>
    <message>
        <source>3 Year$</source>
        <translation>3 Jahre$</translation>
    </message>
    <message>
        <source>5 Year$</source>
        <translation>5 Jahre$</translation>
    </message>
    <message>
        <source>10 Year$</source>
        <translation>10 Jahre$</translation>
    </message>
    <message>
        <source>Inception$</source>
        <translation>Seit Beginn$</translation>
    </message>
    <message>
        <source>Inception Date</source>
        <translation>Anfangsdatum</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Recent Value</source>
        <translation>Aktueller Wert</translation>
    </message>
</context>
<context>
    <name>Core</name>
    <message>
        <source>The control character %1 cannot be stored.</source>
        <translation>Das Steuerzeichen %1 kann nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>the file is open for reading only</source>
        <translation>die Datei ist schreibgeschützt geöffnet</translation>
    </message>
    <message>
        <source>no program is reading from it</source>
        <translation>kein Programm liest daraus</translation>
    </message>
    <message>
        <source>it is a symbolic link, which is not followed</source>
        <translation>es ist ein symbolischer Link, dem nicht gefolgt wird</translation>
    </message>
    <message>
        <source>it is a symbolic link to a file that does not exist</source>
        <translation>es ist ein symbolischer Link auf eine nicht vorhandene Datei</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>the data could not be written</source>
        <translation>die Daten konnten nicht geschrieben werden</translation>
    </message>
    <message>
        <source>Could not write %1: %2</source>
        <translation>%1 konnte nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Could not read %1: %2</source>
        <translation>%1 konnte nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>es ist keine reguläre Datei</translation>
    </message>
    <message>
        <source>The character &quot;%1&quot; (%2) cannot be stored.</source>
        <translation>Das Zeichen &quot;%1&quot; (%2) kann nicht gespeichert werden.</translation>
    </message>
</context>
<context>
    <name>Engine</name>
    <message>
        <source>Cannot open %1: %2</source>
        <translation>%1 kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>EntryChecks</name>
    <message>
        <source>Please enter a name.</source>
        <translation>Bitte geben Sie einen Namen ein.</translation>
    </message>
    <message>
        <source>Please enter the name of this investment.</source>
        <translation>Bitte geben Sie den Namen dieser Anlage ein.</translation>
    </message>
    <message>
        <source>Please enter the name of this holding.</source>
        <translation>Bitte geben Sie den Namen dieser Anlage ein.</translation>
    </message>
    <message>
        <source>The character &quot;%1&quot; (%2) cannot be stored.
Please replace it.</source>
        <translation>Das Zeichen &quot;%1&quot; (%2) kann nicht gespeichert werden.
Bitte ersetzen Sie es.</translation>
    </message>
    <message>
        <source>The control character %1 cannot be stored.
Please remove it.</source>
        <translation>Das Steuerzeichen %1 kann nicht gespeichert werden.
Bitte entfernen Sie es.</translation>
    </message>
    <message>
        <source>The name can not be longer than %1 characters.
<byte value="xd"/> Please try again.</source>
        <translation>Der Name darf höchstens %1 Zeichen lang sein.
<byte value="xd"/> Bitte versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>The description can not be longer than %1 characters.
<byte value="xd"/> Please try again.</source>
        <translation>Die Beschreibung darf höchstens %1 Zeichen lang sein.
<byte value="xd"/> Bitte versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Please enter the initial value of this investment.</source>
        <translation>Bitte geben Sie den Anfangswert dieser Anlage ein.</translation>
    </message>
    <message>
        <source>The initial value of this investment cannot be larger than %1.
<byte value="xd"/> Please try again.</source>
        <translation>Der Anfangswert dieser Anlage darf nicht größer als %1 sein.
<byte value="xd"/> Bitte versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>The inception date must be before the first transaction, dated %1.<byte value="xd"/>
Please try again.</source>
        <translation>Das Anfangsdatum muss vor der ersten Transaktion vom %1 liegen.<byte value="xd"/>
Bitte versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>The inception date must be before the first historical value, dated %1.<byte value="xd"/>
Please try again.</source>
        <translation>Das Anfangsdatum muss vor dem ersten historischen Wert vom %1 liegen.<byte value="xd"/>
Bitte versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Transaction dates can not occur before an investments 
<byte value="xd"/> inception date. 
<byte value="xd"/> Please change the date and try again.</source>
        <translation>Das Datum einer Transaktion darf nicht vor dem 
<byte value="xd"/> Anfangsdatum der Anlage liegen. 
<byte value="xd"/> Bitte ändern Sie das Datum und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Please select a transaction type.</source>
        <translation>Bitte wählen Sie eine Transaktionsart aus.</translation>
    </message>
    <message>
        <source>The number can not be larger than %1.
<byte value="xd"/> Please try again.</source>
        <translation>Die Zahl darf nicht größer als %1 sein.
<byte value="xd"/> Bitte versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Please enter a number between
<byte value="xd"/> 1 and 100 for the # of periods.</source>
        <translation>Bitte geben Sie für die Anzahl der Perioden eine Zahl zwischen
<byte value="xd"/> 1 und 100 ein.</translation>
    </message>
    <message>
        <source>Historical value dates can not occur before an investments 
<byte value="xd"/> inception date. 
<byte value="xd"/> Please change the date and try again.</source>
        <translation>Das Datum eines historischen Werts darf nicht vor dem 
<byte value="xd"/> Anfangsdatum der Anlage liegen. 
<byte value="xd"/> Bitte ändern Sie das Datum und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Please enter an investment value.</source>
        <translation>Bitte geben Sie einen Wert der Anlage ein.</translation>
    </message>
    <message>
        <source>the date %1 is not between %2 and %3</source>
        <translation>das Datum %1 liegt nicht zwischen %2 und %3</translation>
    </message>
    <message>
        <source>the date %1 is not after the inception date %2</source>
        <translation>das Datum %1 liegt nicht nach dem Anfangsdatum %2</translation>
    </message>
    <message>
        <source>the amount is negative</source>
        <translation>der Betrag ist negativ</translation>
    </message>
    <message>
        <source>the amount rounds to 0.00</source>
        <translation>der Betrag ergibt gerundet 0.00</translation>
    </message>
    <message>
        <source>the amount is larger than %1</source>
        <translation>der Betrag ist größer als %1</translation>
    </message>
    <message>
        <source>the description holds the control character %1</source>
        <translation>die Beschreibung enthält das Steuerzeichen %1</translation>
    </message>
    <message>
        <source>the description holds &quot;%1&quot; (%2), which cannot be stored</source>
        <translation>die Beschreibung enthält das Zeichen &quot;%1&quot; (%2), das nicht gespeichert werden kann</translation>
    </message>
    <message>
        <source>the description is longer than %1 characters</source>
        <translation>die Beschreibung ist länger als %1 Zeichen</translation>
    </message>
    <message>
        <source>You did not enter a valid number for the initial value of this investment.
<byte value="xd"/> Please try again.</source>
        <translation>Sie haben für den Anfangswert dieser Anlage keine gültige Zahl eingegeben.
<byte value="xd"/> Bitte versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>The initial value of this investment must be a positive number.
<byte value="xd"/> Please try again.</source>
        <translation>Der Anfangswert dieser Anlage muss eine positive Zahl sein.
<byte value="xd"/> Bitte versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>You did not enter a valid number for the <byte value="xd"/>
 initial value of this investment.<byte value="xd"/>
 Please try agian.</source>
        <translation>Sie haben für den Anfangswert <byte value="xd"/>
 dieser Anlage keine gültige Zahl eingegeben.<byte value="xd"/>
 Bitte versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>The initial value of this investment must be a positive number.
<byte value="xd"/> Please try agian.</source>
        <translation>Der Anfangswert dieser Anlage muss eine positive Zahl sein.
<byte value="xd"/> Bitte versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Please enter a number for the amount of the transaction. 
<byte value="xd"/> Do not enter &apos;$&apos; or &apos;,&apos; symbols.</source>
        <translation>Bitte geben Sie für den Betrag der Transaktion eine Zahl ein. 
<byte value="xd"/> Geben Sie weder Währungssymbole wie &apos;$&apos; noch Tausendertrennzeichen ein.</translation>
    </message>
    <message>
        <source>Transactions must be a positive number.
<byte value="xd"/> Please try again.</source>
        <translation>Der Betrag einer Transaktion muss eine positive Zahl sein.
<byte value="xd"/> Bitte versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Please enter a number for the value of the holding. 
<byte value="xd"/> Do not enter &apos;$&apos; or &apos;,&apos; symbols.</source>
        <translation>Bitte geben Sie für den Wert der Anlage eine Zahl ein. 
<byte value="xd"/> Geben Sie weder Währungssymbole wie &apos;$&apos; noch Tausendertrennzeichen ein.</translation>
    </message>
    <message>
        <source>The value must be greater than 0 
<byte value="xd"/> Please try again.</source>
        <translation>Der Wert muss größer als 0 sein. 
<byte value="xd"/> Bitte versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Please enter a valid date.</source>
        <translation>Bitte geben Sie ein gültiges Datum ein.</translation>
    </message>
</context>
<context>
    <name>Exchange</name>
    <message>
        <source>Could not read %1.</source>
        <translation>%1 konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Column %1 holds no dates.</source>
        <translation>Spalte %1 enthält keine Datumsangaben.</translation>
    </message>
    <message>
        <source>No date format reads every date in column %1: name one in &quot;date.format&quot;.</source>
        <translation>Kein Datumsformat liest alle Datumsangaben in Spalte %1: Geben Sie das Format in &quot;date.format&quot; an.</translation>
    </message>
    <message>
        <source>The dates in column %1 read as %2: name one in &quot;date.format&quot;.</source>
        <translation>Die Datumsangaben in Spalte %1 lassen sich als %2 lesen: Geben Sie das Format in &quot;date.format&quot; an.</translation>
    </message>
    <message>
        <source>%1 and as %2</source>
        <translation>%1 und als %2</translation>
    </message>
    <message>
        <source>M/d/yyyy, M/d/yy or yyyy-MM-dd</source>
        <translation>M/d/yyyy, M/d/yy oder yyyy-MM-dd</translation>
    </message>
    <message>
        <source>%1 in column 2 is not CC, DI or WI</source>
        <translation>%1 in Spalte 2 ist nicht CC, DI oder WI</translation>
    </message>
    <message>
        <source>the amount in column %1 goes on in column %2 (%3)</source>
        <translation>der Betrag in Spalte %1 setzt sich in Spalte %2 fort (%3)</translation>
    </message>
    <message>
        <source>holds a date, a type code (CC, DI or WI) and an amount above 0</source>
        <translation>enthält ein Datum, ein Kürzel der Buchungsart (CC, DI oder WI) und einen Betrag über 0</translation>
    </message>
    <message>
        <source>holds a date and a value above 0</source>
        <translation>enthält ein Datum und einen Wert über 0</translation>
    </message>
    <message>
        <source>%1<byte value="xd"/>
No records were imported.</source>
        <translation>%1<byte value="xd"/>
Es wurden keine Datensätze importiert.</translation>
    </message>
    <message>
        <source>There is not enough memory to import the file.</source>
        <translation>Zum Importieren der Datei ist nicht genügend Arbeitsspeicher vorhanden.</translation>
    </message>
    <message numerus="yes">
        <source>%1 transaction records were exported to %2<byte value="xd"/>
successfully.</source>
        <translation>
            <numerusform>%1 Transaktion wurde erfolgreich nach %2<byte value="xd"/>
exportiert.</numerusform>
            <numerusform>%1 Transaktionen wurden erfolgreich nach %2<byte value="xd"/>
exportiert.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 historical value records were exported successfully.</source>
        <translation>
            <numerusform>%1 historischer Wert wurde erfolgreich exportiert.</numerusform>
            <numerusform>%1 historische Werte wurden erfolgreich exportiert.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 performance records were exported successfully.</source>
        <translation>
            <numerusform>%1 Datensatz mit Renditekennzahlen wurde erfolgreich exportiert.</numerusform>
            <numerusform>%1 Datensätze mit Renditekennzahlen wurden erfolgreich exportiert.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 Transaction records were imported successfully.%2</source>
        <translation>
            <numerusform>%1 Transaktion wurde erfolgreich importiert.%2</numerusform>
            <numerusform>%1 Transaktionen wurden erfolgreich importiert.%2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 Transaction records would be imported.</source>
        <translation>
            <numerusform>%1 Transaktion würde importiert werden.</numerusform>
            <numerusform>%1 Transaktionen würden importiert werden.</numerusform>
        </translation>
    </message>
    <message>
        <source>No Transaction records were imported: no line %1.%2</source>
        <translation>Es wurden keine Transaktionen importiert: Keine Zeile %1.%2</translation>
    </message>
    <message>
        <source>No Transaction records would be imported: no line %1.</source>
        <translation>Es würden keine Transaktionen importiert werden: Keine Zeile %1.</translation>
    </message>
    <message numerus="yes">
        <source>%1 Historical Value records were imported successfully.%2</source>
        <translation>
            <numerusform>%1 historischer Wert wurde erfolgreich importiert.%2</numerusform>
            <numerusform>%1 historische Werte wurden erfolgreich importiert.%2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 Historical Value records would be imported.</source>
        <translation>
            <numerusform>%1 historischer Wert würde importiert werden.</numerusform>
            <numerusform>%1 historische Werte würden importiert werden.</numerusform>
        </translation>
    </message>
    <message>
        <source>No Historical Value records were imported: no line %1.%2</source>
        <translation>Es wurden keine historischen Werte importiert: Keine Zeile %1.%2</translation>
    </message>
    <message>
        <source>No Historical Value records would be imported: no line %1.</source>
        <translation>Es würden keine historischen Werte importiert werden: Keine Zeile %1.</translation>
    </message>
    <message>
        <source><byte value="xd"/>
1 line was skipped: line %1</source>
        <translation><byte value="xd"/>
1 Zeile wurde übersprungen: Zeile %1</translation>
    </message>
    <message numerus="yes">
        <source><byte value="xd"/>
%1 lines were skipped: lines %2</source>
        <translation>
            <numerusform><byte value="xd"/>
%1 Zeile wurde übersprungen: Zeile %2</numerusform>
            <numerusform><byte value="xd"/>
%1 Zeilen wurden übersprungen: Zeilen %2</numerusform>
        </translation>
    </message>
    <message>
        <source>Could not write %1: it is a table of the data directory</source>
        <translation>%1 konnte nicht geschrieben werden: es ist eine Tabelle des Datenverzeichnisses</translation>
    </message>
    <message>
        <source>The file could not be read.</source>
        <translation>Die Datei konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>%1<byte value="xd"/>
No records were exported.</source>
        <translation>%1<byte value="xd"/>
Es wurden keine Datensätze exportiert.</translation>
    </message>
    <message>
        <source>column %1 is empty</source>
        <translation>Spalte %1 ist leer</translation>
    </message>
    <message>
        <source>%1 in column %2 is not a date in %3</source>
        <translation>%1 in Spalte %2 ist kein Datum im Format %3</translation>
    </message>
    <message>
        <source>%1 in column %2 is not an amount</source>
        <translation>%1 in Spalte %2 ist kein Betrag</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>must be %1</source>
        <translation>muss %1 sein</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 oder %2</translation>
    </message>
    <message>
        <source>must be an object with &quot;column&quot;</source>
        <translation>muss ein Objekt mit &quot;column&quot; sein</translation>
    </message>
    <message>
        <source>is missing</source>
        <translation>fehlt</translation>
    </message>
    <message>
        <source>must be a whole number from 1 to %1</source>
        <translation>muss eine ganze Zahl von 1 bis %1 sein</translation>
    </message>
    <message>
        <source>unknown member %1</source>
        <translation>unbekannter Eintrag %1</translation>
    </message>
    <message>
        <source>must be &quot;UTF-8&quot; or &quot;Windows-1252&quot;</source>
        <translation>muss &quot;UTF-8&quot; oder &quot;Windows-1252&quot; sein</translation>
    </message>
    <message>
        <source>must be one of %1</source>
        <translation>muss einer der Werte %1 sein</translation>
    </message>
    <message>
        <source>must differ from &quot;decimal&quot;</source>
        <translation>muss sich von &quot;decimal&quot; unterscheiden</translation>
    </message>
    <message>
        <source>excludes &quot;debit&quot; and &quot;credit&quot;</source>
        <translation>schließt &quot;debit&quot; und &quot;credit&quot; aus</translation>
    </message>
    <message>
        <source>needs &quot;credit&quot;</source>
        <translation>erfordert &quot;credit&quot;</translation>
    </message>
    <message>
        <source>needs &quot;debit&quot;</source>
        <translation>erfordert &quot;debit&quot;</translation>
    </message>
    <message>
        <source>must be an object</source>
        <translation>muss ein Objekt sein</translation>
    </message>
    <message>
        <source>maps %1 to %2, not to &quot;CC&quot;, &quot;DI&quot; or &quot;WI&quot;</source>
        <translation>ordnet %1 dem Wert %2 zu, nicht &quot;CC&quot;, &quot;DI&quot; oder &quot;WI&quot;</translation>
    </message>
    <message>
        <source>must be true or false</source>
        <translation>muss true oder false sein</translation>
    </message>
    <message>
        <source>excludes &quot;type_from_sign&quot;</source>
        <translation>schließt &quot;type_from_sign&quot; aus</translation>
    </message>
    <message>
        <source>not valid JSON (at byte %1)</source>
        <translation>kein gültiges JSON (bei Byte %1)</translation>
    </message>
    <message>
        <source>not valid JSON (a number out of range)</source>
        <translation>kein gültiges JSON (eine Zahl außerhalb des Wertebereichs)</translation>
    </message>
    <message>
        <source>not a JSON object</source>
        <translation>kein JSON-Objekt</translation>
    </message>
    <message>
        <source>must be a whole number of 0 or more</source>
        <translation>muss eine ganze Zahl größer oder gleich 0 sein</translation>
    </message>
    <message>
        <source>Could not read the file.</source>
        <translation>Die Datei konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>%1: too large for a mapping.</source>
        <translation>%1: zu groß für eine Zuordnung.</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <translation>%1: %2.</translation>
    </message>
    <message>
        <source>Could not write %1: %2</source>
        <translation>%1 konnte nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>the data could not be written</source>
        <translation>die Daten konnten nicht geschrieben werden</translation>
    </message>
    <message>
        <source>A mapping needs a name.</source>
        <translation>Eine Zuordnung benötigt einen Namen.</translation>
    </message>
    <message>
        <source>A mapping&apos;s name cannot hold &quot;/&quot;, start with &quot;.&quot; or end in &quot;.json&quot;.</source>
        <translation>Der Name einer Zuordnung darf kein &quot;/&quot; enthalten, nicht mit &quot;.&quot; beginnen und nicht auf &quot;.json&quot; enden.</translation>
    </message>
    <message>
        <source>A mapping&apos;s name cannot hold a line break.</source>
        <translation>Der Name einer Zuordnung darf keinen Zeilenumbruch enthalten.</translation>
    </message>
    <message>
        <source>both debit and credit hold an amount</source>
        <translation>sowohl Soll als auch Haben enthalten einen Betrag</translation>
    </message>
    <message>
        <source>neither debit nor credit holds an amount</source>
        <translation>weder Soll noch Haben enthält einen Betrag</translation>
    </message>
    <message>
        <source>%1 in column %2 is not mapped to a type</source>
        <translation>%1 in Spalte %2 ist keiner Buchungsart zugeordnet</translation>
    </message>
    <message>
        <source>the amount is negative, and only WI may be; %1 is mapped to %2</source>
        <translation>der Betrag ist negativ, was nur bei WI erlaubt ist; %1 ist %2 zugeordnet</translation>
    </message>
    <message>
        <source>A mapping for transactions needs &quot;type&quot; or &quot;type_from_sign&quot;.</source>
        <translation>Eine Zuordnung für Transaktionen benötigt &quot;type&quot; oder &quot;type_from_sign&quot;.</translation>
    </message>
    <message>
        <source>A mapping for historical values takes the value from &quot;amount&quot;.</source>
        <translation>Eine Zuordnung für historische Werte liest den Wert aus &quot;amount&quot;.</translation>
    </message>
    <message>
        <source>fits the mapping</source>
        <translation>passt zur Zuordnung</translation>
    </message>
</context>
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
    <message>
        <source>There is no report with the code %1.</source>
        <translation>Es gibt keinen Bericht mit dem Code %1.</translation>
    </message>
    <message>
        <source>%1: market value %2, cost basis %3</source>
        <translation>%1: Marktwert %2, Einstandswert %3</translation>
    </message>
    <message>
        <source>%1 to %2, part of the month</source>
        <translation>%1 bis %2, Teil des Monats</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 bis %2</translation>
    </message>
    <message>
        <source>Monthly time-weighted returns in percent, red below 0 and green above, the colour full from %1 % either way.</source>
        <translation>Monatliche zeitgewichtete Renditen in Prozent, rot unter 0 und grün darüber, die Farbe voll ab %1 % in beide Richtungen.</translation>
    </message>
    <message>
        <source>Not Calculated</source>
        <translation>Nicht berechnet</translation>
    </message>
    <message>
        <source>From the monthly returns since inception, with a risk-free rate of %1 % a year.</source>
        <translation>Aus den monatlichen Renditen seit Beginn, mit einem risikofreien Zins von %1 % im Jahr.</translation>
    </message>
    <message>
        <source> Total Value of the %1 portfolio: %2</source>
        <translation> Gesamtwert des Portfolios %1: %2</translation>
    </message>
    <message>
        <source>Quarter ROR: %1</source>
        <translation>Rendite Quartal: %1</translation>
    </message>
    <message>
        <source>1 Year ROR: %1</source>
        <translation>Rendite 1 Jahr: %1</translation>
    </message>
    <message>
        <source>3 Year ROR: %1</source>
        <translation>Rendite 3 Jahre: %1</translation>
    </message>
    <message>
        <source>5 Year ROR: %1</source>
        <translation>Rendite 5 Jahre: %1</translation>
    </message>
    <message>
        <source>10 Year ROR: %1</source>
        <translation>Rendite 10 Jahre: %1</translation>
    </message>
    <message>
        <source>Month ROR: %1</source>
        <translation>Rendite Monat: %1</translation>
    </message>
    <message>
        <source>From Inception of %1 Annualized ROR: %2</source>
        <translation>Seit Beginn am %1, annualisierte Rendite: %2</translation>
    </message>
    <message>
        <source>From Inception of %1 ROR: %2</source>
        <translation>Seit Beginn am %1, Rendite: %2</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>ja</translation>
    </message>
    <message>
        <source>no</source>
        <translation>nein</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Jahr</translation>
    </message>
    <message>
        <source>Partial</source>
        <translation>Teiljahr</translation>
    </message>
    <message>
        <source>Time-weighted %</source>
        <translation>Zeitgewichtet %</translation>
    </message>
    <message>
        <source>Dollar-weighted %</source>
        <translation>Kapitalgewichtet %</translation>
    </message>
    <message>
        <source>Market value</source>
        <translation>Marktwert</translation>
    </message>
    <message>
        <source>Net contributions</source>
        <translation>Nettoeinzahlungen</translation>
    </message>
    <message>
        <source>Benchmark %</source>
        <translation>Benchmark %</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Differenz</translation>
    </message>
    <message>
        <source>Jan</source>
        <translation>Jan</translation>
    </message>
    <message>
        <source>Feb</source>
        <translation>Feb</translation>
    </message>
    <message>
        <source>Mar</source>
        <translation>Mär</translation>
    </message>
    <message>
        <source>Apr</source>
        <translation>Apr</translation>
    </message>
    <message>
        <source>May</source>
        <translation>Mai</translation>
    </message>
    <message>
        <source>Jun</source>
        <translation>Jun</translation>
    </message>
    <message>
        <source>Jul</source>
        <translation>Jul</translation>
    </message>
    <message>
        <source>Aug</source>
        <translation>Aug</translation>
    </message>
    <message>
        <source>Sep</source>
        <translation>Sep</translation>
    </message>
    <message>
        <source>Oct</source>
        <translation>Okt</translation>
    </message>
    <message>
        <source>Nov</source>
        <translation>Nov</translation>
    </message>
    <message>
        <source>Months</source>
        <translation>Monate</translation>
    </message>
    <message>
        <source>The number of monthly returns since inception.</source>
        <translation>Die Zahl der monatlichen Renditen seit Beginn.</translation>
    </message>
    <message>
        <source>Volatility %</source>
        <translation>Volatilität %</translation>
    </message>
    <message>
        <source>The sample standard deviation of the monthly returns, times the square root of 12.</source>
        <translation>Die Stichproben-Standardabweichung der monatlichen Renditen, mal der Quadratwurzel aus 12.</translation>
    </message>
    <message>
        <source>Max drawdown %</source>
        <translation>Max. Rückgang %</translation>
    </message>
    <message>
        <source>The deepest fall of the linked monthly returns below their previous high.</source>
        <translation>Der tiefste Rückgang der verketteten monatlichen Renditen unter ihren vorherigen Höchststand.</translation>
    </message>
    <message>
        <source>Peak</source>
        <translation>Hoch</translation>
    </message>
    <message>
        <source>The date of the high before the deepest fall.</source>
        <translation>Das Datum des Höchststands vor dem tiefsten Rückgang.</translation>
    </message>
    <message>
        <source>Trough</source>
        <translation>Tief</translation>
    </message>
    <message>
        <source>The date the deepest fall reached its bottom.</source>
        <translation>Das Datum, an dem der tiefste Rückgang seinen Tiefpunkt erreichte.</translation>
    </message>
    <message>
        <source>Sharpe</source>
        <translation>Sharpe</translation>
    </message>
    <message>
        <source>The mean monthly return above the risk-free rate over its standard deviation, times the square root of 12.</source>
        <translation>Die mittlere monatliche Rendite über dem risikofreien Zins, geteilt durch ihre Standardabweichung, mal der Quadratwurzel aus 12.</translation>
    </message>
    <message>
        <source>Sortino</source>
        <translation>Sortino</translation>
    </message>
    <message>
        <source>The mean monthly return above the risk-free rate over the root mean square of those below it, times the square root of 12.</source>
        <translation>Die mittlere monatliche Rendite über dem risikofreien Zins, geteilt durch die Wurzel des mittleren Quadrats der Renditen darunter, mal der Quadratwurzel aus 12.</translation>
    </message>
    <message>
        <source>Best month %</source>
        <translation>Bester Monat %</translation>
    </message>
    <message>
        <source>The highest monthly return.</source>
        <translation>Die höchste monatliche Rendite.</translation>
    </message>
    <message>
        <source>Worst month %</source>
        <translation>Schlechtester Monat %</translation>
    </message>
    <message>
        <source>The lowest monthly return.</source>
        <translation>Die niedrigste monatliche Rendite.</translation>
    </message>
    <message>
        <source>Positive months %</source>
        <translation>Positive Monate %</translation>
    </message>
    <message>
        <source>The share of the months with a return above 0.</source>
        <translation>Der Anteil der Monate mit einer Rendite über 0.</translation>
    </message>
    <message>
        <source>Dec</source>
        <translation>Dez</translation>
    </message>
</context>
<context>
    <name>Store</name>
    <message>
        <source>There is no portfolio %1.</source>
        <translation>Es gibt kein Portfolio %1.</translation>
    </message>
    <message>
        <source>There is no investment %1.</source>
        <translation>Es gibt keine Anlage %1.</translation>
    </message>
    <message>
        <source>%1: cannot change the tables</source>
        <translation>In %1 können die Tabellen nicht geändert werden</translation>
    </message>
    <message>
        <source>%1 holds an unfinished change (%2) that can only be undone where its tables may be written; nothing was read.</source>
        <translation>%1 enthält eine nicht abgeschlossene Änderung (%2), die nur mit Schreibzugriff auf ihre Tabellen rückgängig gemacht werden kann; es wurde nichts gelesen.</translation>
    </message>
    <message>
        <source>%1 holds an unfinished change that can only be undone where its tables may be written; nothing was read.</source>
        <translation>%1 enthält eine nicht abgeschlossene Änderung, die nur mit Schreibzugriff auf ihre Tabellen rückgängig gemacht werden kann; es wurde nichts gelesen.</translation>
    </message>
    <message>
        <source>%1: cannot undo an unfinished change (%2): %3</source>
        <translation>In %1 kann die nicht abgeschlossene Änderung (%2) nicht rückgängig gemacht werden: %3</translation>
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
    <message>
        <source>%1 already holds %2; nothing was changed.</source>
        <translation>%1 enthält bereits %2; es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>it is not a directory</source>
        <translation>es ist kein Verzeichnis</translation>
    </message>
    <message>
        <source>%1: cannot create the data directory: %2</source>
        <translation>Das Datenverzeichnis %1 kann nicht angelegt werden: %2</translation>
    </message>
    <message>
        <source>%1 holds no Brevanta tables.</source>
        <translation>%1 enthält keine Brevanta-Tabellen.</translation>
    </message>
    <message>
        <source>Cannot mark %1 as in use (%2 may not be written); nothing was changed.</source>
        <translation>%1 kann nicht als in Benutzung markiert werden (%2 darf nicht geschrieben werden); es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>Brevanta cannot mark %1 as in use, so it is open for reading only.</source>
        <translation>Brevanta kann %1 nicht als in Benutzung markieren, daher ist es schreibgeschützt geöffnet.</translation>
    </message>
    <message>
        <source>The data directory is open for reading only.</source>
        <translation>Das Datenverzeichnis ist schreibgeschützt geöffnet.</translation>
    </message>
    <message>
        <source>The change was dropped.</source>
        <translation>Die Änderung wurde verworfen.</translation>
    </message>
    <message>
        <source>The change has ended.</source>
        <translation>Die Änderung ist bereits beendet.</translation>
    </message>
    <message>
        <source>Portfolio %1 was not found.</source>
        <translation>Das Portfolio %1 wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>Investment %1 is not in portfolio %2.</source>
        <translation>Die Anlage %1 ist nicht im Portfolio %2.</translation>
    </message>
    <message>
        <source>The copy of investment %1 is not stored.</source>
        <translation>Die Kopie der Anlage %1 ist nicht gespeichert.</translation>
    </message>
    <message>
        <source>The moved investment %1 is not stored.</source>
        <translation>Die verschobene Anlage %1 ist nicht gespeichert.</translation>
    </message>
    <message>
        <source>%1: no identifier is left.</source>
        <translation>%1: keine Kennung mehr frei.</translation>
    </message>
    <message>
        <source>Cannot tell whether another Brevanta program has %1 open (%2: %3).</source>
        <translation>Es lässt sich nicht feststellen, ob ein anderes Brevanta-Programm %1 geöffnet hat (%2: %3).</translation>
    </message>
    <message>
        <source>%1: cannot claim: %2</source>
        <translation>%1 kann nicht als in Benutzung markiert werden: %2</translation>
    </message>
    <message>
        <source>%1 is open in Brevanta; close it first.</source>
        <translation>%1 ist in Brevanta geöffnet; schließen Sie es dort zuerst.</translation>
    </message>
    <message>
        <source>%1 is being changed by brevanta-cli; try again when it has finished.</source>
        <translation>%1 wird gerade von brevanta-cli geändert; versuchen Sie es erneut, wenn der Vorgang abgeschlossen ist.</translation>
    </message>
    <message>
        <source>%1 is in use by another Brevanta program; try again when it has finished.</source>
        <translation>%1 wird von einem anderen Brevanta-Programm verwendet; versuchen Sie es erneut, wenn dieses fertig ist.</translation>
    </message>
    <message>
        <source>%1: a write inside a read of the tables.</source>
        <translation>%1: ein Schreibvorgang innerhalb eines Lesevorgangs der Tabellen.</translation>
    </message>
    <message>
        <source>%1: cannot lock: %2</source>
        <translation>%1 kann nicht gesperrt werden: %2</translation>
    </message>
    <message>
        <source>the change this file belonged to ended</source>
        <translation>die Änderung, zu der diese Datei gehörte, ist beendet</translation>
    </message>
    <message>
        <source>permissions cannot change within a change</source>
        <translation>Zugriffsrechte können innerhalb einer Änderung nicht geändert werden</translation>
    </message>
    <message>
        <source>the owner cannot change within a change</source>
        <translation>der Eigentümer kann innerhalb einer Änderung nicht geändert werden</translation>
    </message>
    <message>
        <source>the file is open for reading only</source>
        <translation>die Datei ist schreibgeschützt geöffnet</translation>
    </message>
    <message>
        <source>ends too early</source>
        <translation>endet zu früh</translation>
    </message>
    <message>
        <source>%1: the change was written, but it may not survive a power loss: %2</source>
        <translation>%1: die Änderung wurde geschrieben, übersteht aber einen Stromausfall möglicherweise nicht: %2</translation>
    </message>
    <message>
        <source>%1; the change will be undone when the data directory is next opened for writing (%2)</source>
        <translation>%1; die Änderung wird rückgängig gemacht, wenn das Datenverzeichnis das nächste Mal zum Schreiben geöffnet wird (%2)</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Zugriff verweigert</translation>
    </message>
    <message>
        <source>%1 cannot wait inside a change of the tables</source>
        <translation>Innerhalb einer Änderung der Tabellen kann %1 nicht aufgeschoben werden</translation>
    </message>
    <message>
        <source>a rename</source>
        <translation>eine Umbenennung</translation>
    </message>
    <message>
        <source>a link</source>
        <translation>eine Verknüpfung</translation>
    </message>
    <message>
        <source>a removal</source>
        <translation>eine Löschung</translation>
    </message>
    <message>
        <source>%1: the table has no field %2</source>
        <translation>%1: die Tabelle hat kein Feld %2</translation>
    </message>
    <message>
        <source>%1, row %2, field %3: &quot;%4&quot; is not %5</source>
        <translation>%1, Zeile %2, Feld %3: &quot;%4&quot; ist %5</translation>
    </message>
    <message>
        <source>a number</source>
        <translation>keine Zahl</translation>
    </message>
    <message>
        <source>an identifier</source>
        <translation>keine Kennung</translation>
    </message>
    <message>
        <source>a figure</source>
        <translation>keine Kennzahl</translation>
    </message>
    <message>
        <source>a date (yyyymmdd)</source>
        <translation>kein Datum (yyyymmdd)</translation>
    </message>
    <message>
        <source>a whole number</source>
        <translation>keine ganze Zahl</translation>
    </message>
    <message>
        <source>%1, field %2</source>
        <translation>%1, Feld %2</translation>
    </message>
    <message>
        <source>bad field name</source>
        <translation>ungültiger Feldname</translation>
    </message>
    <message>
        <source>bad character field %1</source>
        <translation>ungültiges Zeichenfeld %1</translation>
    </message>
    <message>
        <source>bad numeric field %1</source>
        <translation>ungültiges numerisches Feld %1</translation>
    </message>
    <message>
        <source>bad date field %1</source>
        <translation>ungültiges Datumsfeld %1</translation>
    </message>
    <message>
        <source>unknown field type</source>
        <translation>unbekannter Feldtyp</translation>
    </message>
    <message>
        <source>no fields</source>
        <translation>keine Felder</translation>
    </message>
    <message>
        <source>field %1 appears twice</source>
        <translation>Feld %1 kommt doppelt vor</translation>
    </message>
    <message>
        <source>record too long</source>
        <translation>Datensatz zu lang</translation>
    </message>
    <message>
        <source>The table is not open.</source>
        <translation>Die Tabelle ist nicht geöffnet.</translation>
    </message>
    <message>
        <source>%1: no current row.</source>
        <translation>%1: keine aktuelle Zeile.</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <translation>%1: %2.</translation>
    </message>
    <message>
        <source>%1: %2: %3</source>
        <translation>%1: %2: %3</translation>
    </message>
    <message>
        <source>the file ends too early</source>
        <translation>die Datei endet zu früh</translation>
    </message>
    <message>
        <source>cannot save the changes</source>
        <translation>Speichern der Änderungen nicht möglich</translation>
    </message>
    <message>
        <source>cannot read</source>
        <translation>Lesen nicht möglich</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>keine reguläre Datei</translation>
    </message>
    <message>
        <source>shorter than a table header</source>
        <translation>kürzer als ein Tabellenkopf</translation>
    </message>
    <message>
        <source>cannot read the header</source>
        <translation>Lesen des Tabellenkopfs nicht möglich</translation>
    </message>
    <message>
        <source>not a dBASE III table</source>
        <translation>keine dBASE-III-Tabelle</translation>
    </message>
    <message>
        <source>bad header length</source>
        <translation>ungültige Länge des Tabellenkopfs</translation>
    </message>
    <message>
        <source>bad row count</source>
        <translation>ungültige Zeilenzahl</translation>
    </message>
    <message>
        <source>truncated: fewer rows than the header says</source>
        <translation>abgeschnitten: weniger Zeilen, als der Tabellenkopf angibt</translation>
    </message>
    <message>
        <source>bad field descriptors</source>
        <translation>ungültige Feldbeschreibungen</translation>
    </message>
    <message>
        <source>unsupported field type in field %1</source>
        <translation>nicht unterstützter Feldtyp in Feld %1</translation>
    </message>
    <message>
        <source>no end of field descriptors</source>
        <translation>kein Ende der Feldbeschreibungen</translation>
    </message>
    <message>
        <source>record length does not match the fields</source>
        <translation>Datensatzlänge passt nicht zu den Feldern</translation>
    </message>
    <message>
        <source>cannot read rows</source>
        <translation>Lesen der Zeilen nicht möglich</translation>
    </message>
    <message>
        <source>cannot write a row</source>
        <translation>Schreiben einer Zeile nicht möglich</translation>
    </message>
    <message>
        <source>cannot write the header</source>
        <translation>Schreiben des Tabellenkopfs nicht möglich</translation>
    </message>
    <message>
        <source>%1: no such row.</source>
        <translation>%1: diese Zeile gibt es nicht.</translation>
    </message>
    <message>
        <source>Append without AppendStart.</source>
        <translation>Anfügen ohne AppendStart.</translation>
    </message>
    <message>
        <source>%1: the table is full.</source>
        <translation>%1: die Tabelle ist voll.</translation>
    </message>
    <message>
        <source>cannot append a row</source>
        <translation>Anfügen einer Zeile nicht möglich</translation>
    </message>
    <message>
        <source>cannot remove the rows of a failed append</source>
        <translation>Entfernen der Zeilen eines fehlgeschlagenen Anfügens nicht möglich</translation>
    </message>
    <message>
        <source>cannot lock the packed table</source>
        <translation>Sperren der komprimierten Tabelle nicht möglich</translation>
    </message>
    <message>
        <source>%1: cannot pack: %2</source>
        <translation>%1 kann nicht komprimiert werden: %2</translation>
    </message>
    <message>
        <source>cannot pack</source>
        <translation>Komprimieren nicht möglich</translation>
    </message>
    <message>
        <source>cannot lock</source>
        <translation>Sperren nicht möglich</translation>
    </message>
    <message>
        <source>%1: field name %2 is too long.</source>
        <translation>%1: Feldname %2 ist zu lang.</translation>
    </message>
    <message>
        <source>%1: the file already exists.</source>
        <translation>%1: die Datei ist bereits vorhanden.</translation>
    </message>
    <message>
        <source>%1: cannot create: %2</source>
        <translation>%1 kann nicht angelegt werden: %2</translation>
    </message>
    <message>
        <source>%1: cannot open: not a regular file</source>
        <translation>%1 kann nicht geöffnet werden: keine reguläre Datei</translation>
    </message>
    <message>
        <source>the table is open for reading only</source>
        <translation>die Tabelle ist schreibgeschützt geöffnet</translation>
    </message>
    <message>
        <source>%1: cannot open: %2</source>
        <translation>%1 kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>Unknown field.</source>
        <translation>Unbekanntes Feld.</translation>
    </message>
    <message>
        <source>A number cannot go into date field %1.</source>
        <translation>Eine Zahl kann nicht in das Datumsfeld %1 geschrieben werden.</translation>
    </message>
    <message>
        <source>The number %1 does not fit field %2.</source>
        <translation>Die Zahl %1 passt nicht in das Feld %2.</translation>
    </message>
    <message>
        <source>Your data files are currently in use or corrupted.<byte value="xd"/>
Due to this the application is unable to be run<byte value="xd"/>
and will stopped.</source>
        <translation>Ihre Datendateien werden gerade verwendet oder sind beschädigt.<byte value="xd"/>
Deshalb kann die Anwendung nicht ausgeführt werden<byte value="xd"/>
und wird beendet.</translation>
    </message>
    <message>
        <source>Cash Contribution</source>
        <translation>Einzahlung</translation>
    </message>
    <message>
        <source>Dividend/Distribution Reinvested</source>
        <translation>Wiederangelegte Ausschüttung</translation>
    </message>
    <message>
        <source>Withdrawal</source>
        <translation>Entnahme</translation>
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
        <translation>Grund</translation>
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
