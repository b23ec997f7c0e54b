#include "frame_pack.h"

#include <algorithm>
#include <cstdint>

namespace art {
namespace {

constexpr std::size_t kMaxLiterals = 128;            // c = 0x00..0x7F
constexpr std::size_t kMinCopy = 3, kMaxCopy = 130;  // c = 0x80..0xFF
constexpr std::size_t kMaxBack = 0xFFFF;
// Earlier places tried per position, latest first: enough to reach the frame
// before, the row above and the pixel before, and it keeps the build quick.
constexpr int kTries = 64;
constexpr int kHashBits = 20;

struct Item {
  std::size_t cost = SIZE_MAX;  // packed bytes up to where the item ends
  std::size_t from = 0;         // where it starts
  std::size_t back = 0;         // its distance back; 0 for bytes kept as they are
};

}  // namespace

// The cheapest parse: every way to reach each position is weighed, so a
// short copy is never taken where bytes kept as they are cost less overall.
std::vector<std::uint8_t> PackFrames(const std::vector<std::uint8_t>& frames) {
  const std::size_t size = frames.size();
  std::vector<Item> best(size + 1);  // the cheapest item ending at each position
  best[0].cost = 0;
  // Earlier positions by a hash of their first three bytes: the latest in
  // `head`, and the one before each in `previous`.
  std::vector<long> head(1 << kHashBits, -1), previous(size, -1);
  auto hash = [&](std::size_t at) {
    const std::uint32_t three = frames[at] | frames[at + 1] << 8 | frames[at + 2] << 16;
    return (three * 2654435761u) >> (32 - kHashBits);
  };
  auto offer = [&](std::size_t from, std::size_t to, std::size_t cost, std::size_t back) {
    if (cost < best[to].cost) best[to] = {cost, from, back};
  };
  for (std::size_t at = 0; at < size; ++at) {
    const std::size_t here = best[at].cost;
    for (std::size_t n = 1; n <= kMaxLiterals && at + n <= size; ++n) {
      offer(at, at + n, here + 1 + n, 0);
    }
    if (at + kMinCopy > size) continue;
    std::size_t longest = kMinCopy - 1;
    long earlier = head[hash(at)];
    for (int t = 0; t < kTries && earlier >= 0 && at - earlier <= kMaxBack; ++t) {
      const std::size_t limit = std::min(kMaxCopy, size - at);
      std::size_t n = 0;
      while (n < limit && frames[earlier + n] == frames[at + n]) ++n;
      for (; longest < n; ++longest) offer(at, at + longest + 1, here + 3, at - earlier);
      earlier = previous[earlier];
    }
    previous[at] = head[hash(at)];
    head[hash(at)] = static_cast<long>(at);
  }

  std::vector<std::size_t> ends;
  for (std::size_t at = size; at > 0; at = best[at].from) ends.push_back(at);
  std::vector<std::uint8_t> out;
  for (auto end = ends.rbegin(); end != ends.rend(); ++end) {
    const Item& item = best[*end];
    const std::size_t n = *end - item.from;
    if (item.back == 0) {
      out.push_back(static_cast<std::uint8_t>(n - 1));
      out.insert(out.end(), frames.begin() + item.from, frames.begin() + *end);
    } else {
      out.push_back(static_cast<std::uint8_t>(0x80 | (n - kMinCopy)));
      out.push_back(static_cast<std::uint8_t>(item.back));
      out.push_back(static_cast<std::uint8_t>(item.back >> 8));
    }
  }
  return out;
}

}  // namespace art
