#include "config/CommissioningReportReader.h"

#include "config/ConfigurationBackup.h"
#include "config/ConfigurationDump.h"
#include "config/ModificationTraits.h"
#include "config/ParameterGroups.h"
#include "device/DeviceLink.h"
#include "device/DeviceOperations.h"
#include "params/ParameterTable.h"
#include "util/TextCase.h"

#include <algorithm>
#include <cstdlib>
#include <ctime>
#include <iterator>
#include <map>

namespace {

constexpr int kNodesPerGraph = 10;

struct BlockFeature {
    const char* block;
    Feature feature;
};

// Blocks a modification may lack; the others every channel has.
constexpr BlockFeature kBlockFeatures[] = {
    {"Вычислитель", kFeatureComputingBlock}, {"Регулятор", kFeatureRegulatorType},
    {"Уставка", kFeatureSetpoint},           {"Автонастройка", kFeatureAutotuning},
    {"Инспектор", kFeatureInspector},        {"LBA", kFeatureLba},
    {"Задвижка", kFeatureGateValveControl},  {"ШИМ", kFeaturePwm},
};

// Links of a channel to output elements: name and how many the channel has.
struct LinkKind {
    const char* name;
    int per;
};
constexpr LinkKind kLinkKinds[] = {{"op", 2}, {"rel.a", 1}};

bool BlockInUse(const ParameterGroup& g, const ModificationFeatures& features, int channels) {
    if (g.unit == GroupUnit::Channel && g.number > channels)
        return false;
    if (g.unit == GroupUnit::Input && !features[kFeatureInputs] &&
        !features[kFeaturePositionSensor])
        return false;
    for (const BlockFeature& b : kBlockFeatures)
        if (g.block == b.block)
            return features[b.feature];
    return true;
}

std::string Now() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M", &local);
    return text;
}

ReportValue ValueOf(const Parameter& p, bool read) {
    return {ConfigurationKey(p), p.caption, read ? p.value : kNoData, read};
}

} // namespace

int CommissioningReportReader::Read(CommissioningReport& report, std::string& error) {
    report = {};
    report.date = Now();
    report.model = ReadIdentityText(ops, "dev");
    report.firmware = ReadIdentityText(ops, "ver");
    // In configuration order; a value the pass could not read holds "Нет данных".
    std::vector<const Parameter*> ordered;
    ConfigurationBackup backup(ops, table);
    backup.SetProgress(progress);
    const int r = backup.ReadAll(ordered, error);
    if (r != kLinkOk)
        return r;
    const auto answered = [](const Parameter* p) { return p->value != kNoData; };
    for (const Parameter* p : ordered)
        if (!answered(p))
            report.unread.push_back(ConfigurationKey(*p));

    // Looked up among the pass's own parameters: a name the base lacks is no fault here.
    std::map<std::pair<std::string, int>, const Parameter*> byName;
    for (const Parameter* p : ordered)
        byName[{LowerText(p->name), p->index}] = p;
    const auto found = [&](const char* name, int index) -> const Parameter* {
        const auto it = byName.find({LowerText(name), index});
        return it == byName.end() ? nullptr : it->second;
    };
    const auto valueOf = [&](const char* name, int index) -> const Parameter* {
        const Parameter* p = found(name, index);
        return p && answered(p) ? p : nullptr;
    };
    const Parameter* modification = valueOf("mod.v", 0);
    const Parameter* count = valueOf("n.Ch", 0);
    report.modification = modification ? modification->value : kNoData;
    report.channelCount = count ? count->value : kNoData;
    const ModificationFeatures features =
        FeaturesOf(modification ? std::atoi(modification->value.c_str()) : 0);
    const int channels = count ? std::atoi(count->value.c_str()) : 0;

    for (const Parameter* p : ordered) {
        ParameterGroup g;
        GroupOf(p->name, p->index, g);
        if (g.block == "Модификация и каналы" || !BlockInUse(g, features, channels))
            continue;
        if (g.block == "Сетевые параметры") {
            report.network.push_back(ValueOf(*p, answered(p)));
            continue;
        }
        auto& sections = g.unit == GroupUnit::Controller || g.unit == GroupUnit::Other
                             ? report.controller
                             : report.channels;
        const std::string title = GroupTitle(g);
        if (sections.empty() || sections.back().title != title)
            sections.push_back({title, {}});
        sections.back().values.push_back(ValueOf(*p, answered(p)));
    }

    for (int c = 0; c < channels; ++c) {
        for (const LinkKind& kind : kLinkKinds)
            for (int k = 0; k < kind.per; ++k)
                if (const Parameter* p = valueOf(kind.name, c * kind.per + k))
                    report.links.push_back({p->value, c + 1, p->caption});
        const Parameter* nodes = features[kFeatureSetpoint]
                                     ? valueOf("node", kNodesPerGraph * c)
                                     : nullptr;
        if (!nodes)
            continue;
        ReportGraph graph;
        graph.channel = c + 1;
        const int n = std::clamp(std::atoi(nodes->value.c_str()), 0, kNodesPerGraph);
        for (int i = 0; i < n; ++i) {
            const Parameter* x = found("absc", kNodesPerGraph * c + i);
            const Parameter* y = found("ordn", kNodesPerGraph * c + i);
            if (i == 0 && x && y)
                graph = {c + 1, x->lower, x->upper, y->lower, y->upper, {}};
            const bool known = x && y && valueOf("absc", x->index) && valueOf("ordn", y->index);
            graph.nodes.push_back({known ? x->value : kNoData, known ? y->value : kNoData});
        }
        report.graphs.push_back(std::move(graph));
    }
    return kLinkOk;
}
