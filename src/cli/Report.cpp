#include "cli/Report.h"

#include "cli/Json.h"
#include "history/TextDecoding.h"

#include <clocale>
#include <cstdio>
#include <iostream>

namespace tallyhand::cli {

void Report::text(std::string key, std::string value) { m_members.emplace_back(std::move(key), std::move(value)); }

void Report::rows(std::string key, std::vector<std::string> rows)
{
    m_members.emplace_back(std::move(key), std::move(rows));
}

void Report::series(std::string key, ChartSeries series)
{
    m_members.emplace_back(std::move(key), std::move(series));
}

void Report::group(std::string key, Report report)
{
    m_members.emplace_back(std::move(key), std::make_shared<Report>(std::move(report)));
}

std::string Report::json(int indent) const
{
    const std::string pad(static_cast<std::size_t>(indent + 2), ' ');
    std::string out = "{\n";
    for (std::size_t i = 0; i < m_members.size(); ++i) {
        const auto& [key, value] = m_members[i];
        out += pad + jsonString(key) + ": ";
        if (const auto* s = std::get_if<std::string>(&value))
            out += jsonString(*s);
        else if (const auto* r = std::get_if<std::vector<std::string>>(&value))
            out += jsonRows(*r);
        else if (const auto* c = std::get_if<ChartSeries>(&value))
            out += jsonSeries(*c);
        else
            out += std::get<std::shared_ptr<Report>>(value)->json(indent + 2);
        out += i + 1 < m_members.size() ? ",\n" : "\n";
    }
    return out + std::string(static_cast<std::size_t>(indent), ' ') + "}";
}

void Report::printText(std::ostream& out, int indent) const
{
    const std::string pad(static_cast<std::size_t>(indent), ' ');
    for (const auto& [key, value] : m_members) {
        out << pad << decodeForDisplay(key) << ':';
        if (const auto* s = std::get_if<std::string>(&value)) {
            out << ' ' << decodeForDisplay(*s) << '\n';
        } else if (const auto* r = std::get_if<std::vector<std::string>>(&value)) {
            out << '\n';
            for (const std::string& row : *r)
                out << pad << "    " << decodeForDisplay(row) << '\n';
        } else if (const auto* c = std::get_if<ChartSeries>(&value)) {
            out << '\n';
            for (const ChartPoint& p : *c) {
                char colour[16] = "";
                if (p.colour)
                    std::snprintf(colour, sizeof colour, " #%02x%02x%02x", p.colour->r, p.colour->g, p.colour->b);
                out << pad << "    " << decodeForDisplay(p.label) << " = " << p.value << colour << '\n';
            }
        } else {
            out << '\n';
            std::get<std::shared_ptr<Report>>(value)->printText(out, indent + 4);
        }
    }
}

void Report::print(bool asJson) const
{
    if (asJson)
        std::cout << json() << '\n';
    else
        printText(std::cout);
}

char processDecimalSeparator()
{
    std::setlocale(LC_ALL, "");
    const char* point = std::localeconv()->decimal_point;
    return point && point[0] && !point[1] ? point[0] : '.';
}

} // namespace tallyhand::cli
