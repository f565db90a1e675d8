#include "classes/FormLoader.h"

#include "ComponentReferences.h"
#include "FormBuilder.h"
#include "classes/FormText.h"

std::vector<TFormWarning> ReadFormInto(TComponent* instance, const TFormDocument& document,
                                       const TFormReadOptions& options) {
  TFormBuilder builder(options, document.FileName);
  builder.Build(*document.Root, instance);
  auto problem = [&](const TPendingReference& ref, const String& message) {
    builder.Problem(message, ref.At);
  };
  for (const TPendingReference& ref :
       ResolveReferences(std::move(builder.Pending), {FormRootOf(instance)}, problem)) {
    problem(ref, STR("Unresolved reference to ") + ref.Name);
  }
  FinishLoading(builder.Bound, builder);
  return builder.Warnings;
}

TFormReadOptions LayoutReadOptions() {
  TFormReadOptions options;
  options.AllowUnknownClasses = false;
  options.AllowBadValues = false;
  return options;
}

void LoadFormLayout(TComponent* form, const std::filesystem::path& file,
                    const TFormReadOptions& options) {
  ReadFormInto(form, *LoadFormFile(file), options);
}
