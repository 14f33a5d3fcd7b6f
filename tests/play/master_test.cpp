#include "play/master.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include "support/engine.h"

namespace {

using testsupport::Engine;

// Records every call in a shared log and fails in the phase it is told to.
class Probe : public play::Master {
 public:
  Probe(std::string name, std::vector<std::string>& log, std::string failIn = "")
      : name_(std::move(name)), log_(log), failIn_(std::move(failIn)) {}
  core::Result<void> Start(core::Context& ctx, play::States&) override {
    startTime = ctx.GetTime();
    return step("Start");
  }
  core::Result<void> Do() override { return step("Do"); }
  core::Result<void> Stop() override { return step("Stop"); }
  std::int64_t startTime = -1;

 private:
  core::Result<void> step(const std::string& phase) {
    log_.push_back(phase + " " + name_);
    if (phase == failIn_) return core::Fail(name_ + " failed");
    return {};
  }
  std::string name_;
  std::vector<std::string>& log_;
  std::string failIn_;
};

using Log = std::vector<std::string>;

TEST(Mastermind, PhasesRunInTheOrderMastersWereAdded) {
  Engine engine;
  play::States st;
  Log log;
  Probe a("A", log), b("B", log), c("C", log);
  play::Mastermind mm;
  mm.Add({&a, &b});
  mm.Add({&c});
  SDL_Delay(3);
  ASSERT_TRUE(mm.Start(*engine, st));
  EXPECT_GT(a.startTime, 0) << "Start steps the engine once before any master starts";
  EXPECT_EQ(a.startTime, c.startTime);
  ASSERT_TRUE(mm.Do());
  ASSERT_TRUE(mm.Stop());
  EXPECT_EQ(log, (Log{"Start A", "Start B", "Start C", "Do A", "Do B", "Do C", "Stop A", "Stop B",
                      "Stop C"}));
}

TEST(Mastermind, FirstFailureEndsThePhase) {
  struct Case {
    std::string phase, message;
    Log log;
  };
  const Case cases[] = {
      {"Start", "Cannot start masters: B failed", {"Start A", "Start B"}},
      {"Do", "Cannot perform masters' doing: B failed", {"Do A", "Do B"}},
      {"Stop", "Cannot stop masters: B failed", {"Stop A", "Stop B"}},
  };
  Engine engine;
  play::States st;
  for (const auto& c : cases) {
    Log log;
    Probe a("A", log), b("B", log, c.phase), cc("C", log);
    play::Mastermind mm;
    mm.Add({&a, &b, &cc});
    core::Result<void> r = c.phase == "Start" ? mm.Start(*engine, st)
                           : c.phase == "Do"  ? mm.Do()
                                              : mm.Stop();
    ASSERT_FALSE(r);
    EXPECT_EQ(r.error().Message, c.message);
    EXPECT_EQ(log, c.log);
  }
}

TEST(Mastermind, EmptyStillSyncsTheEngine) {
  Engine engine;
  play::States st;
  play::Mastermind mm;
  SDL_Delay(3);
  std::int64_t before = engine->GetTime();
  ASSERT_TRUE(mm.Start(*engine, st));
  EXPECT_GT(engine->GetTime(), before);
  EXPECT_TRUE(mm.Do());
  EXPECT_TRUE(mm.Stop());
}

TEST(States, LocalIsTyped) {
  struct VerseRecord {
    int place = 3;
    std::unique_ptr<int> owned;  // records need not be copyable
  };
  struct MenuRecord {
    int item = 1;
  };
  play::States st;
  EXPECT_EQ(st.LocalAs<VerseRecord>(), nullptr);
  st.MakeLocal<VerseRecord>();
  ASSERT_NE(st.LocalAs<VerseRecord>(), nullptr);
  EXPECT_EQ(st.LocalAs<VerseRecord>()->place, 3);
  EXPECT_EQ(st.LocalAs<MenuRecord>(), nullptr) << "another play's record is never read";
}

}  // namespace
