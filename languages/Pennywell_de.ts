<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>BarPeriods</name>
    <message>
        <location filename="../ui/charts/barperiods.cpp" line="55"/>
        <source>%1 Q%2</source>
        <translation>Q%2 %1</translation>
    </message>
    <message>
        <location filename="../ui/charts/barperiods.cpp" line="73"/>
        <source>Month</source>
        <translation>Monat</translation>
    </message>
    <message>
        <location filename="../ui/charts/barperiods.cpp" line="74"/>
        <source>Quarter</source>
        <translation>Quartal</translation>
    </message>
    <message>
        <location filename="../ui/charts/barperiods.cpp" line="75"/>
        <source>Year</source>
        <translation>Jahr</translation>
    </message>
    <message>
        <location filename="../ui/charts/barperiods.cpp" line="76"/>
        <source>%1 years</source>
        <translation>%1 Jahre</translation>
    </message>
</context>
<context>
    <name>BookCommands</name>
    <message>
        <location filename="../ui/history/bookcommands.cpp" line="57"/>
        <source>Create Transaction %1</source>
        <translation>Buchung %1 anlegen</translation>
    </message>
    <message>
        <location filename="../ui/history/bookcommands.cpp" line="71"/>
        <source>Modify Transaction %1</source>
        <translation>Buchung %1 ändern</translation>
    </message>
    <message>
        <location filename="../ui/history/bookcommands.cpp" line="80"/>
        <source>Delete Transaction %1</source>
        <translation>Buchung %1 löschen</translation>
    </message>
    <message>
        <location filename="../ui/history/bookcommands.cpp" line="91"/>
        <source>Add Type %1</source>
        <translation>Kategorie „%1“ hinzufügen</translation>
    </message>
    <message>
        <location filename="../ui/history/bookcommands.cpp" line="100"/>
        <source>Delete Type %1</source>
        <translation>Kategorie „%1“ löschen</translation>
    </message>
    <message>
        <location filename="../ui/history/bookcommands.cpp" line="111"/>
        <source>Set the Database Name</source>
        <translation>Datenbanknamen festlegen</translation>
    </message>
    <message>
        <location filename="../ui/history/bookcommands.cpp" line="157"/>
        <source>Import CSV</source>
        <translation>CSV importieren</translation>
    </message>
    <message>
        <location filename="../ui/history/bookcommands.cpp" line="158"/>
        <source>Import Statement</source>
        <translation>Kontoauszug importieren</translation>
    </message>
    <message>
        <location filename="../ui/history/bookcommands.cpp" line="128"/>
        <source>Convert to Format 2</source>
        <translation>In Format 2 umwandeln</translation>
    </message>
    <message>
        <location filename="../ui/history/bookcommands.cpp" line="130"/>
        <source>Set the Decimals to %1</source>
        <translation>Nachkommastellen auf %1 setzen</translation>
    </message>
</context>
<context>
    <name>BookDateEdit</name>
    <message>
        <location filename="../ui/widgets/bookdateedit.cpp" line="94"/>
        <source>y/M/d</source>
        <extracomment>How a date is typed in this language: d (day), M (month) and y (year) in their order, with the separator written between them, such as d.M.y. Year/month/day is taken in every language.</extracomment>
        <translation>d.M.y</translation>
    </message>
    <message>
        <location filename="../ui/widgets/bookdateedit.cpp" line="104"/>
        <source>&quot;%1&quot; is not a date: type the date as %2.</source>
        <translation>„%1“ ist kein Datum: Geben Sie das Datum wie %2 ein.</translation>
    </message>
    <message>
        <location filename="../ui/widgets/bookdateedit.cpp" line="109"/>
        <source>%1 is not a date this box takes: it takes %2 to %3.</source>
        <translation>%1 ist kein Datum, das dieses Feld annimmt: Es nimmt %2 bis %3 an.</translation>
    </message>
    <message>
        <location filename="../ui/widgets/bookdateedit.cpp" line="117"/>
        <source>%1 is more than 100 years from today. Press Enter again to take it.</source>
        <translation>%1 liegt mehr als 100 Jahre von heute entfernt. Drücken Sie noch einmal die Eingabetaste, um es zu übernehmen.</translation>
    </message>
</context>
<context>
    <name>BookImport</name>
    <message>
        <location filename="../ui/book/bookimport.cpp" line="15"/>
        <source>The file %1 can&apos;t be read.</source>
        <translation>Die Datei %1 kann nicht gelesen werden.</translation>
    </message>
    <message numerus="yes">
        <location filename="../ui/book/bookimport.cpp" line="20"/>
        <source>%n transaction(s) imported.</source>
        <translation>
            <numerusform>%n Buchung importiert.</numerusform>
            <numerusform>%n Buchungen importiert.</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../ui/book/bookimport.cpp" line="22"/>
        <source>%1 %2</source>
        <extracomment>Two sentences in a row: a space between them, none after a full-width full stop</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message numerus="yes">
        <location filename="../ui/book/bookimport.cpp" line="23"/>
        <source>%n new type(s) created.</source>
        <translation>
            <numerusform>%n neue Kategorie angelegt.</numerusform>
            <numerusform>%n neue Kategorien angelegt.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>BookSettingsDialog</name>
    <message>
        <location filename="../ui/booksettings/booksettingsdialog.cpp" line="25"/>
        <source>Book Settings</source>
        <translation>Datenbankeinstellungen</translation>
    </message>
    <message>
        <location filename="../ui/booksettings/booksettingsdialog.cpp" line="31"/>
        <source>Con&amp;vert to Format 2</source>
        <translation>In Format 2 &amp;umwandeln</translation>
    </message>
    <message>
        <location filename="../ui/booksettings/booksettingsdialog.cpp" line="41"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../ui/booksettings/booksettingsdialog.cpp" line="44"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location filename="../ui/booksettings/booksettingsdialog.cpp" line="53"/>
        <source>Format:</source>
        <translation>Format:</translation>
    </message>
    <message>
        <location filename="../ui/booksettings/booksettingsdialog.cpp" line="55"/>
        <source>&amp;Decimals:</source>
        <translation>&amp;Nachkommastellen:</translation>
    </message>
    <message>
        <location filename="../ui/booksettings/booksettingsdialog.cpp" line="56"/>
        <source>&amp;Name:</source>
        <translation>N&amp;ame:</translation>
    </message>
    <message>
        <location filename="../ui/booksettings/booksettingsdialog.cpp" line="81"/>
        <source>Format 2: texts in UTF-8, amounts with decimals. Pennywell 1.1 and older can&apos;t open it.</source>
        <translation>Format 2: Texte in UTF-8, Beträge mit Nachkommastellen. Pennywell 1.1 und älter können sie nicht öffnen.</translation>
    </message>
    <message>
        <location filename="../ui/booksettings/booksettingsdialog.cpp" line="83"/>
        <source>Format 1, which every version of Pennywell reads: texts in Big5, whole amounts.</source>
        <translation>Format 1, das jede Version von Pennywell liest: Texte in Big5, ganze Beträge.</translation>
    </message>
    <message>
        <location filename="../ui/booksettings/booksettingsdialog.cpp" line="109"/>
        <source>The name can&apos;t be stored in this book: it is too long or holds a character the book&apos;s format has no room for.</source>
        <translation>Der Name kann in dieser Datenbank nicht gespeichert werden: Er ist zu lang oder enthält ein Zeichen, das ihr Format nicht kennt.</translation>
    </message>
</context>
<context>
    <name>BudgetDialog</name>
    <message>
        <location filename="../ui/statistics/budgetdialog.cpp" line="21"/>
        <source>Budget Analysis Settings</source>
        <translation>Einstellungen der Budgetanalyse</translation>
    </message>
    <message>
        <location filename="../ui/statistics/budgetdialog.cpp" line="68"/>
        <source>Budget Analysis</source>
        <translation>Budgetanalyse</translation>
    </message>
    <message>
        <location filename="../ui/statistics/budgetdialog.cpp" line="81"/>
        <source>&lt;P&gt;From: %1&lt;/P&gt;</source>
        <translation>&lt;P&gt;Von: %1&lt;/P&gt;</translation>
    </message>
    <message>
        <location filename="../ui/statistics/budgetdialog.cpp" line="82"/>
        <source>&lt;P&gt;To: %1&lt;/P&gt;</source>
        <translation>&lt;P&gt;Bis: %1&lt;/P&gt;</translation>
    </message>
    <message>
        <location filename="../ui/statistics/budgetdialog.cpp" line="83"/>
        <source>&lt;P&gt;Today: %1&lt;/P&gt;</source>
        <translation>&lt;P&gt;Heute: %1&lt;/P&gt;</translation>
    </message>
    <message>
        <location filename="../ui/statistics/budgetdialog.cpp" line="84"/>
        <source>&lt;TABLE BORDER=&quot;5&quot;&gt;&lt;TR&gt;</source>
        <translation>&lt;TABLE BORDER=&quot;5&quot;&gt;&lt;TR&gt;</translation>
    </message>
    <message>
        <location filename="../ui/statistics/budgetdialog.cpp" line="85"/>
        <source>&lt;TD&gt;Type&lt;/TD&gt;</source>
        <translation>&lt;TD&gt;Kategorie&lt;/TD&gt;</translation>
    </message>
    <message>
        <location filename="../ui/statistics/budgetdialog.cpp" line="86"/>
        <source>&lt;TD&gt;Budget&lt;/TD&gt;</source>
        <translation>&lt;TD&gt;Budget&lt;/TD&gt;</translation>
    </message>
    <message>
        <location filename="../ui/statistics/budgetdialog.cpp" line="87"/>
        <source>&lt;TD&gt;Outgoing&lt;/TD&gt;</source>
        <translation>&lt;TD&gt;Ausgaben&lt;/TD&gt;</translation>
    </message>
    <message>
        <location filename="../ui/statistics/budgetdialog.cpp" line="89"/>
        <source>&lt;TD&gt;Ramain&lt;/TD&gt;</source>
        <extracomment>Report column header: the budget less what was spent</extracomment>
        <translation>&lt;TD&gt;Restbudget&lt;/TD&gt;</translation>
    </message>
    <message numerus="yes">
        <location filename="../ui/statistics/budgetdialog.cpp" line="91"/>
        <source>&lt;TD&gt;Average Ramain per Day (%1 day(s))&lt;/TD&gt;&lt;/TR&gt;</source>
        <extracomment>Report column header: what remains of the budget, spread over the days left (%1)</extracomment>
        <translation>
            <numerusform>&lt;TD&gt;Restbudget pro Tag (noch %1&#xa0;Tag)&lt;/TD&gt;&lt;/TR&gt;</numerusform>
            <numerusform>&lt;TD&gt;Restbudget pro Tag (noch %1&#xa0;Tage)&lt;/TD&gt;&lt;/TR&gt;</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../ui/statistics/budgetdialog.cpp" line="93"/>
        <source>&lt;TR&gt;&lt;TD&gt;</source>
        <translation>&lt;TR&gt;&lt;TD&gt;</translation>
    </message>
    <message>
        <location filename="../ui/statistics/budgetdialog.cpp" line="95"/>
        <location filename="../ui/statistics/budgetdialog.cpp" line="97"/>
        <location filename="../ui/statistics/budgetdialog.cpp" line="99"/>
        <location filename="../ui/statistics/budgetdialog.cpp" line="101"/>
        <source>&lt;/TD&gt;&lt;TD&gt;</source>
        <translation>&lt;/TD&gt;&lt;TD&gt;</translation>
    </message>
    <message>
        <location filename="../ui/statistics/budgetdialog.cpp" line="103"/>
        <source>&lt;/TD&gt;&lt;/TR&gt;</source>
        <translation>&lt;/TD&gt;&lt;/TR&gt;</translation>
    </message>
    <message>
        <location filename="../ui/statistics/budgetdialog.cpp" line="105"/>
        <source>&lt;/TABLE&gt;&lt;P&gt;&lt;/P&gt;&lt;TABLE BORDER=&quot;5&quot;&gt;&lt;TR&gt;&lt;TD&gt;Total Budget&lt;/TD&gt;&lt;TD&gt;</source>
        <translation>&lt;/TABLE&gt;&lt;P&gt;&lt;/P&gt;&lt;TABLE BORDER=&quot;5&quot;&gt;&lt;TR&gt;&lt;TD&gt;Gesamtbudget&lt;/TD&gt;&lt;TD&gt;</translation>
    </message>
    <message>
        <location filename="../ui/statistics/budgetdialog.cpp" line="107"/>
        <source>&lt;/TD&gt;&lt;TD&gt;Total Outgoing&lt;/TD&gt;&lt;TD&gt;</source>
        <translation>&lt;/TD&gt;&lt;TD&gt;Gesamtausgaben&lt;/TD&gt;&lt;TD&gt;</translation>
    </message>
    <message>
        <location filename="../ui/statistics/budgetdialog.cpp" line="111"/>
        <source>&lt;/TD&gt;&lt;TR&gt;&lt;TD&gt;Total Remain&lt;/TD&gt;&lt;TD&gt;</source>
        <extracomment>The budget of all types less what was spent</extracomment>
        <translation>&lt;/TD&gt;&lt;TR&gt;&lt;TD&gt;Restbudget insgesamt&lt;/TD&gt;&lt;TD&gt;</translation>
    </message>
    <message numerus="yes">
        <location filename="../ui/statistics/budgetdialog.cpp" line="113"/>
        <source>&lt;/TD&gt;&lt;TD&gt;Average Remain per Day (%1 Day(s))&lt;/TD&gt;&lt;TD&gt;</source>
        <translation>
            <numerusform>&lt;/TD&gt;&lt;TD&gt;Restbudget pro Tag (noch %1&#xa0;Tag)&lt;/TD&gt;&lt;TD&gt;</numerusform>
            <numerusform>&lt;/TD&gt;&lt;TD&gt;Restbudget pro Tag (noch %1&#xa0;Tage)&lt;/TD&gt;&lt;TD&gt;</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../ui/statistics/budgetdialog.cpp" line="115"/>
        <source>&lt;/TD&gt;&lt;/TR&gt;&lt;/TABLE&gt;</source>
        <translation>&lt;/TD&gt;&lt;/TR&gt;&lt;/TABLE&gt;</translation>
    </message>
    <message>
        <location filename="../ui/statistics/budgetdialog.cpp" line="23"/>
        <source>To&amp;day</source>
        <translation>&amp;Heute</translation>
    </message>
</context>
<context>
    <name>ChartData</name>
    <message>
        <location filename="../ui/statistics/chartdata.cpp" line="19"/>
        <source>Other</source>
        <translation>Sonstige</translation>
    </message>
</context>
<context>
    <name>ChartDialog</name>
    <message>
        <location filename="../ui/charts/chartdialog.cpp" line="7"/>
        <source>Charts</source>
        <translation>Diagramme</translation>
    </message>
</context>
<context>
    <name>ChartWindow</name>
    <message>
        <location filename="../ui/charts/chartwindow.cpp" line="70"/>
        <source>Charts</source>
        <translation>Diagramme</translation>
    </message>
    <message>
        <location filename="../ui/charts/chartwindow.cpp" line="91"/>
        <source>Save...</source>
        <translation>Speichern…</translation>
    </message>
    <message>
        <location filename="../ui/charts/chartwindow.cpp" line="93"/>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <location filename="../ui/charts/chartwindow.cpp" line="145"/>
        <source>%1 (%2%)</source>
        <translation>%1 (%2 %)</translation>
    </message>
    <message>
        <location filename="../ui/charts/chartwindow.cpp" line="195"/>
        <source>Income</source>
        <translation>Einnahmen</translation>
    </message>
    <message>
        <location filename="../ui/charts/chartwindow.cpp" line="196"/>
        <source>Outgoing</source>
        <translation>Ausgaben</translation>
    </message>
    <message>
        <location filename="../ui/charts/chartwindow.cpp" line="274"/>
        <source>PNG Image (*.png);;SVG Image (*.svg)</source>
        <translation>PNG-Bild (*.png);;SVG-Bild (*.svg)</translation>
    </message>
    <message>
        <location filename="../ui/charts/chartwindow.cpp" line="280"/>
        <source>File %1 already exists.
Do you want to override it?</source>
        <translation>Die Datei „%1“ gibt es bereits.
Möchten Sie sie überschreiben?</translation>
    </message>
    <message>
        <location filename="../ui/charts/chartwindow.cpp" line="281"/>
        <source>Pennywell</source>
        <translation>Pennywell</translation>
    </message>
    <message>
        <location filename="../ui/charts/chartwindow.cpp" line="284"/>
        <source>The chart could not be saved as %1.</source>
        <translation>Das Diagramm konnte nicht als %1 gespeichert werden.</translation>
    </message>
    <message>
        <location filename="../ui/charts/chartwindow.cpp" line="122"/>
        <source>Balance: %1</source>
        <translation>Saldo: %1</translation>
    </message>
    <message>
        <location filename="../ui/charts/chartwindow.cpp" line="123"/>
        <source>Income by type</source>
        <translation>Einnahmen nach Kategorie</translation>
    </message>
    <message>
        <location filename="../ui/charts/chartwindow.cpp" line="124"/>
        <source>No income in the chosen range</source>
        <translation>Keine Einnahmen im gewählten Zeitraum</translation>
    </message>
    <message>
        <location filename="../ui/charts/chartwindow.cpp" line="125"/>
        <source>Outgoing by type</source>
        <translation>Ausgaben nach Kategorie</translation>
    </message>
    <message>
        <location filename="../ui/charts/chartwindow.cpp" line="126"/>
        <source>No outgoing in the chosen range</source>
        <translation>Keine Ausgaben im gewählten Zeitraum</translation>
    </message>
    <message>
        <location filename="../ui/charts/chartwindow.cpp" line="217"/>
        <source>Income and outgoing</source>
        <translation>Einnahmen und Ausgaben</translation>
    </message>
</context>
<context>
    <name>ColumnMappingBoxes</name>
    <message>
        <location filename="../ui/statements/columnmappingboxes.cpp" line="20"/>
        <source>Ignore</source>
        <translation>Nicht verwenden</translation>
    </message>
    <message>
        <location filename="../ui/statements/columnmappingboxes.cpp" line="21"/>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <location filename="../ui/statements/columnmappingboxes.cpp" line="22"/>
        <source>Amount</source>
        <translation>Betrag</translation>
    </message>
    <message>
        <location filename="../ui/statements/columnmappingboxes.cpp" line="23"/>
        <source>Debit (out)</source>
        <translation>Soll (Ausgabe)</translation>
    </message>
    <message>
        <location filename="../ui/statements/columnmappingboxes.cpp" line="24"/>
        <source>Credit (in)</source>
        <translation>Haben (Einnahme)</translation>
    </message>
    <message>
        <location filename="../ui/statements/columnmappingboxes.cpp" line="25"/>
        <source>Comment</source>
        <translation>Notiz</translation>
    </message>
    <message>
        <location filename="../ui/statements/columnmappingboxes.cpp" line="26"/>
        <source>Type</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <location filename="../ui/statements/columnmappingboxes.cpp" line="27"/>
        <source>Direction</source>
        <translation>Art</translation>
    </message>
</context>
<context>
    <name>CsvCommands</name>
    <message>
        <location filename="../ui/csv/csvcommands.cpp" line="46"/>
        <source>CSV files, encoding detected (*.csv)</source>
        <translation>CSV-Dateien, Kodierung automatisch erkannt (*.csv)</translation>
    </message>
    <message>
        <location filename="../ui/csv/csvcommands.cpp" line="46"/>
        <source>CSV files, UTF-8 (*.csv)</source>
        <translation>CSV-Dateien, UTF-8 (*.csv)</translation>
    </message>
    <message>
        <location filename="../ui/csv/csvcommands.cpp" line="47"/>
        <source>CSV files, Big5 (*.csv)</source>
        <translation>CSV-Dateien, Big5 (*.csv)</translation>
    </message>
    <message>
        <location filename="../ui/csv/csvcommands.cpp" line="48"/>
        <source>Import CSV</source>
        <translation>CSV importieren</translation>
    </message>
    <message>
        <location filename="../ui/csv/csvcommands.cpp" line="74"/>
        <source>CSV, UTF-8 (*.csv)</source>
        <translation>CSV-Datei, UTF-8 (*.csv)</translation>
    </message>
    <message>
        <location filename="../ui/csv/csvcommands.cpp" line="74"/>
        <source>CSV, UTF-8 for spreadsheets (*.csv)</source>
        <translation>CSV-Datei, UTF-8 für Tabellenkalkulationen (*.csv)</translation>
    </message>
    <message>
        <location filename="../ui/csv/csvcommands.cpp" line="74"/>
        <source>CSV, Big5 (*.csv)</source>
        <translation>CSV-Datei, Big5 (*.csv)</translation>
    </message>
    <message>
        <location filename="../ui/csv/csvcommands.cpp" line="90"/>
        <source>The file %1 is the backup of the open book, kept from before its last save.
Do you want to replace it with the CSV?</source>
        <translation>Die Datei „%1“ ist die Sicherungskopie, die beim letzten Speichern der geöffneten Datenbank angelegt wurde.
Möchten Sie sie durch die CSV-Datei ersetzen?</translation>
    </message>
    <message>
        <location filename="../ui/csv/csvcommands.cpp" line="98"/>
        <source>The file %1 is a Pennywell book.
Do you want to replace it with the CSV?</source>
        <translation>Die Datei „%1“ ist eine Pennywell-Datenbank.
Möchten Sie sie durch die CSV-Datei ersetzen?</translation>
    </message>
    <message>
        <location filename="../ui/csv/csvcommands.cpp" line="115"/>
        <source>The file %1 can&apos;t be written: %2</source>
        <translation>Die Datei „%1“ kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <location filename="../ui/csv/csvcommands.cpp" line="85"/>
        <source>The file %1 is the open book itself; the CSV would replace it. Nothing was written.</source>
        <translation>Die Datei „%1“ ist die geöffnete Datenbank selbst; die CSV-Datei würde sie ersetzen. Es wurde nichts geschrieben.</translation>
    </message>
</context>
<context>
    <name>CsvImport</name>
    <message>
        <location filename="../text/bookcsvmessages.cpp" line="29"/>
        <source>the file is empty; it needs a header row such as index,date,direction,amount,type,comment</source>
        <translation>Die Datei ist leer; sie muss eine Kopfzeile enthalten, z. B. index,date,direction,amount,type,comment</translation>
    </message>
    <message>
        <location filename="../text/bookcsvmessages.cpp" line="33"/>
        <source>unknown column &quot;%1&quot;; the columns are index, date, direction, amount, type and comment</source>
        <translation>Unbekannte Spalte „%1“; die Spalten heißen index, date, direction, amount, type und comment</translation>
    </message>
    <message>
        <location filename="../text/bookcsvmessages.cpp" line="36"/>
        <source>the column &quot;%1&quot; appears twice</source>
        <translation>Die Spalte „%1“ kommt zweimal vor</translation>
    </message>
    <message>
        <location filename="../text/bookcsvmessages.cpp" line="37"/>
        <source>the header has no &quot;%1&quot; column</source>
        <translation>In der Kopfzeile fehlt die Spalte „%1“</translation>
    </message>
    <message>
        <location filename="../text/bookcsvmessages.cpp" line="39"/>
        <source>a quote inside a field that doesn&apos;t start with one; enclose the field in quotes and double the quote</source>
        <translation>Anführungszeichen in einem Feld, das nicht mit einem beginnt; setzen Sie das Feld in Anführungszeichen und verdoppeln Sie das Anführungszeichen darin</translation>
    </message>
    <message>
        <location filename="../text/bookcsvmessages.cpp" line="43"/>
        <source>text after the closing quote of a field</source>
        <translation>Text nach dem schließenden Anführungszeichen eines Felds</translation>
    </message>
    <message>
        <location filename="../text/bookcsvmessages.cpp" line="44"/>
        <source>a quoted field is never closed</source>
        <translation>Ein Feld in Anführungszeichen wird nie geschlossen</translation>
    </message>
    <message>
        <location filename="../text/bookcsvmessages.cpp" line="46"/>
        <source>%1 fields where the header has %2</source>
        <translation>Die Kopfzeile hat %2 Felder, diese Zeile aber %1</translation>
    </message>
    <message>
        <location filename="../text/bookcsvmessages.cpp" line="49"/>
        <source>the date &quot;%1&quot; is not a calendar date written YYYY-MM-DD</source>
        <translation>Das Datum „%1“ ist kein gültiges Kalenderdatum im Format JJJJ-MM-TT</translation>
    </message>
    <message>
        <location filename="../text/bookcsvmessages.cpp" line="52"/>
        <source>the direction &quot;%1&quot; is neither &quot;income&quot; nor &quot;outgoing&quot;</source>
        <translation>Der Wert „%1“ in der Spalte „direction“ ist weder „income“ noch „outgoing“</translation>
    </message>
    <message>
        <location filename="../text/bookcsvmessages.cpp" line="54"/>
        <source>the amount &quot;%1&quot; is not a whole number</source>
        <translation>Der Betrag „%1“ ist keine ganze Zahl</translation>
    </message>
    <message>
        <location filename="../text/bookcsvmessages.cpp" line="56"/>
        <source>the amount %1 is out of range (-2147483648 to 2147483647)</source>
        <translation>Der Betrag %1 liegt außerhalb des gültigen Bereichs (-2147483648 bis 2147483647)</translation>
    </message>
    <message>
        <location filename="../text/bookcsvmessages.cpp" line="58"/>
        <source>the %1 is not valid UTF-8 text</source>
        <translation>Die Spalte „%1“ enthält keinen gültigen UTF-8-Text</translation>
    </message>
    <message>
        <location filename="../text/bookcsvmessages.cpp" line="59"/>
        <source>the %1 is not valid Big5 text</source>
        <translation>Die Spalte „%1“ enthält keinen gültigen Big5-Text</translation>
    </message>
    <message>
        <location filename="../text/bookcsvmessages.cpp" line="61"/>
        <source>the %1 &quot;%2&quot; holds a character that Big5 can&apos;t store</source>
        <translation>Der Wert „%2“ in der Spalte „%1“ enthält ein Zeichen, das sich in Big5 nicht speichern lässt</translation>
    </message>
    <message>
        <location filename="../text/bookcsvmessages.cpp" line="65"/>
        <source>the %1 is %2 characters long; at most %3 fit</source>
        <translation>Der Wert in der Spalte „%1“ ist %2 Zeichen lang; höchstens %3 Zeichen sind möglich</translation>
    </message>
    <message>
        <location filename="../text/bookcsvmessages.cpp" line="70"/>
        <source>the %1 is %2 bytes long in Big5; at most %3 fit</source>
        <translation>Der Wert in der Spalte „%1“ ist in Big5 %2 Byte lang; höchstens %3 Byte sind möglich</translation>
    </message>
    <message>
        <location filename="../text/bookcsvmessages.cpp" line="77"/>
        <source>the new type &quot;%1&quot; would be one more than the 128 types a database can hold</source>
        <translation>Mit der neuen Kategorie „%1“ hätte die Datenbank mehr als die höchstens möglichen 128 Kategorien</translation>
    </message>
    <message>
        <location filename="../text/bookcsvmessages.cpp" line="79"/>
        <source>the database has no transaction index left for this row</source>
        <translation>Die Datenbank hat für diese Zeile keine freie Buchungsnummer mehr</translation>
    </message>
    <message>
        <location filename="../text/bookcsvmessages.cpp" line="81"/>
        <source>Line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <location filename="../text/bookcsvmessages.cpp" line="85"/>
        <source>The CSV file was not imported; the database is unchanged.</source>
        <translation>Die CSV-Datei wurde nicht importiert; die Datenbank ist unverändert.</translation>
    </message>
    <message numerus="yes">
        <location filename="../text/bookcsvmessages.cpp" line="96"/>
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
        <location filename="../ui/prompts/dbnamedialog.cpp" line="19"/>
        <source>Database Name</source>
        <translation>Name der Datenbank</translation>
    </message>
    <message>
        <location filename="../ui/prompts/dbnamedialog.cpp" line="20"/>
        <source>Enter the database name</source>
        <translation>Geben Sie den Namen der Datenbank ein</translation>
    </message>
    <message>
        <location filename="../ui/prompts/dbnamedialog.cpp" line="26"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../ui/prompts/dbnamedialog.cpp" line="28"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location filename="../ui/prompts/dbnamedialog.cpp" line="73"/>
        <source>The character &quot;%1&quot; (U+%2) can&apos;t be stored: Big5 has no such character.</source>
        <translation>Das Zeichen „%1“ (U+%2) lässt sich nicht speichern: Big5 kennt dieses Zeichen nicht.</translation>
    </message>
    <message>
        <location filename="../ui/prompts/dbnamedialog.cpp" line="75"/>
        <source>The name takes %1 bytes in Big5; at most %2 can be stored.</source>
        <translation>Der Name belegt in Big5 %1 Byte; höchstens %2 lassen sich speichern.</translation>
    </message>
    <message>
        <location filename="../ui/prompts/dbnamedialog.cpp" line="86"/>
        <source>The character U+%1 can&apos;t be stored: a name may hold no control character other than the tab, and no code that is no character.</source>
        <translation>Das Zeichen U+%1 lässt sich nicht speichern: Ein Name darf außer dem Tabulator kein Steuerzeichen enthalten und keinen Code, der kein Zeichen ist.</translation>
    </message>
    <message>
        <location filename="../ui/prompts/dbnamedialog.cpp" line="91"/>
        <source>The name holds a code that is no character.</source>
        <translation>Der Name enthält einen Code, der kein Zeichen ist.</translation>
    </message>
    <message>
        <location filename="../ui/prompts/dbnamedialog.cpp" line="94"/>
        <source>The name is %1 characters long; at most %2 can be stored.</source>
        <translation>Der Name ist %1 Zeichen lang; höchstens %2 lassen sich speichern.</translation>
    </message>
    <message>
        <location filename="../ui/prompts/dbnamedialog.cpp" line="114"/>
        <source>The name can&apos;t be stored in this database.</source>
        <translation>Der Name lässt sich nicht in dieser Datenbank speichern.</translation>
    </message>
    <message>
        <location filename="../ui/prompts/dbnamedialog.cpp" line="115"/>
        <source>The name can&apos;t be stored in a Pennywell database file.</source>
        <translation>Der Name lässt sich nicht in einer Pennywell-Datenbankdatei speichern.</translation>
    </message>
</context>
<context>
    <name>FilterBar</name>
    <message>
        <location filename="../ui/find/filterbar.cpp" line="137"/>
        <source>All types</source>
        <translation>Alle Kategorien</translation>
    </message>
    <message>
        <location filename="../ui/find/filterbar.cpp" line="153"/>
        <source>F&amp;ind:</source>
        <translation>Su&amp;chen:</translation>
    </message>
    <message>
        <location filename="../ui/find/filterbar.cpp" line="154"/>
        <source>Comment or type</source>
        <translation>Notiz oder Kategorie</translation>
    </message>
    <message>
        <location filename="../ui/find/filterbar.cpp" line="155"/>
        <source>Close the find bar (Esc)</source>
        <translation>Suchleiste schließen (Esc)</translation>
    </message>
    <message>
        <location filename="../ui/find/filterbar.cpp" line="156"/>
        <source>From</source>
        <translation>Von</translation>
    </message>
    <message>
        <location filename="../ui/find/filterbar.cpp" line="157"/>
        <source>to</source>
        <translation>bis</translation>
    </message>
    <message>
        <location filename="../ui/find/filterbar.cpp" line="160"/>
        <source>Income and outgoing</source>
        <translation>Einnahmen und Ausgaben</translation>
    </message>
    <message>
        <location filename="../ui/find/filterbar.cpp" line="161"/>
        <source>Income only</source>
        <translation>Nur Einnahmen</translation>
    </message>
    <message>
        <location filename="../ui/find/filterbar.cpp" line="162"/>
        <source>Outgoing only</source>
        <translation>Nur Ausgaben</translation>
    </message>
</context>
<context>
    <name>FormatQuestion</name>
    <message>
        <location filename="../ui/book/formatquestion.cpp" line="30"/>
        <source>This book is kept in the format older versions of Pennywell read, which has no room for a text this long. Keep it exactly in the newer format? Pennywell 1.1 and older can&apos;t open the converted book; the backup keeps this version.</source>
        <translation>Diese Datenbank ist im Format gespeichert, das ältere Versionen von Pennywell lesen; es fasst keinen so langen Text. Soll sie originalgetreu im neueren Format gespeichert werden? Pennywell 1.1 und älter können die umgewandelte Datenbank nicht öffnen; die Sicherungskopie behält diese Fassung.</translation>
    </message>
    <message>
        <location filename="../ui/book/formatquestion.cpp" line="33"/>
        <source>This book is kept in the format older versions of Pennywell read, which has no &apos;%1&apos;. Keep it exactly in the newer format? Pennywell 1.1 and older can&apos;t open the converted book; the backup keeps this version.</source>
        <translation>Diese Datenbank ist im Format gespeichert, das ältere Versionen von Pennywell lesen; es kennt kein „%1“. Soll sie originalgetreu im neueren Format gespeichert werden? Pennywell 1.1 und älter können die umgewandelte Datenbank nicht öffnen; die Sicherungskopie behält diese Fassung.</translation>
    </message>
    <message>
        <location filename="../ui/book/formatquestion.cpp" line="48"/>
        <source>This book is kept in the format older versions of Pennywell read, which has no cents. Keep it exactly in the newer format? Pennywell 1.1 and older can&apos;t open the converted book; the backup keeps this version.</source>
        <translation>Diese Datenbank ist im Format gespeichert, das ältere Versionen von Pennywell lesen; es kennt keine Cent-Beträge. Soll sie originalgetreu im neueren Format gespeichert werden? Pennywell 1.1 und älter können die umgewandelte Datenbank nicht öffnen; die Sicherungskopie behält diese Fassung.</translation>
    </message>
    <message>
        <location filename="../ui/book/formatquestion.cpp" line="78"/>
        <source>Newer Format</source>
        <translation>Neueres Format</translation>
    </message>
    <message>
        <location filename="../ui/book/formatquestion.cpp" line="78"/>
        <source>Convert</source>
        <translation>Umwandeln</translation>
    </message>
</context>
<context>
    <name>GrandTotalDialog</name>
    <message>
        <location filename="../ui/statistics/grandtotaldialog.cpp" line="10"/>
        <location filename="../ui/statistics/grandtotaldialog.cpp" line="18"/>
        <source>Grand Total</source>
        <translation>Gesamtsumme</translation>
    </message>
    <message>
        <location filename="../ui/statistics/balancetext.cpp" line="15"/>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <location filename="../ui/statistics/balancetext.cpp" line="13"/>
        <source>Outgoing</source>
        <translation>Ausgaben</translation>
    </message>
    <message>
        <location filename="../ui/statistics/balancetext.cpp" line="14"/>
        <source>Income</source>
        <translation>Einnahmen</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <location filename="../ui/prompts/coremessages.cpp" line="28"/>
        <source>Array out of bound</source>
        <translation>Feldindex außerhalb des gültigen Bereichs.</translation>
    </message>
    <message>
        <location filename="../ui/prompts/coremessages.cpp" line="30"/>
        <source>There are still other transactions use this type</source>
        <translation>Diese Kategorie wird noch von anderen Buchungen verwendet.</translation>
    </message>
    <message>
        <location filename="../ui/prompts/coremessages.cpp" line="31"/>
        <source>No transaction type</source>
        <translation>Diese Kategorie gibt es nicht.</translation>
    </message>
    <message>
        <location filename="../ui/prompts/coremessages.cpp" line="32"/>
        <source>The transaction index is not exist</source>
        <translation>Es gibt keine Buchung mit dieser Nummer.</translation>
    </message>
    <message>
        <location filename="../ui/prompts/coremessages.cpp" line="33"/>
        <source>File open error</source>
        <translation>Die Datei konnte nicht geöffnet werden.</translation>
    </message>
    <message>
        <location filename="../ui/prompts/coremessages.cpp" line="34"/>
        <source>Not Pennywell database file</source>
        <translation>Dies ist keine Pennywell-Datenbankdatei.</translation>
    </message>
    <message>
        <location filename="../ui/prompts/coremessages.cpp" line="36"/>
        <source>This PWDB file is correspond with this program</source>
        <translation>Diese PWDB-Datei passt nicht zu dieser Programmversion.</translation>
    </message>
    <message>
        <location filename="../ui/prompts/coremessages.cpp" line="37"/>
        <source>Too many transaction types</source>
        <translation>Zu viele Kategorien.</translation>
    </message>
    <message>
        <location filename="../ui/prompts/coremessages.cpp" line="38"/>
        <source>Damaged Pennywell database file</source>
        <translation>Die Pennywell-Datenbankdatei ist beschädigt.</translation>
    </message>
    <message>
        <location filename="../ui/prompts/coremessages.cpp" line="39"/>
        <source>File write error</source>
        <translation>Die Datei konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <location filename="../ui/prompts/coremessages.cpp" line="40"/>
        <source>The database name is longer than 255 bytes</source>
        <translation>Der Name der Datenbank ist länger als 255 Byte.</translation>
    </message>
    <message>
        <location filename="../ui/prompts/coremessages.cpp" line="41"/>
        <source>A type name is longer than 255 bytes</source>
        <translation>Ein Kategoriename ist länger als 255 Byte.</translation>
    </message>
    <message>
        <location filename="../ui/prompts/coremessages.cpp" line="42"/>
        <source>A comment is longer than 255 bytes</source>
        <translation>Eine Notiz ist länger als 255 Byte.</translation>
    </message>
    <message>
        <location filename="../ui/prompts/coremessages.cpp" line="43"/>
        <source>No transaction index left</source>
        <translation>Es ist keine Buchungsnummer mehr frei.</translation>
    </message>
    <message>
        <location filename="../ui/prompts/coremessages.cpp" line="48"/>
        <source>From, Today and To must be dates in this order</source>
        <translation>Von, Heute und Bis müssen Datumsangaben in dieser Reihenfolge sein.</translation>
    </message>
    <message>
        <location filename="../ui/prompts/coremessages.cpp" line="49"/>
        <source>The type %1 has existed</source>
        <translation>Die Kategorie „%1“ gibt es bereits.</translation>
    </message>
    <message>
        <location filename="../ui/prompts/coremessages.cpp" line="51"/>
        <source>This book was made by a newer Pennywell</source>
        <translation>Diese Datenbank wurde von einer neueren Version von Pennywell angelegt</translation>
    </message>
    <message>
        <location filename="../ui/prompts/coremessages.cpp" line="53"/>
        <source>A text is not UTF-8 or holds a control character</source>
        <translation>Ein Text ist kein UTF-8 oder enthält ein Steuerzeichen</translation>
    </message>
    <message>
        <location filename="../ui/prompts/coremessages.cpp" line="55"/>
        <source>The database name is longer than 100 characters</source>
        <translation>Der Name der Datenbank ist länger als 100 Zeichen</translation>
    </message>
    <message>
        <location filename="../ui/prompts/coremessages.cpp" line="57"/>
        <source>A type name is longer than 100 characters</source>
        <translation>Ein Kategoriename ist länger als 100 Zeichen</translation>
    </message>
    <message>
        <location filename="../ui/prompts/coremessages.cpp" line="59"/>
        <source>A comment is longer than 1000 characters</source>
        <translation>Eine Notiz ist länger als 1000 Zeichen</translation>
    </message>
    <message>
        <location filename="../ui/prompts/coremessages.cpp" line="60"/>
        <source>A book keeps 0, 2 or 3 decimals</source>
        <translation>Eine Datenbank hat 0, 2 oder 3 Nachkommastellen</translation>
    </message>
    <message>
        <location filename="../ui/prompts/coremessages.cpp" line="62"/>
        <source>An amount is too large for the book&apos;s decimals</source>
        <translation>Ein Betrag ist für die Nachkommastellen der Datenbank zu groß</translation>
    </message>
    <message>
        <location filename="../ui/prompts/coremessages.cpp" line="152"/>
        <source>%1: %2</source>
        <extracomment>A file&apos;s path, then why the system refused it (&quot;Permission denied&quot;)</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <location filename="../ui/languages/languagefolder.cpp" line="13"/>
        <source>English</source>
        <translation>Deutsch</translation>
    </message>
    <message>
        <location filename="../ui/window/filecommands.cpp" line="29"/>
        <source>Pennywell Database File (*.pwdb)</source>
        <translation>Pennywell-Datenbankdatei (*.pwdb)</translation>
    </message>
    <message>
        <location filename="../ui/window/windowactions.cpp" line="38"/>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <location filename="../ui/window/windowactions.cpp" line="38"/>
        <source>Ctrl+N</source>
        <translation>Ctrl+N</translation>
    </message>
    <message>
        <location filename="../ui/window/windowactions.cpp" line="39"/>
        <source>Create a new database</source>
        <translation>Legt eine neue Datenbank an</translation>
    </message>
    <message>
        <location filename="../ui/window/windowactions.cpp" line="41"/>
        <source>&amp;Open</source>
        <translation>Ö&amp;ffnen</translation>
    </message>
    <message>
        <location filename="../ui/window/windowactions.cpp" line="41"/>
        <source>Ctrl+O</source>
        <translation>Ctrl+O</translation>
    </message>
    <message>
        <location filename="../ui/window/windowactions.cpp" line="42"/>
        <source>Open an exist database</source>
        <translation>Öffnet eine vorhandene Datenbank</translation>
    </message>
    <message>
        <location filename="../ui/window/windowactions.cpp" line="44"/>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <location filename="../ui/window/windowactions.cpp" line="44"/>
        <source>Ctrl+S</source>
        <translation>Ctrl+S</translation>
    </message>
    <message>
        <location filename="../ui/window/windowactions.cpp" line="45"/>
        <source>Save the current database</source>
        <translation>Speichert die aktuelle Datenbank</translation>
    </message>
    <message>
        <location filename="../ui/window/windowactions.cpp" line="47"/>
        <source>Save &amp;As</source>
        <translation>Speichern &amp;unter</translation>
    </message>
    <message>
        <location filename="../ui/window/windowactions.cpp" line="48"/>
        <source>Save the current database as ...</source>
        <translation>Speichert die aktuelle Datenbank unter einem neuen Namen</translation>
    </message>
    <message>
        <location filename="../ui/window/windowactions.cpp" line="50"/>
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <location filename="../ui/window/windowactions.cpp" line="51"/>
        <source>Close the current database</source>
        <translation>Schließt die aktuelle Datenbank</translation>
    </message>
    <message>
        <location filename="../ui/window/windowactions.cpp" line="56"/>
        <source>Import S&amp;tatement…</source>
        <translation>&amp;Kontoauszug importieren…</translation>
    </message>
    <message>
        <location filename="../ui/window/windowactions.cpp" line="57"/>
        <source>Add a bank&apos;s statement (CSV, OFX or QIF) to the database, previewed first</source>
        <translation>Fügt die Buchungen eines Kontoauszugs (CSV, OFX oder QIF) nach einer Vorschau zur Datenbank hinzu</translation>
    </message>
    <message>
        <location filename="../ui/window/windowactions.cpp" line="63"/>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <location filename="../ui/window/windowactions.cpp" line="63"/>
        <source>Ctrl+Q</source>
        <translation>Ctrl+Q</translation>
    </message>
    <message>
        <location filename="../ui/window/windowactions.cpp" line="64"/>
        <source>Exit the application</source>
        <translation>Beendet das Programm</translation>
    </message>
    <message>
        <location filename="../ui/window/windowactions.cpp" line="78"/>
        <source>&amp;Create</source>
        <translation>&amp;Anlegen</translation>
    </message>
    <message>
        <location filename="../ui/window/windowactions.cpp" line="79"/>
        <source>Ctrl+C</source>
        <translation>Ctrl+C</translation>
    </message>
    <message>
        <location filename="../ui/window/windowactions.cpp" line="79"/>
        <source>Create a transaction</source>
        <translation>Legt eine Buchung an</translation>
    </message>
    <message>
        <location filename="../ui/window/windowactions.cpp" line="81"/>
        <location filename="../ui/window/windowactions.cpp" line="87"/>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <location filename="../ui/window/windowactions.cpp" line="82"/>
        <source>Ctrl+D</source>
        <translation>Ctrl+D</translation>
    </message>
    <message>
        <location filename="../ui/window/windowactions.cpp" line="82"/>
        <source>Delete a transaction</source>
        <translation>Löscht eine Buchung</translation>
    </message>
    <message>
        <location filename="../ui/window/windowactions.cpp" line="84"/>
        <location filename="../ui/window/windowactions.cpp" line="90"/>
        <source>&amp;Modify</source>
        <translation>Ä&amp;ndern</translation>
    </message>
    <message>
        <location filename="../ui/window/windowactions.cpp" line="85"/>
        <source>Ctrl+M</source>
        <translation>Ctrl+M</translation>
    </message>
    <message>
        <location filename="../ui/window/windowactions.cpp" line="85"/>
        <source>Modify a transaction</source>
        <translation>Ändert eine Buchung</translation>
    </message>
    <message>
        <location filename="../ui/window/windowactions.cpp" line="88"/>
        <source>Delete this transaction</source>
        <translation>Löscht diese Buchung</translation>
    </message>
    <message>
        <location filename="../ui/window/windowactions.cpp" line="91"/>
        <source>Modify this transaction</source>
        <translation>Ändert diese Buchung</translation>
    </message>
    <message>
        <location filename="../ui/window/windowactions.cpp" line="94"/>
        <source>&amp;Set the Database Name</source>
        <translation>Datenbank&amp;namen festlegen</translation>
    </message>
    <message>
        <location filename="../ui/window/windowactions.cpp" line="95"/>
        <source>Set or modify the database name</source>
        <translation>Legt den Namen der Datenbank fest oder ändert ihn</translation>
    </message>
    <message>
        <location filename="../ui/window/windowactions.cpp" line="100"/>
        <source>&amp;Grand Total</source>
        <translation>&amp;Gesamtsumme</translation>
    </message>
    <message>
        <location filename="../ui/window/windowactions.cpp" line="101"/>
        <source>Ctrl+G</source>
        <translation>Ctrl+G</translation>
    </message>
    <message>
        <location filename="../ui/window/windowactions.cpp" line="101"/>
        <source>Calculate grand total</source>
        <translation>Berechnet die Gesamtsumme</translation>
    </message>
    <message>
        <location filename="../ui/window/windowactions.cpp" line="103"/>
        <source>&amp;Budget Analasis</source>
        <translation>&amp;Budgetanalyse</translation>
    </message>
    <message>
        <location filename="../ui/window/windowactions.cpp" line="104"/>
        <source>Ctrl+B</source>
        <translation>Ctrl+B</translation>
    </message>
    <message>
        <location filename="../ui/window/windowactions.cpp" line="104"/>
        <source>Analyze your budget plan</source>
        <translation>Analysiert Ihre Budgetplanung</translation>
    </message>
    <message>
        <location filename="../ui/window/windowactions.cpp" line="106"/>
        <source>&amp;Percentage Analysis</source>
        <translation>&amp;Anteilsanalyse</translation>
    </message>
    <message>
        <location filename="../ui/window/windowactions.cpp" line="107"/>
        <source>Ctrl+P</source>
        <translation>Ctrl+P</translation>
    </message>
    <message>
        <location filename="../ui/window/windowactions.cpp" line="108"/>
        <source>Analyze the percentage of each Income/Outgoing type</source>
        <translation>Analysiert den Anteil jeder Einnahmen- und Ausgabenkategorie</translation>
    </message>
    <message>
        <location filename="../ui/window/windowactions.cpp" line="115"/>
        <source>&amp;About</source>
        <translation>Ü&amp;ber Pennywell</translation>
    </message>
    <message>
        <location filename="../ui/window/windowactions.cpp" line="116"/>
        <source>Show the application&apos;s About box</source>
        <translation>Zeigt Informationen über Pennywell an</translation>
    </message>
    <message>
        <location filename="../ui/window/windowactions.cpp" line="118"/>
        <source>About &amp;Qt</source>
        <translation>Über &amp;Qt</translation>
    </message>
    <message>
        <location filename="../ui/window/windowactions.cpp" line="119"/>
        <source>Show the Qt library&apos;s About box</source>
        <translation>Zeigt Informationen über die Qt-Bibliothek an</translation>
    </message>
    <message>
        <location filename="../ui/window/windowactions.cpp" line="132"/>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <location filename="../ui/window/windowactions.cpp" line="134"/>
        <source>&amp;Transaction</source>
        <translation>&amp;Buchung</translation>
    </message>
    <message>
        <location filename="../ui/window/windowactions.cpp" line="135"/>
        <source>&amp;Database</source>
        <translation>Da&amp;tenbank</translation>
    </message>
    <message>
        <location filename="../ui/window/windowactions.cpp" line="136"/>
        <source>&amp;Statistic</source>
        <translation>&amp;Statistik</translation>
    </message>
    <message>
        <location filename="../ui/window/windowactions.cpp" line="137"/>
        <source>&amp;Language</source>
        <translation>&amp;Sprache</translation>
    </message>
    <message>
        <location filename="../ui/window/windowactions.cpp" line="138"/>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <location filename="../ui/window/windowstatus.cpp" line="38"/>
        <source>File Modified</source>
        <translation>Datei geändert</translation>
    </message>
    <message>
        <location filename="../ui/window/windowstatus.cpp" line="38"/>
        <source>File Saved</source>
        <translation>Datei gespeichert</translation>
    </message>
    <message>
        <location filename="../ui/window/mainwindow.cpp" line="186"/>
        <source>Pennywell - %1</source>
        <translation>Pennywell - %1</translation>
    </message>
    <message numerus="yes">
        <location filename="../ui/window/windowstatus.cpp" line="65"/>
        <source>%n of %1 transactions match, balance %2</source>
        <translation>
            <numerusform>%n von %1 Buchungen passt, Saldo %2</numerusform>
            <numerusform>%n von %1 Buchungen passen, Saldo %2</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../ui/csv/csvcommands.cpp" line="80"/>
        <location filename="../ui/window/filecommands.cpp" line="36"/>
        <location filename="../ui/window/filecommands.cpp" line="82"/>
        <location filename="../ui/window/filecommands.cpp" line="88"/>
        <location filename="../ui/window/filecommands.cpp" line="94"/>
        <location filename="../ui/window/mainwindow.cpp" line="188"/>
        <source>Pennywell</source>
        <translation>Pennywell</translation>
    </message>
    <message>
        <location filename="../ui/window/mainwindow.cpp" line="202"/>
        <source>About Pennywell</source>
        <translation>Über Pennywell</translation>
    </message>
    <message>
        <location filename="../ui/prompts/warnuser.cpp" line="10"/>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <location filename="../ui/window/mainwindow.cpp" line="215"/>
        <source>The name can&apos;t be stored in a Pennywell database file: it may hold only Big5 characters and at most 255 bytes.</source>
        <translation>Der Name kann nicht in einer Pennywell-Datenbankdatei gespeichert werden: Namen dürfen nur Big5-Zeichen enthalten und höchstens 255 Byte lang sein.</translation>
    </message>
    <message>
        <location filename="../ui/window/filecommands.cpp" line="36"/>
        <source>The database has been modified.
Do you want to save your changes?</source>
        <translation>Die Datenbank wurde geändert.
Möchten Sie die Änderungen speichern?</translation>
    </message>
    <message>
        <location filename="../ui/csv/csvcommands.cpp" line="106"/>
        <location filename="../ui/window/filecommands.cpp" line="81"/>
        <source>File %1 already exists.
Do you want to override it?</source>
        <translation>Die Datei „%1“ gibt es bereits.
Möchten Sie sie überschreiben?</translation>
    </message>
    <message>
        <location filename="../ui/book/transactioncolumns.cpp" line="18"/>
        <source>Index</source>
        <extracomment>The table&apos;s column of transaction numbers</extracomment>
        <translation>Nummer</translation>
    </message>
    <message>
        <location filename="../ui/book/transactioncolumns.cpp" line="19"/>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <location filename="../ui/book/transactioncolumns.cpp" line="21"/>
        <source>In/Out</source>
        <extracomment>The table&apos;s column header: whether a transaction is income or outgoing</extracomment>
        <translation>Art</translation>
    </message>
    <message>
        <location filename="../ui/book/transactioncolumns.cpp" line="23"/>
        <source>Money</source>
        <extracomment>The table&apos;s column header: a transaction&apos;s amount</extracomment>
        <translation>Betrag</translation>
    </message>
    <message>
        <location filename="../ui/book/transactioncolumns.cpp" line="25"/>
        <source>Type</source>
        <extracomment>The table&apos;s column header: the category of a transaction</extracomment>
        <translation>Kategorie</translation>
    </message>
    <message>
        <location filename="../ui/book/transactioncolumns.cpp" line="26"/>
        <source>Comment</source>
        <translation>Notiz</translation>
    </message>
    <message>
        <location filename="../ui/book/transactioncolumns.cpp" line="28"/>
        <source>Income</source>
        <translation>Einnahme</translation>
    </message>
    <message>
        <location filename="../ui/book/transactioncolumns.cpp" line="29"/>
        <source>Outgoing</source>
        <translation>Ausgabe</translation>
    </message>
    <message>
        <location filename="../ui/window/windowactions.cpp" line="53"/>
        <source>&amp;Import CSV…</source>
        <translation>CSV &amp;importieren…</translation>
    </message>
    <message>
        <location filename="../ui/window/windowactions.cpp" line="54"/>
        <source>Add the transactions of a CSV file to the database</source>
        <translation>Fügt die Buchungen einer CSV-Datei zur Datenbank hinzu</translation>
    </message>
    <message>
        <location filename="../ui/window/windowactions.cpp" line="59"/>
        <source>&amp;Export CSV…</source>
        <translation>CSV &amp;exportieren…</translation>
    </message>
    <message>
        <location filename="../ui/window/windowactions.cpp" line="60"/>
        <source>Write the transactions to a CSV file</source>
        <translation>Schreibt die Buchungen in eine CSV-Datei</translation>
    </message>
    <message>
        <location filename="../ui/window/windowactions.cpp" line="133"/>
        <source>&amp;Edit</source>
        <translation>B&amp;earbeiten</translation>
    </message>
    <message>
        <location filename="../ui/window/windowactions.cpp" line="110"/>
        <source>C&amp;harts</source>
        <translation>&amp;Diagramme</translation>
    </message>
    <message>
        <location filename="../ui/window/windowactions.cpp" line="111"/>
        <source>Show the shares of the chosen types and each month&apos;s income and outgoing as charts</source>
        <translation>Zeigt die Anteile der gewählten Kategorien und die Einnahmen und Ausgaben jedes Monats als Diagramme an</translation>
    </message>
    <message>
        <location filename="../ui/prompts/coremessages.cpp" line="44"/>
        <source>The transaction index is in use</source>
        <translation>Die Buchungsnummer ist bereits vergeben.</translation>
    </message>
    <message>
        <location filename="../ui/prompts/coremessages.cpp" line="131"/>
        <source>No such file or folder</source>
        <translation>Datei oder Ordner nicht gefunden</translation>
    </message>
    <message>
        <location filename="../ui/prompts/coremessages.cpp" line="132"/>
        <source>Permission denied</source>
        <translation>Zugriff verweigert</translation>
    </message>
    <message>
        <location filename="../ui/prompts/coremessages.cpp" line="133"/>
        <source>Operation not permitted</source>
        <translation>Vorgang nicht zulässig</translation>
    </message>
    <message>
        <location filename="../ui/prompts/coremessages.cpp" line="134"/>
        <source>Is a folder</source>
        <translation>Ist ein Ordner</translation>
    </message>
    <message>
        <location filename="../ui/prompts/coremessages.cpp" line="135"/>
        <source>Not a folder</source>
        <translation>Ist kein Ordner</translation>
    </message>
    <message>
        <location filename="../ui/prompts/coremessages.cpp" line="136"/>
        <source>Disk full</source>
        <translation>Datenträger voll</translation>
    </message>
    <message>
        <location filename="../ui/prompts/coremessages.cpp" line="137"/>
        <source>Disk quota exceeded</source>
        <translation>Speicherkontingent überschritten</translation>
    </message>
    <message>
        <location filename="../ui/prompts/coremessages.cpp" line="138"/>
        <source>File too large</source>
        <translation>Datei zu groß</translation>
    </message>
    <message>
        <location filename="../ui/prompts/coremessages.cpp" line="139"/>
        <source>Read-only file system</source>
        <translation>Schreibgeschütztes Dateisystem</translation>
    </message>
    <message>
        <location filename="../ui/prompts/coremessages.cpp" line="140"/>
        <source>Input/output error</source>
        <translation>Ein-/Ausgabefehler</translation>
    </message>
    <message>
        <location filename="../ui/window/filecommands.cpp" line="52"/>
        <source>The open book is unchanged.</source>
        <translation>Die geöffnete Datenbank ist unverändert.</translation>
    </message>
    <message>
        <location filename="../ui/window/filecommands.cpp" line="85"/>
        <source>%1 was changed by another program since it was opened. Replace it? The other version will be kept as %2.</source>
        <translation>„%1“ wurde seit dem Öffnen von einem anderen Programm geändert. Möchten Sie die Datei ersetzen? Die andere Fassung wird als Sicherungskopie „%2“ aufbewahrt.</translation>
    </message>
    <message>
        <location filename="../ui/window/filecommands.cpp" line="95"/>
        <source>Waiting for another program that is saving %1…</source>
        <translation>Es wird auf ein anderes Programm gewartet, das „%1“ speichert …</translation>
    </message>
    <message>
        <location filename="../ui/window/filecommands.cpp" line="101"/>
        <source>Saved; the other program&apos;s version is kept as %1</source>
        <translation>Gespeichert; die Fassung des anderen Programms ist als „%1“ aufbewahrt</translation>
    </message>
    <message>
        <location filename="../ui/window/filecommands.cpp" line="107"/>
        <source>%1 now belongs to %2, not to %3.</source>
        <extracomment>A file, the user / group it belongs to now, those it belonged to</extracomment>
        <translation>„%1“ gehört jetzt %2, nicht mehr %3.</translation>
    </message>
    <message>
        <location filename="../ui/window/filecommands.cpp" line="111"/>
        <source>Only the administrator can give a file to another user, and only a member of a group to that group.</source>
        <translation>Nur der Administrator kann eine Datei einem anderen Benutzer übertragen, und nur ein Mitglied einer Gruppe dieser Gruppe.</translation>
    </message>
    <message>
        <location filename="../ui/window/filecommands.cpp" line="113"/>
        <source>Only the administrator can give a file to another user; the group is kept, so its members can still use the book.</source>
        <translation>Nur der Administrator kann eine Datei einem anderen Benutzer übertragen; die Gruppe bleibt erhalten, sodass ihre Mitglieder die Datenbank weiter verwenden können.</translation>
    </message>
    <message>
        <location filename="../ui/window/filecommands.cpp" line="115"/>
        <source>The book was saved, but could not keep its owner or group.</source>
        <translation>Die Datenbank wurde gespeichert, konnte aber ihren Eigentümer oder ihre Gruppe nicht behalten.</translation>
    </message>
    <message>
        <location filename="../ui/window/filecommands.cpp" line="125"/>
        <source>Nothing was saved; your changes are still open.</source>
        <translation>Es wurde nichts gespeichert; Ihre Änderungen sind noch vorhanden.</translation>
    </message>
    <message>
        <location filename="../ui/window/filecommands.cpp" line="137"/>
        <source>The file on disk can&apos;t be read as a book, so Save can&apos;t keep it as the backup; Save As still works.</source>
        <translation>Die Datei auf dem Datenträger lässt sich nicht als Datenbank lesen, daher kann „Speichern“ sie nicht als Sicherung aufbewahren; „Speichern unter“ ist weiterhin möglich.</translation>
    </message>
    <message>
        <location filename="../ui/window/windowactions.cpp" line="74"/>
        <source>&amp;Find</source>
        <translation>&amp;Suchen</translation>
    </message>
    <message>
        <location filename="../ui/window/windowactions.cpp" line="74"/>
        <source>Ctrl+F</source>
        <translation>Ctrl+F</translation>
    </message>
    <message>
        <location filename="../ui/window/windowactions.cpp" line="75"/>
        <source>Show only the transactions that match</source>
        <translation>Zeigt nur die passenden Buchungen an</translation>
    </message>
    <message>
        <location filename="../ui/window/mainwindow.cpp" line="176"/>
        <source>&amp;Undo %1</source>
        <translation>&amp;Rückgängig: %1</translation>
    </message>
    <message>
        <location filename="../ui/window/mainwindow.cpp" line="176"/>
        <location filename="../ui/window/windowactions.cpp" line="67"/>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <location filename="../ui/window/mainwindow.cpp" line="213"/>
        <source>The name can&apos;t be stored in this database.</source>
        <translation>Der Name lässt sich nicht in dieser Datenbank speichern.</translation>
    </message>
    <message>
        <location filename="../ui/window/windowactions.cpp" line="67"/>
        <source>Ctrl+Z</source>
        <translation>Ctrl+Z</translation>
    </message>
    <message>
        <location filename="../ui/window/windowactions.cpp" line="68"/>
        <source>Take back the last change to the database</source>
        <translation>Nimmt die letzte Änderung an der Datenbank zurück</translation>
    </message>
    <message>
        <location filename="../ui/window/mainwindow.cpp" line="177"/>
        <source>&amp;Redo %1</source>
        <translation>&amp;Wiederholen: %1</translation>
    </message>
    <message>
        <location filename="../ui/window/mainwindow.cpp" line="177"/>
        <location filename="../ui/window/windowactions.cpp" line="70"/>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <location filename="../ui/window/windowactions.cpp" line="72"/>
        <source>Make the change taken back again</source>
        <translation>Führt die zurückgenommene Änderung erneut aus</translation>
    </message>
    <message>
        <location filename="../ui/prompts/coremessages.cpp" line="46"/>
        <source>The backup file&apos;s name would be longer than 255 bytes</source>
        <translation>Der Name der Sicherungsdatei wäre länger als 255 Byte.</translation>
    </message>
    <message>
        <location filename="../ui/prompts/coremessages.cpp" line="50"/>
        <source>not enough memory to read %1</source>
        <translation>Nicht genug Arbeitsspeicher, um „%1“ zu lesen.</translation>
    </message>
    <message>
        <location filename="../ui/app/appidentity.cpp" line="26"/>
        <source>&lt;h2&gt;Pennywell %1&lt;/h2&gt;&lt;p&gt;Produced by&lt;p&gt;the Pennywell developers&lt;p&gt;Please report problems on the Pennywell project&apos;s issue tracker.&lt;p&gt;Pennywell Tool</source>
        <translation>&lt;h2&gt;Pennywell %1&lt;/h2&gt;&lt;p&gt;Entwickelt von den Pennywell-Entwicklern.&lt;p&gt;Bitte melden Sie Probleme im Fehlerverfolgungssystem des Pennywell-Projekts.</translation>
    </message>
    <message>
        <location filename="../ui/app/appidentity.cpp" line="34"/>
        <source>&lt;p&gt;Pennywell is free software: you may share and change it under the GNU General Public License, version 3 or later.</source>
        <translation>&lt;p&gt;Pennywell ist freie Software: Sie dürfen sie unter den Bedingungen der GNU General Public License, Version 3 oder später, weitergeben und verändern.</translation>
    </message>
    <message>
        <location filename="../ui/csv/csvcommands.cpp" line="68"/>
        <source>Exported to %1</source>
        <translation>Exportiert nach %1</translation>
    </message>
    <message>
        <location filename="../ui/window/windowactions.cpp" line="71"/>
        <source>Ctrl+Shift+Z; Ctrl+Y</source>
        <translation>Ctrl+Shift+Z; Ctrl+Y</translation>
    </message>
    <message>
        <location filename="../ui/prompts/coremessages.cpp" line="64"/>
        <source>An amount has more decimals than the book would keep</source>
        <translation>Ein Betrag hat mehr Nachkommastellen, als die Datenbank behalten würde</translation>
    </message>
    <message>
        <location filename="../ui/window/windowactions.cpp" line="97"/>
        <source>&amp;Book Settings…</source>
        <translation>Datenbank&amp;einstellungen…</translation>
    </message>
    <message>
        <location filename="../ui/window/windowactions.cpp" line="98"/>
        <source>Set the book&apos;s format, decimals and name</source>
        <translation>Format, Nachkommastellen und Namen der Datenbank festlegen</translation>
    </message>
    <message numerus="yes">
        <location filename="../ui/window/windowstatus.cpp" line="48"/>
        <source>Format 2 · %n decimals</source>
        <extracomment>The status bar&apos;s mark of a book kept in format 2; its decimals follow</extracomment>
        <translation>
            <numerusform>Format 2 · %n Nachkommastelle</numerusform>
            <numerusform>Format 2 · %n Nachkommastellen</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../ui/window/windowstatus.cpp" line="49"/>
        <source>The book is kept in the newer format, which Pennywell 1.1 and older can&apos;t open.</source>
        <translation>Die Datenbank ist im neueren Format gespeichert, das Pennywell 1.1 und älter nicht öffnen können.</translation>
    </message>
    <message>
        <location filename="../ui/window/windowstatus.cpp" line="56"/>
        <source>The new book is kept in format 2, which holds every character and amounts with cents.</source>
        <translation>Die neue Datenbank wird im Format 2 gespeichert, das jedes Zeichen und Beträge mit Cent fasst.</translation>
    </message>
    <message>
        <location filename="../ui/prompts/coremessages.cpp" line="68"/>
        <source>The file %1 could not be opened for writing</source>
        <translation>Die Datei „%1“ konnte nicht zum Schreiben geöffnet werden.</translation>
    </message>
</context>
<context>
    <name>PercentageDialog</name>
    <message>
        <location filename="../ui/statistics/percentagedialog.cpp" line="14"/>
        <location filename="../ui/statistics/percentagedialog.cpp" line="22"/>
        <source>Percentage Analysis</source>
        <translation>Anteilsanalyse</translation>
    </message>
    <message>
        <location filename="../ui/statistics/percentagedialog.cpp" line="29"/>
        <location filename="../ui/statistics/percentagedialog.cpp" line="40"/>
        <source>&lt;TABLE BORDER=&quot;5&quot;&gt;</source>
        <translation>&lt;TABLE BORDER=&quot;5&quot;&gt;</translation>
    </message>
    <message>
        <location filename="../ui/statistics/percentagedialog.cpp" line="30"/>
        <source>&lt;TR&gt;&lt;TD&gt;Total Income&lt;/TD&gt;&lt;TD&gt;Selected Type Income&lt;/TD&gt;&lt;/TR&gt;</source>
        <translation>&lt;TR&gt;&lt;TD&gt;Einnahmen aller Kategorien&lt;/TD&gt;&lt;TD&gt;Einnahmen der gewählten Kategorien&lt;/TD&gt;&lt;/TR&gt;</translation>
    </message>
    <message>
        <location filename="../ui/statistics/percentagedialog.cpp" line="31"/>
        <location filename="../ui/statistics/percentagedialog.cpp" line="33"/>
        <location filename="../ui/statistics/percentagedialog.cpp" line="37"/>
        <source>&lt;TR&gt;&lt;TD&gt;%1&lt;/TD&gt;&lt;TD&gt;%2&lt;/TD&gt;&lt;/TR&gt;</source>
        <translation>&lt;TR&gt;&lt;TD&gt;%1&lt;/TD&gt;&lt;TD&gt;%2&lt;/TD&gt;&lt;/TR&gt;</translation>
    </message>
    <message>
        <location filename="../ui/statistics/percentagedialog.cpp" line="32"/>
        <source>&lt;TR&gt;&lt;TD&gt;Total Outgoing&lt;/TD&gt;&lt;TD&gt;Selected Type Outgoing&lt;/TD&gt;&lt;/TR&gt;</source>
        <translation>&lt;TR&gt;&lt;TD&gt;Ausgaben aller Kategorien&lt;/TD&gt;&lt;TD&gt;Ausgaben der gewählten Kategorien&lt;/TD&gt;&lt;/TR&gt;</translation>
    </message>
    <message>
        <location filename="../ui/statistics/percentagedialog.cpp" line="36"/>
        <source>&lt;TR&gt;&lt;TD&gt;Total In&amp;Out&lt;/TD&gt;&lt;TD&gt;Selected Type In&amp;Out&lt;/TD&gt;&lt;/TR&gt;</source>
        <extracomment>Report headers: income and outgoing added together, of all types, then of the chosen types; no raw &quot;&amp;&quot; in the translation</extracomment>
        <translation>&lt;TR&gt;&lt;TD&gt;Einnahmen und Ausgaben aller Kategorien&lt;/TD&gt;&lt;TD&gt;Einnahmen und Ausgaben der gewählten Kategorien&lt;/TD&gt;&lt;/TR&gt;</translation>
    </message>
    <message>
        <location filename="../ui/statistics/percentagedialog.cpp" line="38"/>
        <location filename="../ui/statistics/percentagedialog.cpp" line="57"/>
        <source>&lt;/TABLE&gt;</source>
        <translation>&lt;/TABLE&gt;</translation>
    </message>
    <message>
        <location filename="../ui/statistics/percentagedialog.cpp" line="42"/>
        <source>&lt;TR&gt;&lt;TD&gt;Type&lt;/TD&gt;&lt;TD&gt;Income&lt;/TD&gt;&lt;TD&gt;Income Selected Percent&lt;/TD&gt;&lt;TD&gt;Income Total Percent&lt;/TD&gt;</source>
        <extracomment>Report headers: a type&apos;s income, its share of the chosen types&apos; income, its share of all income</extracomment>
        <translation>&lt;TR&gt;&lt;TD&gt;Kategorie&lt;/TD&gt;&lt;TD&gt;Einnahmen&lt;/TD&gt;&lt;TD&gt;Anteil (Auswahl)&lt;/TD&gt;&lt;TD&gt;Anteil (gesamt)&lt;/TD&gt;</translation>
    </message>
    <message>
        <location filename="../ui/statistics/percentagedialog.cpp" line="44"/>
        <source>&lt;TD&gt;Outgoing&lt;/TD&gt;&lt;TD&gt;Outgoing Selected Percent&lt;/TD&gt;&lt;TD&gt;Outgoing Total Percent&lt;/TD&gt;</source>
        <extracomment>Report headers: as for income, for outgoing</extracomment>
        <translation>&lt;TD&gt;Ausgaben&lt;/TD&gt;&lt;TD&gt;Anteil (Auswahl)&lt;/TD&gt;&lt;TD&gt;Anteil (gesamt)&lt;/TD&gt;</translation>
    </message>
    <message>
        <location filename="../ui/statistics/percentagedialog.cpp" line="46"/>
        <source>&lt;TD&gt;Sum&lt;/TD&gt;&lt;TD&gt;Sum Selected Percent&lt;/TD&gt;&lt;TD&gt;Sum Percent&lt;/TD&gt;&lt;/TR&gt;</source>
        <extracomment>Report headers: a type&apos;s income and outgoing added together, and its shares of the chosen types&apos; and of all</extracomment>
        <translation>&lt;TD&gt;Summe&lt;/TD&gt;&lt;TD&gt;Anteil (Auswahl)&lt;/TD&gt;&lt;TD&gt;Anteil (gesamt)&lt;/TD&gt;&lt;/TR&gt;</translation>
    </message>
    <message>
        <location filename="../ui/statistics/percentagedialog.cpp" line="49"/>
        <source>&lt;TR&gt;&lt;TD&gt;%1&lt;/TD&gt;</source>
        <translation>&lt;TR&gt;&lt;TD&gt;%1&lt;/TD&gt;</translation>
    </message>
    <message>
        <location filename="../ui/statistics/percentagedialog.cpp" line="50"/>
        <location filename="../ui/statistics/percentagedialog.cpp" line="52"/>
        <source>&lt;TD&gt;%1&lt;/TD&gt;&lt;TD&gt;%2%&lt;/TD&gt;&lt;TD&gt;%3%&lt;/TD&gt;</source>
        <translation>&lt;TD&gt;%1&lt;/TD&gt;&lt;TD&gt;%2&#xa0;%&lt;/TD&gt;&lt;TD&gt;%3&#xa0;%&lt;/TD&gt;</translation>
    </message>
    <message>
        <location filename="../ui/statistics/percentagedialog.cpp" line="54"/>
        <source>&lt;TD&gt;%1&lt;/TD&gt;&lt;TD&gt;%2%&lt;/TD&gt;&lt;TD&gt;%3%&lt;/TD&gt;&lt;/TR&gt;</source>
        <translation>&lt;TD&gt;%1&lt;/TD&gt;&lt;TD&gt;%2&#xa0;%&lt;/TD&gt;&lt;TD&gt;%3&#xa0;%&lt;/TD&gt;&lt;/TR&gt;</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <location filename="../ui/app/pennywellapplication.cpp" line="22"/>
        <source>Unknown error</source>
        <translation>Unbekannter Fehler</translation>
    </message>
</context>
<context>
    <name>RecentBooksMenu</name>
    <message>
        <location filename="../ui/recent/recentbooksmenu.cpp" line="16"/>
        <source>Recent &amp;Books</source>
        <translation>&amp;Zuletzt geöffnete Datenbanken</translation>
    </message>
    <message>
        <location filename="../ui/recent/recentbooksmenu.cpp" line="31"/>
        <source>&amp;%1 %2</source>
        <translation>&amp;%1 %2</translation>
    </message>
    <message>
        <location filename="../ui/recent/recentbooksmenu.cpp" line="21"/>
        <location filename="../ui/recent/recentbooksmenu.cpp" line="45"/>
        <source>&amp;Clear</source>
        <translation>&amp;Liste leeren</translation>
    </message>
</context>
<context>
    <name>StatementCommands</name>
    <message>
        <location filename="../ui/statements/statementcommands.cpp" line="19"/>
        <source>Bank statements (*.csv *.ofx *.qfx *.qif)</source>
        <translation>Kontoauszüge (*.csv *.ofx *.qfx *.qif)</translation>
    </message>
    <message>
        <location filename="../ui/statements/statementcommands.cpp" line="19"/>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message numerus="yes">
        <location filename="../ui/statements/statementcommands.cpp" line="43"/>
        <source>%n duplicate(s) skipped.</source>
        <translation>
            <numerusform>%n Duplikat übersprungen.</numerusform>
            <numerusform>%n Duplikate übersprungen.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../ui/statements/statementcommands.cpp" line="44"/>
        <source>%n amount(s) rounded.</source>
        <translation>
            <numerusform>%n Betrag gerundet.</numerusform>
            <numerusform>%n Beträge gerundet.</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../ui/statements/statementcommands.cpp" line="20"/>
        <source>Import Statement</source>
        <translation>Kontoauszug importieren</translation>
    </message>
</context>
<context>
    <name>StatementImport</name>
    <message>
        <location filename="../text/statementmessages.cpp" line="38"/>
        <source>The file is empty.</source>
        <translation>Die Datei ist leer.</translation>
    </message>
    <message>
        <location filename="../text/statementmessages.cpp" line="41"/>
        <source>The file is neither a CSV, an OFX nor a QIF statement.</source>
        <translation>Die Datei ist kein Kontoauszug im Format CSV, OFX oder QIF.</translation>
    </message>
    <message>
        <location filename="../text/statementmessages.cpp" line="43"/>
        <source>The file isn&apos;t written in the encoding chosen.</source>
        <translation>Die Datei ist nicht in der gewählten Kodierung geschrieben.</translation>
    </message>
    <message>
        <location filename="../text/statementmessages.cpp" line="45"/>
        <source>No column is chosen for the date.</source>
        <translation>Keine Spalte ist als Datum gewählt.</translation>
    </message>
    <message>
        <location filename="../text/statementmessages.cpp" line="48"/>
        <source>No column is chosen for the amount, nor for debits or credits.</source>
        <translation>Keine Spalte ist als Betrag, Soll oder Haben gewählt.</translation>
    </message>
    <message>
        <location filename="../text/statementmessages.cpp" line="50"/>
        <source>The quotes of this row are broken.</source>
        <translation>Die Anführungszeichen dieser Zeile sind fehlerhaft.</translation>
    </message>
    <message>
        <location filename="../text/statementmessages.cpp" line="52"/>
        <source>&quot;%1&quot; is not a date in the format chosen.</source>
        <translation>„%1“ ist kein Datum im gewählten Format.</translation>
    </message>
    <message>
        <location filename="../text/statementmessages.cpp" line="54"/>
        <source>&quot;%1&quot; is not an amount.</source>
        <translation>„%1“ ist kein Betrag.</translation>
    </message>
    <message>
        <location filename="../text/statementmessages.cpp" line="56"/>
        <source>The amount %1 is more than a transaction holds.</source>
        <translation>Der Betrag %1 ist größer, als eine Buchung fassen kann.</translation>
    </message>
    <message>
        <location filename="../text/statementmessages.cpp" line="59"/>
        <source>The direction &quot;%1&quot; is neither income nor outgoing.</source>
        <translation>Die Art „%1“ ist weder Einnahme noch Ausgabe.</translation>
    </message>
    <message>
        <location filename="../text/statementmessages.cpp" line="62"/>
        <source>The file holds no transactions.</source>
        <translation>Die Datei enthält keine Buchungen.</translation>
    </message>
    <message>
        <location filename="../text/statementmessages.cpp" line="65"/>
        <source>The file is larger than %1 GB, more than a statement may be.</source>
        <translation>Die Datei ist größer als %1 GB, mehr, als ein Kontoauszug sein darf.</translation>
    </message>
    <message>
        <location filename="../text/statementmessages.cpp" line="68"/>
        <source>This line is longer than %1 MB, more than a line of a statement may be.</source>
        <translation>Diese Zeile ist länger als %1 MB, mehr, als eine Zeile eines Kontoauszugs sein darf.</translation>
    </message>
    <message>
        <location filename="../text/statementmessages.cpp" line="73"/>
        <source>More than %1 faults: the rest of the file was not read.</source>
        <translation>Mehr als %1 Fehler: Der Rest der Datei wurde nicht gelesen.</translation>
    </message>
    <message>
        <location filename="../text/statementmessages.cpp" line="76"/>
        <source>This line holds bytes that aren&apos;t valid %1, the encoding of the rest of the file. Choose the file&apos;s encoding if it is another.</source>
        <translation>Diese Zeile enthält Bytes, die in %1, der Kodierung der übrigen Datei, ungültig sind. Wählen Sie die Kodierung der Datei, wenn sie eine andere ist.</translation>
    </message>
    <message>
        <location filename="../text/statementmessages.cpp" line="81"/>
        <source>A second &quot;%1&quot; line in one transaction: the transaction above it doesn&apos;t end with a &quot;^&quot; line.</source>
        <translation>Eine zweite „%1“-Zeile in einer Buchung: Der Buchung darüber fehlt die abschließende „^“-Zeile.</translation>
    </message>
    <message>
        <location filename="../text/statementmessages.cpp" line="87"/>
        <source>&lt;%1&gt; is outside a transaction: its &lt;STMTTRN&gt; is missing.</source>
        <translation>&lt;%1&gt; steht außerhalb einer Buchung: Das zugehörige &lt;STMTTRN&gt; fehlt.</translation>
    </message>
    <message>
        <location filename="../text/statementmessages.cpp" line="90"/>
        <source>This transaction is outside a bank or card statement (&lt;STMTRS&gt; or &lt;CCSTMTRS&gt;).</source>
        <translation>Diese Buchung steht außerhalb eines Konto- oder Kartenauszugs (&lt;STMTRS&gt; oder &lt;CCSTMTRS&gt;).</translation>
    </message>
    <message>
        <location filename="../text/statementmessages.cpp" line="93"/>
        <source>&quot;%1&quot; holds a character the book can&apos;t store.</source>
        <translation>„%1“ enthält ein Zeichen, das die Datenbank nicht speichern kann.</translation>
    </message>
    <message>
        <location filename="../text/statementmessages.cpp" line="96"/>
        <source>&quot;%1&quot; is longer than the book&apos;s 255 bytes.</source>
        <translation>„%1“ ist länger als die 255 Byte, die die Datenbank speichern kann.</translation>
    </message>
    <message>
        <location filename="../text/statementmessages.cpp" line="100"/>
        <source>The type &quot;%1&quot; would be one more than the book&apos;s 128.</source>
        <translation>Mit der Kategorie „%1“ hätte die Datenbank mehr als die möglichen 128 Kategorien.</translation>
    </message>
    <message>
        <location filename="../text/statementmessages.cpp" line="104"/>
        <source>The book has no transaction number left for this row.</source>
        <translation>Die Datenbank hat für diese Zeile keine freie Buchungsnummer mehr.</translation>
    </message>
    <message>
        <location filename="../text/statementmessages.cpp" line="123"/>
        <source>Line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <location filename="../text/statementmessages.cpp" line="106"/>
        <source>Every date reads with the day first and with the month first (&quot;%1&quot;: %2). Choose the date format.</source>
        <translation>Jedes Datum lässt sich mit dem Tag oder mit dem Monat zuerst lesen („%1“: %2). Bitte wählen Sie das Datumsformat.</translation>
    </message>
    <message>
        <location filename="../text/statementmessages.cpp" line="112"/>
        <source>&quot;%1&quot; is in another currency than the amounts above it.</source>
        <translation>„%1“ ist in einer anderen Währung als die Beträge darüber.</translation>
    </message>
</context>
<context>
    <name>StatementImportDialog</name>
    <message>
        <location filename="../ui/statements/statementimportdialog.cpp" line="47"/>
        <source>Import Statement</source>
        <translation>Kontoauszug importieren</translation>
    </message>
    <message>
        <location filename="../ui/statements/statementimportdialog.cpp" line="71"/>
        <source>Columns</source>
        <translation>Spalten</translation>
    </message>
    <message>
        <location filename="../ui/statements/statementimportdialog.cpp" line="94"/>
        <source>None: the nameless type</source>
        <translation>Keine: die Kategorie ohne Namen</translation>
    </message>
    <message>
        <location filename="../ui/statements/statementimportdialog.cpp" line="101"/>
        <source>&amp;Keep duplicates</source>
        <translation>Duplikate &amp;behalten</translation>
    </message>
    <message>
        <location filename="../ui/statements/statementimportdialog.cpp" line="105"/>
        <source>Default &amp;type:</source>
        <translation>Standardkate&amp;gorie:</translation>
    </message>
    <message>
        <location filename="../ui/statements/statementimportdialog.cpp" line="141"/>
        <source>&amp;Import</source>
        <translation>&amp;Importieren</translation>
    </message>
    <message>
        <location filename="../ui/statements/statementimportdialog.cpp" line="196"/>
        <source>Read as %1.</source>
        <translation>Als %1 gelesen.</translation>
    </message>
    <message numerus="yes">
        <location filename="../ui/statements/statementimportdialog.cpp" line="229"/>
        <source>%n new transaction(s)</source>
        <translation>
            <numerusform>%n neue Buchung</numerusform>
            <numerusform>%n neue Buchungen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../ui/statements/statementimportdialog.cpp" line="230"/>
        <source>%n duplicate(s) kept</source>
        <translation>
            <numerusform>%n Duplikat behalten</numerusform>
            <numerusform>%n Duplikate behalten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../ui/statements/statementimportdialog.cpp" line="231"/>
        <source>%n duplicate(s) skipped</source>
        <translation>
            <numerusform>%n Duplikat übersprungen</numerusform>
            <numerusform>%n Duplikate übersprungen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../ui/statements/statementimportdialog.cpp" line="232"/>
        <source>%n amount(s) rounded</source>
        <translation>
            <numerusform>%n Betrag gerundet</numerusform>
            <numerusform>%n Beträge gerundet</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../ui/statements/statementimportdialog.cpp" line="235"/>
        <source>%n row(s) spelt without accents</source>
        <translation>
            <numerusform>%n Zeile mit ersetzten Sonderzeichen</numerusform>
            <numerusform>%n Zeilen mit ersetzten Sonderzeichen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../ui/statements/statementimportdialog.cpp" line="236"/>
        <source>%n faulty row(s)</source>
        <translation>
            <numerusform>%n fehlerhafte Zeile</numerusform>
            <numerusform>%n fehlerhafte Zeilen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../ui/statements/statementimportdialog.cpp" line="238"/>
        <source>%n new type(s)</source>
        <translation>
            <numerusform>%n neue Kategorie</numerusform>
            <numerusform>%n neue Kategorien</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../ui/statements/statementimportdialog.cpp" line="243"/>
        <source>Nothing can be imported while a row is at fault; the first: %1</source>
        <translation>Solange eine Zeile fehlerhaft ist, kann nichts importiert werden. Erster Fehler: %1</translation>
    </message>
    <message>
        <location filename="../ui/statements/statementimportdialog.cpp" line="246"/>
        <source>Nothing to import: the statement has no rows.</source>
        <translation>Nichts zu importieren: Der Kontoauszug hat keine Zeilen.</translation>
    </message>
    <message>
        <location filename="../ui/statements/statementimportdialog.cpp" line="248"/>
        <source>Nothing to import: the book holds every row already.</source>
        <translation>Nichts zu importieren: Die Datenbank enthält bereits alle Zeilen.</translation>
    </message>
    <message>
        <location filename="../ui/statements/statementimportdialog.cpp" line="240"/>
        <source>, </source>
        <extracomment>Between two counts (&quot;3 new transactions, 1 amount rounded&quot;)</extracomment>
        <translation>, </translation>
    </message>
    <message>
        <location filename="../ui/statements/statementimportdialog.cpp" line="192"/>
        <source>Read as %1; line %2 is the header.</source>
        <translation>Gelesen als %1; Zeile %2 ist die Kopfzeile.</translation>
    </message>
    <message numerus="yes">
        <location filename="../ui/statements/statementimportdialog.cpp" line="194"/>
        <source>Read as %1: %n account(s).</source>
        <translation>
            <numerusform>Gelesen als %1: %n Konto.</numerusform>
            <numerusform>Gelesen als %1: %n Konten.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../ui/statements/statementimportdialog.cpp" line="233"/>
        <source>%n rounded to 0</source>
        <translation>
            <numerusform>%n auf 0 gerundet</numerusform>
            <numerusform>%n auf 0 gerundet</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../ui/statements/statementimportdialog.cpp" line="234"/>
        <source>%n comment(s) cut</source>
        <translation>
            <numerusform>%n Notiz gekürzt</numerusform>
            <numerusform>%n Notizen gekürzt</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>StatementPreviewModel</name>
    <message>
        <location filename="../ui/statements/statementpreviewmodel.cpp" line="34"/>
        <source>Line</source>
        <translation>Zeile</translation>
    </message>
    <message>
        <location filename="../ui/statements/statementpreviewmodel.cpp" line="40"/>
        <source>Mark</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <location filename="../ui/statements/statementpreviewmodel.cpp" line="83"/>
        <source>%1 (new)</source>
        <translation>%1 (neu)</translation>
    </message>
    <message>
        <location filename="../ui/statements/statementpreviewmodel.cpp" line="88"/>
        <source>duplicate, skipped</source>
        <translation>Duplikat, übersprungen</translation>
    </message>
    <message>
        <location filename="../ui/statements/statementpreviewmodel.cpp" line="88"/>
        <source>duplicate, kept</source>
        <translation>Duplikat, behalten</translation>
    </message>
    <message>
        <location filename="../ui/statements/statementpreviewmodel.cpp" line="89"/>
        <source>rounded</source>
        <translation>gerundet</translation>
    </message>
    <message>
        <location filename="../ui/statements/statementpreviewmodel.cpp" line="93"/>
        <source>spelt without accents</source>
        <extracomment>The comment or type had letters the book can&apos;t store, such as ä, now written ae</extracomment>
        <translation>Sonderzeichen ersetzt</translation>
    </message>
    <message>
        <location filename="../ui/statements/statementpreviewmodel.cpp" line="95"/>
        <source>, </source>
        <extracomment>Between two marks of a row (&quot;duplicate, kept, rounded&quot;)</extracomment>
        <translation>, </translation>
    </message>
    <message>
        <location filename="../ui/statements/statementpreviewmodel.cpp" line="89"/>
        <source>rounded to 0</source>
        <translation>auf 0 gerundet</translation>
    </message>
    <message>
        <location filename="../ui/statements/statementpreviewmodel.cpp" line="91"/>
        <source>cut</source>
        <extracomment>The comment was longer than the book holds and is cut to fit</extracomment>
        <translation>gekürzt</translation>
    </message>
</context>
<context>
    <name>StatementReadingBoxes</name>
    <message>
        <location filename="../ui/statements/statementreadingboxes.cpp" line="27"/>
        <source>Detected: %1</source>
        <translation>Erkannt: %1</translation>
    </message>
    <message>
        <location filename="../ui/statements/statementreadingboxes.cpp" line="29"/>
        <location filename="../ui/statements/statementreadingboxes.cpp" line="39"/>
        <location filename="../ui/statements/statementreadingboxes.cpp" line="55"/>
        <location filename="../ui/statements/statementreadingboxes.cpp" line="64"/>
        <location filename="../ui/statements/statementreadingboxes.cpp" line="71"/>
        <source>Detect</source>
        <translation>Automatisch erkennen</translation>
    </message>
    <message>
        <location filename="../ui/statements/statementreadingboxes.cpp" line="38"/>
        <source>&amp;Dates:</source>
        <translation>&amp;Datumsformat:</translation>
    </message>
    <message>
        <location filename="../ui/statements/statementreadingboxes.cpp" line="42"/>
        <source>YMD</source>
        <extracomment>The letters that stand for the year, the month and the day in the names of date formats, in that order</extracomment>
        <translation>JMT</translation>
    </message>
    <message>
        <location filename="../ui/statements/statementreadingboxes.cpp" line="51"/>
        <source>Republic of China, YYY/MM/DD</source>
        <translation>Minguo-Kalender (Taiwan), JJJ/MM/TT</translation>
    </message>
    <message>
        <location filename="../ui/statements/statementreadingboxes.cpp" line="54"/>
        <source>Decimal &amp;mark:</source>
        <translation>De&amp;zimalzeichen:</translation>
    </message>
    <message>
        <location filename="../ui/statements/statementreadingboxes.cpp" line="56"/>
        <source>Point (12.50)</source>
        <translation>Punkt (12.50)</translation>
    </message>
    <message>
        <location filename="../ui/statements/statementreadingboxes.cpp" line="57"/>
        <source>Comma (12,50)</source>
        <translation>Komma (12,50)</translation>
    </message>
    <message>
        <location filename="../ui/statements/statementreadingboxes.cpp" line="59"/>
        <source>&amp;Cents:</source>
        <translation>&amp;Cent:</translation>
    </message>
    <message>
        <location filename="../ui/statements/statementreadingboxes.cpp" line="60"/>
        <source>Round to whole units</source>
        <translation>Auf ganze Zahlen runden</translation>
    </message>
    <message>
        <location filename="../ui/statements/statementreadingboxes.cpp" line="61"/>
        <source>Read as cents</source>
        <translation>Als Cent lesen</translation>
    </message>
    <message>
        <location filename="../ui/statements/statementreadingboxes.cpp" line="63"/>
        <source>&amp;Encoding:</source>
        <translation>&amp;Kodierung:</translation>
    </message>
    <message>
        <location filename="../ui/statements/statementreadingboxes.cpp" line="70"/>
        <source>De&amp;limiter:</source>
        <translation>&amp;Trennzeichen:</translation>
    </message>
    <message>
        <location filename="../ui/statements/statementreadingboxes.cpp" line="72"/>
        <source>Comma</source>
        <translation>Komma</translation>
    </message>
    <message>
        <location filename="../ui/statements/statementreadingboxes.cpp" line="73"/>
        <source>Semicolon</source>
        <translation>Semikolon</translation>
    </message>
    <message>
        <location filename="../ui/statements/statementreadingboxes.cpp" line="74"/>
        <source>Tab</source>
        <translation>Tabulator</translation>
    </message>
    <message>
        <location filename="../ui/statements/statementreadingboxes.cpp" line="28"/>
        <source>Detected: none</source>
        <translation>Erkannt: nichts</translation>
    </message>
</context>
<context>
    <name>StatisticDialog</name>
    <message>
        <location filename="../ui/statistics/statisticdialog.cpp" line="74"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../ui/statistics/statisticdialog.cpp" line="75"/>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <location filename="../ui/statistics/statisticdialog.cpp" line="139"/>
        <source>Income</source>
        <translation>Einnahmen</translation>
    </message>
    <message>
        <location filename="../ui/statistics/statisticdialog.cpp" line="140"/>
        <source>Outgoing</source>
        <translation>Ausgaben</translation>
    </message>
    <message>
        <location filename="../ui/statistics/statisticdialog.cpp" line="195"/>
        <source>ALL</source>
        <translation>Alle</translation>
    </message>
    <message>
        <location filename="../ui/statistics/statisticdialog.cpp" line="311"/>
        <source>Chart</source>
        <translation>Diagramm</translation>
    </message>
    <message>
        <location filename="../ui/statistics/statisticdialog.cpp" line="100"/>
        <source>Custom</source>
        <translation>Benutzerdefiniert</translation>
    </message>
    <message>
        <location filename="../ui/statistics/statisticdialog.cpp" line="101"/>
        <source>This month</source>
        <translation>Dieser Monat</translation>
    </message>
    <message>
        <location filename="../ui/statistics/statisticdialog.cpp" line="101"/>
        <source>Last month</source>
        <translation>Vormonat</translation>
    </message>
    <message>
        <location filename="../ui/statistics/statisticdialog.cpp" line="101"/>
        <source>This year</source>
        <translation>Dieses Jahr</translation>
    </message>
    <message>
        <location filename="../ui/statistics/statisticdialog.cpp" line="101"/>
        <source>Last year</source>
        <translation>Vorjahr</translation>
    </message>
    <message>
        <location filename="../ui/statistics/statisticdialog.cpp" line="101"/>
        <source>Whole book</source>
        <translation>Gesamter Zeitraum</translation>
    </message>
    <message>
        <location filename="../ui/statistics/statisticdialog.cpp" line="61"/>
        <source>&amp;From</source>
        <translation>&amp;Von</translation>
    </message>
    <message>
        <location filename="../ui/statistics/statisticdialog.cpp" line="62"/>
        <source>&amp;To</source>
        <translation>&amp;Bis</translation>
    </message>
    <message>
        <location filename="../ui/statistics/statisticdialog.cpp" line="63"/>
        <source>Select T&amp;ypes</source>
        <translation>&amp;Kategorien auswählen</translation>
    </message>
    <message>
        <location filename="../ui/statistics/statisticdialog.cpp" line="65"/>
        <source>Select &amp;In/Out</source>
        <extracomment>Label of the list of Income, Outgoing and ALL</extracomment>
        <translation>&amp;Einnahmen oder Ausgaben auswählen</translation>
    </message>
    <message>
        <location filename="../ui/statistics/statisticdialog.cpp" line="97"/>
        <source>&amp;Range</source>
        <translation>&amp;Zeitraum</translation>
    </message>
</context>
<context>
    <name>TransactionDialog</name>
    <message>
        <location filename="../ui/transactions/transactiondialog.cpp" line="62"/>
        <source>Type</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <location filename="../ui/transactions/transactiondialog.cpp" line="64"/>
        <source>Money</source>
        <extracomment>Label of the box for the transaction&apos;s amount</extracomment>
        <translation>Betrag</translation>
    </message>
    <message>
        <location filename="../ui/transactions/transactiondialog.cpp" line="65"/>
        <source>Comment</source>
        <translation>Notiz</translation>
    </message>
    <message>
        <location filename="../ui/transactions/transactiondialog.cpp" line="81"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../ui/transactions/transactiondialog.cpp" line="83"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location filename="../ui/transactions/transactiondialog.cpp" line="87"/>
        <source>Select a transaction</source>
        <translation>Buchung auswählen</translation>
    </message>
    <message>
        <location filename="../ui/transactions/transactiondialog.cpp" line="89"/>
        <source>In/Out</source>
        <extracomment>The box&apos;s first item, a prompt: choose income or outgoing</extracomment>
        <translation>Einnahme oder Ausgabe</translation>
    </message>
    <message>
        <location filename="../ui/transactions/transactiondialog.cpp" line="89"/>
        <source>Income</source>
        <translation>Einnahme</translation>
    </message>
    <message>
        <location filename="../ui/transactions/transactiondialog.cpp" line="89"/>
        <source>Outgoing</source>
        <translation>Ausgabe</translation>
    </message>
    <message>
        <location filename="../ui/transactions/transactiondialog.cpp" line="90"/>
        <source>Select/Add a type</source>
        <translation>Kategorie auswählen oder hinzufügen</translation>
    </message>
    <message>
        <location filename="../ui/transactions/transactiondialog.cpp" line="196"/>
        <source>Create a transaction</source>
        <translation>Buchung anlegen</translation>
    </message>
    <message>
        <location filename="../ui/transactions/transactiondialog.cpp" line="213"/>
        <source>Delete a transaction</source>
        <translation>Buchung löschen</translation>
    </message>
    <message>
        <location filename="../ui/transactions/transactiondialog.cpp" line="221"/>
        <source>Modify a transaction</source>
        <translation>Buchung ändern</translation>
    </message>
    <message>
        <location filename="../ui/transactions/transactiondialog.cpp" line="227"/>
        <source>Delete this transaction</source>
        <translation>Diese Buchung löschen</translation>
    </message>
    <message>
        <location filename="../ui/transactions/transactiondialog.cpp" line="238"/>
        <source>Modify this transaction</source>
        <translation>Diese Buchung ändern</translation>
    </message>
    <message>
        <location filename="../ui/transactions/storedtextroom.cpp" line="42"/>
        <source>The comment can&apos;t be stored in a Pennywell database file: it may hold only Big5 characters and at most 255 bytes.</source>
        <translation>Die Notiz kann nicht in einer Pennywell-Datenbankdatei gespeichert werden: Notizen dürfen nur Big5-Zeichen enthalten und höchstens 255 Byte lang sein.</translation>
    </message>
    <message>
        <location filename="../ui/transactions/storedtextroom.cpp" line="45"/>
        <source>The type name can&apos;t be stored in a Pennywell database file: it may hold only Big5 characters and at most 255 bytes.</source>
        <translation>Der Kategoriename kann nicht in einer Pennywell-Datenbankdatei gespeichert werden: Kategorienamen dürfen nur Big5-Zeichen enthalten und höchstens 255 Byte lang sein.</translation>
    </message>
    <message>
        <location filename="../ui/transactions/storedtextroom.cpp" line="53"/>
        <source>The comment can&apos;t be stored in this database: it holds a control character other than the tab, or a code that is no character.</source>
        <translation>Die Notiz kann nicht in dieser Datenbank gespeichert werden: Sie enthält ein Steuerzeichen außer dem Tabulator oder einen Code, der kein Zeichen ist.</translation>
    </message>
    <message>
        <location filename="../ui/transactions/storedtextroom.cpp" line="57"/>
        <source>The type name can&apos;t be stored in this database: it holds a control character other than the tab, or a code that is no character.</source>
        <translation>Der Kategoriename kann nicht in dieser Datenbank gespeichert werden: Er enthält ein Steuerzeichen außer dem Tabulator oder einen Code, der kein Zeichen ist.</translation>
    </message>
    <message>
        <location filename="../ui/transactions/storedtextroom.cpp" line="67"/>
        <source>The comment can&apos;t be stored in this database: it is %1 characters long, and a comment may have at most %2.</source>
        <translation>Die Notiz kann nicht in dieser Datenbank gespeichert werden: Sie ist %1 Zeichen lang, eine Notiz darf aber höchstens %2 haben.</translation>
    </message>
    <message>
        <location filename="../ui/transactions/storedtextroom.cpp" line="70"/>
        <source>The type name can&apos;t be stored in this database: it is %1 characters long, and a name may have at most %2.</source>
        <translation>Der Kategoriename kann nicht in dieser Datenbank gespeichert werden: Er ist %1 Zeichen lang, ein Name darf aber höchstens %2 haben.</translation>
    </message>
    <message>
        <location filename="../ui/transactions/transactiondialog.cpp" line="73"/>
        <source>&amp;Add</source>
        <translation>&amp;Hinzufügen</translation>
    </message>
    <message>
        <location filename="../ui/transactions/transactiondialog.cpp" line="75"/>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <location filename="../ui/transactions/transactiondialog.cpp" line="200"/>
        <source>Add and next (Ctrl+Return): adds the transaction and opens the next on the same date</source>
        <translation>Hinzufügen und weiter (Ctrl+Return): fügt die Buchung hinzu und öffnet die nächste mit demselben Datum</translation>
    </message>
    <message>
        <location filename="../ui/transactions/transactiondialog.cpp" line="414"/>
        <source>There is a type &quot;%1&quot;. Add &quot;%2&quot; as another type?</source>
        <translation>Es gibt schon die Kategorie „%1“. Möchten Sie „%2“ als weitere Kategorie hinzufügen?</translation>
    </message>
    <message>
        <location filename="../ui/transactions/transactiondialog.cpp" line="415"/>
        <location filename="../ui/transactions/transactiondialog.cpp" line="416"/>
        <source>Add a type</source>
        <translation>Kategorie hinzufügen</translation>
    </message>
</context>
<context>
    <name>WaitingBox</name>
    <message>
        <location filename="../ui/prompts/waitingbox.cpp" line="18"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
</TS>
