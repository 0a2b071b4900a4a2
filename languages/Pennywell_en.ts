<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
<context>
    <name>BarPeriods</name>
    <message>
        <source>%1 Q%2</source>
        <translation>%1 Q%2</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Month</translation>
    </message>
    <message>
        <source>Quarter</source>
        <translation>Quarter</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Year</translation>
    </message>
    <message>
        <source>%1 years</source>
        <translation>%1 years</translation>
    </message>
</context>
<context>
    <name>BookCommands</name>
    <message>
        <source>Create Transaction %1</source>
        <translation>Create Transaction %1</translation>
    </message>
    <message>
        <source>Modify Transaction %1</source>
        <translation>Modify Transaction %1</translation>
    </message>
    <message>
        <source>Delete Transaction %1</source>
        <translation>Delete Transaction %1</translation>
    </message>
    <message>
        <source>Add Type %1</source>
        <translation>Add Type %1</translation>
    </message>
    <message>
        <source>Delete Type %1</source>
        <translation>Delete Type %1</translation>
    </message>
    <message>
        <source>Set the Database Name</source>
        <translation>Set the Database Name</translation>
    </message>
    <message>
        <source>Import CSV</source>
        <translation>Import CSV</translation>
    </message>
</context>
<context>
    <name>BudgetDialog</name>
    <message>
        <source>Budget Analysis Settings</source>
        <translation>Budget Analysis Settings</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Today</translation>
    </message>
    <message>
        <source>Budget Analysis</source>
        <translation>Budget Analysis</translation>
    </message>
    <message>
        <source>&lt;P&gt;From: %1&lt;/P&gt;</source>
        <translation>&lt;P&gt;From: %1&lt;/P&gt;</translation>
    </message>
    <message>
        <source>&lt;P&gt;To: %1&lt;/P&gt;</source>
        <translation>&lt;P&gt;To: %1&lt;/P&gt;</translation>
    </message>
    <message>
        <source>&lt;P&gt;Today: %1&lt;/P&gt;</source>
        <translation>&lt;P&gt;Today: %1&lt;/P&gt;</translation>
    </message>
    <message>
        <source>&lt;TABLE BORDER=&quot;5&quot;&gt;&lt;TR&gt;</source>
        <translation>&lt;TABLE BORDER=&quot;5&quot;&gt;&lt;TR&gt;</translation>
    </message>
    <message>
        <source>&lt;TD&gt;Type&lt;/TD&gt;</source>
        <translation>&lt;TD&gt;Type&lt;/TD&gt;</translation>
    </message>
    <message>
        <source>&lt;TD&gt;Budget&lt;/TD&gt;</source>
        <translation>&lt;TD&gt;Budget&lt;/TD&gt;</translation>
    </message>
    <message>
        <source>&lt;TD&gt;Outgoing&lt;/TD&gt;</source>
        <translation>&lt;TD&gt;Outgoing&lt;/TD&gt;</translation>
    </message>
    <message>
        <source>&lt;TD&gt;Ramain&lt;/TD&gt;</source>
        <translation>&lt;TD&gt;Ramain&lt;/TD&gt;</translation>
    </message>
    <message>
        <source>&lt;TD&gt;Average Ramain per Day (%1 day(s))&lt;/TD&gt;&lt;/TR&gt;</source>
        <translation>&lt;TD&gt;Average Ramain per Day (%1 day(s))&lt;/TD&gt;&lt;/TR&gt;</translation>
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
        <translation>&lt;/TABLE&gt;&lt;P&gt;&lt;/P&gt;&lt;TABLE BORDER=&quot;5&quot;&gt;&lt;TR&gt;&lt;TD&gt;Total Budget&lt;/TD&gt;&lt;TD&gt;</translation>
    </message>
    <message>
        <source>&lt;/TD&gt;&lt;TD&gt;Total Outgoing&lt;/TD&gt;&lt;TD&gt;</source>
        <translation>&lt;/TD&gt;&lt;TD&gt;Total Outgoing&lt;/TD&gt;&lt;TD&gt;</translation>
    </message>
    <message>
        <source>&lt;/TD&gt;&lt;TR&gt;&lt;TD&gt;Total Remain&lt;/TD&gt;&lt;TD&gt;</source>
        <translation>&lt;/TD&gt;&lt;TR&gt;&lt;TD&gt;Total Remain&lt;/TD&gt;&lt;TD&gt;</translation>
    </message>
    <message>
        <source>&lt;/TD&gt;&lt;TD&gt;Average Remain per Day (%1 Day(s))&lt;/TD&gt;&lt;TD&gt;</source>
        <translation>&lt;/TD&gt;&lt;TD&gt;Average Remain per Day (%1 Day(s))&lt;/TD&gt;&lt;TD&gt;</translation>
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
        <translation>Other</translation>
    </message>
</context>
<context>
    <name>ChartDialog</name>
    <message>
        <source>Charts</source>
        <translation>Charts</translation>
    </message>
</context>
<context>
    <name>ChartWindow</name>
    <message>
        <source>Charts</source>
        <translation>Charts</translation>
    </message>
    <message>
        <source>Save...</source>
        <translation>Save...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>%1 (%2%)</source>
        <translation>%1 (%2%)</translation>
    </message>
    <message>
        <source>Income</source>
        <translation>Income</translation>
    </message>
    <message>
        <source>Outgoing</source>
        <translation>Outgoing</translation>
    </message>
    <message>
        <source>PNG Image (*.png);;SVG Image (*.svg)</source>
        <translation>PNG Image (*.png);;SVG Image (*.svg)</translation>
    </message>
    <message>
        <source>File %1 already exists.
Do you want to override it?</source>
        <translation>File %1 already exists.
Do you want to override it?</translation>
    </message>
    <message>
        <source>Pennywell</source>
        <translation>Pennywell</translation>
    </message>
    <message>
        <source>The chart could not be saved as %1.</source>
        <translation>The chart could not be saved as %1.</translation>
    </message>
    <message>
        <source>Balance: %1</source>
        <translation>Balance: %1</translation>
    </message>
    <message>
        <source>Income by type</source>
        <translation>Income by type</translation>
    </message>
    <message>
        <source>No income in the chosen range</source>
        <translation>No income in the chosen range</translation>
    </message>
    <message>
        <source>Outgoing by type</source>
        <translation>Outgoing by type</translation>
    </message>
    <message>
        <source>No outgoing in the chosen range</source>
        <translation>No outgoing in the chosen range</translation>
    </message>
    <message>
        <source>Income and outgoing</source>
        <translation>Income and outgoing</translation>
    </message>
</context>
<context>
    <name>CsvCommands</name>
    <message>
        <source>CSV files, encoding detected (*.csv)</source>
        <translation>CSV files, encoding detected (*.csv)</translation>
    </message>
    <message>
        <source>CSV files, UTF-8 (*.csv)</source>
        <translation>CSV files, UTF-8 (*.csv)</translation>
    </message>
    <message>
        <source>CSV files, Big5 (*.csv)</source>
        <translation>CSV files, Big5 (*.csv)</translation>
    </message>
    <message>
        <source>The file %1 can&apos;t be read.</source>
        <translation>The file %1 can&apos;t be read.</translation>
    </message>
    <message numerus="yes">
        <source>%n transaction(s) imported.</source>
        <translation>
            <numerusform>%n transaction imported.</numerusform>
            <numerusform>%n transactions imported.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n new type(s) created.</source>
        <translation>
            <numerusform>%n new type created.</numerusform>
            <numerusform>%n new types created.</numerusform>
        </translation>
    </message>
    <message>
        <source>Import CSV</source>
        <translation>Import CSV</translation>
    </message>
    <message>
        <source>CSV, UTF-8 (*.csv)</source>
        <translation>CSV, UTF-8 (*.csv)</translation>
    </message>
    <message>
        <source>CSV, UTF-8 for spreadsheets (*.csv)</source>
        <translation>CSV, UTF-8 for spreadsheets (*.csv)</translation>
    </message>
    <message>
        <source>CSV, Big5 (*.csv)</source>
        <translation>CSV, Big5 (*.csv)</translation>
    </message>
    <message>
        <source>The file %1 can&apos;t be written: %2</source>
        <translation>The file %1 can&apos;t be written: %2</translation>
    </message>
    <message>
        <source>The file %1 is the open book itself; the CSV would replace it. Nothing was written.</source>
        <translation>The file %1 is the open book itself; the CSV would replace it. Nothing was written.</translation>
    </message>
</context>
<context>
    <name>CsvImport</name>
    <message>
        <source>the file is empty; it needs a header row such as index,date,direction,amount,type,comment</source>
        <translation>the file is empty; it needs a header row such as index,date,direction,amount,type,comment</translation>
    </message>
    <message>
        <source>unknown column &quot;%1&quot;; the columns are index, date, direction, amount, type and comment</source>
        <translation>unknown column &quot;%1&quot;; the columns are index, date, direction, amount, type and comment</translation>
    </message>
    <message>
        <source>the column &quot;%1&quot; appears twice</source>
        <translation>the column &quot;%1&quot; appears twice</translation>
    </message>
    <message>
        <source>the header has no &quot;%1&quot; column</source>
        <translation>the header has no &quot;%1&quot; column</translation>
    </message>
    <message>
        <source>a quote inside a field that doesn&apos;t start with one; enclose the field in quotes and double the quote</source>
        <translation>a quote inside a field that doesn&apos;t start with one; enclose the field in quotes and double the quote</translation>
    </message>
    <message>
        <source>text after the closing quote of a field</source>
        <translation>text after the closing quote of a field</translation>
    </message>
    <message>
        <source>a quoted field is never closed</source>
        <translation>a quoted field is never closed</translation>
    </message>
    <message>
        <source>%1 fields where the header has %2</source>
        <translation>%1 fields where the header has %2</translation>
    </message>
    <message>
        <source>the date &quot;%1&quot; is not a calendar date written YYYY-MM-DD</source>
        <translation>the date &quot;%1&quot; is not a calendar date written YYYY-MM-DD</translation>
    </message>
    <message>
        <source>the direction &quot;%1&quot; is neither &quot;income&quot; nor &quot;outgoing&quot;</source>
        <translation>the direction &quot;%1&quot; is neither &quot;income&quot; nor &quot;outgoing&quot;</translation>
    </message>
    <message>
        <source>the amount &quot;%1&quot; is not a whole number</source>
        <translation>the amount &quot;%1&quot; is not a whole number</translation>
    </message>
    <message>
        <source>the amount %1 is out of range (-2147483648 to 2147483647)</source>
        <translation>the amount %1 is out of range (-2147483648 to 2147483647)</translation>
    </message>
    <message>
        <source>the %1 is not valid UTF-8 text</source>
        <translation>the %1 is not valid UTF-8 text</translation>
    </message>
    <message>
        <source>the %1 is not valid Big5 text</source>
        <translation>the %1 is not valid Big5 text</translation>
    </message>
    <message>
        <source>the %1 &quot;%2&quot; holds a character that Big5 can&apos;t store</source>
        <translation>the %1 &quot;%2&quot; holds a character that Big5 can&apos;t store</translation>
    </message>
    <message>
        <source>the %1 is %2 bytes long in Big5; at most %3 fit</source>
        <translation>the %1 is %2 bytes long in Big5; at most %3 fit</translation>
    </message>
    <message>
        <source>the new type &quot;%1&quot; would be one more than the 128 types a database can hold</source>
        <translation>the new type &quot;%1&quot; would be one more than the 128 types a database can hold</translation>
    </message>
    <message>
        <source>the database has no transaction index left for this row</source>
        <translation>the database has no transaction index left for this row</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Line %1: %2</translation>
    </message>
    <message>
        <source>The CSV file was not imported; the database is unchanged.</source>
        <translation>The CSV file was not imported; the database is unchanged.</translation>
    </message>
    <message numerus="yes">
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
        <source>Enter the database name</source>
        <translation>Enter the database name</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>The character &quot;%1&quot; (U+%2) can&apos;t be stored: Big5 has no such character.</source>
        <translation>The character &quot;%1&quot; (U+%2) can&apos;t be stored: Big5 has no such character.</translation>
    </message>
    <message>
        <source>The name takes %1 bytes in Big5; at most %2 can be stored.</source>
        <translation>The name takes %1 bytes in Big5; at most %2 can be stored.</translation>
    </message>
    <message>
        <source>The name can&apos;t be stored in a Pennywell database file.</source>
        <translation>The name can&apos;t be stored in a Pennywell database file.</translation>
    </message>
</context>
<context>
    <name>FilterBar</name>
    <message>
        <source>All types</source>
        <translation>All types</translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation>&amp;Find:</translation>
    </message>
    <message>
        <source>Comment or type</source>
        <translation>Comment or type</translation>
    </message>
    <message>
        <source>Close the find bar (Esc)</source>
        <translation>Close the find bar (Esc)</translation>
    </message>
    <message>
        <source>From</source>
        <translation>From</translation>
    </message>
    <message>
        <source>to</source>
        <translation>to</translation>
    </message>
    <message>
        <source>Income and outgoing</source>
        <translation>Income and outgoing</translation>
    </message>
</context>
<context>
    <name>GrandTotalDialog</name>
    <message>
        <source>Grand Total</source>
        <translation>Grand Total</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Outgoing</source>
        <translation>Outgoing</translation>
    </message>
    <message>
        <source>Income</source>
        <translation>Income</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Array out of bound</source>
        <translation>Array out of bound</translation>
    </message>
    <message>
        <source>There are still other transactions use this type</source>
        <translation>There are still other transactions use this type</translation>
    </message>
    <message>
        <source>No transaction type</source>
        <translation>No transaction type</translation>
    </message>
    <message>
        <source>The transaction index is not exist</source>
        <translation>The transaction index is not exist</translation>
    </message>
    <message>
        <source>File open error</source>
        <translation>File open error</translation>
    </message>
    <message>
        <source>Not Pennywell database file</source>
        <translation>Not Pennywell database file</translation>
    </message>
    <message>
        <source>This PWDB file is correspond with this program</source>
        <translation>This PWDB file is correspond with this program</translation>
    </message>
    <message>
        <source>Too many transaction types</source>
        <translation>Too many transaction types</translation>
    </message>
    <message>
        <source>Damaged Pennywell database file</source>
        <translation>Damaged Pennywell database file</translation>
    </message>
    <message>
        <source>File write error</source>
        <translation>File write error</translation>
    </message>
    <message>
        <source>The database name is longer than 255 bytes</source>
        <translation>The database name is longer than 255 bytes</translation>
    </message>
    <message>
        <source>A type name is longer than 255 bytes</source>
        <translation>A type name is longer than 255 bytes</translation>
    </message>
    <message>
        <source>A comment is longer than 255 bytes</source>
        <translation>A comment is longer than 255 bytes</translation>
    </message>
    <message>
        <source>No transaction index left</source>
        <translation>No transaction index left</translation>
    </message>
    <message>
        <source>The type %1 has existed</source>
        <translation>The type %1 has existed</translation>
    </message>
    <message>
        <source>English</source>
        <translation>English</translation>
    </message>
    <message>
        <source>Pennywell Database File (*.pwdb)</source>
        <translation>Pennywell Database File (*.pwdb)</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;New</translation>
    </message>
    <message>
        <source>Ctrl+N</source>
        <translation>Ctrl+N</translation>
    </message>
    <message>
        <source>Create a new database</source>
        <translation>Create a new database</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Open</translation>
    </message>
    <message>
        <source>Ctrl+O</source>
        <translation>Ctrl+O</translation>
    </message>
    <message>
        <source>Open an exist database</source>
        <translation>Open an exist database</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>Ctrl+S</source>
        <translation>Ctrl+S</translation>
    </message>
    <message>
        <source>Save the current database</source>
        <translation>Save the current database</translation>
    </message>
    <message>
        <source>Save &amp;As</source>
        <translation>Save &amp;As</translation>
    </message>
    <message>
        <source>Save the current database as ...</source>
        <translation>Save the current database as ...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>Close the current database</source>
        <translation>Close the current database</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>Ctrl+Q</source>
        <translation>Ctrl+Q</translation>
    </message>
    <message>
        <source>Exit the application</source>
        <translation>Exit the application</translation>
    </message>
    <message>
        <source>&amp;Create</source>
        <translation>&amp;Create</translation>
    </message>
    <message>
        <source>Ctrl+C</source>
        <translation>Ctrl+C</translation>
    </message>
    <message>
        <source>Create a transaction</source>
        <translation>Create a transaction</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Delete</translation>
    </message>
    <message>
        <source>Ctrl+D</source>
        <translation>Ctrl+D</translation>
    </message>
    <message>
        <source>Delete a transaction</source>
        <translation>Delete a transaction</translation>
    </message>
    <message>
        <source>&amp;Modify</source>
        <translation>&amp;Modify</translation>
    </message>
    <message>
        <source>Ctrl+M</source>
        <translation>Ctrl+M</translation>
    </message>
    <message>
        <source>Modify a transaction</source>
        <translation>Modify a transaction</translation>
    </message>
    <message>
        <source>Delete this transaction</source>
        <translation>Delete this transaction</translation>
    </message>
    <message>
        <source>Modify this transaction</source>
        <translation>Modify this transaction</translation>
    </message>
    <message>
        <source>&amp;Set the Database Name</source>
        <translation>&amp;Set the Database Name</translation>
    </message>
    <message>
        <source>Set or modify the database name</source>
        <translation>Set or modify the database name</translation>
    </message>
    <message>
        <source>&amp;Grand Total</source>
        <translation>&amp;Grand Total</translation>
    </message>
    <message>
        <source>Ctrl+G</source>
        <translation>Ctrl+G</translation>
    </message>
    <message>
        <source>Calculate grand total</source>
        <translation>Calculate grand total</translation>
    </message>
    <message>
        <source>&amp;Budget Analasis</source>
        <translation>&amp;Budget Analasis</translation>
    </message>
    <message>
        <source>Ctrl+B</source>
        <translation>Ctrl+B</translation>
    </message>
    <message>
        <source>Analyze your budget plan</source>
        <translation>Analyze your budget plan</translation>
    </message>
    <message>
        <source>&amp;Percentage Analysis</source>
        <translation>&amp;Percentage Analysis</translation>
    </message>
    <message>
        <source>Ctrl+P</source>
        <translation>Ctrl+P</translation>
    </message>
    <message>
        <source>Analyze the percentage of each Income/Outgoing type</source>
        <translation>Analyze the percentage of each Income/Outgoing type</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;About</translation>
    </message>
    <message>
        <source>Show the application&apos;s About box</source>
        <translation>Show the application&apos;s About box</translation>
    </message>
    <message>
        <source>About &amp;Qt</source>
        <translation>About &amp;Qt</translation>
    </message>
    <message>
        <source>Show the Qt library&apos;s About box</source>
        <translation>Show the Qt library&apos;s About box</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Transaction</source>
        <translation>&amp;Transaction</translation>
    </message>
    <message>
        <source>&amp;Database</source>
        <translation>&amp;Database</translation>
    </message>
    <message>
        <source>&amp;Statistic</source>
        <translation>&amp;Statistic</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Language</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>File Modified</source>
        <translation>File Modified</translation>
    </message>
    <message>
        <source>File Saved</source>
        <translation>File Saved</translation>
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
        <translation>About Pennywell</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>The name can&apos;t be stored in a Pennywell database file: it may hold only Big5 characters and at most 255 bytes.</source>
        <translation>The name can&apos;t be stored in a Pennywell database file: it may hold only Big5 characters and at most 255 bytes.</translation>
    </message>
    <message>
        <source>The database has been modified.
Do you want to save your changes?</source>
        <translation>The database has been modified.
Do you want to save your changes?</translation>
    </message>
    <message>
        <source>File %1 already exists.
Do you want to override it?</source>
        <translation>File %1 already exists.
Do you want to override it?</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Index</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>In/Out</source>
        <translation>In/Out</translation>
    </message>
    <message>
        <source>Money</source>
        <translation>Money</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Comment</translation>
    </message>
    <message>
        <source>Income</source>
        <translation>Income</translation>
    </message>
    <message>
        <source>Outgoing</source>
        <translation>Outgoing</translation>
    </message>
    <message>
        <source>&amp;Import CSV…</source>
        <translation>&amp;Import CSV…</translation>
    </message>
    <message>
        <source>Add the transactions of a CSV file to the database</source>
        <translation>Add the transactions of a CSV file to the database</translation>
    </message>
    <message>
        <source>&amp;Export CSV…</source>
        <translation>&amp;Export CSV…</translation>
    </message>
    <message>
        <source>Write the transactions to a CSV file</source>
        <translation>Write the transactions to a CSV file</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>C&amp;harts</source>
        <translation>C&amp;harts</translation>
    </message>
    <message>
        <source>Show the shares of the chosen types and each month&apos;s income and outgoing as charts</source>
        <translation>Show the shares of the chosen types and each month&apos;s income and outgoing as charts</translation>
    </message>
    <message>
        <source>The transaction index is in use</source>
        <translation>The transaction index is in use</translation>
    </message>
    <message>
        <source>No such file or folder</source>
        <translation>No such file or folder</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Permission denied</translation>
    </message>
    <message>
        <source>Operation not permitted</source>
        <translation>Operation not permitted</translation>
    </message>
    <message>
        <source>Is a folder</source>
        <translation>Is a folder</translation>
    </message>
    <message>
        <source>Not a folder</source>
        <translation>Not a folder</translation>
    </message>
    <message>
        <source>Disk full</source>
        <translation>Disk full</translation>
    </message>
    <message>
        <source>Disk quota exceeded</source>
        <translation>Disk quota exceeded</translation>
    </message>
    <message>
        <source>File too large</source>
        <translation>File too large</translation>
    </message>
    <message>
        <source>Read-only file system</source>
        <translation>Read-only file system</translation>
    </message>
    <message>
        <source>Input/output error</source>
        <translation>Input/output error</translation>
    </message>
    <message>
        <source>The open book is unchanged.</source>
        <translation>The open book is unchanged.</translation>
    </message>
    <message>
        <source>Nothing was saved; your changes are still open.</source>
        <translation>Nothing was saved; your changes are still open.</translation>
    </message>
    <message>
        <source>&amp;Find</source>
        <translation>&amp;Find</translation>
    </message>
    <message>
        <source>Ctrl+F</source>
        <translation>Ctrl+F</translation>
    </message>
    <message>
        <source>Show only the transactions that match</source>
        <translation>Show only the transactions that match</translation>
    </message>
    <message>
        <source>%1 of %2 transactions match, balance %3</source>
        <translation>%1 of %2 transactions match, balance %3</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Undo %1</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <source>Ctrl+Z</source>
        <translation>Ctrl+Z</translation>
    </message>
    <message>
        <source>Take back the last change to the database</source>
        <translation>Take back the last change to the database</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Redo %1</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Redo</translation>
    </message>
    <message>
        <source>Ctrl+Shift+Z</source>
        <translation>Ctrl+Shift+Z</translation>
    </message>
    <message>
        <source>Make the change taken back again</source>
        <translation>Make the change taken back again</translation>
    </message>
    <message>
        <source>The backup file&apos;s name would be longer than 255 bytes</source>
        <translation>The backup file&apos;s name would be longer than 255 bytes</translation>
    </message>
    <message>
        <source>not enough memory to read %1</source>
        <translation>not enough memory to read %1</translation>
    </message>
    <message>
        <source>%1 was changed by another program since it was opened. Replace it? The other version will be kept as the backup.</source>
        <translation>%1 was changed by another program since it was opened. Replace it? The other version will be kept as the backup.</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Pennywell %1&lt;/h2&gt;&lt;p&gt;Produced by&lt;p&gt;the Pennywell developers&lt;p&gt;Please report problems on the Pennywell project&apos;s issue tracker.&lt;p&gt;Pennywell Tool</source>
        <translation>&lt;h2&gt;Pennywell %1&lt;/h2&gt;&lt;p&gt;Produced by&lt;p&gt;the Pennywell developers&lt;p&gt;Please report problems on the Pennywell project&apos;s issue tracker.&lt;p&gt;Pennywell Tool</translation>
    </message>
    <message>
        <source>&lt;p&gt;Pennywell is free software: you may share and change it under the GNU General Public License, version 3 or later.</source>
        <translation>&lt;p&gt;Pennywell is free software: you may share and change it under the GNU General Public License, version 3 or later.</translation>
    </message>
    <message>
        <source>Exported to %1</source>
        <translation>Exported to %1</translation>
    </message>
</context>
<context>
    <name>PercentageDialog</name>
    <message>
        <source>Percentage Analysis</source>
        <translation>Percentage Analysis</translation>
    </message>
    <message>
        <source>&lt;TABLE BORDER=&quot;5&quot;&gt;</source>
        <translation>&lt;TABLE BORDER=&quot;5&quot;&gt;</translation>
    </message>
    <message>
        <source>&lt;TR&gt;&lt;TD&gt;Total Income&lt;/TD&gt;&lt;TD&gt;Selected Type Income&lt;/TD&gt;&lt;/TR&gt;</source>
        <translation>&lt;TR&gt;&lt;TD&gt;Total Income&lt;/TD&gt;&lt;TD&gt;Selected Type Income&lt;/TD&gt;&lt;/TR&gt;</translation>
    </message>
    <message>
        <source>&lt;TR&gt;&lt;TD&gt;%1&lt;/TD&gt;&lt;TD&gt;%2&lt;/TD&gt;&lt;/TR&gt;</source>
        <translation>&lt;TR&gt;&lt;TD&gt;%1&lt;/TD&gt;&lt;TD&gt;%2&lt;/TD&gt;&lt;/TR&gt;</translation>
    </message>
    <message>
        <source>&lt;TR&gt;&lt;TD&gt;Total Outgoing&lt;/TD&gt;&lt;TD&gt;Selected Type Outgoing&lt;/TD&gt;&lt;/TR&gt;</source>
        <translation>&lt;TR&gt;&lt;TD&gt;Total Outgoing&lt;/TD&gt;&lt;TD&gt;Selected Type Outgoing&lt;/TD&gt;&lt;/TR&gt;</translation>
    </message>
    <message>
        <source>&lt;TR&gt;&lt;TD&gt;Total In&amp;Out&lt;/TD&gt;&lt;TD&gt;Selected Type In&amp;Out&lt;/TD&gt;&lt;/TR&gt;</source>
        <translation>&lt;TR&gt;&lt;TD&gt;Total In&amp;Out&lt;/TD&gt;&lt;TD&gt;Selected Type In&amp;Out&lt;/TD&gt;&lt;/TR&gt;</translation>
    </message>
    <message>
        <source>&lt;/TABLE&gt;</source>
        <translation>&lt;/TABLE&gt;</translation>
    </message>
    <message>
        <source>&lt;TR&gt;&lt;TD&gt;Type&lt;/TD&gt;&lt;TD&gt;Income&lt;/TD&gt;&lt;TD&gt;Income Selected Percent&lt;/TD&gt;&lt;TD&gt;Income Total Percent&lt;/TD&gt;</source>
        <translation>&lt;TR&gt;&lt;TD&gt;Type&lt;/TD&gt;&lt;TD&gt;Income&lt;/TD&gt;&lt;TD&gt;Income Selected Percent&lt;/TD&gt;&lt;TD&gt;Income Total Percent&lt;/TD&gt;</translation>
    </message>
    <message>
        <source>&lt;TD&gt;Outgoing&lt;/TD&gt;&lt;TD&gt;Outgoing Selected Percent&lt;/TD&gt;&lt;TD&gt;Outgoing Total Percent&lt;/TD&gt;</source>
        <translation>&lt;TD&gt;Outgoing&lt;/TD&gt;&lt;TD&gt;Outgoing Selected Percent&lt;/TD&gt;&lt;TD&gt;Outgoing Total Percent&lt;/TD&gt;</translation>
    </message>
    <message>
        <source>&lt;TD&gt;Sum&lt;/TD&gt;&lt;TD&gt;Sum Selected Percent&lt;/TD&gt;&lt;TD&gt;Sum Percent&lt;/TD&gt;&lt;/TR&gt;</source>
        <translation>&lt;TD&gt;Sum&lt;/TD&gt;&lt;TD&gt;Sum Selected Percent&lt;/TD&gt;&lt;TD&gt;Sum Percent&lt;/TD&gt;&lt;/TR&gt;</translation>
    </message>
    <message>
        <source>&lt;TR&gt;&lt;TD&gt;%1&lt;/TD&gt;</source>
        <translation>&lt;TR&gt;&lt;TD&gt;%1&lt;/TD&gt;</translation>
    </message>
    <message>
        <source>&lt;TD&gt;%1&lt;/TD&gt;&lt;TD&gt;%2%&lt;/TD&gt;&lt;TD&gt;%3%&lt;/TD&gt;</source>
        <translation>&lt;TD&gt;%1&lt;/TD&gt;&lt;TD&gt;%2%&lt;/TD&gt;&lt;TD&gt;%3%&lt;/TD&gt;</translation>
    </message>
    <message>
        <source>&lt;TD&gt;%1&lt;/TD&gt;&lt;TD&gt;%2%&lt;/TD&gt;&lt;TD&gt;%3%&lt;/TD&gt;&lt;/TR&gt;</source>
        <translation>&lt;TD&gt;%1&lt;/TD&gt;&lt;TD&gt;%2%&lt;/TD&gt;&lt;TD&gt;%3%&lt;/TD&gt;&lt;/TR&gt;</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Unknown error</source>
        <translation>Unknown error</translation>
    </message>
</context>
<context>
    <name>RecentBooksMenu</name>
    <message>
        <source>Recent &amp;Books</source>
        <translation>Recent &amp;Books</translation>
    </message>
    <message>
        <source>&amp;%1 %2</source>
        <translation>&amp;%1 %2</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Clear</translation>
    </message>
</context>
<context>
    <name>StatisticDialog</name>
    <message>
        <source>From</source>
        <translation>From</translation>
    </message>
    <message>
        <source>To</source>
        <translation>To</translation>
    </message>
    <message>
        <source>Select Types</source>
        <translation>Select Types</translation>
    </message>
    <message>
        <source>Select In/Out</source>
        <translation>Select In/Out</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Income</source>
        <translation>Income</translation>
    </message>
    <message>
        <source>Outgoing</source>
        <translation>Outgoing</translation>
    </message>
    <message>
        <source>ALL</source>
        <translation>ALL</translation>
    </message>
    <message>
        <source>Chart</source>
        <translation>Chart</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>Range</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Custom</translation>
    </message>
    <message>
        <source>This month</source>
        <translation>This month</translation>
    </message>
    <message>
        <source>Last month</source>
        <translation>Last month</translation>
    </message>
    <message>
        <source>This year</source>
        <translation>This year</translation>
    </message>
    <message>
        <source>Last year</source>
        <translation>Last year</translation>
    </message>
    <message>
        <source>Whole book</source>
        <translation>Whole book</translation>
    </message>
</context>
<context>
    <name>TransactionDialog</name>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Money</source>
        <translation>Money</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Comment</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Select a transaction</source>
        <translation>Select a transaction</translation>
    </message>
    <message>
        <source>In/Out</source>
        <translation>In/Out</translation>
    </message>
    <message>
        <source>Income</source>
        <translation>Income</translation>
    </message>
    <message>
        <source>Outgoing</source>
        <translation>Outgoing</translation>
    </message>
    <message>
        <source>Select/Add a type</source>
        <translation>Select/Add a type</translation>
    </message>
    <message>
        <source>Create a transaction</source>
        <translation>Create a transaction</translation>
    </message>
    <message>
        <source>Delete a transaction</source>
        <translation>Delete a transaction</translation>
    </message>
    <message>
        <source>Modify a transaction</source>
        <translation>Modify a transaction</translation>
    </message>
    <message>
        <source>Delete this transaction</source>
        <translation>Delete this transaction</translation>
    </message>
    <message>
        <source>Modify this transaction</source>
        <translation>Modify this transaction</translation>
    </message>
    <message>
        <source>The comment can&apos;t be stored in a Pennywell database file: it may hold only Big5 characters and at most 255 bytes.</source>
        <translation>The comment can&apos;t be stored in a Pennywell database file: it may hold only Big5 characters and at most 255 bytes.</translation>
    </message>
    <message>
        <source>The type name can&apos;t be stored in a Pennywell database file: it may hold only Big5 characters and at most 255 bytes.</source>
        <translation>The type name can&apos;t be stored in a Pennywell database file: it may hold only Big5 characters and at most 255 bytes.</translation>
    </message>
</context>
</TS>
