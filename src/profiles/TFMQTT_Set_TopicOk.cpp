// OK of the topic window: validate, let the user decide about the subscribe list the file held,
// and write the file.
#include "profiles/TFMQTT_Set_Topic.h"

#include "lang/ExtraTextNumbers.h"
#include "profiles/MqttTopicFile.h"
#include "profiles/MqttTopicGrid.h"
#include "profiles/MqttTopicMessages.h"
#include "widgets/GridView.h"
#include "widgets/QtText.h"

#include <string>

namespace birch {

void TFMQTT_Set_Topic::onOk()
{
    const AppState& state = context_.state;
    const MqttOkJudgement judgement =
        judgeMqttTables(state.TextTable, state.Extra, ACG_Pub->grid(), ACG_Sub->grid(), Byte_IN, Byte_OUT);
    const std::string question = "\n" + state.Extra[ext::kMqttSaveWithoutSubscribe];
    switch (judgement.outcome) {
    case MqttOkJudgement::Outcome::Invalid:
        context_.prompter.error(this, qs(judgement.message));
        return;
    case MqttOkJudgement::Outcome::InvalidHiddenSubscribe:
        // The user cannot mend a row they cannot see; saving drops the whole list anyway.
        if (context_.prompter.destructiveQuestion(this, qs(judgement.message + question)) != Prompter::Answer::Yes)
            return;
        break;
    case MqttOkJudgement::Outcome::Valid:
        if (subscribeRowsRead_ > 0 &&
            context_.prompter.destructiveQuestion(
                this, qs(subscribeDropNotice(state.Extra, subscribeRowsRead_) + question)) != Prompter::Answer::Yes)
            return;
        break;
    }

    const auto& file = state.MqttTopicFile;
    const MqttTopicSave save =
        saveMqttTopicFile(file, publishRowsInUse(ACG_Pub->grid()), context_.fileWriter, keepDamagedFile_);
    if (!save.ok()) {
        context_.prompter.error(this, qs(mqttSaveMessage(state.Extra, save, file)));
        return;
    }
    keepDamagedFile_ = false;
    subscribeRowsRead_ = 0;
    accept();
}

} // namespace birch
