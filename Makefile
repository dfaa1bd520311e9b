# The two commands of the README, plus the steps they are made of.
BUILD ?= build
JOBS ?= 2
SAMPLE_JOB ?= examples/jobs/existing-job.xml

.PHONY: deps configure build test run clean

deps:
	@scripts/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null

build: configure
	@cmake --build $(BUILD) -j$(JOBS)

test: build
	@cd $(BUILD) && $(CURDIR)/scripts/with-postgres.sh ctest --output-on-failure -j$(JOBS)

run: build
	@if [ -n "$$DISPLAY" ]; then \
		$(BUILD)/app/sensor-editor/sensor-editor $(SAMPLE_JOB); \
	else \
		echo "run: no DISPLAY; showing the editor on a virtual screen and saving a picture of it"; \
		xvfb-run -a -s "-screen 0 1280x800x24" $(BUILD)/app/sensor-editor/sensor-editor $(SAMPLE_JOB) \
			--screenshot $(BUILD)/sensor-editor.png && echo "run: wrote $(BUILD)/sensor-editor.png"; \
	fi

clean:
	@rm -rf $(BUILD)
