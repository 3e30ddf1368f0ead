// The ready-made string visitors.
#include "text/encodings.h"
#include "zv/framework/adapters.h"

namespace zv {

void stdwstring_visitor::visit(wchar_t const* text) {
  if (!target_) return;
  if (text) target_->assign(text);
  else target_->clear();
}

void stdstring_visitor::visit(wchar_t const* text) {
  if (!target_) return;
  if (text)
    *target_ =
        text::encode(text, static_cast<int>(encoding_ < text::encoding_count ? encoding_ : text::encoding_system));
  else target_->clear();
}

}  // namespace zv
