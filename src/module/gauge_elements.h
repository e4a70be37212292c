// The elements of one gauge instance by number (0 = root, n = n-th first child), gathered with one
// walk so that a callback switching many pictures does not walk the chain for each of them.
#pragma once

#include "platform/gauge.h"

template <int N>
class GaugeElements {
 public:
  explicit GaugeElements(gauge::GaugeHeader* g) {
    gauge::ElementHeader* e = (g != nullptr && g->elements_list != nullptr) ? g->elements_list[0] : nullptr;
    for (int i = 0; i < N && e != nullptr; ++i) {
      e_[i] = e;
      e = (e->children != nullptr) ? e->children[0] : nullptr;
    }
  }

  // Null when the tree is shorter.
  gauge::ElementHeader* operator[](int n) const { return (n >= 0 && n < N) ? e_[n] : nullptr; }

  // Shown clears the hidden bit of the image-flag word, hidden sets it; a missing element is left.
  void Show(int n, bool shown) const {
    if (gauge::ElementHeader* e = (*this)[n]) {
      if (shown) {
        e->image_flags &= ~gauge::kImageHidden;
      } else {
        e->image_flags |= gauge::kImageHidden;
      }
    }
  }
  void Hide(int n) const { Show(n, false); }
  void HideRange(int first, int last) const {
    for (int n = first; n <= last; ++n) Hide(n);
  }

 private:
  gauge::ElementHeader* e_[N] = {};
};
