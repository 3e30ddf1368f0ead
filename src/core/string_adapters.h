// Sinks behind string adapters: the side that owns a text feeds it into an
// adapter that the asking side created; the adapter calls back into a sink.
#pragma once

#include <string>

#include "zv/sibling/basic.h"

class Tzv_string_adapter_base {
 public:
  Tzv_string_adapter_base();
  virtual ~Tzv_string_adapter_base();
  Tzv_string_adapter_base(Tzv_string_adapter_base const&) = delete;
  Tzv_string_adapter_base& operator=(Tzv_string_adapter_base const&) = delete;

  virtual void feed(char const* s) = 0;
  virtual void feed(wchar_t const* s) = 0;

  Izv_string_adp* adapter() const { return adapter_; }
  operator Izv_string_adp*() const { return adapter_; }

  static void zv_ansi_string_callback(char const* s, void* data);
  static void zv_unicode_string_callback(wchar_t const* s, void* data);

 private:
  Izv_string_adp* adapter_;
};

// Copies the fed text into a wide string owned by the caller.
class Tzv_std_wstring_adapter : public Tzv_string_adapter_base {
 public:
  explicit Tzv_std_wstring_adapter(std::wstring* target) : target_(target) {}
  void feed(char const* s) override;
  void feed(wchar_t const* s) override;

 private:
  std::wstring* target_;
};

// The text that `produce(adapter)` feeds (the last one fed), e.g.
// zv_read_wtext([e](Izv_string_adp* a) { e->get_wcaption(a); }).
template <class F>
std::wstring zv_read_wtext(F&& produce) {
  std::wstring text;
  Tzv_std_wstring_adapter sink(&text);
  produce(sink.adapter());
  return text;
}

// Tells whether any wide text fed so far equals the target exactly; a narrow
// text resets the answer.
class Tzv_match_any_wstring_adapter : public Tzv_string_adapter_base {
 public:
  explicit Tzv_match_any_wstring_adapter(wchar_t const* target) : target_(target) {}
  void feed(char const* s) override;
  void feed(wchar_t const* s) override;
  bool matched() const { return matched_; }

 private:
  bool matched_ = false;
  wchar_t const* target_;
};

// Swallows whatever it is fed.
class Tzv_eat_string_adapter : public Tzv_string_adapter_base {
 public:
  void feed(char const*) override {}
  void feed(wchar_t const*) override {}
};
