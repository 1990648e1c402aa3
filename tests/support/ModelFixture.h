// A freshly reset model with the default lane width and a builder over it, shared by the model tests.
#pragma once
#include <gtest/gtest.h>

#include <memory>

#include "model/Primitives.h"

struct ModelFixture : ::testing::Test {
    std::unique_ptr<jamlog::NetworkModel> m = std::make_unique<jamlog::NetworkModel>();
    jamlog::Builder b{*m};
    void SetUp() override {
        jamlog::clearModel(*m);
        jamlog::resetModel(*m);
        m->laneWidth = 130;
    }
};
