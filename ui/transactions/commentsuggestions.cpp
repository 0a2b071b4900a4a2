#include "ui/transactions/commentsuggestions.h"

#include <QCompleter>
#include <QLineEdit>
#include <QListView>
#include <QSortFilterProxyModel>
#include <QStringDecoder>
#include <QStringListModel>
#include <algorithm>
#include <bit>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "core/accountdb.h"
#include "text/big5codec.h"
#include "text/big5pairtable.h"

namespace {

// One distinct comment and its latest transaction.
struct Row {
    std::string_view comment;
    std::int32_t date;
    int position;
};

bool moreRecent(const Row& a, const Row& b) {
    return a.date != b.date ? KestLib::dateKey(a.date) > KestLib::dateKey(b.date) : a.position > b.position;
}

// Each distinct comment once, with its latest transaction. The comments are
// found by their stored bytes, which stay where they are while the dialog is
// open, in a table of row numbers that costs no allocation per comment: a
// book may hold half a million distinct ones.
std::vector<Row> latestOfEachComment(const KestLib::AccountDB& db) {
    constexpr std::uint32_t vacant = UINT32_MAX;
    const std::size_t placeCount = std::bit_ceil(2 * static_cast<std::size_t>(db.transCount()) + 2);
    std::vector<std::uint32_t> places(placeCount, vacant);
    std::vector<Row> rows;
    const std::hash<std::string_view> hash;
    for (int position = 0; position < db.transCount(); ++position) {
        const KestLib::Transaction& record = db.transaction(position, false);
        const std::string_view comment = PwText::storedText(record.comment());
        if (comment.empty()) continue;
        const Row here{comment, record.dateCode(), position};
        for (std::size_t place = hash(comment) & (placeCount - 1);; place = (place + 1) & (placeCount - 1)) {
            if (places[place] == vacant) {
                places[place] = static_cast<std::uint32_t>(rows.size());
                rows.push_back(here);
                break;
            }
            Row& seen = rows[places[place]];
            if (seen.comment == comment) {
                if (moreRecent(here, seen)) seen = here;
                break;
            }
        }
    }
    return rows;
}

// The comments holding the typed text, those that start with it first; the
// most recent first within each.
class StartsFirst : public QSortFilterProxyModel {
public:
    using QSortFilterProxyModel::QSortFilterProxyModel;

    void setTyped(const QString& text) {
        typed = text;
        invalidate();
        sort(0);
    }

protected:
    bool filterAcceptsRow(int row, const QModelIndex& parent) const override {
        return textAt(sourceModel()->index(row, 0, parent)).contains(typed, Qt::CaseInsensitive);
    }
    bool lessThan(const QModelIndex& left, const QModelIndex& right) const override {
        const bool leftStarts = textAt(left).startsWith(typed, Qt::CaseInsensitive);
        const bool rightStarts = textAt(right).startsWith(typed, Qt::CaseInsensitive);
        return leftStarts != rightStarts ? leftStarts : left.row() < right.row();
    }

private:
    static QString textAt(const QModelIndex& index) { return index.data().toString(); }

    QString typed;
};

}  // namespace

CommentSuggestions::CommentSuggestions(QLineEdit* box, const KestLib::AccountDB* database)
    : QObject(box), db(database) {
    comments = new QStringListModel(this);
    auto* ordered = new StartsFirst(this);
    ordered->setSourceModel(comments);
    completer = new QCompleter(ordered, this);
    completer->setCompletionMode(QCompleter::PopupCompletion);
    completer->setFilterMode(Qt::MatchContains);
    completer->setCaseSensitivity(Qt::CaseInsensitive);
    // The rows are in the order they are offered.
    completer->setModelSorting(QCompleter::UnsortedModel);
    box->setCompleter(completer);
    // Before the box asks the completer for this edit's suggestions.
    connect(box, &QLineEdit::textEdited, this, [this, ordered](const QString& text) {
        if (!made) makeList();
        ordered->setTyped(text);
    });
    connect(completer, qOverload<const QString&>(&QCompleter::activated), this, &CommentSuggestions::choose);
}

void CommentSuggestions::makeList() {
    made = true;
    if (!db) return;
    // A list of many thousands would measure every row it shows.
    if (auto* list = qobject_cast<QListView*>(completer->popup())) list->setUniformItemSizes(true);
    std::vector<Row> rows = latestOfEachComment(*db);
    std::sort(rows.begin(), rows.end(), moreRecent);

    // The comment as stored, never a translation of it: the one chosen goes
    // back into the book as the same bytes.
    PwText::Big5PairTable& pairs = PwText::Big5PairTable::shared();
    QStringDecoder decoder("Big5", QStringConverter::Flag::Stateless);
    std::u16string text;
    QStringList texts;
    texts.reserve(static_cast<qsizetype>(rows.size()));
    latest.reserve(rows.size());
    const bool utf8 = db->format() == 2;
    for (const Row& row : rows) {
        text.clear();
        if (utf8)
            texts << QString::fromUtf8(row.comment.data(), static_cast<qsizetype>(row.comment.size()));
        else if (pairs.appendPlain(row.comment, text))
            texts << QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
        else
            texts << decoder.decode(QByteArrayView(row.comment.data(), static_cast<qsizetype>(row.comment.size())));
        latest.push_back(row.position);
    }
    comments->setStringList(texts);
}

void CommentSuggestions::choose(const QString& comment) {
    // Two comments shown alike: the first row is the more recent.
    const qsizetype row = comments->stringList().indexOf(comment);
    if (row >= 0 && static_cast<std::size_t>(row) < latest.size()) emit chosen(latest[static_cast<std::size_t>(row)]);
}
