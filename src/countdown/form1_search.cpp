#include "countdown/form1.h"

#include "app/program.h"
#include "countdown/form1_parts.h"
#include "countdown/slide_steps.h"
#include "countdown/suggestions.h"
#include "countdown/team_search.h"
#include "settings/settings_toggles_ui.h"
#include "team/form2.h"
#include "widgets/button_label.h"
#include "widgets/caption_label.h"
#include "widgets/hot_area.h"
#include "widgets/qt_text.h"

#include <QLineEdit>

using form1::enable;
using form1::enterKey;
using form1::placeholder;
using form1::placeholderLook;

// The search box and the expand action.

bool Form1::animationOn() const {
    return settings_->animated();
}

bool Form1::autoCompleteOn() const {
    return settings_->autoComplete();
}

bool Form1::searchButtonShown() const {
    return !SearchButton->isHidden();
}

void Form1::DateSearch_GotFocus() {
    DateSearch->setStyleSheet(QString());
    DateSearch->setText(QString());
}

void Form1::DateSearch_LostFocus() {
    DateSearch->setStyleSheet(placeholderLook);
    DateSearch->setText(placeholder);
    // The prompt reads from its start, however narrow the box.
    DateSearch->home(false);
}

void Form1::DateSearch_Change() {
    const QString text = DateSearch->text();
    if (autoCompleteOn()) {
        if (!text.isEmpty()) {
            runSuggestions();
        } else {
            SearchButton->hide();
        }
        return;
    }
    SearchButton->setVisible(namesTeamExactly(text.toStdString()));
}

void Form1::DateSearch_KeyPress(int keyAscii) {
    if (keyAscii == enterKey) {
        ExpandButton_Click();
    }
}

void Form1::showCountdownView() {
    // The box gives Qt's focus up as well: a hidden box that kept it would
    // see no got-focus when it is next clicked.
    DateSearch->clearFocus();
    DateSearch->hide();
    // A hidden box has lost the focus, even where no focus event said so
    // (the bar was not the active window).
    if (searchFocused_) {
        searchFocused_ = false;
        DateSearch_LostFocus();
    }
    CountdownDisplay->show();
    NextMatch->show();
}

void Form1::showSearchView() {
    DateSearch->show();
    CountdownDisplay->hide();
    NextMatch->hide();
}

void Form1::ExpandButton_Click() {
    if (!searchButtonShown()) {
        if (!DateSearch->isHidden()) {
            showCountdownView();
            startSuggestClose();
        } else {
            showSearchView();
            program_.unloadForm2();
            Form2Vis = 0;
            wakeTimer3();
        }
        return;
    }
    Form2Vis = 1;
    Form2& panel = program_.form2();
    panel.show();
    panel.showTeam(DateSearch->text());
    showCountdownView();
    SearchButton->hide();
    startSuggestClose();
    wakeTimer3();
}

// The suggestion engine and its strip.

void Form1::runSuggestions() {
    const auto row = Suggestions::lookup(DateSearch->text().toStdString());
    if (!row) {
        return;
    }
    const QString name = toQString(row->name);
    switch (row->action) {
    case Suggestions::Action::Suggest:
        SuggestToMe(std::string(row->name));
        break;
    case Suggestions::Action::Complete:
        // The nested change run on the completed name finds no key.
        DateSearch->setText(name);
        SuggestToMe(std::string(Suggestions::noSuggestion));
        startSuggestClose();
        SearchButton->show();
        break;
    case Suggestions::Action::PlainComplete:
        DateSearch->setText(name);
        SearchButton->show();
        break;
    }
}

void Form1::SuggestToMe(const std::string& Country) {
    if (Country != Suggestions::noSuggestion) {
        Suggest->setCaption(QString::fromStdString(Suggestions::suggestionCaption(Country)));
        startSuggestOpen();
    } else {
        startSuggestClose();
    }
}

void Form1::Suggest_Click() {
    const auto name = Suggestions::nameInCaption(Suggest->caption().toStdString());
    if (!name) {
        return;
    }
    DateSearch->setText(QString::fromStdString(*name));
    SuggestToMe(std::string(Suggestions::noSuggestion));
    startSuggestClose();
    SearchButton->show();
}

void Form1::startSuggestOpen() {
    TimerSuggestClose.stop();
    enable(TimerSuggestOpen);
}

void Form1::startSuggestClose() {
    TimerSuggestOpen.stop();
    enable(TimerSuggestClose);
}

void Form1::TimerSuggestOpen_Timer() {
    slide(TimerSuggestOpen, &TwipsRect::height, suggestOpenStep);
}

void Form1::TimerSuggestClose_Timer() {
    slide(TimerSuggestClose, &TwipsRect::height, suggestCloseStep);
}
