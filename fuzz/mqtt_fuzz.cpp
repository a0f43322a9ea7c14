#include "FuzzInput.h"

#include "profiles/MqttTopicFile.h"

// The topic file MQTT_Set_Topic.xml.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace birch;
    const MqttTopicLoad load = loadMqttTopicFile(fuzz::inputFile("MQTT_Set_Topic.xml", data, size));
    if ((load.status == MqttTopicLoad::Status::Unreadable || load.status == MqttTopicLoad::Status::Malformed) &&
        !(load.publish.empty() && load.subscribe.empty()))
        fuzz::fail("rows taken from a file that could not be read");
    return 0;
}
