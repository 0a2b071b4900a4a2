<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW" sourcelanguage="en">
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
        <translation>月份</translation>
    </message>
    <message>
        <location filename="../ui/charts/barperiods.cpp" line="74"/>
        <source>Quarter</source>
        <translation>季</translation>
    </message>
    <message>
        <location filename="../ui/charts/barperiods.cpp" line="75"/>
        <source>Year</source>
        <translation>年度</translation>
    </message>
    <message>
        <location filename="../ui/charts/barperiods.cpp" line="76"/>
        <source>%1 years</source>
        <translation>每 %1 年</translation>
    </message>
</context>
<context>
    <name>BookCommands</name>
    <message>
        <location filename="../ui/history/bookcommands.cpp" line="57"/>
        <source>Create Transaction %1</source>
        <translation>建立交易 %1</translation>
    </message>
    <message>
        <location filename="../ui/history/bookcommands.cpp" line="71"/>
        <source>Modify Transaction %1</source>
        <translation>修改交易 %1</translation>
    </message>
    <message>
        <location filename="../ui/history/bookcommands.cpp" line="80"/>
        <source>Delete Transaction %1</source>
        <translation>刪除交易 %1</translation>
    </message>
    <message>
        <location filename="../ui/history/bookcommands.cpp" line="91"/>
        <source>Add Type %1</source>
        <translation>新增類別「%1」</translation>
    </message>
    <message>
        <location filename="../ui/history/bookcommands.cpp" line="100"/>
        <source>Delete Type %1</source>
        <translation>刪除類別「%1」</translation>
    </message>
    <message>
        <location filename="../ui/history/bookcommands.cpp" line="111"/>
        <source>Set the Database Name</source>
        <translation>設定資料庫名稱</translation>
    </message>
    <message>
        <location filename="../ui/history/bookcommands.cpp" line="157"/>
        <source>Import CSV</source>
        <translation>匯入 CSV</translation>
    </message>
    <message>
        <location filename="../ui/history/bookcommands.cpp" line="158"/>
        <source>Import Statement</source>
        <translation>匯入銀行對帳單</translation>
    </message>
    <message>
        <location filename="../ui/history/bookcommands.cpp" line="128"/>
        <source>Convert to Format 2</source>
        <translation>轉換為格式 2</translation>
    </message>
    <message>
        <location filename="../ui/history/bookcommands.cpp" line="130"/>
        <source>Set the Decimals to %1</source>
        <translation>將小數位數設為 %1</translation>
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
        <translation>「%1」不是日期：請依 %2 的格式輸入日期。</translation>
    </message>
    <message>
        <location filename="../ui/widgets/bookdateedit.cpp" line="109"/>
        <source>%1 is not a date this box takes: it takes %2 to %3.</source>
        <translation>%1 不在此欄可接受的日期內：可接受 %2 至 %3。</translation>
    </message>
    <message>
        <location filename="../ui/widgets/bookdateedit.cpp" line="117"/>
        <source>%1 is more than 100 years from today. Press Enter again to take it.</source>
        <translation>%1 距今超過 100 年。再按一次 Enter 鍵即可採用。</translation>
    </message>
</context>
<context>
    <name>BookImport</name>
    <message>
        <location filename="../ui/book/bookimport.cpp" line="15"/>
        <source>The file %1 can&apos;t be read.</source>
        <translation>無法讀取檔案 %1。</translation>
    </message>
    <message numerus="yes">
        <location filename="../ui/book/bookimport.cpp" line="20"/>
        <source>%n transaction(s) imported.</source>
        <translation>
            <numerusform>已匯入 %n 筆交易。</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../ui/book/bookimport.cpp" line="22"/>
        <source>%1 %2</source>
        <extracomment>Two sentences in a row: a space between them, none after a full-width full stop</extracomment>
        <translation>%1%2</translation>
    </message>
    <message numerus="yes">
        <location filename="../ui/book/bookimport.cpp" line="23"/>
        <source>%n new type(s) created.</source>
        <translation>
            <numerusform>已建立 %n 個新類別。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>BookSettingsDialog</name>
    <message>
        <location filename="../ui/booksettings/booksettingsdialog.cpp" line="25"/>
        <source>Book Settings</source>
        <translation>資料庫設定</translation>
    </message>
    <message>
        <location filename="../ui/booksettings/booksettingsdialog.cpp" line="31"/>
        <source>Con&amp;vert to Format 2</source>
        <translation>轉換為格式 2(&amp;V)</translation>
    </message>
    <message>
        <location filename="../ui/booksettings/booksettingsdialog.cpp" line="41"/>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <location filename="../ui/booksettings/booksettingsdialog.cpp" line="44"/>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <location filename="../ui/booksettings/booksettingsdialog.cpp" line="53"/>
        <source>Format:</source>
        <translation>格式：</translation>
    </message>
    <message>
        <location filename="../ui/booksettings/booksettingsdialog.cpp" line="55"/>
        <source>&amp;Decimals:</source>
        <translation>小數位數(&amp;D)：</translation>
    </message>
    <message>
        <location filename="../ui/booksettings/booksettingsdialog.cpp" line="56"/>
        <source>&amp;Name:</source>
        <translation>名稱(&amp;N)：</translation>
    </message>
    <message>
        <location filename="../ui/booksettings/booksettingsdialog.cpp" line="81"/>
        <source>Format 2: texts in UTF-8, amounts with decimals. Pennywell 1.1 and older can&apos;t open it.</source>
        <translation>格式 2：文字為 UTF-8，金額可含小數。Pennywell 1.1 及更舊的版本無法開啟。</translation>
    </message>
    <message>
        <location filename="../ui/booksettings/booksettingsdialog.cpp" line="83"/>
        <source>Format 1, which every version of Pennywell reads: texts in Big5, whole amounts.</source>
        <translation>格式 1，各版 Pennywell 皆可讀取：文字為 Big5，金額為整數。</translation>
    </message>
    <message>
        <location filename="../ui/booksettings/booksettingsdialog.cpp" line="109"/>
        <source>The name can&apos;t be stored in this book: it is too long or holds a character the book&apos;s format has no room for.</source>
        <translation>無法將此名稱存入這個資料庫：名稱太長，或含有此資料庫格式無法容納的字元。</translation>
    </message>
</context>
<context>
    <name>BudgetDialog</name>
    <message>
        <location filename="../ui/statistics/budgetdialog.cpp" line="21"/>
        <source>Budget Analysis Settings</source>
        <translation>預算分析設定</translation>
    </message>
    <message>
        <location filename="../ui/statistics/budgetdialog.cpp" line="68"/>
        <source>Budget Analysis</source>
        <translation>預算分析</translation>
    </message>
    <message>
        <location filename="../ui/statistics/budgetdialog.cpp" line="81"/>
        <source>&lt;P&gt;From: %1&lt;/P&gt;</source>
        <translation>&lt;P&gt;起始日：%1&lt;/P&gt;</translation>
    </message>
    <message>
        <location filename="../ui/statistics/budgetdialog.cpp" line="82"/>
        <source>&lt;P&gt;To: %1&lt;/P&gt;</source>
        <translation>&lt;P&gt;結束日：%1&lt;/P&gt;</translation>
    </message>
    <message>
        <location filename="../ui/statistics/budgetdialog.cpp" line="83"/>
        <source>&lt;P&gt;Today: %1&lt;/P&gt;</source>
        <translation>&lt;P&gt;今天：%1&lt;/P&gt;</translation>
    </message>
    <message>
        <location filename="../ui/statistics/budgetdialog.cpp" line="84"/>
        <source>&lt;TABLE BORDER=&quot;5&quot;&gt;&lt;TR&gt;</source>
        <translation>&lt;TABLE BORDER=&quot;5&quot;&gt;&lt;TR&gt;</translation>
    </message>
    <message>
        <location filename="../ui/statistics/budgetdialog.cpp" line="85"/>
        <source>&lt;TD&gt;Type&lt;/TD&gt;</source>
        <translation>&lt;TD&gt;類別&lt;/TD&gt;</translation>
    </message>
    <message>
        <location filename="../ui/statistics/budgetdialog.cpp" line="86"/>
        <source>&lt;TD&gt;Budget&lt;/TD&gt;</source>
        <translation>&lt;TD&gt;預算&lt;/TD&gt;</translation>
    </message>
    <message>
        <location filename="../ui/statistics/budgetdialog.cpp" line="87"/>
        <source>&lt;TD&gt;Outgoing&lt;/TD&gt;</source>
        <translation>&lt;TD&gt;支出&lt;/TD&gt;</translation>
    </message>
    <message>
        <location filename="../ui/statistics/budgetdialog.cpp" line="89"/>
        <source>&lt;TD&gt;Ramain&lt;/TD&gt;</source>
        <extracomment>Report column header: the budget less what was spent</extracomment>
        <translation>&lt;TD&gt;剩餘金額&lt;/TD&gt;</translation>
    </message>
    <message numerus="yes">
        <location filename="../ui/statistics/budgetdialog.cpp" line="91"/>
        <source>&lt;TD&gt;Average Ramain per Day (%1 day(s))&lt;/TD&gt;&lt;/TR&gt;</source>
        <extracomment>Report column header: what remains of the budget, spread over the days left (%1)</extracomment>
        <translation>
            <numerusform>&lt;TD&gt;每日可用金額（%1 天）&lt;/TD&gt;&lt;/TR&gt;</numerusform>
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
        <translation>&lt;/TABLE&gt;&lt;P&gt;&lt;/P&gt;&lt;TABLE BORDER=&quot;5&quot;&gt;&lt;TR&gt;&lt;TD&gt;總預算&lt;/TD&gt;&lt;TD&gt;</translation>
    </message>
    <message>
        <location filename="../ui/statistics/budgetdialog.cpp" line="107"/>
        <source>&lt;/TD&gt;&lt;TD&gt;Total Outgoing&lt;/TD&gt;&lt;TD&gt;</source>
        <translation>&lt;/TD&gt;&lt;TD&gt;總支出&lt;/TD&gt;&lt;TD&gt;</translation>
    </message>
    <message>
        <location filename="../ui/statistics/budgetdialog.cpp" line="111"/>
        <source>&lt;/TD&gt;&lt;TR&gt;&lt;TD&gt;Total Remain&lt;/TD&gt;&lt;TD&gt;</source>
        <extracomment>The budget of all types less what was spent</extracomment>
        <translation>&lt;/TD&gt;&lt;TR&gt;&lt;TD&gt;剩餘總額&lt;/TD&gt;&lt;TD&gt;</translation>
    </message>
    <message numerus="yes">
        <location filename="../ui/statistics/budgetdialog.cpp" line="113"/>
        <source>&lt;/TD&gt;&lt;TD&gt;Average Remain per Day (%1 Day(s))&lt;/TD&gt;&lt;TD&gt;</source>
        <translation>
            <numerusform>&lt;/TD&gt;&lt;TD&gt;每日可用金額（%1 天）&lt;/TD&gt;&lt;TD&gt;</numerusform>
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
        <translation>今天(&amp;D)</translation>
    </message>
</context>
<context>
    <name>ChartData</name>
    <message>
        <location filename="../ui/statistics/chartdata.cpp" line="19"/>
        <source>Other</source>
        <translation>其他</translation>
    </message>
</context>
<context>
    <name>ChartDialog</name>
    <message>
        <location filename="../ui/charts/chartdialog.cpp" line="7"/>
        <source>Charts</source>
        <translation>圖表</translation>
    </message>
</context>
<context>
    <name>ChartWindow</name>
    <message>
        <location filename="../ui/charts/chartwindow.cpp" line="70"/>
        <source>Charts</source>
        <translation>圖表</translation>
    </message>
    <message>
        <location filename="../ui/charts/chartwindow.cpp" line="91"/>
        <source>Save...</source>
        <translation>儲存…</translation>
    </message>
    <message>
        <location filename="../ui/charts/chartwindow.cpp" line="93"/>
        <source>Close</source>
        <translation>關閉</translation>
    </message>
    <message>
        <location filename="../ui/charts/chartwindow.cpp" line="145"/>
        <source>%1 (%2%)</source>
        <translation>%1（%2%）</translation>
    </message>
    <message>
        <location filename="../ui/charts/chartwindow.cpp" line="195"/>
        <source>Income</source>
        <translation>收入</translation>
    </message>
    <message>
        <location filename="../ui/charts/chartwindow.cpp" line="196"/>
        <source>Outgoing</source>
        <translation>支出</translation>
    </message>
    <message>
        <location filename="../ui/charts/chartwindow.cpp" line="274"/>
        <source>PNG Image (*.png);;SVG Image (*.svg)</source>
        <translation>PNG 圖片 (*.png);;SVG 圖片 (*.svg)</translation>
    </message>
    <message>
        <location filename="../ui/charts/chartwindow.cpp" line="280"/>
        <source>File %1 already exists.
Do you want to override it?</source>
        <translation>檔案 %1 已經存在。
是否要覆寫？</translation>
    </message>
    <message>
        <location filename="../ui/charts/chartwindow.cpp" line="281"/>
        <source>Pennywell</source>
        <translation>Pennywell</translation>
    </message>
    <message>
        <location filename="../ui/charts/chartwindow.cpp" line="284"/>
        <source>The chart could not be saved as %1.</source>
        <translation>無法將圖表儲存為 %1。</translation>
    </message>
    <message>
        <location filename="../ui/charts/chartwindow.cpp" line="122"/>
        <source>Balance: %1</source>
        <translation>餘額：%1</translation>
    </message>
    <message>
        <location filename="../ui/charts/chartwindow.cpp" line="123"/>
        <source>Income by type</source>
        <translation>各類別收入</translation>
    </message>
    <message>
        <location filename="../ui/charts/chartwindow.cpp" line="124"/>
        <source>No income in the chosen range</source>
        <translation>所選期間內沒有收入</translation>
    </message>
    <message>
        <location filename="../ui/charts/chartwindow.cpp" line="125"/>
        <source>Outgoing by type</source>
        <translation>各類別支出</translation>
    </message>
    <message>
        <location filename="../ui/charts/chartwindow.cpp" line="126"/>
        <source>No outgoing in the chosen range</source>
        <translation>所選期間內沒有支出</translation>
    </message>
    <message>
        <location filename="../ui/charts/chartwindow.cpp" line="217"/>
        <source>Income and outgoing</source>
        <translation>收入與支出</translation>
    </message>
</context>
<context>
    <name>ColumnMappingBoxes</name>
    <message>
        <location filename="../ui/statements/columnmappingboxes.cpp" line="20"/>
        <source>Ignore</source>
        <translation>不使用</translation>
    </message>
    <message>
        <location filename="../ui/statements/columnmappingboxes.cpp" line="21"/>
        <source>Date</source>
        <translation>日期</translation>
    </message>
    <message>
        <location filename="../ui/statements/columnmappingboxes.cpp" line="22"/>
        <source>Amount</source>
        <translation>金額</translation>
    </message>
    <message>
        <location filename="../ui/statements/columnmappingboxes.cpp" line="23"/>
        <source>Debit (out)</source>
        <translation>支出金額</translation>
    </message>
    <message>
        <location filename="../ui/statements/columnmappingboxes.cpp" line="24"/>
        <source>Credit (in)</source>
        <translation>存入金額</translation>
    </message>
    <message>
        <location filename="../ui/statements/columnmappingboxes.cpp" line="25"/>
        <source>Comment</source>
        <translation>備註</translation>
    </message>
    <message>
        <location filename="../ui/statements/columnmappingboxes.cpp" line="26"/>
        <source>Type</source>
        <translation>類別</translation>
    </message>
    <message>
        <location filename="../ui/statements/columnmappingboxes.cpp" line="27"/>
        <source>Direction</source>
        <translation>收支</translation>
    </message>
</context>
<context>
    <name>CsvCommands</name>
    <message>
        <location filename="../ui/csv/csvcommands.cpp" line="46"/>
        <source>CSV files, encoding detected (*.csv)</source>
        <translation>CSV 檔案，自動偵測編碼 (*.csv)</translation>
    </message>
    <message>
        <location filename="../ui/csv/csvcommands.cpp" line="46"/>
        <source>CSV files, UTF-8 (*.csv)</source>
        <translation>CSV 檔案，UTF-8 (*.csv)</translation>
    </message>
    <message>
        <location filename="../ui/csv/csvcommands.cpp" line="47"/>
        <source>CSV files, Big5 (*.csv)</source>
        <translation>CSV 檔案，Big5 (*.csv)</translation>
    </message>
    <message>
        <location filename="../ui/csv/csvcommands.cpp" line="48"/>
        <source>Import CSV</source>
        <translation>匯入 CSV</translation>
    </message>
    <message>
        <location filename="../ui/csv/csvcommands.cpp" line="74"/>
        <source>CSV, UTF-8 (*.csv)</source>
        <translation>CSV 檔案，UTF-8 (*.csv)</translation>
    </message>
    <message>
        <location filename="../ui/csv/csvcommands.cpp" line="74"/>
        <source>CSV, UTF-8 for spreadsheets (*.csv)</source>
        <translation>CSV 檔案，UTF-8，供試算表使用 (*.csv)</translation>
    </message>
    <message>
        <location filename="../ui/csv/csvcommands.cpp" line="74"/>
        <source>CSV, Big5 (*.csv)</source>
        <translation>CSV 檔案，Big5 (*.csv)</translation>
    </message>
    <message>
        <location filename="../ui/csv/csvcommands.cpp" line="90"/>
        <source>The file %1 is the backup of the open book, kept from before its last save.
Do you want to replace it with the CSV?</source>
        <translation>檔案 %1 是目前開啟的資料庫的備份，保留自上次儲存之前。
要以 CSV 取代它嗎？</translation>
    </message>
    <message>
        <location filename="../ui/csv/csvcommands.cpp" line="98"/>
        <source>The file %1 is a Pennywell book.
Do you want to replace it with the CSV?</source>
        <translation>檔案 %1 是 Pennywell 資料庫。
要以 CSV 取代它嗎？</translation>
    </message>
    <message>
        <location filename="../ui/csv/csvcommands.cpp" line="115"/>
        <source>The file %1 can&apos;t be written: %2</source>
        <translation>無法寫入檔案 %1：%2</translation>
    </message>
    <message>
        <location filename="../ui/csv/csvcommands.cpp" line="85"/>
        <source>The file %1 is the open book itself; the CSV would replace it. Nothing was written.</source>
        <translation>檔案 %1 就是目前開啟的資料庫本身，CSV 會取代它。未寫入任何內容。</translation>
    </message>
</context>
<context>
    <name>CsvImport</name>
    <message>
        <location filename="../text/bookcsvmessages.cpp" line="29"/>
        <source>the file is empty; it needs a header row such as index,date,direction,amount,type,comment</source>
        <translation>檔案是空的；第一列必須是標題列，例如 index,date,direction,amount,type,comment</translation>
    </message>
    <message>
        <location filename="../text/bookcsvmessages.cpp" line="33"/>
        <source>unknown column &quot;%1&quot;; the columns are index, date, direction, amount, type and comment</source>
        <translation>未知的欄位「%1」；可用的欄位為 index、date、direction、amount、type 和 comment</translation>
    </message>
    <message>
        <location filename="../text/bookcsvmessages.cpp" line="36"/>
        <source>the column &quot;%1&quot; appears twice</source>
        <translation>欄位「%1」出現了兩次</translation>
    </message>
    <message>
        <location filename="../text/bookcsvmessages.cpp" line="37"/>
        <source>the header has no &quot;%1&quot; column</source>
        <translation>標題列中沒有「%1」欄位</translation>
    </message>
    <message>
        <location filename="../text/bookcsvmessages.cpp" line="39"/>
        <source>a quote inside a field that doesn&apos;t start with one; enclose the field in quotes and double the quote</source>
        <translation>欄位中有引號，但欄位不是以引號開頭；請用引號括住整個欄位，並將欄位中的每個引號連寫兩次</translation>
    </message>
    <message>
        <location filename="../text/bookcsvmessages.cpp" line="43"/>
        <source>text after the closing quote of a field</source>
        <translation>欄位的結尾引號後面還有文字</translation>
    </message>
    <message>
        <location filename="../text/bookcsvmessages.cpp" line="44"/>
        <source>a quoted field is never closed</source>
        <translation>以引號開頭的欄位缺少結尾引號</translation>
    </message>
    <message>
        <location filename="../text/bookcsvmessages.cpp" line="46"/>
        <source>%1 fields where the header has %2</source>
        <translation>此列有 %1 個欄位，但標題列有 %2 個</translation>
    </message>
    <message>
        <location filename="../text/bookcsvmessages.cpp" line="49"/>
        <source>the date &quot;%1&quot; is not a calendar date written YYYY-MM-DD</source>
        <translation>日期「%1」不是以 YYYY-MM-DD 格式寫成的有效日期</translation>
    </message>
    <message>
        <location filename="../text/bookcsvmessages.cpp" line="52"/>
        <source>the direction &quot;%1&quot; is neither &quot;income&quot; nor &quot;outgoing&quot;</source>
        <translation>「direction」欄位的值「%1」既不是「income」也不是「outgoing」</translation>
    </message>
    <message>
        <location filename="../text/bookcsvmessages.cpp" line="54"/>
        <source>the amount &quot;%1&quot; is not a whole number</source>
        <translation>金額「%1」不是整數</translation>
    </message>
    <message>
        <location filename="../text/bookcsvmessages.cpp" line="56"/>
        <source>the amount %1 is out of range (-2147483648 to 2147483647)</source>
        <translation>金額 %1 超出範圍（-2147483648 到 2147483647）</translation>
    </message>
    <message>
        <location filename="../text/bookcsvmessages.cpp" line="58"/>
        <source>the %1 is not valid UTF-8 text</source>
        <translation>「%1」欄位不是有效的 UTF-8 文字</translation>
    </message>
    <message>
        <location filename="../text/bookcsvmessages.cpp" line="59"/>
        <source>the %1 is not valid Big5 text</source>
        <translation>「%1」欄位不是有效的 Big5 文字</translation>
    </message>
    <message>
        <location filename="../text/bookcsvmessages.cpp" line="61"/>
        <source>the %1 &quot;%2&quot; holds a character that Big5 can&apos;t store</source>
        <translation>「%1」欄位的值「%2」含有 Big5 無法儲存的字元</translation>
    </message>
    <message>
        <location filename="../text/bookcsvmessages.cpp" line="65"/>
        <source>the %1 is %2 characters long; at most %3 fit</source>
        <translation>「%1」欄位的值長達 %2 個字元；最多只能有 %3 個字元</translation>
    </message>
    <message>
        <location filename="../text/bookcsvmessages.cpp" line="70"/>
        <source>the %1 is %2 bytes long in Big5; at most %3 fit</source>
        <translation>「%1」欄位的值以 Big5 儲存長達 %2 位元組；最多只能有 %3 位元組</translation>
    </message>
    <message>
        <location filename="../text/bookcsvmessages.cpp" line="77"/>
        <source>the new type &quot;%1&quot; would be one more than the 128 types a database can hold</source>
        <translation>新類別「%1」會使類別數超過資料庫最多可容納的 128 個</translation>
    </message>
    <message>
        <location filename="../text/bookcsvmessages.cpp" line="79"/>
        <source>the database has no transaction index left for this row</source>
        <translation>資料庫已沒有可供此列使用的交易編號</translation>
    </message>
    <message>
        <location filename="../text/bookcsvmessages.cpp" line="81"/>
        <source>Line %1: %2</source>
        <translation>第 %1 行：%2</translation>
    </message>
    <message>
        <location filename="../text/bookcsvmessages.cpp" line="85"/>
        <source>The CSV file was not imported; the database is unchanged.</source>
        <translation>未匯入 CSV 檔案；資料庫沒有任何變更。</translation>
    </message>
    <message numerus="yes">
        <location filename="../text/bookcsvmessages.cpp" line="96"/>
        <source>%n more faulty row(s) not listed.</source>
        <translation>
            <numerusform>另有 %n 列有誤，未列出。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DBNameDialog</name>
    <message>
        <location filename="../ui/prompts/dbnamedialog.cpp" line="19"/>
        <source>Database Name</source>
        <translation>資料庫名稱</translation>
    </message>
    <message>
        <location filename="../ui/prompts/dbnamedialog.cpp" line="20"/>
        <source>Enter the database name</source>
        <translation>請輸入資料庫名稱</translation>
    </message>
    <message>
        <location filename="../ui/prompts/dbnamedialog.cpp" line="26"/>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <location filename="../ui/prompts/dbnamedialog.cpp" line="28"/>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <location filename="../ui/prompts/dbnamedialog.cpp" line="73"/>
        <source>The character &quot;%1&quot; (U+%2) can&apos;t be stored: Big5 has no such character.</source>
        <translation>無法儲存字元「%1」（U+%2）：Big5 沒有這個字元。</translation>
    </message>
    <message>
        <location filename="../ui/prompts/dbnamedialog.cpp" line="75"/>
        <source>The name takes %1 bytes in Big5; at most %2 can be stored.</source>
        <translation>此名稱以 Big5 編碼佔 %1 位元組；最多只能儲存 %2 位元組。</translation>
    </message>
    <message>
        <location filename="../ui/prompts/dbnamedialog.cpp" line="86"/>
        <source>The character U+%1 can&apos;t be stored: a name may hold no control character other than the tab, and no code that is no character.</source>
        <translation>無法儲存字元 U+%1：名稱中除了定位字元（Tab）以外不得有控制字元，也不得有非字元的碼位。</translation>
    </message>
    <message>
        <location filename="../ui/prompts/dbnamedialog.cpp" line="91"/>
        <source>The name holds a code that is no character.</source>
        <translation>此名稱含有非字元的碼位。</translation>
    </message>
    <message>
        <location filename="../ui/prompts/dbnamedialog.cpp" line="94"/>
        <source>The name is %1 characters long; at most %2 can be stored.</source>
        <translation>此名稱長 %1 個字元；最多只能儲存 %2 個字元。</translation>
    </message>
    <message>
        <location filename="../ui/prompts/dbnamedialog.cpp" line="114"/>
        <source>The name can&apos;t be stored in this database.</source>
        <translation>此名稱無法儲存在這個資料庫中。</translation>
    </message>
    <message>
        <location filename="../ui/prompts/dbnamedialog.cpp" line="115"/>
        <source>The name can&apos;t be stored in a Pennywell database file.</source>
        <translation>此名稱無法儲存在 Pennywell 資料庫檔案中。</translation>
    </message>
</context>
<context>
    <name>FilterBar</name>
    <message>
        <location filename="../ui/find/filterbar.cpp" line="137"/>
        <source>All types</source>
        <translation>所有類別</translation>
    </message>
    <message>
        <location filename="../ui/find/filterbar.cpp" line="153"/>
        <source>F&amp;ind:</source>
        <translation>尋找(&amp;I)：</translation>
    </message>
    <message>
        <location filename="../ui/find/filterbar.cpp" line="154"/>
        <source>Comment or type</source>
        <translation>備註或類別</translation>
    </message>
    <message>
        <location filename="../ui/find/filterbar.cpp" line="155"/>
        <source>Close the find bar (Esc)</source>
        <translation>關閉尋找列（Esc）</translation>
    </message>
    <message>
        <location filename="../ui/find/filterbar.cpp" line="156"/>
        <source>From</source>
        <translation>日期</translation>
    </message>
    <message>
        <location filename="../ui/find/filterbar.cpp" line="157"/>
        <source>to</source>
        <translation>至</translation>
    </message>
    <message>
        <location filename="../ui/find/filterbar.cpp" line="160"/>
        <source>Income and outgoing</source>
        <translation>收入與支出</translation>
    </message>
    <message>
        <location filename="../ui/find/filterbar.cpp" line="161"/>
        <source>Income only</source>
        <translation>僅收入</translation>
    </message>
    <message>
        <location filename="../ui/find/filterbar.cpp" line="162"/>
        <source>Outgoing only</source>
        <translation>僅支出</translation>
    </message>
</context>
<context>
    <name>FormatQuestion</name>
    <message>
        <location filename="../ui/book/formatquestion.cpp" line="30"/>
        <source>This book is kept in the format older versions of Pennywell read, which has no room for a text this long. Keep it exactly in the newer format? Pennywell 1.1 and older can&apos;t open the converted book; the backup keeps this version.</source>
        <translation>這個資料庫以舊版 Pennywell 可讀取的格式儲存，該格式容納不下這麼長的文字。要改以較新的格式完整保存嗎？Pennywell 1.1 及更舊的版本無法開啟轉換後的資料庫；備份檔會保留目前的版本。</translation>
    </message>
    <message>
        <location filename="../ui/book/formatquestion.cpp" line="33"/>
        <source>This book is kept in the format older versions of Pennywell read, which has no &apos;%1&apos;. Keep it exactly in the newer format? Pennywell 1.1 and older can&apos;t open the converted book; the backup keeps this version.</source>
        <translation>這個資料庫以舊版 Pennywell 可讀取的格式儲存，該格式沒有「%1」這個字元。要改以較新的格式完整保存嗎？Pennywell 1.1 及更舊的版本無法開啟轉換後的資料庫；備份檔會保留目前的版本。</translation>
    </message>
    <message>
        <location filename="../ui/book/formatquestion.cpp" line="48"/>
        <source>This book is kept in the format older versions of Pennywell read, which has no cents. Keep it exactly in the newer format? Pennywell 1.1 and older can&apos;t open the converted book; the backup keeps this version.</source>
        <translation>這個資料庫以舊版 Pennywell 可讀取的格式儲存，該格式的金額沒有小數。要改以較新的格式完整保存嗎？Pennywell 1.1 及更舊的版本無法開啟轉換後的資料庫；備份檔會保留目前的版本。</translation>
    </message>
    <message>
        <location filename="../ui/book/formatquestion.cpp" line="78"/>
        <source>Newer Format</source>
        <translation>較新的格式</translation>
    </message>
    <message>
        <location filename="../ui/book/formatquestion.cpp" line="78"/>
        <source>Convert</source>
        <translation>轉換</translation>
    </message>
</context>
<context>
    <name>GrandTotalDialog</name>
    <message>
        <location filename="../ui/statistics/grandtotaldialog.cpp" line="10"/>
        <location filename="../ui/statistics/grandtotaldialog.cpp" line="18"/>
        <source>Grand Total</source>
        <translation>總計</translation>
    </message>
    <message>
        <location filename="../ui/statistics/balancetext.cpp" line="15"/>
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
    <message>
        <location filename="../ui/statistics/balancetext.cpp" line="13"/>
        <source>Outgoing</source>
        <translation>支出</translation>
    </message>
    <message>
        <location filename="../ui/statistics/balancetext.cpp" line="14"/>
        <source>Income</source>
        <translation>收入</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <location filename="../ui/prompts/coremessages.cpp" line="28"/>
        <source>Array out of bound</source>
        <translation>陣列索引超出範圍。</translation>
    </message>
    <message>
        <location filename="../ui/prompts/coremessages.cpp" line="30"/>
        <source>There are still other transactions use this type</source>
        <translation>仍有其他交易使用這個類別。</translation>
    </message>
    <message>
        <location filename="../ui/prompts/coremessages.cpp" line="31"/>
        <source>No transaction type</source>
        <translation>沒有這個交易類別。</translation>
    </message>
    <message>
        <location filename="../ui/prompts/coremessages.cpp" line="32"/>
        <source>The transaction index is not exist</source>
        <translation>沒有這個編號的交易。</translation>
    </message>
    <message>
        <location filename="../ui/prompts/coremessages.cpp" line="33"/>
        <source>File open error</source>
        <translation>無法開啟檔案。</translation>
    </message>
    <message>
        <location filename="../ui/prompts/coremessages.cpp" line="34"/>
        <source>Not Pennywell database file</source>
        <translation>這不是 Pennywell 資料庫檔案。</translation>
    </message>
    <message>
        <location filename="../ui/prompts/coremessages.cpp" line="36"/>
        <source>This PWDB file is correspond with this program</source>
        <translation>這個 PWDB 檔案的版本與本程式不相符。</translation>
    </message>
    <message>
        <location filename="../ui/prompts/coremessages.cpp" line="37"/>
        <source>Too many transaction types</source>
        <translation>交易類別太多。</translation>
    </message>
    <message>
        <location filename="../ui/prompts/coremessages.cpp" line="38"/>
        <source>Damaged Pennywell database file</source>
        <translation>Pennywell 資料庫檔案已損毀。</translation>
    </message>
    <message>
        <location filename="../ui/prompts/coremessages.cpp" line="39"/>
        <source>File write error</source>
        <translation>無法寫入檔案。</translation>
    </message>
    <message>
        <location filename="../ui/prompts/coremessages.cpp" line="40"/>
        <source>The database name is longer than 255 bytes</source>
        <translation>資料庫名稱超過 255 位元組。</translation>
    </message>
    <message>
        <location filename="../ui/prompts/coremessages.cpp" line="41"/>
        <source>A type name is longer than 255 bytes</source>
        <translation>類別名稱超過 255 位元組。</translation>
    </message>
    <message>
        <location filename="../ui/prompts/coremessages.cpp" line="42"/>
        <source>A comment is longer than 255 bytes</source>
        <translation>備註超過 255 位元組。</translation>
    </message>
    <message>
        <location filename="../ui/prompts/coremessages.cpp" line="43"/>
        <source>No transaction index left</source>
        <translation>已經沒有可用的交易編號。</translation>
    </message>
    <message>
        <location filename="../ui/prompts/coremessages.cpp" line="48"/>
        <source>From, Today and To must be dates in this order</source>
        <translation>起始日、今天與結束日必須是依此順序排列的日期。</translation>
    </message>
    <message>
        <location filename="../ui/prompts/coremessages.cpp" line="49"/>
        <source>The type %1 has existed</source>
        <translation>類別「%1」已經存在。</translation>
    </message>
    <message>
        <location filename="../ui/prompts/coremessages.cpp" line="51"/>
        <source>This book was made by a newer Pennywell</source>
        <translation>此資料庫由較新版本的 Pennywell 建立</translation>
    </message>
    <message>
        <location filename="../ui/prompts/coremessages.cpp" line="53"/>
        <source>A text is not UTF-8 or holds a control character</source>
        <translation>有文字不是 UTF-8，或含有控制字元</translation>
    </message>
    <message>
        <location filename="../ui/prompts/coremessages.cpp" line="55"/>
        <source>The database name is longer than 100 characters</source>
        <translation>資料庫名稱超過 100 個字元</translation>
    </message>
    <message>
        <location filename="../ui/prompts/coremessages.cpp" line="57"/>
        <source>A type name is longer than 100 characters</source>
        <translation>類別名稱超過 100 個字元</translation>
    </message>
    <message>
        <location filename="../ui/prompts/coremessages.cpp" line="59"/>
        <source>A comment is longer than 1000 characters</source>
        <translation>備註超過 1000 個字元</translation>
    </message>
    <message>
        <location filename="../ui/prompts/coremessages.cpp" line="60"/>
        <source>A book keeps 0, 2 or 3 decimals</source>
        <translation>資料庫的小數位數只能是 0、2 或 3</translation>
    </message>
    <message>
        <location filename="../ui/prompts/coremessages.cpp" line="62"/>
        <source>An amount is too large for the book&apos;s decimals</source>
        <translation>有金額在此資料庫的小數位數下過大</translation>
    </message>
    <message>
        <location filename="../ui/prompts/coremessages.cpp" line="152"/>
        <source>%1: %2</source>
        <extracomment>A file&apos;s path, then why the system refused it (&quot;Permission denied&quot;)</extracomment>
        <translation>%1：%2</translation>
    </message>
    <message>
        <location filename="../ui/languages/languagefolder.cpp" line="13"/>
        <source>English</source>
        <translation>繁體中文</translation>
    </message>
    <message>
        <location filename="../ui/window/filecommands.cpp" line="29"/>
        <source>Pennywell Database File (*.pwdb)</source>
        <translation>Pennywell 資料庫檔案 (*.pwdb)</translation>
    </message>
    <message>
        <location filename="../ui/window/windowactions.cpp" line="38"/>
        <source>&amp;New</source>
        <translation>開新檔案(&amp;N)</translation>
    </message>
    <message>
        <location filename="../ui/window/windowactions.cpp" line="38"/>
        <source>Ctrl+N</source>
        <translation>Ctrl+N</translation>
    </message>
    <message>
        <location filename="../ui/window/windowactions.cpp" line="39"/>
        <source>Create a new database</source>
        <translation>建立新的資料庫</translation>
    </message>
    <message>
        <location filename="../ui/window/windowactions.cpp" line="41"/>
        <source>&amp;Open</source>
        <translation>開啟舊檔(&amp;O)</translation>
    </message>
    <message>
        <location filename="../ui/window/windowactions.cpp" line="41"/>
        <source>Ctrl+O</source>
        <translation>Ctrl+O</translation>
    </message>
    <message>
        <location filename="../ui/window/windowactions.cpp" line="42"/>
        <source>Open an exist database</source>
        <translation>開啟現有的資料庫</translation>
    </message>
    <message>
        <location filename="../ui/window/windowactions.cpp" line="44"/>
        <source>&amp;Save</source>
        <translation>儲存(&amp;S)</translation>
    </message>
    <message>
        <location filename="../ui/window/windowactions.cpp" line="44"/>
        <source>Ctrl+S</source>
        <translation>Ctrl+S</translation>
    </message>
    <message>
        <location filename="../ui/window/windowactions.cpp" line="45"/>
        <source>Save the current database</source>
        <translation>儲存目前的資料庫</translation>
    </message>
    <message>
        <location filename="../ui/window/windowactions.cpp" line="47"/>
        <source>Save &amp;As</source>
        <translation>另存新檔(&amp;A)</translation>
    </message>
    <message>
        <location filename="../ui/window/windowactions.cpp" line="48"/>
        <source>Save the current database as ...</source>
        <translation>以新的檔名儲存目前的資料庫</translation>
    </message>
    <message>
        <location filename="../ui/window/windowactions.cpp" line="50"/>
        <source>&amp;Close</source>
        <translation>關閉(&amp;C)</translation>
    </message>
    <message>
        <location filename="../ui/window/windowactions.cpp" line="51"/>
        <source>Close the current database</source>
        <translation>關閉目前的資料庫</translation>
    </message>
    <message>
        <location filename="../ui/window/windowactions.cpp" line="56"/>
        <source>Import S&amp;tatement…</source>
        <translation>匯入銀行對帳單(&amp;T)…</translation>
    </message>
    <message>
        <location filename="../ui/window/windowactions.cpp" line="57"/>
        <source>Add a bank&apos;s statement (CSV, OFX or QIF) to the database, previewed first</source>
        <translation>預覽後將銀行對帳單（CSV、OFX 或 QIF）中的交易加入資料庫</translation>
    </message>
    <message>
        <location filename="../ui/window/windowactions.cpp" line="63"/>
        <source>E&amp;xit</source>
        <translation>結束(&amp;X)</translation>
    </message>
    <message>
        <location filename="../ui/window/windowactions.cpp" line="63"/>
        <source>Ctrl+Q</source>
        <translation>Ctrl+Q</translation>
    </message>
    <message>
        <location filename="../ui/window/windowactions.cpp" line="64"/>
        <source>Exit the application</source>
        <translation>結束本程式</translation>
    </message>
    <message>
        <location filename="../ui/window/windowactions.cpp" line="78"/>
        <source>&amp;Create</source>
        <translation>建立(&amp;C)</translation>
    </message>
    <message>
        <location filename="../ui/window/windowactions.cpp" line="79"/>
        <source>Ctrl+C</source>
        <translation>Ctrl+C</translation>
    </message>
    <message>
        <location filename="../ui/window/windowactions.cpp" line="79"/>
        <source>Create a transaction</source>
        <translation>建立一筆交易</translation>
    </message>
    <message>
        <location filename="../ui/window/windowactions.cpp" line="81"/>
        <location filename="../ui/window/windowactions.cpp" line="87"/>
        <source>&amp;Delete</source>
        <translation>刪除(&amp;D)</translation>
    </message>
    <message>
        <location filename="../ui/window/windowactions.cpp" line="82"/>
        <source>Ctrl+D</source>
        <translation>Ctrl+D</translation>
    </message>
    <message>
        <location filename="../ui/window/windowactions.cpp" line="82"/>
        <source>Delete a transaction</source>
        <translation>刪除一筆交易</translation>
    </message>
    <message>
        <location filename="../ui/window/windowactions.cpp" line="84"/>
        <location filename="../ui/window/windowactions.cpp" line="90"/>
        <source>&amp;Modify</source>
        <translation>修改(&amp;M)</translation>
    </message>
    <message>
        <location filename="../ui/window/windowactions.cpp" line="85"/>
        <source>Ctrl+M</source>
        <translation>Ctrl+M</translation>
    </message>
    <message>
        <location filename="../ui/window/windowactions.cpp" line="85"/>
        <source>Modify a transaction</source>
        <translation>修改一筆交易</translation>
    </message>
    <message>
        <location filename="../ui/window/windowactions.cpp" line="88"/>
        <source>Delete this transaction</source>
        <translation>刪除這筆交易</translation>
    </message>
    <message>
        <location filename="../ui/window/windowactions.cpp" line="91"/>
        <source>Modify this transaction</source>
        <translation>修改這筆交易</translation>
    </message>
    <message>
        <location filename="../ui/window/windowactions.cpp" line="94"/>
        <source>&amp;Set the Database Name</source>
        <translation>設定資料庫名稱(&amp;N)</translation>
    </message>
    <message>
        <location filename="../ui/window/windowactions.cpp" line="95"/>
        <source>Set or modify the database name</source>
        <translation>設定或修改資料庫名稱</translation>
    </message>
    <message>
        <location filename="../ui/window/windowactions.cpp" line="100"/>
        <source>&amp;Grand Total</source>
        <translation>總計(&amp;G)</translation>
    </message>
    <message>
        <location filename="../ui/window/windowactions.cpp" line="101"/>
        <source>Ctrl+G</source>
        <translation>Ctrl+G</translation>
    </message>
    <message>
        <location filename="../ui/window/windowactions.cpp" line="101"/>
        <source>Calculate grand total</source>
        <translation>計算總計</translation>
    </message>
    <message>
        <location filename="../ui/window/windowactions.cpp" line="103"/>
        <source>&amp;Budget Analasis</source>
        <translation>預算分析(&amp;B)</translation>
    </message>
    <message>
        <location filename="../ui/window/windowactions.cpp" line="104"/>
        <source>Ctrl+B</source>
        <translation>Ctrl+B</translation>
    </message>
    <message>
        <location filename="../ui/window/windowactions.cpp" line="104"/>
        <source>Analyze your budget plan</source>
        <translation>分析您的預算計畫</translation>
    </message>
    <message>
        <location filename="../ui/window/windowactions.cpp" line="106"/>
        <source>&amp;Percentage Analysis</source>
        <translation>百分比分析(&amp;P)</translation>
    </message>
    <message>
        <location filename="../ui/window/windowactions.cpp" line="107"/>
        <source>Ctrl+P</source>
        <translation>Ctrl+P</translation>
    </message>
    <message>
        <location filename="../ui/window/windowactions.cpp" line="108"/>
        <source>Analyze the percentage of each Income/Outgoing type</source>
        <translation>分析各收入或支出類別所佔的百分比</translation>
    </message>
    <message>
        <location filename="../ui/window/windowactions.cpp" line="115"/>
        <source>&amp;About</source>
        <translation>關於 Pennywell(&amp;A)</translation>
    </message>
    <message>
        <location filename="../ui/window/windowactions.cpp" line="116"/>
        <source>Show the application&apos;s About box</source>
        <translation>顯示本程式的「關於」對話方塊</translation>
    </message>
    <message>
        <location filename="../ui/window/windowactions.cpp" line="118"/>
        <source>About &amp;Qt</source>
        <translation>關於 Qt(&amp;Q)</translation>
    </message>
    <message>
        <location filename="../ui/window/windowactions.cpp" line="119"/>
        <source>Show the Qt library&apos;s About box</source>
        <translation>顯示 Qt 程式庫的「關於」對話方塊</translation>
    </message>
    <message>
        <location filename="../ui/window/windowactions.cpp" line="132"/>
        <source>&amp;File</source>
        <translation>檔案(&amp;F)</translation>
    </message>
    <message>
        <location filename="../ui/window/windowactions.cpp" line="134"/>
        <source>&amp;Transaction</source>
        <translation>交易(&amp;T)</translation>
    </message>
    <message>
        <location filename="../ui/window/windowactions.cpp" line="135"/>
        <source>&amp;Database</source>
        <translation>資料庫(&amp;D)</translation>
    </message>
    <message>
        <location filename="../ui/window/windowactions.cpp" line="136"/>
        <source>&amp;Statistic</source>
        <translation>統計(&amp;S)</translation>
    </message>
    <message>
        <location filename="../ui/window/windowactions.cpp" line="137"/>
        <source>&amp;Language</source>
        <translation>語言(&amp;L)</translation>
    </message>
    <message>
        <location filename="../ui/window/windowactions.cpp" line="138"/>
        <source>&amp;Help</source>
        <translation>說明(&amp;H)</translation>
    </message>
    <message>
        <location filename="../ui/window/windowstatus.cpp" line="38"/>
        <source>File Modified</source>
        <translation>檔案已修改</translation>
    </message>
    <message>
        <location filename="../ui/window/windowstatus.cpp" line="38"/>
        <source>File Saved</source>
        <translation>檔案已儲存</translation>
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
            <numerusform>%1 筆交易中有 %n 筆符合，餘額 %2</numerusform>
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
        <translation>關於 Pennywell</translation>
    </message>
    <message>
        <location filename="../ui/prompts/warnuser.cpp" line="10"/>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <location filename="../ui/window/mainwindow.cpp" line="215"/>
        <source>The name can&apos;t be stored in a Pennywell database file: it may hold only Big5 characters and at most 255 bytes.</source>
        <translation>這個名稱無法存入 Pennywell 資料庫檔案：名稱只能使用 Big5 字元，且長度不得超過 255 位元組。</translation>
    </message>
    <message>
        <location filename="../ui/window/filecommands.cpp" line="36"/>
        <source>The database has been modified.
Do you want to save your changes?</source>
        <translation>資料庫已修改。
是否要儲存變更？</translation>
    </message>
    <message>
        <location filename="../ui/csv/csvcommands.cpp" line="106"/>
        <location filename="../ui/window/filecommands.cpp" line="81"/>
        <source>File %1 already exists.
Do you want to override it?</source>
        <translation>檔案 %1 已經存在。
是否要覆寫？</translation>
    </message>
    <message>
        <location filename="../ui/book/transactioncolumns.cpp" line="18"/>
        <source>Index</source>
        <extracomment>The table&apos;s column of transaction numbers</extracomment>
        <translation>編號</translation>
    </message>
    <message>
        <location filename="../ui/book/transactioncolumns.cpp" line="19"/>
        <source>Date</source>
        <translation>日期</translation>
    </message>
    <message>
        <location filename="../ui/book/transactioncolumns.cpp" line="21"/>
        <source>In/Out</source>
        <extracomment>The table&apos;s column header: whether a transaction is income or outgoing</extracomment>
        <translation>收支</translation>
    </message>
    <message>
        <location filename="../ui/book/transactioncolumns.cpp" line="23"/>
        <source>Money</source>
        <extracomment>The table&apos;s column header: a transaction&apos;s amount</extracomment>
        <translation>金額</translation>
    </message>
    <message>
        <location filename="../ui/book/transactioncolumns.cpp" line="25"/>
        <source>Type</source>
        <extracomment>The table&apos;s column header: the category of a transaction</extracomment>
        <translation>類別</translation>
    </message>
    <message>
        <location filename="../ui/book/transactioncolumns.cpp" line="26"/>
        <source>Comment</source>
        <translation>備註</translation>
    </message>
    <message>
        <location filename="../ui/book/transactioncolumns.cpp" line="28"/>
        <source>Income</source>
        <translation>收入</translation>
    </message>
    <message>
        <location filename="../ui/book/transactioncolumns.cpp" line="29"/>
        <source>Outgoing</source>
        <translation>支出</translation>
    </message>
    <message>
        <location filename="../ui/window/windowactions.cpp" line="53"/>
        <source>&amp;Import CSV…</source>
        <translation>匯入 CSV(&amp;I)…</translation>
    </message>
    <message>
        <location filename="../ui/window/windowactions.cpp" line="54"/>
        <source>Add the transactions of a CSV file to the database</source>
        <translation>將 CSV 檔案中的交易加入資料庫</translation>
    </message>
    <message>
        <location filename="../ui/window/windowactions.cpp" line="59"/>
        <source>&amp;Export CSV…</source>
        <translation>匯出 CSV(&amp;E)…</translation>
    </message>
    <message>
        <location filename="../ui/window/windowactions.cpp" line="60"/>
        <source>Write the transactions to a CSV file</source>
        <translation>將交易寫入 CSV 檔案</translation>
    </message>
    <message>
        <location filename="../ui/window/windowactions.cpp" line="133"/>
        <source>&amp;Edit</source>
        <translation>編輯(&amp;E)</translation>
    </message>
    <message>
        <location filename="../ui/window/windowactions.cpp" line="110"/>
        <source>C&amp;harts</source>
        <translation>圖表(&amp;H)</translation>
    </message>
    <message>
        <location filename="../ui/window/windowactions.cpp" line="111"/>
        <source>Show the shares of the chosen types and each month&apos;s income and outgoing as charts</source>
        <translation>以圖表顯示所選類別的比例及每月的收入與支出</translation>
    </message>
    <message>
        <location filename="../ui/prompts/coremessages.cpp" line="44"/>
        <source>The transaction index is in use</source>
        <translation>交易編號已被使用。</translation>
    </message>
    <message>
        <location filename="../ui/prompts/coremessages.cpp" line="131"/>
        <source>No such file or folder</source>
        <translation>找不到檔案或資料夾</translation>
    </message>
    <message>
        <location filename="../ui/prompts/coremessages.cpp" line="132"/>
        <source>Permission denied</source>
        <translation>權限不足</translation>
    </message>
    <message>
        <location filename="../ui/prompts/coremessages.cpp" line="133"/>
        <source>Operation not permitted</source>
        <translation>不允許此操作</translation>
    </message>
    <message>
        <location filename="../ui/prompts/coremessages.cpp" line="134"/>
        <source>Is a folder</source>
        <translation>這是資料夾</translation>
    </message>
    <message>
        <location filename="../ui/prompts/coremessages.cpp" line="135"/>
        <source>Not a folder</source>
        <translation>這不是資料夾</translation>
    </message>
    <message>
        <location filename="../ui/prompts/coremessages.cpp" line="136"/>
        <source>Disk full</source>
        <translation>磁碟已滿</translation>
    </message>
    <message>
        <location filename="../ui/prompts/coremessages.cpp" line="137"/>
        <source>Disk quota exceeded</source>
        <translation>已超過磁碟配額</translation>
    </message>
    <message>
        <location filename="../ui/prompts/coremessages.cpp" line="138"/>
        <source>File too large</source>
        <translation>檔案太大</translation>
    </message>
    <message>
        <location filename="../ui/prompts/coremessages.cpp" line="139"/>
        <source>Read-only file system</source>
        <translation>唯讀檔案系統</translation>
    </message>
    <message>
        <location filename="../ui/prompts/coremessages.cpp" line="140"/>
        <source>Input/output error</source>
        <translation>輸入/輸出錯誤</translation>
    </message>
    <message>
        <location filename="../ui/window/filecommands.cpp" line="52"/>
        <source>The open book is unchanged.</source>
        <translation>已開啟的資料庫沒有變更。</translation>
    </message>
    <message>
        <location filename="../ui/window/filecommands.cpp" line="85"/>
        <source>%1 was changed by another program since it was opened. Replace it? The other version will be kept as %2.</source>
        <translation>「%1」自開啟後已被其他程式變更。要取代它嗎？另一個版本會保留為「%2」。</translation>
    </message>
    <message>
        <location filename="../ui/window/filecommands.cpp" line="95"/>
        <source>Waiting for another program that is saving %1…</source>
        <translation>正在等候另一個程式儲存「%1」……</translation>
    </message>
    <message>
        <location filename="../ui/window/filecommands.cpp" line="101"/>
        <source>Saved; the other program&apos;s version is kept as %1</source>
        <translation>已儲存；另一個程式的版本保留為「%1」</translation>
    </message>
    <message>
        <location filename="../ui/window/filecommands.cpp" line="107"/>
        <source>%1 now belongs to %2, not to %3.</source>
        <extracomment>A file, the user / group it belongs to now, those it belonged to</extracomment>
        <translation>「%1」現在屬於 %2，而不是 %3。</translation>
    </message>
    <message>
        <location filename="../ui/window/filecommands.cpp" line="111"/>
        <source>Only the administrator can give a file to another user, and only a member of a group to that group.</source>
        <translation>只有系統管理員能將檔案轉給其他使用者，也只有群組的成員能將檔案轉給該群組。</translation>
    </message>
    <message>
        <location filename="../ui/window/filecommands.cpp" line="113"/>
        <source>Only the administrator can give a file to another user; the group is kept, so its members can still use the book.</source>
        <translation>只有系統管理員能將檔案轉給其他使用者；群組已保留，因此群組的成員仍可使用此資料庫。</translation>
    </message>
    <message>
        <location filename="../ui/window/filecommands.cpp" line="115"/>
        <source>The book was saved, but could not keep its owner or group.</source>
        <translation>資料庫已儲存，但無法保留原本的擁有者或群組。</translation>
    </message>
    <message>
        <location filename="../ui/window/filecommands.cpp" line="125"/>
        <source>Nothing was saved; your changes are still open.</source>
        <translation>沒有儲存任何內容；您的變更仍保留在開啟的資料庫中。</translation>
    </message>
    <message>
        <location filename="../ui/window/filecommands.cpp" line="137"/>
        <source>The file on disk can&apos;t be read as a book, so Save can&apos;t keep it as the backup; Save As still works.</source>
        <translation>磁碟上的檔案無法當作資料庫讀取，因此「儲存」無法將它保留為備份；「另存新檔」仍可使用。</translation>
    </message>
    <message>
        <location filename="../ui/window/windowactions.cpp" line="74"/>
        <source>&amp;Find</source>
        <translation>尋找(&amp;F)</translation>
    </message>
    <message>
        <location filename="../ui/window/windowactions.cpp" line="74"/>
        <source>Ctrl+F</source>
        <translation>Ctrl+F</translation>
    </message>
    <message>
        <location filename="../ui/window/windowactions.cpp" line="75"/>
        <source>Show only the transactions that match</source>
        <translation>只顯示符合條件的交易</translation>
    </message>
    <message>
        <location filename="../ui/window/mainwindow.cpp" line="176"/>
        <source>&amp;Undo %1</source>
        <translation>復原「%1」(&amp;U)</translation>
    </message>
    <message>
        <location filename="../ui/window/mainwindow.cpp" line="176"/>
        <location filename="../ui/window/windowactions.cpp" line="67"/>
        <source>&amp;Undo</source>
        <translation>復原(&amp;U)</translation>
    </message>
    <message>
        <location filename="../ui/window/mainwindow.cpp" line="213"/>
        <source>The name can&apos;t be stored in this database.</source>
        <translation>此名稱無法儲存在這個資料庫中。</translation>
    </message>
    <message>
        <location filename="../ui/window/windowactions.cpp" line="67"/>
        <source>Ctrl+Z</source>
        <translation>Ctrl+Z</translation>
    </message>
    <message>
        <location filename="../ui/window/windowactions.cpp" line="68"/>
        <source>Take back the last change to the database</source>
        <translation>復原對資料庫的上一個變更</translation>
    </message>
    <message>
        <location filename="../ui/window/mainwindow.cpp" line="177"/>
        <source>&amp;Redo %1</source>
        <translation>取消復原「%1」(&amp;R)</translation>
    </message>
    <message>
        <location filename="../ui/window/mainwindow.cpp" line="177"/>
        <location filename="../ui/window/windowactions.cpp" line="70"/>
        <source>&amp;Redo</source>
        <translation>取消復原(&amp;R)</translation>
    </message>
    <message>
        <location filename="../ui/window/windowactions.cpp" line="72"/>
        <source>Make the change taken back again</source>
        <translation>重新套用已復原的變更</translation>
    </message>
    <message>
        <location filename="../ui/prompts/coremessages.cpp" line="46"/>
        <source>The backup file&apos;s name would be longer than 255 bytes</source>
        <translation>備份檔的名稱會超過 255 位元組。</translation>
    </message>
    <message>
        <location filename="../ui/prompts/coremessages.cpp" line="50"/>
        <source>not enough memory to read %1</source>
        <translation>記憶體不足，無法讀取「%1」。</translation>
    </message>
    <message>
        <location filename="../ui/app/appidentity.cpp" line="26"/>
        <source>&lt;h2&gt;Pennywell %1&lt;/h2&gt;&lt;p&gt;Produced by&lt;p&gt;the Pennywell developers&lt;p&gt;Please report problems on the Pennywell project&apos;s issue tracker.&lt;p&gt;Pennywell Tool</source>
        <translation>&lt;h2&gt;Pennywell %1&lt;/h2&gt;&lt;p&gt;製作：Pennywell 開發團隊&lt;p&gt;如有問題，請回報至 Pennywell 專案的問題追蹤系統。</translation>
    </message>
    <message>
        <location filename="../ui/app/appidentity.cpp" line="34"/>
        <source>&lt;p&gt;Pennywell is free software: you may share and change it under the GNU General Public License, version 3 or later.</source>
        <translation>&lt;p&gt;Pennywell 是自由軟體：您可以依照 GNU 通用公共授權條款第 3 版或更新版本散布及修改。</translation>
    </message>
    <message>
        <location filename="../ui/csv/csvcommands.cpp" line="68"/>
        <source>Exported to %1</source>
        <translation>已匯出至 %1</translation>
    </message>
    <message>
        <location filename="../ui/window/windowactions.cpp" line="71"/>
        <source>Ctrl+Shift+Z; Ctrl+Y</source>
        <translation>Ctrl+Shift+Z; Ctrl+Y</translation>
    </message>
    <message>
        <location filename="../ui/prompts/coremessages.cpp" line="64"/>
        <source>An amount has more decimals than the book would keep</source>
        <translation>有金額的小數位數多於資料庫可保留的位數</translation>
    </message>
    <message>
        <location filename="../ui/window/windowactions.cpp" line="97"/>
        <source>&amp;Book Settings…</source>
        <translation>資料庫設定(&amp;B)…</translation>
    </message>
    <message>
        <location filename="../ui/window/windowactions.cpp" line="98"/>
        <source>Set the book&apos;s format, decimals and name</source>
        <translation>設定資料庫的格式、小數位數與名稱</translation>
    </message>
    <message numerus="yes">
        <location filename="../ui/window/windowstatus.cpp" line="48"/>
        <source>Format 2 · %n decimals</source>
        <extracomment>The status bar&apos;s mark of a book kept in format 2; its decimals follow</extracomment>
        <translation>
            <numerusform>格式 2 · %n 位小數</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../ui/window/windowstatus.cpp" line="49"/>
        <source>The book is kept in the newer format, which Pennywell 1.1 and older can&apos;t open.</source>
        <translation>此資料庫以較新的格式儲存，Pennywell 1.1 及更舊的版本無法開啟。</translation>
    </message>
    <message>
        <location filename="../ui/window/windowstatus.cpp" line="56"/>
        <source>The new book is kept in format 2, which holds every character and amounts with cents.</source>
        <translation>新資料庫以格式 2 儲存，可容納所有字元及含小數的金額。</translation>
    </message>
    <message>
        <location filename="../ui/prompts/coremessages.cpp" line="68"/>
        <source>The file %1 could not be opened for writing</source>
        <translation>無法開啟檔案「%1」以進行寫入。</translation>
    </message>
</context>
<context>
    <name>PercentageDialog</name>
    <message>
        <location filename="../ui/statistics/percentagedialog.cpp" line="14"/>
        <location filename="../ui/statistics/percentagedialog.cpp" line="22"/>
        <source>Percentage Analysis</source>
        <translation>百分比分析</translation>
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
        <translation>&lt;TR&gt;&lt;TD&gt;全部類別收入&lt;/TD&gt;&lt;TD&gt;所選類別收入&lt;/TD&gt;&lt;/TR&gt;</translation>
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
        <translation>&lt;TR&gt;&lt;TD&gt;全部類別支出&lt;/TD&gt;&lt;TD&gt;所選類別支出&lt;/TD&gt;&lt;/TR&gt;</translation>
    </message>
    <message>
        <location filename="../ui/statistics/percentagedialog.cpp" line="36"/>
        <source>&lt;TR&gt;&lt;TD&gt;Total In&amp;Out&lt;/TD&gt;&lt;TD&gt;Selected Type In&amp;Out&lt;/TD&gt;&lt;/TR&gt;</source>
        <extracomment>Report headers: income and outgoing added together, of all types, then of the chosen types; no raw &quot;&amp;&quot; in the translation</extracomment>
        <translation>&lt;TR&gt;&lt;TD&gt;全部類別收支總額&lt;/TD&gt;&lt;TD&gt;所選類別收支總額&lt;/TD&gt;&lt;/TR&gt;</translation>
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
        <translation>&lt;TR&gt;&lt;TD&gt;類別&lt;/TD&gt;&lt;TD&gt;收入&lt;/TD&gt;&lt;TD&gt;佔所選百分比&lt;/TD&gt;&lt;TD&gt;佔全部百分比&lt;/TD&gt;</translation>
    </message>
    <message>
        <location filename="../ui/statistics/percentagedialog.cpp" line="44"/>
        <source>&lt;TD&gt;Outgoing&lt;/TD&gt;&lt;TD&gt;Outgoing Selected Percent&lt;/TD&gt;&lt;TD&gt;Outgoing Total Percent&lt;/TD&gt;</source>
        <extracomment>Report headers: as for income, for outgoing</extracomment>
        <translation>&lt;TD&gt;支出&lt;/TD&gt;&lt;TD&gt;佔所選百分比&lt;/TD&gt;&lt;TD&gt;佔全部百分比&lt;/TD&gt;</translation>
    </message>
    <message>
        <location filename="../ui/statistics/percentagedialog.cpp" line="46"/>
        <source>&lt;TD&gt;Sum&lt;/TD&gt;&lt;TD&gt;Sum Selected Percent&lt;/TD&gt;&lt;TD&gt;Sum Percent&lt;/TD&gt;&lt;/TR&gt;</source>
        <extracomment>Report headers: a type&apos;s income and outgoing added together, and its shares of the chosen types&apos; and of all</extracomment>
        <translation>&lt;TD&gt;合計&lt;/TD&gt;&lt;TD&gt;佔所選百分比&lt;/TD&gt;&lt;TD&gt;佔全部百分比&lt;/TD&gt;&lt;/TR&gt;</translation>
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
        <translation>未知的錯誤</translation>
    </message>
</context>
<context>
    <name>RecentBooksMenu</name>
    <message>
        <location filename="../ui/recent/recentbooksmenu.cpp" line="16"/>
        <source>Recent &amp;Books</source>
        <translation>最近開啟的資料庫(&amp;B)</translation>
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
        <translation>清除清單(&amp;C)</translation>
    </message>
</context>
<context>
    <name>StatementCommands</name>
    <message>
        <location filename="../ui/statements/statementcommands.cpp" line="19"/>
        <source>Bank statements (*.csv *.ofx *.qfx *.qif)</source>
        <translation>銀行對帳單 (*.csv *.ofx *.qfx *.qif)</translation>
    </message>
    <message>
        <location filename="../ui/statements/statementcommands.cpp" line="19"/>
        <source>All files (*)</source>
        <translation>所有檔案 (*)</translation>
    </message>
    <message numerus="yes">
        <location filename="../ui/statements/statementcommands.cpp" line="43"/>
        <source>%n duplicate(s) skipped.</source>
        <translation>
            <numerusform>已略過 %n 筆重複交易。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../ui/statements/statementcommands.cpp" line="44"/>
        <source>%n amount(s) rounded.</source>
        <translation>
            <numerusform>已將 %n 筆金額四捨五入。</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../ui/statements/statementcommands.cpp" line="20"/>
        <source>Import Statement</source>
        <translation>匯入銀行對帳單</translation>
    </message>
</context>
<context>
    <name>StatementImport</name>
    <message>
        <location filename="../text/statementmessages.cpp" line="38"/>
        <source>The file is empty.</source>
        <translation>檔案是空的。</translation>
    </message>
    <message>
        <location filename="../text/statementmessages.cpp" line="41"/>
        <source>The file is neither a CSV, an OFX nor a QIF statement.</source>
        <translation>這個檔案不是 CSV、OFX 或 QIF 格式的對帳單。</translation>
    </message>
    <message>
        <location filename="../text/statementmessages.cpp" line="43"/>
        <source>The file isn&apos;t written in the encoding chosen.</source>
        <translation>檔案的編碼與所選的編碼不符。</translation>
    </message>
    <message>
        <location filename="../text/statementmessages.cpp" line="45"/>
        <source>No column is chosen for the date.</source>
        <translation>尚未選擇日期欄位。</translation>
    </message>
    <message>
        <location filename="../text/statementmessages.cpp" line="48"/>
        <source>No column is chosen for the amount, nor for debits or credits.</source>
        <translation>尚未選擇金額、支出金額或存入金額欄位。</translation>
    </message>
    <message>
        <location filename="../text/statementmessages.cpp" line="50"/>
        <source>The quotes of this row are broken.</source>
        <translation>這一列的引號有誤。</translation>
    </message>
    <message>
        <location filename="../text/statementmessages.cpp" line="52"/>
        <source>&quot;%1&quot; is not a date in the format chosen.</source>
        <translation>「%1」不是所選格式的日期。</translation>
    </message>
    <message>
        <location filename="../text/statementmessages.cpp" line="54"/>
        <source>&quot;%1&quot; is not an amount.</source>
        <translation>「%1」不是金額。</translation>
    </message>
    <message>
        <location filename="../text/statementmessages.cpp" line="56"/>
        <source>The amount %1 is more than a transaction holds.</source>
        <translation>金額 %1 超過單筆交易可記錄的上限。</translation>
    </message>
    <message>
        <location filename="../text/statementmessages.cpp" line="59"/>
        <source>The direction &quot;%1&quot; is neither income nor outgoing.</source>
        <translation>收支「%1」既不是收入也不是支出。</translation>
    </message>
    <message>
        <location filename="../text/statementmessages.cpp" line="62"/>
        <source>The file holds no transactions.</source>
        <translation>檔案中沒有任何交易。</translation>
    </message>
    <message>
        <location filename="../text/statementmessages.cpp" line="65"/>
        <source>The file is larger than %1 GB, more than a statement may be.</source>
        <translation>檔案大於 %1 GB，超過對帳單的上限。</translation>
    </message>
    <message>
        <location filename="../text/statementmessages.cpp" line="68"/>
        <source>This line is longer than %1 MB, more than a line of a statement may be.</source>
        <translation>這一行超過 %1 MB，超過對帳單每行的上限。</translation>
    </message>
    <message>
        <location filename="../text/statementmessages.cpp" line="73"/>
        <source>More than %1 faults: the rest of the file was not read.</source>
        <translation>錯誤超過 %1 個：檔案的其餘部分未讀取。</translation>
    </message>
    <message>
        <location filename="../text/statementmessages.cpp" line="76"/>
        <source>This line holds bytes that aren&apos;t valid %1, the encoding of the rest of the file. Choose the file&apos;s encoding if it is another.</source>
        <translation>這一行含有不符合 %1 的位元組，而檔案其餘部分是這種編碼。若檔案是其他編碼，請選擇該編碼。</translation>
    </message>
    <message>
        <location filename="../text/statementmessages.cpp" line="81"/>
        <source>A second &quot;%1&quot; line in one transaction: the transaction above it doesn&apos;t end with a &quot;^&quot; line.</source>
        <translation>同一筆交易中出現第二個「%1」行：上一筆交易沒有以「^」行結束。</translation>
    </message>
    <message>
        <location filename="../text/statementmessages.cpp" line="87"/>
        <source>&lt;%1&gt; is outside a transaction: its &lt;STMTTRN&gt; is missing.</source>
        <translation>&lt;%1&gt; 不在任何交易之內：缺少該交易的 &lt;STMTTRN&gt;。</translation>
    </message>
    <message>
        <location filename="../text/statementmessages.cpp" line="90"/>
        <source>This transaction is outside a bank or card statement (&lt;STMTRS&gt; or &lt;CCSTMTRS&gt;).</source>
        <translation>這筆交易不在銀行或信用卡對帳單（&lt;STMTRS&gt; 或 &lt;CCSTMTRS&gt;）之內。</translation>
    </message>
    <message>
        <location filename="../text/statementmessages.cpp" line="93"/>
        <source>&quot;%1&quot; holds a character the book can&apos;t store.</source>
        <translation>「%1」含有資料庫無法儲存的字元。</translation>
    </message>
    <message>
        <location filename="../text/statementmessages.cpp" line="96"/>
        <source>&quot;%1&quot; is longer than the book&apos;s 255 bytes.</source>
        <translation>「%1」超過資料庫可儲存的 255 位元組。</translation>
    </message>
    <message>
        <location filename="../text/statementmessages.cpp" line="100"/>
        <source>The type &quot;%1&quot; would be one more than the book&apos;s 128.</source>
        <translation>類別「%1」會使類別數超過資料庫最多可容納的 128 個。</translation>
    </message>
    <message>
        <location filename="../text/statementmessages.cpp" line="104"/>
        <source>The book has no transaction number left for this row.</source>
        <translation>資料庫已沒有可供此列使用的交易編號。</translation>
    </message>
    <message>
        <location filename="../text/statementmessages.cpp" line="123"/>
        <source>Line %1: %2</source>
        <translation>第 %1 行：%2</translation>
    </message>
    <message>
        <location filename="../text/statementmessages.cpp" line="106"/>
        <source>Every date reads with the day first and with the month first (&quot;%1&quot;: %2). Choose the date format.</source>
        <translation>每個日期都可讀成日在前或月在前（「%1」：%2）。請選擇日期格式。</translation>
    </message>
    <message>
        <location filename="../text/statementmessages.cpp" line="112"/>
        <source>&quot;%1&quot; is in another currency than the amounts above it.</source>
        <translation>「%1」的幣別與前面的金額不同。</translation>
    </message>
</context>
<context>
    <name>StatementImportDialog</name>
    <message>
        <location filename="../ui/statements/statementimportdialog.cpp" line="47"/>
        <source>Import Statement</source>
        <translation>匯入銀行對帳單</translation>
    </message>
    <message>
        <location filename="../ui/statements/statementimportdialog.cpp" line="71"/>
        <source>Columns</source>
        <translation>欄位</translation>
    </message>
    <message>
        <location filename="../ui/statements/statementimportdialog.cpp" line="94"/>
        <source>None: the nameless type</source>
        <translation>無：未命名的類別</translation>
    </message>
    <message>
        <location filename="../ui/statements/statementimportdialog.cpp" line="101"/>
        <source>&amp;Keep duplicates</source>
        <translation>保留重複交易(&amp;K)</translation>
    </message>
    <message>
        <location filename="../ui/statements/statementimportdialog.cpp" line="105"/>
        <source>Default &amp;type:</source>
        <translation>預設類別(&amp;T)：</translation>
    </message>
    <message>
        <location filename="../ui/statements/statementimportdialog.cpp" line="141"/>
        <source>&amp;Import</source>
        <translation>匯入(&amp;I)</translation>
    </message>
    <message>
        <location filename="../ui/statements/statementimportdialog.cpp" line="196"/>
        <source>Read as %1.</source>
        <translation>以 %1 格式讀取。</translation>
    </message>
    <message numerus="yes">
        <location filename="../ui/statements/statementimportdialog.cpp" line="229"/>
        <source>%n new transaction(s)</source>
        <translation>
            <numerusform>%n 筆新交易</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../ui/statements/statementimportdialog.cpp" line="230"/>
        <source>%n duplicate(s) kept</source>
        <translation>
            <numerusform>保留 %n 筆重複交易</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../ui/statements/statementimportdialog.cpp" line="231"/>
        <source>%n duplicate(s) skipped</source>
        <translation>
            <numerusform>略過 %n 筆重複交易</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../ui/statements/statementimportdialog.cpp" line="232"/>
        <source>%n amount(s) rounded</source>
        <translation>
            <numerusform>%n 筆金額四捨五入</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../ui/statements/statementimportdialog.cpp" line="235"/>
        <source>%n row(s) spelt without accents</source>
        <translation>
            <numerusform>%n 列已去除重音符號</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../ui/statements/statementimportdialog.cpp" line="236"/>
        <source>%n faulty row(s)</source>
        <translation>
            <numerusform>%n 列有誤</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../ui/statements/statementimportdialog.cpp" line="238"/>
        <source>%n new type(s)</source>
        <translation>
            <numerusform>%n 個新類別</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../ui/statements/statementimportdialog.cpp" line="243"/>
        <source>Nothing can be imported while a row is at fault; the first: %1</source>
        <translation>有錯誤的列時無法匯入；第一個錯誤：%1</translation>
    </message>
    <message>
        <location filename="../ui/statements/statementimportdialog.cpp" line="246"/>
        <source>Nothing to import: the statement has no rows.</source>
        <translation>沒有可匯入的內容：對帳單中沒有任何資料列。</translation>
    </message>
    <message>
        <location filename="../ui/statements/statementimportdialog.cpp" line="248"/>
        <source>Nothing to import: the book holds every row already.</source>
        <translation>沒有可匯入的內容：對帳單中的交易都已在資料庫中。</translation>
    </message>
    <message>
        <location filename="../ui/statements/statementimportdialog.cpp" line="240"/>
        <source>, </source>
        <extracomment>Between two counts (&quot;3 new transactions, 1 amount rounded&quot;)</extracomment>
        <translation>，</translation>
    </message>
    <message>
        <location filename="../ui/statements/statementimportdialog.cpp" line="192"/>
        <source>Read as %1; line %2 is the header.</source>
        <translation>以 %1 格式讀取；第 %2 行為標題列。</translation>
    </message>
    <message numerus="yes">
        <location filename="../ui/statements/statementimportdialog.cpp" line="194"/>
        <source>Read as %1: %n account(s).</source>
        <translation>
            <numerusform>以 %1 格式讀取：%n 個帳戶。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../ui/statements/statementimportdialog.cpp" line="233"/>
        <source>%n rounded to 0</source>
        <translation>
            <numerusform>%n 筆四捨五入為 0</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../ui/statements/statementimportdialog.cpp" line="234"/>
        <source>%n comment(s) cut</source>
        <translation>
            <numerusform>%n 筆備註已截短</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>StatementPreviewModel</name>
    <message>
        <location filename="../ui/statements/statementpreviewmodel.cpp" line="34"/>
        <source>Line</source>
        <translation>行號</translation>
    </message>
    <message>
        <location filename="../ui/statements/statementpreviewmodel.cpp" line="40"/>
        <source>Mark</source>
        <translation>註記</translation>
    </message>
    <message>
        <location filename="../ui/statements/statementpreviewmodel.cpp" line="83"/>
        <source>%1 (new)</source>
        <translation>%1（新）</translation>
    </message>
    <message>
        <location filename="../ui/statements/statementpreviewmodel.cpp" line="88"/>
        <source>duplicate, skipped</source>
        <translation>重複，略過</translation>
    </message>
    <message>
        <location filename="../ui/statements/statementpreviewmodel.cpp" line="88"/>
        <source>duplicate, kept</source>
        <translation>重複，保留</translation>
    </message>
    <message>
        <location filename="../ui/statements/statementpreviewmodel.cpp" line="89"/>
        <source>rounded</source>
        <translation>已四捨五入</translation>
    </message>
    <message>
        <location filename="../ui/statements/statementpreviewmodel.cpp" line="93"/>
        <source>spelt without accents</source>
        <extracomment>The comment or type had letters the book can&apos;t store, such as ä, now written ae</extracomment>
        <translation>已去除重音符號</translation>
    </message>
    <message>
        <location filename="../ui/statements/statementpreviewmodel.cpp" line="95"/>
        <source>, </source>
        <extracomment>Between two marks of a row (&quot;duplicate, kept, rounded&quot;)</extracomment>
        <translation>，</translation>
    </message>
    <message>
        <location filename="../ui/statements/statementpreviewmodel.cpp" line="89"/>
        <source>rounded to 0</source>
        <translation>已四捨五入為 0</translation>
    </message>
    <message>
        <location filename="../ui/statements/statementpreviewmodel.cpp" line="91"/>
        <source>cut</source>
        <extracomment>The comment was longer than the book holds and is cut to fit</extracomment>
        <translation>已截短</translation>
    </message>
</context>
<context>
    <name>StatementReadingBoxes</name>
    <message>
        <location filename="../ui/statements/statementreadingboxes.cpp" line="27"/>
        <source>Detected: %1</source>
        <translation>偵測結果：%1</translation>
    </message>
    <message>
        <location filename="../ui/statements/statementreadingboxes.cpp" line="29"/>
        <location filename="../ui/statements/statementreadingboxes.cpp" line="39"/>
        <location filename="../ui/statements/statementreadingboxes.cpp" line="55"/>
        <location filename="../ui/statements/statementreadingboxes.cpp" line="64"/>
        <location filename="../ui/statements/statementreadingboxes.cpp" line="71"/>
        <source>Detect</source>
        <translation>自動偵測</translation>
    </message>
    <message>
        <location filename="../ui/statements/statementreadingboxes.cpp" line="38"/>
        <source>&amp;Dates:</source>
        <translation>日期格式(&amp;D)：</translation>
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
        <translation>民國年，YYY/MM/DD</translation>
    </message>
    <message>
        <location filename="../ui/statements/statementreadingboxes.cpp" line="54"/>
        <source>Decimal &amp;mark:</source>
        <translation>小數點(&amp;M)：</translation>
    </message>
    <message>
        <location filename="../ui/statements/statementreadingboxes.cpp" line="56"/>
        <source>Point (12.50)</source>
        <translation>句點（12.50）</translation>
    </message>
    <message>
        <location filename="../ui/statements/statementreadingboxes.cpp" line="57"/>
        <source>Comma (12,50)</source>
        <translation>逗號（12,50）</translation>
    </message>
    <message>
        <location filename="../ui/statements/statementreadingboxes.cpp" line="59"/>
        <source>&amp;Cents:</source>
        <translation>小數金額(&amp;C)：</translation>
    </message>
    <message>
        <location filename="../ui/statements/statementreadingboxes.cpp" line="60"/>
        <source>Round to whole units</source>
        <translation>四捨五入到整數</translation>
    </message>
    <message>
        <location filename="../ui/statements/statementreadingboxes.cpp" line="61"/>
        <source>Read as cents</source>
        <translation>以分為單位讀取</translation>
    </message>
    <message>
        <location filename="../ui/statements/statementreadingboxes.cpp" line="63"/>
        <source>&amp;Encoding:</source>
        <translation>編碼(&amp;E)：</translation>
    </message>
    <message>
        <location filename="../ui/statements/statementreadingboxes.cpp" line="70"/>
        <source>De&amp;limiter:</source>
        <translation>分隔符號(&amp;L)：</translation>
    </message>
    <message>
        <location filename="../ui/statements/statementreadingboxes.cpp" line="72"/>
        <source>Comma</source>
        <translation>逗號</translation>
    </message>
    <message>
        <location filename="../ui/statements/statementreadingboxes.cpp" line="73"/>
        <source>Semicolon</source>
        <translation>分號</translation>
    </message>
    <message>
        <location filename="../ui/statements/statementreadingboxes.cpp" line="74"/>
        <source>Tab</source>
        <translation>定位字元</translation>
    </message>
    <message>
        <location filename="../ui/statements/statementreadingboxes.cpp" line="28"/>
        <source>Detected: none</source>
        <translation>偵測結果：無</translation>
    </message>
</context>
<context>
    <name>StatisticDialog</name>
    <message>
        <location filename="../ui/statistics/statisticdialog.cpp" line="74"/>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <location filename="../ui/statistics/statisticdialog.cpp" line="75"/>
        <source>Close</source>
        <translation>關閉</translation>
    </message>
    <message>
        <location filename="../ui/statistics/statisticdialog.cpp" line="139"/>
        <source>Income</source>
        <translation>收入</translation>
    </message>
    <message>
        <location filename="../ui/statistics/statisticdialog.cpp" line="140"/>
        <source>Outgoing</source>
        <translation>支出</translation>
    </message>
    <message>
        <location filename="../ui/statistics/statisticdialog.cpp" line="195"/>
        <source>ALL</source>
        <translation>全部</translation>
    </message>
    <message>
        <location filename="../ui/statistics/statisticdialog.cpp" line="311"/>
        <source>Chart</source>
        <translation>圖表</translation>
    </message>
    <message>
        <location filename="../ui/statistics/statisticdialog.cpp" line="100"/>
        <source>Custom</source>
        <translation>自訂</translation>
    </message>
    <message>
        <location filename="../ui/statistics/statisticdialog.cpp" line="101"/>
        <source>This month</source>
        <translation>本月</translation>
    </message>
    <message>
        <location filename="../ui/statistics/statisticdialog.cpp" line="101"/>
        <source>Last month</source>
        <translation>上個月</translation>
    </message>
    <message>
        <location filename="../ui/statistics/statisticdialog.cpp" line="101"/>
        <source>This year</source>
        <translation>今年</translation>
    </message>
    <message>
        <location filename="../ui/statistics/statisticdialog.cpp" line="101"/>
        <source>Last year</source>
        <translation>去年</translation>
    </message>
    <message>
        <location filename="../ui/statistics/statisticdialog.cpp" line="101"/>
        <source>Whole book</source>
        <translation>整個資料庫</translation>
    </message>
    <message>
        <location filename="../ui/statistics/statisticdialog.cpp" line="61"/>
        <source>&amp;From</source>
        <translation>起始日(&amp;F)</translation>
    </message>
    <message>
        <location filename="../ui/statistics/statisticdialog.cpp" line="62"/>
        <source>&amp;To</source>
        <translation>結束日(&amp;T)</translation>
    </message>
    <message>
        <location filename="../ui/statistics/statisticdialog.cpp" line="63"/>
        <source>Select T&amp;ypes</source>
        <translation>選擇類別(&amp;Y)</translation>
    </message>
    <message>
        <location filename="../ui/statistics/statisticdialog.cpp" line="65"/>
        <source>Select &amp;In/Out</source>
        <extracomment>Label of the list of Income, Outgoing and ALL</extracomment>
        <translation>選擇收支(&amp;I)</translation>
    </message>
    <message>
        <location filename="../ui/statistics/statisticdialog.cpp" line="97"/>
        <source>&amp;Range</source>
        <translation>期間(&amp;R)</translation>
    </message>
</context>
<context>
    <name>TransactionDialog</name>
    <message>
        <location filename="../ui/transactions/transactiondialog.cpp" line="62"/>
        <source>Type</source>
        <translation>類別</translation>
    </message>
    <message>
        <location filename="../ui/transactions/transactiondialog.cpp" line="64"/>
        <source>Money</source>
        <extracomment>Label of the box for the transaction&apos;s amount</extracomment>
        <translation>金額</translation>
    </message>
    <message>
        <location filename="../ui/transactions/transactiondialog.cpp" line="65"/>
        <source>Comment</source>
        <translation>備註</translation>
    </message>
    <message>
        <location filename="../ui/transactions/transactiondialog.cpp" line="81"/>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <location filename="../ui/transactions/transactiondialog.cpp" line="83"/>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <location filename="../ui/transactions/transactiondialog.cpp" line="87"/>
        <source>Select a transaction</source>
        <translation>請選擇交易</translation>
    </message>
    <message>
        <location filename="../ui/transactions/transactiondialog.cpp" line="89"/>
        <source>In/Out</source>
        <extracomment>The box&apos;s first item, a prompt: choose income or outgoing</extracomment>
        <translation>請選擇收支</translation>
    </message>
    <message>
        <location filename="../ui/transactions/transactiondialog.cpp" line="89"/>
        <source>Income</source>
        <translation>收入</translation>
    </message>
    <message>
        <location filename="../ui/transactions/transactiondialog.cpp" line="89"/>
        <source>Outgoing</source>
        <translation>支出</translation>
    </message>
    <message>
        <location filename="../ui/transactions/transactiondialog.cpp" line="90"/>
        <source>Select/Add a type</source>
        <translation>請選擇或新增類別</translation>
    </message>
    <message>
        <location filename="../ui/transactions/transactiondialog.cpp" line="196"/>
        <source>Create a transaction</source>
        <translation>建立一筆交易</translation>
    </message>
    <message>
        <location filename="../ui/transactions/transactiondialog.cpp" line="213"/>
        <source>Delete a transaction</source>
        <translation>刪除一筆交易</translation>
    </message>
    <message>
        <location filename="../ui/transactions/transactiondialog.cpp" line="221"/>
        <source>Modify a transaction</source>
        <translation>修改一筆交易</translation>
    </message>
    <message>
        <location filename="../ui/transactions/transactiondialog.cpp" line="227"/>
        <source>Delete this transaction</source>
        <translation>刪除這筆交易</translation>
    </message>
    <message>
        <location filename="../ui/transactions/transactiondialog.cpp" line="238"/>
        <source>Modify this transaction</source>
        <translation>修改這筆交易</translation>
    </message>
    <message>
        <location filename="../ui/transactions/storedtextroom.cpp" line="42"/>
        <source>The comment can&apos;t be stored in a Pennywell database file: it may hold only Big5 characters and at most 255 bytes.</source>
        <translation>這個備註無法存入 Pennywell 資料庫檔案：備註只能使用 Big5 字元，且長度不得超過 255 位元組。</translation>
    </message>
    <message>
        <location filename="../ui/transactions/storedtextroom.cpp" line="45"/>
        <source>The type name can&apos;t be stored in a Pennywell database file: it may hold only Big5 characters and at most 255 bytes.</source>
        <translation>這個類別名稱無法存入 Pennywell 資料庫檔案：名稱只能使用 Big5 字元，且長度不得超過 255 位元組。</translation>
    </message>
    <message>
        <location filename="../ui/transactions/storedtextroom.cpp" line="53"/>
        <source>The comment can&apos;t be stored in this database: it holds a control character other than the tab, or a code that is no character.</source>
        <translation>這個備註無法存入此資料庫：備註含有定位字元（Tab）以外的控制字元，或非字元的碼位。</translation>
    </message>
    <message>
        <location filename="../ui/transactions/storedtextroom.cpp" line="57"/>
        <source>The type name can&apos;t be stored in this database: it holds a control character other than the tab, or a code that is no character.</source>
        <translation>這個類別名稱無法存入此資料庫：名稱含有定位字元（Tab）以外的控制字元，或非字元的碼位。</translation>
    </message>
    <message>
        <location filename="../ui/transactions/storedtextroom.cpp" line="67"/>
        <source>The comment can&apos;t be stored in this database: it is %1 characters long, and a comment may have at most %2.</source>
        <translation>這個備註無法存入此資料庫：備註長 %1 個字元，但最多只能有 %2 個字元。</translation>
    </message>
    <message>
        <location filename="../ui/transactions/storedtextroom.cpp" line="70"/>
        <source>The type name can&apos;t be stored in this database: it is %1 characters long, and a name may have at most %2.</source>
        <translation>這個類別名稱無法存入此資料庫：名稱長 %1 個字元，但最多只能有 %2 個字元。</translation>
    </message>
    <message>
        <location filename="../ui/transactions/transactiondialog.cpp" line="73"/>
        <source>&amp;Add</source>
        <translation>新增(&amp;A)</translation>
    </message>
    <message>
        <location filename="../ui/transactions/transactiondialog.cpp" line="75"/>
        <source>&amp;Delete</source>
        <translation>刪除(&amp;D)</translation>
    </message>
    <message>
        <location filename="../ui/transactions/transactiondialog.cpp" line="200"/>
        <source>Add and next (Ctrl+Return): adds the transaction and opens the next on the same date</source>
        <translation>新增並繼續（Ctrl+Return）：新增這筆交易，並以同一日期開啟下一筆</translation>
    </message>
    <message>
        <location filename="../ui/transactions/transactiondialog.cpp" line="414"/>
        <source>There is a type &quot;%1&quot;. Add &quot;%2&quot; as another type?</source>
        <translation>已有類別「%1」。要將「%2」新增為另一個類別嗎？</translation>
    </message>
    <message>
        <location filename="../ui/transactions/transactiondialog.cpp" line="415"/>
        <location filename="../ui/transactions/transactiondialog.cpp" line="416"/>
        <source>Add a type</source>
        <translation>新增類別</translation>
    </message>
</context>
<context>
    <name>WaitingBox</name>
    <message>
        <location filename="../ui/prompts/waitingbox.cpp" line="18"/>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
</TS>
