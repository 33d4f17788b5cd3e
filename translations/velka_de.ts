<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>About</name>
    <message>
        <source>About Velka</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Analysis</name>
    <message>
        <source>The logger&apos;s own limits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WHO PQS shipping indicator, type 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WHO PQS shipping indicator, type 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>USP controlled room temperature</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (ΔH %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 from %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 in %2 event</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 in %2 events</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alarm: above %1 for %2 from %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alarm: below %1 for %2 from %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alarm: MKT %1 above %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Analysis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No alarm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no alarm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>record shorter than 24 h</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>none</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no delay</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>above</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>below</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>single event</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cumulative</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>inclusive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>strict</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alarm Profile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mean Kinetic Temperature</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Worst 24-hour MKT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MKT Ceiling</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Duration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (%2 samples, %3 apart)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trip Length</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Highest Temperature</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lowest Temperature</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The logger profile is this program&apos;s evaluation of the logger&apos;s limits and alarm delay; the logger&apos;s own alarm may differ.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rule</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Events</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time Beyond</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Longest Event</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First Out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rules</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Archive</name>
    <message>
        <source>This recording was changed after it was archived</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Chart</name>
    <message>
        <source>Temperature</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Normal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Upper limit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lower limit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MKT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Above Limit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Below Limit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Longest Excursion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (profile %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check Result</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ChartPage</name>
    <message>
        <source><byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lateral Reduction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lateral Magnification</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Overall Magnification</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Overall Reduction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alarm Profile：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alarm Profile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MKT Activation Energy：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MKT Activation Energy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> kJ/mol</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Device</name>
    <message>
        <source>The logger is in use by another program</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Fields</name>
    <message>
        <source>Enter an integer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter a number.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>History</name>
    <message>
        <source>Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop Time</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HistoryPage</name>
    <message>
        <source>Query</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recordings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;&lt; Home page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt; Previous page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next page &gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last page &gt;&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Page number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Go</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start Query Time：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End Query Time：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Query text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scanning … %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>System</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Parameters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>History</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save PDF report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Excel workbook</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About Velka...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unplug demo logger</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plug in demo logger</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New demo recording</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Application is already running, please do not open again!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MessageBox</name>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Warning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Info</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Pages</name>
    <message>
        <source>Page count</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ParameterPage</name>
    <message>
        <source>Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Parameter setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Manual</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transport Information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shows the stored recording %1; Write goes to its logger only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write Success</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write FAILED</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Product Information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unit: the logger keeps %1 characters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Products</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please select Product Information first</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>* For Required Projects</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Products</name>
    <message>
        <source>Add Success</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update FAILED - Overrun Capacity!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update success</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Product Information Upper Limit is 10, reach the upper limit!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Add Product Information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Failed - Overrun the capacity</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RecordTable</name>
    <message>
        <source>Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Record time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RecordTablePage</name>
    <message>
        <source>Query Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temperature Query</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Samples</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;&lt; Home Page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt; previous Page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next Page &gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last Page &gt;&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Page number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Go</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Query by time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Query Start Time：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Query End time：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Query by temperature</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Query</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temperature Max</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temperature Min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>：</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>above</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>below</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Manual mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>lower Limit Alarm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Excel Export Success</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Excel Export FAILED</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Product</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Batch Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Period of</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>validity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF save success</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF save FAILED</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 already exists. Replace it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temperature information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Report Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Device Information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Logging Summary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data Chart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Insert Device</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReportPages</name>
    <message>
        <source>Save PDF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Excel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Report path</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The report is signed as %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SaveDialog</name>
    <message>
        <source>Save As</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Browser</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Session</name>
    <message>
        <source>Detection of device insertion, data reading...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data reading</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Detection of device insertion, Data read completed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data read completed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data read FAILED</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Archive save FAILED</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Erase FAILED</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load FAILED</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data erased</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please make sure device is connected correctly</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plug it in again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Install the udev rule (see Help).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close the program that is using it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The logger at %1 cannot be opened: %2. %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the record was erased and the settings written back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the record was erased</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the record is partly erased</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the status block was cleared, so the record&apos;s start time is lost, but its samples are still on the logger</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nothing on the logger was changed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>settings and limits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>transport details</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>product list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 not written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 partly written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: write again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The logger plugged in (serial number %1) is not the one these settings are for (serial number %2), so nothing was written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1; the record is kept in the archive as %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The logger holds %1 samples that cannot be archived (it was never set up), so nothing was written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The logger holds %1 samples that cannot be archived (it was never set up), so it was not erased</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The logger holds %1 samples whose archived copy cannot be checked (%2), so nothing was written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The logger holds %1 samples whose archived copy cannot be checked (%2), so it was not erased</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The logger holds %1 samples that are not in the archive, so nothing was written. Plug it in again to archive them first</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The logger holds %1 samples that are not in the archive, so it was not erased. Plug it in again to archive them first</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the archive folder %1 cannot be created</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Manual Button</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Device S/N</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shutdown Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start Delay</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alarm Delay</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Upper Limit Alarm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lower Limit Alarm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Log Interval</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Log Cycle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delivery Company</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Receiving Company</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transport Company</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transport Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date Of Delivery</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Product Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Specification Model</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Product Batch Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Period of validity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quantity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shipment Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 must not hold a NUL character</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Product %1: %2 must not hold a NUL character</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please input %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 must be below %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is longer than %2 characters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Product %1: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 must be between 0 and %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SignDialog</name>
    <message>
        <source>Sign…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sign the report with the certificate &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Meaning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Meaning:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sign</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not now</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Signing</name>
    <message>
        <source>Signing FAILED</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Summary</name>
    <message>
        <source>Highest Temperature</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Average Temperature</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lowest Temperature</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data Points</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop Time</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SystemPage</name>
    <message>
        <source>Temperature Unit：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temperature Unit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Erase</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Empty all data of the logger</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The user guide cannot be opened: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Empty All Data?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Velka temperature data logger software</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version %1  Copyright (C) 2026 the Velka developers</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Units</name>
    <message>
        <source>min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>d</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>h</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sec</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fahrenheit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Celsius</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
