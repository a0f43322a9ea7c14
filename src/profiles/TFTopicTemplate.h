#pragma once

#include "widgets/LanguageAware.h"
#include "widgets/UiContext.h"

#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QShowEvent;
class QTableWidget;

namespace birch {

class HeadingPanel;

// Edits one template or topic text of the MQTT topics window, with the list of keywords a
// template may hold. It keeps nothing between uses: the caller fills it before every showing
// and takes the text back on OK.
class TFTopicTemplate final : public QDialog, public LanguageAware {
    Q_OBJECT

public:
    explicit TFTopicTemplate(UiContext& context, QWidget* parent = nullptr);

    void Set_Lang() override;

    // What the next showing edits: a template (true) or a topic, the caller's working mode, and
    // the caller's table (0 publish, 1 subscribe).
    void Set_Target(bool TopicTemplate, int Working_Mode, int Pub_Sub);
    bool TopicTemplate() const { return topicTemplate_; }
    int Working_Mode() const { return workingMode_; }
    int Pub_Sub() const { return pubSub_; }

    // Replaces the editor's text; the text as edited.
    void setText(const QString& text);
    QString text() const;

    QPlainTextEdit& editor() { return *RE_TopicTemplate; }
    QTableWidget& keywords() { return *ASG_Keywords; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Set_Caption();
    void Laod_Keywords();
    void insertKeyword(int row);

    UiContext& context_;
    HeadingPanel* P_Title;
    QPlainTextEdit* RE_TopicTemplate;
    QLabel* L_List_Keywords;
    QTableWidget* ASG_Keywords;
    QPushButton* Btn_OK;
    QPushButton* Btn_Cancel;
    bool topicTemplate_ = false;
    int workingMode_ = 0;
    int pubSub_ = 0;
};

} // namespace birch
