<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
<context>
    <name>BarPeriods</name>
    <message>
        <location filename="../ui/charts/barperiods.cpp" line="55"/>
        <source>%1 Q%2</source>
        <translation>%1 Q%2</translation>
    </message>
    <message>
        <location filename="../ui/charts/barperiods.cpp" line="73"/>
        <source>Month</source>
        <translation>Month</translation>
    </message>
    <message>
        <location filename="../ui/charts/barperiods.cpp" line="74"/>
        <source>Quarter</source>
        <translation>Quarter</translation>
    </message>
    <message>
        <location filename="../ui/charts/barperiods.cpp" line="75"/>
        <source>Year</source>
        <translation>Year</translation>
    </message>
    <message>
        <location filename="../ui/charts/barperiods.cpp" line="76"/>
        <source>%1 years</source>
        <translation>%1 years</translation>
    </message>
</context>
<context>
    <name>BookCommands</name>
    <message>
        <location filename="../ui/history/bookcommands.cpp" line="57"/>
        <source>Create Transaction %1</source>
        <translation>Create Transaction %1</translation>
    </message>
    <message>
        <location filename="../ui/history/bookcommands.cpp" line="71"/>
        <source>Modify Transaction %1</source>
        <translation>Modify Transaction %1</translation>
    </message>
    <message>
        <location filename="../ui/history/bookcommands.cpp" line="80"/>
        <source>Delete Transaction %1</source>
        <translation>Delete Transaction %1</translation>
    </message>
    <message>
        <location filename="../ui/history/bookcommands.cpp" line="91"/>
        <source>Add Type %1</source>
        <translation>Add Type %1</translation>
    </message>
    <message>
        <location filename="../ui/history/bookcommands.cpp" line="100"/>
        <source>Delete Type %1</source>
        <translation>Delete Type %1</translation>
    </message>
    <message>
        <location filename="../ui/history/bookcommands.cpp" line="111"/>
        <source>Set the Database Name</source>
        <translation>Set the Database Name</translation>
    </message>
    <message>
        <location filename="../ui/history/bookcommands.cpp" line="157"/>
        <source>Import CSV</source>
        <translation>Import CSV</translation>
    </message>
    <message>
        <location filename="../ui/history/bookcommands.cpp" line="158"/>
        <source>Import Statement</source>
        <translation>Import Statement</translation>
    </message>
    <message>
        <location filename="../ui/history/bookcommands.cpp" line="128"/>
        <source>Convert to Format 2</source>
        <translation>Convert to Format 2</translation>
    </message>
    <message>
        <location filename="../ui/history/bookcommands.cpp" line="130"/>
        <source>Set the Decimals to %1</source>
        <translation>Set the Decimals to %1</translation>
    </message>
</context>
<context>
    <name>BookDateEdit</name>
    <message>
        <location filename="../ui/widgets/bookdateedit.cpp" line="94"/>
        <source>y/M/d</source>
        <extracomment>How a date is typed in this language: d (day), M (month) and y (year) in their order, with the separator written between them, such as d.M.y. Year/month/day is taken in every language.</extracomment>
        <translation>y/M/d</translation>
    </message>
    <message>
        <location filename="../ui/widgets/bookdateedit.cpp" line="104"/>
        <source>&quot;%1&quot; is not a date: type the date as %2.</source>
        <translation>&quot;%1&quot; is not a date: type the date as %2.</translation>
    </message>
    <message>
        <location filename="../ui/widgets/bookdateedit.cpp" line="109"/>
        <source>%1 is not a date this box takes: it takes %2 to %3.</source>
        <translation>%1 is not a date this box takes: it takes %2 to %3.</translation>
    </message>
    <message>
        <location filename="../ui/widgets/bookdateedit.cpp" line="117"/>
        <source>%1 is more than 100 years from today. Press Enter again to take it.</source>
        <translation>%1 is more than 100 years from today. Press Enter again to take it.</translation>
    </message>
</context>
<context>
    <name>BookImport</name>
    <message>
        <location filename="../ui/book/bookimport.cpp" line="15"/>
        <source>The file %1 can&apos;t be read.</source>
        <translation>The file %1 can&apos;t be read.</translation>
    </message>
    <message numerus="yes">
        <location filename="../ui/book/bookimport.cpp" line="20"/>
        <source>%n transaction(s) imported.</source>
        <translation>
            <numerusform>%n transaction imported.</numerusform>
            <numerusform>%n transactions imported.</numerusform>
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
            <numerusform>%n new type created.</numerusform>
            <numerusform>%n new types created.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>BookSettingsDialog</name>
    <message>
        <location filename="../ui/booksettings/booksettingsdialog.cpp" line="25"/>
        <source>Book Settings</source>
        <translation>Book Settings</translation>
    </message>
    <message>
        <location filename="../ui/booksettings/booksettingsdialog.cpp" line="31"/>
        <source>Con&amp;vert to Format 2</source>
        <translation>Con&amp;vert to Format 2</translation>
    </message>
    <message>
        <location filename="../ui/booksettings/booksettingsdialog.cpp" line="41"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../ui/booksettings/booksettingsdialog.cpp" line="44"/>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <location filename="../ui/booksettings/booksettingsdialog.cpp" line="53"/>
        <source>Format:</source>
        <translation>Format:</translation>
    </message>
    <message>
        <location filename="../ui/booksettings/booksettingsdialog.cpp" line="55"/>
        <source>&amp;Decimals:</source>
        <translation>&amp;Decimals:</translation>
    </message>
    <message>
        <location filename="../ui/booksettings/booksettingsdialog.cpp" line="56"/>
        <source>&amp;Name:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <location filename="../ui/booksettings/booksettingsdialog.cpp" line="81"/>
        <source>Format 2: texts in UTF-8, amounts with decimals. Pennywell 1.1 and older can&apos;t open it.</source>
        <translation>Format 2: texts in UTF-8, amounts with decimals. Pennywell 1.1 and older can&apos;t open it.</translation>
    </message>
    <message>
        <location filename="../ui/booksettings/booksettingsdialog.cpp" line="83"/>
        <source>Format 1, which every version of Pennywell reads: texts in Big5, whole amounts.</source>
        <translation>Format 1, which every version of Pennywell reads: texts in Big5, whole amounts.</translation>
    </message>
    <message>
        <location filename="../ui/booksettings/booksettingsdialog.cpp" line="109"/>
        <source>The name can&apos;t be stored in this book: it is too long or holds a character the book&apos;s format has no room for.</source>
        <translation>The name can&apos;t be stored in this book: it is too long or holds a character the book&apos;s format has no room for.</translation>
    </message>
</context>
<context>
    <name>BudgetDialog</name>
    <message>
        <location filename="../ui/statistics/budgetdialog.cpp" line="21"/>
        <source>Budget Analysis Settings</source>
        <translation>Budget Analysis Settings</translation>
    </message>
    <message>
        <location filename="../ui/statistics/budgetdialog.cpp" line="68"/>
        <source>Budget Analysis</source>
        <translation>Budget Analysis</translation>
    </message>
    <message>
        <location filename="../ui/statistics/budgetdialog.cpp" line="81"/>
        <source>&lt;P&gt;From: %1&lt;/P&gt;</source>
        <translation>&lt;P&gt;From: %1&lt;/P&gt;</translation>
    </message>
    <message>
        <location filename="../ui/statistics/budgetdialog.cpp" line="82"/>
        <source>&lt;P&gt;To: %1&lt;/P&gt;</source>
        <translation>&lt;P&gt;To: %1&lt;/P&gt;</translation>
    </message>
    <message>
        <location filename="../ui/statistics/budgetdialog.cpp" line="83"/>
        <source>&lt;P&gt;Today: %1&lt;/P&gt;</source>
        <translation>&lt;P&gt;Today: %1&lt;/P&gt;</translation>
    </message>
    <message>
        <location filename="../ui/statistics/budgetdialog.cpp" line="84"/>
        <source>&lt;TABLE BORDER=&quot;5&quot;&gt;&lt;TR&gt;</source>
        <translation>&lt;TABLE BORDER=&quot;5&quot;&gt;&lt;TR&gt;</translation>
    </message>
    <message>
        <location filename="../ui/statistics/budgetdialog.cpp" line="85"/>
        <source>&lt;TD&gt;Type&lt;/TD&gt;</source>
        <translation>&lt;TD&gt;Type&lt;/TD&gt;</translation>
    </message>
    <message>
        <location filename="../ui/statistics/budgetdialog.cpp" line="86"/>
        <source>&lt;TD&gt;Budget&lt;/TD&gt;</source>
        <translation>&lt;TD&gt;Budget&lt;/TD&gt;</translation>
    </message>
    <message>
        <location filename="../ui/statistics/budgetdialog.cpp" line="87"/>
        <source>&lt;TD&gt;Outgoing&lt;/TD&gt;</source>
        <translation>&lt;TD&gt;Outgoing&lt;/TD&gt;</translation>
    </message>
    <message>
        <location filename="../ui/statistics/budgetdialog.cpp" line="89"/>
        <source>&lt;TD&gt;Ramain&lt;/TD&gt;</source>
        <extracomment>Report column header: the budget less what was spent</extracomment>
        <translation>&lt;TD&gt;Ramain&lt;/TD&gt;</translation>
    </message>
    <message numerus="yes">
        <location filename="../ui/statistics/budgetdialog.cpp" line="91"/>
        <source>&lt;TD&gt;Average Ramain per Day (%1 day(s))&lt;/TD&gt;&lt;/TR&gt;</source>
        <extracomment>Report column header: what remains of the budget, spread over the days left (%1)</extracomment>
        <translation>
            <numerusform>&lt;TD&gt;Average Ramain per Day (%1 day)&lt;/TD&gt;&lt;/TR&gt;</numerusform>
            <numerusform>&lt;TD&gt;Average Ramain per Day (%1 days)&lt;/TD&gt;&lt;/TR&gt;</numerusform>
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
        <translation>&lt;/TABLE&gt;&lt;P&gt;&lt;/P&gt;&lt;TABLE BORDER=&quot;5&quot;&gt;&lt;TR&gt;&lt;TD&gt;Total Budget&lt;/TD&gt;&lt;TD&gt;</translation>
    </message>
    <message>
        <location filename="../ui/statistics/budgetdialog.cpp" line="107"/>
        <source>&lt;/TD&gt;&lt;TD&gt;Total Outgoing&lt;/TD&gt;&lt;TD&gt;</source>
        <translation>&lt;/TD&gt;&lt;TD&gt;Total Outgoing&lt;/TD&gt;&lt;TD&gt;</translation>
    </message>
    <message>
        <location filename="../ui/statistics/budgetdialog.cpp" line="111"/>
        <source>&lt;/TD&gt;&lt;TR&gt;&lt;TD&gt;Total Remain&lt;/TD&gt;&lt;TD&gt;</source>
        <extracomment>The budget of all types less what was spent</extracomment>
        <translation>&lt;/TD&gt;&lt;TR&gt;&lt;TD&gt;Total Remain&lt;/TD&gt;&lt;TD&gt;</translation>
    </message>
    <message numerus="yes">
        <location filename="../ui/statistics/budgetdialog.cpp" line="113"/>
        <source>&lt;/TD&gt;&lt;TD&gt;Average Remain per Day (%1 Day(s))&lt;/TD&gt;&lt;TD&gt;</source>
        <translation>
            <numerusform>&lt;/TD&gt;&lt;TD&gt;Average Remain per Day (%1 Day)&lt;/TD&gt;&lt;TD&gt;</numerusform>
            <numerusform>&lt;/TD&gt;&lt;TD&gt;Average Remain per Day (%1 Days)&lt;/TD&gt;&lt;TD&gt;</numerusform>
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
        <translation>To&amp;day</translation>
    </message>
</context>
<context>
    <name>ChartData</name>
    <message>
        <location filename="../ui/statistics/chartdata.cpp" line="19"/>
        <source>Other</source>
        <translation>Other</translation>
    </message>
</context>
<context>
    <name>ChartDialog</name>
    <message>
        <location filename="../ui/charts/chartdialog.cpp" line="7"/>
        <source>Charts</source>
        <translation>Charts</translation>
    </message>
</context>
<context>
    <name>ChartWindow</name>
    <message>
        <location filename="../ui/charts/chartwindow.cpp" line="70"/>
        <source>Charts</source>
        <translation>Charts</translation>
    </message>
    <message>
        <location filename="../ui/charts/chartwindow.cpp" line="91"/>
        <source>Save...</source>
        <translation>Save...</translation>
    </message>
    <message>
        <location filename="../ui/charts/chartwindow.cpp" line="93"/>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <location filename="../ui/charts/chartwindow.cpp" line="145"/>
        <source>%1 (%2%)</source>
        <translation>%1 (%2%)</translation>
    </message>
    <message>
        <location filename="../ui/charts/chartwindow.cpp" line="195"/>
        <source>Income</source>
        <translation>Income</translation>
    </message>
    <message>
        <location filename="../ui/charts/chartwindow.cpp" line="196"/>
        <source>Outgoing</source>
        <translation>Outgoing</translation>
    </message>
    <message>
        <location filename="../ui/charts/chartwindow.cpp" line="274"/>
        <source>PNG Image (*.png);;SVG Image (*.svg)</source>
        <translation>PNG Image (*.png);;SVG Image (*.svg)</translation>
    </message>
    <message>
        <location filename="../ui/charts/chartwindow.cpp" line="280"/>
        <source>File %1 already exists.
Do you want to override it?</source>
        <translation>File %1 already exists.
Do you want to override it?</translation>
    </message>
    <message>
        <location filename="../ui/charts/chartwindow.cpp" line="281"/>
        <source>Pennywell</source>
        <translation>Pennywell</translation>
    </message>
    <message>
        <location filename="../ui/charts/chartwindow.cpp" line="284"/>
        <source>The chart could not be saved as %1.</source>
        <translation>The chart could not be saved as %1.</translation>
    </message>
    <message>
        <location filename="../ui/charts/chartwindow.cpp" line="122"/>
        <source>Balance: %1</source>
        <translation>Balance: %1</translation>
    </message>
    <message>
        <location filename="../ui/charts/chartwindow.cpp" line="123"/>
        <source>Income by type</source>
        <translation>Income by type</translation>
    </message>
    <message>
        <location filename="../ui/charts/chartwindow.cpp" line="124"/>
        <source>No income in the chosen range</source>
        <translation>No income in the chosen range</translation>
    </message>
    <message>
        <location filename="../ui/charts/chartwindow.cpp" line="125"/>
        <source>Outgoing by type</source>
        <translation>Outgoing by type</translation>
    </message>
    <message>
        <location filename="../ui/charts/chartwindow.cpp" line="126"/>
        <source>No outgoing in the chosen range</source>
        <translation>No outgoing in the chosen range</translation>
    </message>
    <message>
        <location filename="../ui/charts/chartwindow.cpp" line="217"/>
        <source>Income and outgoing</source>
        <translation>Income and outgoing</translation>
    </message>
</context>
<context>
    <name>ColumnMappingBoxes</name>
    <message>
        <location filename="../ui/statements/columnmappingboxes.cpp" line="20"/>
        <source>Ignore</source>
        <translation>Ignore</translation>
    </message>
    <message>
        <location filename="../ui/statements/columnmappingboxes.cpp" line="21"/>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <location filename="../ui/statements/columnmappingboxes.cpp" line="22"/>
        <source>Amount</source>
        <translation>Amount</translation>
    </message>
    <message>
        <location filename="../ui/statements/columnmappingboxes.cpp" line="23"/>
        <source>Debit (out)</source>
        <translation>Debit (out)</translation>
    </message>
    <message>
        <location filename="../ui/statements/columnmappingboxes.cpp" line="24"/>
        <source>Credit (in)</source>
        <translation>Credit (in)</translation>
    </message>
    <message>
        <location filename="../ui/statements/columnmappingboxes.cpp" line="25"/>
        <source>Comment</source>
        <translation>Comment</translation>
    </message>
    <message>
        <location filename="../ui/statements/columnmappingboxes.cpp" line="26"/>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <location filename="../ui/statements/columnmappingboxes.cpp" line="27"/>
        <source>Direction</source>
        <translation>Direction</translation>
    </message>
</context>
<context>
    <name>CsvCommands</name>
    <message>
        <location filename="../ui/csv/csvcommands.cpp" line="46"/>
        <source>CSV files, encoding detected (*.csv)</source>
        <translation>CSV files, encoding detected (*.csv)</translation>
    </message>
    <message>
        <location filename="../ui/csv/csvcommands.cpp" line="46"/>
        <source>CSV files, UTF-8 (*.csv)</source>
        <translation>CSV files, UTF-8 (*.csv)</translation>
    </message>
    <message>
        <location filename="../ui/csv/csvcommands.cpp" line="47"/>
        <source>CSV files, Big5 (*.csv)</source>
        <translation>CSV files, Big5 (*.csv)</translation>
    </message>
    <message>
        <location filename="../ui/csv/csvcommands.cpp" line="48"/>
        <source>Import CSV</source>
        <translation>Import CSV</translation>
    </message>
    <message>
        <location filename="../ui/csv/csvcommands.cpp" line="74"/>
        <source>CSV, UTF-8 (*.csv)</source>
        <translation>CSV, UTF-8 (*.csv)</translation>
    </message>
    <message>
        <location filename="../ui/csv/csvcommands.cpp" line="74"/>
        <source>CSV, UTF-8 for spreadsheets (*.csv)</source>
        <translation>CSV, UTF-8 for spreadsheets (*.csv)</translation>
    </message>
    <message>
        <location filename="../ui/csv/csvcommands.cpp" line="74"/>
        <source>CSV, Big5 (*.csv)</source>
        <translation>CSV, Big5 (*.csv)</translation>
    </message>
    <message>
        <location filename="../ui/csv/csvcommands.cpp" line="90"/>
        <source>The file %1 is the backup of the open book, kept from before its last save.
Do you want to replace it with the CSV?</source>
        <translation>The file %1 is the backup of the open book, kept from before its last save.
Do you want to replace it with the CSV?</translation>
    </message>
    <message>
        <location filename="../ui/csv/csvcommands.cpp" line="98"/>
        <source>The file %1 is a Pennywell book.
Do you want to replace it with the CSV?</source>
        <translation>The file %1 is a Pennywell book.
Do you want to replace it with the CSV?</translation>
    </message>
    <message>
        <location filename="../ui/csv/csvcommands.cpp" line="115"/>
        <source>The file %1 can&apos;t be written: %2</source>
        <translation>The file %1 can&apos;t be written: %2</translation>
    </message>
    <message>
        <location filename="../ui/csv/csvcommands.cpp" line="85"/>
        <source>The file %1 is the open book itself; the CSV would replace it. Nothing was written.</source>
        <translation>The file %1 is the open book itself; the CSV would replace it. Nothing was written.</translation>
    </message>
</context>
<context>
    <name>CsvImport</name>
    <message>
        <location filename="../text/bookcsvmessages.cpp" line="29"/>
        <source>the file is empty; it needs a header row such as index,date,direction,amount,type,comment</source>
        <translation>the file is empty; it needs a header row such as index,date,direction,amount,type,comment</translation>
    </message>
    <message>
        <location filename="../text/bookcsvmessages.cpp" line="33"/>
        <source>unknown column &quot;%1&quot;; the columns are index, date, direction, amount, type and comment</source>
        <translation>unknown column &quot;%1&quot;; the columns are index, date, direction, amount, type and comment</translation>
    </message>
    <message>
        <location filename="../text/bookcsvmessages.cpp" line="36"/>
        <source>the column &quot;%1&quot; appears twice</source>
        <translation>the column &quot;%1&quot; appears twice</translation>
    </message>
    <message>
        <location filename="../text/bookcsvmessages.cpp" line="37"/>
        <source>the header has no &quot;%1&quot; column</source>
        <translation>the header has no &quot;%1&quot; column</translation>
    </message>
    <message>
        <location filename="../text/bookcsvmessages.cpp" line="39"/>
        <source>a quote inside a field that doesn&apos;t start with one; enclose the field in quotes and double the quote</source>
        <translation>a quote inside a field that doesn&apos;t start with one; enclose the field in quotes and double the quote</translation>
    </message>
    <message>
        <location filename="../text/bookcsvmessages.cpp" line="43"/>
        <source>text after the closing quote of a field</source>
        <translation>text after the closing quote of a field</translation>
    </message>
    <message>
        <location filename="../text/bookcsvmessages.cpp" line="44"/>
        <source>a quoted field is never closed</source>
        <translation>a quoted field is never closed</translation>
    </message>
    <message>
        <location filename="../text/bookcsvmessages.cpp" line="46"/>
        <source>%1 fields where the header has %2</source>
        <translation>%1 fields where the header has %2</translation>
    </message>
    <message>
        <location filename="../text/bookcsvmessages.cpp" line="49"/>
        <source>the date &quot;%1&quot; is not a calendar date written YYYY-MM-DD</source>
        <translation>the date &quot;%1&quot; is not a calendar date written YYYY-MM-DD</translation>
    </message>
    <message>
        <location filename="../text/bookcsvmessages.cpp" line="52"/>
        <source>the direction &quot;%1&quot; is neither &quot;income&quot; nor &quot;outgoing&quot;</source>
        <translation>the direction &quot;%1&quot; is neither &quot;income&quot; nor &quot;outgoing&quot;</translation>
    </message>
    <message>
        <location filename="../text/bookcsvmessages.cpp" line="54"/>
        <source>the amount &quot;%1&quot; is not a whole number</source>
        <translation>the amount &quot;%1&quot; is not a whole number</translation>
    </message>
    <message>
        <location filename="../text/bookcsvmessages.cpp" line="56"/>
        <source>the amount %1 is out of range (-2147483648 to 2147483647)</source>
        <translation>the amount %1 is out of range (-2147483648 to 2147483647)</translation>
    </message>
    <message>
        <location filename="../text/bookcsvmessages.cpp" line="58"/>
        <source>the %1 is not valid UTF-8 text</source>
        <translation>the %1 is not valid UTF-8 text</translation>
    </message>
    <message>
        <location filename="../text/bookcsvmessages.cpp" line="59"/>
        <source>the %1 is not valid Big5 text</source>
        <translation>the %1 is not valid Big5 text</translation>
    </message>
    <message>
        <location filename="../text/bookcsvmessages.cpp" line="61"/>
        <source>the %1 &quot;%2&quot; holds a character that Big5 can&apos;t store</source>
        <translation>the %1 &quot;%2&quot; holds a character that Big5 can&apos;t store</translation>
    </message>
    <message>
        <location filename="../text/bookcsvmessages.cpp" line="65"/>
        <source>the %1 is %2 characters long; at most %3 fit</source>
        <translation>the %1 is %2 characters long; at most %3 fit</translation>
    </message>
    <message>
        <location filename="../text/bookcsvmessages.cpp" line="70"/>
        <source>the %1 is %2 bytes long in Big5; at most %3 fit</source>
        <translation>the %1 is %2 bytes long in Big5; at most %3 fit</translation>
    </message>
    <message>
        <location filename="../text/bookcsvmessages.cpp" line="77"/>
        <source>the new type &quot;%1&quot; would be one more than the 128 types a database can hold</source>
        <translation>the new type &quot;%1&quot; would be one more than the 128 types a database can hold</translation>
    </message>
    <message>
        <location filename="../text/bookcsvmessages.cpp" line="79"/>
        <source>the database has no transaction index left for this row</source>
        <translation>the database has no transaction index left for this row</translation>
    </message>
    <message>
        <location filename="../text/bookcsvmessages.cpp" line="81"/>
        <source>Line %1: %2</source>
        <translation>Line %1: %2</translation>
    </message>
    <message>
        <location filename="../text/bookcsvmessages.cpp" line="85"/>
        <source>The CSV file was not imported; the database is unchanged.</source>
        <translation>The CSV file was not imported; the database is unchanged.</translation>
    </message>
    <message numerus="yes">
        <location filename="../text/bookcsvmessages.cpp" line="96"/>
        <source>%n more faulty row(s) not listed.</source>
        <translation>
            <numerusform>%n more faulty row not listed.</numerusform>
            <numerusform>%n more faulty rows not listed.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DBNameDialog</name>
    <message>
        <location filename="../ui/prompts/dbnamedialog.cpp" line="19"/>
        <source>Database Name</source>
        <translation>Database Name</translation>
    </message>
    <message>
        <location filename="../ui/prompts/dbnamedialog.cpp" line="20"/>
        <source>Enter the database name</source>
        <translation>Enter the database name</translation>
    </message>
    <message>
        <location filename="../ui/prompts/dbnamedialog.cpp" line="26"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../ui/prompts/dbnamedialog.cpp" line="28"/>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <location filename="../ui/prompts/dbnamedialog.cpp" line="73"/>
        <source>The character &quot;%1&quot; (U+%2) can&apos;t be stored: Big5 has no such character.</source>
        <translation>The character &quot;%1&quot; (U+%2) can&apos;t be stored: Big5 has no such character.</translation>
    </message>
    <message>
        <location filename="../ui/prompts/dbnamedialog.cpp" line="75"/>
        <source>The name takes %1 bytes in Big5; at most %2 can be stored.</source>
        <translation>The name takes %1 bytes in Big5; at most %2 can be stored.</translation>
    </message>
    <message>
        <location filename="../ui/prompts/dbnamedialog.cpp" line="86"/>
        <source>The character U+%1 can&apos;t be stored: a name may hold no control character other than the tab, and no code that is no character.</source>
        <translation>The character U+%1 can&apos;t be stored: a name may hold no control character other than the tab, and no code that is no character.</translation>
    </message>
    <message>
        <location filename="../ui/prompts/dbnamedialog.cpp" line="91"/>
        <source>The name holds a code that is no character.</source>
        <translation>The name holds a code that is no character.</translation>
    </message>
    <message>
        <location filename="../ui/prompts/dbnamedialog.cpp" line="94"/>
        <source>The name is %1 characters long; at most %2 can be stored.</source>
        <translation>The name is %1 characters long; at most %2 can be stored.</translation>
    </message>
    <message>
        <location filename="../ui/prompts/dbnamedialog.cpp" line="114"/>
        <source>The name can&apos;t be stored in this database.</source>
        <translation>The name can&apos;t be stored in this database.</translation>
    </message>
    <message>
        <location filename="../ui/prompts/dbnamedialog.cpp" line="115"/>
        <source>The name can&apos;t be stored in a Pennywell database file.</source>
        <translation>The name can&apos;t be stored in a Pennywell database file.</translation>
    </message>
</context>
<context>
    <name>FilterBar</name>
    <message>
        <location filename="../ui/find/filterbar.cpp" line="137"/>
        <source>All types</source>
        <translation>All types</translation>
    </message>
    <message>
        <location filename="../ui/find/filterbar.cpp" line="153"/>
        <source>F&amp;ind:</source>
        <translation>F&amp;ind:</translation>
    </message>
    <message>
        <location filename="../ui/find/filterbar.cpp" line="154"/>
        <source>Comment or type</source>
        <translation>Comment or type</translation>
    </message>
    <message>
        <location filename="../ui/find/filterbar.cpp" line="155"/>
        <source>Close the find bar (Esc)</source>
        <translation>Close the find bar (Esc)</translation>
    </message>
    <message>
        <location filename="../ui/find/filterbar.cpp" line="156"/>
        <source>From</source>
        <translation>From</translation>
    </message>
    <message>
        <location filename="../ui/find/filterbar.cpp" line="157"/>
        <source>to</source>
        <translation>to</translation>
    </message>
    <message>
        <location filename="../ui/find/filterbar.cpp" line="160"/>
        <source>Income and outgoing</source>
        <translation>Income and outgoing</translation>
    </message>
    <message>
        <location filename="../ui/find/filterbar.cpp" line="161"/>
        <source>Income only</source>
        <translation>Income only</translation>
    </message>
    <message>
        <location filename="../ui/find/filterbar.cpp" line="162"/>
        <source>Outgoing only</source>
        <translation>Outgoing only</translation>
    </message>
</context>
<context>
    <name>FormatQuestion</name>
    <message>
        <location filename="../ui/book/formatquestion.cpp" line="30"/>
        <source>This book is kept in the format older versions of Pennywell read, which has no room for a text this long. Keep it exactly in the newer format? Pennywell 1.1 and older can&apos;t open the converted book; the backup keeps this version.</source>
        <translation>This book is kept in the format older versions of Pennywell read, which has no room for a text this long. Keep it exactly in the newer format? Pennywell 1.1 and older can&apos;t open the converted book; the backup keeps this version.</translation>
    </message>
    <message>
        <location filename="../ui/book/formatquestion.cpp" line="33"/>
        <source>This book is kept in the format older versions of Pennywell read, which has no &apos;%1&apos;. Keep it exactly in the newer format? Pennywell 1.1 and older can&apos;t open the converted book; the backup keeps this version.</source>
        <translation>This book is kept in the format older versions of Pennywell read, which has no &apos;%1&apos;. Keep it exactly in the newer format? Pennywell 1.1 and older can&apos;t open the converted book; the backup keeps this version.</translation>
    </message>
    <message>
        <location filename="../ui/book/formatquestion.cpp" line="48"/>
        <source>This book is kept in the format older versions of Pennywell read, which has no cents. Keep it exactly in the newer format? Pennywell 1.1 and older can&apos;t open the converted book; the backup keeps this version.</source>
        <translation>This book is kept in the format older versions of Pennywell read, which has no cents. Keep it exactly in the newer format? Pennywell 1.1 and older can&apos;t open the converted book; the backup keeps this version.</translation>
    </message>
    <message>
        <location filename="../ui/book/formatquestion.cpp" line="78"/>
        <source>Newer Format</source>
        <translation>Newer Format</translation>
    </message>
    <message>
        <location filename="../ui/book/formatquestion.cpp" line="78"/>
        <source>Convert</source>
        <translation>Convert</translation>
    </message>
</context>
<context>
    <name>GrandTotalDialog</name>
    <message>
        <location filename="../ui/statistics/grandtotaldialog.cpp" line="10"/>
        <location filename="../ui/statistics/grandtotaldialog.cpp" line="18"/>
        <source>Grand Total</source>
        <translation>Grand Total</translation>
    </message>
    <message>
        <location filename="../ui/statistics/balancetext.cpp" line="15"/>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <location filename="../ui/statistics/balancetext.cpp" line="13"/>
        <source>Outgoing</source>
        <translation>Outgoing</translation>
    </message>
    <message>
        <location filename="../ui/statistics/balancetext.cpp" line="14"/>
        <source>Income</source>
        <translation>Income</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <location filename="../ui/prompts/coremessages.cpp" line="28"/>
        <source>Array out of bound</source>
        <translation>Array out of bound</translation>
    </message>
    <message>
        <location filename="../ui/prompts/coremessages.cpp" line="30"/>
        <source>There are still other transactions use this type</source>
        <translation>There are still other transactions use this type</translation>
    </message>
    <message>
        <location filename="../ui/prompts/coremessages.cpp" line="31"/>
        <source>No transaction type</source>
        <translation>No transaction type</translation>
    </message>
    <message>
        <location filename="../ui/prompts/coremessages.cpp" line="32"/>
        <source>The transaction index is not exist</source>
        <translation>The transaction index is not exist</translation>
    </message>
    <message>
        <location filename="../ui/prompts/coremessages.cpp" line="33"/>
        <source>File open error</source>
        <translation>File open error</translation>
    </message>
    <message>
        <location filename="../ui/prompts/coremessages.cpp" line="34"/>
        <source>Not Pennywell database file</source>
        <translation>Not Pennywell database file</translation>
    </message>
    <message>
        <location filename="../ui/prompts/coremessages.cpp" line="36"/>
        <source>This PWDB file is correspond with this program</source>
        <translation>This PWDB file is correspond with this program</translation>
    </message>
    <message>
        <location filename="../ui/prompts/coremessages.cpp" line="37"/>
        <source>Too many transaction types</source>
        <translation>Too many transaction types</translation>
    </message>
    <message>
        <location filename="../ui/prompts/coremessages.cpp" line="38"/>
        <source>Damaged Pennywell database file</source>
        <translation>Damaged Pennywell database file</translation>
    </message>
    <message>
        <location filename="../ui/prompts/coremessages.cpp" line="39"/>
        <source>File write error</source>
        <translation>File write error</translation>
    </message>
    <message>
        <location filename="../ui/prompts/coremessages.cpp" line="40"/>
        <source>The database name is longer than 255 bytes</source>
        <translation>The database name is longer than 255 bytes</translation>
    </message>
    <message>
        <location filename="../ui/prompts/coremessages.cpp" line="41"/>
        <source>A type name is longer than 255 bytes</source>
        <translation>A type name is longer than 255 bytes</translation>
    </message>
    <message>
        <location filename="../ui/prompts/coremessages.cpp" line="42"/>
        <source>A comment is longer than 255 bytes</source>
        <translation>A comment is longer than 255 bytes</translation>
    </message>
    <message>
        <location filename="../ui/prompts/coremessages.cpp" line="43"/>
        <source>No transaction index left</source>
        <translation>No transaction index left</translation>
    </message>
    <message>
        <location filename="../ui/prompts/coremessages.cpp" line="48"/>
        <source>From, Today and To must be dates in this order</source>
        <translation>From, Today and To must be dates in this order</translation>
    </message>
    <message>
        <location filename="../ui/prompts/coremessages.cpp" line="49"/>
        <source>The type %1 has existed</source>
        <translation>The type %1 has existed</translation>
    </message>
    <message>
        <location filename="../ui/prompts/coremessages.cpp" line="51"/>
        <source>This book was made by a newer Pennywell</source>
        <translation>This book was made by a newer Pennywell</translation>
    </message>
    <message>
        <location filename="../ui/prompts/coremessages.cpp" line="53"/>
        <source>A text is not UTF-8 or holds a control character</source>
        <translation>A text is not UTF-8 or holds a control character</translation>
    </message>
    <message>
        <location filename="../ui/prompts/coremessages.cpp" line="55"/>
        <source>The database name is longer than 100 characters</source>
        <translation>The database name is longer than 100 characters</translation>
    </message>
    <message>
        <location filename="../ui/prompts/coremessages.cpp" line="57"/>
        <source>A type name is longer than 100 characters</source>
        <translation>A type name is longer than 100 characters</translation>
    </message>
    <message>
        <location filename="../ui/prompts/coremessages.cpp" line="59"/>
        <source>A comment is longer than 1000 characters</source>
        <translation>A comment is longer than 1000 characters</translation>
    </message>
    <message>
        <location filename="../ui/prompts/coremessages.cpp" line="60"/>
        <source>A book keeps 0, 2 or 3 decimals</source>
        <translation>A book keeps 0, 2 or 3 decimals</translation>
    </message>
    <message>
        <location filename="../ui/prompts/coremessages.cpp" line="62"/>
        <source>An amount is too large for the book&apos;s decimals</source>
        <translation>An amount is too large for the book&apos;s decimals</translation>
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
        <translation>English</translation>
    </message>
    <message>
        <location filename="../ui/window/filecommands.cpp" line="29"/>
        <source>Pennywell Database File (*.pwdb)</source>
        <translation>Pennywell Database File (*.pwdb)</translation>
    </message>
    <message>
        <location filename="../ui/window/windowactions.cpp" line="38"/>
        <source>&amp;New</source>
        <translation>&amp;New</translation>
    </message>
    <message>
        <location filename="../ui/window/windowactions.cpp" line="38"/>
        <source>Ctrl+N</source>
        <translation>Ctrl+N</translation>
    </message>
    <message>
        <location filename="../ui/window/windowactions.cpp" line="39"/>
        <source>Create a new database</source>
        <translation>Create a new database</translation>
    </message>
    <message>
        <location filename="../ui/window/windowactions.cpp" line="41"/>
        <source>&amp;Open</source>
        <translation>&amp;Open</translation>
    </message>
    <message>
        <location filename="../ui/window/windowactions.cpp" line="41"/>
        <source>Ctrl+O</source>
        <translation>Ctrl+O</translation>
    </message>
    <message>
        <location filename="../ui/window/windowactions.cpp" line="42"/>
        <source>Open an exist database</source>
        <translation>Open an exist database</translation>
    </message>
    <message>
        <location filename="../ui/window/windowactions.cpp" line="44"/>
        <source>&amp;Save</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <location filename="../ui/window/windowactions.cpp" line="44"/>
        <source>Ctrl+S</source>
        <translation>Ctrl+S</translation>
    </message>
    <message>
        <location filename="../ui/window/windowactions.cpp" line="45"/>
        <source>Save the current database</source>
        <translation>Save the current database</translation>
    </message>
    <message>
        <location filename="../ui/window/windowactions.cpp" line="47"/>
        <source>Save &amp;As</source>
        <translation>Save &amp;As</translation>
    </message>
    <message>
        <location filename="../ui/window/windowactions.cpp" line="48"/>
        <source>Save the current database as ...</source>
        <translation>Save the current database as ...</translation>
    </message>
    <message>
        <location filename="../ui/window/windowactions.cpp" line="50"/>
        <source>&amp;Close</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <location filename="../ui/window/windowactions.cpp" line="51"/>
        <source>Close the current database</source>
        <translation>Close the current database</translation>
    </message>
    <message>
        <location filename="../ui/window/windowactions.cpp" line="56"/>
        <source>Import S&amp;tatement…</source>
        <translation>Import S&amp;tatement…</translation>
    </message>
    <message>
        <location filename="../ui/window/windowactions.cpp" line="57"/>
        <source>Add a bank&apos;s statement (CSV, OFX or QIF) to the database, previewed first</source>
        <translation>Add a bank&apos;s statement (CSV, OFX or QIF) to the database, previewed first</translation>
    </message>
    <message>
        <location filename="../ui/window/windowactions.cpp" line="63"/>
        <source>E&amp;xit</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <location filename="../ui/window/windowactions.cpp" line="63"/>
        <source>Ctrl+Q</source>
        <translation>Ctrl+Q</translation>
    </message>
    <message>
        <location filename="../ui/window/windowactions.cpp" line="64"/>
        <source>Exit the application</source>
        <translation>Exit the application</translation>
    </message>
    <message>
        <location filename="../ui/window/windowactions.cpp" line="78"/>
        <source>&amp;Create</source>
        <translation>&amp;Create</translation>
    </message>
    <message>
        <location filename="../ui/window/windowactions.cpp" line="79"/>
        <source>Ctrl+C</source>
        <translation>Ctrl+C</translation>
    </message>
    <message>
        <location filename="../ui/window/windowactions.cpp" line="79"/>
        <source>Create a transaction</source>
        <translation>Create a transaction</translation>
    </message>
    <message>
        <location filename="../ui/window/windowactions.cpp" line="81"/>
        <location filename="../ui/window/windowactions.cpp" line="87"/>
        <source>&amp;Delete</source>
        <translation>&amp;Delete</translation>
    </message>
    <message>
        <location filename="../ui/window/windowactions.cpp" line="82"/>
        <source>Ctrl+D</source>
        <translation>Ctrl+D</translation>
    </message>
    <message>
        <location filename="../ui/window/windowactions.cpp" line="82"/>
        <source>Delete a transaction</source>
        <translation>Delete a transaction</translation>
    </message>
    <message>
        <location filename="../ui/window/windowactions.cpp" line="84"/>
        <location filename="../ui/window/windowactions.cpp" line="90"/>
        <source>&amp;Modify</source>
        <translation>&amp;Modify</translation>
    </message>
    <message>
        <location filename="../ui/window/windowactions.cpp" line="85"/>
        <source>Ctrl+M</source>
        <translation>Ctrl+M</translation>
    </message>
    <message>
        <location filename="../ui/window/windowactions.cpp" line="85"/>
        <source>Modify a transaction</source>
        <translation>Modify a transaction</translation>
    </message>
    <message>
        <location filename="../ui/window/windowactions.cpp" line="88"/>
        <source>Delete this transaction</source>
        <translation>Delete this transaction</translation>
    </message>
    <message>
        <location filename="../ui/window/windowactions.cpp" line="91"/>
        <source>Modify this transaction</source>
        <translation>Modify this transaction</translation>
    </message>
    <message>
        <location filename="../ui/window/windowactions.cpp" line="94"/>
        <source>&amp;Set the Database Name</source>
        <translation>&amp;Set the Database Name</translation>
    </message>
    <message>
        <location filename="../ui/window/windowactions.cpp" line="95"/>
        <source>Set or modify the database name</source>
        <translation>Set or modify the database name</translation>
    </message>
    <message>
        <location filename="../ui/window/windowactions.cpp" line="100"/>
        <source>&amp;Grand Total</source>
        <translation>&amp;Grand Total</translation>
    </message>
    <message>
        <location filename="../ui/window/windowactions.cpp" line="101"/>
        <source>Ctrl+G</source>
        <translation>Ctrl+G</translation>
    </message>
    <message>
        <location filename="../ui/window/windowactions.cpp" line="101"/>
        <source>Calculate grand total</source>
        <translation>Calculate grand total</translation>
    </message>
    <message>
        <location filename="../ui/window/windowactions.cpp" line="103"/>
        <source>&amp;Budget Analasis</source>
        <translation>&amp;Budget Analasis</translation>
    </message>
    <message>
        <location filename="../ui/window/windowactions.cpp" line="104"/>
        <source>Ctrl+B</source>
        <translation>Ctrl+B</translation>
    </message>
    <message>
        <location filename="../ui/window/windowactions.cpp" line="104"/>
        <source>Analyze your budget plan</source>
        <translation>Analyze your budget plan</translation>
    </message>
    <message>
        <location filename="../ui/window/windowactions.cpp" line="106"/>
        <source>&amp;Percentage Analysis</source>
        <translation>&amp;Percentage Analysis</translation>
    </message>
    <message>
        <location filename="../ui/window/windowactions.cpp" line="107"/>
        <source>Ctrl+P</source>
        <translation>Ctrl+P</translation>
    </message>
    <message>
        <location filename="../ui/window/windowactions.cpp" line="108"/>
        <source>Analyze the percentage of each Income/Outgoing type</source>
        <translation>Analyze the percentage of each Income/Outgoing type</translation>
    </message>
    <message>
        <location filename="../ui/window/windowactions.cpp" line="115"/>
        <source>&amp;About</source>
        <translation>&amp;About</translation>
    </message>
    <message>
        <location filename="../ui/window/windowactions.cpp" line="116"/>
        <source>Show the application&apos;s About box</source>
        <translation>Show the application&apos;s About box</translation>
    </message>
    <message>
        <location filename="../ui/window/windowactions.cpp" line="118"/>
        <source>About &amp;Qt</source>
        <translation>About &amp;Qt</translation>
    </message>
    <message>
        <location filename="../ui/window/windowactions.cpp" line="119"/>
        <source>Show the Qt library&apos;s About box</source>
        <translation>Show the Qt library&apos;s About box</translation>
    </message>
    <message>
        <location filename="../ui/window/windowactions.cpp" line="132"/>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <location filename="../ui/window/windowactions.cpp" line="134"/>
        <source>&amp;Transaction</source>
        <translation>&amp;Transaction</translation>
    </message>
    <message>
        <location filename="../ui/window/windowactions.cpp" line="135"/>
        <source>&amp;Database</source>
        <translation>&amp;Database</translation>
    </message>
    <message>
        <location filename="../ui/window/windowactions.cpp" line="136"/>
        <source>&amp;Statistic</source>
        <translation>&amp;Statistic</translation>
    </message>
    <message>
        <location filename="../ui/window/windowactions.cpp" line="137"/>
        <source>&amp;Language</source>
        <translation>&amp;Language</translation>
    </message>
    <message>
        <location filename="../ui/window/windowactions.cpp" line="138"/>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <location filename="../ui/window/windowstatus.cpp" line="38"/>
        <source>File Modified</source>
        <translation>File Modified</translation>
    </message>
    <message>
        <location filename="../ui/window/windowstatus.cpp" line="38"/>
        <source>File Saved</source>
        <translation>File Saved</translation>
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
            <numerusform>%n of %1 transactions match, balance %2</numerusform>
            <numerusform>%n of %1 transactions match, balance %2</numerusform>
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
        <translation>About Pennywell</translation>
    </message>
    <message>
        <location filename="../ui/prompts/warnuser.cpp" line="10"/>
        <source>Warning</source>
        <translation>Warning</translation>
    </message>
    <message>
        <location filename="../ui/window/mainwindow.cpp" line="215"/>
        <source>The name can&apos;t be stored in a Pennywell database file: it may hold only Big5 characters and at most 255 bytes.</source>
        <translation>The name can&apos;t be stored in a Pennywell database file: it may hold only Big5 characters and at most 255 bytes.</translation>
    </message>
    <message>
        <location filename="../ui/window/filecommands.cpp" line="36"/>
        <source>The database has been modified.
Do you want to save your changes?</source>
        <translation>The database has been modified.
Do you want to save your changes?</translation>
    </message>
    <message>
        <location filename="../ui/csv/csvcommands.cpp" line="106"/>
        <location filename="../ui/window/filecommands.cpp" line="81"/>
        <source>File %1 already exists.
Do you want to override it?</source>
        <translation>File %1 already exists.
Do you want to override it?</translation>
    </message>
    <message>
        <location filename="../ui/book/transactioncolumns.cpp" line="18"/>
        <source>Index</source>
        <extracomment>The table&apos;s column of transaction numbers</extracomment>
        <translation>Index</translation>
    </message>
    <message>
        <location filename="../ui/book/transactioncolumns.cpp" line="19"/>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <location filename="../ui/book/transactioncolumns.cpp" line="21"/>
        <source>In/Out</source>
        <extracomment>The table&apos;s column header: whether a transaction is income or outgoing</extracomment>
        <translation>In/Out</translation>
    </message>
    <message>
        <location filename="../ui/book/transactioncolumns.cpp" line="23"/>
        <source>Money</source>
        <extracomment>The table&apos;s column header: a transaction&apos;s amount</extracomment>
        <translation>Money</translation>
    </message>
    <message>
        <location filename="../ui/book/transactioncolumns.cpp" line="25"/>
        <source>Type</source>
        <extracomment>The table&apos;s column header: the category of a transaction</extracomment>
        <translation>Type</translation>
    </message>
    <message>
        <location filename="../ui/book/transactioncolumns.cpp" line="26"/>
        <source>Comment</source>
        <translation>Comment</translation>
    </message>
    <message>
        <location filename="../ui/book/transactioncolumns.cpp" line="28"/>
        <source>Income</source>
        <translation>Income</translation>
    </message>
    <message>
        <location filename="../ui/book/transactioncolumns.cpp" line="29"/>
        <source>Outgoing</source>
        <translation>Outgoing</translation>
    </message>
    <message>
        <location filename="../ui/window/windowactions.cpp" line="53"/>
        <source>&amp;Import CSV…</source>
        <translation>&amp;Import CSV…</translation>
    </message>
    <message>
        <location filename="../ui/window/windowactions.cpp" line="54"/>
        <source>Add the transactions of a CSV file to the database</source>
        <translation>Add the transactions of a CSV file to the database</translation>
    </message>
    <message>
        <location filename="../ui/window/windowactions.cpp" line="59"/>
        <source>&amp;Export CSV…</source>
        <translation>&amp;Export CSV…</translation>
    </message>
    <message>
        <location filename="../ui/window/windowactions.cpp" line="60"/>
        <source>Write the transactions to a CSV file</source>
        <translation>Write the transactions to a CSV file</translation>
    </message>
    <message>
        <location filename="../ui/window/windowactions.cpp" line="133"/>
        <source>&amp;Edit</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <location filename="../ui/window/windowactions.cpp" line="110"/>
        <source>C&amp;harts</source>
        <translation>C&amp;harts</translation>
    </message>
    <message>
        <location filename="../ui/window/windowactions.cpp" line="111"/>
        <source>Show the shares of the chosen types and each month&apos;s income and outgoing as charts</source>
        <translation>Show the shares of the chosen types and each month&apos;s income and outgoing as charts</translation>
    </message>
    <message>
        <location filename="../ui/prompts/coremessages.cpp" line="44"/>
        <source>The transaction index is in use</source>
        <translation>The transaction index is in use</translation>
    </message>
    <message>
        <location filename="../ui/prompts/coremessages.cpp" line="131"/>
        <source>No such file or folder</source>
        <translation>No such file or folder</translation>
    </message>
    <message>
        <location filename="../ui/prompts/coremessages.cpp" line="132"/>
        <source>Permission denied</source>
        <translation>Permission denied</translation>
    </message>
    <message>
        <location filename="../ui/prompts/coremessages.cpp" line="133"/>
        <source>Operation not permitted</source>
        <translation>Operation not permitted</translation>
    </message>
    <message>
        <location filename="../ui/prompts/coremessages.cpp" line="134"/>
        <source>Is a folder</source>
        <translation>Is a folder</translation>
    </message>
    <message>
        <location filename="../ui/prompts/coremessages.cpp" line="135"/>
        <source>Not a folder</source>
        <translation>Not a folder</translation>
    </message>
    <message>
        <location filename="../ui/prompts/coremessages.cpp" line="136"/>
        <source>Disk full</source>
        <translation>Disk full</translation>
    </message>
    <message>
        <location filename="../ui/prompts/coremessages.cpp" line="137"/>
        <source>Disk quota exceeded</source>
        <translation>Disk quota exceeded</translation>
    </message>
    <message>
        <location filename="../ui/prompts/coremessages.cpp" line="138"/>
        <source>File too large</source>
        <translation>File too large</translation>
    </message>
    <message>
        <location filename="../ui/prompts/coremessages.cpp" line="139"/>
        <source>Read-only file system</source>
        <translation>Read-only file system</translation>
    </message>
    <message>
        <location filename="../ui/prompts/coremessages.cpp" line="140"/>
        <source>Input/output error</source>
        <translation>Input/output error</translation>
    </message>
    <message>
        <location filename="../ui/window/filecommands.cpp" line="52"/>
        <source>The open book is unchanged.</source>
        <translation>The open book is unchanged.</translation>
    </message>
    <message>
        <location filename="../ui/window/filecommands.cpp" line="85"/>
        <source>%1 was changed by another program since it was opened. Replace it? The other version will be kept as %2.</source>
        <translation>%1 was changed by another program since it was opened. Replace it? The other version will be kept as %2.</translation>
    </message>
    <message>
        <location filename="../ui/window/filecommands.cpp" line="95"/>
        <source>Waiting for another program that is saving %1…</source>
        <translation>Waiting for another program that is saving %1…</translation>
    </message>
    <message>
        <location filename="../ui/window/filecommands.cpp" line="101"/>
        <source>Saved; the other program&apos;s version is kept as %1</source>
        <translation>Saved; the other program&apos;s version is kept as %1</translation>
    </message>
    <message>
        <location filename="../ui/window/filecommands.cpp" line="107"/>
        <source>%1 now belongs to %2, not to %3.</source>
        <extracomment>A file, the user / group it belongs to now, those it belonged to</extracomment>
        <translation>%1 now belongs to %2, not to %3.</translation>
    </message>
    <message>
        <location filename="../ui/window/filecommands.cpp" line="111"/>
        <source>Only the administrator can give a file to another user, and only a member of a group to that group.</source>
        <translation>Only the administrator can give a file to another user, and only a member of a group to that group.</translation>
    </message>
    <message>
        <location filename="../ui/window/filecommands.cpp" line="113"/>
        <source>Only the administrator can give a file to another user; the group is kept, so its members can still use the book.</source>
        <translation>Only the administrator can give a file to another user; the group is kept, so its members can still use the book.</translation>
    </message>
    <message>
        <location filename="../ui/window/filecommands.cpp" line="115"/>
        <source>The book was saved, but could not keep its owner or group.</source>
        <translation>The book was saved, but could not keep its owner or group.</translation>
    </message>
    <message>
        <location filename="../ui/window/filecommands.cpp" line="125"/>
        <source>Nothing was saved; your changes are still open.</source>
        <translation>Nothing was saved; your changes are still open.</translation>
    </message>
    <message>
        <location filename="../ui/window/filecommands.cpp" line="137"/>
        <source>The file on disk can&apos;t be read as a book, so Save can&apos;t keep it as the backup; Save As still works.</source>
        <translation>The file on disk can&apos;t be read as a book, so Save can&apos;t keep it as the backup; Save As still works.</translation>
    </message>
    <message>
        <location filename="../ui/window/windowactions.cpp" line="74"/>
        <source>&amp;Find</source>
        <translation>&amp;Find</translation>
    </message>
    <message>
        <location filename="../ui/window/windowactions.cpp" line="74"/>
        <source>Ctrl+F</source>
        <translation>Ctrl+F</translation>
    </message>
    <message>
        <location filename="../ui/window/windowactions.cpp" line="75"/>
        <source>Show only the transactions that match</source>
        <translation>Show only the transactions that match</translation>
    </message>
    <message>
        <location filename="../ui/window/mainwindow.cpp" line="176"/>
        <source>&amp;Undo %1</source>
        <translation>&amp;Undo %1</translation>
    </message>
    <message>
        <location filename="../ui/window/mainwindow.cpp" line="176"/>
        <location filename="../ui/window/windowactions.cpp" line="67"/>
        <source>&amp;Undo</source>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <location filename="../ui/window/mainwindow.cpp" line="213"/>
        <source>The name can&apos;t be stored in this database.</source>
        <translation>The name can&apos;t be stored in this database.</translation>
    </message>
    <message>
        <location filename="../ui/window/windowactions.cpp" line="67"/>
        <source>Ctrl+Z</source>
        <translation>Ctrl+Z</translation>
    </message>
    <message>
        <location filename="../ui/window/windowactions.cpp" line="68"/>
        <source>Take back the last change to the database</source>
        <translation>Take back the last change to the database</translation>
    </message>
    <message>
        <location filename="../ui/window/mainwindow.cpp" line="177"/>
        <source>&amp;Redo %1</source>
        <translation>&amp;Redo %1</translation>
    </message>
    <message>
        <location filename="../ui/window/mainwindow.cpp" line="177"/>
        <location filename="../ui/window/windowactions.cpp" line="70"/>
        <source>&amp;Redo</source>
        <translation>&amp;Redo</translation>
    </message>
    <message>
        <location filename="../ui/window/windowactions.cpp" line="72"/>
        <source>Make the change taken back again</source>
        <translation>Make the change taken back again</translation>
    </message>
    <message>
        <location filename="../ui/prompts/coremessages.cpp" line="46"/>
        <source>The backup file&apos;s name would be longer than 255 bytes</source>
        <translation>The backup file&apos;s name would be longer than 255 bytes</translation>
    </message>
    <message>
        <location filename="../ui/prompts/coremessages.cpp" line="50"/>
        <source>not enough memory to read %1</source>
        <translation>not enough memory to read %1</translation>
    </message>
    <message>
        <location filename="../ui/app/appidentity.cpp" line="26"/>
        <source>&lt;h2&gt;Pennywell %1&lt;/h2&gt;&lt;p&gt;Produced by&lt;p&gt;the Pennywell developers&lt;p&gt;Please report problems on the Pennywell project&apos;s issue tracker.&lt;p&gt;Pennywell Tool</source>
        <translation>&lt;h2&gt;Pennywell %1&lt;/h2&gt;&lt;p&gt;Produced by&lt;p&gt;the Pennywell developers&lt;p&gt;Please report problems on the Pennywell project&apos;s issue tracker.&lt;p&gt;Pennywell Tool</translation>
    </message>
    <message>
        <location filename="../ui/app/appidentity.cpp" line="34"/>
        <source>&lt;p&gt;Pennywell is free software: you may share and change it under the GNU General Public License, version 3 or later.</source>
        <translation>&lt;p&gt;Pennywell is free software: you may share and change it under the GNU General Public License, version 3 or later.</translation>
    </message>
    <message>
        <location filename="../ui/csv/csvcommands.cpp" line="68"/>
        <source>Exported to %1</source>
        <translation>Exported to %1</translation>
    </message>
    <message>
        <location filename="../ui/window/windowactions.cpp" line="71"/>
        <source>Ctrl+Shift+Z; Ctrl+Y</source>
        <translation>Ctrl+Shift+Z; Ctrl+Y</translation>
    </message>
    <message>
        <location filename="../ui/prompts/coremessages.cpp" line="64"/>
        <source>An amount has more decimals than the book would keep</source>
        <translation>An amount has more decimals than the book would keep</translation>
    </message>
    <message>
        <location filename="../ui/window/windowactions.cpp" line="97"/>
        <source>&amp;Book Settings…</source>
        <translation>&amp;Book Settings…</translation>
    </message>
    <message>
        <location filename="../ui/window/windowactions.cpp" line="98"/>
        <source>Set the book&apos;s format, decimals and name</source>
        <translation>Set the book&apos;s format, decimals and name</translation>
    </message>
    <message numerus="yes">
        <location filename="../ui/window/windowstatus.cpp" line="48"/>
        <source>Format 2 · %n decimals</source>
        <extracomment>The status bar&apos;s mark of a book kept in format 2; its decimals follow</extracomment>
        <translation>
            <numerusform>Format 2 · %n decimals</numerusform>
            <numerusform>Format 2 · %n decimals</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../ui/window/windowstatus.cpp" line="49"/>
        <source>The book is kept in the newer format, which Pennywell 1.1 and older can&apos;t open.</source>
        <translation>The book is kept in the newer format, which Pennywell 1.1 and older can&apos;t open.</translation>
    </message>
    <message>
        <location filename="../ui/window/windowstatus.cpp" line="56"/>
        <source>The new book is kept in format 2, which holds every character and amounts with cents.</source>
        <translation>The new book is kept in format 2, which holds every character and amounts with cents.</translation>
    </message>
    <message>
        <location filename="../ui/prompts/coremessages.cpp" line="68"/>
        <source>The file %1 could not be opened for writing</source>
        <translation>The file %1 could not be opened for writing</translation>
    </message>
</context>
<context>
    <name>PercentageDialog</name>
    <message>
        <location filename="../ui/statistics/percentagedialog.cpp" line="14"/>
        <location filename="../ui/statistics/percentagedialog.cpp" line="22"/>
        <source>Percentage Analysis</source>
        <translation>Percentage Analysis</translation>
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
        <translation>&lt;TR&gt;&lt;TD&gt;Total Income&lt;/TD&gt;&lt;TD&gt;Selected Type Income&lt;/TD&gt;&lt;/TR&gt;</translation>
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
        <translation>&lt;TR&gt;&lt;TD&gt;Total Outgoing&lt;/TD&gt;&lt;TD&gt;Selected Type Outgoing&lt;/TD&gt;&lt;/TR&gt;</translation>
    </message>
    <message>
        <location filename="../ui/statistics/percentagedialog.cpp" line="36"/>
        <source>&lt;TR&gt;&lt;TD&gt;Total In&amp;Out&lt;/TD&gt;&lt;TD&gt;Selected Type In&amp;Out&lt;/TD&gt;&lt;/TR&gt;</source>
        <extracomment>Report headers: income and outgoing added together, of all types, then of the chosen types; no raw &quot;&amp;&quot; in the translation</extracomment>
        <translation>&lt;TR&gt;&lt;TD&gt;Total In&amp;Out&lt;/TD&gt;&lt;TD&gt;Selected Type In&amp;Out&lt;/TD&gt;&lt;/TR&gt;</translation>
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
        <translation>&lt;TR&gt;&lt;TD&gt;Type&lt;/TD&gt;&lt;TD&gt;Income&lt;/TD&gt;&lt;TD&gt;Income Selected Percent&lt;/TD&gt;&lt;TD&gt;Income Total Percent&lt;/TD&gt;</translation>
    </message>
    <message>
        <location filename="../ui/statistics/percentagedialog.cpp" line="44"/>
        <source>&lt;TD&gt;Outgoing&lt;/TD&gt;&lt;TD&gt;Outgoing Selected Percent&lt;/TD&gt;&lt;TD&gt;Outgoing Total Percent&lt;/TD&gt;</source>
        <extracomment>Report headers: as for income, for outgoing</extracomment>
        <translation>&lt;TD&gt;Outgoing&lt;/TD&gt;&lt;TD&gt;Outgoing Selected Percent&lt;/TD&gt;&lt;TD&gt;Outgoing Total Percent&lt;/TD&gt;</translation>
    </message>
    <message>
        <location filename="../ui/statistics/percentagedialog.cpp" line="46"/>
        <source>&lt;TD&gt;Sum&lt;/TD&gt;&lt;TD&gt;Sum Selected Percent&lt;/TD&gt;&lt;TD&gt;Sum Percent&lt;/TD&gt;&lt;/TR&gt;</source>
        <extracomment>Report headers: a type&apos;s income and outgoing added together, and its shares of the chosen types&apos; and of all</extracomment>
        <translation>&lt;TD&gt;Sum&lt;/TD&gt;&lt;TD&gt;Sum Selected Percent&lt;/TD&gt;&lt;TD&gt;Sum Percent&lt;/TD&gt;&lt;/TR&gt;</translation>
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
        <translation>&lt;TD&gt;%1&lt;/TD&gt;&lt;TD&gt;%2%&lt;/TD&gt;&lt;TD&gt;%3%&lt;/TD&gt;</translation>
    </message>
    <message>
        <location filename="../ui/statistics/percentagedialog.cpp" line="54"/>
        <source>&lt;TD&gt;%1&lt;/TD&gt;&lt;TD&gt;%2%&lt;/TD&gt;&lt;TD&gt;%3%&lt;/TD&gt;&lt;/TR&gt;</source>
        <translation>&lt;TD&gt;%1&lt;/TD&gt;&lt;TD&gt;%2%&lt;/TD&gt;&lt;TD&gt;%3%&lt;/TD&gt;&lt;/TR&gt;</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <location filename="../ui/app/pennywellapplication.cpp" line="22"/>
        <source>Unknown error</source>
        <translation>Unknown error</translation>
    </message>
</context>
<context>
    <name>RecentBooksMenu</name>
    <message>
        <location filename="../ui/recent/recentbooksmenu.cpp" line="16"/>
        <source>Recent &amp;Books</source>
        <translation>Recent &amp;Books</translation>
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
        <translation>&amp;Clear</translation>
    </message>
</context>
<context>
    <name>StatementCommands</name>
    <message>
        <location filename="../ui/statements/statementcommands.cpp" line="19"/>
        <source>Bank statements (*.csv *.ofx *.qfx *.qif)</source>
        <translation>Bank statements (*.csv *.ofx *.qfx *.qif)</translation>
    </message>
    <message>
        <location filename="../ui/statements/statementcommands.cpp" line="19"/>
        <source>All files (*)</source>
        <translation>All files (*)</translation>
    </message>
    <message numerus="yes">
        <location filename="../ui/statements/statementcommands.cpp" line="43"/>
        <source>%n duplicate(s) skipped.</source>
        <translation>
            <numerusform>%n duplicate skipped.</numerusform>
            <numerusform>%n duplicates skipped.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../ui/statements/statementcommands.cpp" line="44"/>
        <source>%n amount(s) rounded.</source>
        <translation>
            <numerusform>%n amount rounded.</numerusform>
            <numerusform>%n amounts rounded.</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../ui/statements/statementcommands.cpp" line="20"/>
        <source>Import Statement</source>
        <translation>Import Statement</translation>
    </message>
</context>
<context>
    <name>StatementImport</name>
    <message>
        <location filename="../text/statementmessages.cpp" line="38"/>
        <source>The file is empty.</source>
        <translation>The file is empty.</translation>
    </message>
    <message>
        <location filename="../text/statementmessages.cpp" line="41"/>
        <source>The file is neither a CSV, an OFX nor a QIF statement.</source>
        <translation>The file is neither a CSV, an OFX nor a QIF statement.</translation>
    </message>
    <message>
        <location filename="../text/statementmessages.cpp" line="43"/>
        <source>The file isn&apos;t written in the encoding chosen.</source>
        <translation>The file isn&apos;t written in the encoding chosen.</translation>
    </message>
    <message>
        <location filename="../text/statementmessages.cpp" line="45"/>
        <source>No column is chosen for the date.</source>
        <translation>No column is chosen for the date.</translation>
    </message>
    <message>
        <location filename="../text/statementmessages.cpp" line="48"/>
        <source>No column is chosen for the amount, nor for debits or credits.</source>
        <translation>No column is chosen for the amount, nor for debits or credits.</translation>
    </message>
    <message>
        <location filename="../text/statementmessages.cpp" line="50"/>
        <source>The quotes of this row are broken.</source>
        <translation>The quotes of this row are broken.</translation>
    </message>
    <message>
        <location filename="../text/statementmessages.cpp" line="52"/>
        <source>&quot;%1&quot; is not a date in the format chosen.</source>
        <translation>&quot;%1&quot; is not a date in the format chosen.</translation>
    </message>
    <message>
        <location filename="../text/statementmessages.cpp" line="54"/>
        <source>&quot;%1&quot; is not an amount.</source>
        <translation>&quot;%1&quot; is not an amount.</translation>
    </message>
    <message>
        <location filename="../text/statementmessages.cpp" line="56"/>
        <source>The amount %1 is more than a transaction holds.</source>
        <translation>The amount %1 is more than a transaction holds.</translation>
    </message>
    <message>
        <location filename="../text/statementmessages.cpp" line="59"/>
        <source>The direction &quot;%1&quot; is neither income nor outgoing.</source>
        <translation>The direction &quot;%1&quot; is neither income nor outgoing.</translation>
    </message>
    <message>
        <location filename="../text/statementmessages.cpp" line="62"/>
        <source>The file holds no transactions.</source>
        <translation>The file holds no transactions.</translation>
    </message>
    <message>
        <location filename="../text/statementmessages.cpp" line="65"/>
        <source>The file is larger than %1 GB, more than a statement may be.</source>
        <translation>The file is larger than %1 GB, more than a statement may be.</translation>
    </message>
    <message>
        <location filename="../text/statementmessages.cpp" line="68"/>
        <source>This line is longer than %1 MB, more than a line of a statement may be.</source>
        <translation>This line is longer than %1 MB, more than a line of a statement may be.</translation>
    </message>
    <message>
        <location filename="../text/statementmessages.cpp" line="73"/>
        <source>More than %1 faults: the rest of the file was not read.</source>
        <translation>More than %1 faults: the rest of the file was not read.</translation>
    </message>
    <message>
        <location filename="../text/statementmessages.cpp" line="76"/>
        <source>This line holds bytes that aren&apos;t valid %1, the encoding of the rest of the file. Choose the file&apos;s encoding if it is another.</source>
        <translation>This line holds bytes that aren&apos;t valid %1, the encoding of the rest of the file. Choose the file&apos;s encoding if it is another.</translation>
    </message>
    <message>
        <location filename="../text/statementmessages.cpp" line="81"/>
        <source>A second &quot;%1&quot; line in one transaction: the transaction above it doesn&apos;t end with a &quot;^&quot; line.</source>
        <translation>A second &quot;%1&quot; line in one transaction: the transaction above it doesn&apos;t end with a &quot;^&quot; line.</translation>
    </message>
    <message>
        <location filename="../text/statementmessages.cpp" line="87"/>
        <source>&lt;%1&gt; is outside a transaction: its &lt;STMTTRN&gt; is missing.</source>
        <translation>&lt;%1&gt; is outside a transaction: its &lt;STMTTRN&gt; is missing.</translation>
    </message>
    <message>
        <location filename="../text/statementmessages.cpp" line="90"/>
        <source>This transaction is outside a bank or card statement (&lt;STMTRS&gt; or &lt;CCSTMTRS&gt;).</source>
        <translation>This transaction is outside a bank or card statement (&lt;STMTRS&gt; or &lt;CCSTMTRS&gt;).</translation>
    </message>
    <message>
        <location filename="../text/statementmessages.cpp" line="93"/>
        <source>&quot;%1&quot; holds a character the book can&apos;t store.</source>
        <translation>&quot;%1&quot; holds a character the book can&apos;t store.</translation>
    </message>
    <message>
        <location filename="../text/statementmessages.cpp" line="96"/>
        <source>&quot;%1&quot; is longer than the book&apos;s 255 bytes.</source>
        <translation>&quot;%1&quot; is longer than the book&apos;s 255 bytes.</translation>
    </message>
    <message>
        <location filename="../text/statementmessages.cpp" line="100"/>
        <source>The type &quot;%1&quot; would be one more than the book&apos;s 128.</source>
        <translation>The type &quot;%1&quot; would be one more than the book&apos;s 128.</translation>
    </message>
    <message>
        <location filename="../text/statementmessages.cpp" line="104"/>
        <source>The book has no transaction number left for this row.</source>
        <translation>The book has no transaction number left for this row.</translation>
    </message>
    <message>
        <location filename="../text/statementmessages.cpp" line="123"/>
        <source>Line %1: %2</source>
        <translation>Line %1: %2</translation>
    </message>
    <message>
        <location filename="../text/statementmessages.cpp" line="106"/>
        <source>Every date reads with the day first and with the month first (&quot;%1&quot;: %2). Choose the date format.</source>
        <translation>Every date reads with the day first and with the month first (&quot;%1&quot;: %2). Choose the date format.</translation>
    </message>
    <message>
        <location filename="../text/statementmessages.cpp" line="112"/>
        <source>&quot;%1&quot; is in another currency than the amounts above it.</source>
        <translation>&quot;%1&quot; is in another currency than the amounts above it.</translation>
    </message>
</context>
<context>
    <name>StatementImportDialog</name>
    <message>
        <location filename="../ui/statements/statementimportdialog.cpp" line="47"/>
        <source>Import Statement</source>
        <translation>Import Statement</translation>
    </message>
    <message>
        <location filename="../ui/statements/statementimportdialog.cpp" line="71"/>
        <source>Columns</source>
        <translation>Columns</translation>
    </message>
    <message>
        <location filename="../ui/statements/statementimportdialog.cpp" line="94"/>
        <source>None: the nameless type</source>
        <translation>None: the nameless type</translation>
    </message>
    <message>
        <location filename="../ui/statements/statementimportdialog.cpp" line="101"/>
        <source>&amp;Keep duplicates</source>
        <translation>&amp;Keep duplicates</translation>
    </message>
    <message>
        <location filename="../ui/statements/statementimportdialog.cpp" line="105"/>
        <source>Default &amp;type:</source>
        <translation>Default &amp;type:</translation>
    </message>
    <message>
        <location filename="../ui/statements/statementimportdialog.cpp" line="141"/>
        <source>&amp;Import</source>
        <translation>&amp;Import</translation>
    </message>
    <message>
        <location filename="../ui/statements/statementimportdialog.cpp" line="196"/>
        <source>Read as %1.</source>
        <translation>Read as %1.</translation>
    </message>
    <message numerus="yes">
        <location filename="../ui/statements/statementimportdialog.cpp" line="229"/>
        <source>%n new transaction(s)</source>
        <translation>
            <numerusform>%n new transaction</numerusform>
            <numerusform>%n new transactions</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../ui/statements/statementimportdialog.cpp" line="230"/>
        <source>%n duplicate(s) kept</source>
        <translation>
            <numerusform>%n duplicate kept</numerusform>
            <numerusform>%n duplicates kept</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../ui/statements/statementimportdialog.cpp" line="231"/>
        <source>%n duplicate(s) skipped</source>
        <translation>
            <numerusform>%n duplicate skipped</numerusform>
            <numerusform>%n duplicates skipped</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../ui/statements/statementimportdialog.cpp" line="232"/>
        <source>%n amount(s) rounded</source>
        <translation>
            <numerusform>%n amount rounded</numerusform>
            <numerusform>%n amounts rounded</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../ui/statements/statementimportdialog.cpp" line="235"/>
        <source>%n row(s) spelt without accents</source>
        <translation>
            <numerusform>%n row spelt without accents</numerusform>
            <numerusform>%n rows spelt without accents</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../ui/statements/statementimportdialog.cpp" line="236"/>
        <source>%n faulty row(s)</source>
        <translation>
            <numerusform>%n faulty row</numerusform>
            <numerusform>%n faulty rows</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../ui/statements/statementimportdialog.cpp" line="238"/>
        <source>%n new type(s)</source>
        <translation>
            <numerusform>%n new type</numerusform>
            <numerusform>%n new types</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../ui/statements/statementimportdialog.cpp" line="243"/>
        <source>Nothing can be imported while a row is at fault; the first: %1</source>
        <translation>Nothing can be imported while a row is at fault; the first: %1</translation>
    </message>
    <message>
        <location filename="../ui/statements/statementimportdialog.cpp" line="246"/>
        <source>Nothing to import: the statement has no rows.</source>
        <translation>Nothing to import: the statement has no rows.</translation>
    </message>
    <message>
        <location filename="../ui/statements/statementimportdialog.cpp" line="248"/>
        <source>Nothing to import: the book holds every row already.</source>
        <translation>Nothing to import: the book holds every row already.</translation>
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
        <translation>Read as %1; line %2 is the header.</translation>
    </message>
    <message numerus="yes">
        <location filename="../ui/statements/statementimportdialog.cpp" line="194"/>
        <source>Read as %1: %n account(s).</source>
        <translation>
            <numerusform>Read as %1: %n account.</numerusform>
            <numerusform>Read as %1: %n accounts.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../ui/statements/statementimportdialog.cpp" line="233"/>
        <source>%n rounded to 0</source>
        <translation>
            <numerusform>%n rounded to 0</numerusform>
            <numerusform>%n rounded to 0</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../ui/statements/statementimportdialog.cpp" line="234"/>
        <source>%n comment(s) cut</source>
        <translation>
            <numerusform>%n comment cut</numerusform>
            <numerusform>%n comments cut</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>StatementPreviewModel</name>
    <message>
        <location filename="../ui/statements/statementpreviewmodel.cpp" line="34"/>
        <source>Line</source>
        <translation>Line</translation>
    </message>
    <message>
        <location filename="../ui/statements/statementpreviewmodel.cpp" line="40"/>
        <source>Mark</source>
        <translation>Mark</translation>
    </message>
    <message>
        <location filename="../ui/statements/statementpreviewmodel.cpp" line="83"/>
        <source>%1 (new)</source>
        <translation>%1 (new)</translation>
    </message>
    <message>
        <location filename="../ui/statements/statementpreviewmodel.cpp" line="88"/>
        <source>duplicate, skipped</source>
        <translation>duplicate, skipped</translation>
    </message>
    <message>
        <location filename="../ui/statements/statementpreviewmodel.cpp" line="88"/>
        <source>duplicate, kept</source>
        <translation>duplicate, kept</translation>
    </message>
    <message>
        <location filename="../ui/statements/statementpreviewmodel.cpp" line="89"/>
        <source>rounded</source>
        <translation>rounded</translation>
    </message>
    <message>
        <location filename="../ui/statements/statementpreviewmodel.cpp" line="93"/>
        <source>spelt without accents</source>
        <extracomment>The comment or type had letters the book can&apos;t store, such as ä, now written ae</extracomment>
        <translation>spelt without accents</translation>
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
        <translation>rounded to 0</translation>
    </message>
    <message>
        <location filename="../ui/statements/statementpreviewmodel.cpp" line="91"/>
        <source>cut</source>
        <extracomment>The comment was longer than the book holds and is cut to fit</extracomment>
        <translation>cut</translation>
    </message>
</context>
<context>
    <name>StatementReadingBoxes</name>
    <message>
        <location filename="../ui/statements/statementreadingboxes.cpp" line="27"/>
        <source>Detected: %1</source>
        <translation>Detected: %1</translation>
    </message>
    <message>
        <location filename="../ui/statements/statementreadingboxes.cpp" line="29"/>
        <location filename="../ui/statements/statementreadingboxes.cpp" line="39"/>
        <location filename="../ui/statements/statementreadingboxes.cpp" line="55"/>
        <location filename="../ui/statements/statementreadingboxes.cpp" line="64"/>
        <location filename="../ui/statements/statementreadingboxes.cpp" line="71"/>
        <source>Detect</source>
        <translation>Detect</translation>
    </message>
    <message>
        <location filename="../ui/statements/statementreadingboxes.cpp" line="38"/>
        <source>&amp;Dates:</source>
        <translation>&amp;Dates:</translation>
    </message>
    <message>
        <location filename="../ui/statements/statementreadingboxes.cpp" line="42"/>
        <source>YMD</source>
        <extracomment>The letters that stand for the year, the month and the day in the names of date formats, in that order</extracomment>
        <translation>YMD</translation>
    </message>
    <message>
        <location filename="../ui/statements/statementreadingboxes.cpp" line="51"/>
        <source>Republic of China, YYY/MM/DD</source>
        <translation>Republic of China, YYY/MM/DD</translation>
    </message>
    <message>
        <location filename="../ui/statements/statementreadingboxes.cpp" line="54"/>
        <source>Decimal &amp;mark:</source>
        <translation>Decimal &amp;mark:</translation>
    </message>
    <message>
        <location filename="../ui/statements/statementreadingboxes.cpp" line="56"/>
        <source>Point (12.50)</source>
        <translation>Point (12.50)</translation>
    </message>
    <message>
        <location filename="../ui/statements/statementreadingboxes.cpp" line="57"/>
        <source>Comma (12,50)</source>
        <translation>Comma (12,50)</translation>
    </message>
    <message>
        <location filename="../ui/statements/statementreadingboxes.cpp" line="59"/>
        <source>&amp;Cents:</source>
        <translation>&amp;Cents:</translation>
    </message>
    <message>
        <location filename="../ui/statements/statementreadingboxes.cpp" line="60"/>
        <source>Round to whole units</source>
        <translation>Round to whole units</translation>
    </message>
    <message>
        <location filename="../ui/statements/statementreadingboxes.cpp" line="61"/>
        <source>Read as cents</source>
        <translation>Read as cents</translation>
    </message>
    <message>
        <location filename="../ui/statements/statementreadingboxes.cpp" line="63"/>
        <source>&amp;Encoding:</source>
        <translation>&amp;Encoding:</translation>
    </message>
    <message>
        <location filename="../ui/statements/statementreadingboxes.cpp" line="70"/>
        <source>De&amp;limiter:</source>
        <translation>De&amp;limiter:</translation>
    </message>
    <message>
        <location filename="../ui/statements/statementreadingboxes.cpp" line="72"/>
        <source>Comma</source>
        <translation>Comma</translation>
    </message>
    <message>
        <location filename="../ui/statements/statementreadingboxes.cpp" line="73"/>
        <source>Semicolon</source>
        <translation>Semicolon</translation>
    </message>
    <message>
        <location filename="../ui/statements/statementreadingboxes.cpp" line="74"/>
        <source>Tab</source>
        <translation>Tab</translation>
    </message>
    <message>
        <location filename="../ui/statements/statementreadingboxes.cpp" line="28"/>
        <source>Detected: none</source>
        <translation>Detected: none</translation>
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
        <translation>Close</translation>
    </message>
    <message>
        <location filename="../ui/statistics/statisticdialog.cpp" line="139"/>
        <source>Income</source>
        <translation>Income</translation>
    </message>
    <message>
        <location filename="../ui/statistics/statisticdialog.cpp" line="140"/>
        <source>Outgoing</source>
        <translation>Outgoing</translation>
    </message>
    <message>
        <location filename="../ui/statistics/statisticdialog.cpp" line="195"/>
        <source>ALL</source>
        <translation>ALL</translation>
    </message>
    <message>
        <location filename="../ui/statistics/statisticdialog.cpp" line="311"/>
        <source>Chart</source>
        <translation>Chart</translation>
    </message>
    <message>
        <location filename="../ui/statistics/statisticdialog.cpp" line="100"/>
        <source>Custom</source>
        <translation>Custom</translation>
    </message>
    <message>
        <location filename="../ui/statistics/statisticdialog.cpp" line="101"/>
        <source>This month</source>
        <translation>This month</translation>
    </message>
    <message>
        <location filename="../ui/statistics/statisticdialog.cpp" line="101"/>
        <source>Last month</source>
        <translation>Last month</translation>
    </message>
    <message>
        <location filename="../ui/statistics/statisticdialog.cpp" line="101"/>
        <source>This year</source>
        <translation>This year</translation>
    </message>
    <message>
        <location filename="../ui/statistics/statisticdialog.cpp" line="101"/>
        <source>Last year</source>
        <translation>Last year</translation>
    </message>
    <message>
        <location filename="../ui/statistics/statisticdialog.cpp" line="101"/>
        <source>Whole book</source>
        <translation>Whole book</translation>
    </message>
    <message>
        <location filename="../ui/statistics/statisticdialog.cpp" line="61"/>
        <source>&amp;From</source>
        <translation>&amp;From</translation>
    </message>
    <message>
        <location filename="../ui/statistics/statisticdialog.cpp" line="62"/>
        <source>&amp;To</source>
        <translation>&amp;To</translation>
    </message>
    <message>
        <location filename="../ui/statistics/statisticdialog.cpp" line="63"/>
        <source>Select T&amp;ypes</source>
        <translation>Select T&amp;ypes</translation>
    </message>
    <message>
        <location filename="../ui/statistics/statisticdialog.cpp" line="65"/>
        <source>Select &amp;In/Out</source>
        <extracomment>Label of the list of Income, Outgoing and ALL</extracomment>
        <translation>Select &amp;In/Out</translation>
    </message>
    <message>
        <location filename="../ui/statistics/statisticdialog.cpp" line="97"/>
        <source>&amp;Range</source>
        <translation>&amp;Range</translation>
    </message>
</context>
<context>
    <name>TransactionDialog</name>
    <message>
        <location filename="../ui/transactions/transactiondialog.cpp" line="62"/>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <location filename="../ui/transactions/transactiondialog.cpp" line="64"/>
        <source>Money</source>
        <extracomment>Label of the box for the transaction&apos;s amount</extracomment>
        <translation>Money</translation>
    </message>
    <message>
        <location filename="../ui/transactions/transactiondialog.cpp" line="65"/>
        <source>Comment</source>
        <translation>Comment</translation>
    </message>
    <message>
        <location filename="../ui/transactions/transactiondialog.cpp" line="81"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../ui/transactions/transactiondialog.cpp" line="83"/>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <location filename="../ui/transactions/transactiondialog.cpp" line="87"/>
        <source>Select a transaction</source>
        <translation>Select a transaction</translation>
    </message>
    <message>
        <location filename="../ui/transactions/transactiondialog.cpp" line="89"/>
        <source>In/Out</source>
        <extracomment>The box&apos;s first item, a prompt: choose income or outgoing</extracomment>
        <translation>In/Out</translation>
    </message>
    <message>
        <location filename="../ui/transactions/transactiondialog.cpp" line="89"/>
        <source>Income</source>
        <translation>Income</translation>
    </message>
    <message>
        <location filename="../ui/transactions/transactiondialog.cpp" line="89"/>
        <source>Outgoing</source>
        <translation>Outgoing</translation>
    </message>
    <message>
        <location filename="../ui/transactions/transactiondialog.cpp" line="90"/>
        <source>Select/Add a type</source>
        <translation>Select/Add a type</translation>
    </message>
    <message>
        <location filename="../ui/transactions/transactiondialog.cpp" line="196"/>
        <source>Create a transaction</source>
        <translation>Create a transaction</translation>
    </message>
    <message>
        <location filename="../ui/transactions/transactiondialog.cpp" line="213"/>
        <source>Delete a transaction</source>
        <translation>Delete a transaction</translation>
    </message>
    <message>
        <location filename="../ui/transactions/transactiondialog.cpp" line="221"/>
        <source>Modify a transaction</source>
        <translation>Modify a transaction</translation>
    </message>
    <message>
        <location filename="../ui/transactions/transactiondialog.cpp" line="227"/>
        <source>Delete this transaction</source>
        <translation>Delete this transaction</translation>
    </message>
    <message>
        <location filename="../ui/transactions/transactiondialog.cpp" line="238"/>
        <source>Modify this transaction</source>
        <translation>Modify this transaction</translation>
    </message>
    <message>
        <location filename="../ui/transactions/storedtextroom.cpp" line="42"/>
        <source>The comment can&apos;t be stored in a Pennywell database file: it may hold only Big5 characters and at most 255 bytes.</source>
        <translation>The comment can&apos;t be stored in a Pennywell database file: it may hold only Big5 characters and at most 255 bytes.</translation>
    </message>
    <message>
        <location filename="../ui/transactions/storedtextroom.cpp" line="45"/>
        <source>The type name can&apos;t be stored in a Pennywell database file: it may hold only Big5 characters and at most 255 bytes.</source>
        <translation>The type name can&apos;t be stored in a Pennywell database file: it may hold only Big5 characters and at most 255 bytes.</translation>
    </message>
    <message>
        <location filename="../ui/transactions/storedtextroom.cpp" line="53"/>
        <source>The comment can&apos;t be stored in this database: it holds a control character other than the tab, or a code that is no character.</source>
        <translation>The comment can&apos;t be stored in this database: it holds a control character other than the tab, or a code that is no character.</translation>
    </message>
    <message>
        <location filename="../ui/transactions/storedtextroom.cpp" line="57"/>
        <source>The type name can&apos;t be stored in this database: it holds a control character other than the tab, or a code that is no character.</source>
        <translation>The type name can&apos;t be stored in this database: it holds a control character other than the tab, or a code that is no character.</translation>
    </message>
    <message>
        <location filename="../ui/transactions/storedtextroom.cpp" line="67"/>
        <source>The comment can&apos;t be stored in this database: it is %1 characters long, and a comment may have at most %2.</source>
        <translation>The comment can&apos;t be stored in this database: it is %1 characters long, and a comment may have at most %2.</translation>
    </message>
    <message>
        <location filename="../ui/transactions/storedtextroom.cpp" line="70"/>
        <source>The type name can&apos;t be stored in this database: it is %1 characters long, and a name may have at most %2.</source>
        <translation>The type name can&apos;t be stored in this database: it is %1 characters long, and a name may have at most %2.</translation>
    </message>
    <message>
        <location filename="../ui/transactions/transactiondialog.cpp" line="73"/>
        <source>&amp;Add</source>
        <translation>&amp;Add</translation>
    </message>
    <message>
        <location filename="../ui/transactions/transactiondialog.cpp" line="75"/>
        <source>&amp;Delete</source>
        <translation>&amp;Delete</translation>
    </message>
    <message>
        <location filename="../ui/transactions/transactiondialog.cpp" line="200"/>
        <source>Add and next (Ctrl+Return): adds the transaction and opens the next on the same date</source>
        <translation>Add and next (Ctrl+Return): adds the transaction and opens the next on the same date</translation>
    </message>
    <message>
        <location filename="../ui/transactions/transactiondialog.cpp" line="414"/>
        <source>There is a type &quot;%1&quot;. Add &quot;%2&quot; as another type?</source>
        <translation>There is a type &quot;%1&quot;. Add &quot;%2&quot; as another type?</translation>
    </message>
    <message>
        <location filename="../ui/transactions/transactiondialog.cpp" line="415"/>
        <location filename="../ui/transactions/transactiondialog.cpp" line="416"/>
        <source>Add a type</source>
        <translation>Add a type</translation>
    </message>
</context>
<context>
    <name>WaitingBox</name>
    <message>
        <location filename="../ui/prompts/waitingbox.cpp" line="18"/>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
</TS>
