#pragma once
// The drawing of the window's screen, kept from the last look at the
// screen (a snapshot) to the next: paints and texts in device pixels, y
// upwards. Only then is it painted onto the screen's image, without what
// a later opaque fill hides entirely, so that a page of many overlapping
// figures costs the painting of those that show.
#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/draw_context.h"

// A box in device pixels: {left, bottom, right, top}.
using Box = std::array<double, 4>;

class ScreenDrawing {
 public:
  // One paint (a text when text is true), as it is to be painted.
  struct Item {
    std::vector<Subpath> fills, outlines;
    DrawState state;
    bool text = false;
    real x = 0.0f, y = 0.0f;
    TextMatrix matrix{};
    std::string utf8;
  };

  // hiding: whether show leaves out what later opaque fills hide (off
  // only in tests, to see that the picture stays the same).
  explicit ScreenDrawing(bool hiding = true) : hiding_(hiding) {}

  // Keeps a paint: filled figures, outlines, and the box of every pixel
  // it may paint.
  void paint(const std::vector<Subpath>& fills, const std::vector<Subpath>& outlines,
             const DrawState& state, const Box& box);
  void text(real x, real y, const TextMatrix& m, const std::string& utf8, const DrawState& state);
  // Forgets what is kept.
  void clear();

  // Hands draw, in order, every item kept that stays in sight on a screen
  // of width x height pixels (every item, when not hiding), then forgets
  // them all. A paint is out of sight when every pixel of its box is
  // inside a figure filled opaquely by a later paint.
  void show(int width, int height, const std::function<void(const Item&)>& draw);

 private:
  struct Figure {
    std::uint32_t first, count;  // points
    bool closed;
  };
  struct Kept {
    std::uint32_t fillsfrom, fillsto, outlinesfrom, outlinesto;  // figures
    DrawColor stroke, fill;
    real width;
    bool antialias;
    std::int32_t text;  // index of the text, or -1
    std::array<float, 4> box;
  };

  std::uint32_t keep(const std::vector<Subpath>& figures);
  std::vector<Subpath> figures(std::uint32_t from, std::uint32_t to) const;
  Item item(const Kept& k) const;

  std::vector<DrawPoint> points_;
  std::vector<Figure> figures_;
  std::vector<Kept> kept_;
  std::vector<Item> texts_;
  bool hiding_;
};
