#pragma once
// The main window as the profile store and the settings reach it.

#include "profiles/ProfileStore.h"
#include "profiles/Settings.h"

class TForm1;

// Loading a profile sets the window's own controls, so that their handlers run as they do
// when the user moves them (the sliders' labels, the sex boxes' group).
class MainWindowInputs final : public PersonInputsWriter {
  public:
    explicit MainWindowInputs(TForm1& form) : form_(form) {}
    void CheckMale() override;
    void CheckFemale() override;
    void SetNameText(const std::string& name) override;
    void SetDayText(const std::string& day) override;
    void SetYearText(const std::string& year) override;
    void SetHeight(int centimetres) override;
    void SetWeight(int kilograms) override;
    void SelectMonth(int index) override;

  private:
    TForm1& form_;
};

class MainWindowSettings final : public SettingsTarget {
  public:
    explicit MainWindowSettings(TForm1& form) : form_(form), inputs_(form) {}
    void SetBalloonHints(bool on) override;
    void SetTopmost(bool on) override;
    void SetMagnetActive(bool on) override;
    void SetMagnetDragable(bool on) override;
    void SetMagnetGlue(bool on) override;
    void SetRollingSpeed(int speed) override;
    void SetAnimateOnShow(bool on) override;
    void SetAnimateOnHide(bool on) override;
    void SetAnimationDelay(int ms) override;
    void SetTrayIconWanted(bool on) override;
    void SetAnimationKind(AnimationKind kind) override;
    PersonInputsWriter& Inputs() override { return inputs_; }
    void ShowTipOfTheDay() override;

  private:
    TForm1& form_;
    MainWindowInputs inputs_;
};
