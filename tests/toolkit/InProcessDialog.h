// The real dialog built in the test's own process, hidden, and torn down after each test.
#pragma once

#include <gtest/gtest.h>

#include "dialog/Unit1.h"

class InProcessDialog : public ::testing::Test {
protected:
    void SetUp() override { NewSetupForm(dialog_, nullptr); }
    void TearDown() override {
        tk::MainWindow = nullptr;
        delete dialog_->Form;
    }
    SetupForm* dialog_ = nullptr;
};
