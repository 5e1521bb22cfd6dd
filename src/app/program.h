#pragma once

#include "app/services.h"
#include "schedule/group_split.h"

#include <functional>
#include <memory>

class Form1;
class Form2;
class Form3;
class Form4;
class Form5;
class Form6;
class Form7;
class Form8;
class Form9;

// The running program: its services, the group tables, and the one instance
// of each window. A window is created and loaded the first time it is asked
// for, and lives until it is unloaded or the program ends.
class Program {
public:
    Program(Services services, std::function<void()> endProgram);
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    Services& services() { return services_; }
    XMLParsing::GroupTables& groupTables() { return groupTables_; }

    // Runs the start-up window, which sets everything else going.
    void start();

    Form3& form3();
    Form1& form1();
    Form2& form2();
    Form4& form4();
    Form5& form5();
    Form6& form6();
    Form7& form7();
    Form8& form8();
    // Runs the panel's unload steps and discards it.
    void unloadForm2();
    // Hide and discard the window; it may be the one whose handler is running.
    void unloadForm4();
    void unloadForm5();

    // Nothing when the window is not loaded.
    Form1* loadedForm1() const { return form1_.get(); }
    Form2* loadedForm2() const { return form2_.get(); }
    Form3* loadedForm3() const { return form3_.get(); }
    Form4* loadedForm4() const { return form4_.get(); }
    Form5* loadedForm5() const { return form5_.get(); }
    Form7* loadedForm7() const { return form7_.get(); }
    Form8* loadedForm8() const { return form8_.get(); }

    // The session ends (a signal): the unload that fits the moment runs, the
    // bar's, else the controller's, which writes nothing while the start-up
    // fetch or an update's download runs; then the program ends.
    void endSession();
    // The session asks for the user's files before it ends: the same files
    // are written, and the program runs on, since the logout may be cancelled.
    void saveSession();

    // Ends the program outright: no window's closing steps run, but the
    // tray icon goes with it. The real program never returns from here;
    // callers return right after it anyway.
    void end();
    bool ended() const { return ended_; }

private:
    Services services_;
    std::function<void()> endProgram_;
    bool ended_ = false;
    XMLParsing::GroupTables groupTables_;
    std::unique_ptr<Form3> form3_;
    std::unique_ptr<Form1> form1_;
    std::unique_ptr<Form2> form2_;
    std::unique_ptr<Form4> form4_;
    std::unique_ptr<Form5> form5_;
    std::unique_ptr<Form6> form6_;
    std::unique_ptr<Form7> form7_;
    std::unique_ptr<Form8> form8_;
};
