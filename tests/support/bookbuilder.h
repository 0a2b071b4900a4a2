#pragma once

#include <string>
#include <vector>

#include "core/accountdb.h"

// One transaction as a table of test books lists it.
struct Row {
    int year, month, day;
    bool income;
    int amount;
    std::string type;
    std::string comment;
};

KestLib::Transaction makeTransaction(int typeId, int amount, bool income, int year = 2004, int month = 3, int day = 15,
                                     std::string comment = {});

// A new book filled entry by entry; each type is added when it is first
// named (after the nameless type every book has), so a test says only what
// it is about.
class BookBuilder {
public:
    explicit BookBuilder(const std::string& name = {});

    BookBuilder& type(const std::string& name);
    BookBuilder& types(const std::vector<std::string>& names);
    BookBuilder& income(const std::string& typeName, int amount, int year = 2004, int month = 3, int day = 15,
                        const std::string& comment = {});
    BookBuilder& outgoing(const std::string& typeName, int amount, int year = 2004, int month = 3, int day = 15,
                          const std::string& comment = {});
    BookBuilder& row(const Row& row);
    BookBuilder& rows(const std::vector<Row>& rows);
    // Gaps a book gets from its history: a type deleted after later ones
    // took the next ids, the last transaction deleted after it was given
    // its index.
    BookBuilder& withoutType(const std::string& name);
    BookBuilder& withoutLastTransaction();
    // The book in format 2 at decimals: what comes after gives its amounts
    // in minor units ("12.50" is 1250 at 2 decimals). Its texts so far are
    // kept byte for byte, so they should be ASCII, which both formats share.
    BookBuilder& inFormat2(int decimals);

    int id(const std::string& name) const;
    KestLib::AccountDB build();
    // Writes the book to exactly this path, even one without ".pwdb".
    void writeTo(const std::string& path);

    KestLib::AccountDB db;

private:
    int idOf(const std::string& name);
    int lastIndex = 0;
};
