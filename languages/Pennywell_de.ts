<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>BarPeriods</name>
    <message>
        <source>%1 Q%2</source>
        <translation>Q%2 %1</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Monat</translation>
    </message>
    <message>
        <source>Quarter</source>
        <translation>Quartal</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Jahr</translation>
    </message>
    <message>
        <source>%1 years</source>
        <translation>%1 Jahre</translation>
    </message>
</context>
<context>
    <name>BookCommands</name>
    <message>
        <source>Create Transaction %1</source>
        <translation>Buchung %1 anlegen</translation>
    </message>
    <message>
        <source>Modify Transaction %1</source>
        <translation>Buchung %1 ändern</translation>
    </message>
    <message>
        <source>Delete Transaction %1</source>
        <translation>Buchung %1 löschen</translation>
    </message>
    <message>
        <source>Add Type %1</source>
        <translation>Kategorie %1 hinzufügen</translation>
    </message>
    <message>
        <source>Delete Type %1</source>
        <translation>Kategorie %1 löschen</translation>
    </message>
    <message>
        <source>Set the Database Name</source>
        <translation>Datenbanknamen festlegen</translation>
    </message>
    <message>
        <source>Import CSV</source>
        <translation>CSV importieren</translation>
    </message>
</context>
<context>
    <name>BudgetDialog</name>
    <message>
        <source>Budget Analysis Settings</source>
        <translation>Einstellungen der Budgetanalyse</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Heute</translation>
    </message>
    <message>
        <source>Budget Analysis</source>
        <translation>Budgetanalyse</translation>
    </message>
    <message>
        <source>&lt;P&gt;From: %1&lt;/P&gt;</source>
        <translation>&lt;P&gt;Von: %1&lt;/P&gt;</translation>
    </message>
    <message>
        <source>&lt;P&gt;To: %1&lt;/P&gt;</source>
        <translation>&lt;P&gt;Bis: %1&lt;/P&gt;</translation>
    </message>
    <message>
        <source>&lt;P&gt;Today: %1&lt;/P&gt;</source>
        <translation>&lt;P&gt;Heute: %1&lt;/P&gt;</translation>
    </message>
    <message>
        <source>&lt;TABLE BORDER=&quot;5&quot;&gt;&lt;TR&gt;</source>
        <translation>&lt;TABLE BORDER=&quot;5&quot;&gt;&lt;TR&gt;</translation>
    </message>
    <message>
        <source>&lt;TD&gt;Type&lt;/TD&gt;</source>
        <translation>&lt;TD&gt;Kategorie&lt;/TD&gt;</translation>
    </message>
    <message>
        <source>&lt;TD&gt;Budget&lt;/TD&gt;</source>
        <translation>&lt;TD&gt;Budget&lt;/TD&gt;</translation>
    </message>
    <message>
        <source>&lt;TD&gt;Outgoing&lt;/TD&gt;</source>
        <translation>&lt;TD&gt;Ausgaben&lt;/TD&gt;</translation>
    </message>
    <message>
        <source>&lt;TD&gt;Ramain&lt;/TD&gt;</source>
        <translation>&lt;TD&gt;Rest&lt;/TD&gt;</translation>
    </message>
    <message>
        <source>&lt;TD&gt;Average Ramain per Day (%1 day(s))&lt;/TD&gt;&lt;/TR&gt;</source>
        <translation>&lt;TD&gt;Durchschnittlicher Rest pro Tag (%1&#xa0;Tag(e))&lt;/TD&gt;&lt;/TR&gt;</translation>
    </message>
    <message>
        <source>&lt;TR&gt;&lt;TD&gt;</source>
        <translation>&lt;TR&gt;&lt;TD&gt;</translation>
    </message>
    <message>
        <source>&lt;/TD&gt;&lt;TD&gt;</source>
        <translation>&lt;/TD&gt;&lt;TD&gt;</translation>
    </message>
    <message>
        <source>&lt;/TD&gt;&lt;/TR&gt;</source>
        <translation>&lt;/TD&gt;&lt;/TR&gt;</translation>
    </message>
    <message>
        <source>&lt;/TABLE&gt;&lt;P&gt;&lt;/P&gt;&lt;TABLE BORDER=&quot;5&quot;&gt;&lt;TR&gt;&lt;TD&gt;Total Budget&lt;/TD&gt;&lt;TD&gt;</source>
        <translation>&lt;/TABLE&gt;&lt;P&gt;&lt;/P&gt;&lt;TABLE BORDER=&quot;5&quot;&gt;&lt;TR&gt;&lt;TD&gt;Budget gesamt&lt;/TD&gt;&lt;TD&gt;</translation>
    </message>
    <message>
        <source>&lt;/TD&gt;&lt;TD&gt;Total Outgoing&lt;/TD&gt;&lt;TD&gt;</source>
        <translation>&lt;/TD&gt;&lt;TD&gt;Ausgaben gesamt&lt;/TD&gt;&lt;TD&gt;</translation>
    </message>
    <message>
        <source>&lt;/TD&gt;&lt;TR&gt;&lt;TD&gt;Total Remain&lt;/TD&gt;&lt;TD&gt;</source>
        <translation>&lt;/TD&gt;&lt;TR&gt;&lt;TD&gt;Rest gesamt&lt;/TD&gt;&lt;TD&gt;</translation>
    </message>
    <message>
        <source>&lt;/TD&gt;&lt;TD&gt;Average Remain per Day (%1 Day(s))&lt;/TD&gt;&lt;TD&gt;</source>
        <translation>&lt;/TD&gt;&lt;TD&gt;Durchschnittlicher Rest pro Tag (%1&#xa0;Tag(e))&lt;/TD&gt;&lt;TD&gt;</translation>
    </message>
    <message>
        <source>&lt;/TD&gt;&lt;/TR&gt;&lt;/TABLE&gt;</source>
        <translation>&lt;/TD&gt;&lt;/TR&gt;&lt;/TABLE&gt;</translation>
    </message>
</context>
<context>
    <name>ChartData</name>
    <message>
        <source>Other</source>
        <translation>Sonstige</translation>
    </message>
</context>
<context>
    <name>ChartDialog</name>
    <message>
        <source>Charts</source>
        <translation>Diagramme</translation>
    </message>
</context>
<context>
    <name>ChartWindow</name>
    <message>
        <source>Charts</source>
        <translation>Diagramme</translation>
    </message>
    <message>
        <source>Save...</source>
        <translation>Speichern …</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>%1 (%2%)</source>
        <translation>%1 (%2 %)</translation>
    </message>
    <message>
        <source>Income</source>
        <translation>Einnahmen</translation>
    </message>
    <message>
        <source>Outgoing</source>
        <translation>Ausgaben</translation>
    </message>
    <message>
        <source>PNG Image (*.png);;SVG Image (*.svg)</source>
        <translation>PNG-Bild (*.png);;SVG-Bild (*.svg)</translation>
    </message>
    <message>
        <source>File %1 already exists.
Do you want to override it?</source>
        <translation>Die Datei %1 gibt es bereits.
Möchten Sie sie überschreiben?</translation>
    </message>
    <message>
        <source>Pennywell</source>
        <translation>Pennywell</translation>
    </message>
    <message>
        <source>The chart could not be saved as %1.</source>
        <translation>Das Diagramm konnte nicht als %1 gespeichert werden.</translation>
    </message>
    <message>
        <source>Balance: %1</source>
        <translation>Saldo: %1</translation>
    </message>
    <message>
        <source>Income by type</source>
        <translation>Einnahmen nach Kategorie</translation>
    </message>
    <message>
        <source>No income in the chosen range</source>
        <translation>Keine Einnahmen im gewählten Zeitraum</translation>
    </message>
    <message>
        <source>Outgoing by type</source>
        <translation>Ausgaben nach Kategorie</translation>
    </message>
    <message>
        <source>No outgoing in the chosen range</source>
        <translation>Keine Ausgaben im gewählten Zeitraum</translation>
    </message>
    <message>
        <source>Income and outgoing</source>
        <translation>Einnahmen und Ausgaben</translation>
    </message>
</context>
<context>
    <name>CsvCommands</name>
    <message>
        <source>CSV files, encoding detected (*.csv)</source>
        <translation>CSV-Dateien, Kodierung automatisch erkennen (*.csv)</translation>
    </message>
    <message>
        <source>CSV files, UTF-8 (*.csv)</source>
        <translation>CSV-Dateien, UTF-8 (*.csv)</translation>
    </message>
    <message>
        <source>CSV files, Big5 (*.csv)</source>
        <translation>CSV-Dateien, Big5 (*.csv)</translation>
    </message>
    <message>
        <source>The file %1 can&apos;t be read.</source>
        <translation>Die Datei %1 kann nicht gelesen werden.</translation>
    </message>
    <message numerus="yes">
        <source>%n transaction(s) imported.</source>
        <translation>
            <numerusform>%n Buchung importiert.</numerusform>
            <numerusform>%n Buchungen importiert.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n new type(s) created.</source>
        <translation>
            <numerusform>%n neue Kategorie angelegt.</numerusform>
            <numerusform>%n neue Kategorien angelegt.</numerusform>
        </translation>
    </message>
    <message>
        <source>Import CSV</source>
        <translation>CSV importieren</translation>
    </message>
    <message>
        <source>CSV, UTF-8 (*.csv)</source>
        <translation>CSV-Datei, UTF-8 (*.csv)</translation>
    </message>
    <message>
        <source>CSV, UTF-8 for spreadsheets (*.csv)</source>
        <translation>CSV-Datei, UTF-8 für Tabellenkalkulationen (*.csv)</translation>
    </message>
    <message>
        <source>CSV, Big5 (*.csv)</source>
        <translation>CSV-Datei, Big5 (*.csv)</translation>
    </message>
    <message>
        <source>The file %1 can&apos;t be written: %2</source>
        <translation>Die Datei %1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>The file %1 is the open book itself; the CSV would replace it. Nothing was written.</source>
        <translation>Die Datei %1 ist das geöffnete Buch selbst; die CSV-Datei würde es ersetzen. Es wurde nichts geschrieben.</translation>
    </message>
</context>
<context>
    <name>CsvImport</name>
    <message>
        <source>the file is empty; it needs a header row such as index,date,direction,amount,type,comment</source>
        <translation>Die Datei ist leer; sie braucht eine Kopfzeile wie index,date,direction,amount,type,comment</translation>
    </message>
    <message>
        <source>unknown column &quot;%1&quot;; the columns are index, date, direction, amount, type and comment</source>
        <translation>Unbekannte Spalte „%1“; die Spalten heißen index, date, direction, amount, type und comment</translation>
    </message>
    <message>
        <source>the column &quot;%1&quot; appears twice</source>
        <translation>Die Spalte „%1“ kommt zweimal vor</translation>
    </message>
    <message>
        <source>the header has no &quot;%1&quot; column</source>
        <translation>In der Kopfzeile fehlt die Spalte „%1“</translation>
    </message>
    <message>
        <source>a quote inside a field that doesn&apos;t start with one; enclose the field in quotes and double the quote</source>
        <translation>Anführungszeichen in einem Feld, das nicht mit einem beginnt; setzen Sie das Feld in Anführungszeichen und verdoppeln Sie das Anführungszeichen darin</translation>
    </message>
    <message>
        <source>text after the closing quote of a field</source>
        <translation>Text nach dem schließenden Anführungszeichen eines Felds</translation>
    </message>
    <message>
        <source>a quoted field is never closed</source>
        <translation>Ein Feld in Anführungszeichen wird nie geschlossen</translation>
    </message>
    <message>
        <source>%1 fields where the header has %2</source>
        <translation>Die Kopfzeile hat %2 Felder, diese Zeile aber %1</translation>
    </message>
    <message>
        <source>the date &quot;%1&quot; is not a calendar date written YYYY-MM-DD</source>
        <translation>Das Datum „%1“ ist kein gültiges Kalenderdatum im Format JJJJ-MM-TT</translation>
    </message>
    <message>
        <source>the direction &quot;%1&quot; is neither &quot;income&quot; nor &quot;outgoing&quot;</source>
        <translation>Der Wert „%1“ in der Spalte „direction“ ist weder „income“ noch „outgoing“</translation>
    </message>
    <message>
        <source>the amount &quot;%1&quot; is not a whole number</source>
        <translation>Der Betrag „%1“ ist keine ganze Zahl</translation>
    </message>
    <message>
        <source>the amount %1 is out of range (-2147483648 to 2147483647)</source>
        <translation>Der Betrag %1 liegt außerhalb des gültigen Bereichs (-2147483648 bis 2147483647)</translation>
    </message>
    <message>
        <source>the %1 is not valid UTF-8 text</source>
        <translation>Die Spalte „%1“ enthält keinen gültigen UTF-8-Text</translation>
    </message>
    <message>
        <source>the %1 is not valid Big5 text</source>
        <translation>Die Spalte „%1“ enthält keinen gültigen Big5-Text</translation>
    </message>
    <message>
        <source>the %1 &quot;%2&quot; holds a character that Big5 can&apos;t store</source>
        <translation>Der Wert „%2“ in der Spalte „%1“ enthält ein Zeichen, das sich in Big5 nicht speichern lässt</translation>
    </message>
    <message>
        <source>the %1 is %2 bytes long in Big5; at most %3 fit</source>
        <translation>Der Wert in der Spalte „%1“ ist in Big5 %2 Byte lang; höchstens %3 Byte sind möglich</translation>
    </message>
    <message>
        <source>the new type &quot;%1&quot; would be one more than the 128 types a database can hold</source>
        <translation>Mit der neuen Kategorie „%1“ hätte die Datenbank mehr als die höchstens möglichen 128 Kategorien</translation>
    </message>
    <message>
        <source>the database has no transaction index left for this row</source>
        <translation>Die Datenbank hat für diese Zeile keine freie Buchungsnummer mehr</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>The CSV file was not imported; the database is unchanged.</source>
        <translation>Die CSV-Datei wurde nicht importiert; die Datenbank ist unverändert.</translation>
    </message>
    <message numerus="yes">
        <source>%n more faulty row(s) not listed.</source>
        <translation>
            <numerusform>%n weitere fehlerhafte Zeile nicht aufgeführt.</numerusform>
            <numerusform>%n weitere fehlerhafte Zeilen nicht aufgeführt.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DBNameDialog</name>
    <message>
        <source>Enter the database name</source>
        <translation>Geben Sie den Namen der Datenbank ein</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>The character &quot;%1&quot; (U+%2) can&apos;t be stored: Big5 has no such character.</source>
        <translation>Das Zeichen „%1“ (U+%2) lässt sich nicht speichern: Big5 kennt dieses Zeichen nicht.</translation>
    </message>
    <message>
        <source>The name takes %1 bytes in Big5; at most %2 can be stored.</source>
        <translation>Der Name belegt in Big5 %1 Byte; höchstens %2 lassen sich speichern.</translation>
    </message>
    <message>
        <source>The name can&apos;t be stored in a Pennywell database file.</source>
        <translation>Der Name lässt sich nicht in einer Pennywell-Datenbankdatei speichern.</translation>
    </message>
</context>
<context>
    <name>FilterBar</name>
    <message>
        <source>All types</source>
        <translation>Alle Kategorien</translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation>&amp;Suchen:</translation>
    </message>
    <message>
        <source>Comment or type</source>
        <translation>Notiz oder Kategorie</translation>
    </message>
    <message>
        <source>Close the find bar (Esc)</source>
        <translation>Suchleiste schließen (Esc)</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Von</translation>
    </message>
    <message>
        <source>to</source>
        <translation>bis</translation>
    </message>
    <message>
        <source>Income and outgoing</source>
        <translation>Einnahmen und Ausgaben</translation>
    </message>
</context>
<context>
    <name>GrandTotalDialog</name>
    <message>
        <source>Grand Total</source>
        <translation>Gesamtsumme</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Outgoing</source>
        <translation>Ausgaben</translation>
    </message>
    <message>
        <source>Income</source>
        <translation>Einnahmen</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Array out of bound</source>
        <translation>Feldindex außerhalb des gültigen Bereichs</translation>
    </message>
    <message>
        <source>There are still other transactions use this type</source>
        <translation>Diese Kategorie wird noch von anderen Buchungen verwendet</translation>
    </message>
    <message>
        <source>No transaction type</source>
        <translation>Diese Kategorie gibt es nicht</translation>
    </message>
    <message>
        <source>The transaction index is not exist</source>
        <translation>Es gibt keine Buchung mit dieser Nummer</translation>
    </message>
    <message>
        <source>File open error</source>
        <translation>Die Datei konnte nicht geöffnet werden</translation>
    </message>
    <message>
        <source>Not Pennywell database file</source>
        <translation>Dies ist keine Pennywell-Datenbankdatei</translation>
    </message>
    <message>
        <source>This PWDB file is correspond with this program</source>
        <translation>Diese PWDB-Datei passt nicht zu dieser Programmversion</translation>
    </message>
    <message>
        <source>Too many transaction types</source>
        <translation>Zu viele Kategorien</translation>
    </message>
    <message>
        <source>Damaged Pennywell database file</source>
        <translation>Die Pennywell-Datenbankdatei ist beschädigt</translation>
    </message>
    <message>
        <source>File write error</source>
        <translation>Die Datei konnte nicht geschrieben werden</translation>
    </message>
    <message>
        <source>The database name is longer than 255 bytes</source>
        <translation>Der Name der Datenbank ist länger als 255 Byte</translation>
    </message>
    <message>
        <source>A type name is longer than 255 bytes</source>
        <translation>Ein Kategoriename ist länger als 255 Byte</translation>
    </message>
    <message>
        <source>A comment is longer than 255 bytes</source>
        <translation>Eine Notiz ist länger als 255 Byte</translation>
    </message>
    <message>
        <source>No transaction index left</source>
        <translation>Es ist keine Buchungsnummer mehr frei</translation>
    </message>
    <message>
        <source>The type %1 has existed</source>
        <translation>Die Kategorie „%1“ gibt es bereits</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Deutsch</translation>
    </message>
    <message>
        <source>Pennywell Database File (*.pwdb)</source>
        <translation>Pennywell-Datenbankdatei (*.pwdb)</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>Ctrl+N</source>
        <translation>Ctrl+N</translation>
    </message>
    <message>
        <source>Create a new database</source>
        <translation>Legt eine neue Datenbank an</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>Ö&amp;ffnen</translation>
    </message>
    <message>
        <source>Ctrl+O</source>
        <translation>Ctrl+O</translation>
    </message>
    <message>
        <source>Open an exist database</source>
        <translation>Öffnet eine vorhandene Datenbank</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Ctrl+S</source>
        <translation>Ctrl+S</translation>
    </message>
    <message>
        <source>Save the current database</source>
        <translation>Speichert die aktuelle Datenbank</translation>
    </message>
    <message>
        <source>Save &amp;As</source>
        <translation>Speichern &amp;unter</translation>
    </message>
    <message>
        <source>Save the current database as ...</source>
        <translation>Speichert die aktuelle Datenbank unter einem neuen Namen</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <source>Close the current database</source>
        <translation>Schließt die aktuelle Datenbank</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Ctrl+Q</source>
        <translation>Ctrl+Q</translation>
    </message>
    <message>
        <source>Exit the application</source>
        <translation>Beendet das Programm</translation>
    </message>
    <message>
        <source>&amp;Create</source>
        <translation>&amp;Anlegen</translation>
    </message>
    <message>
        <source>Ctrl+C</source>
        <translation>Ctrl+C</translation>
    </message>
    <message>
        <source>Create a transaction</source>
        <translation>Legt eine Buchung an</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Ctrl+D</source>
        <translation>Ctrl+D</translation>
    </message>
    <message>
        <source>Delete a transaction</source>
        <translation>Löscht eine Buchung</translation>
    </message>
    <message>
        <source>&amp;Modify</source>
        <translation>Ä&amp;ndern</translation>
    </message>
    <message>
        <source>Ctrl+M</source>
        <translation>Ctrl+M</translation>
    </message>
    <message>
        <source>Modify a transaction</source>
        <translation>Ändert eine Buchung</translation>
    </message>
    <message>
        <source>Delete this transaction</source>
        <translation>Löscht diese Buchung</translation>
    </message>
    <message>
        <source>Modify this transaction</source>
        <translation>Ändert diese Buchung</translation>
    </message>
    <message>
        <source>&amp;Set the Database Name</source>
        <translation>Datenbank&amp;namen festlegen</translation>
    </message>
    <message>
        <source>Set or modify the database name</source>
        <translation>Legt den Namen der Datenbank fest oder ändert ihn</translation>
    </message>
    <message>
        <source>&amp;Grand Total</source>
        <translation>&amp;Gesamtsumme</translation>
    </message>
    <message>
        <source>Ctrl+G</source>
        <translation>Ctrl+G</translation>
    </message>
    <message>
        <source>Calculate grand total</source>
        <translation>Berechnet die Gesamtsumme</translation>
    </message>
    <message>
        <source>&amp;Budget Analasis</source>
        <translation>&amp;Budgetanalyse</translation>
    </message>
    <message>
        <source>Ctrl+B</source>
        <translation>Ctrl+B</translation>
    </message>
    <message>
        <source>Analyze your budget plan</source>
        <translation>Analysiert Ihre Budgetplanung</translation>
    </message>
    <message>
        <source>&amp;Percentage Analysis</source>
        <translation>&amp;Anteilsanalyse</translation>
    </message>
    <message>
        <source>Ctrl+P</source>
        <translation>Ctrl+P</translation>
    </message>
    <message>
        <source>Analyze the percentage of each Income/Outgoing type</source>
        <translation>Analysiert den Anteil jeder Einnahmen- und Ausgabenkategorie</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber Pennywell</translation>
    </message>
    <message>
        <source>Show the application&apos;s About box</source>
        <translation>Zeigt Informationen über Pennywell an</translation>
    </message>
    <message>
        <source>About &amp;Qt</source>
        <translation>Über &amp;Qt</translation>
    </message>
    <message>
        <source>Show the Qt library&apos;s About box</source>
        <translation>Zeigt Informationen über die Qt-Bibliothek an</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Transaction</source>
        <translation>&amp;Buchung</translation>
    </message>
    <message>
        <source>&amp;Database</source>
        <translation>Da&amp;tenbank</translation>
    </message>
    <message>
        <source>&amp;Statistic</source>
        <translation>&amp;Statistik</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Sprache</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>File Modified</source>
        <translation>Datei geändert</translation>
    </message>
    <message>
        <source>File Saved</source>
        <translation>Datei gespeichert</translation>
    </message>
    <message>
        <source>Pennywell - %1</source>
        <translation>Pennywell - %1</translation>
    </message>
    <message>
        <source>Pennywell</source>
        <translation>Pennywell</translation>
    </message>
    <message>
        <source>About Pennywell</source>
        <translation>Über Pennywell</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>The name can&apos;t be stored in a Pennywell database file: it may hold only Big5 characters and at most 255 bytes.</source>
        <translation>Der Name kann nicht in einer Pennywell-Datenbankdatei gespeichert werden: Er darf nur Big5-Zeichen enthalten und höchstens 255 Byte lang sein.</translation>
    </message>
    <message>
        <source>The database has been modified.
Do you want to save your changes?</source>
        <translation>Die Datenbank wurde geändert.
Möchten Sie die Änderungen speichern?</translation>
    </message>
    <message>
        <source>File %1 already exists.
Do you want to override it?</source>
        <translation>Die Datei %1 gibt es bereits.
Möchten Sie sie überschreiben?</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Nummer</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>In/Out</source>
        <translation>Ein/Aus</translation>
    </message>
    <message>
        <source>Money</source>
        <translation>Betrag</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Notiz</translation>
    </message>
    <message>
        <source>Income</source>
        <translation>Einnahme</translation>
    </message>
    <message>
        <source>Outgoing</source>
        <translation>Ausgabe</translation>
    </message>
    <message>
        <source>&amp;Import CSV…</source>
        <translation>CSV &amp;importieren…</translation>
    </message>
    <message>
        <source>Add the transactions of a CSV file to the database</source>
        <translation>Fügt die Buchungen einer CSV-Datei zur Datenbank hinzu</translation>
    </message>
    <message>
        <source>&amp;Export CSV…</source>
        <translation>CSV &amp;exportieren…</translation>
    </message>
    <message>
        <source>Write the transactions to a CSV file</source>
        <translation>Schreibt die Buchungen in eine CSV-Datei</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>B&amp;earbeiten</translation>
    </message>
    <message>
        <source>C&amp;harts</source>
        <translation>Dia&amp;gramme</translation>
    </message>
    <message>
        <source>Show the shares of the chosen types and each month&apos;s income and outgoing as charts</source>
        <translation>Zeigt die Anteile der gewählten Kategorien und die Einnahmen und Ausgaben jedes Monats als Diagramme</translation>
    </message>
    <message>
        <source>The transaction index is in use</source>
        <translation>Die Buchungsnummer ist bereits vergeben</translation>
    </message>
    <message>
        <source>No such file or folder</source>
        <translation>Datei oder Ordner nicht gefunden</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Zugriff verweigert</translation>
    </message>
    <message>
        <source>Operation not permitted</source>
        <translation>Vorgang nicht zulässig</translation>
    </message>
    <message>
        <source>Is a folder</source>
        <translation>Ist ein Ordner</translation>
    </message>
    <message>
        <source>Not a folder</source>
        <translation>Ist kein Ordner</translation>
    </message>
    <message>
        <source>Disk full</source>
        <translation>Datenträger voll</translation>
    </message>
    <message>
        <source>Disk quota exceeded</source>
        <translation>Speicherkontingent überschritten</translation>
    </message>
    <message>
        <source>File too large</source>
        <translation>Datei zu groß</translation>
    </message>
    <message>
        <source>Read-only file system</source>
        <translation>Schreibgeschütztes Dateisystem</translation>
    </message>
    <message>
        <source>Input/output error</source>
        <translation>Ein-/Ausgabefehler</translation>
    </message>
    <message>
        <source>The open book is unchanged.</source>
        <translation>Die geöffnete Datenbank ist unverändert.</translation>
    </message>
    <message>
        <source>Nothing was saved; your changes are still open.</source>
        <translation>Es wurde nichts gespeichert; Ihre Änderungen sind weiterhin geöffnet.</translation>
    </message>
    <message>
        <source>&amp;Find</source>
        <translation>&amp;Suchen</translation>
    </message>
    <message>
        <source>Ctrl+F</source>
        <translation>Ctrl+F</translation>
    </message>
    <message>
        <source>Show only the transactions that match</source>
        <translation>Zeigt nur die passenden Buchungen</translation>
    </message>
    <message>
        <source>%1 of %2 transactions match, balance %3</source>
        <translation>%1 von %2 Buchungen passen, Saldo %3</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Rückgängig: %1</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>Ctrl+Z</source>
        <translation>Ctrl+Z</translation>
    </message>
    <message>
        <source>Take back the last change to the database</source>
        <translation>Nimmt die letzte Änderung an der Datenbank zurück</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Wiederholen: %1</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>Ctrl+Shift+Z</source>
        <translation>Ctrl+Shift+Z</translation>
    </message>
    <message>
        <source>Make the change taken back again</source>
        <translation>Führt die zurückgenommene Änderung erneut aus</translation>
    </message>
    <message>
        <source>The backup file&apos;s name would be longer than 255 bytes</source>
        <translation>Der Name der Sicherungsdatei wäre länger als 255 Byte</translation>
    </message>
    <message>
        <source>not enough memory to read %1</source>
        <translation>nicht genug Arbeitsspeicher, um %1 zu lesen</translation>
    </message>
    <message>
        <source>%1 was changed by another program since it was opened. Replace it? The other version will be kept as the backup.</source>
        <translation>%1 wurde seit dem Öffnen von einem anderen Programm geändert. Ersetzen? Die andere Fassung wird als Sicherung aufbewahrt.</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Pennywell %1&lt;/h2&gt;&lt;p&gt;Produced by&lt;p&gt;the Pennywell developers&lt;p&gt;Please report problems on the Pennywell project&apos;s issue tracker.&lt;p&gt;Pennywell Tool</source>
        <translation>&lt;h2&gt;Pennywell %1&lt;/h2&gt;&lt;p&gt;Entwickelt von&lt;p&gt;den Pennywell-Entwicklern&lt;p&gt;Bitte melden Sie Probleme im Fehlerverfolgungssystem des Pennywell-Projekts.&lt;p&gt;Pennywell-Werkzeug</translation>
    </message>
    <message>
        <source>&lt;p&gt;Pennywell is free software: you may share and change it under the GNU General Public License, version 3 or later.</source>
        <translation>&lt;p&gt;Pennywell ist freie Software: Sie dürfen sie unter den Bedingungen der GNU General Public License, Version 3 oder später, weitergeben und verändern.</translation>
    </message>
    <message>
        <source>Exported to %1</source>
        <translation>Exportiert nach %1</translation>
    </message>
</context>
<context>
    <name>PercentageDialog</name>
    <message>
        <source>Percentage Analysis</source>
        <translation>Anteilsanalyse</translation>
    </message>
    <message>
        <source>&lt;TABLE BORDER=&quot;5&quot;&gt;</source>
        <translation>&lt;TABLE BORDER=&quot;5&quot;&gt;</translation>
    </message>
    <message>
        <source>&lt;TR&gt;&lt;TD&gt;Total Income&lt;/TD&gt;&lt;TD&gt;Selected Type Income&lt;/TD&gt;&lt;/TR&gt;</source>
        <translation>&lt;TR&gt;&lt;TD&gt;Einnahmen aller Kategorien&lt;/TD&gt;&lt;TD&gt;Einnahmen der gewählten Kategorien&lt;/TD&gt;&lt;/TR&gt;</translation>
    </message>
    <message>
        <source>&lt;TR&gt;&lt;TD&gt;%1&lt;/TD&gt;&lt;TD&gt;%2&lt;/TD&gt;&lt;/TR&gt;</source>
        <translation>&lt;TR&gt;&lt;TD&gt;%1&lt;/TD&gt;&lt;TD&gt;%2&lt;/TD&gt;&lt;/TR&gt;</translation>
    </message>
    <message>
        <source>&lt;TR&gt;&lt;TD&gt;Total Outgoing&lt;/TD&gt;&lt;TD&gt;Selected Type Outgoing&lt;/TD&gt;&lt;/TR&gt;</source>
        <translation>&lt;TR&gt;&lt;TD&gt;Ausgaben aller Kategorien&lt;/TD&gt;&lt;TD&gt;Ausgaben der gewählten Kategorien&lt;/TD&gt;&lt;/TR&gt;</translation>
    </message>
    <message>
        <source>&lt;TR&gt;&lt;TD&gt;Total In&amp;Out&lt;/TD&gt;&lt;TD&gt;Selected Type In&amp;Out&lt;/TD&gt;&lt;/TR&gt;</source>
        <translation>&lt;TR&gt;&lt;TD&gt;Einnahmen &amp; Ausgaben aller Kategorien&lt;/TD&gt;&lt;TD&gt;Einnahmen &amp; Ausgaben der gewählten Kategorien&lt;/TD&gt;&lt;/TR&gt;</translation>
    </message>
    <message>
        <source>&lt;/TABLE&gt;</source>
        <translation>&lt;/TABLE&gt;</translation>
    </message>
    <message>
        <source>&lt;TR&gt;&lt;TD&gt;Type&lt;/TD&gt;&lt;TD&gt;Income&lt;/TD&gt;&lt;TD&gt;Income Selected Percent&lt;/TD&gt;&lt;TD&gt;Income Total Percent&lt;/TD&gt;</source>
        <translation>&lt;TR&gt;&lt;TD&gt;Kategorie&lt;/TD&gt;&lt;TD&gt;Einnahmen&lt;/TD&gt;&lt;TD&gt;Anteil (Auswahl)&lt;/TD&gt;&lt;TD&gt;Anteil (gesamt)&lt;/TD&gt;</translation>
    </message>
    <message>
        <source>&lt;TD&gt;Outgoing&lt;/TD&gt;&lt;TD&gt;Outgoing Selected Percent&lt;/TD&gt;&lt;TD&gt;Outgoing Total Percent&lt;/TD&gt;</source>
        <translation>&lt;TD&gt;Ausgaben&lt;/TD&gt;&lt;TD&gt;Anteil (Auswahl)&lt;/TD&gt;&lt;TD&gt;Anteil (gesamt)&lt;/TD&gt;</translation>
    </message>
    <message>
        <source>&lt;TD&gt;Sum&lt;/TD&gt;&lt;TD&gt;Sum Selected Percent&lt;/TD&gt;&lt;TD&gt;Sum Percent&lt;/TD&gt;&lt;/TR&gt;</source>
        <translation>&lt;TD&gt;Summe&lt;/TD&gt;&lt;TD&gt;Anteil (Auswahl)&lt;/TD&gt;&lt;TD&gt;Anteil (gesamt)&lt;/TD&gt;&lt;/TR&gt;</translation>
    </message>
    <message>
        <source>&lt;TR&gt;&lt;TD&gt;%1&lt;/TD&gt;</source>
        <translation>&lt;TR&gt;&lt;TD&gt;%1&lt;/TD&gt;</translation>
    </message>
    <message>
        <source>&lt;TD&gt;%1&lt;/TD&gt;&lt;TD&gt;%2%&lt;/TD&gt;&lt;TD&gt;%3%&lt;/TD&gt;</source>
        <translation>&lt;TD&gt;%1&lt;/TD&gt;&lt;TD&gt;%2&#xa0;%&lt;/TD&gt;&lt;TD&gt;%3&#xa0;%&lt;/TD&gt;</translation>
    </message>
    <message>
        <source>&lt;TD&gt;%1&lt;/TD&gt;&lt;TD&gt;%2%&lt;/TD&gt;&lt;TD&gt;%3%&lt;/TD&gt;&lt;/TR&gt;</source>
        <translation>&lt;TD&gt;%1&lt;/TD&gt;&lt;TD&gt;%2&#xa0;%&lt;/TD&gt;&lt;TD&gt;%3&#xa0;%&lt;/TD&gt;&lt;/TR&gt;</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Unknown error</source>
        <translation>Unbekannter Fehler</translation>
    </message>
</context>
<context>
    <name>RecentBooksMenu</name>
    <message>
        <source>Recent &amp;Books</source>
        <translation>&amp;Zuletzt geöffnete Datenbanken</translation>
    </message>
    <message>
        <source>&amp;%1 %2</source>
        <translation>&amp;%1 %2</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Liste leeren</translation>
    </message>
</context>
<context>
    <name>StatisticDialog</name>
    <message>
        <source>From</source>
        <translation>Von</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Bis</translation>
    </message>
    <message>
        <source>Select Types</source>
        <translation>Kategorien auswählen</translation>
    </message>
    <message>
        <source>Select In/Out</source>
        <translation>Ein/Aus auswählen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Income</source>
        <translation>Einnahmen</translation>
    </message>
    <message>
        <source>Outgoing</source>
        <translation>Ausgaben</translation>
    </message>
    <message>
        <source>ALL</source>
        <translation>Alle</translation>
    </message>
    <message>
        <source>Chart</source>
        <translation>Diagramm</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>Zeitraum</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Benutzerdefiniert</translation>
    </message>
    <message>
        <source>This month</source>
        <translation>Dieser Monat</translation>
    </message>
    <message>
        <source>Last month</source>
        <translation>Letzter Monat</translation>
    </message>
    <message>
        <source>This year</source>
        <translation>Dieses Jahr</translation>
    </message>
    <message>
        <source>Last year</source>
        <translation>Letztes Jahr</translation>
    </message>
    <message>
        <source>Whole book</source>
        <translation>Ganze Datenbank</translation>
    </message>
</context>
<context>
    <name>TransactionDialog</name>
    <message>
        <source>Type</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>Money</source>
        <translation>Betrag</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Notiz</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Select a transaction</source>
        <translation>Buchung auswählen</translation>
    </message>
    <message>
        <source>In/Out</source>
        <translation>Ein/Aus</translation>
    </message>
    <message>
        <source>Income</source>
        <translation>Einnahme</translation>
    </message>
    <message>
        <source>Outgoing</source>
        <translation>Ausgabe</translation>
    </message>
    <message>
        <source>Select/Add a type</source>
        <translation>Kategorie auswählen oder hinzufügen</translation>
    </message>
    <message>
        <source>Create a transaction</source>
        <translation>Buchung anlegen</translation>
    </message>
    <message>
        <source>Delete a transaction</source>
        <translation>Buchung löschen</translation>
    </message>
    <message>
        <source>Modify a transaction</source>
        <translation>Buchung ändern</translation>
    </message>
    <message>
        <source>Delete this transaction</source>
        <translation>Diese Buchung löschen</translation>
    </message>
    <message>
        <source>Modify this transaction</source>
        <translation>Diese Buchung ändern</translation>
    </message>
    <message>
        <source>The comment can&apos;t be stored in a Pennywell database file: it may hold only Big5 characters and at most 255 bytes.</source>
        <translation>Die Notiz kann nicht in einer Pennywell-Datenbankdatei gespeichert werden: Sie darf nur Big5-Zeichen enthalten und höchstens 255 Byte lang sein.</translation>
    </message>
    <message>
        <source>The type name can&apos;t be stored in a Pennywell database file: it may hold only Big5 characters and at most 255 bytes.</source>
        <translation>Der Kategoriename kann nicht in einer Pennywell-Datenbankdatei gespeichert werden: Er darf nur Big5-Zeichen enthalten und höchstens 255 Byte lang sein.</translation>
    </message>
</context>
</TS>
