#include "store/BlockCodec.h"

#include "history/AtomicFile.h"

#include <zstd.h>

#include <memory>

namespace tallyhand {
namespace {

// The first of zstd's fast levels: a block of a game packs to about 0.37 of
// its size in two thirds of the time level 1 takes (0.31), which is what a
// first import of millions of games waits for.
constexpr int kLevel = -1;

} // namespace

std::string packLines(const LineList& lines)
{
    std::string joined;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0)
            joined += '\n';
        joined.append(lines[i]);
    }
    thread_local const std::unique_ptr<ZSTD_CCtx, decltype(&ZSTD_freeCCtx)> context(ZSTD_createCCtx(), ZSTD_freeCCtx);
    std::string packed(ZSTD_compressBound(joined.size()), '\0');
    const std::size_t size =
        ZSTD_compressCCtx(context.get(), packed.data(), packed.size(), joined.data(), joined.size(), kLevel);
    if (ZSTD_isError(size))
        throw DatabaseError(std::string("Ein Spielblock konnte nicht gepackt werden: ") + ZSTD_getErrorName(size));
    packed.resize(size);
    return packed;
}

PackedBlocks packBlocks(const GameTables& tables)
{
    PackedBlocks packed;
    packed.summaries.reserve(tables.summaries.size());
    for (const Tgame& g : tables.summaries)
        packed.summaries.push_back(packLines(g.lines));
    packed.gameRecords.reserve(tables.game_records.size());
    for (const Tgame& g : tables.game_records)
        packed.gameRecords.push_back(packLines(g.lines));
    return packed;
}

LineList unpackLines(std::string_view packed, std::size_t count)
{
    const unsigned long long size = ZSTD_getFrameContentSize(packed.data(), packed.size());
    if (size == ZSTD_CONTENTSIZE_ERROR || size == ZSTD_CONTENTSIZE_UNKNOWN || size > (1ull << 31))
        throw DatabaseError("Ein Spielblock der Datenbank ist beschädigt.");
    std::string joined(size, '\0');
    thread_local const std::unique_ptr<ZSTD_DCtx, decltype(&ZSTD_freeDCtx)> context(ZSTD_createDCtx(), ZSTD_freeDCtx);
    const std::size_t got = ZSTD_decompressDCtx(context.get(), joined.data(), joined.size(), packed.data(), packed.size());
    if (ZSTD_isError(got) || got != size)
        throw DatabaseError("Ein Spielblock der Datenbank ist beschädigt.");
    LineList lines;
    if (count == 0) {
        if (!joined.empty())
            throw DatabaseError("Ein Spielblock der Datenbank ist beschädigt.");
        return lines;
    }
    std::size_t begin = 0;
    for (std::size_t i = 0; i + 1 < count; ++i) {
        const std::size_t end = joined.find('\n', begin);
        if (end == std::string::npos)
            throw DatabaseError("Ein Spielblock der Datenbank ist beschädigt.");
        lines.push_back(std::string_view(joined).substr(begin, end - begin));
        begin = end + 1;
    }
    if (joined.find('\n', begin) != std::string::npos)
        throw DatabaseError("Ein Spielblock der Datenbank ist beschädigt.");
    lines.push_back(std::string_view(joined).substr(begin));
    return lines;
}

} // namespace tallyhand
