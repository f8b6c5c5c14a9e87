#pragma once

#include "stats/ChartSeries.h"

#include <memory>
#include <string>
#include <utility>
#include <variant>
#include <vector>

namespace tallyhand::cli {

// What a command shows, keyed by the window's object names in the window's
// order: lists and memos as rows, charts as series, fields as text, and
// nested groups. Printed as one JSON object or as readable text.
class Report {
public:
    void text(std::string key, std::string value);
    void rows(std::string key, std::vector<std::string> rows);
    void series(std::string key, ChartSeries series);
    void group(std::string key, Report report);

    std::string json(int indent = 0) const;
    void printText(std::ostream& out, int indent = 0) const;
    // To standard output, as JSON or as text.
    void print(bool asJson) const;

private:
    using Value = std::variant<std::string, std::vector<std::string>, ChartSeries, std::shared_ptr<Report>>;
    std::vector<std::pair<std::string, Value>> m_members;
};

// The decimal separator of the process locale (LC_ALL and friends).
char processDecimalSeparator();

} // namespace tallyhand::cli
