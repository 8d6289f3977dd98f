// Speed of the XML engine on the capability documents: XmlFind over a printer's capability response
// (25 queries, as the capability parser runs them) and XmlFill of the GetCapabilityResponse template.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "protocol/job_protocol.h"
#include "protocol/xml_engine.h"

namespace {

using namespace orvane;

const std::string kParam = "cmd/ivec:contents/ivec:param_set servicetype=\"remotesetup\"";

CapabilityTexts SampleCapability() {
    CapabilityTexts texts;
    for (std::size_t i = 0; i < texts.size(); ++i) texts[i] = std::to_string(40 + i);
    return texts;
}

std::vector<XmlQuery> CapabilityQueries(const std::string& param, const CapabilityTexts& replacements) {
    std::vector<XmlQuery> queries = {
        {"cmd/ivec:contents/ivec:param_set servicetype", "\"remotesetup\""},
        {"cmd/ivec:contents/ivec:operation", {}},
        {param + "/ivec:response", "OK"},
        {param + "/ivec:response_detail", {}},
    };
    for (std::size_t i = 0; i < kCapabilityFieldCount; ++i) {
        queries.push_back({param + "/ivec:" + std::string(kCapabilityFieldNames[i]), replacements[i]});
    }
    return queries;
}

void BM_XmlFindCapabilityResponse(benchmark::State& state) {
    std::string document;
    BuildGetCapabilityResponse(ServiceKind::RemoteSetup, "OK", SampleCapability(), &document);
    const std::vector<XmlQuery> queries = CapabilityQueries(kParam, {});
    XmlMatchSet set;
    for (auto _ : state) {
        benchmark::DoNotOptimize(XmlFind(document, queries, 0, &set));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * document.size()));
}
BENCHMARK(BM_XmlFindCapabilityResponse);

// The GetCapabilityResponse template, every value a `%s` placeholder.
std::string CapabilityTemplate() {
    std::string text =
        "<?xml version=\"1.0\" encoding=\"utf-8\" ?><cmd xmlns:ivec=\"" + CommonNamespaceUri() +
        "\"><ivec:contents><ivec:operation>GetCapabilityResponse</ivec:operation>"
        "<ivec:param_set servicetype=\"%s\"><ivec:response>%s</ivec:response><ivec:response_detail/>";
    for (std::string_view name : kCapabilityFieldNames) {
        text += "<ivec:" + std::string(name) + ">%s</ivec:" + std::string(name) + ">";
    }
    return text + "</ivec:param_set></ivec:contents></cmd>";
}

void BM_XmlFillCapabilityTemplate(benchmark::State& state) {
    const std::string template_text = CapabilityTemplate();
    const std::vector<XmlQuery> queries =
        CapabilityQueries("cmd/ivec:contents/ivec:param_set servicetype=\"%s\"", SampleCapability());
    std::string check = template_text;
    if (XmlFill(&check, queries) != kXmlOk || check.find("%s") != std::string::npos) {
        state.SkipWithError("the template did not fill");
        return;
    }
    for (auto _ : state) {
        std::string text = template_text;
        benchmark::DoNotOptimize(XmlFill(&text, queries));
        benchmark::DoNotOptimize(text.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * template_text.size()));
}
BENCHMARK(BM_XmlFillCapabilityTemplate);

}  // namespace

BENCHMARK_MAIN();
