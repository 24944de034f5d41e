// One fighter of the test battle.
#pragma once

namespace Vortane {

class TestFighter {
public:
    virtual ~TestFighter() = default;
};

}  // namespace Vortane
