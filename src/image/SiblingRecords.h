#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace birch {

// Records the image compiler holds for the MQTT (`Damson`) and EtherCAT (`Elm`) profiles.
// Nothing in this profile fills them and they are not part of bank.bin.

struct TMQTTString {
    std::string CString;
    std::uint32_t Address = 0;
    std::int32_t Len = 0;
};

struct TMQTTPacket_WillOption {
    std::array<char, 4> Struct_ID{};
    std::int32_t Struct_Version = 0;
    TMQTTString TopicName;
    TMQTTString WillMessage;
    std::uint8_t Retained = 0;
    std::uint8_t QoS = 0;
};

struct TMQTTPacket_ConnectData {
    std::array<char, 4> Struct_ID{};
    std::int32_t Struct_Version = 0;
    std::uint8_t MQTTVersion = 0;
    TMQTTString ClientID;
    std::uint16_t KeepAliveInterval = 0;
    std::uint8_t CleanSession = 0;
    std::uint8_t WillFlag = 0;
    TMQTTPacket_WillOption Will;
    TMQTTString Username;
    TMQTTString Password;
};

struct TMQTT_Publish_Data {
    std::string Description;
    std::uint32_t Desc_Add = 0;
    TMQTTString Publish_Topic;
    std::uint8_t Retained = 0;
    std::uint32_t QoS = 0;
    std::string Input_Template;
    std::uint32_t Input_Template_Add = 0;
    std::string Output_Template;
    std::uint32_t Output_Template_Add = 0;
    std::uint32_t Source_IP_Address = 0;
    std::uint32_t Position = 0;
    std::uint16_t Length = 0;
    std::uint16_t Type_Data = 0;
    std::uint32_t Timer = 0;
    std::uint32_t Options = 0;
};

struct TMQTT_Subscribe_Data {
    std::uint32_t Position = 0;
    std::uint32_t Length = 0;
    std::uint32_t Type_SubData = 0;
    std::string Input_Template;
    std::uint32_t Input_Template_Add = 0;
    std::string Output_Template;
    std::uint32_t Output_Template_Add = 0;
    std::uint32_t IP_Address = 0;
    std::uint16_t Port = 0;
    std::uint8_t Proto = 0;
};

struct TMQTT {
    std::uint32_t Mode = 0;
    std::uint32_t Time_Poll = 0;
    std::string Server_Address;
    std::uint32_t Server_Address_Add = 0;
    std::uint16_t Server_Port = 0;
    TMQTTPacket_ConnectData Connect_Data;
    std::uint32_t Topic_Filter_Count = 0;
    std::vector<TMQTTString> Topic_Filters;
    std::uint32_t Topic_Filters_Add = 0;
    std::vector<std::int32_t> Topic_Filter_QoS;
    std::uint32_t Topic_Filter_QoS_Add = 0;
    std::vector<TMQTT_Subscribe_Data> Subscribe_Data;
    std::uint32_t Subscribe_Data_Add = 0;
    std::uint32_t Publish_Topic_Count = 0;
    std::vector<TMQTT_Publish_Data> Publish_Data;
    std::uint32_t Publish_Data_Add = 0;
    std::uint32_t TLS_Flag = 0;
    std::uint32_t TLS_Server_Authentication = 0;
    std::string TLS_Server_Cert;
    std::uint32_t TLS_Server_Cert_Len = 0;
    std::uint32_t TLS_Server_Cert_Add = 0;
    std::uint32_t TLS_Client_Authentication = 0;
    std::string TLS_Client_Cert;
    std::uint32_t TLS_Client_Cert_Len = 0;
    std::uint32_t TLS_Client_Cert_Add = 0;
    std::string TLS_Client_Key;
    std::uint32_t TLS_Client_Key_Len = 0;
    std::uint32_t TLS_Client_Key_Add = 0;
    std::uint32_t TLS_Client_Key_Password = 0;
    std::string TLS_Client_Key_Pass;
    std::uint32_t TLS_Client_Key_Add_Pass = 0;
    std::string NTP_Server_Address;
    std::uint32_t NTP_Server_Address_Add = 0;
    std::uint32_t NTP_Server_Poll = 0;
};

struct TEtherCAT_pd {
    std::uint8_t Data_Type = 0;
    std::uint8_t length = 0;
    std::uint8_t access = 0;
    std::uint8_t bit_address = 0;
    std::uint32_t position = 0;
    std::uint32_t subindex = 0;
    std::uint32_t entry_index = 0;
    std::uint32_t ethercat_offset = 0;
    std::array<std::uint8_t, 8> init_value{};
    std::string name;
    std::uint32_t name_length = 0;
    std::uint32_t name_add = 0;
};

inline constexpr std::size_t kEtherCatPdCount = 512;

} // namespace birch
