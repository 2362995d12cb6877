#pragma once

// Runs the search's tests once on every vector unit that the search was built for and this CPU
// has, by letting the search's run-time dispatch see only the one under test.
#include <gtest/gtest.h>
#include <hwy/targets.h>

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <ostream>
#include <string>
#include <vector>

namespace teilerwerk {

class EachTargetTest : public testing::TestWithParam<std::int64_t> {
protected:
    void SetUp() override { hwy::SetSupportedTargetsForTest(GetParam()); }
    void TearDown() override { hwy::SetSupportedTargetsForTest(0); }
};

inline std::vector<std::int64_t> EachTarget() { return hwy::SupportedAndGeneratedTargets(); }

inline std::string TargetParamName(const testing::TestParamInfo<std::int64_t>& info)
{
    return hwy::TargetName(info.param);
}

// One case of a table, on one vector unit.
template <typename Case> struct CaseOnTarget {
    std::int64_t target;
    Case testCase;
    std::size_t index;
};

template <typename Case> void PrintTo(const CaseOnTarget<Case>& param, std::ostream* out)
{
    *out << testing::PrintToString(param.testCase) << " on " << hwy::TargetName(param.target);
}

template <typename Case> class EachTargetCaseTest : public testing::TestWithParam<CaseOnTarget<Case>> {
protected:
    void SetUp() override { hwy::SetSupportedTargetsForTest(this->GetParam().target); }
    void TearDown() override { hwy::SetSupportedTargetsForTest(0); }
    const Case& TestCase() const { return this->GetParam().testCase; }
};

// Every case on every vector unit, named like AVX2_3 for the fourth case on AVX2.
template <typename Case> std::vector<CaseOnTarget<Case>> OnEachTarget(std::initializer_list<Case> cases)
{
    std::vector<CaseOnTarget<Case>> params;
    for (const std::int64_t target : EachTarget()) {
        std::size_t index = 0;
        for (const Case& testCase : cases) {
            params.push_back({target, testCase, index++});
        }
    }
    return params;
}

template <typename Case> std::string TargetAndCaseName(const testing::TestParamInfo<CaseOnTarget<Case>>& info)
{
    return std::string(hwy::TargetName(info.param.target)) + "_" + std::to_string(info.param.index);
}

}  // namespace teilerwerk
