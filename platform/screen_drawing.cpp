#include "platform/screen_drawing.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

// Pixels on a side of a block of the screen whose coverage is followed.
constexpr int blockside = 4;

// The blocks of the screen, and which of them are covered: painted over
// entirely by the inside of an opaque fill.
class Blocks {
 public:
  Blocks(int width, int height)
      : columns_((width + blockside - 1) / blockside),
        rows_((height + blockside - 1) / blockside),
        covered_(static_cast<std::size_t>(columns_) * static_cast<std::size_t>(rows_)) {}

  // Whether nothing painted within the box shows: every block it reaches
  // is covered.
  bool hide(const std::array<float, 4>& box) const {
    const auto [i0, i1] = span(box[0], box[2], columns_);
    const auto [j0, j1] = span(box[1], box[3], rows_);
    for (int j = j0; j <= j1; ++j)
      for (int i = i0; i <= i1; ++i)
        if (!covered_[at(i, j)]) return false;
    return true;
  }

  // Marks covered every block wholly inside the figures, filled with the
  // non-zero winding rule: its centre is inside, and farther from every
  // edge than the block's half diagonal.
  void cover(const std::vector<Subpath>& figures) {
    float left = HUGE_VALF, bottom = HUGE_VALF, right = -HUGE_VALF, top = -HUGE_VALF;
    for (const Subpath& f : figures)
      for (const DrawPoint& p : f.points) {
        left = std::min(left, p.x), bottom = std::min(bottom, p.y);
        right = std::max(right, p.x), top = std::max(top, p.y);
      }
    if (!(left <= right && bottom <= top)) return;
    const auto [i0, i1] = span(left, right, columns_);
    const auto [j0, j1] = span(bottom, top, rows_);
    const double half = blockside / 2.0, reach = half * std::numbers::sqrt2 + 0.01;
    for (int j = j0; j <= j1; ++j)
      for (int i = i0; i <= i1; ++i) {
        const double x = i * blockside + half, y = j * blockside + half;
        if (!covered_[at(i, j)] && inside(figures, x, y, reach)) covered_[at(i, j)] = true;
      }
  }

 private:
  // The blocks [first, last] reached from a to b along one side.
  static std::pair<int, int> span(float a, float b, int count) {
    auto block = [count](float v) {
      return static_cast<int>(std::clamp(std::floor(v / blockside), 0.0f, count - 1.0f));
    };
    return {block(a), block(b)};
  }

  // Whether the point lies inside the figures, at least reach from their
  // edges.
  static bool inside(const std::vector<Subpath>& figures, double x, double y, double reach) {
    int winding = 0;
    for (const Subpath& f : figures) {
      const std::vector<DrawPoint>& p = f.points;
      for (std::size_t k = 0; k < p.size(); ++k) {
        const double ax = p[k].x, ay = p[k].y;
        const double bx = p[(k + 1) % p.size()].x, by = p[(k + 1) % p.size()].y;
        const double dx = bx - ax, dy = by - ay, length2 = dx * dx + dy * dy;
        const double t = length2 > 0.0 ? std::clamp(((x - ax) * dx + (y - ay) * dy) / length2, 0.0, 1.0) : 0.0;
        if (std::hypot(ax + t * dx - x, ay + t * dy - y) < reach) return false;
        const double cross = dx * (y - ay) - dy * (x - ax);
        if (ay <= y && by > y && cross > 0.0) ++winding;
        if (ay > y && by <= y && cross < 0.0) --winding;
      }
    }
    return winding != 0;
  }

  std::size_t at(int i, int j) const {
    return static_cast<std::size_t>(j) * static_cast<std::size_t>(columns_) +
           static_cast<std::size_t>(i);
  }

  int columns_, rows_;
  std::vector<bool> covered_;
};

}  // namespace

std::uint32_t ScreenDrawing::keep(const std::vector<Subpath>& figures) {
  for (const Subpath& f : figures) {
    figures_.push_back({static_cast<std::uint32_t>(points_.size()),
                        static_cast<std::uint32_t>(f.points.size()), f.closed});
    points_.insert(points_.end(), f.points.begin(), f.points.end());
  }
  return static_cast<std::uint32_t>(figures_.size());
}

void ScreenDrawing::paint(const std::vector<Subpath>& fills, const std::vector<Subpath>& outlines,
                          const DrawState& state, const Box& box) {
  Kept k{};
  k.fillsfrom = static_cast<std::uint32_t>(figures_.size());
  k.fillsto = keep(fills);
  // Filled figures that lie on the screen are their own outlines: kept once.
  const bool same = fills == outlines;
  k.outlinesfrom = same ? k.fillsfrom : k.fillsto;
  k.outlinesto = same ? k.fillsto : keep(outlines);
  k.stroke = state.stroke;
  k.fill = state.fill;
  k.width = state.width;
  k.antialias = state.antialias;
  k.text = -1;
  k.box = {static_cast<float>(box[0]), static_cast<float>(box[1]), static_cast<float>(box[2]),
           static_cast<float>(box[3])};
  kept_.push_back(k);
}

void ScreenDrawing::text(real x, real y, const TextMatrix& m, const std::string& utf8,
                         const DrawState& state) {
  Item t;
  t.state = state;
  t.text = true;
  t.x = x;
  t.y = y;
  t.matrix = m;
  t.utf8 = utf8;
  Kept k{};
  k.text = static_cast<std::int32_t>(texts_.size());
  texts_.push_back(std::move(t));
  kept_.push_back(k);
}

void ScreenDrawing::clear() {
  points_.clear();
  figures_.clear();
  kept_.clear();
  texts_.clear();
}

std::vector<Subpath> ScreenDrawing::figures(std::uint32_t from, std::uint32_t to) const {
  std::vector<Subpath> out;
  for (std::uint32_t f = from; f < to; ++f) {
    const auto first = points_.begin() + figures_[f].first;
    out.push_back({std::vector<DrawPoint>(first, first + figures_[f].count), figures_[f].closed});
  }
  return out;
}

ScreenDrawing::Item ScreenDrawing::item(const Kept& k) const {
  if (k.text >= 0) return texts_[static_cast<std::size_t>(k.text)];
  Item it;
  it.fills = figures(k.fillsfrom, k.fillsto);
  it.outlines = figures(k.outlinesfrom, k.outlinesto);
  it.state.stroke = k.stroke;
  it.state.fill = k.fill;
  it.state.width = k.width;
  it.state.antialias = k.antialias;
  return it;
}

void ScreenDrawing::show(int width, int height, const std::function<void(const Item&)>& draw) {
  // From the last paint back to the first, each one hidden by those after
  // it is left out; the fills of those that show cover what lies below.
  Blocks blocks(width, height);
  std::vector<bool> shown(kept_.size(), true);
  for (std::size_t n = kept_.size(); n-- > 0;) {
    const Kept& k = kept_[n];
    if (k.text >= 0) continue;
    shown[n] = !hiding_ || !blocks.hide(k.box);
    if (shown[n] && k.fillsto > k.fillsfrom && k.fill.alpha >= 1.0f)
      blocks.cover(figures(k.fillsfrom, k.fillsto));
  }
  for (std::size_t n = 0; n < kept_.size(); ++n)
    if (shown[n]) draw(item(kept_[n]));
  clear();
}
