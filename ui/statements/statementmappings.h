#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "text/statement.h"

class QSettings;
class QString;

// How bank CSV files were read, remembered by their header row: a bank's
// next statement has the same header, so its columns, dates, amounts and
// bytes are read as the last import of that header chose.
class StatementMappings {
public:
    // The user's own settings of the program.
    StatementMappings();
    // Kept in the given settings (tests use a file of their own).
    explicit StatementMappings(std::unique_ptr<QSettings> store);
    ~StatementMappings();
    StatementMappings(const StatementMappings&) = delete;
    StatementMappings& operator=(const StatementMappings&) = delete;

    // The reading last remembered for this header; none when there is none,
    // or when what is stored no longer fits the header (edited by hand).
    std::optional<PwText::StatementOptions> recall(const std::vector<std::string>& header) const;
    // Remembers how statement was read, every detect settled, with rule.
    // Only a CSV with a header row is remembered: without one the column
    // numbers would match any file of as many columns.
    void remember(const PwText::Statement& statement, PwText::AmountRule rule);

private:
    static QString groupOf(const std::vector<std::string>& header);
    std::unique_ptr<QSettings> settings;
};
