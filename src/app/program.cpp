#include "app/program.h"

#include "about/form7.h"
#include "app/form3.h"
#include "app/form9.h"
#include "calendar/form4.h"
#include "calendar/form5.h"
#include "countdown/form1.h"
#include "reminders/form8.h"
#include "team/form2.h"
#include "update/form6.h"

namespace {

// Creates and loads a window on first use.
template <typename Form> Form& loaded(std::unique_ptr<Form>& form, Program& program) {
    if (!form) {
        form = std::make_unique<Form>(program);
        form->Form_Load();
    }
    return *form;
}

// Gone for the program at once; Qt deletes it once the running event is done.
template <typename Form> void unload(std::unique_ptr<Form>& form) {
    if (form) {
        form->hide();
        form.release()->deleteLater();
    }
}

} // namespace

Program::Program(Services services, std::function<void()> endProgram)
    : services_(services), endProgram_(std::move(endProgram)) {}

Program::~Program() = default;

void Program::start() {
    Form9 startup(*this);
    startup.Form_Load();
}

Form3& Program::form3() {
    return loaded(form3_, *this);
}

Form1& Program::form1() {
    return loaded(form1_, *this);
}

Form2& Program::form2() {
    return loaded(form2_, *this);
}

Form6& Program::form6() {
    if (!form6_) {
        form6_ = std::make_unique<Form6>();
        form6_->Form_Load();
    }
    return *form6_;
}

Form7& Program::form7() {
    return loaded(form7_, *this);
}

Form4& Program::form4() {
    return loaded(form4_, *this);
}

Form5& Program::form5() {
    return loaded(form5_, *this);
}

void Program::unloadForm4() {
    unload(form4_);
}

void Program::unloadForm5() {
    unload(form5_);
}

Form8& Program::form8() {
    return loaded(form8_, *this);
}

void Program::unloadForm2() {
    if (form2_) {
        form2_->Form_Unload();
        form2_.reset();
    }
}

void Program::endSession() {
    if (form1_ && form1_->loaded()) {
        form1_->Form_Unload();
    } else if (form3_) {
        form3_->Form_Unload();
    } else {
        end();
    }
}

void Program::saveSession() {
    if (form1_ && form1_->loaded()) {
        form1_->SaveFiles();
    } else if (form3_) {
        form3_->SaveReminders();
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
