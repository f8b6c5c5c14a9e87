#pragma once

#include "cards/Combinations.h"
#include "cards/RankTables.h"

#include <QObject>
#include <memory>

namespace tallyhand::app {

// The rank lists and pattern lists of the running program. They are built in a
// worker thread and handed over whole, so a reader never sees half a table.
class TableStore : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    std::shared_ptr<const RankTables> rankTables() const { return m_ranks; }
    std::shared_ptr<const PatternLists> patternLists() const { return m_patterns; }
    bool ready() const { return m_ranks && m_patterns; }

    void setRankTables(std::shared_ptr<const RankTables> ranks)
    {
        m_ranks = std::move(ranks);
        emit changed();
    }
    void setPatternLists(std::shared_ptr<const PatternLists> patterns)
    {
        m_patterns = std::move(patterns);
        emit changed();
    }

signals:
    void changed();

private:
    std::shared_ptr<const RankTables> m_ranks;
    std::shared_ptr<const PatternLists> m_patterns;
};

} // namespace tallyhand::app
