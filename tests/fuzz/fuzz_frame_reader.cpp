// libFuzzer target for cross-sim's frame reader: any bytes arriving on the
// line, in pieces of any size. The frames found do not depend on how the
// bytes were cut, each has a right checksum and a data length a command can
// have, and a frame built again from one is read back as the same frame.

#include "halvane/link/frame.h"
#include "tests/fuzz/fuzz_support.h"
#include "tools/cross-sim/frame_reader.h"

#include <cstdint>
#include <vector>

namespace {

bool sameFrame(const cross_sim::CommandFrame &a, const cross_sim::CommandFrame &b)
{
    return a.destination == b.destination && a.source == b.source && a.code == b.code && a.data == b.data;
}

bool sameFrames(const std::vector<cross_sim::CommandFrame> &a, const std::vector<cross_sim::CommandFrame> &b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (!sameFrame(a[i], b[i]))
            return false;
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size < 1)
        return 0;
    const int piece = 1 + data[0] % 97;
    const QByteArrayView bytes(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1));

    cross_sim::FrameReader whole;
    const std::vector<cross_sim::CommandFrame> frames = whole.feed(bytes);

    cross_sim::FrameReader cut;
    std::vector<cross_sim::CommandFrame> pieces;
    for (qsizetype at = 0; at < bytes.size(); at += piece)
        for (cross_sim::CommandFrame &f : cut.feed(bytes.sliced(at, std::min<qsizetype>(piece, bytes.size() - at))))
            pieces.push_back(std::move(f));
    FUZZ_CHECK(sameFrames(frames, pieces), "the same frames whatever the pieces");

    for (const cross_sim::CommandFrame &f : frames) {
        FUZZ_CHECK(f.data.size() <= 3 + halvane::link::kDataBlockSize, "no frame longer than a data block");
        if (f.source != cross_sim::Address{0xFF, 0xFF, 0xFF, 0xFD})
            continue;
        const QByteArray again = halvane::link::BuildCommandFrame(
            f.destination, f.code, f.data);
        cross_sim::FrameReader fresh;
        const std::vector<cross_sim::CommandFrame> read = fresh.feed(again);
        FUZZ_CHECK(read.size() == 1 && sameFrame(read[0], f), "a frame built again reads back the same");
        FUZZ_CHECK(fresh.rejected() == 0, "a built frame is never rejected");
    }
    return 0;
}
