[cc.begin] header_check=<hTIMEhPIDhN_h> header_file=<"s.hh"> ztime=<YYYY-MM-DD HH:MM:SSZ> timestamp=<YYYY-MM-DD HH:MM:SS> utilclass=<sUtils>
[cc.declare] interface_name=<Outer::Inner::Account> server_identifier=<acct>
[cc.declare.value] arg_type=<Bank::Money> arg_name=<cash>
[cc.main.begin] mainclass=<s>
[cc.create.struct] split_module=<Outer::Inner> split_class=<Account> uspmodule=<Outer_Inner> javamodsep=<.> interface_name=<Outer::Inner::Account> uinterface=<Outer_Inner_Account> server_identifier=<acct> leftarg=<g_acct>
[cc.try]
[cc.bind] interface_name=<Outer::Inner::Account> server_identifier=<g_acct> marker_name=<""> server_name=<> host_name=<>
[cc.catch] class_name=<Outer::Inner::Account> leftarg=<g_acct>
[cc.main.end] mainclass=<s>
[cc.class.end]
[cc.end]
