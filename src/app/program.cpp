#include "app/program.h"

#include "about/form7.h"
#include "app/form3.h"
#include "app/form9.h"
#include "countdown/form1.h"
#include "reminders/form8.h"
#include "team/form2.h"
#include "update/form6.h"

Program::Program(Services services, std::function<void()> endProgram)
    : services_(services), endProgram_(std::move(endProgram)) {}

Program::~Program() = default;

void Program::start() {
    Form9 startup(*this);
    startup.Form_Load();
}

Form3& Program::form3() {
    if (!form3_) {
        form3_ = std::make_unique<Form3>(*this);
        form3_->Form_Load();
    }
    return *form3_;
}

Form1& Program::form1() {
    if (!form1_) {
        form1_ = std::make_unique<Form1>(*this);
        form1_->Form_Load();
    }
    return *form1_;
}

Form2& Program::form2() {
    if (!form2_) {
        form2_ = std::make_unique<Form2>(*this);
        form2_->Form_Load();
    }
    return *form2_;
}

Form6& Program::form6() {
    if (!form6_) {
        form6_ = std::make_unique<Form6>();
        form6_->Form_Load();
    }
    return *form6_;
}

Form7& Program::form7() {
    if (!form7_) {
        form7_ = std::make_unique<Form7>(*this);
        form7_->Form_Load();
    }
    return *form7_;
}

Form8& Program::form8() {
    if (!form8_) {
        form8_ = std::make_unique<Form8>(*this);
        form8_->Form_Load();
    }
    return *form8_;
}

void Program::unloadForm2() {
    if (form2_) {
        form2_->Form_Unload();
        form2_.reset();
    }
}

void Program::end() {
    ended_ = true;
    if (form3_) {
        form3_->Form_Terminate();
    }
    if (endProgram_) {
        endProgram_();
    }
}
