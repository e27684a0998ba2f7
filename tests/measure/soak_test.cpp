#include <gtest/gtest.h>

#include <malloc.h>

#include <map>
#include <string>

#ifdef __SANITIZE_ADDRESS__
// The sanitizer's allocator interface; GCC ships no header for it.
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
#endif

#include "acquisition/orphy.h"
#include "acquisition/stored_settings.h"
#include "measure/tick.h"
#include "memory_fields.h"
#include "platform/failure.h"
#include "platform/number_form.h"

namespace measure {
namespace {

// Walks through every code and through voltages across and beyond the range.
class Walk : public acquisition::Source {
 public:
  platform::Variant raw_reading() override { return std::int32_t{code() * 256}; }
  platform::Variant measured_voltage() override { return -1.0 + (step / 2 % 7001) * 0.001; }
  int code() const { return static_cast<int>(step / 2 % 300) - 20; }  // -20 to 279
  long step = 0;
};

// Bytes the program holds on the heap right now. Under AddressSanitizer,
// freed blocks wait in quarantine and the resident size grows without any
// leak, so ask its allocator instead.
std::size_t heap_in_use() {
#ifdef __SANITIZE_ADDRESS__
  return __sanitizer_get_current_allocated_bytes();
#else
  return mallinfo2().uordblks;
#endif
}

TEST(Soak, AMillionTicksKeepTheirMemoryAndTheirTexts) {
  auto* walk = new Walk;
  platform::ClassRegistry registry;
  acquisition::register_orphy(registry, [walk](const platform::PropertyBag&) {
    return std::unique_ptr<acquisition::Source>(walk);
  });
  auto orphy1 = registry.create("ORPHYS.orphy", acquisition::orphy1_settings());
  MemoryFields fields;
  Measurement measurement(fields, *orphy1);
  const char* slopes[] = {"2", "2,5", "", "1 0", "-1e308", "1e400", "abc", "0.5e-3", "7"};
  const char* offsets[] = {"0", "-5", "1e308", "  3.27 ", "-"};

  std::size_t before = 0;
  for (long i = 0; i < 1'000'000; ++i) {
    if (i == 10'000) before = heap_in_use();
    fields.check = static_cast<int>(i % 3);
    fields.separator = i % 5 == 0 ? "," : ".";
    fields.texts[Field::Text1] = slopes[i % 9];
    fields.texts[Field::Text5] = offsets[i % 5];
    walk->step = 2 * i;  // the tick's two raw reads take the same step
    const int code = walk->code();
    measurement.tick();
    if (i % 997 == 0) {
      ASSERT_EQ(fields.texts[Field::Text2], std::to_string(code)) << i;
      ASSERT_EQ(fields.texts[Field::Text4], platform::hex_form(code)) << i;
      ASSERT_EQ(fields.texts[Field::Text7].size(), code >= 256 ? 9u : code < 0 ? 9u : 8u) << i;
    }
  }
  const std::size_t after = heap_in_use();
  EXPECT_LE(after, before + 4096) << "heap bytes " << before << " then " << after;
}

}  // namespace
}  // namespace measure
