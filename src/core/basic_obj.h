// Root of the library's object classes.
#pragma once

class Tzv_basic_obj {
 public:
  virtual ~Tzv_basic_obj() = default;
};
